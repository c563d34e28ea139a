// The real program, started as a user starts it, on a private Xvfb screen of 1280 x 1024,
// watched and driven through the X server as a person would.
#include "support/XTesting.h"
#include "vcl/JpegDecoder.h"
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace XTesting;

namespace {
constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 1024;
constexpr const char* HelpCaption = "Instructions for Settings utility";
constexpr const char* ConnectCaption = "Connecting The Watchdog";

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class Program : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MoveMouse(ScreenWidth - 1, ScreenHeight - 1);
        process.start(QStringLiteral(ZX_PROGRAM), {});
        ASSERT_TRUE(process.waitForStarted());
        mainWindow = Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Setup$"}, 30000)
                         .split('\n')
                         .value(0);
        ASSERT_FALSE(mainWindow.isEmpty());
        Wait(500);
    }
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // The top of the client area: the first row below the menu bar that is the window's white.
    int ClientTop(const QImage& screen) const
    {
        for (int y = 0; y < 60; ++y)
            if (screen.pixel(ScreenWidth - 2, y) == qRgb(255, 255, 255))
                return y;
        return -1;
    }
    // The help window shows itself after start; its Start button opens the tour's first
    // popup, whose Done button ends the tour. Leaves nothing but the main window.
    void DismissHelpAndTour()
    {
        ASSERT_TRUE(WaitFor([] { return WindowShown(HelpCaption); }));
        const WindowGeometry help = GeometryOf(WindowId(HelpCaption));
        Click(help.x + help.width / 2, help.y + help.height - 8 - 12); // Start
        ASSERT_TRUE(WaitFor([] { return WindowShown(ConnectCaption); }));
        EXPECT_FALSE(WindowShown(HelpCaption));
        const WindowGeometry popup = GeometryOf(WindowId(ConnectCaption));
        Click(popup.x + popup.width - 64 + 29, popup.y + popup.height - 44 + 12); // Done
        ASSERT_TRUE(WaitFor([] { return !WindowShown(ConnectCaption); }));
    }
    // Where a spot of the photograph is on the screen, once the window is up.
    QPoint OnPhotograph(int x, int y)
    {
        const int clientTop = ClientTop(GrabScreen());
        return {(ScreenWidth - 600) / 2 + x, clientTop + (ScreenHeight - 409) / 2 + y};
    }
    int ExitCode()
    {
        if (process.state() != QProcess::NotRunning) {
            EXPECT_TRUE(process.waitForFinished(10000));
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return process.exitCode();
    }

    QProcess process;
    QString mainWindow;
};
} // namespace

TEST_F(Program, StartsMaximisedWithThePhotographCentredAndExitsThroughTheFileMenu)
{
    ASSERT_TRUE(WaitFor([] { return WindowShown(HelpCaption); })); // all windows are up
    const WindowGeometry geometry = GeometryOf(mainWindow);
    EXPECT_EQ(geometry.x, 0);
    EXPECT_EQ(geometry.y, 0);
    EXPECT_EQ(geometry.width, ScreenWidth);
    EXPECT_EQ(geometry.height, ScreenHeight);

    // Centred on the window's outer size: without a window manager that is the whole screen,
    // so the photograph stands at ((1280 - 600) div 2, (1024 - 409) div 2) of the client area.
    QFile file(QStringLiteral(ZX_PHOTO));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage photo = DecodeJpeg(file.readAll());
    const QImage screen = GrabScreen();
    const int clientTop = ClientTop(screen);
    ASSERT_GT(clientTop, 0);
    const int left = (ScreenWidth - 600) / 2;
    const int top = clientTop + (ScreenHeight - 409) / 2;
    int matching = 0, compared = 0;
    for (int y = 30; y < 230; y += 10) // left of the photo: no marker, no window over it
        for (int x = 5; x < 50; x += 5, ++compared)
            matching += Near(screen.pixel(left + x, top + y), photo.pixel(x, y), 8);
    EXPECT_EQ(matching, compared) << "the photograph is not where the centring rule puts it";
    EXPECT_EQ(screen.pixel(left - 1, top + 100), qRgb(255, 255, 255));

    // File, then Exit where the menu drops down; on a busy machine the menu may take its time,
    // and a click beside it only lands on the empty client area.
    for (int attempt = 0; attempt < 3 && process.state() != QProcess::NotRunning; ++attempt) {
        Click(20, clientTop / 2);
        Wait(500);
        Click(30, clientTop + 12);
        process.waitForFinished(2000);
    }
    EXPECT_EQ(ExitCode(), 0);
}

