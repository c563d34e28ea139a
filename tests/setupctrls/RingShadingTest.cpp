#include "setupctrls/RingShading.h"
#include <QImage>
#include <gtest/gtest.h>

namespace {
QImage Black(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    return image;
}

struct ShadedPixel
{
    const char* look;
    float strength;
    bool whiteLine;
    int x, y;
    QRgb expected;
};
} // namespace

TEST(RingShading, WorkedPixelsOfA65By65SettingsMarkerOverBlack)
{
    const ShadedPixel rows[] = {
        // The centre: d = 0, a = 0.16 x strength; yellow is red and green.
        {"normal", 0.5f, false, 32, 32, qRgb(20, 20, 0)},
        {"glow", 1.0f, true, 32, 32, qRgb(41, 41, 0)},
        {"lit", 0.75f, false, 32, 32, qRgb(31, 31, 0)},
        // r = 0.875, the ring's peak: half yellow rounds 127.5 to the even 128; the glow's
        // white line is pure white.
        {"normal", 0.5f, false, 60, 32, qRgb(128, 128, 0)},
        {"glow", 1.0f, true, 60, 32, qRgb(255, 255, 255)},
        // The corners lie outside the ellipse.
        {"normal", 0.5f, false, 0, 0, qRgb(0, 0, 0)},
        {"glow", 1.0f, true, 64, 64, qRgb(0, 0, 0)},
        // The left end of the middle row is on the ellipse itself (d = 1): unchanged.
        {"glow", 1.0f, true, 0, 32, qRgb(0, 0, 0)},
    };
    for (const ShadedPixel& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.look << " (" << row.x << ", " << row.y << ")");
        QImage image = Black(65, 65);
        ShadeRing(image, 0x00FFFF, row.strength, row.whiteLine);
        EXPECT_EQ(image.pixel(row.x, row.y), row.expected);
    }
}

TEST(RingShading, OnlyTheGlowHasAWhiteLine)
{
    for (const bool whiteLine : {false, true}) {
        QImage image = Black(65, 65);
        ShadeRing(image, 0x00FFFF, 1.0f, whiteLine);
        int white = 0;
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 65; ++x)
                white += image.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_EQ(white > 0, whiteLine);
    }
}

TEST(RingShading, AWideMarkerShadesAnEllipse)
{
    QImage image = Black(68, 23);
    ShadeRing(image, 0x0000FF, 0.5f, false);
    EXPECT_NE(image.pixel(34, 1), qRgb(0, 0, 0)) << "near the top in the middle: inside";
    EXPECT_EQ(image.pixel(3, 1), qRgb(0, 0, 0)) << "near the top at the side: outside";
    EXPECT_NE(image.pixel(1, 11), qRgb(0, 0, 0)) << "near the left in the middle: inside";
    // Across the short axis the ring spans fewer pixels than across the long one.
    auto ringPixels = [&](bool across) {
        int count = 0;
        for (int i = 0; i < (across ? 11 : 34); ++i) {
            const QRgb p = across ? image.pixel(34, i) : image.pixel(i, 11);
            count += qRed(p) > 90; // the ring is stronger than the disc (about 20)
        }
        return count;
    };
    EXPECT_LT(ringPixels(true), ringPixels(false));
}

TEST(RingShading, TooSmallToShadeIsLeftAlone)
{
    QImage image = Black(1, 30);
    ShadeRing(image, 0x00FFFF, 1.0f, true);
    EXPECT_EQ(image.pixel(0, 15), qRgb(0, 0, 0));
}
