#pragma once
// An off-screen 32-bit image with its own canvas.

#include "vcl/Canvas.h"
#include "vcl/Graphic.h"
#include <QImage>

// An off-screen 32-bit image (bytes blue, green, red and a fourth byte per pixel).
class TBitmap : public TGraphic
{
    VCL_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    // In logical pixels; the image holds DevicePixelRatio() device pixels per logical one.
    int Width() const override;
    int Height() const override;
    qreal DevicePixelRatio() const { return image_.devicePixelRatio(); }
    // A new black image of that size (drawn at ratio device pixels per logical pixel); nothing
    // of the old one is kept.
    void SetSize(int width, int height, qreal ratio = 1.0);
    TCanvas& Canvas() { return canvas_; }
    // The first byte of device pixel row; raises EInvalidGraphic for a row outside the image.
    std::uint8_t* ScanLine(int row);
    const QImage& Image() const { return image_; }
    // The pixels, to change in place; the size changes only through SetSize.
    QImage& Image() { return image_; }

    void Draw(TCanvas& canvas, const TRect& rect) override;
    // A 32-bit little-endian byte count, then a bitmap file of that many bytes.
    void ReadData(QIODevice& stream) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    void SetImage(QImage image);

    QImage image_;
    TCanvas canvas_;
};
