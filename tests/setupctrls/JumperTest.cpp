#include "JumperTesting.h"
#include "setupctrls/ThreeJumper.h"
#include "setupctrls/TwoJumper.h"
#include "support/VclTesting.h"
#include "vcl/CustomPanel.h"
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace JumperTesting;
using VclTesting::PixelAt;
using VclTesting::RenderControl;

namespace {
// Pixels of a 5 x 3 upright picture and where each orientation shows them.
struct TurnRow
{
    TPoint from;
    TPoint up, down, left, right;
};
void PrintTo(const TurnRow& row, std::ostream* out)
{
    *out << "(" << row.from.X << ", " << row.from.Y << ")";
}
} // namespace

class JumperTurn : public ::testing::TestWithParam<TurnRow>
{
};

TEST_P(JumperTurn, CarriesEachPixelAsTheOrientationSays)
{
    const TurnRow& row = GetParam();
    const auto turned = [&](TOrientationType orientation) {
        return TJumper::TurnedPixel(orientation, row.from.X, row.from.Y, 5, 3);
    };
    EXPECT_EQ(turned(otUp), row.up);
    EXPECT_EQ(turned(otDown), row.down);
    EXPECT_EQ(turned(otLeft), row.left);
    EXPECT_EQ(turned(otRight), row.right);
}

INSTANTIATE_TEST_SUITE_P(FiveByThree, JumperTurn,
    ::testing::Values(
        // The left end of the row of pins: bottom when turned left, top when turned right.
        TurnRow {{0, 1}, {0, 1}, {4, 1}, {1, 4}, {1, 0}},
        // The top edge: the left edge when turned left, the right edge when turned right.
        TurnRow {{1, 0}, {1, 0}, {3, 2}, {0, 3}, {2, 1}},
        TurnRow {{4, 2}, {4, 2}, {0, 0}, {2, 0}, {0, 4}}));

namespace {
// Makes a jumper with an asymmetric picture on parent.
using JumperMaker = std::function<TJumper*(TWinControl* parent)>;

TJumper* ClosedTwoJumper(TWinControl* parent)
{
    auto* jumper = Place<TTwoJumper>(parent);
    jumper->SetClosed(true);
    return jumper;
}

TJumper* LeftCappedThreeJumper(TWinControl* parent)
{
    auto* jumper = Place<TThreeJumper>(parent);
    jumper->SetJumperState(jsLeft);
    return jumper;
}

struct TurnedPictureRow
{
    const char* name;
    JumperMaker make;
    TOrientationType orientation;
};
void PrintTo(const TurnedPictureRow& row, std::ostream* out)
{
    *out << row.name << " turned " << int(row.orientation);
}
} // namespace

class JumperTurnedPicture : public ::testing::TestWithParam<TurnedPictureRow>
{
};

// A jumper loaded with a turned orientation and a size to match shows the upright picture with
// every pixel carried to its turned place.
TEST_P(JumperTurnedPicture, IsTheUprightPictureTurned)
{
    const TurnedPictureRow& row = GetParam();
    auto stage = MakeStage();
    TJumper* upright = row.make(stage.get());
    const QImage reference = RenderControl(upright);
    const int w = upright->Width(), h = upright->Height();
    upright->Hide();

    TJumper* turned = row.make(stage.get());
    const bool vertical = row.orientation == otLeft || row.orientation == otRight;
    turned->SetBounds(10, 10, vertical ? h : w, vertical ? w : h);
    turned->SetOrientation(row.orientation);
    const QImage image = RenderControl(turned);
    ASSERT_EQ(image.size(), QSize(turned->Width(), turned->Height()));
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const TPoint to = TJumper::TurnedPixel(row.orientation, i, j, w, h);
            ASSERT_EQ(PixelAt(image, to.X, to.Y), PixelAt(reference, i, j))
                << "upright (" << i << ", " << j << ")";
        }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, JumperTurnedPicture,
    ::testing::Values(TurnedPictureRow {"closed two-pin", ClosedTwoJumper, otDown},
        TurnedPictureRow {"closed two-pin", ClosedTwoJumper, otLeft},
        TurnedPictureRow {"closed two-pin", ClosedTwoJumper, otRight},
        TurnedPictureRow {"left-capped three-pin", LeftCappedThreeJumper, otDown},
        TurnedPictureRow {"left-capped three-pin", LeftCappedThreeJumper, otLeft},
        TurnedPictureRow {"left-capped three-pin", LeftCappedThreeJumper, otRight}));