TEST_F(Program, HoveringEachMarkerShowsItsPopupAndLeavingItClosesIt)
{
    struct Marker
    {
        const char* popup;
        QPoint centre; // on the photograph
    };
    DismissHelpAndTour();
    const Marker markers[]
        = {{ConnectCaption, {59 + 34, 11}}, {"Relay Enabling", {106 + 25, 249 + 10}}};
    for (const Marker& marker : markers) {
        SCOPED_TRACE(marker.popup);
        const QPoint spot = OnPhotograph(marker.centre.x(), marker.centre.y());
        MoveMouse(spot.x(), spot.y());
        EXPECT_TRUE(WaitFor([&] { return WindowShown(marker.popup); }));
        const QPoint bare = OnPhotograph(20, 380); // bottom left: no marker, no popup there
        MoveMouse(bare.x(), bare.y());
        EXPECT_TRUE(WaitFor([&] { return !WindowShown(marker.popup); }));
    }
}

TEST_F(Program, ClickingTheRelayJumperMovesItsCapOnTheScreen)
{
    DismissHelpAndTour();
    const QPoint marker = OnPhotograph(106 + 25, 249 + 10);
    MoveMouse(marker.x(), marker.y());
    ASSERT_TRUE(WaitFor([] { return WindowShown("Relay Enabling"); }));
    Click(marker.x(), marker.y()); // pins the popup
    const WindowGeometry window = GeometryOf(WindowId("Relay Enabling"));
    const QPoint jumper(window.x + 186, window.y + 19); // the jumper's place in its panel
    const QRgb cap = qRgb(128, 0, 0);
    auto capAt
        = [&](int x) { return Near(GrabScreen().pixel(jumper.x() + x, jumper.y() + 2), cap, 8); };
    Wait(300);
    EXPECT_TRUE(capAt(40) && !capAt(3)) << "on the middle and right pins at start";
    struct Expect
    {
        bool left, right;
    };
    for (const Expect expect :
        {Expect {false, false}, Expect {true, false}, Expect {false, true}}) {
        Wait(600); // apart enough not to make a double-click
        Click(jumper.x() + 21, jumper.y() + 9);
        EXPECT_TRUE(WaitFor([&] { return capAt(3) == expect.left && capAt(40) == expect.right; }))
            << "cap left " << expect.left << " right " << expect.right;
    }
}

TEST_F(Program, ShowsTheHeaderAndTheHelpWindowWhoseStartBeginsTheTour)
{
    QElapsedTimer sinceMainWindow;
    sinceMainWindow.start();
    ASSERT_TRUE(WaitFor([] { return WindowShown(HelpCaption); }));
    RecordProperty("help_window_after_main_window_ms", static_cast<int>(sinceMainWindow.elapsed()));
    EXPECT_LT(sinceMainWindow.elapsed(), 1000);
    const WindowGeometry help = GeometryOf(WindowId(HelpCaption));
    EXPECT_NEAR(help.x + help.width / 2, ScreenWidth / 2, 1)
        << "over the centre of the main window";
    EXPECT_EQ(help.width, 488) << "the help window scaled to a 1280 x 1024 screen";
    DismissHelpAndTour();
}

TEST_F(Program, ClosingTheMainWindowEndsTheProgramAsFileExitDoes)
{
    ASSERT_TRUE(WaitFor([] { return WindowShown(HelpCaption); }));
    CloseWindow(mainWindow);
    EXPECT_EQ(ExitCode(), 0);
}
