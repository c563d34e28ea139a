#include "setupctrls/ThreeJumper.h"
#include "JumperTesting.h"
#include "setupctrls/TwoJumper.h"
#include "support/VclTesting.h"
#include <gtest/gtest.h>
#include <vector>

using namespace JumperTesting;
using VclTesting::PixelAt;
using VclTesting::RenderControl;

TEST(ThreeJumper, StartsOpenUprightAndAllowingOpen)
{
    TThreeJumper jumper(nullptr);
    EXPECT_EQ(jumper.Width(), 43);
    EXPECT_EQ(jumper.Height(), 18);
    EXPECT_EQ(jumper.JumperState(), jsOpen);
    EXPECT_TRUE(jumper.AllowOpen());
    EXPECT_EQ(jumper.BaseColor(), 0x808080u);
    EXPECT_EQ(jumper.PinColor(), 0x00FFFFu);
    EXPECT_EQ(jumper.JumperColor(), 0x000080u);
    EXPECT_EQ(jumper.Orientation(), otUp);
    EXPECT_EQ(jumper.BorderStyle(), bsSingle);
    EXPECT_TRUE(jumper.ClassNameIs(QStringLiteral("TThreeJumper")));
}

namespace {
struct LayoutRow
{
    int w, h;
    TThreeJumper::TLayout expected;
};
void PrintTo(const LayoutRow& row, std::ostream* out)
{
    *out << row.w << " x " << row.h;
}
} // namespace

class ThreeJumperLayout : public ::testing::TestWithParam<LayoutRow>
{
};

TEST_P(ThreeJumperLayout, PlacesThePinsTheRadiusAndTheCapEdge)
{
    const LayoutRow& row = GetParam();
    const TThreeJumper::TLayout got = TThreeJumper::Layout(row.w, row.h);
    const TThreeJumper::TLayout& want = row.expected;
    EXPECT_EQ(got.t, want.t);
    EXPECT_EQ(got.x1, want.x1);
    EXPECT_EQ(got.xm, want.xm);
    EXPECT_EQ(got.x3, want.x3);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.r, want.r);
    EXPECT_EQ(got.g, want.g);
    EXPECT_EQ(got.h, want.h);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ThreeJumperLayout,
    ::testing::Values(LayoutRow {43, 18, {9, 10, 21, 33, 9, 3, 13, 6}},
        // nearest((20 - 2) / 4) = nearest(4.5) = 4, not 5
        LayoutRow {60, 20, {13, 14, 30, 46, 10, 4, 18, 9}}));

namespace {
struct PictureRow
{
    const char* name;
    int w, h;
    TJumperState state;
    TBorderStyle border;
    TRect cap; // empty when open
    std::vector<TRect> pins;
};
void PrintTo(const PictureRow& row, std::ostream* out)
{
    *out << row.name;
}

const std::vector<TRect> kPins43 = {Rect(7, 6, 13, 12), Rect(18, 6, 24, 12), Rect(30, 6, 36, 12)};
const std::vector<TRect> kPins60 = {Rect(10, 6, 18, 14), Rect(26, 6, 34, 14), Rect(42, 6, 50, 14)};

Scene SceneOf(const PictureRow& row)
{
    Scene scene;
    scene.w = row.w;
    scene.h = row.h;
    scene.base = Layer {
        Rect(1, 1, row.w - 1, row.h - 1), row.border == bsSingle ? clBlack : clGray, clGray};
    if (row.state != jsOpen)
        scene.cap = Layer {row.cap, clBlack, clMaroon}; // outlined whatever the border style
    scene.pins = row.pins;
    return scene;
}
} // namespace

class ThreeJumperPicture : public ::testing::TestWithParam<PictureRow>
{
};

TEST_P(ThreeJumperPicture, ShowsBaseCapAndThreePinsInTheirBoxes)
{
    const PictureRow& row = GetParam();
    auto stage = MakeStage();
    auto* jumper = Place<TThreeJumper>(stage.get());
    jumper->SetBounds(10, 10, row.w, row.h);
    jumper->SetJumperState(row.state);
    jumper->SetBorderStyle(row.border);
    ExpectScene(RenderControl(jumper), SceneOf(row));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ThreeJumperPicture,
    ::testing::Values(PictureRow {"43x18 open", 43, 18, jsOpen, bsSingle, {}, kPins43},
        PictureRow {"43x18 left", 43, 18, jsLeft, bsSingle, Rect(0, 0, 27, 18), kPins43},
        PictureRow {"43x18 right", 43, 18, jsRight, bsSingle, Rect(15, 0, 43, 18), kPins43},
        PictureRow {"43x18 open without border", 43, 18, jsOpen, bsNone, {}, kPins43},
        PictureRow {
            "43x18 left without border", 43, 18, jsLeft, bsNone, Rect(0, 0, 27, 18), kPins43},
        PictureRow {
            "43x18 right without border", 43, 18, jsRight, bsNone, Rect(15, 0, 43, 18), kPins43},
        PictureRow {"60x20 open", 60, 20, jsOpen, bsSingle, {}, kPins60},
        PictureRow {"60x20 left", 60, 20, jsLeft, bsSingle, Rect(0, 0, 39, 20), kPins60},
        PictureRow {"60x20 right", 60, 20, jsRight, bsSingle, Rect(21, 0, 60, 20), kPins60}));

