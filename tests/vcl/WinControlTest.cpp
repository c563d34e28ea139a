#include "support/VclTesting.h"
#include "vcl/Application.h"
#include "vcl/CustomPanel.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/PaintBox.h"
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using VclTesting::PixelAt;
using VclTesting::Render;

namespace {
struct FormFixture : ::testing::Test
{
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* panel = new TPanel(form.get());
    FormFixture()
    {
        panel->SetParent(form.get());
        panel->SetBevelOuter(bvNone);
        panel->SetBounds(0, 0, 200, 100);
    }
};

TPaintBox* AddPaintBox(TWinControl* parent, TRect bounds)
{
    auto* box = new TPaintBox(parent);
    box->SetParent(parent);
    box->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return box;
}

void SendMouse(TWinControl* control, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, control->ClientView()->mapToGlobal(at), Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control->ClientView(), &event);
}
} // namespace

using Children = FormFixture;

TEST_F(Children, WindowlessComeFirstThenWindowedEachInTheirOrder)
{
    auto* a = AddPaintBox(panel, Bounds(0, 0, 10, 10));
    auto* inner = new TPanel(form.get());
    inner->SetParent(panel);
    auto* b = AddPaintBox(panel, Bounds(0, 0, 10, 10));
    ASSERT_EQ(panel->ControlCount(), 3);
    EXPECT_EQ(panel->Controls(0), a);
    EXPECT_EQ(panel->Controls(1), b);
    EXPECT_EQ(panel->Controls(2), inner);
    a->BringToFront();
    EXPECT_EQ(panel->Controls(0), b);
    EXPECT_EQ(panel->Controls(1), a);
}

TEST_F(Children, ControlAtPosFindsTheTopmostWindowedAboveWindowless)
{
    auto* under = AddPaintBox(panel, Bounds(0, 0, 50, 50));
    auto* over = AddPaintBox(panel, Bounds(20, 20, 50, 50));
    auto* windowed = new TPanel(form.get());
    windowed->SetParent(panel);
    windowed->SetBounds(40, 40, 50, 50);
    over->SetEnabled(false);
    EXPECT_EQ(panel->ControlAtPos({10, 10}, true), under);
    EXPECT_EQ(panel->ControlAtPos({30, 30}, true), over);
    EXPECT_EQ(panel->ControlAtPos({30, 30}, false), under);
    EXPECT_EQ(panel->ControlAtPos({45, 45}, true), windowed);
    EXPECT_EQ(panel->ControlAtPos({150, 90}, true), nullptr);
}

TEST_F(Children, PaintPassGivesEachChildTheParentsPixelsAndEarlierSiblings)
{
    panel->SetColor(clRed);
    auto* first = AddPaintBox(panel, Bounds(10, 10, 20, 20));
    auto* second = AddPaintBox(panel, Bounds(20, 20, 20, 20));
    TColor seenByFirst = 0, seenBySecond = 0;
    first->OnPaint = [&](TObject*) {
        seenByFirst = first->Canvas().Pixel(0, 0);
        first->Canvas().Brush().SetColor(clBlue);
        first->Canvas().FillRect(Rect(-50, -50, 500, 500)); // clipped to the control
    };
    second->OnPaint = [&](TObject*) { seenBySecond = second->Canvas().Pixel(0, 0); };
    const QImage pixels = Render(panel);
    EXPECT_EQ(seenByFirst, clRed);
    EXPECT_EQ(seenBySecond, clBlue);
    EXPECT_EQ(PixelAt(pixels, 9, 9), clRed);
    EXPECT_EQ(PixelAt(pixels, 10, 10), clBlue);
    EXPECT_EQ(PixelAt(pixels, 29, 29), clBlue);
    EXPECT_EQ(PixelAt(pixels, 30, 30), clRed) << "a windowless child paints only inside itself";
}

using Clicks = FormFixture;

TEST_F(Clicks, PressAndReleaseInsideTheSameWindowlessControlIsOneClick)
{
    auto* box = AddPaintBox(panel, Bounds(10, 10, 20, 20));
    auto* disabled = AddPaintBox(panel, Bounds(100, 10, 20, 20));
    disabled->SetEnabled(false);
    int boxClicks = 0, panelClicks = 0, disabledClicks = 0;
    box->OnClick = [&](TObject* sender) { boxClicks += sender == box; };
    panel->OnClick = [&](TObject* sender) { panelClicks += sender == panel; };
    disabled->OnClick = [&](TObject*) { ++disabledClicks; };

    SendMouse(panel, QEvent::MouseButtonPress, {15, 15});
    SendMouse(panel, QEvent::MouseButtonRelease, {29, 29});
    EXPECT_EQ(boxClicks, 1);

    SendMouse(panel, QEvent::MouseButtonPress, {15, 15});
    SendMouse(panel, QEvent::MouseButtonRelease, {60, 60});
    EXPECT_EQ(boxClicks, 1) << "released outside: no click";

    SendMouse(panel, QEvent::MouseButtonDblClick, {15, 15});
    SendMouse(panel, QEvent::MouseButtonRelease, {15, 15});
    EXPECT_EQ(boxClicks, 1) << "the second press of a double-click is no click";

    SendMouse(panel, QEvent::MouseButtonPress, {105, 15});
    SendMouse(panel, QEvent::MouseButtonRelease, {105, 15});
    EXPECT_EQ(disabledClicks, 0);
    EXPECT_EQ(panelClicks, 1) << "a disabled control passes the press to its parent";
}

namespace {
struct AnchorRow
{
    TAnchors anchors;
    TRect after; // child bounds once the parent went from 200 x 100 to 300 x 150
};
void PrintTo(const AnchorRow& row, std::ostream* out)
{
    *out << "anchors " << row.anchors;
}
} // namespace

class Anchors : public FormFixture, public ::testing::WithParamInterface<AnchorRow>
{
};

TEST_P(Anchors, ChildFollowsTheParentsClientSizeAndReturnsWithoutDrift)
{
    auto* child = AddPaintBox(panel, Bounds(10, 10, 50, 20));
    child->SetAnchors(GetParam().anchors);
    panel->SetBounds(0, 0, 300, 150);
    EXPECT_EQ(child->BoundsRect(), GetParam().after);
    panel->SetBounds(0, 0, 257, 131);
    panel->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(child->BoundsRect(), Bounds(10, 10, 50, 20));
}

INSTANTIATE_TEST_SUITE_P(Table, Anchors,
    ::testing::Values(AnchorRow {akLeft | akTop, Bounds(10, 10, 50, 20)},
        AnchorRow {akRight | akBottom, Bounds(110, 60, 50, 20)},
        AnchorRow {akLeft | akTop | akRight | akBottom, Bounds(10, 10, 150, 70)},
        // neither side: the centre keeps its proportion (35 of 200 -> 52.5 of 300)
        AnchorRow {akBottom, Bounds(28, 60, 50, 20)}));

TEST_F(Children, TopAlignedControlSpansTheClientWidth)
{
    auto* label = new TLabel(form.get());
    label->SetParent(panel);
    label->SetCaption(QStringLiteral("Header"));
    label->SetAlign(alTop);
    EXPECT_EQ(label->Left(), 0);
    EXPECT_EQ(label->Top(), 0);
    EXPECT_EQ(label->Width(), 200);
    panel->SetBounds(0, 0, 320, 100);
    EXPECT_EQ(label->Width(), 320);
    EXPECT_GT(label->Height(), 0);
}
