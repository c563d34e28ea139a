// Markers and their popups under a real pointer on an X server, as a person moves the mouse.
#include "setupctrls/MarkerWorld.h"
#include "support/XTesting.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Screen.h"

using namespace XTesting;

namespace {
class Hover : public MarkerWorld
{
protected:
    void SetUp() override
    {
        MoveMouse(1270, 1010);
        panel = AddPanel(Bounds(277, 406, 260, 59));
        marker = AddMarker("Relay &Enabling", Bounds(106, 249, 51, 21), panel);
        Start();
        Wait(200);
    }
    void MoveTo(TPoint point) { MoveMouse(point.X, point.Y); }
    TPoint OnMarker() const { return marker->ClientToScreen({25, 10}); }
    TPoint OnPhotograph() const { return board->ClientToScreen({400, 50}); }
    bool PopupShown() const { return Shown(marker); }
    TColor RingPixel() { return VclTesting::PixelAt(VclTesting::RenderControl(marker), 45, 10); }

    TRadioPanel* panel = nullptr;
    TBoardHighlight* marker = nullptr;
};
} // namespace

TEST_F(Hover, EnteringOpensTheActivePopupAndLeavingForThePhotographClosesIt)
{
    const TColor normal = RingPixel();
    MoveTo(OnMarker());
    ASSERT_TRUE(WaitFor([&] { return PopupShown(); }));
    EXPECT_TRUE(WaitFor([&] { return marker->PopupActive(); }))
        << "the active popup's marker glows";
    EXPECT_EQ(Screen->ActiveForm(), marker->Popup());

    MoveTo(OnPhotograph());
    ASSERT_TRUE(WaitFor([&] { return !PopupShown(); }));
    EXPECT_FALSE(marker->Hovered());
    EXPECT_FALSE(marker->PopupActive());
    EXPECT_EQ(RingPixel(), normal);
}

TEST_F(Hover, FromTheMarkerIntoThePopupItStaysUntilThePointerLeavesThePopup)
{
    MoveTo(OnMarker());
    ASSERT_TRUE(WaitFor([&] { return PopupShown(); }));
    TPopupForm* popup = marker->Popup();
    MoveTo(popup->StatusMemo->ClientToScreen({10, 10}));
    Wait(200);
    EXPECT_TRUE(PopupShown());
    EXPECT_TRUE(popup->CloseOnLeave());
    MoveTo(popup->DoneButton->ClientToScreen({10, 10}));
    Wait(200);
    EXPECT_TRUE(PopupShown()) << "moving between the popup's own controls";
    MoveTo(OnPhotograph());
    EXPECT_TRUE(WaitFor([&] { return !PopupShown(); }));
}

TEST_F(Hover, AClickedMarkerKeepsItsPopupAfterThePointerLeavesBoth)
{
    MoveTo(OnMarker());
    ASSERT_TRUE(WaitFor([&] { return PopupShown(); }));
    Click(OnMarker().X, OnMarker().Y);
    ASSERT_TRUE(WaitFor([&] { return marker->Pinned(); }));
    MoveTo(OnPhotograph());
    Wait(300);
    MoveMouse(1270, 1010);
    Wait(300);
    EXPECT_TRUE(PopupShown());
    EXPECT_TRUE(TopItem("&Settings")->Items(0)->Checked());
}

TEST_F(Hover, ALinkedPairSharesOnePopupAndOneEntry)
{
    auto* twin = AddMarker("Relay &Enabling", Bounds(300, 100, 40, 40), panel);
    VclTesting::Render(board);
    MoveTo(twin->ClientToScreen({20, 20}));
    ASSERT_TRUE(WaitFor([&] { return Shown(twin); }));
    EXPECT_TRUE(marker->Hovered());
    MoveTo(OnMarker());
    Wait(200);
    EXPECT_EQ(marker->Popup(), nullptr);
    EXPECT_EQ(TopItem("&Settings")->Count(), 1);
    MoveTo(OnPhotograph());
    EXPECT_TRUE(WaitFor([&] { return !Shown(twin); }));
}

TEST_F(Hover, AMarkerTitledLikeAForeignWindowOfItsKindShowsNoPopup)
{
    TForm foreign(nullptr);
    foreign.SetCaption(QStringLiteral("Relay Enabling"));
    foreign.SetTag(htSettings);
    MoveTo(OnMarker());
    ASSERT_TRUE(WaitFor([&] { return marker->Hovered(); }));
    Wait(200);
    EXPECT_EQ(marker->Popup(), nullptr);
}
