#include "MarkerWorld.h"
#include "vcl/Button.h"
#include "vcl/Screen.h"

using VclTesting::PixelAt;

TEST(BoardHighlight, StartsAsAYellowSettingsMarkerWithAPopup)
{
    TBoardHighlight marker(nullptr);
    EXPECT_EQ(marker.Width(), 65);
    EXPECT_EQ(marker.Height(), 65);
    EXPECT_EQ(marker.HighlightType(), htSettings);
    EXPECT_EQ(marker.RingColor(), clYellow);
    EXPECT_TRUE(marker.CreatePopup());
    EXPECT_EQ(marker.Title(), QString());
}

TEST(BoardHighlight, TitlesGiveDisplayTitlesAndNameStems)
{
    struct Row
    {
        const char *title, *display, *stem;
    };
    const Row rows[] = {
        {"&Connecting The Watchdog", "Connecting The Watchdog", "ConnectingTheWatchdog"},
        {"Relay &Enabling", "Relay Enabling", "RelayEnabling"},
        {"_Jumper2", "_Jumper2", "_Jumper2"},
        {"3D &View!", "3D View!", "DView"},
        {"&&", "", ""},
        {"", "", ""},
    };
    for (const Row& row : rows) {
        TBoardHighlight marker(nullptr);
        marker.SetTitle(QString::fromLatin1(row.title));
        EXPECT_EQ(marker.DisplayTitle(), QString::fromLatin1(row.display)) << row.title;
        EXPECT_EQ(marker.NameStem(), QString::fromLatin1(row.stem)) << row.title;
    }
}

using Marker = MarkerWorld;

TEST_F(Marker, LooksAreTheBackgroundShadedOnceAtTheFirstPaint)
{
    auto* marker = AddMarker("Relay &Enabling", Bounds(106, 249, 65, 65));
    Start(); // over a photograph that is not loaded: the button-face background
    const TColor face = ColorToRGB(clBtnFace);
    const QImage& normal = marker->NormalLook().Image();
    EXPECT_EQ(PixelAt(normal, 0, 0), face) << "the corner keeps the background";
    EXPECT_NE(PixelAt(normal, 32, 32), face) << "the disc is tinted";
    EXPECT_EQ(PixelAt(marker->GlowLook().Image(), 60, 32), clWhite);
    EXPECT_EQ(PixelAt(VclTesting::RenderControl(marker), 32, 32), PixelAt(normal, 32, 32));

    // A kind set after the first paint keeps the looks (and the menu) as they were.
    marker->SetHighlightType(htOptions);
    EXPECT_EQ(PixelAt(marker->NormalLook().Image(), 32, 32), PixelAt(normal, 32, 32));
    EXPECT_EQ(TopItem("&Options"), nullptr);
}

TEST_F(Marker, KindSetBeforeTheFirstPaintGivesItsColour)
{
    auto* marker = AddMarker("Info", Bounds(10, 10, 65, 65), nullptr, htOptions);
    Start();
    const TColor centre = PixelAt(marker->NormalLook().Image(), 32, 32);
    EXPECT_GT((centre >> 16) & 0xFF, centre & 0xFF) << "bluer than red";
    EXPECT_EQ(marker->RingColor(), clBlue);
}

TEST_F(Marker, LookFollowsHoveredAndPopupActive)
{
    auto* marker = AddMarker("Spot", Bounds(10, 10, 65, 65));
    marker->SetCreatePopup(false);
    Start();
    auto shown = [&] { return PixelAt(VclTesting::RenderControl(marker), 60, 32); };
    const TColor normal = PixelAt(marker->NormalLook().Image(), 60, 32);
    const TColor lit = PixelAt(marker->LitLook().Image(), 60, 32);
    EXPECT_EQ(shown(), normal);
    Enter(marker);
    EXPECT_EQ(shown(), lit);
    marker->SetPopupActive(true, false);
    EXPECT_EQ(shown(), clWhite) << "hovered and popup-active: the glow";
    marker->Unhover();
    EXPECT_EQ(shown(), lit);
}

TEST_F(Marker, WithoutPopupAMarkerStaysLitAfterItsFirstEntry)
{
    auto* marker = AddMarker("Spot", Bounds(10, 10, 65, 65));
    marker->SetCreatePopup(false);
    Start();
    Enter(marker);
    Leave(marker);
    EXPECT_TRUE(marker->Hovered());
    int clicks = 0;
    marker->OnClick = [&](TObject*) { ++clicks; };
    marker->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(marker->Pinned());
    EXPECT_FALSE(TopItem("&Settings")->Items(0)->Checked());
}

