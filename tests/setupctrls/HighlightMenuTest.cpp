#include "MarkerWorld.h"
#include "vcl/Button.h"
#include "vcl/Screen.h"
#include <algorithm>
#include <array>

using Menus = MarkerWorld;

TEST_F(Menus, KindMenusStandBeforeHelpInTheirOrderWhateverOrderTheyComeIn)
{
    std::array<THighlightType, 3> order = {htOptions, htCalibration, htSettings};
    std::sort(order.begin(), order.end());
    do {
        MarkerScene world;
        world.Start();
        for (THighlightType type : order) {
            TBoardHighlight* marker = world.AddMarker("Spot", Bounds(0, 0, 20, 20), nullptr, type);
            marker->Repaint();
            VclTesting::Render(world.board);
        }
        EXPECT_EQ(world.BarCaptions(),
            (QStringList {"&File", "&Settings", "&Calibration", "&Options", "&Help"}))
            << "registered in the order " << order[0] << order[1] << order[2];
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(Menus, WithoutHelpTheKindMenusGoToTheEnd)
{
    menu->Items()->Remove(help);
    AddMarker("O", Bounds(0, 0, 20, 20), nullptr, htOptions);
    AddMarker("S", Bounds(30, 0, 20, 20), nullptr, htSettings);
    AddMarker("C", Bounds(60, 0, 20, 20), nullptr, htCalibration);
    Start();
    EXPECT_EQ(BarCaptions(), (QStringList {"&File", "&Settings", "&Calibration", "&Options"}));
    delete help;
}

TEST_F(Menus, EntriesFollowPaintOrderWithUniqueComponentNames)
{
    AddMarker("&Connecting The Watchdog", Bounds(59, 0, 68, 23));
    AddMarker("Relay &Enabling", Bounds(106, 249, 51, 21));
    AddMarker("", Bounds(300, 0, 20, 20));
    Start();
    TMenuItem* settings = TopItem("&Settings");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->Name(), QStringLiteral("Settings1"));
    ASSERT_EQ(settings->Count(), 2) << "an empty title gets no entry";
    EXPECT_EQ(settings->Items(0)->Caption(), QStringLiteral("&Connecting The Watchdog"));
    EXPECT_EQ(settings->Items(0)->Name(), QStringLiteral("ConnectingTheWatchdog1"));
    EXPECT_EQ(settings->Items(1)->Caption(), QStringLiteral("Relay &Enabling"));
}

TEST_F(Menus, ChoosingAnEntryOpensAndPinsAndChoosingItAgainCloses)
{
    auto* marker = AddMarker("Spot", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    Start();
    TMenuItem* entry = TopItem("&Settings")->Items(0);
    entry->Click();
    EXPECT_TRUE(Shown(marker));
    EXPECT_TRUE(marker->Pinned());
    EXPECT_TRUE(entry->Checked());
    entry->Click();
    EXPECT_FALSE(Shown(marker));
    EXPECT_FALSE(entry->Checked());
}

TEST_F(Menus, ChoosingTheEntryOfAHoveredPopupPinsIt)
{
    auto* marker = AddMarker("Spot", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    Start();
    Enter(marker);
    TPopupForm* popup = marker->Popup();
    TMenuItem* entry = TopItem("&Settings")->Items(0);
    EXPECT_FALSE(entry->Checked()) << "open only because of the pointer: no mark";
    entry->Click();
    EXPECT_EQ(marker->Popup(), popup);
    EXPECT_TRUE(popup->Visible());
    EXPECT_TRUE(marker->Pinned());
    EXPECT_TRUE(entry->Checked());
}

TEST_F(Menus, TheTourWalksTheKindMenuBothWaysWithWrapAround)
{
    auto* a = AddMarker("A", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    auto* b = AddMarker("B", Bounds(40, 0, 20, 20), AddPanel(Bounds(500, 300, 200, 50)));
    board->SetFirst(a);
    Start();
    TMenuItem* settings = TopItem("&Settings");
    board->Perform(WM_STARTTOUR);
    EXPECT_TRUE(Shown(a) && a->Pinned() && settings->Items(0)->Checked());
    a->Popup()->NextButton->Click();
    EXPECT_FALSE(Shown(a));
    EXPECT_TRUE(Shown(b) && b->Pinned());
    EXPECT_EQ(settings->Items(0)->Checked(), false);
    EXPECT_EQ(settings->Items(1)->Checked(), true);
    b->Popup()->NextButton->Click();
    EXPECT_TRUE(Shown(a) && !Shown(b));
    a->Popup()->PreviousButton->Click();
    EXPECT_TRUE(Shown(b) && !Shown(a));
    b->Popup()->DoneButton->Click();
    EXPECT_FALSE(Shown(a) || Shown(b));
    EXPECT_FALSE(settings->Items(0)->Checked() || settings->Items(1)->Checked());
}

TEST_F(Menus, ASingleEntryTourReopensTheSamePopupPinned)
{
    auto* only = AddMarker("Only", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    Start();
    TopItem("&Settings")->Items(0)->Click();
    only->Popup()->NextButton->Click();
    EXPECT_TRUE(Shown(only) && only->Pinned());
    EXPECT_TRUE(TopItem("&Settings")->Items(0)->Checked());
}

TEST_F(Menus, StartTourNeedsAFirstMarkerAndPinsAnAlreadyLitOne)
{
    auto* first = AddMarker("First", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    Start();
    board->Perform(WM_STARTTOUR);
    EXPECT_EQ(first->Popup(), nullptr) << "no First: nothing happens";

    board->SetFirst(first);
    Enter(first);
    TPopupForm* popup = first->Popup();
    int clicks = 0;
    first->OnClick = [&](TObject*) { ++clicks; };
    board->Perform(WM_STARTTOUR);
    EXPECT_EQ(first->Popup(), popup);
    EXPECT_TRUE(first->Pinned());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Screen->ActiveForm(), popup);
}

TEST_F(Menus, AMarkerWithoutEntryCannotStepTheTour)
{
    auto* untitled = AddMarker("", Bounds(0, 0, 20, 20), AddPanel(Bounds(300, 300, 200, 50)));
    Start();
    ASSERT_NE(TopItem("&Settings"), nullptr);
    EXPECT_EQ(TopItem("&Settings")->Count(), 0);
    Enter(untitled);
    untitled->Popup()->NextButton->Click();
    untitled->Popup()->PreviousButton->Click();
    EXPECT_TRUE(Shown(untitled)) << "Previous and Next do nothing";
    untitled->Popup()->DoneButton->Click();
    EXPECT_FALSE(Shown(untitled));
}
