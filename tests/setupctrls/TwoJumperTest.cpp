#include "setupctrls/TwoJumper.h"
#include "JumperTesting.h"
#include "setupctrls/ThreeJumper.h"
#include "support/VclTesting.h"
#include "vcl/CustomPanel.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace JumperTesting;
using VclTesting::RenderControl;

TEST(TwoJumper, StartsOpenUprightAndOutlinedInItsDefaultColours)
{
    TTwoJumper jumper(nullptr);
    EXPECT_EQ(jumper.Width(), 34);
    EXPECT_EQ(jumper.Height(), 18);
    EXPECT_FALSE(jumper.Closed());
    EXPECT_EQ(jumper.BaseColor(), 0x808080u);
    EXPECT_EQ(jumper.PinColor(), 0x00FFFFu);
    EXPECT_EQ(jumper.JumperColor(), 0x000080u);
    EXPECT_EQ(jumper.Orientation(), otUp);
    EXPECT_EQ(jumper.BorderStyle(), bsSingle);
    EXPECT_TRUE(jumper.Enabled());
    EXPECT_FALSE(jumper.OnClick);
    EXPECT_TRUE(jumper.ClassNameIs(QStringLiteral("ttwojumper")));
}

namespace {
struct LayoutRow
{
    int w, h;
    TTwoJumper::TLayout expected;
};
void PrintTo(const LayoutRow& row, std::ostream* out)
{
    *out << row.w << " x " << row.h;
}
} // namespace

class TwoJumperLayout : public ::testing::TestWithParam<LayoutRow>
{
};

TEST_P(TwoJumperLayout, PlacesThePinsAndLimitsTheRadius)
{
    const LayoutRow& row = GetParam();
    const TTwoJumper::TLayout got = TTwoJumper::Layout(row.w, row.h);
    EXPECT_EQ(got.t, row.expected.t);
    EXPECT_EQ(got.x1, row.expected.x1);
    EXPECT_EQ(got.x2, row.expected.x2);
    EXPECT_EQ(got.y, row.expected.y);
    EXPECT_EQ(got.r, row.expected.r);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, TwoJumperLayout,
    ::testing::Values(LayoutRow {34, 18, {10, 11, 23, 9, 3}}, LayoutRow {33, 17, {9, 10, 23, 8, 3}},
        // nearest(18 / 4) = nearest(4.5) = 4, not 5
        LayoutRow {70, 18, {20, 21, 49, 9, 4}}));

namespace {
struct Colours
{
    TColor base = clGray, pin = clYellow, cap = clMaroon;
};
struct PictureRow
{
    const char* name;
    int w, h;
    bool closed;
    TBorderStyle border;
    TRect base;
    std::vector<TRect> pins;
    Colours colours = {};
};
void PrintTo(const PictureRow& row, std::ostream* out)
{
    *out << row.name;
}

Scene SceneOf(const PictureRow& row)
{
    const Colours& c = row.colours;
    const bool single = row.border == bsSingle;
    Scene scene;
    scene.w = row.w;
    scene.h = row.h;
    if (row.closed)
        scene.cap = Layer {Rect(0, 0, row.w, row.h), single ? clBlack : c.cap, c.cap};
    else
        scene.base = Layer {row.base, single ? clBlack : c.base, c.base};
    scene.pins = row.pins;
    scene.pin = c.pin;
    return scene;
}
} // namespace

class TwoJumperPicture : public ::testing::TestWithParam<PictureRow>
{
};

