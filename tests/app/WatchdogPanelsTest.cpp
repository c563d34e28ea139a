#include "app/MainForm.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"
#include "setupctrls/ThreeJumper.h"
#include "setupctrls/TwoJumper.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Menu.h"
#include "vcl/PaintBox.h"
#include <QAccessible>
#include <QComboBox>
#include <gtest/gtest.h>
#include <memory>

using VclTesting::PixelAt;

namespace {
class MainWindow : public ::testing::Test
{
protected:
    MainWindow()
    {
        form->Show();
        VclTesting::Render(form->BoardImage1);
    }
    // As when the user picks an item: the list's change event follows.
    void Pick(TComboBox* box, int index)
    {
        box->Combo()->setCurrentIndex(index);
        emit box->Combo()->activated(index);
    }
    TPopupForm* OpenPopup(TBoardHighlight* marker)
    {
        marker->Perform(CM_MOUSEENTER, 0);
        return marker->Popup();
    }
    // The top row of the first dark pixels of a caption in the diagram, inside rows top..bottom.
    static int FirstInkRow(const QImage& diagram, int top, int bottom)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 120; ++x)
                if ((PixelAt(diagram, x, y) & 0xFF) < 100)
                    return y;
        return -1;
    }

    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>(nullptr);
};
} // namespace

TEST_F(MainWindow, IsBuiltAsDefined)
{
    EXPECT_EQ(form->Caption(), QStringLiteral("Setup"));
    EXPECT_EQ(form->Color(), clWhite);
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->BoardImage1->First(), form->ConnectHighlight);
    EXPECT_EQ(form->BoardImage1->Menu(), form->MainMenu1);
    EXPECT_TRUE(form->BoardImage1->Stretch());
    EXPECT_FALSE(form->BoardImage1->AutoSize());
    EXPECT_EQ(form->BoardImage1->Picture().Width(), 600);
    EXPECT_EQ(form->BoardImage1->Picture().Height(), 409);
    EXPECT_EQ(form->ConnectHighlight->BoundsRect(), Bounds(59, 0, 68, 23));
    EXPECT_EQ(form->ConnectHighlight->RadioPanel(), form->ConnectPanel);
    EXPECT_EQ(form->EnableHighlight->BoundsRect(), Bounds(106, 249, 51, 21));
    EXPECT_EQ(form->EnableHighlight->RadioPanel(), form->EnablePanel);
    EXPECT_FALSE(form->EnablePanel->Visible());
    EXPECT_FALSE(form->ConnectPanel->Visible());
    EXPECT_EQ(form->ConnectPanel->Lines().Count(), 8);
    EXPECT_EQ(form->EnableJumper->JumperState(), jsRight);
    EXPECT_EQ(form->EnableBox->ItemIndex(), -1) << "no item selected at start";
    EXPECT_EQ(form->EnableBox->Items().Count(), 3);
    EXPECT_FALSE(form->GNDJumper->Enabled());
    EXPECT_FALSE(form->ConfigBox->Visible());

    QStringList bar, settings;
    TMenuItem* items = form->MainMenu1->Items();
    for (int i = 0; i < items->Count(); ++i)
        bar << items->Items(i)->Caption();
    EXPECT_EQ(bar, (QStringList {"&File", "&Settings", "&Help"}));
    for (int i = 0; i < items->Items(1)->Count(); ++i)
        settings << items->Items(1)->Items(i)->Caption();
    EXPECT_EQ(settings, (QStringList {"&Connecting The Watchdog", "Relay &Enabling"}));
}

TEST_F(MainWindow, TheListAndTheJumperFollowEachOtherBothWays)
{
    OpenPopup(form->EnableHighlight);
    EXPECT_EQ(form->EnableBox->ItemIndex(), 0) << "the panel took the focus";
    Pick(form->EnableBox, 1);
    EXPECT_EQ(form->EnableJumper->JumperState(), jsOpen);
    struct Step
    {
        TJumperState state;
        int item;
    };
    for (const Step step : {Step {jsLeft, 2}, Step {jsRight, 0}, Step {jsOpen, 1}}) {
        form->EnableJumper->Click();
        EXPECT_EQ(form->EnableJumper->JumperState(), step.state);
        EXPECT_EQ(form->EnableBox->ItemIndex(), step.item);
    }
    Pick(form->EnableBox, 2);
    EXPECT_EQ(form->EnableJumper->JumperState(), jsLeft);
    Pick(form->EnableBox, 0);
    EXPECT_EQ(form->EnableJumper->JumperState(), jsRight);
}

