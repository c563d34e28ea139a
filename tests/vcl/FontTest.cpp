#include "vcl/Font.h"
#include <QFontMetrics>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(FontTest, Defaults)
{
    TFont font;
    EXPECT_EQ(font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Style(), 0u);
    EXPECT_EQ(font.Color(), clWindowText);
}

TEST(FontTest, SizeAndHeightConvertAtNinetySixPixelsPerInch)
{
    const struct
    {
        int points;
        int height;
    } cases[] = {{8, -11}, {18, -24}, {12, -16}, {10, -13}, {9, -12}, {24, -32}};
    for (const auto& c : cases) {
        TFont font;
        font.SetSize(c.points);
        EXPECT_EQ(font.Height(), c.height) << c.points << " points";
        font.SetHeight(c.height);
        EXPECT_EQ(font.Size(), c.points) << c.height << " pixels";
    }
}

TEST(FontTest, ToQFontCarriesNamePixelSizeAndStyle)
{
    const struct
    {
        TFontStyles style;
        bool bold, italic, underline, strikeOut;
    } cases[] = {
        {0, false, false, false, false},
        {fsBold, true, false, false, false},
        {fsItalic | fsUnderline, false, true, true, false},
        {fsBold | fsItalic | fsUnderline | fsStrikeOut, true, true, true, true},
    };
    for (const auto& c : cases) {
        TFont font;
        font.SetName(QStringLiteral("Verdana"));
        font.SetHeight(-24);
        font.SetStyle(c.style);
        const QFont q = font.ToQFont();
        SCOPED_TRACE(c.style);
        EXPECT_EQ(q.family(), QStringLiteral("Verdana"));
        EXPECT_EQ(q.pixelSize(), 24);
        EXPECT_EQ(q.bold(), c.bold);
        EXPECT_EQ(q.italic(), c.italic);
        EXPECT_EQ(q.underline(), c.underline);
        EXPECT_EQ(q.strikeOut(), c.strikeOut);
    }
}

TEST(FontTest, PositiveHeightIsTheCellHeight)
{
    for (int height : {13, 20, 40}) {
        TFont font;
        font.SetHeight(height);
        const QFont q = font.ToQFont();
        EXPECT_LT(q.pixelSize(), height);
        EXPECT_NEAR(QFontMetrics(q).height(), height, 2) << height;
    }
}

TEST(FontTest, SettersAndAssignNotifyOnlyOnChange)
{
    const std::vector<std::pair<const char*, std::function<void(TFont&)>>> setters = {
        {"name", [](TFont& f) { f.SetName(QStringLiteral("Tahoma")); }},
        {"height", [](TFont& f) { f.SetHeight(-24); }},
        {"size", [](TFont& f) { f.SetSize(18); }},
        {"style", [](TFont& f) { f.SetStyle(fsBold); }},
        {"colour", [](TFont& f) { f.SetColor(clRed); }},
    };
    for (const auto& [name, set] : setters) {
        SCOPED_TRACE(name);
        TFont font;
        int changes = 0;
        font.OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, &font);
            ++changes;
        };
        set(font);
        set(font);
        EXPECT_EQ(changes, 1);

        TFont copy;
        int copyChanges = 0;
        copy.OnChange = [&](TObject*) { ++copyChanges; };
        EXPECT_FALSE(copy == font);
        copy.Assign(font);
        copy.Assign(font);
        EXPECT_TRUE(copy == font);
        EXPECT_EQ(copyChanges, 1);
    }
}

} // namespace
