// The layer's pointer tracking and activation on a real X server without a window manager.
#include "support/LoggingForm.h"
#include "support/VclTesting.h"
#include "support/XTesting.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/GraphicControl.h"
#include "vcl/Screen.h"
#include <gtest/gtest.h>

using XTesting::MoveMouse;
using XTesting::Wait;
using XTesting::WaitFor;

namespace {
using VclTesting::Log;

// A logging form standing where bounds says.
struct PlacedForm : VclTesting::LoggingForm
{
    PlacedForm(Log& log, const char* name, TRect bounds) : LoggingForm(log, name) { Place(bounds); }
};

struct TwoWindows : ::testing::Test
{
    Log log;
    PlacedForm below {log, "Below", Bounds(100, 100, 300, 200)};
    PlacedForm above {log, "Above", Bounds(250, 150, 300, 200)};
    TwoWindows()
    {
        MoveMouse(5, 5);
        below.Show();
        above.Show();
        Wait(200);
        log.clear();
    }
};
} // namespace

TEST_F(TwoWindows, PointerMovesGiveOneLeaveThenOneEnterWhileIdle)
{
    MoveMouse(150, 250); // only the lower window
    ASSERT_TRUE(WaitFor([&] { return log.size() >= 1; }));
    MoveMouse(300, 200); // where the upper window covers the lower
    ASSERT_TRUE(WaitFor([&] { return log.size() >= 3; }));
    MoveMouse(700, 700); // no window of ours
    ASSERT_TRUE(WaitFor([&] { return log.size() >= 4; }));
    Wait(100);
    EXPECT_EQ(log, (Log {"Below enter", "Below leave", "Above enter", "Above leave"}));
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(TwoWindows, ShowingActivatesAndAClickActivatesTheWindowClickedInto)
{
    EXPECT_EQ(Screen->ActiveForm(), &above);
    XTesting::Click(150, 250);
    ASSERT_TRUE(WaitFor([&] { return Screen->ActiveForm() == &below; }));
    Wait(300); // late reports from the X server must not flip it back
    EXPECT_EQ(Screen->ActiveForm(), &below);
    const Log activation = [&] {
        Log only;
        for (const String& line : log)
            if (line.endsWith(QLatin1String("active")))
                only.push_back(line);
        return only;
    }();
    EXPECT_EQ(activation, (Log {"Above inactive", "Below active"}));
    above.Hide();
    below.Hide();
}

TEST(StackingOrder, AClickedWindowComesForwardButStaysUnderStayOnTopWindows)
{
    Log log;
    PlacedForm ordinary(log, "Ordinary", Bounds(100, 100, 300, 200));
    PlacedForm onTop(log, "OnTop", Bounds(250, 150, 300, 200));
    PlacedForm other(log, "Other", Bounds(50, 250, 300, 200));
    ordinary.SetColor(clRed);
    onTop.SetColor(clBlue);
    other.SetColor(clYellow);
    onTop.SetFormStyle(fsStayOnTop);
    ordinary.Show();
    onTop.Show();
    other.Show();
    Wait(200);
    XTesting::Click(150, 150); // into the ordinary window, outside the others
    ASSERT_TRUE(WaitFor([&] { return Screen->ActiveForm() == &ordinary; }));
    Wait(200);
    const QImage screen = XTesting::GrabScreen();
    EXPECT_EQ(screen.pixel(280, 200), qRgb(0, 0, 255)) << "the stay-on-top window stays above";
    EXPECT_EQ(screen.pixel(150, 280), qRgb(255, 0, 0)) << "the clicked window came above the other";
}
