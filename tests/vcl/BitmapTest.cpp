#include "vcl/Bitmap.h"
#include "GraphicTestData.h"
#include "vcl/SysUtils.h"
#include <QBuffer>
#include <gtest/gtest.h>

namespace {

TEST(BitmapTest, SetSizeMakesAFreshBlackImageThatTheCanvasDrawsOn)
{
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetSize(10, 6);
    bitmap.Canvas().Rectangle(0, 0, 10, 6);
    bitmap.SetSize(10, 6);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 6);
    EXPECT_EQ(bitmap.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack) << "the old contents are gone";
    EXPECT_EQ(bitmap.Canvas().Pixel(5, 3), clBlack);

    bitmap.SetSize(20, 12); // the canvas follows the new image
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Rect(15, 10, 20, 12));
    EXPECT_EQ(bitmap.Image().pixel(19, 11), qRgb(255, 0, 0));
}

TEST(BitmapTest, ScanLineHoldsBlueGreenRedBytes)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.Canvas().SetPixel(2, 1, 0x00332211); // red 0x11, green 0x22, blue 0x33
    const std::uint8_t* row = bitmap.ScanLine(1);
    EXPECT_EQ(row[8], 0x33);
    EXPECT_EQ(row[9], 0x22);
    EXPECT_EQ(row[10], 0x11);
    bitmap.ScanLine(2)[0] = 0xFF; // blue of (0, 2)
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 2), 0x00FF0000u);
    EXPECT_THROW(bitmap.ScanLine(3), EInvalidGraphic);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(BitmapTest, ReadDataLoadsABitmapFile)
{
    const QImage pattern = PatternImage(7, 5);
    QByteArray stored = SizePrefixed(EncodeBmp(pattern));
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    TBitmap bitmap;
    bitmap.ReadData(buffer);
    ASSERT_EQ(bitmap.Width(), 7);
    ASSERT_EQ(bitmap.Height(), 5);
    EXPECT_EQ(bitmap.Image(), pattern);
    EXPECT_TRUE(buffer.atEnd());

    QByteArray bad = SizePrefixed("BMnonsense");
    QBuffer badBuffer(&bad);
    badBuffer.open(QIODevice::ReadOnly);
    EXPECT_THROW(bitmap.ReadData(badBuffer), EInvalidGraphic);
    EXPECT_EQ(bitmap.Image(), pattern);
}

TEST(BitmapTest, CloneIsIndependent)
{
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.SetTransparent(true);
    const std::unique_ptr<TGraphic> clone = bitmap.Clone();
    bitmap.Canvas().SetPixel(1, 1, clWhite);
    auto& copy = static_cast<TBitmap&>(*clone);
    EXPECT_TRUE(copy.ClassNameIs(QStringLiteral("TBitmap")));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), clBlack);
    copy.Canvas().SetPixel(0, 0, clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack);
}

} // namespace
