// At a device pixel ratio of 2 the program lays out as at 1, and draws its rings, jumpers and
// diagram at the screen's resolution rather than blowing up pictures made for a ratio of 1.
#include "setupctrls/MarkerWorld.h"
#include "setupctrls/ThreeJumper.h"
#include "support/XTesting.h"
#include "vcl/Screen.h"
#include <QGuiApplication>
#include <QScreen>

using namespace XTesting;

namespace {
// How many device pixel pairs (2k, 2k + 1) of a row differ within x0..x1: a picture blown up
// from the logical resolution has none.
int FinePairs(const QImage& screen, int y, int x0, int x1)
{
    int differing = 0;
    for (int x = x0 & ~1; x + 1 < x1; x += 2)
        differing += screen.pixel(x, y) != screen.pixel(x + 1, y);
    return differing;
}

class HighDpi : public MarkerWorld
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        MoveMouse(1279, 1023);
    }
};
} // namespace

TEST_F(HighDpi, LaysOutInTheSameLogicalPixelsAsAtRatioOne)
{
    EXPECT_EQ(Screen->Width(), 1280);
    EXPECT_EQ(Screen->Height(), 1024);
    auto* marker = AddMarker(
        "Relay &Enabling", Bounds(106, 249, 51, 21), AddPanel(Bounds(277, 406, 260, 59)));
    Start();
    Wait(200);
    EXPECT_EQ(board->Left(), 216);
    EXPECT_EQ(board->Top(), 183);
    marker->Perform(CM_MOUSEENTER, 0);
    EXPECT_EQ(marker->Popup()->ClientWidth(), 260);
    EXPECT_EQ(marker->Popup()->ClientHeight(), 168);
    EXPECT_EQ(marker->Popup()->Left(), 375);
}

TEST_F(HighDpi, RingsAndJumpersAreDrawnAtTheScreensResolution)
{
    auto* marker = AddMarker("Spot", Bounds(100, 100, 65, 65));
    TRadioPanel* panel = AddPanel(Bounds(400, 100, 200, 60));
    panel->SetParent(board); // shown on the board, so it is on the screen
    panel->SetBounds(300, 100, 200, 60);
    panel->SetVisible(true);
    auto* jumper = new TThreeJumper(host.get());
    jumper->SetParent(panel);
    jumper->SetBounds(20, 20, 60, 20);
    jumper->SetJumperState(jsLeft);
    Start();
    Wait(300);

    EXPECT_EQ(marker->NormalLook().DevicePixelRatio(), 2.0);
    EXPECT_EQ(marker->NormalLook().Image().width(), 130) << "shaded in device pixels";
    const QImage screen = GrabScreen();
    ASSERT_EQ(screen.width(), 2560);
    const TPoint ring = marker->ClientToScreen({0, 32});
    EXPECT_GT(FinePairs(screen, ring.Y * 2, ring.X * 2, (ring.X + 65) * 2), 4)
        << "the ring's shading changes within logical pixels";
    const TPoint pins = jumper->ClientToScreen({0, 10});
    EXPECT_GT(FinePairs(screen, pins.Y * 2, pins.X * 2, (pins.X + 60) * 2), 2)
        << "the pins' edges fall between logical pixels";
}
