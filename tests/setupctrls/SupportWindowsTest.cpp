#include "setupctrls/PCIForm.h"
#include "setupctrls/TechForm.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <memory>

TEST(TechWindow, IsBuiltAroundTheSupportText)
{
    TTechForm tech(nullptr, QStringLiteral("First paragraph.\r\n\r\nSecond paragraph."));
    EXPECT_EQ(tech.Name(), QStringLiteral("TechForm"));
    EXPECT_EQ(tech.Caption(), QStringLiteral("Technical Support"));
    EXPECT_EQ(tech.FormStyle(), fsStayOnTop);
    EXPECT_EQ(tech.Position(), poDefault);
    EXPECT_EQ(tech.ClientWidth(), 305);
    EXPECT_EQ(tech.ClientHeight(), 122);

    const TMemo* memo = tech.TechMemo();
    EXPECT_EQ(memo->Name(), QStringLiteral("TechMemo"));
    EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->Editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->Text(), QStringLiteral("First paragraph.\n\nSecond paragraph."));

    const TButton* close = tech.CloseButton();
    EXPECT_EQ(close->Name(), QStringLiteral("CloseButton"));
    EXPECT_EQ(close->Caption(), QStringLiteral("Close"));
    EXPECT_EQ(close->BoundsRect(), Bounds(116, 97, 73, 25)); // centred after the fitting
    EXPECT_TRUE(close->Cancel());
    EXPECT_FALSE(close->Default());
    EXPECT_EQ(close->TabOrder(), 0);
}

TEST(CardListWindow, IsBuiltForTheCardName)
{
    TPCIForm list(nullptr, QStringLiteral("ZX-4410"));
    EXPECT_EQ(list.Name(), QStringLiteral("PCIForm"));
    EXPECT_EQ(list.Caption(), QStringLiteral("ZX-4410 Cards installed"));
    EXPECT_EQ(list.FormStyle(), fsStayOnTop);
    EXPECT_EQ(list.Position(), poDefault);
    EXPECT_EQ(list.ClientWidth(), 305);
    EXPECT_EQ(list.ClientHeight(), 122);

    const TMemo* memo = list.PCIMemo();
    EXPECT_EQ(memo->Name(), QStringLiteral("PCIMemo"));
    EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->Font().Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(memo->Font().Size(), 10);
    EXPECT_EQ(memo->Font().Style(), fsBold);
    EXPECT_EQ(memo->Text(), String());

    const TButton* close = list.CloseButton();
    EXPECT_EQ(close->Caption(), QStringLiteral("Close"));
    // Centred on the 320-pixel window before the fitting moved it, and not centred again.
    EXPECT_EQ(close->BoundsRect(), Bounds(115, 97, 73, 25));
    EXPECT_TRUE(close->Cancel());
    EXPECT_EQ(close->TabOrder(), 0);
}

struct GrowRow
{
    const char* Window;
    TForm* (*Make)();
    const char* MemoName;
    int ButtonLeftAfter; // the button keeps its centre at the same proportion of the width
};

class SupportWindowGrowing : public ::testing::TestWithParam<GrowRow>
{
};

// The memo follows the window on all four sides; the button keeps its distance to the bottom.
TEST_P(SupportWindowGrowing, MovesTheControlsWithTheWindow)
{
    const std::unique_ptr<TForm> window(GetParam().Make());
    const auto* memo
        = dynamic_cast<TMemo*>(window->FindComponent(QString::fromLatin1(GetParam().MemoName)));
    const auto* close
        = dynamic_cast<TButton*>(window->FindComponent(QStringLiteral("CloseButton")));
    ASSERT_TRUE(memo && close);
    window->SetClientWidth(405);
    window->SetClientHeight(172);
    EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 405, 139));
    EXPECT_EQ(close->Top(), 147);
    EXPECT_EQ(close->Left(), GetParam().ButtonLeftAfter);
}

INSTANTIATE_TEST_SUITE_P(Windows, SupportWindowGrowing,
    ::testing::Values(
        GrowRow {"Tech", []() -> TForm* { return new TTechForm(nullptr, QStringLiteral("Text")); },
            "TechMemo", 166},
        GrowRow {"CardList", []() -> TForm* { return new TPCIForm(nullptr, QStringLiteral("ZX")); },
            "PCIMemo", 165}),
    [](const auto& info) { return std::string(info.param.Window); });
