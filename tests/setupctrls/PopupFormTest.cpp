#include "MarkerWorld.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Screen.h"
#include "vcl/StatusBar.h"

namespace {
struct Layout
{
    TRect memo, previous, next, done, status;
};

Layout LayoutOf(const TPopupForm* popup)
{
    return {popup->StatusMemo->BoundsRect(), popup->PreviousButton->BoundsRect(),
        popup->NextButton->BoundsRect(), popup->DoneButton->BoundsRect(),
        popup->PopupStatus->BoundsRect()};
}
} // namespace

using Popup = MarkerWorld;

TEST_F(Popup, RelayEnablingExampleIsBuiltAndPlacedWhereThePanelWasDesigned)
{
    TRadioPanel* panel = AddPanel(Bounds(277, 406, 260, 59));
    auto* marker = AddMarker("Relay &Enabling", Bounds(106, 249, 51, 21), panel);
    Start();
    ASSERT_EQ(board->Left(), 216); // centred on the 1032 x 776 window
    ASSERT_EQ(board->Top(), 183);
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->ClientWidth(), 260);
    EXPECT_EQ(popup->ClientHeight(), 168);
    const Layout layout = LayoutOf(popup);
    EXPECT_EQ(layout.memo, Bounds(6, 60, 248, 58));
    EXPECT_EQ(layout.previous, Bounds(6, 124, 58, 25));
    EXPECT_EQ(layout.next, Bounds(101, 124, 58, 25));
    EXPECT_EQ(layout.done, Bounds(196, 124, 58, 25));
    EXPECT_EQ(layout.status, Bounds(0, 149, 260, 19));
    EXPECT_EQ(popup->Caption(), QStringLiteral("Relay Enabling"));
    EXPECT_EQ(popup->Tag(), 1);
    EXPECT_EQ(popup->Left(), 216 - (118 - 277));
    EXPECT_EQ(popup->Top(), 183 - (122 - 406));
    EXPECT_EQ(popup->Constraints().MinWidth, popup->Width());
    EXPECT_EQ(panel->Parent(), popup);
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 260, 59));
    EXPECT_TRUE(panel->Visible());
    EXPECT_TRUE(panel->InPopup());
    EXPECT_EQ(popup->StatusMemo->Lines().ToStringList(), QStringList {"line 1"});
    EXPECT_TRUE(popup->StatusMemo->ReadOnly());
    EXPECT_EQ(popup->ActiveControl(), panel) << "the panel has the focus";
    EXPECT_EQ(Screen->ActiveForm(), popup);
}

TEST_F(Popup, ConnectingExampleAsBuilt)
{
    TRadioPanel* panel = AddPanel(Bounds(408, 72, 385, 97), 8);
    auto* marker = AddMarker("&Connecting The Watchdog", Bounds(59, 0, 68, 23), panel);
    Start();
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    EXPECT_EQ(popup->ClientWidth(), 385);
    EXPECT_EQ(popup->ClientHeight(), 206);
    const Layout layout = LayoutOf(popup);
    EXPECT_EQ(layout.memo, Bounds(6, 98, 373, 58));
    EXPECT_EQ(layout.previous.Left, 6);
    EXPECT_EQ(layout.next.Left, 163);
    EXPECT_EQ(layout.done.Left, 321);
    EXPECT_EQ(layout.done.Top, 162);
    EXPECT_EQ(layout.status, Bounds(0, 187, 385, 19));
    EXPECT_EQ(popup->Caption(), QStringLiteral("Connecting The Watchdog"));
}

TEST_F(Popup, IsKeptOnTheScreen)
{
    // Designed so that the popup would reach past the bottom, and start left of the screen.
    TRadioPanel* low = AddPanel(Bounds(277, 1000, 260, 59));
    TRadioPanel* left = AddPanel(Bounds(-400, 100, 260, 59));
    auto* lowMarker = AddMarker("Low", Bounds(0, 0, 20, 20), low);
    auto* leftMarker = AddMarker("Left", Bounds(30, 0, 20, 20), left);
    Start();
    Enter(lowMarker);
    EXPECT_EQ(lowMarker->Popup()->Top() + lowMarker->Popup()->Height(), Screen->Height());
    Enter(leftMarker);
    EXPECT_EQ(leftMarker->Popup()->Left(), 0);
}

TEST_F(Popup, WithoutRadioPanelGoesBelowTheBoardWithAnEmptyText)
{
    auto* marker = AddMarker("Bare", Bounds(0, 0, 20, 20));
    Start();
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 141);
    EXPECT_EQ(popup->Left(), board->Left());
    EXPECT_EQ(popup->Top(), board->Top() + board->Height() + 38);
    EXPECT_EQ(popup->StatusMemo->Height(), 58);
    EXPECT_EQ(popup->StatusMemo->Lines().Count(), 0);
    EXPECT_EQ(popup->ActiveControl(), popup->DoneButton);
}