namespace {
// Where the cap shows once turned: a pixel well inside the capped end and one inside the
// other end, on a 43 x 18 picture shown 43 x 18 (otUp, otDown) or 18 x 43 (otLeft, otRight).
struct CapEndRow
{
    TOrientationType orientation;
    TJumperState state;
    QPoint capEnd;
    QPoint openEnd;
};
void PrintTo(const CapEndRow& row, std::ostream* out)
{
    *out << "orientation " << int(row.orientation) << " state " << int(row.state);
}
const QPoint kLeftEnd(4, 4), kRightEnd(38, 4), kTopEnd(4, 4), kBottomEnd(4, 38);
} // namespace

class ThreeJumperCapEnd : public ::testing::TestWithParam<CapEndRow>
{
};

TEST_P(ThreeJumperCapEnd, FollowsTheOrientation)
{
    const CapEndRow& row = GetParam();
    auto stage = MakeStage();
    auto* jumper = Place<TThreeJumper>(stage.get());
    const bool vertical = row.orientation == otLeft || row.orientation == otRight;
    jumper->SetBounds(10, 10, vertical ? 18 : 43, vertical ? 43 : 18);
    jumper->SetOrientation(row.orientation);
    jumper->SetJumperState(row.state);
    const QImage image = RenderControl(jumper);
    EXPECT_EQ(PixelAt(image, row.capEnd.x(), row.capEnd.y()), clMaroon);
    EXPECT_EQ(PixelAt(image, row.openEnd.x(), row.openEnd.y()), clGray);
}

INSTANTIATE_TEST_SUITE_P(Table, ThreeJumperCapEnd,
    ::testing::Values(CapEndRow {otUp, jsLeft, kLeftEnd, kRightEnd},
        CapEndRow {otUp, jsRight, kRightEnd, kLeftEnd},
        CapEndRow {otDown, jsLeft, kRightEnd, kLeftEnd},
        CapEndRow {otDown, jsRight, kLeftEnd, kRightEnd},
        CapEndRow {otLeft, jsLeft, kBottomEnd, kTopEnd},
        CapEndRow {otLeft, jsRight, kTopEnd, kBottomEnd},
        CapEndRow {otRight, jsLeft, kTopEnd, kBottomEnd},
        CapEndRow {otRight, jsRight, kBottomEnd, kTopEnd}));

namespace {
struct ClickRow
{
    TJumperState start;
    bool allowOpen;
    std::vector<TJumperState> afterEachClick;
};
void PrintTo(const ClickRow& row, std::ostream* out)
{
    *out << "from " << int(row.start) << (row.allowOpen ? " allowing open" : " never open");
}
} // namespace

class ThreeJumperClick : public ::testing::TestWithParam<ClickRow>
{
};

TEST_P(ThreeJumperClick, MovesTheCapOnAndThenRaisesOnClick)
{
    const ClickRow& row = GetParam();
    TThreeJumper jumper(nullptr);
    jumper.SetJumperState(row.start);
    jumper.SetAllowOpen(row.allowOpen);
    std::vector<TJumperState> seen;
    jumper.OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &jumper);
        seen.push_back(jumper.JumperState());
    };
    for (std::size_t i = 0; i < row.afterEachClick.size(); ++i)
        jumper.Click();
    EXPECT_EQ(seen, row.afterEachClick);
}

INSTANTIATE_TEST_SUITE_P(Cycles, ThreeJumperClick,
    ::testing::Values(ClickRow {jsRight, true, {jsOpen, jsLeft, jsRight}},
        ClickRow {jsOpen, true, {jsLeft, jsRight, jsOpen}},
        ClickRow {jsLeft, false, {jsRight, jsLeft, jsRight}},
        ClickRow {jsRight, false, {jsLeft, jsRight, jsLeft}}));