TEST_P(TwoJumperPicture, ShowsBaseOrCapAndBothPinsInTheirBoxes)
{
    const PictureRow& row = GetParam();
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    jumper->SetBounds(10, 10, row.w, row.h);
    jumper->SetClosed(row.closed);
    jumper->SetBorderStyle(row.border);
    jumper->SetBaseColor(row.colours.base);
    jumper->SetPinColor(row.colours.pin);
    jumper->SetJumperColor(row.colours.cap);
    ExpectScene(RenderControl(jumper), SceneOf(row));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, TwoJumperPicture,
    ::testing::Values(PictureRow {"34x18 open", 34, 18, false, bsSingle, Rect(1, 1, 33, 17),
                          {Rect(8, 6, 14, 12), Rect(20, 6, 26, 12)}},
        PictureRow {
            "34x18 closed", 34, 18, true, bsSingle, {}, {Rect(8, 6, 14, 12), Rect(20, 6, 26, 12)}},
        PictureRow {"34x18 open without border", 34, 18, false, bsNone, Rect(1, 1, 33, 17),
            {Rect(8, 6, 14, 12), Rect(20, 6, 26, 12)}},
        PictureRow {"34x18 closed without border", 34, 18, true, bsNone, {},
            {Rect(8, 6, 14, 12), Rect(20, 6, 26, 12)}},
        PictureRow {"33x17 open", 33, 17, false, bsSingle, Rect(1, 1, 32, 16),
            {Rect(7, 5, 13, 11), Rect(20, 5, 26, 11)}},
        PictureRow {
            "33x17 closed", 33, 17, true, bsSingle, {}, {Rect(7, 5, 13, 11), Rect(20, 5, 26, 11)}},
        PictureRow {"70x18 open", 70, 18, false, bsSingle, Rect(1, 1, 69, 17),
            {Rect(17, 5, 25, 13), Rect(45, 5, 53, 13)}},
        PictureRow {"70x18 closed without border", 70, 18, true, bsNone, {},
            {Rect(17, 5, 25, 13), Rect(45, 5, 53, 13)}},
        PictureRow {"34x18 open in other colours", 34, 18, false, bsSingle, Rect(1, 1, 33, 17),
            {Rect(8, 6, 14, 12), Rect(20, 6, 26, 12)}, {clBlue, clWhite, clRed}},
        PictureRow {"34x18 closed in other colours", 34, 18, true, bsSingle, {},
            {Rect(8, 6, 14, 12), Rect(20, 6, 26, 12)}, {clBlue, clWhite, clRed}}));

TEST(TwoJumper, ClickOnAnOrdinaryParentTogglesAndRaisesOnClickAfterTheChange)
{
    TPanel parent(nullptr);
    auto* jumper = Place<TTwoJumper>(&parent);
    std::vector<bool> seen;
    jumper->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, jumper);
        seen.push_back(jumper->Closed());
    };
    jumper->Click();
    jumper->Click();
    EXPECT_EQ(seen, (std::vector<bool> {true, false}));
}

TEST(TwoJumper, SettingClosedRepaintsOnlyOnAChangeAndRaisesNoClick)
{
    ShownPanel shown;
    auto* jumper = Place<PaintCounting<TTwoJumper>>(shown.panel);
    VclTesting::ProcessEventsAndIdle();
    int clicks = 0;
    jumper->OnClick = [&](TObject*) { ++clicks; };
    const int before = jumper->Paints;
    ASSERT_GT(before, 0) << "the shown jumper has been painted";

    jumper->SetClosed(false);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_EQ(jumper->Paints, before) << "the same value requests no repaint";

    jumper->SetClosed(true);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_TRUE(jumper->Closed());
    EXPECT_GT(jumper->Paints, before);
    EXPECT_EQ(clicks, 0);
}

TEST(TwoJumper, TheWholeRectangleTakesRealClicks)
{
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    int clicks = 0;
    jumper->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(stage.get(), {10, 10}); // the background corner, outside the drawn base
    EXPECT_TRUE(jumper->Closed());
    ClickAt(stage.get(), {10 + 33, 10 + 17});
    EXPECT_FALSE(jumper->Closed());
    EXPECT_EQ(clicks, 2);
}

TEST(TwoJumper, DisabledIgnoresRealClicksAndLooksLikeAnEnabledOne)
{
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    jumper->SetBounds(10, 10, 33, 17);
    const QImage enabled = RenderControl(jumper);
    jumper->SetEnabled(false);
    int clicks = 0;
    jumper->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(stage.get(), {20, 18});
    EXPECT_FALSE(jumper->Closed());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(RenderControl(jumper), enabled);
}