TEST(JumperSize, APaintedJumperTurnedLeftBecomesUprightWithThePinsOneAboveTheOther)
{
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    RenderControl(jumper);
    jumper->SetOrientation(otLeft);
    RenderControl(jumper); // this paint exchanges the size
    ASSERT_EQ(jumper->Width(), 18);
    ASSERT_EQ(jumper->Height(), 34);
    const QImage image = RenderControl(jumper);
    EXPECT_EQ(PixelAt(image, 9, 10), clYellow);
    EXPECT_EQ(PixelAt(image, 9, 22), clYellow);
    EXPECT_EQ(PixelAt(image, 9, 16), clGray);
    EXPECT_EQ(PixelAt(image, 9, 0), kPanelColor);
    EXPECT_EQ(PixelAt(image, 0, 16), kPanelColor);
    EXPECT_EQ(PixelAt(image, 1, 16), clBlack);
    EXPECT_EQ(jumper->Width(), 18) << "exchanged once";
    EXPECT_EQ(jumper->Height(), 34);
}

TEST(JumperSize, OnAShownFormTheExchangeBringsAPaintAtTheNewSizeByItself)
{
    ShownPanel shown;
    auto* jumper = Place<PaintCounting<TTwoJumper>>(shown.panel);
    VclTesting::ProcessEventsAndIdle();
    const int paints = jumper->Paints;
    ASSERT_GT(paints, 0);
    jumper->SetOrientation(otLeft);
    VclTesting::ProcessEventsAndIdle();
    VclTesting::ProcessEventsAndIdle();
    EXPECT_EQ(jumper->Width(), 18);
    EXPECT_EQ(jumper->Height(), 34);
    EXPECT_GE(jumper->Paints, paints + 2) << "the exchanging paint and one at the new size";
    const QImage& shownPixels = shown.panel->BackBuffer();
    EXPECT_EQ(PixelAt(shownPixels, 10 + 9, 10 + 10), clYellow);
    EXPECT_EQ(PixelAt(shownPixels, 10 + 9, 10 + 22), clYellow);
    EXPECT_EQ(PixelAt(shownPixels, 10 + 9, 10 + 16), clGray);
    EXPECT_EQ(PixelAt(shownPixels, 10 + 9, 10 + 33), kPanelColor);
}

namespace {
struct TurnAfterPaintRow
{
    const char* name;
    std::vector<TOrientationType> turns; // set one after another, then painted
    int width, height; // of a 34 x 18 jumper after that paint
};
void PrintTo(const TurnAfterPaintRow& row, std::ostream* out)
{
    *out << row.name;
}
} // namespace

class JumperTurnAfterPaint : public ::testing::TestWithParam<TurnAfterPaintRow>
{
};

TEST_P(JumperTurnAfterPaint, ExchangesTheSizeWhenThePairChanged)
{
    const TurnAfterPaintRow& row = GetParam();
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    RenderControl(jumper);
    for (const TOrientationType turn : row.turns)
        jumper->SetOrientation(turn);
    RenderControl(jumper);
    EXPECT_EQ(jumper->Width(), row.width);
    EXPECT_EQ(jumper->Height(), row.height);
    RenderControl(jumper);
    EXPECT_EQ(jumper->Width(), row.width) << "a later paint changes nothing";
    EXPECT_EQ(jumper->Height(), row.height);
}

INSTANTIATE_TEST_SUITE_P(Turns, JumperTurnAfterPaint,
    ::testing::Values(TurnAfterPaintRow {"half a turn", {otDown}, 34, 18},
        TurnAfterPaintRow {"turned left", {otLeft}, 18, 34},
        TurnAfterPaintRow {"turned right", {otRight}, 18, 34},
        TurnAfterPaintRow {"left, then right", {otLeft, otRight}, 18, 34},
        TurnAfterPaintRow {"down and back up", {otDown, otUp}, 34, 18},
        // Back in the first pair before the paint: the mark set by the first turn still
        // exchanges the size, once.
        TurnAfterPaintRow {"left, then down", {otLeft, otDown}, 18, 34}));

