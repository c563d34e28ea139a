#include "setupctrls/HelpForm.h"
#include "SupporterHost.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/SetupTexts.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/CustomPanel.h"
#include "vcl/Label.h"
#include "vcl/RichEdit.h"
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

using SupporterTesting::SupporterHost;

namespace {

const QByteArray Document
    = HelpDocument({QStringLiteral("VARDO"), QStringLiteral("ZX-4410"), true, false, false});

struct ScaleRow
{
    const char* Screen;
    int ScreenWidth, ScreenHeight;
    double Scale;
    int ClientWidth, ClientHeight;
};

class HelpWindowScale : public ::testing::TestWithParam<ScaleRow>
{
};

} // namespace

TEST_P(HelpWindowScale, FollowsTheScreenSize)
{
    const ScaleRow& row = GetParam();
    EXPECT_DOUBLE_EQ(ScreenScale(row.ScreenWidth, row.ScreenHeight), row.Scale);
}

// The text box follows the window on all four sides; the button keeps 8 pixels below it and
// stays horizontally centred.
TEST_P(HelpWindowScale, SizesTheClientAreaAndMovesTheControlsWithIt)
{
    const ScaleRow& row = GetParam();
    THelpForm help(nullptr, Document, ScreenScale(row.ScreenWidth, row.ScreenHeight));
    EXPECT_EQ(help.ClientWidth(), row.ClientWidth);
    EXPECT_EQ(help.ClientHeight(), row.ClientHeight);
    EXPECT_EQ(help.HelpRich()->BoundsRect(), Rect(0, 24, row.ClientWidth, row.ClientHeight - 41));
    const TButton* start = help.StartButton();
    EXPECT_EQ(start->Top() + start->Height(), row.ClientHeight - 8);
    EXPECT_EQ(start->Width(), 173);
    EXPECT_NEAR(start->Left(), (row.ClientWidth - 173) / 2.0, 0.5);
    EXPECT_EQ(help.HelpLabel()->BoundsRect().Width(), row.ClientWidth);
}

INSTANTIATE_TEST_SUITE_P(Screens, HelpWindowScale,
    ::testing::Values(ScaleRow {"Vga640x480", 640, 480, 1.0, 305, 138},
        ScaleRow {"Svga800x600", 800, 600, 1.0, 305, 138},
        ScaleRow {"HalfToEven1000x600", 1000, 600, 1.25, 381, 172},
        ScaleRow {"Xga1024x768", 1024, 768, 1.28, 390, 177},
        ScaleRow {"Sxga1280x1024", 1280, 1024, 1.6, 488, 221},
        ScaleRow {"Wide1920x1080", 1920, 1080, 2.4, 732, 331}),
    [](const auto& info) { return std::string(info.param.Screen); });

TEST(HelpWindow, IsBuiltAsDescribed)
{
    THelpForm help(nullptr, Document, 1.0);
    EXPECT_EQ(help.Name(), QStringLiteral("HelpForm"));
    EXPECT_EQ(help.Caption(), QStringLiteral("Instructions for Settings utility"));
    EXPECT_EQ(help.FormStyle(), fsStayOnTop);
    EXPECT_EQ(help.Position(), poMainFormCenter);
    EXPECT_FALSE(help.Visible());

    const TLabel* label = help.HelpLabel();
    EXPECT_EQ(label->Name(), QStringLiteral("HelpLabel"));
    EXPECT_EQ(label->Caption(), QStringLiteral("How to use this program"));
    EXPECT_EQ(label->Align(), alTop);
    EXPECT_EQ(label->Alignment(), taCenter);
    EXPECT_EQ(label->Font().Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(label->Font().Size(), 12);
    EXPECT_EQ(label->Font().Style(), fsBold);

    const TRichEdit* rich = help.HelpRich();
    EXPECT_EQ(rich->Name(), QStringLiteral("HelpRich"));
    EXPECT_TRUE(rich->ReadOnly());
    EXPECT_EQ(rich->Color(), 0xDDDDDDu);
    EXPECT_EQ(rich->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rich->Anchors(), akLeft | akTop | akRight | akBottom);
    EXPECT_EQ(rich->Editor()->document()->firstBlock().text(),
        QStringLiteral("VARDO ZX-4410 Series Settings Program"));

    const TButton* start = help.StartButton();
    EXPECT_EQ(start->Name(), QStringLiteral("StartButton"));
    EXPECT_EQ(start->Caption(), QStringLiteral("Start"));
    EXPECT_TRUE(start->Default());
    EXPECT_TRUE(start->Cancel());
    EXPECT_EQ(start->TabOrder(), 0);
    EXPECT_EQ(start->Anchors(), static_cast<TAnchors>(akBottom));
    EXPECT_EQ(start->BoundsRect(), Bounds(66, 105, 173, 25));
}

namespace {

// A board image that counts the tours it was asked to start.
class TourCountingBoard : public TBoardImage
{
    VCL_CLASS(TourCountingBoard, TBoardImage)
public:
    using TBoardImage::TBoardImage;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_STARTTOUR && message.WParam == 0 && message.LParam == 0)
            ++tours;
        TBoardImage::WndProc(message);
    }
    int tours = 0;
};

enum class Press { StartButton, Enter, Escape };

class StartingTheTour : public SupporterHost, public ::testing::WithParamInterface<Press>
{
protected:
    template<class T> T* AddChild()
    {
        auto* control = new T(&main);
        control->SetParent(&main);
        return control;
    }

    void PressStart()
    {
        switch (GetParam()) {
        case Press::StartButton:
            help->StartButton()->Click();
            break;
        case Press::Enter:
            QTest::keyClick(help->View(), Qt::Key_Return);
            break;
        case Press::Escape:
            QTest::keyClick(help->View(), Qt::Key_Escape);
            break;
        }
    }

    THelpForm* help = new THelpForm(&main, Document, 1.0);
};

} // namespace

TEST_P(StartingTheTour, HidesTheWindowAndStartsTheTourOnceAtTheFirstBoardImage)
{
    AddChild<TCustomPanel>(); // no board image: passed over
    auto* first = AddChild<TourCountingBoard>();
    auto* second = AddChild<TourCountingBoard>();
    help->Show();
    PressStart();
    EXPECT_FALSE(help->Visible());
    EXPECT_EQ(first->tours, 1);
    EXPECT_EQ(second->tours, 0);
}

TEST_P(StartingTheTour, OnlyHidesTheWindowWithoutABoardImage)
{
    AddChild<TCustomPanel>();
    help->Show();
    PressStart();
    EXPECT_FALSE(help->Visible());
}

INSTANTIATE_TEST_SUITE_P(Ways, StartingTheTour,
    ::testing::Values(Press::StartButton, Press::Enter, Press::Escape), [](const auto& info) {
        switch (info.param) {
        case Press::StartButton:
            return "StartButton";
        case Press::Enter:
            return "Enter";
        default:
            return "Escape";
        }
    });