// Three two-pin jumpers directly on a radio-enabled radio panel; events go to a log.
class RadioGroup : public ::testing::Test
{
protected:
    RadioGroup()
    {
        panel->SetRadioEnabled(true);
        for (int i = 0; i < 3; ++i) {
            jumpers.push_back(Place<TTwoJumper>(panel.get()));
            jumpers.back()->OnClick = [this](TObject* sender) { Log("click", sender); };
        }
        panel->OnRadioChange = [this](TObject* sender) { Log("radio", sender); };
    }

    std::vector<bool> States() const
    {
        std::vector<bool> states;
        for (const TTwoJumper* jumper : jumpers)
            states.push_back(jumper->Closed());
        return states;
    }
    void SetStates(const std::vector<bool>& states)
    {
        for (std::size_t i = 0; i < jumpers.size(); ++i)
            jumpers[i]->SetClosed(states[i]);
    }
    // "<event> <index of the sender, or ?> <states the handler saw>"
    void Log(const char* event, TObject* sender)
    {
        std::string entry = std::string(event) + ' ';
        const auto found = std::find(jumpers.begin(), jumpers.end(), sender);
        entry += found == jumpers.end() ? '?' : char('0' + (found - jumpers.begin()));
        entry += ' ';
        for (const bool closed : States())
            entry += closed ? 'C' : 'o';
        log.push_back(entry);
    }

    std::unique_ptr<TRadioPanel> panel = MakeStage();
    std::vector<TTwoJumper*> jumpers;
    std::vector<std::string> log;
};

namespace {
struct RadioRow
{
    const char* name;
    std::vector<bool> before;
    std::vector<bool> after;
    bool radioChange;
};
void PrintTo(const RadioRow& row, std::ostream* out)
{
    *out << row.name;
}
} // namespace

class RadioClick : public RadioGroup, public ::testing::WithParamInterface<RadioRow>
{
};

TEST_P(RadioClick, EndsWithTheClickedJumperClosedAndTheRestOpen)
{
    const RadioRow& row = GetParam();
    SetStates(row.before);
    jumpers[0]->Click();
    EXPECT_EQ(States(), row.after);
    std::vector<std::string> expected;
    if (row.radioChange)
        expected.push_back("radio 0 Coo");
    expected.push_back("click 0 Coo");
    EXPECT_EQ(log, expected) << "OnRadioChange, when fired, comes first; both see the end";
}

INSTANTIATE_TEST_SUITE_P(Cases, RadioClick,
    ::testing::Values(RadioRow {"all open: nothing left to change", {false, false, false},
                          {true, false, false}, false},
        RadioRow {"another closed", {false, true, false}, {true, false, false}, true},
        RadioRow {"two others closed", {false, true, true}, {true, false, false}, true},
        RadioRow {"the clicked one closed: opened, then closed again", {true, false, false},
            {true, false, false}, true}));

TEST_F(RadioGroup, WithoutRadioEnabledOnlyTheClickedJumperFlips)
{
    panel->SetRadioEnabled(false);
    SetStates({false, true, false});
    jumpers[0]->Click();
    EXPECT_EQ(States(), (std::vector<bool> {true, true, false}));
    jumpers[1]->Click();
    EXPECT_EQ(States(), (std::vector<bool> {true, false, false}));
    EXPECT_EQ(log, (std::vector<std::string> {"click 0 CCo", "click 1 Coo"}));
}

