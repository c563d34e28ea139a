#pragma once
// A JPEG picture, decoded once when its data arrives.

#include "vcl/Graphic.h"
#include <QByteArray>
#include <QImage>

// A JPEG image, decoded with libjpeg when its data is read.
class TJPEGImage : public TGraphic
{
    VCL_CLASS(TJPEGImage, TGraphic)
public:
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // Decodes JPEG bytes; raises EInvalidGraphic with the decoder's message on bad data, and then
    // keeps the picture it had.
    void LoadFromBytes(const QByteArray& bytes);
    const QImage& Image() const { return image_; }

    void Draw(TCanvas& canvas, const TRect& rect) override;
    // A 32-bit little-endian byte count, then that many JPEG bytes.
    void ReadData(QIODevice& stream) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    QByteArray data_;
    QImage image_;
};