TEST_F(MainWindow, FocusBackIntoThePanelSelectsWatchdogControlledAndLeavesTheJumper)
{
    TPopupForm* popup = OpenPopup(form->EnableHighlight);
    Pick(form->EnableBox, 2);
    ASSERT_EQ(form->EnableJumper->JumperState(), jsLeft);
    popup->DoneButton->SetFocus();
    EXPECT_EQ(form->EnableBox->ItemIndex(), 2);
    form->EnableBox->SetFocus();
    EXPECT_EQ(form->EnableBox->ItemIndex(), 0);
    EXPECT_EQ(form->EnableJumper->JumperState(), jsLeft);
}

TEST_F(MainWindow, TheConnectionPopupGrowsByHalfItsHeightAtEachEntry)
{
    TPopupForm* popup = OpenPopup(form->ConnectHighlight);
    EXPECT_EQ(popup->Height(), 3 * 206 / 2) << "built at 206, grown once";
    popup->SetHeight(225);
    popup->DoneButton->SetFocus();
    form->ConnectPanel->SetFocus();
    EXPECT_EQ(popup->Height(), 337);
}

TEST_F(MainWindow, TheDiagramDrawsItsConnectorsWiresAndCaptions)
{
    TPopupForm* popup = OpenPopup(form->ConnectHighlight);
    ASSERT_NE(popup, nullptr);
    form->GNDJumper->SetClosed(true);
    const QImage diagram = VclTesting::RenderControl(form->ConnectPaint);
    EXPECT_FALSE(form->GNDJumper->Closed()) << "every paint shows the GND jumper removed";
    EXPECT_EQ(PixelAt(diagram, 256, 36), 0x000080u) << "inside the upper connector";
    EXPECT_EQ(PixelAt(diagram, 256, 60), 0x000080u) << "inside the lower connector";
    EXPECT_EQ(PixelAt(diagram, 248, 40), clBlack) << "the first wire ends in the upper connector";
    EXPECT_EQ(PixelAt(diagram, 2, 16), clBlack) << "and starts near (0, 16)";
    EXPECT_EQ(PixelAt(diagram, 2, 81), clBlack) << "the third starts near (0, 81)";
    // Left of x = 120 the wires stay above row 23, so ink below it is caption.
    const int h = 5; // half the 8-point font's height of 11
    EXPECT_GE(FirstInkRow(diagram, 23, 32 + 8), 32 - h);

    form->ConnectPaint->Font().SetHeight(-16);
    const QImage larger = VclTesting::RenderControl(form->ConnectPaint);
    EXPECT_GE(FirstInkRow(larger, 23, 40), 24) << "captions' tops at 32 - 8 and 65 - 8";
    EXPECT_LT(FirstInkRow(larger, 23, 40), 24 + 16);
    EXPECT_GE(FirstInkRow(larger, 53, 75), 57);
}

TEST_F(MainWindow, TheCableDiagramIsDescribedToAssistiveTechnology)
{
    TPopupForm* popup = OpenPopup(form->ConnectHighlight);
    ASSERT_NE(popup, nullptr);
    QAccessibleInterface* panel
        = QAccessible::queryAccessibleInterface(form->ConnectPanel->ClientView());
    QStringList names;
    for (int i = 0; i < panel->childCount(); ++i)
        names << panel->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(names.contains(QStringLiteral("Cable diagram"))) << names.join(", ").toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("jumper, no cap")));
    EXPECT_TRUE(names.contains(QStringLiteral("GND")));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(popup->View())->text(QAccessible::Name),
        QStringLiteral("Connecting The Watchdog"));
}