TEST(JumperSize, TurningBackAfterAnExchangeExchangesAgain)
{
    auto stage = MakeStage();
    auto* jumper = Place<TThreeJumper>(stage.get());
    RenderControl(jumper);
    jumper->SetOrientation(otRight);
    RenderControl(jumper);
    jumper->SetOrientation(otUp);
    RenderControl(jumper);
    EXPECT_EQ(jumper->Width(), 43);
    EXPECT_EQ(jumper->Height(), 18);
}

TEST(JumperSize, AVerticalOrientationGivenBeforeTheFirstPaintKeepsTheStoredSize)
{
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    jumper->SetBounds(10, 10, 18, 34);
    jumper->SetOrientation(otLeft);
    RenderControl(jumper);
    const QImage image = RenderControl(jumper);
    EXPECT_EQ(jumper->Width(), 18);
    EXPECT_EQ(jumper->Height(), 34);
    EXPECT_EQ(PixelAt(image, 9, 10), clYellow);
    EXPECT_EQ(PixelAt(image, 9, 22), clYellow);
    EXPECT_EQ(PixelAt(image, 9, 16), clGray);
}

TEST(JumperSize, APendingExchangeAtTheFirstPaintIsDroppedForGood)
{
    auto stage = MakeStage();
    auto* jumper = Place<TTwoJumper>(stage.get());
    jumper->SetOrientation(otLeft);
    RenderControl(jumper);
    RenderControl(jumper);
    EXPECT_EQ(jumper->Width(), 34);
    EXPECT_EQ(jumper->Height(), 18);
}

namespace {
enum class ParentKind { RadioPanel, DerivedRadioPanel, Panel };

class TDerivedRadioPanel : public TRadioPanel
{
    VCL_CLASS(TDerivedRadioPanel, TRadioPanel)
public:
    using TRadioPanel::TRadioPanel;
};

std::unique_ptr<TWinControl> MakeParent(ParentKind kind)
{
    std::unique_ptr<TWinControl> parent;
    switch (kind) {
    case ParentKind::RadioPanel:
        parent = std::make_unique<TRadioPanel>(nullptr);
        break;
    case ParentKind::DerivedRadioPanel:
        parent = std::make_unique<TDerivedRadioPanel>(nullptr);
        break;
    case ParentKind::Panel:
        parent = std::make_unique<TPanel>(nullptr);
        break;
    }
    parent->SetColor(kPanelColor);
    parent->SetBounds(0, 0, 120, 80);
    return parent;
}

struct BackgroundRow
{
    const char* name;
    ParentKind parent;
    JumperMaker make;
    TColor expected;
};
void PrintTo(const BackgroundRow& row, std::ostream* out)
{
    *out << row.name;
}

TJumper* OpenTwoJumper(TWinControl* parent)
{
    return Place<TTwoJumper>(parent);
}

TJumper* OpenThreeJumper(TWinControl* parent)
{
    return Place<TThreeJumper>(parent);
}
} // namespace

class JumperBackground : public ::testing::TestWithParam<BackgroundRow>
{
};

TEST_P(JumperBackground, IsTheColourOfARadioPanelItselfOnly)
{
    const BackgroundRow& row = GetParam();
    const auto parent = MakeParent(row.parent);
    TJumper* jumper = row.make(parent.get());
    const QImage image = RenderControl(jumper);
    const int w = jumper->Width(), h = jumper->Height();
    for (const TPoint at :
        {TPoint {0, 0}, TPoint {w - 1, h / 2}, TPoint {1, 1}, TPoint {w / 2, h - 1}})
        EXPECT_EQ(PixelAt(image, at.X, at.Y), row.expected) << "at " << at.X << ", " << at.Y;
}

INSTANTIATE_TEST_SUITE_P(Parents, JumperBackground,
    ::testing::Values(BackgroundRow {"two-pin on a radio panel", ParentKind::RadioPanel,
                          OpenTwoJumper, kPanelColor},
        BackgroundRow {"two-pin on a derived radio panel", ParentKind::DerivedRadioPanel,
            OpenTwoJumper, kBtnFaceRGB},
        BackgroundRow {"two-pin on a panel", ParentKind::Panel, OpenTwoJumper, kBtnFaceRGB},
        BackgroundRow {
            "three-pin on a radio panel", ParentKind::RadioPanel, OpenThreeJumper, kPanelColor},
        BackgroundRow {"three-pin on a derived radio panel", ParentKind::DerivedRadioPanel,
            OpenThreeJumper, kBtnFaceRGB},
        BackgroundRow {"three-pin on a panel", ParentKind::Panel, OpenThreeJumper, kBtnFaceRGB}));

