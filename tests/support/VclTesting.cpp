#include "support/VclTesting.h"
#include "vcl/Control.h"
#include "vcl/WinControl.h"
#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace VclTesting {

MessageBoxRecorder::MessageBoxRecorder(std::deque<int> answers)
    : answers_(std::move(answers)), previous_(Application->MessageBoxHandler)
{
    Application->MessageBoxHandler
        = [this](const String& text, const String& caption, unsigned flags) {
              shown_.push_back({text, caption, flags});
              if (answers_.empty())
                  return IDOK;
              const int answer = answers_.front();
              answers_.pop_front();
              return answer;
          };
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    Application->MessageBoxHandler = previous_;
}

void FailOnUnexpectedMessageBoxes()
{
    Application->MessageBoxHandler = [](const String& text, const String& caption, unsigned) {
        ADD_FAILURE() << "unexpected message box \"" << caption.toStdString()
                      << "\": " << text.toStdString();
        return IDOK;
    };
}

QImage Render(TWinControl* control)
{
    const QImage grabbed = control->ClientView()->grab().toImage();
    // The back buffer holds the control's own pixels without its windowed children.
    return control->KeepsBackBuffer() ? control->BackBuffer()
                                      : grabbed.convertToFormat(QImage::Format_RGB32);
}

QImage RenderControl(TControl* control)
{
    const QImage parent = Render(control->Parent());
    return parent.copy(control->Left(), control->Top(), control->Width(), control->Height());
}

TColor PixelAt(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return static_cast<TColor>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

void ProcessEventsAndIdle()
{
    QCoreApplication::processEvents();
    Application->Idle();
    QCoreApplication::processEvents();
}

} // namespace VclTesting
