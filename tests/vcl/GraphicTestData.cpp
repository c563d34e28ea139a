#include "GraphicTestData.h"
#include <QBuffer>
#include <QtEndian>
#include <cstdio>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

void FillRow(const QImage& image, int y, JpegColours colours, std::vector<JSAMPLE>& row)
{
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = pixels[x];
        switch (colours) {
        case JpegColours::Rgb:
            row[x * 3 + 0] = JSAMPLE(qRed(pixel));
            row[x * 3 + 1] = JSAMPLE(qGreen(pixel));
            row[x * 3 + 2] = JSAMPLE(qBlue(pixel));
            break;
        case JpegColours::Gray:
            row[x] = JSAMPLE(qGray(pixel));
            break;
        case JpegColours::Cmyk:
            row[x * 4 + 0] = JSAMPLE(255 - qRed(pixel));
            row[x * 4 + 1] = JSAMPLE(255 - qGreen(pixel));
            row[x * 4 + 2] = JSAMPLE(255 - qBlue(pixel));
            row[x * 4 + 3] = 0;
            break;
        }
    }
}

} // namespace

QByteArray EncodeJpeg(const QImage& source, JpegColours colours)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    const int components = colours == JpegColours::Rgb ? 3 : colours == JpegColours::Gray ? 1 : 4;
    info.input_components = components;
    info.in_color_space = colours == JpegColours::Rgb ? JCS_RGB
        : colours == JpegColours::Gray                ? JCS_GRAYSCALE
                                                      : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(image.width()) * components);
    while (info.next_scanline < info.image_height) {
        FillRow(image, int(info.next_scanline), colours, row);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    free(buffer);
    return bytes;
}

QByteArray EncodeBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage PatternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb((x * 37 + y) & 0xFF, (y * 53 + x) & 0xFF, (x * y + 7) & 0xFF));
    return image;
}

QByteArray ShortString(const QByteArray& text)
{
    return char(text.size()) + text;
}

QByteArray LittleEndian32(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray SizePrefixed(const QByteArray& data)
{
    return LittleEndian32(std::uint32_t(data.size())) + data;
}