namespace {
// A property of both jumpers: setting its default again, setting another value, reading it.
struct SetterRow
{
    const char* name;
    std::function<void(TJumper&)> setDefault;
    std::function<void(TJumper&)> setOther;
    std::function<bool(const TJumper&)> holdsOther;
};
void PrintTo(const SetterRow& row, std::ostream* out)
{
    *out << row.name;
}
} // namespace

class JumperSetter : public ::testing::TestWithParam<SetterRow>
{
};

TEST_P(JumperSetter, RepaintsOnlyOnAChangeAndRaisesNoClick)
{
    const SetterRow& row = GetParam();
    ShownPanel shown;
    auto* two = Place<PaintCounting<TTwoJumper>>(shown.panel);
    auto* three = Place<PaintCounting<TThreeJumper>>(shown.panel);
    three->SetTop(40);
    VclTesting::ProcessEventsAndIdle();
    int clicks = 0;
    for (TJumper* jumper : std::initializer_list<TJumper*> {two, three})
        jumper->OnClick = [&](TObject*) { ++clicks; };
    const int twoPaints = two->Paints, threePaints = three->Paints;
    ASSERT_GT(twoPaints, 0);
    ASSERT_GT(threePaints, 0);

    row.setDefault(*two);
    row.setDefault(*three);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_EQ(two->Paints, twoPaints);
    EXPECT_EQ(three->Paints, threePaints);

    row.setOther(*two);
    row.setOther(*three);
    VclTesting::ProcessEventsAndIdle();
    EXPECT_TRUE(row.holdsOther(*two));
    EXPECT_TRUE(row.holdsOther(*three));
    EXPECT_GT(two->Paints, twoPaints);
    EXPECT_GT(three->Paints, threePaints);
    EXPECT_EQ(clicks, 0);
}

INSTANTIATE_TEST_SUITE_P(Properties, JumperSetter,
    ::testing::Values(SetterRow {"BaseColor", [](TJumper& j) { j.SetBaseColor(clGray); },
                          [](TJumper& j) { j.SetBaseColor(clBlue); },
                          [](const TJumper& j) { return j.BaseColor() == clBlue; }},
        SetterRow {"PinColor", [](TJumper& j) { j.SetPinColor(clYellow); },
            [](TJumper& j) { j.SetPinColor(clWhite); },
            [](const TJumper& j) { return j.PinColor() == clWhite; }},
        SetterRow {"JumperColor", [](TJumper& j) { j.SetJumperColor(clMaroon); },
            [](TJumper& j) { j.SetJumperColor(clRed); },
            [](const TJumper& j) { return j.JumperColor() == clRed; }},
        SetterRow {"BorderStyle", [](TJumper& j) { j.SetBorderStyle(bsSingle); },
            [](TJumper& j) { j.SetBorderStyle(bsNone); },
            [](const TJumper& j) { return j.BorderStyle() == bsNone; }},
        SetterRow {"Orientation", [](TJumper& j) { j.SetOrientation(otUp); },
            [](TJumper& j) { j.SetOrientation(otDown); },
            [](const TJumper& j) { return j.Orientation() == otDown; }}));

TEST(JumperPicture, DegenerateSizesPaintNothingOutsideTheControl)
{
    for (const JumperMaker& make : {JumperMaker(OpenTwoJumper), JumperMaker(OpenThreeJumper)})
        for (const QSize size :
            {QSize(0, 0), QSize(1, 1), QSize(2, 2), QSize(0, 18), QSize(34, 0), QSize(3, 40)}) {
            auto stage = MakeStage();
            TJumper* jumper = make(stage.get());
            jumper->SetBounds(10, 10, size.width(), size.height());
            const QImage pixels = VclTesting::Render(stage.get());
            EXPECT_EQ(QSize(jumper->Width(), jumper->Height()), size);
            for (const QPoint at :
                {QPoint(9, 9), QPoint(10 + size.width(), 10), QPoint(10, 10 + size.height())})
                EXPECT_EQ(PixelAt(pixels, at.x(), at.y()), kPanelColor)
                    << size.width() << " x " << size.height() << " at " << at.x() << ", " << at.y();
        }
}