TEST_F(Marker, RadioPanelOfAnotherGroupIsRefusedSilently)
{
    TRadioPanel* panel = AddPanel(Bounds(10, 10, 100, 40));
    auto* first = AddMarker("A", Bounds(0, 0, 20, 20), panel);
    auto* other = AddMarker("B", Bounds(30, 0, 20, 20));
    auto* linked = AddMarker("A", Bounds(60, 0, 20, 20));
    other->SetRadioPanel(panel);
    linked->SetRadioPanel(panel);
    EXPECT_EQ(first->RadioPanel(), panel);
    EXPECT_EQ(other->RadioPanel(), nullptr);
    EXPECT_EQ(linked->RadioPanel(), panel) << "linked markers may share a panel";
}

TEST_F(Marker, LinkedMarkersLightTogetherAndShareOnePopupAndEntry)
{
    TRadioPanel* panel = AddPanel(Bounds(277, 406, 260, 59));
    auto* a = AddMarker("Pair", Bounds(0, 0, 30, 30), panel);
    auto* b = AddMarker("Pair", Bounds(100, 0, 30, 30), panel);
    auto* otherKind = AddMarker("Pair", Bounds(200, 0, 30, 30), nullptr, htCalibration);
    Start();
    Enter(b);
    EXPECT_TRUE(a->Hovered());
    EXPECT_TRUE(b->Hovered());
    EXPECT_FALSE(otherKind->Hovered()) << "same title, other kind: not linked";
    EXPECT_NE(b->Popup(), nullptr);
    EXPECT_EQ(a->Popup(), nullptr) << "the first of the group to ask builds the popup";
    EXPECT_TRUE(a->PopupActive() && b->PopupActive());
    EXPECT_EQ(TopItem("&Settings")->Count(), 1);
    a->Click();
    EXPECT_TRUE(b->Pinned());
    EXPECT_TRUE(TopItem("&Settings")->Items(0)->Checked());
}

TEST_F(Marker, ActivationBringsTheGroupToTheFrontInOneWalk)
{
    auto* a1 = AddMarker("A", Bounds(0, 0, 30, 30));
    auto* x = AddMarker("X", Bounds(40, 0, 30, 30));
    auto* a2 = AddMarker("A", Bounds(80, 0, 30, 30));
    a1->SetPopupActive(true, true);
    ASSERT_EQ(board->ControlCount(), 3);
    EXPECT_EQ(board->Controls(0), x);
    EXPECT_EQ(board->Controls(1), a1);
    EXPECT_EQ(board->Controls(2), a2);
    EXPECT_TRUE(a2->PopupActive());
    EXPECT_FALSE(x->PopupActive());
}

TEST_F(Marker, AMarkerOffTheBoardImageWorksAloneWithoutMenu)
{
    auto* loose = AddMarker("Loose", Bounds(5, 5, 30, 30), nullptr, htSettings, host.get());
    auto* twin = AddMarker("Loose", Bounds(50, 5, 30, 30), nullptr, htSettings, host.get());
    Start();
    VclTesting::Render(host.get());
    EXPECT_EQ(loose->BoardMenu(), nullptr);
    Enter(loose);
    EXPECT_TRUE(Shown(loose));
    EXPECT_FALSE(twin->Hovered()) << "no linked groups off a board image";
    EXPECT_EQ(TopItem("&Settings"), nullptr);
    loose->Popup()->DoneButton->Click();
    EXPECT_FALSE(Shown(loose));
}

TEST_F(Marker, AClickPinsOnlyAPopupOnTheScreen)
{
    // The popup closed while the pointer stayed on the marker (here through its menu entry),
    // so no new entry comes before the click.
    auto* marker = AddMarker("Spot", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    Start();
    TMenuItem* entry = TopItem("&Settings")->Items(0);
    entry->Click();
    entry->Click();
    ASSERT_FALSE(Shown(marker));
    marker->Click();
    EXPECT_FALSE(entry->Checked()) << "no check mark for a popup that is not open";
    EXPECT_FALSE(Shown(marker));
    entry->Click();
    EXPECT_TRUE(Shown(marker)) << "so choosing the entry opens it at once";
}