TEST_F(Popup, ATinyPanelGetsTheMinimumWindowAndTheControlsFollow)
{
    TRadioPanel* tiny = AddPanel(Bounds(300, 300, 50, 5));
    auto* marker = AddMarker("Tiny", Bounds(0, 0, 20, 20), tiny);
    Start();
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 122);
    EXPECT_EQ(LayoutOf(popup).status, Bounds(0, 122 - 19, 194, 19));
    EXPECT_EQ(LayoutOf(popup).memo, Bounds(6, 122 - 50 - 58, 194 - 12, 58));
    EXPECT_GT(popup->StatusMemo->Top(), tiny->Height() + 1);
}

TEST_F(Popup, ResizingKeepsPreviousLeftNextCentredDoneRight)
{
    TRadioPanel* panel = AddPanel(Bounds(277, 406, 260, 59));
    auto* marker = AddMarker("Resize", Bounds(0, 0, 20, 20), panel);
    Start();
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    popup->SetBounds(popup->Left(), popup->Top(), popup->Width() + 100, popup->Height() + 50);
    const Layout layout = LayoutOf(popup);
    EXPECT_EQ(layout.previous, Bounds(6, 174, 58, 25));
    EXPECT_EQ(layout.done, Bounds(296, 174, 58, 25));
    EXPECT_NEAR(layout.next.Left + 29, 360 / 2, 1);
    EXPECT_EQ(layout.memo, Bounds(6, 60, 348, 108));
    EXPECT_EQ(layout.status, Bounds(0, 199, 360, 19));
}

TEST_F(Popup, LaterShowingsKeepTheUsersPlaceAndSize)
{
    TRadioPanel* panel = AddPanel(Bounds(277, 406, 260, 59));
    auto* marker = AddMarker("Moved", Bounds(0, 0, 20, 20), panel);
    Start();
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    popup->SetBounds(50, 60, 300, 250);
    popup->Close();
    EXPECT_FALSE(marker->Hovered());
    Enter(marker);
    EXPECT_TRUE(popup->Visible());
    EXPECT_EQ(popup->BoundsRect(), Bounds(50, 60, 300, 250));
}

TEST_F(Popup, CloseClearsTheGroupAndDeactivationTheGlow)
{
    TRadioPanel* panel = AddPanel(Bounds(277, 406, 260, 59));
    auto* a = AddMarker("Pair", Bounds(0, 0, 20, 20), panel);
    auto* b = AddMarker("Pair", Bounds(40, 0, 20, 20), panel);
    Start();
    Enter(a);
    a->Click();
    ASSERT_TRUE(TopItem("&Settings")->Items(0)->Checked());
    a->Popup()->Close();
    EXPECT_FALSE(a->Hovered() || b->Hovered());
    EXPECT_FALSE(a->PopupActive() || b->PopupActive());
    EXPECT_FALSE(TopItem("&Settings")->Items(0)->Checked());
    EXPECT_TRUE(a->Pinned()) << "until the next showing finds it hidden";
    Enter(a);
    EXPECT_FALSE(a->Pinned());
}

TEST_F(Popup, AForeignWindowWithTheSameCaptionAndTagMeansNoPopup)
{
    TForm foreign(nullptr);
    foreign.SetCaption(QStringLiteral("Spot"));
    foreign.SetTag(htOptions);
    auto* options = AddMarker("&Spot", Bounds(0, 0, 20, 20), nullptr, htOptions);
    auto* settings = AddMarker("Sp&ot", Bounds(40, 0, 20, 20), nullptr, htSettings);
    auto* twin = AddMarker("S&pot", Bounds(80, 0, 20, 20), nullptr, htSettings);
    Start();
    Enter(options);
    EXPECT_EQ(options->Popup(), nullptr);
    EXPECT_TRUE(options->Hovered());
    Enter(settings);
    EXPECT_NE(settings->Popup(), nullptr) << "the foreign window's Tag is another kind";
    Enter(twin);
    EXPECT_EQ(twin->Popup(), nullptr) << "not linked, but its popup would look the same";
}

TEST_F(Popup, PointerIntoThePopupKeepsItUntilItLeavesThePopup)
{
    TRadioPanel* panel = AddPanel(Bounds(277, 406, 260, 59));
    auto* marker = AddMarker("Walk", Bounds(106, 249, 51, 21), panel);
    Start();
    auto moveTo = [](TPoint point) {
        Mouse->SetCursorPos(point);
        Application->TrackPointer();
    };
    moveTo(marker->ClientToScreen({10, 10}));
    TPopupForm* popup = marker->Popup();
    ASSERT_TRUE(Shown(marker));
    moveTo(popup->StatusMemo->ClientToScreen({5, 5}));
    EXPECT_TRUE(Shown(marker));
    EXPECT_TRUE(popup->CloseOnLeave());
    moveTo(popup->DoneButton->ClientToScreen({5, 5}));
    moveTo(panel->ClientToScreen({5, 5}));
    EXPECT_TRUE(Shown(marker)) << "moving between the popup's own controls";
    moveTo({1030, 10});
    EXPECT_FALSE(Shown(marker));
    EXPECT_FALSE(popup->CloseOnLeave());

    moveTo(marker->ClientToScreen({10, 10}));
    marker->Click();
    moveTo({1030, 10});
    EXPECT_TRUE(Shown(marker)) << "pinned by a click";
}
