#include "vcl/Canvas.h"
#include "GraphicTestData.h"
#include "vcl/Bitmap.h"
#include <QFontMetrics>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr TColor kBackground = 0x00563412; // marks pixels nobody drew on
constexpr TColor kPenColour = 0x000000C0;
constexpr TColor kBrushColour = 0x00C08040;

// An image filled with the background colour and a canvas bound to it.
struct Surface
{
    Surface(int width, int height, QPoint origin = {}, QRect clip = {})
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(qRgb(0x12, 0x34, 0x56));
        canvas.Bind(&image, origin, clip);
        canvas.Pen().SetColor(kPenColour);
        canvas.Brush().SetColor(kBrushColour);
    }

    // Bounding box, in canvas coordinates, of the pixels that differ from the background.
    QRect InkBounds() const
    {
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (PixelAt(x, y) != kBackground)
                    bounds |= QRect(x, y, 1, 1);
        return bounds.translated(-canvas.Origin());
    }

    // Image coordinates.
    TColor PixelAt(int x, int y) const
    {
        const QRgb rgb = image.pixel(x, y);
        return TColor(qRed(rgb)) | TColor(qGreen(rgb)) << 8 | TColor(qBlue(rgb)) << 16;
    }

    int Count(TColor colour) const
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += PixelAt(x, y) == colour;
        return count;
    }

    // True when some pixel within one pixel of (x, y) (canvas coordinates) has colour.
    bool Near(double x, double y, TColor colour)
    {
        const int cx = int(std::lround(x));
        const int cy = int(std::lround(y));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (canvas.Pixel(cx + dx, cy + dy) == colour)
                    return true;
        return false;
    }

    QImage image;
    TCanvas canvas;
};

struct RectangleCase
{
    const char* name;
    int x1, y1, x2, y2;
    TPenStyle penStyle;
    TBrushStyle brushStyle;
    TColor penColour, brushColour;
    TColor expectedPen, expectedBrush;
};

