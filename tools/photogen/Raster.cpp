#include "Raster.h"

#include "Rng.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace raster {
namespace {

    using Channels = std::array<std::int64_t, 4>;

    Channels split(QRgb p)
    {
        return {qAlpha(p), qRed(p), qGreen(p), qBlue(p)};
    }

    // One box pass over a line of pixels with edge extension.
    void boxLine(std::vector<QRgb>& line, int radius)
    {
        const int n = static_cast<int>(line.size());
        std::vector<Channels> prefix(n + 1, Channels {});
        for (int i = 0; i < n; ++i) {
            const Channels c = split(line[i]);
            for (int k = 0; k < 4; ++k)
                prefix[i + 1][k] = prefix[i][k] + c[k];
        }
        const Channels first = split(line.front());
        const Channels last = split(line.back());
        const std::int64_t window = 2 * radius + 1;
        for (int i = 0; i < n; ++i) {
            const int lo = i - radius;
            const int hi = i + radius + 1;
            const int loClamped = std::max(lo, 0);
            const int hiClamped = std::min(hi, n);
            std::array<int, 4> out {};
            for (int k = 0; k < 4; ++k) {
                std::int64_t sum = prefix[hiClamped][k] - prefix[loClamped][k];
                sum += (loClamped - lo) * first[k] + (hi - hiClamped) * last[k];
                out[k] = static_cast<int>((sum + window / 2) / window);
            }
            line[i] = qRgba(out[1], out[2], out[3], out[0]);
        }
    }

    void blurRows(QImage& image, int radius)
    {
        std::vector<QRgb> line(image.width());
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::copy(row, row + image.width(), line.begin());
            boxLine(line, radius);
            std::copy(line.begin(), line.end(), row);
        }
    }

    void blurColumns(QImage& image, int radius)
    {
        std::vector<QRgb> line(image.height());
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y)
                line[y] = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
            boxLine(line, radius);
            for (int y = 0; y < image.height(); ++y)
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = line[y];
        }
    }

    int clampByte(double v)
    {
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    }

    // Scales the colour of a premultiplied pixel by per-channel factors, leaving alpha alone.
    QRgb scaled(QRgb p, double r, double g, double b)
    {
        const int a = qAlpha(p);
        return qRgba(std::min(clampByte(qRed(p) * r), a), std::min(clampByte(qGreen(p) * g), a),
            std::min(clampByte(qBlue(p) * b), a), a);
    }

    double smooth(double t)
    {
        return t * t * (3.0 - 2.0 * t);
    }

    // Bilinear value noise over a lattice of random numbers in [-1, 1].
    class ValueNoise
    {
    public:
        ValueNoise(Rng& rng, int width, int height, double cell)
            : m_cell(cell),
              m_cols(static_cast<int>(width / cell) + 2),
              m_rows(static_cast<int>(height / cell) + 2),
              m_values(m_cols * m_rows)
        {
            for (double& v : m_values)
                v = rng.range(-1.0, 1.0);
        }

        double at(double x, double y) const
        {
            const double gx = x / m_cell;
            const double gy = y / m_cell;
            const int ix = static_cast<int>(gx);
            const int iy = static_cast<int>(gy);
            const double fx = smooth(gx - ix);
            const double fy = smooth(gy - iy);
            const double top = lerp(value(ix, iy), value(ix + 1, iy), fx);
            const double bottom = lerp(value(ix, iy + 1), value(ix + 1, iy + 1), fx);
            return lerp(top, bottom, fy);
        }

    private:
        static double lerp(double a, double b, double t) { return a + (b - a) * t; }
        double value(int x, int y) const { return m_values[y * m_cols + x]; }

        double m_cell;
        int m_cols;
        int m_rows;
        std::vector<double> m_values;
    };

} // namespace

void blur(QImage& image, int radius, int passes)
{
    if (radius <= 0 || image.isNull())
        return;
    for (int pass = 0; pass < passes; ++pass) {
        blurRows(image, radius);
        blurColumns(image, radius);
    }
}

void soften(QImage& image, double amount)
{
    QImage blurred = image.copy();
    blur(blurred, 1, 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* soft = reinterpret_cast<const QRgb*>(blurred.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto mix = [&](int a, int b) { return clampByte(a + (b - a) * amount); };
            row[x] = qRgba(mix(qRed(row[x]), qRed(soft[x])), mix(qGreen(row[x]), qGreen(soft[x])),
                mix(qBlue(row[x]), qBlue(soft[x])), mix(qAlpha(row[x]), qAlpha(soft[x])));
        }
    }
}

void softShadow(
    QPainter& painter, const QPainterPath& shape, QPointF offset, int radius, double opacity)
{
    const int margin = 3 * radius + 2;
    const QRect box
        = shape.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-box.topLeft());
        p.fillPath(shape, QColor(8, 12, 8, static_cast<int>(255 * opacity)));
    }
    blur(mask, radius);
    painter.drawImage(QPointF(box.topLeft()) + offset, mask);
}

void mottle(QImage& image, Rng& rng, double cellSize, double amount)
{
    const ValueNoise coarse(rng, image.width(), image.height(), cellSize);
    const ValueNoise fine(rng, image.width(), image.height(), cellSize / 4.0);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double v = 0.7 * coarse.at(x, y) + 0.3 * fine.at(x, y);
            const double f = 1.0 + amount * v;
            row[x] = scaled(row[x], f, f, f);
        }
    }
}

void grain(QImage& image, Rng& rng, double luma, double chroma)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const double level = (qRed(p) + qGreen(p) + qBlue(p)) / (3.0 * 255.0);
            const double strength = 1.25 - 0.6 * level;
            const double common = luma * strength * rng.gauss();
            const auto channel = [&](int v) {
                return std::min(clampByte(v + common + chroma * strength * rng.gauss()), qAlpha(p));
            };
            row[x] = qRgba(channel(qRed(p)), channel(qGreen(p)), channel(qBlue(p)), qAlpha(p));
        }
    }
}

void brush(QImage& image, Rng& rng, const QRect& area, bool vertical, double amount)
{
    const QRect clipped = area.intersected(image.rect());
    const int across = vertical ? clipped.width() : clipped.height();
    std::vector<double> streak(across);
    double drift = 0.0;
    for (double& s : streak) {
        drift = 0.6 * drift + 0.4 * rng.range(-1.0, 1.0);
        s = 1.0 + amount * drift;
    }
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const double f = streak[vertical ? x - clipped.left() : y - clipped.top()];
            row[x] = scaled(row[x], f, f, f);
        }
    }
}

} // namespace raster
