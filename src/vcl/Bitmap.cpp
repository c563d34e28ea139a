#include "vcl/Bitmap.h"
#include "vcl/GraphicStream.h"
#include "vcl/SysUtils.h"
#include <algorithm>

TBitmap::TBitmap()
{
    canvas_.Bind(&image_);
}

int TBitmap::Width() const
{
    return qRound(image_.width() / image_.devicePixelRatio());
}

int TBitmap::Height() const
{
    return qRound(image_.height() / image_.devicePixelRatio());
}

void TBitmap::SetSize(int width, int height, qreal ratio)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_RGB32);
    if (image.isNull() && width > 0 && height > 0)
        throw EOutOfResources(
            QStringLiteral("Not enough memory for a %1 x %2 bitmap").arg(width).arg(height));
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    SetImage(std::move(image));
}

std::uint8_t* TBitmap::ScanLine(int row)
{
    if (row < 0 || row >= image_.height())
        throw EInvalidGraphic(QStringLiteral("Scan line index %1 out of range").arg(row));
    return image_.scanLine(row);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect)
{
    canvas.DrawImage(rect, image_);
}

void TBitmap::ReadData(QIODevice& stream)
{
    const QByteArray data = ReadSizedGraphicData(stream);
    const QImage image = QImage::fromData(data, "BMP");
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    SetImage(image.convertToFormat(QImage::Format_RGB32));
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->SetImage(image_);
    copy->SetTransparent(Transparent());
    return copy;
}

void TBitmap::SetImage(QImage image)
{
    image_ = std::move(image);
    canvas_.Bind(&image_);
    Changed();
}