namespace {
struct AllowOpenRow
{
    TJumperState start;
    TJumperState afterDisallowing;
};
void PrintTo(const AllowOpenRow& row, std::ostream* out)
{
    *out << "from " << int(row.start);
}
} // namespace

class ThreeJumperAllowOpen : public ::testing::TestWithParam<AllowOpenRow>
{
};

TEST_P(ThreeJumperAllowOpen, TurningItOffLeavesNoOpenJumperAndOnChangesNothing)
{
    const AllowOpenRow& row = GetParam();
    TThreeJumper jumper(nullptr);
    int clicks = 0;
    jumper.OnClick = [&](TObject*) { ++clicks; };
    jumper.SetJumperState(row.start);
    jumper.SetAllowOpen(false);
    EXPECT_FALSE(jumper.AllowOpen());
    EXPECT_EQ(jumper.JumperState(), row.afterDisallowing);
    jumper.SetAllowOpen(true);
    EXPECT_EQ(jumper.JumperState(), row.afterDisallowing);
    EXPECT_EQ(clicks, 0) << "setters raise no OnClick";
}

INSTANTIATE_TEST_SUITE_P(Table, ThreeJumperAllowOpen,
    ::testing::Values(AllowOpenRow {jsOpen, jsLeft}, AllowOpenRow {jsLeft, jsLeft},
        AllowOpenRow {jsRight, jsRight}));

TEST(ThreeJumper, DisallowingOpenOnAnOpenJumperDrawsTheLeftCap)
{
    auto stage = MakeStage();
    auto* jumper = Place<TThreeJumper>(stage.get());
    EXPECT_EQ(PixelAt(RenderControl(jumper), kLeftEnd.x(), kLeftEnd.y()), clGray);
    jumper->SetAllowOpen(false);
    EXPECT_EQ(PixelAt(RenderControl(jumper), kLeftEnd.x(), kLeftEnd.y()), clMaroon);
}

TEST(ThreeJumper, RefusedOpenStateChangesNothingAndRequestsNoRepaint)
{
    ShownPanel shown;
    auto* jumper = Place<PaintCounting<TThreeJumper>>(shown.panel);
    jumper->SetAllowOpen(false);
    jumper->SetJumperState(jsRight);
    const QImage before = RenderControl(jumper);
    VclTesting::ProcessEventsAndIdle();
    const int paints = jumper->Paints;

    jumper->SetJumperState(jsOpen);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_EQ(jumper->JumperState(), jsRight);
    EXPECT_EQ(jumper->Paints, paints);
    EXPECT_EQ(RenderControl(jumper), before);

    const int rendered = jumper->Paints;
    jumper->SetJumperState(jsLeft);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_GT(jumper->Paints, rendered) << "an accepted state is repainted";
}

TEST(ThreeJumper, SettingTheStateFromCodeRaisesNoClick)
{
    TThreeJumper jumper(nullptr);
    int clicks = 0;
    jumper.OnClick = [&](TObject*) { ++clicks; };
    for (const TJumperState state : {jsRight, jsLeft, jsOpen})
        jumper.SetJumperState(state);
    EXPECT_EQ(jumper.JumperState(), jsOpen);
    EXPECT_EQ(clicks, 0);
}

TEST(ThreeJumper, DisabledIgnoresRealClicksAndLooksLikeAnEnabledOne)
{
    auto stage = MakeStage();
    auto* jumper = Place<TThreeJumper>(stage.get());
    jumper->SetJumperState(jsRight);
    const QImage enabled = RenderControl(jumper);
    jumper->SetEnabled(false);
    int clicks = 0;
    jumper->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(stage.get(), {30, 19});
    EXPECT_EQ(jumper->JumperState(), jsRight);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(RenderControl(jumper), enabled);

    jumper->SetEnabled(true);
    ClickAt(stage.get(), {30, 19});
    EXPECT_EQ(jumper->JumperState(), jsOpen) << "enabled again, it takes the same click";
}

TEST(ThreeJumper, OnARadioEnabledPanelClicksAsAnywhereElseAndTouchesNoOtherJumper)
{
    auto stage = MakeStage();
    stage->SetRadioEnabled(true);
    int radioChanges = 0;
    stage->OnRadioChange = [&](TObject*) { ++radioChanges; };
    auto* three = Place<TThreeJumper>(stage.get());
    auto* closed = Place<TTwoJumper>(stage.get());
    auto* open = Place<TTwoJumper>(stage.get());
    closed->SetClosed(true);
    three->Click();
    EXPECT_EQ(three->JumperState(), jsLeft);
    EXPECT_TRUE(closed->Closed());
    EXPECT_FALSE(open->Closed());
    EXPECT_EQ(radioChanges, 0);
}