TEST_F(RadioGroup, SelectJumperLeavesOutNestedJumpersThreePinJumpersAndRenamedClasses)
{
    class TRenamedJumper : public TTwoJumper
    {
        VCL_CLASS(TRenamedJumper, TTwoJumper)
    public:
        using TTwoJumper::TTwoJumper;
    };
    auto* inner = Place<TPanel>(panel.get());
    auto* nested = Place<TTwoJumper>(inner);
    auto* renamed = Place<TRenamedJumper>(panel.get());
    auto* three = Place<TThreeJumper>(panel.get());
    nested->SetClosed(true);
    renamed->SetClosed(true);
    three->SetJumperState(jsRight);

    jumpers[1]->Click();
    EXPECT_EQ(States(), (std::vector<bool> {false, true, false}));
    EXPECT_TRUE(nested->Closed());
    EXPECT_TRUE(renamed->Closed());
    EXPECT_EQ(three->JumperState(), jsRight);
    // A renamed class is no member, yet its click runs the rule: it flips alone and the
    // whole group is opened.
    renamed->Click();
    EXPECT_FALSE(renamed->Closed());
    EXPECT_EQ(States(), (std::vector<bool> {false, false, false}));
}

TEST_F(RadioGroup, SelectJumperFiresWithTheJumperAsSenderNotThePanel)
{
    TObject* sender = nullptr;
    panel->OnRadioChange = [&](TObject* s) { sender = s; };
    jumpers[2]->SetClosed(true);
    panel->SelectJumper(jumpers[1]);
    EXPECT_EQ(sender, jumpers[1]);
    EXPECT_NE(sender, panel.get());
    EXPECT_EQ(States(), (std::vector<bool> {false, true, false}));
}

TEST_F(RadioGroup, SelectJumperWithAJumperFromElsewhereOpensTheWholeGroup)
{
    TTwoJumper stranger(nullptr);
    SetStates({true, false, true});
    panel->SelectJumper(&stranger);
    EXPECT_EQ(States(), (std::vector<bool> {false, false, false}));
    EXPECT_FALSE(stranger.Closed()) << "only the panel's own jumpers are set";
    EXPECT_EQ(log, (std::vector<std::string> {"radio ? ooo"}));
}

TEST(RadioPanelSelectJumper, WhenTheGroupAlreadyMatchesNothingRepaintsOrFires)
{
    ShownPanel shown;
    std::vector<PaintCounting<TTwoJumper>*> group;
    for (int i = 0; i < 3; ++i) {
        group.push_back(Place<PaintCounting<TTwoJumper>>(shown.panel));
        group.back()->SetLeft(10 + 40 * i);
    }
    group[1]->SetClosed(true);
    int fired = 0;
    shown.panel->OnRadioChange = [&](TObject*) { ++fired; };
    VclTesting::ProcessEventsAndIdle();
    std::vector<int> before;
    for (const auto* jumper : group)
        before.push_back(jumper->Paints);

    shown.panel->SelectJumper(group[1]);
    VclTesting::ProcessEventsAndIdle();
    for (std::size_t i = 0; i < group.size(); ++i)
        EXPECT_EQ(group[i]->Paints, before[i]) << "jumper " << i;
    EXPECT_EQ(fired, 0);

    shown.panel->SelectJumper(group[0]);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_GT(group[0]->Paints, before[0]);
    EXPECT_GT(group[1]->Paints, before[1]);
    EXPECT_EQ(group[2]->Paints, before[2]) << "an unchanged jumper is not repainted";
    EXPECT_EQ(fired, 1);
}

TEST(TwoJumper, OnADerivedRadioPanelClassTogglesAlone)
{
    class TDerivedRadioPanel : public TRadioPanel
    {
        VCL_CLASS(TDerivedRadioPanel, TRadioPanel)
    public:
        using TRadioPanel::TRadioPanel;
    };
    TDerivedRadioPanel panel(nullptr);
    panel.SetRadioEnabled(true);
    int fired = 0;
    panel.OnRadioChange = [&](TObject*) { ++fired; };
    auto* first = Place<TTwoJumper>(&panel);
    auto* second = Place<TTwoJumper>(&panel);
    first->SetClosed(true);
    second->Click();
    EXPECT_TRUE(first->Closed());
    EXPECT_TRUE(second->Closed());
    EXPECT_EQ(fired, 0);
}
