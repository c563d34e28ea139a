// The platform refuses the supporter's timer: the refusal is reported, what was built stays, the
// help window stays pending, and the Help menu still opens it.
#include "ProgramWindow.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/TechForm.h"
#include "vcl/Label.h"
#include "vcl/Menu.h"
#include "vcl/UtilityWindow.h"
#include <QTest>
#include <gtest/gtest.h>

using FaultTesting::ProgramWindow;
using FaultTesting::SeveralTicksMs;
using VclTesting::MessageBoxRecorder;

namespace {

class NoTimers : public ProgramWindow
{
protected:
    void SetUp() override
    {
        TUtilityWindow::TimerBudget = 0;
        ProgramWindow::SetUp();
    }
    void TearDown() override
    {
        ProgramWindow::TearDown();
        TUtilityWindow::TimerBudget = -1;
    }
};

} // namespace

TEST_F(NoTimers, ReportsItKeepsTheWindowsAndTheHelpMenuStillShowsHelp)
{
    MessageBoxRecorder boxes;
    ShowAndRunFirstIdle();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, QStringLiteral("Not enough timers available"));
    EXPECT_EQ(boxes.Shown()[0].Caption, Application->Title);
    EXPECT_EQ(boxes.Shown()[0].Flags, MB_OK | MB_ICONERROR);

    TSetupSupporter* sup = form->SetSup;
    ASSERT_NE(sup->HeaderLabel(), nullptr);
    EXPECT_EQ(sup->HeaderLabel()->Caption(), QStringLiteral("ZX-4410 Series Settings Program"));
    ASSERT_NE(sup->HelpForm(), nullptr);
    ASSERT_NE(sup->TechForm(), nullptr);
    EXPECT_TRUE(sup->HelpPending());
    QTest::qWait(SeveralTicksMs);
    EXPECT_FALSE(sup->HelpForm()->Visible()) << "no timer, so no help window by itself";

    form->Howtousethisprogram1->Click();
    EXPECT_TRUE(sup->HelpForm()->Visible());
    form->TechnicalSupport1->Click();
    EXPECT_TRUE(sup->TechForm()->Visible());
    EXPECT_EQ(boxes.Shown().size(), 1u);
}