TEST(CanvasTest, RectangleOutlinesOutermostPixelsAndFillsTheRest)
{
    const std::vector<RectangleCase> cases = {
        {"solid pen, solid brush", 2, 3, 12, 9, psSolid, bsSolid, kPenColour, kBrushColour,
            kPenColour, kBrushColour},
        {"clear brush", 2, 3, 12, 9, psSolid, bsClear, kPenColour, kBrushColour, kPenColour,
            kBackground},
        {"clear pen fills the whole box", 2, 3, 12, 9, psClear, bsSolid, kPenColour, kBrushColour,
            kPenColour, kBrushColour},
        {"corners given the other way round", 12, 9, 2, 3, psSolid, bsSolid, kPenColour,
            kBrushColour, kPenColour, kBrushColour},
        {"one column wide", 5, 2, 6, 10, psSolid, bsSolid, kPenColour, kBrushColour, kPenColour,
            kBrushColour},
        {"system colours resolved", 0, 0, 20, 16, psSolid, bsSolid, clWindowText, clBtnFace,
            0x000000, 0xF0F0F0},
    };
    for (const RectangleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Surface surface(20, 16);
        surface.canvas.Pen().SetStyle(c.penStyle);
        surface.canvas.Pen().SetColor(c.penColour);
        surface.canvas.Brush().SetStyle(c.brushStyle);
        surface.canvas.Brush().SetColor(c.brushColour);
        surface.canvas.Rectangle(c.x1, c.y1, c.x2, c.y2);

        const QRect box = QRect(QPoint(c.x1, c.y1), QPoint(c.x2 - 1, c.y2 - 1)).normalized();
        int wrong = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool edge
                    = x == box.left() || x == box.right() || y == box.top() || y == box.bottom();
                const TColor expected = !box.contains(x, y) ? kBackground
                    : edge && c.penStyle != psClear         ? c.expectedPen
                                                            : c.expectedBrush;
                if (surface.canvas.Pixel(x, y) != expected && wrong++ == 0)
                    ADD_FAILURE() << "first wrong pixel at " << x << "," << y;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(CanvasTest, WidePenIsCentredOnTheBoxEdges)
{
    Surface surface(40, 40);
    surface.canvas.Pen().SetWidth(4);
    surface.canvas.Rectangle(10, 10, 30, 30);
    const struct
    {
        int x, y;
        TColor expected;
    } pixels[] = {
        {7, 20, kBackground},
        {8, 20, kPenColour},
        {11, 20, kPenColour},
        {12, 20, kBrushColour},
        {27, 20, kBrushColour},
        {28, 20, kPenColour},
        {31, 20, kPenColour},
        {32, 20, kBackground},
        {20, 8, kPenColour},
        {20, 31, kPenColour},
        {20, 32, kBackground},
        {20, 20, kBrushColour},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(surface.canvas.Pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
}

struct ShapeCase
{
    const char* name;
    std::function<void(TCanvas&)> draw;
    TPenStyle penStyle;
    QRect box;
    int corner; // pixels at each corner of the box that stay untouched (along the diagonal)
};

TEST(CanvasTest, RoundedShapesFillTheirBoxExactly)
{
    const std::vector<ShapeCase> cases = {
        {"ellipse, clear pen", [](TCanvas& c) { c.Ellipse(3, 4, 33, 24); }, psClear,
            QRect(3, 4, 30, 20), 3},
        {"ellipse, solid pen", [](TCanvas& c) { c.Ellipse(3, 4, 33, 24); }, psSolid,
            QRect(3, 4, 30, 20), 3},
        {"circle given backwards", [](TCanvas& c) { c.Ellipse(25, 25, 5, 5); }, psSolid,
            QRect(5, 5, 20, 20), 3},
        {"round rect, solid pen", [](TCanvas& c) { c.RoundRect(2, 3, 32, 23, 10, 8); }, psSolid,
            QRect(2, 3, 30, 20), 1},
        {"round rect, clear pen", [](TCanvas& c) { c.RoundRect(2, 3, 32, 23, 10, 8); }, psClear,
            QRect(2, 3, 30, 20), 1},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Surface surface(40, 30);
        surface.canvas.Pen().SetStyle(c.penStyle);
        c.draw(surface.canvas);
        EXPECT_EQ(surface.InkBounds(), c.box);
        const QPoint centre = c.box.center();
        EXPECT_EQ(surface.canvas.Pixel(centre.x(), centre.y()), kBrushColour);
        const TColor edge = c.penStyle == psClear ? kBrushColour : kPenColour;
        EXPECT_EQ(surface.canvas.Pixel(centre.x(), c.box.top()), edge);
        EXPECT_EQ(surface.canvas.Pixel(centre.x(), c.box.bottom()), edge);
        EXPECT_EQ(surface.canvas.Pixel(c.box.left(), centre.y()), edge);
        EXPECT_EQ(surface.canvas.Pixel(c.box.right(), centre.y()), edge);
        for (int i = 0; i < c.corner; ++i) {
            EXPECT_EQ(surface.canvas.Pixel(c.box.left() + i, c.box.top() + i), kBackground);
            EXPECT_EQ(surface.canvas.Pixel(c.box.right() - i, c.box.top() + i), kBackground);
            EXPECT_EQ(surface.canvas.Pixel(c.box.left() + i, c.box.bottom() - i), kBackground);
            EXPECT_EQ(surface.canvas.Pixel(c.box.right() - i, c.box.bottom() - i), kBackground);
        }
        if (c.penStyle == psClear) {
            EXPECT_EQ(surface.Count(kPenColour), 0);
        }
    }
}

struct ArcCase
{
    const char* name;
    int coords[8];
    int penWidth;
    QPointF centre;
    double a, b; // half-axes
    std::vector<double> drawnDegrees; // parametric angles on the ellipse that must be drawn
    std::vector<double> emptyDegrees; // and that must stay untouched
};

TEST(CanvasTest, ArcRunsCounterClockwiseOnScreenBetweenTheRays)
{
    const std::vector<ArcCase> cases = {
        {"upper-right quarter", {-248, 16, 248, 64, 240, 40, -1, 0}, 4, {0, 40}, 248, 24,
            {0, 30, 45, 60, 80, 88}, {100, 135, 180, 225, 270, 315, 350}},
        {"lower-right quarter", {-248, 33, 248, 81, -1, 81, 240, 57}, 4, {0, 57}, 248, 24,
            {-88, -80, -60, -45, -30, 0}, {10, 45, 90, 135, 180, 225, -100}},
        {"same ray twice: whole ellipse", {0, 0, 41, 41, 40, 20, 40, 20}, 1, {20, 20}, 20, 20,
            {0, 45, 90, 135, 180, 225, 270, 315}, {}},
        {"thin pen, left half", {0, 0, 41, 41, 20, 0, 20, 40}, 1, {20, 20}, 20, 20,
            {100, 135, 180, 225, 260}, {-45, 0, 45, 75, 285}},
    };
    for (const ArcCase& c : cases) {
        SCOPED_TRACE(c.name);
        Surface surface(520, 100, QPoint(260, 5));
        surface.canvas.Pen().SetWidth(c.penWidth);
        const int* p = c.coords;
        surface.canvas.Arc(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
        const auto point = [&](double degrees) {
            const double t = degrees * std::numbers::pi / 180;
            return QPointF(c.centre.x() + c.a * std::cos(t), c.centre.y() - c.b * std::sin(t));
        };
        for (double degrees : c.drawnDegrees) {
            const QPointF at = point(degrees);
            EXPECT_TRUE(surface.Near(at.x(), at.y(), kPenColour)) << degrees << " degrees";
        }
        for (double degrees : c.emptyDegrees) {
            const QPointF at = point(degrees);
            EXPECT_FALSE(surface.Near(at.x(), at.y(), kPenColour)) << degrees << " degrees";
        }
        EXPECT_EQ(surface.Count(kBrushColour), 0); // an arc is never filled
    }
}

TEST(CanvasTest, WideArcReachesTheBoxEdgeAtTheRight)
{
    Surface surface(520, 100, QPoint(260, 5));
    surface.canvas.Pen().SetWidth(4);
    surface.canvas.Arc(-248, 16, 248, 64, 240, 40, -1, 0);
    // Four pixels centred on x = 248 just above the start, and on y = 16 near the top.
    for (int x = 246; x <= 249; ++x)
        EXPECT_EQ(surface.canvas.Pixel(x, 39), kPenColour) << x;
    EXPECT_EQ(surface.canvas.Pixel(245, 39), kBackground);
    EXPECT_EQ(surface.canvas.Pixel(250, 39), kBackground);
    for (int y = 14; y <= 17; ++y)
        EXPECT_EQ(surface.canvas.Pixel(10, y), kPenColour) << y;
    EXPECT_EQ(surface.canvas.Pixel(10, 13), kBackground);
    EXPECT_EQ(surface.canvas.Pixel(10, 18), kBackground);
}

TEST(CanvasTest, TextOutPutsTheTextCellAtThePoint)
{
    for (TBrushStyle brushStyle : {bsSolid, bsClear}) {
        SCOPED_TRACE(brushStyle == bsSolid ? "solid brush" : "clear brush");
        Surface surface(200, 60);
        surface.canvas.Brush().SetStyle(brushStyle);
        surface.canvas.Font().SetColor(clWindowText);
        surface.canvas.Font().SetHeight(-16);
        const String text = QStringLiteral("Hg|W");
        surface.canvas.TextOut(10, 20, text);
        const QRect cell(10, 20, surface.canvas.TextWidth(text), surface.canvas.TextHeight(text));
        ASSERT_GT(cell.width(), 20);
        ASSERT_GE(cell.height(), 16);

        // Text is antialiased: ink is every pixel that is neither background nor paper.
        const int paper = surface.Count(kBrushColour);
        QRect inkBounds;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (const TColor c = surface.canvas.Pixel(x, y);
                    c != kBackground && c != kBrushColour)
                    inkBounds |= QRect(x, y, 1, 1);
        ASSERT_FALSE(inkBounds.isEmpty());
        EXPECT_TRUE(cell.contains(inkBounds));
        if (brushStyle == bsClear) {
            EXPECT_EQ(paper, 0);
        } else {
            EXPECT_EQ(200 * 60 - surface.Count(kBackground), cell.width() * cell.height())
                << "the brush fills exactly the text cell";
        }
        EXPECT_LE(inkBounds.left(), 12) << "the H starts at the left of the cell";
        int lowestOfH = -1; // the H stands on the baseline
        const int stem = inkBounds.left() + 1;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            const TColor c = surface.canvas.Pixel(stem, y);
            const bool dark = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 3 * 128;
            if (dark && c != kBackground && c != kBrushColour)
                lowestOfH = y;
        }
        const int ascent = QFontMetrics(surface.canvas.Font().ToQFont()).ascent();
        EXPECT_NEAR(lowestOfH, 20 + ascent - 1, 1);
    }
}

TEST(CanvasTest, PixelsAreReadAndWrittenThroughTheOrigin)
{
    Surface surface(10, 10, QPoint(3, 4));
    surface.canvas.SetPixel(0, 0, clRed);
    surface.canvas.SetPixel(1, 0, clBtnFace);
    EXPECT_EQ(surface.PixelAt(3, 4), clRed);
    EXPECT_EQ(surface.canvas.Pixel(0, 0), clRed);
    EXPECT_EQ(surface.canvas.Pixel(1, 0), 0xF0F0F0u);
    EXPECT_EQ(surface.canvas.Pixel(-3, -4), kBackground);
    EXPECT_EQ(surface.canvas.Pixel(-4, 0), 0xFFFFFFFFu);
    EXPECT_EQ(surface.canvas.Pixel(7, 0), 0xFFFFFFFFu);
    surface.canvas.SetPixel(100, 100, clRed); // outside: ignored
    EXPECT_EQ(surface.Count(clRed), 1);
}

TEST(CanvasTest, EveryDrawingStaysInsideTheClip)
{
    const QRect clip(5, 6, 10, 8); // image coordinates
    const std::vector<std::pair<const char*, std::function<void(TCanvas&)>>> drawings = {
        {"Rectangle", [](TCanvas& c) { c.Rectangle(-100, -100, 100, 100); }},
        {"Ellipse", [](TCanvas& c) { c.Ellipse(-100, -100, 100, 100); }},
        {"RoundRect", [](TCanvas& c) { c.RoundRect(-100, -100, 100, 100, 5, 5); }},
        {"FillRect", [](TCanvas& c) { c.FillRect(Rect(-100, -100, 100, 100)); }},
        {"Arc", [](TCanvas& c) { c.Arc(3, -14, 40, 26, 3, 6, 3, 6); }},
        {"TextOut", [](TCanvas& c) { c.TextOut(-5, -5, QStringLiteral("WWWWWWWWWW")); }},
        {"SetPixel",
            [](TCanvas& c) {
                for (int y = -5; y < 30; ++y)
                    for (int x = -5; x < 30; ++x)
                        c.SetPixel(x, y, clRed);
            }},
        {"CopyRect",
            [](TCanvas& c) {
                QImage other = PatternImage(40, 40);
                TCanvas source;
                source.Bind(&other);
                c.CopyRect(Rect(-5, -5, 35, 35), source, Rect(0, 0, 40, 40));
            }},
    };
    for (const auto& [name, draw] : drawings) {
        SCOPED_TRACE(name);
        Surface surface(30, 30, QPoint(4, 4), clip);
        draw(surface.canvas);
        const QRect inked = surface.InkBounds().translated(surface.canvas.Origin());
        EXPECT_FALSE(inked.isEmpty());
        EXPECT_TRUE(clip.contains(inked))
            << inked.x() << "," << inked.y() << " " << inked.width() << "x" << inked.height();
    }
}

TEST(CanvasTest, AnUnboundCanvasDrawsNothing)
{
    TCanvas canvas;
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(0, 0, QStringLiteral("x"));
    canvas.SetPixel(0, 0, clRed);
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_GT(canvas.TextWidth(QStringLiteral("x")), 0);
}

struct CopyCase
{
    const char* name;
    TRect dest, source;
    QRect clip; // image coordinates of the destination
    QImage::Format format;
};

TEST(CanvasTest, CopyRectCopiesPixelsExactly)
{
    const QImage pattern = PatternImage(16, 16);
    const std::vector<CopyCase> cases = {
        {"inside", Rect(3, 4, 9, 10), Rect(0, 0, 6, 6), {}, QImage::Format_RGB32},
        {"clipped", Rect(0, 0, 12, 12), Rect(2, 2, 14, 14), QRect(4, 4, 5, 6),
            QImage::Format_RGB32},
        {"source partly outside its image", Rect(0, 0, 10, 10), Rect(8, 8, 18, 18), {},
            QImage::Format_RGB32},
        {"into an image with alpha", Rect(1, 1, 11, 11), Rect(0, 0, 10, 10), {},
            QImage::Format_ARGB32_Premultiplied},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.name);
        QImage sourceImage = pattern;
        TCanvas source;
        source.Bind(&sourceImage, QPoint(-2, -2)); // canvas (2, 2) is image (0, 0)
        QImage destImage(20, 20, c.format);
        destImage.fill(qRgb(0x12, 0x34, 0x56));
        TCanvas dest;
        dest.Bind(&destImage, QPoint(1, 1), c.clip);
        dest.CopyRect(c.dest, source, c.source);

        const QRect clip = c.clip.isEmpty() ? destImage.rect() : c.clip;
        int wrong = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const QPoint fromImage = QPoint(x, y) - QPoint(1, 1)
                    - QPoint(c.dest.Left, c.dest.Top) + QPoint(c.source.Left, c.source.Top)
                    + QPoint(-2, -2);
                const bool copied = clip.contains(x, y) && c.dest.Contains(x - 1, y - 1)
                    && pattern.rect().contains(fromImage);
                const QRgb expected = copied ? pattern.pixel(fromImage) : qRgb(0x12, 0x34, 0x56);
                if (destImage.pixel(x, y) != expected && wrong++ == 0)
                    ADD_FAILURE() << "first wrong pixel at " << x << "," << y;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(CanvasTest, CopyRectWithinOneImageReadsTheOriginalPixels)
{
    QImage image = PatternImage(12, 12);
    const QImage original = image;
    TCanvas canvas;
    canvas.Bind(&image);
    canvas.CopyRect(Rect(1, 1, 12, 12), canvas, Rect(0, 0, 11, 11));
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x)
            ASSERT_EQ(image.pixel(x, y), original.pixel(x - 1, y - 1)) << x << "," << y;
}

TEST(CanvasTest, StretchDrawScalesAndDrawKeepsTheNaturalSize)
{
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.Canvas().SetPixel(0, 0, clRed);
    bitmap.Canvas().SetPixel(1, 0, clWhite);
    bitmap.Canvas().SetPixel(0, 1, clBlue);
    bitmap.Canvas().SetPixel(1, 1, clYellow);

    Surface surface(12, 12);
    surface.canvas.StretchDraw(Rect(2, 2, 6, 6), &bitmap);
    surface.canvas.Draw(8, 8, &bitmap);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(surface.canvas.Pixel(2 + x, 2 + y), bitmap.Canvas().Pixel(x / 2, y / 2))
                << x << "," << y;
    EXPECT_EQ(surface.canvas.Pixel(9, 9), clYellow);
    EXPECT_EQ(surface.InkBounds(), QRect(2, 2, 8, 8));

    TBitmap empty;
    surface.canvas.StretchDraw(Rect(0, 0, 12, 12), &empty);
    surface.canvas.StretchDraw(Rect(0, 0, 12, 12), nullptr);
    EXPECT_EQ(surface.InkBounds(), QRect(2, 2, 8, 8));
}

} // namespace
