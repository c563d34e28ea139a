// A card photograph that cannot be read: the program says so once it runs, the board image
// stays empty, and the main window builds and works without its photograph.
#include "ProgramWindow.h"
#include "app/BoardPhoto.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/PopupForm.h"
#include "vcl/Screen.h"
#include <QTest>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

using FaultTesting::ProgramWindow;
using VclTesting::MessageBoxRecorder;
using VclTesting::ProcessEventsAndIdle;

namespace {

const String Reported = QStringLiteral("The card photograph cannot be shown: ");
constexpr int DefinitionHeaderSize = 1 + 10 + 4; // "\x0ATJPEGImage", then the byte count

QByteArray Photo()
{
    return BoardPhotoDefinitionBytes();
}

QByteArray JpegBytes()
{
    return Photo().mid(DefinitionHeaderSize);
}

// A picture as a window definition holds one: class name, byte count, the bytes.
QByteArray Definition(const char* className, const QByteArray& data, quint32 count)
{
    QByteArray bytes(1, static_cast<char>(qstrlen(className)));
    bytes += className;
    char size[4];
    qToLittleEndian(count, size);
    bytes += QByteArray(size, 4);
    return bytes + data;
}

QByteArray Definition(const char* className, const QByteArray& data)
{
    return Definition(className, data, static_cast<quint32>(data.size()));
}

// Bytes that are no picture of any kind, the same in every run.
QByteArray Garbage()
{
    QByteArray bytes(4096, '\0');
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

struct CorruptRow
{
    const char* Case;
    std::function<QByteArray()> Bytes;
    const char* Detail; // the reason the report gives, or null for any
    friend void PrintTo(const CorruptRow& row, std::ostream* out) { *out << row.Case; }
};

class CorruptPicture : public ::testing::TestWithParam<CorruptRow>
{
};

} // namespace

TEST(BoardPicture, TheEmbeddedPhotographReadsWithoutAReport)
{
    TBoardImage image(nullptr);
    TMainForm::LoadBoardPicture(&image, Photo());
    ProcessEventsAndIdle(); // an unexpected report fails the test
    EXPECT_EQ(image.Picture().Width(), 600);
    EXPECT_EQ(image.Picture().Height(), 409);
}

TEST_P(CorruptPicture, IsReportedOnceTheLoopRunsAndLeavesTheImageEmpty)
{
    TBoardImage image(nullptr);
    MessageBoxRecorder boxes;
    TMainForm::LoadBoardPicture(&image, GetParam().Bytes());
    EXPECT_TRUE(boxes.Shown().empty()) << "reported before the program runs";
    EXPECT_EQ(image.Picture().Graphic(), nullptr);

    ProcessEventsAndIdle();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    const String& text = boxes.Shown()[0].Text;
    EXPECT_TRUE(text.startsWith(Reported)) << text.toStdString();
    if (GetParam().Detail)
        EXPECT_EQ(text.mid(Reported.size()), QString::fromLatin1(GetParam().Detail));
    else
        EXPECT_GT(text.size(), Reported.size()) << "the report gives no reason";
    EXPECT_EQ(boxes.Shown()[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(image.Picture().Graphic(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Definitions, CorruptPicture,
    ::testing::Values(CorruptRow {"Empty", [] { return QByteArray(); }, "Stream read error"},
        CorruptRow {"CutInTheClassName", [] { return Photo().left(6); }, "Stream read error"},
        CorruptRow {
            "CutInTheData", [] { return Photo().left(Photo().size() / 2); }, "Stream read error"},
        CorruptRow {"JpegCutShort",
            [] { return Definition("TJPEGImage", JpegBytes().left(JpegBytes().size() / 2)); },
            nullptr},
        CorruptRow {"JpegOfGarbage", [] { return Definition("TJPEGImage", Garbage()); }, nullptr},
        CorruptRow {"HugeByteCount",
            [] { return Definition("TJPEGImage", JpegBytes(), 0xFFFFFFFFu); },
            "Picture data of 4294967295 bytes is too large"},
        CorruptRow {"UnknownClass", [] { return Definition("TPNGImage", JpegBytes()); },
            "Unknown picture class TPNGImage"},
        CorruptRow {"Garbage", [] { return Garbage(); }, nullptr}),
    [](const auto& info) { return std::string(info.param.Case); });

namespace {
// The main window as it is when its photograph could not be read: the board image empty and
// the report waiting for the loop.
class MainWindowWithoutPhoto : public ProgramWindow
{
protected:
    void SetUp() override
    {
        ProgramWindow::SetUp();
        form->BoardImage1->SetPicture(TPicture());
        TMainForm::LoadBoardPicture(form->BoardImage1, Garbage());
    }
};
} // namespace

TEST_F(MainWindowWithoutPhoto, ShowsWithItsWindowsAndMarkers)
{
    MessageBoxRecorder boxes;
    ShowAndRunFirstIdle();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(boxes.Shown()[0].Text.startsWith(Reported));
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->BoardImage1->Picture().Graphic(), nullptr);
    EXPECT_FALSE(VclTesting::Render(form).isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->SetSup->HelpForm()->Visible(); }, 2000));

    form->SetSup->HelpForm()->Hide(); // it stands over the board
    TBoardHighlight* marker = form->EnableHighlight;
    Mouse->SetCursorPos(marker->ClientToScreen({5, 5}));
    ProcessEventsAndIdle();
    ASSERT_NE(marker->Popup(), nullptr);
    EXPECT_TRUE(marker->Popup()->Visible());
    EXPECT_EQ(boxes.Shown().size(), 1u);
}
