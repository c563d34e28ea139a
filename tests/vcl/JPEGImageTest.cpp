#include "vcl/JPEGImage.h"
#include "GraphicTestData.h"
#include "vcl/Bitmap.h"
#include "vcl/SysUtils.h"
#include <QBuffer>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage Solid(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void ExpectClose(QRgb actual, QRgb expected)
{
    EXPECT_NEAR(qRed(actual), qRed(expected), 6);
    EXPECT_NEAR(qGreen(actual), qGreen(expected), 6);
    EXPECT_NEAR(qBlue(actual), qBlue(expected), 6);
    EXPECT_EQ(qAlpha(actual), 255);
}

TEST(JPEGImageTest, DecodesColourAndGrayImages)
{
    const struct
    {
        const char* name;
        JpegColours colours;
        QRgb colour, expected;
    } cases[] = {
        {"colour", JpegColours::Rgb, qRgb(200, 40, 90), qRgb(200, 40, 90)},
        {"gray", JpegColours::Gray, qRgb(150, 150, 150), qRgb(150, 150, 150)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TJPEGImage jpeg;
        int changes = 0;
        jpeg.OnChange = [&](TObject*) { ++changes; };
        jpeg.LoadFromBytes(EncodeJpeg(Solid(33, 17, c.colour), c.colours));
        EXPECT_EQ(changes, 1);
        ASSERT_EQ(jpeg.Width(), 33);
        ASSERT_EQ(jpeg.Height(), 17);
        EXPECT_FALSE(jpeg.Empty());
        EXPECT_EQ(jpeg.Image().format(), QImage::Format_RGB32);
        ExpectClose(jpeg.Image().pixel(0, 0), c.expected);
        ExpectClose(jpeg.Image().pixel(32, 16), c.expected);
    }
}

TEST(JPEGImageTest, KeepsPixelPositions)
{
    QImage image = Solid(32, 32, qRgb(255, 255, 255));
    for (int y = 16; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255)); // lower-left quarter blue
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(EncodeJpeg(image));
    ExpectClose(jpeg.Image().pixel(4, 28), qRgb(0, 0, 255));
    ExpectClose(jpeg.Image().pixel(28, 4), qRgb(255, 255, 255));
    ExpectClose(jpeg.Image().pixel(4, 4), qRgb(255, 255, 255));

    TBitmap target;
    target.SetSize(32, 32);
    target.Canvas().Draw(0, 0, &jpeg);
    EXPECT_EQ(target.Image().pixel(4, 28), jpeg.Image().pixel(4, 28));
}

struct BadDataCase
{
    const char* name;
    QByteArray bytes;
    const char* messagePart;
};

TEST(JPEGImageTest, BadDataRaisesInvalidGraphicAndKeepsThePicture)
{
    const QByteArray good = EncodeJpeg(PatternImage(64, 48));
    const std::vector<BadDataCase> cases = {
        {"truncated", good.left(good.size() * 6 / 10), "Premature end"},
        {"truncated in the header", good.left(40), ""},
        {"garbage", QByteArray("this is not a picture at all", 28), "Not a JPEG file"},
        {"empty", QByteArray(), "Empty"},
        {"CMYK", EncodeJpeg(PatternImage(8, 8), JpegColours::Cmyk), "CMYK"},
    };
    for (const BadDataCase& c : cases) {
        SCOPED_TRACE(c.name);
        TJPEGImage jpeg;
        jpeg.LoadFromBytes(EncodeJpeg(Solid(5, 7, qRgb(1, 2, 3))));
        int changes = 0;
        jpeg.OnChange = [&](TObject*) { ++changes; };
        try {
            jpeg.LoadFromBytes(c.bytes);
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGraphic& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.messagePart)))
                << e.Message().toStdString();
        }
        EXPECT_EQ(jpeg.Width(), 5);
        EXPECT_EQ(jpeg.Height(), 7);
        EXPECT_EQ(changes, 0);
    }
}

TEST(JPEGImageTest, ReadDataTakesACountThenTheBytes)
{
    const QByteArray jpegBytes = EncodeJpeg(PatternImage(20, 10));
    QByteArray stored = SizePrefixed(jpegBytes) + "next";
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    TJPEGImage jpeg;
    jpeg.ReadData(buffer);
    EXPECT_EQ(jpeg.Width(), 20);
    EXPECT_EQ(jpeg.Height(), 10);
    EXPECT_EQ(buffer.readAll(), QByteArray("next"));

    const std::unique_ptr<TGraphic> copy = jpeg.Clone();
    EXPECT_TRUE(copy->ClassNameIs(QStringLiteral("TJPEGImage")));
    EXPECT_EQ(static_cast<TJPEGImage&>(*copy).Image(), jpeg.Image());
}

} // namespace
