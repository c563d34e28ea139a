// Runs a GoogleTest suite inside a QApplication with the component layer's application object.
// Unless the caller chose a platform (the window tests run under Xvfb), Qt runs offscreen on one
// 1280 x 1024 screen at 96 dpi without window frames, so geometry in tests is exact and nothing
// needs a display.
#include "support/VclTesting.h"
#include "vcl/Application.h"
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZX_OFFSCREEN_CONFIG, 1);
    setenv("QT_NO_GLIB", "1", 1); // the idle signal then fires once each time the queue empties
    ::testing::InitGoogleTest(&argc, argv);
    QApplication qtApplication(argc, argv);
    TApplication application;
    VclTesting::FailOnUnexpectedMessageBoxes();
    return RUN_ALL_TESTS();
}
