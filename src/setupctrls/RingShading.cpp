#include "setupctrls/RingShading.h"
#include <QImage>
#include <cmath>
#include <vector>

namespace {
// Where the disc ends (0.77 squared) and where the ring peaks.
constexpr double DiscEnd = 0.5929;
constexpr double RingPeak = 0.875;
constexpr float DiscAlpha = 0.16f;

// nearest(base x b + colour x a), an exact half to the even neighbour. Adding and taking away
// 1.5 x 2^52 rounds a double in the default rounding mode (to nearest, ties to even) with two
// additions instead of a library call.
int Blend(int base, int colour, float a, float b)
{
    constexpr double RoundingShift = 6755399441055744.0;
    const double value = base * static_cast<double>(b) + colour * static_cast<double>(a);
    return static_cast<int>((value + RoundingShift) - RoundingShift);
}

// The pixel of one look where the ring has opacity a (inRing: outside the inner disc).
QRgb ShadePixel(QRgb pixel, QRgb colour, float a, bool inRing, const TRingLook& look)
{
    if (inRing && look.whiteLine) {
        a = static_cast<float>(2.0 * a);
        if (a > 1.0f) {
            pixel = qRgb(255, 255, 255);
            a = static_cast<float>(2.0 - a);
        }
    }
    a = static_cast<float>(static_cast<double>(a) * look.strength);
    const auto b = static_cast<float>(1.0 - a);
    return qRgb(Blend(qRed(pixel), qRed(colour), a, b), Blend(qGreen(pixel), qGreen(colour), a, b),
        Blend(qBlue(pixel), qBlue(colour), a, b));
}
} // namespace

void ShadeRings(const QImage& background, TColor colour, std::span<const TRingLook> looks)
{
    for (const TRingLook& look : looks) {
        const qreal ratio = look.image->devicePixelRatio();
        *look.image = background.convertToFormat(QImage::Format_RGB32);
        look.image->setDevicePixelRatio(ratio);
    }
    const int width = background.width();
    const int height = background.height();
    if (width < 2 || height < 2)
        return;
    const TColor rgb = ColorToRGB(colour);
    const QRgb ringColour = qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    const float sx = 2.0f / static_cast<float>(width - 1);
    const float sy = 2.0f / static_cast<float>(height - 1);
    std::vector<QRgb*> rows(looks.size());
    for (int y = 0; y < height; ++y) {
        for (std::size_t i = 0; i < looks.size(); ++i)
            rows[i] = reinterpret_cast<QRgb*>(looks[i].image->scanLine(y));
        const auto v = static_cast<float>(y * static_cast<double>(sy) - 1.0);
        const double vv = static_cast<double>(v) * v;
        for (int x = 0; x < width; ++x) {
            const auto u = static_cast<float>(x * static_cast<double>(sx) - 1.0);
            const auto d = static_cast<float>(static_cast<double>(u) * u + vv);
            if (d >= 1.0f)
                continue; // outside the ellipse: the background as it is
            // The geometry is the same for every look; only strength and white line differ.
            const bool inRing = d >= DiscEnd;
            float a = DiscAlpha;
            if (inRing) {
                const auto r = static_cast<float>(std::sqrt(static_cast<double>(d)));
                a = static_cast<float>(1.0 - std::fabs(static_cast<double>(r) - RingPeak) * 8.0);
            }
            for (std::size_t i = 0; i < looks.size(); ++i)
                rows[i][x] = ShadePixel(rows[i][x], ringColour, a, inRing, looks[i]);
        }
    }
}

void ShadeRing(QImage& image, TColor colour, float strength, bool whiteLine)
{
    const QImage background = image;
    const TRingLook look {&image, strength, whiteLine};
    ShadeRings(background, colour, {&look, 1});
}
