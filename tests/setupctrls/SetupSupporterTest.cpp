#include "setupctrls/SetupSupporter.h"
#include "SupporterHost.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/TechForm.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/Label.h"
#include "vcl/Memo.h"
#include "vcl/RichEdit.h"
#include "vcl/Screen.h"
#include "vcl/SysUtils.h"
#include "vcl/UtilityWindow.h"
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>
#include <gtest/gtest.h>

using SupporterTesting::SupporterHost;
using SupporterTesting::SupportPhrase;
using VclTesting::MessageBoxRecorder;
using VclTesting::ProcessEventsAndIdle;

namespace {
// Long enough for a few ticks of the 100 ms timer.
constexpr int SeveralTicksMs = 350;
} // namespace

TEST(SetupSupporter, StartsWithTheDocumentedSettings)
{
    TSetupSupporter sup(nullptr);
    EXPECT_EQ(sup.CompanyName(), String());
    EXPECT_EQ(sup.CardNameA(), String());
    EXPECT_EQ(sup.CardNameB(), String());
    EXPECT_FALSE(sup.UseCardNameB());
    EXPECT_EQ(sup.CallHow(), String());
    EXPECT_FALSE(sup.MultiPort());
    EXPECT_EQ(sup.Channels(), 8);
    EXPECT_TRUE(sup.ChangeButtons());
    EXPECT_TRUE(sup.bSeries());
    EXPECT_FALSE(sup.OnGetCardString);
    EXPECT_FALSE(sup.OnGetCalibString);
    EXPECT_FALSE(sup.OnStopButtonClick);
    EXPECT_FALSE(sup.OnStartButtonClick);
    EXPECT_FALSE(sup.OnBeginCalib());
    EXPECT_FALSE(sup.HelpPending());
    EXPECT_FALSE(sup.Calibrating());
    EXPECT_EQ(sup.HeaderLabel(), nullptr);
    EXPECT_EQ(sup.HelpForm(), nullptr);
    EXPECT_EQ(sup.TechForm(), nullptr);
    EXPECT_EQ(sup.PCIForm(), nullptr);
    EXPECT_TRUE(sup.CalibDisplays().empty());
}

using BuildingTheWindows = SupporterHost;

TEST_F(BuildingTheWindows, PutsTheHeaderLabelAcrossTheTopOfTheMainWindow)
{
    sup->BuildWindows();
    const TLabel* header = sup->HeaderLabel();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->Name(), QStringLiteral("HeaderLabel"));
    EXPECT_EQ(header->Owner(), &main);
    EXPECT_EQ(header->Parent(), &main);
    EXPECT_EQ(header->Align(), alTop);
    EXPECT_EQ(header->Alignment(), taCenter);
    EXPECT_EQ(header->Font().Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(header->Font().Size(), 18);
    EXPECT_EQ(header->Font().Style(), fsBold);
    EXPECT_EQ(header->Font().Color(), clBlack);
    EXPECT_EQ(header->BoundsRect().Width(), main.ClientWidth());
    EXPECT_EQ(header->Caption(), QStringLiteral("ZX-4410 Series Settings Program"));
}

TEST_F(BuildingTheWindows, BuildsTheHelpAndSupportWindowsHiddenAndOwnedByTheMainWindow)
{
    const int formsBefore = Screen->FormCount();
    sup->BuildWindows();
    EXPECT_EQ(Screen->FormCount(), formsBefore + 2);
    ASSERT_NE(sup->HelpForm(), nullptr);
    ASSERT_NE(sup->TechForm(), nullptr);
    EXPECT_EQ(sup->PCIForm(), nullptr);
    EXPECT_EQ(sup->HelpForm()->Owner(), &main);
    EXPECT_EQ(sup->TechForm()->Owner(), &main);
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_FALSE(sup->TechForm()->Visible());
    EXPECT_TRUE(sup->HelpPending());
    // The offscreen test screen is 1280 x 1024.
    EXPECT_EQ(sup->HelpForm()->ClientWidth(), 488);
    EXPECT_EQ(sup->HelpForm()->ClientHeight(), 221);
    // Without a card list the help document does not mention one.
    EXPECT_FALSE(sup->HelpForm()->HelpRich()->Text().contains(QStringLiteral("To see a list")));
}

TEST_F(BuildingTheWindows, GivesTheSupportWindowTheMakersNameTwiceAndThePhrase)
{
    sup->BuildWindows();
    const String text = sup->TechForm()->TechMemo()->Text();
    EXPECT_EQ(text.count(QStringLiteral("VARDO")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("and VARDO stands ready to provide that help.")));
    EXPECT_TRUE(text.contains(QStringLiteral("You can call us ") + SupportPhrase
        + QStringLiteral(" for any of your product questions.")));
    EXPECT_TRUE(text.endsWith(
        QStringLiteral("have the VARDO product manual and Software Master CD at hand.")));
}

TEST_F(BuildingTheWindows, HidesTheSupportWindowWithItsCloseButton)
{
    sup->BuildWindows();
    TTechForm* tech = sup->TechForm();
    tech->Show();
    tech->CloseButton()->Click();
    EXPECT_FALSE(tech->Visible());
}

struct NamingRow
{
    const char* Case;
    bool UseCardNameB;
    bool bSeries;
    const char* Header;
    const char* HelpTitle;
};

