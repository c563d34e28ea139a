#include "setupctrls/RingShading.h"
#include <QImage>
#include <cmath>

namespace {
// Where the disc ends and the ring begins (0.77 squared), and where the ring peaks.
constexpr double DiscEnd = 0.5929;
constexpr double RingPeak = 0.875;
constexpr float DiscAlpha = 0.16f;

// The opacity of the ring colour at squared distance d; whitens pixel for the white line.
float Opacity(float d, bool whiteLine, QRgb& pixel)
{
    if (d < DiscEnd)
        return DiscAlpha;
    const auto r = static_cast<float>(std::sqrt(static_cast<double>(d)));
    auto a = static_cast<float>(1.0 - std::fabs(static_cast<double>(r) - RingPeak) * 8.0);
    if (whiteLine) {
        a = static_cast<float>(2.0 * a);
        if (a > 1.0f) {
            pixel = qRgb(255, 255, 255);
            a = static_cast<float>(2.0 - a);
        }
    }
    return a;
}

int Blend(int base, int colour, float a, float b)
{
    return RoundHalfEven(base * static_cast<double>(b) + colour * static_cast<double>(a));
}
} // namespace

void ShadeRing(QImage& image, TColor colour, float strength, bool whiteLine)
{
    const int width = image.width();
    const int height = image.height();
    if (width < 2 || height < 2)
        return;
    const TColor rgb = ColorToRGB(colour);
    const int red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    const float sx = 2.0f / static_cast<float>(width - 1);
    const float sy = 2.0f / static_cast<float>(height - 1);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto v = static_cast<float>(y * static_cast<double>(sy) - 1.0);
        for (int x = 0; x < width; ++x) {
            const auto u = static_cast<float>(x * static_cast<double>(sx) - 1.0);
            const auto d = static_cast<float>(static_cast<double>(u) * u + static_cast<double>(v) * v);
            if (d >= 1.0f)
                continue;
            QRgb pixel = row[x];
            const auto a = static_cast<float>(static_cast<double>(Opacity(d, whiteLine, pixel)) * strength);
            const auto b = static_cast<float>(1.0 - a);
            row[x] = qRgb(Blend(qRed(pixel), red, a, b), Blend(qGreen(pixel), green, a, b),
                          Blend(qBlue(pixel), blue, a, b));
        }
    }
}
