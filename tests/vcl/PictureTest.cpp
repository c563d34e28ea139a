#include "vcl/Picture.h"
#include "GraphicTestData.h"
#include "vcl/Bitmap.h"
#include "vcl/JPEGImage.h"
#include "vcl/SysUtils.h"
#include <QBuffer>
#include <QIODevice>
#include <gtest/gtest.h>

namespace {

// Reads stored into picture from a stream of exactly those bytes.
void ReadInto(TPicture& picture, QByteArray stored)
{
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    picture.ReadData(buffer);
}

struct PictureFixture : ::testing::Test
{
    PictureFixture()
    {
        picture.OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, &picture);
            ++changes;
        };
    }

    TPicture picture;
    int changes = 0;
};

struct StoredCase
{
    const char* name;
    QByteArray stored;
    const char* className;
    int width, height;
};

using PictureTest = PictureFixture;

TEST_F(PictureTest, ReadDataBuildsTheNamedGraphic)
{
    const QByteArray jpeg = EncodeJpeg(PatternImage(24, 16));
    const std::vector<StoredCase> cases = {
        {"JPEG", ShortString("TJPEGImage") + SizePrefixed(jpeg), "TJPEGImage", 24, 16},
        {"bitmap", ShortString("TBitmap") + SizePrefixed(EncodeBmp(PatternImage(5, 9))), "TBitmap",
            5, 9},
        {"class name in other letter case", ShortString("tjpegimage") + SizePrefixed(jpeg),
            "TJPEGImage", 24, 16},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.name);
        changes = 0;
        QByteArray stored = c.stored;
        QBuffer buffer(&stored);
        buffer.open(QIODevice::ReadOnly);
        picture.ReadData(buffer);
        EXPECT_TRUE(buffer.atEnd());
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), QLatin1String(c.className));
        EXPECT_EQ(picture.Width(), c.width);
        EXPECT_EQ(picture.Height(), c.height);
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(PictureTest, AnEmptyClassNameIsAnEmptyPicture)
{
    ReadInto(picture, ShortString("TJPEGImage") + SizePrefixed(EncodeJpeg(PatternImage(4, 4))));
    ReadInto(picture, ShortString(""));
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(changes, 2);
}

struct BadStreamCase
{
    const char* name;
    QByteArray stored;
    bool readError; // EReadError, else EInvalidGraphic
    const char* messagePart;
};

TEST_F(PictureTest, BadStreamsRaiseAndLeaveThePictureAsItWas)
{
    const QByteArray jpeg = EncodeJpeg(PatternImage(40, 30));
    const QByteArray jpegName = ShortString("TJPEGImage");
    const std::vector<BadStreamCase> cases = {
        {"nothing at all", QByteArray(), true, "Stream read error"},
        {"class name cut short", QByteArray("\x0ATJPEG", 6), true, "Stream read error"},
        {"count cut short", jpegName + QByteArray("\x10\x00", 2), true, "Stream read error"},
        {"fewer bytes than counted", jpegName + LittleEndian32(100) + QByteArray(10, 'x'), true,
            "Stream read error"},
        {"unknown class", ShortString("TGIFImage") + SizePrefixed("GIF89a"), false,
            "Unknown picture class TGIFImage"},
        {"absurd count", jpegName + LittleEndian32(0x7FFFFFFF), false, "too large"},
        {"zero-length data", jpegName + LittleEndian32(0), false, "JPEG"},
        {"garbage data", jpegName + SizePrefixed("garbage bytes"), false, "JPEG"},
        {"truncated JPEG", jpegName + SizePrefixed(jpeg.left(jpeg.size() / 2)), false,
            "Premature end"},
    };
    for (const BadStreamCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(3, 2);
        picture.SetGraphic(std::move(bitmap));
        changes = 0;
        try {
            ReadInto(picture, c.stored);
            ADD_FAILURE() << "no exception";
        } catch (const EReadError& e) {
            EXPECT_TRUE(c.readError) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.messagePart)));
        } catch (const EInvalidGraphic& e) {
            EXPECT_FALSE(c.readError) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.messagePart)))
                << e.Message().toStdString();
        }
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_TRUE(picture.Graphic()->ClassNameIs(QStringLiteral("TBitmap")));
        EXPECT_EQ(picture.Width(), 3);
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(PictureTest, AssignDuplicatesTheGraphic)
{
    TPicture source;
    ReadInto(source, ShortString("TJPEGImage") + SizePrefixed(EncodeJpeg(PatternImage(12, 8))));
    picture.Assign(source);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_NE(picture.Graphic(), source.Graphic());
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(static_cast<TJPEGImage*>(picture.Graphic())->Image(),
        static_cast<TJPEGImage*>(source.Graphic())->Image());

    static_cast<TJPEGImage*>(source.Graphic())->LoadFromBytes(EncodeJpeg(PatternImage(3, 3)));
    EXPECT_EQ(picture.Width(), 12) << "the copy does not follow the source";
    EXPECT_EQ(changes, 1);

    const TPicture empty;
    picture.Assign(empty);
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(changes, 2);
}

TEST_F(PictureTest, ChangesOfTheGraphicReachThePicture)
{
    picture.SetGraphic(std::make_unique<TJPEGImage>());
    EXPECT_EQ(changes, 1);
    auto* jpeg = static_cast<TJPEGImage*>(picture.Graphic());
    jpeg->LoadFromBytes(EncodeJpeg(PatternImage(6, 6)));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(picture.Width(), 6);
    jpeg->SetTransparent(true);
    EXPECT_EQ(changes, 3);
    picture.SetGraphic(nullptr);
    EXPECT_EQ(changes, 4);
}

// A graphic kind known only to this test: one byte of data, which is its width.
class TTestGraphic : public TGraphic
{
    VCL_CLASS(TTestGraphic, TGraphic)
public:
    int Width() const override { return width_; }
    int Height() const override { return 1; }
    void Draw(TCanvas&, const TRect&) override { }
    void ReadData(QIODevice& stream) override
    {
        char byte = 0;
        if (!stream.getChar(&byte))
            throw EReadError(QStringLiteral("Stream read error"));
        width_ = byte;
    }
    std::unique_ptr<TGraphic> Clone() const override
    {
        return std::make_unique<TTestGraphic>(*this);
    }

private:
    int width_ = 0;
};

TEST_F(PictureTest, RegisteredClassesAreReadByName)
{
    TPicture::RegisterGraphicClass(
        QStringLiteral("TTestGraphic"), [] { return std::make_unique<TTestGraphic>(); });
    ReadInto(picture, ShortString("TTestGraphic") + QByteArray("\x07", 1));
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.Graphic()->ClassNameIs(QStringLiteral("TTestGraphic")));
    EXPECT_EQ(picture.Width(), 7);
}

} // namespace
