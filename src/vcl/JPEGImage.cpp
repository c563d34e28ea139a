#include "vcl/JPEGImage.h"
#include "vcl/Canvas.h"
#include "vcl/GraphicStream.h"
#include "vcl/JpegDecoder.h"

void TJPEGImage::LoadFromBytes(const QByteArray& bytes)
{
    image_ = DecodeJpeg(bytes);
    data_ = bytes;
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect)
{
    canvas.DrawImage(rect, image_);
}

void TJPEGImage::ReadData(QIODevice& stream)
{
    LoadFromBytes(ReadSizedGraphicData(stream));
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->data_ = data_;
    copy->image_ = image_;
    copy->SetTransparent(Transparent());
    return copy;
}
