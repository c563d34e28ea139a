#pragma once
// Helpers for tests of the component layer and the controls built on it.

#include "vcl/Application.h"
#include "vcl/Types.h"
#include <QImage>
#include <deque>
#include <ostream>
#include <vector>

// Lets GoogleTest print Qt strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class TControl;
class TWinControl;

namespace VclTesting {

// Answers the application's message boxes for as long as it lives: each box is recorded and
// answered with the next queued answer (IDOK when none is queued). Outside its lifetime a box
// is a test failure.
class MessageBoxRecorder
{
public:
    struct Box
    {
        String Text;
        String Caption;
        unsigned Flags;
    };
    explicit MessageBoxRecorder(std::deque<int> answers = {});
    ~MessageBoxRecorder();
    const std::vector<Box>& Shown() const { return shown_; }

private:
    std::vector<Box> shown_;
    std::deque<int> answers_;
    TMessageBoxHandler previous_;
};

// Makes unexpected message boxes fail the running test; called once by the test main.
void FailOnUnexpectedMessageBoxes();

// Runs a whole paint pass of control's client area and returns its pixels.
QImage Render(TWinControl* control);
// The pixels of a control as its parent's last paint pass left them (paints first).
QImage RenderControl(TControl* control);
// The pixel at (x, y) of an image as 0x00BBGGRR.
TColor PixelAt(const QImage& image, int x, int y);

// Handles pending events, then runs the idle work (pointer tracking, OnIdle) once.
void ProcessEventsAndIdle();

} // namespace VclTesting
