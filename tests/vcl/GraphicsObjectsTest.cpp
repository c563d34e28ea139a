#include "vcl/GraphicsObjects.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

struct SetterCase
{
    const char* name;
    std::function<void(TPen&, TBrush&)> change;
};

TEST(GraphicsObjectsTest, SettersNotifyOnlyWhenTheValueChanges)
{
    const std::vector<SetterCase> cases = {
        {"pen colour", [](TPen& p, TBrush&) { p.SetColor(clRed); }},
        {"pen style", [](TPen& p, TBrush&) { p.SetStyle(psDash); }},
        {"pen width", [](TPen& p, TBrush&) { p.SetWidth(4); }},
        {"brush colour", [](TPen&, TBrush& b) { b.SetColor(clBlue); }},
        {"brush style", [](TPen&, TBrush& b) { b.SetStyle(bsClear); }},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        TPen pen;
        TBrush brush;
        int changes = 0;
        TObject* sender = nullptr;
        const auto count = [&](TObject* s) {
            ++changes;
            sender = s;
        };
        pen.OnChange = count;
        brush.OnChange = count;
        c.change(pen, brush);
        EXPECT_EQ(changes, 1);
        EXPECT_TRUE(sender == &pen || sender == &brush);
        c.change(pen, brush); // the same value again
        EXPECT_EQ(changes, 1);
    }
}

TEST(GraphicsObjectsTest, DefaultsAndAssign)
{
    TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Width(), 1);
    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);

    TPen source;
    source.SetColor(clMaroon);
    source.SetStyle(psDot);
    source.SetWidth(3);
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    pen.Assign(source);
    EXPECT_EQ(pen.Color(), clMaroon);
    EXPECT_EQ(pen.Style(), psDot);
    EXPECT_EQ(pen.Width(), 3);
    pen.Assign(source);
    EXPECT_EQ(changes, 1);

    TBrush brushSource;
    brushSource.SetColor(clGray);
    brushSource.SetStyle(bsClear);
    brush.Assign(brushSource);
    EXPECT_EQ(brush.Color(), clGray);
    EXPECT_EQ(brush.Style(), bsClear);
}

TEST(GraphicsObjectsTest, PenIsAtLeastOnePixelWide)
{
    TPen pen;
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
    pen.SetWidth(-3);
    EXPECT_EQ(pen.Width(), 1);
}

} // namespace
