#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>

class QPainter;
class Rng;

// Pixel-level effects that QPainter lacks: blur, soft shadows and the sensor-like texture that
// keeps the rendering from looking flat. All images are ARGB32_Premultiplied.
namespace raster {

// Three box passes per axis approximate a Gaussian of the same radius.
void blur(QImage& image, int radius, int passes = 3);

// Lens softness: blends a slightly blurred copy back in (amount 0..1).
void soften(QImage& image, double amount);

// Blurred dark silhouette of `shape`, drawn at `offset` beneath whatever is painted next.
void softShadow(
    QPainter& painter, const QPainterPath& shape, QPointF offset, int radius, double opacity);

// Low-frequency blotches (value noise) that modulate brightness by up to +-amount.
void mottle(QImage& image, Rng& rng, double cellSize, double amount);

// Per-pixel grain; stronger in dark areas as in a real sensor.
void grain(QImage& image, Rng& rng, double luma, double chroma);

// Fine streaks along one axis, as on brushed or rolled sheet metal, inside `area` only.
void brush(QImage& image, Rng& rng, const QRect& area, bool vertical, double amount);

} // namespace raster
