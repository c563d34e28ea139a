// An error escaping a host's event handler: it is shown in a message box, it ends the step that
// raised it there, and the program goes on.
#include "ProgramWindow.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/PCIForm.h"
#include "tornix/TornixTesting.h"
#include "vcl/ComboBox.h"
#include "vcl/Label.h"
#include "vcl/Memo.h"
#include "vcl/Menu.h"
#include "vcl/SysUtils.h"
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

using FaultTesting::ProgramWindow;
using FaultTesting::SeveralTicksMs;
using VclTesting::MessageBoxRecorder;
using VclTesting::ProcessEventsAndIdle;

namespace {

const String CardError = QStringLiteral("The card could not be read");

class CardStringError : public ProgramWindow
{
protected:
    void SetUp() override
    {
        ProgramWindow::SetUp();
        Tornix::ResetBoardDriverForTests();
        Tornix::OverrideLibraryPathForTests(TORNIX_STANDIN_FULL); // two cards
    }
    void TearDown() override
    {
        Tornix::OverrideLibraryPathForTests({});
        Tornix::ResetBoardDriverForTests();
        ProgramWindow::TearDown();
    }
};

} // namespace

// The second card's line fails: the first is listed, the header keeps no text, the help window
// waits for the user, and the idle event, the Help menu and the card list still work.
TEST_F(CardStringError, EndsTheBuildThereAndTheProgramGoesOn)
{
    std::vector<std::int32_t> asked;
    form->SetSup->OnGetCardString = [&](TObject*, std::int32_t index) -> String {
        asked.push_back(index);
        if (index == 1)
            throw Exception(CardError);
        return QStringLiteral("Card %1").arg(index);
    };
    MessageBoxRecorder boxes;
    ShowAndRunFirstIdle();

    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, CardError);
    EXPECT_EQ(boxes.Shown()[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(asked, (std::vector<std::int32_t> {0, 1}));
    EXPECT_EQ(form->SetSup->PCIForm()->PCIMemo()->Lines().ToStringList(),
        QStringList {QStringLiteral("Card 0")});
    EXPECT_EQ(form->SetSup->HeaderLabel()->Caption(), String());
    EXPECT_FALSE(form->SetSup->HelpPending());
    EXPECT_FALSE(Application->OnIdle) << "the first idle unhooked itself before the error";
    QTest::qWait(SeveralTicksMs);
    EXPECT_FALSE(form->SetSup->HelpForm()->Visible());

    int idles = 0;
    Application->OnIdle = [&](TObject*, bool&) { ++idles; };
    ProcessEventsAndIdle();
    EXPECT_GE(idles, 1);
    Application->OnIdle = nullptr;
    form->Howtousethisprogram1->Click();
    EXPECT_TRUE(form->SetSup->HelpForm()->Visible());
    form->SetSup->PCIForm()->Hide();
    form->File1->Items(0)->Click(); // Display ZX-4410 Cards Installed
    EXPECT_TRUE(form->SetSup->PCIForm()->Visible());
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(asked.size(), 2u) << "the list is not built again";
}

namespace {

constexpr int Channels = 8;

struct PollingRow
{
    const char* Case;
    bool BeginFails; // else the reading of channel 3 fails
    int LinesWrittenByTheFailingTick;
    friend void PrintTo(const PollingRow& row, std::ostream* out) { *out << row.Case; }
};

// Calibration on the program's main window: one list of eight channels, polled by the
// supporter's timer once the help window is up. The first tick fails as the row says; every
// channel reads well.
class PollingError : public ProgramWindow, public ::testing::WithParamInterface<PollingRow>
{
protected:
    void SetUp() override
    {
        ProgramWindow::SetUp();
        ShowAndRunFirstIdle();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->SetSup->HelpForm()->Visible(); }, 2000));
        list = new TComboBox(form);
        list->SetParent(form);
        for (int i = 0; i < Channels; ++i)
            list->Items().Add(QStringLiteral("unread"));
        form->SetSup->AddCalibDisplay(&list, nullptr, nullptr);
        form->SetSup->SetOnBeginCalib([this](TObject*) {
            ++ticks;
            if (ticks == 2) { // what the failing tick left
                linesOfTheFailingTick = LinesReading(QStringLiteral("tick 1"));
                calibratingAfterIt = form->SetSup->Calibrating();
            }
            if (ticks == 1 && GetParam().BeginFails)
                throw Exception(CardError);
        });
        form->SetSup->OnGetCalibString = [this](TObject*, std::uint8_t channel, bool& itsAllBad) {
            if (ticks == 1 && !GetParam().BeginFails && channel == 3)
                throw Exception(CardError);
            itsAllBad = false;
            return QStringLiteral("tick %1").arg(ticks);
        };
    }
    void TearDown() override
    {
        if (form)
            form->SetSup->SetCalibrating(false);
        ProgramWindow::TearDown();
    }
    int LinesReading(const String& value) const
    {
        int count = 0;
        for (int i = 0; i < Channels; ++i)
            count += list->Items().Get(i).endsWith(QLatin1Char('\t') + value);
        return count;
    }

    TComboBox* list = nullptr;
    int ticks = 0;
    int linesOfTheFailingTick = -1;
    bool calibratingAfterIt = false;
};

} // namespace

TEST_P(PollingError, EndsTheTickLeavesCalibratingAndTheNextTickPolls)
{
    MessageBoxRecorder boxes;
    form->SetSup->SetCalibrating(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    form->SetSup->SetCalibrating(false);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, CardError);
    EXPECT_EQ(linesOfTheFailingTick, GetParam().LinesWrittenByTheFailingTick);
    EXPECT_TRUE(calibratingAfterIt);
    EXPECT_EQ(LinesReading(QStringLiteral("tick %1").arg(ticks)), Channels)
        << "the last tick wrote every line";
}

INSTANTIATE_TEST_SUITE_P(Events, PollingError,
    ::testing::Values(
        PollingRow {"OnBeginCalib", true, 0}, PollingRow {"OnGetCalibString", false, 3}),
    [](const auto& info) { return std::string(info.param.Case); });