class NamingTheCard : public SupporterHost, public ::testing::WithParamInterface<NamingRow>
{
};

TEST_P(NamingTheCard, InTheHeaderAndTheHelpTitle)
{
    sup->SetUseCardNameB(GetParam().UseCardNameB);
    sup->SetbSeries(GetParam().bSeries);
    sup->BuildWindows();
    EXPECT_EQ(sup->HeaderLabel()->Caption(), QString::fromLatin1(GetParam().Header));
    EXPECT_EQ(sup->HelpForm()->HelpRich()->Editor()->document()->firstBlock().text(),
        QString::fromLatin1(GetParam().HelpTitle));
}

INSTANTIATE_TEST_SUITE_P(Rows, NamingTheCard,
    ::testing::Values(NamingRow {"CardNameA", false, true, "ZX-4410 Series Settings Program",
                          "VARDO ZX-4410 Series Settings Program"},
        NamingRow {"CardNameB", true, true, "ZX-4420 Series Settings Program",
            "VARDO ZX-4420 Series Settings Program"},
        NamingRow {"NoSeries", false, false, "ZX-4410 Settings Program",
            "VARDO ZX-4410 Settings Program"}),
    [](const auto& info) { return std::string(info.param.Case); });

using FirstIdle = SupporterHost;

TEST_F(FirstIdle, UnhooksItselfAndBuildsOnceOverManyIdles)
{
    const int formsBefore = Screen->FormCount();
    Application->OnIdle = std::bind_front(&TSetupSupporter::FirstIdle, sup);
    for (int i = 0; i < 5; ++i)
        ProcessEventsAndIdle();
    EXPECT_FALSE(Application->OnIdle);
    EXPECT_EQ(Screen->FormCount(), formsBefore + 2);
    EXPECT_NE(sup->HeaderLabel(), nullptr);
}

class FirstIdleDone : public SupporterHost, public ::testing::WithParamInterface<bool>
{
};

TEST_P(FirstIdleDone, IsLeftAsTheApplicationPassedIt)
{
    bool done = GetParam();
    Application->OnIdle = [](TObject*, bool&) {};
    sup->FirstIdle(Application, done);
    EXPECT_EQ(done, GetParam());
    EXPECT_FALSE(Application->OnIdle);
    EXPECT_NE(sup->HelpForm(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Both, FirstIdleDone, ::testing::Bool());

using HelpTimer = SupporterHost;

TEST_F(HelpTimer, ShowsTheHelpWindowAtTheFirstTickAndStops)
{
    sup->BuildWindows();
    THelpForm* help = sup->HelpForm();
    EXPECT_FALSE(help->Visible());
    sup->TimerTick();
    EXPECT_TRUE(help->Visible());
    EXPECT_TRUE(help->Active());
    EXPECT_FALSE(sup->HelpPending());
}

TEST_F(HelpTimer, ShowsTheHelpWindowAboutATenthOfASecondAfterTheFirstIdle)
{
    Application->OnIdle = std::bind_front(&TSetupSupporter::FirstIdle, sup);
    ProcessEventsAndIdle();
    ASSERT_NE(sup->HelpForm(), nullptr);
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sup->HelpForm()->Visible(); }, 2000));
    EXPECT_FALSE(sup->HelpPending());
    // The timer has stopped: another tick would poll the channels, and with no reading event
    // that would show a message box, which fails the test.
    sup->HelpForm()->Hide();
    QTest::qWait(SeveralTicksMs);
    EXPECT_FALSE(sup->HelpForm()->Visible());
}

namespace {
// Lets the platform grant only as many timers as given while it lives.
class TimerBudget
{
public:
    explicit TimerBudget(int timers) { TUtilityWindow::TimerBudget = timers; }
    ~TimerBudget() { TUtilityWindow::TimerBudget = -1; }
};
} // namespace

TEST_F(HelpTimer, RefusedReportsNotEnoughTimersAndKeepsWhatWasBuilt)
{
    const TimerBudget none(0);
    MessageBoxRecorder boxes;
    Application->OnIdle = std::bind_front(&TSetupSupporter::FirstIdle, sup);
    ProcessEventsAndIdle();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, QStringLiteral("Not enough timers available"));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), QStringLiteral("ZX-4410 Series Settings Program"));
    ASSERT_NE(sup->TechForm(), nullptr);
    EXPECT_TRUE(sup->HelpPending());
    QTest::qWait(SeveralTicksMs);
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(HelpTimer, RefusedRaisesOutOfResourcesToTheCaller)
{
    const TimerBudget none(0);
    EXPECT_THROW(sup->BuildWindows(), EOutOfResources);
}

TEST_F(HelpTimer, StopsWhenTheSupporterGoes)
{
    sup->BuildWindows();
    THelpForm* help = sup->HelpForm();
    TComponent::Free(sup);
    QTest::qWait(SeveralTicksMs);
    EXPECT_FALSE(help->Visible());
}

TEST(BuildingWithoutAMainWindow, IsAnError)
{
    if (Application->MainForm())
        GTEST_SKIP() << "this process already has a main window";
    TSetupSupporter sup(nullptr);
    EXPECT_THROW(sup.BuildWindows(), Exception);
}
