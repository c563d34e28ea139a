#include "SupporterHost.h"
#include "setupctrls/SetupSupporter.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/CustomPanel.h"
#include "vcl/SysUtils.h"
#include <QTest>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <vector>

using SupporterTesting::SupporterHost;
using VclTesting::MessageBoxRecorder;

namespace {

constexpr int SeveralTicksMs = 350;
const String TotalFailureText = QStringLiteral(
    "Total A/D failure. The card may not be installed, or it may be installed at a different base "
    "address.");

// Answers the application's message boxes with a handler of the test's own while it lives.
class BoxHook
{
public:
    explicit BoxHook(TMessageBoxHandler handler) : previous_(Application->MessageBoxHandler)
    {
        Application->MessageBoxHandler = std::move(handler);
    }
    ~BoxHook() { Application->MessageBoxHandler = previous_; }

private:
    TMessageBoxHandler previous_;
};

String Reading(int channel)
{
    return QStringLiteral("%1.00 V").arg(channel);
}

String Line(int channel)
{
    return QStringLiteral("Channel %1\t").arg(channel) + Reading(channel);
}

// A host with two calibration displays of eight-item lists, "Stop" buttons and panels to hide.
class Calibration : public SupporterHost
{
protected:
    Calibration()
    {
        for (std::size_t d = 0; d < lists.size(); ++d) {
            lists[d] = NewList(8);
            buttons[d] = new TButton(window);
            buttons[d]->SetParent(window);
            buttons[d]->SetCaption(QStringLiteral("Stop"));
            buttons[d]->OnClick = [this](TObject*) { ++stopClicks; };
            hides[d] = new TCustomPanel(window);
            hides[d]->SetParent(window);
            sup->AddCalibDisplay(&lists[d], &buttons[d], &hides[d]);
        }
        sup->OnStartButtonClick = [this](TObject*) { ++startClicks; };
        sup->SetOnBeginCalib([this](TObject* sender) {
            EXPECT_EQ(sender, sup);
            ++begins;
        });
    }

    TComboBox* NewList(int items)
    {
        auto* list = new TComboBox(window);
        list->SetParent(window);
        for (int i = 0; i < items; ++i)
            list->Items().Add(QStringLiteral("unread"));
        return list;
    }

    // Reads every channel; a channel in good makes the reading usable.
    void ReadChannels(std::vector<int> good = {})
    {
        sup->OnGetCalibString
            = [this, good](TObject* sender, std::uint8_t channel, bool& itsAllBad) {
                  EXPECT_EQ(sender, sup);
                  polled.push_back(channel);
                  if (std::find(good.begin(), good.end(), channel) != good.end())
                      itsAllBad = false;
                  return Reading(channel);
              };
    }

    static void ExpectLinesWritten(TComboBox* list, int channels)
    {
        for (int channel = 0; channel < channels; ++channel)
            EXPECT_EQ(list->Items().Get(channel), Line(channel));
    }

    bool ButtonsReset() const
    {
        for (TButton* button : buttons) {
            const int before = startClicks;
            button->Click();
            if (button->Caption() != QStringLiteral("Start") || startClicks != before + 1)
                return false;
        }
        return true;
    }

    TForm* window = new TForm(&main);
    std::array<TComboBox*, 2> lists {};
    std::array<TButton*, 2> buttons {};
    std::array<TControl*, 2> hides {};
    std::vector<int> polled;
    int begins = 0;
    int startClicks = 0;
    int stopClicks = 0;
};

} // namespace

TEST_F(Calibration, WithOneGoodChannelWritesEveryLineAndShowsNoBox)
{
    ReadChannels({3});
    sup->SetCalibrating(true);
    sup->TimerTick();
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(polled, (std::vector<int> {0, 1, 2, 3, 4, 5, 6, 7}));
    for (TComboBox* list : lists) {
        ExpectLinesWritten(list, 8);
        EXPECT_EQ(list->Items().Count(), 8);
    }
    for (const TControl* hide : hides)
        EXPECT_FALSE(hide->Visible());
    EXPECT_TRUE(sup->Calibrating());
}

struct FailureRow
{
    const char* Answer;
    int Id;
    bool CalibratingAfter;
    bool ButtonsResetAfter;
};

class TotalFailure : public Calibration, public ::testing::WithParamInterface<FailureRow>
{
};

// Every channel is polled and written before the one box; the timer is stopped while it waits.
TEST_P(TotalFailure, IsReportedOnceAfterAllChannelsWereWritten)
{
    ReadChannels();
    sup->SetCalibrating(true);
    int boxes = 0;
    const BoxHook hook([&](const String& text, const String& caption, unsigned flags) {
        ++boxes;
        EXPECT_EQ(text, TotalFailureText);
        EXPECT_EQ(caption, QStringLiteral("Total A/D failure"));
        EXPECT_EQ(flags, 0x50135u);
        EXPECT_EQ(polled.size(), 8u);
        ExpectLinesWritten(lists[0], 8);
        EXPECT_FALSE(sup->Calibrating());
        QTest::qWait(SeveralTicksMs);
        EXPECT_EQ(begins, 1) << "a tick ran while the box was open";
        return GetParam().Id;
    });
    sup->TimerTick();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(sup->Calibrating(), GetParam().CalibratingAfter);
    EXPECT_EQ(ButtonsReset(), GetParam().ButtonsResetAfter);
    sup->SetCalibrating(false);
}

INSTANTIATE_TEST_SUITE_P(Answers, TotalFailure,
    ::testing::Values(
        FailureRow {"Retry", IDRETRY, true, false}, FailureRow {"Cancel", IDCANCEL, false, true}),
    [](const auto& info) { return std::string(info.param.Answer); });

TEST_F(Calibration, RetryResumesPollingUntilCancelStopsIt)
{
    ReadChannels();
    sup->SetCalibrating(true);
    MessageBoxRecorder boxes({IDRETRY, IDCANCEL});
    sup->TimerTick();
    EXPECT_TRUE(sup->Calibrating());
    EXPECT_EQ(buttons[0]->Caption(), QStringLiteral("Stop"));
    sup->TimerTick();
    EXPECT_FALSE(sup->Calibrating());
    EXPECT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(polled.size(), 16u);
    EXPECT_TRUE(ButtonsReset());
}

TEST_F(Calibration, RunsOnTheTimerWhileCalibrating)
{
    ReadChannels({0});
    sup->SetCalibrating(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return begins >= 2; }, 2000));
    sup->SetCalibrating(false);
    const int stoppedAt = begins;
    QTest::qWait(SeveralTicksMs);
    EXPECT_EQ(begins, stoppedAt);
}

TEST_F(Calibration, StopsWhenTheSupporterGoes)
{
    ReadChannels({0});
    sup->SetCalibrating(true);
    TComponent::Free(sup);
    QTest::qWait(SeveralTicksMs);
    EXPECT_EQ(begins, 0);
}

TEST_F(Calibration, ResetButtonsWithoutChangeButtonsOnlyStopsPolling)
{
    sup->SetChangeButtons(false);
    sup->SetCalibrating(true);
    sup->ResetButtons();
    EXPECT_FALSE(sup->Calibrating());
    for (TButton* button : buttons) {
        EXPECT_EQ(button->Caption(), QStringLiteral("Stop"));
        button->Click();
    }
    EXPECT_EQ(stopClicks, 2);
    EXPECT_EQ(startClicks, 0);
}

TEST_F(Calibration, ResetButtonsCopiesAnUnassignedStartHandler)
{
    sup->OnStartButtonClick = nullptr;
    sup->ResetButtons();
    for (TButton* button : buttons) {
        EXPECT_EQ(button->Caption(), QStringLiteral("Start"));
        EXPECT_FALSE(button->OnClick);
    }
}

TEST_F(Calibration, WithoutDisplaysStillRaisesTheEventsAndDecidesOnFailure)
{
    TSetupSupporter bare(&main);
    bare.SetOnBeginCalib([this](TObject*) { ++begins; });
    int reads = 0;
    bare.OnGetCalibString = [&](TObject*, std::uint8_t, bool&) {
        ++reads;
        return String();
    };
    bare.SetCalibrating(true);
    MessageBoxRecorder boxes({IDCANCEL});
    bare.TimerTick();
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(reads, 8);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, TotalFailureText);
    EXPECT_FALSE(bare.Calibrating());
    for (const TControl* hide : hides)
        EXPECT_TRUE(hide->Visible());
}

TEST_F(Calibration, WritesChannelTwelveWithItsNumberATabAndTheReading)
{
    for (TComboBox* list : lists)
        for (int i = 8; i < 13; ++i)
            list->Items().Add(QStringLiteral("unread"));
    lists[0]->SetItemIndex(2);
    sup->SetChannels(13);
    ReadChannels({12});
    sup->SetCalibrating(true);
    sup->TimerTick();
    EXPECT_EQ(lists[0]->Items().Get(12), QStringLiteral("Channel 12\t12.00 V"));
    EXPECT_EQ(lists[1]->Items().Get(12), QStringLiteral("Channel 12\t12.00 V"));
    EXPECT_EQ(lists[0]->Items().Count(), 13);
    EXPECT_EQ(lists[0]->ItemIndex(), 2);
}

TEST_F(Calibration, ReachesWhateverControlsTheHostsVariablesHoldAtTheTime)
{
    TComboBox* registered = lists[0];
    lists[0] = NewList(8);
    lists[1] = nullptr;
    buttons[1] = nullptr;
    ReadChannels({0});
    sup->SetCalibrating(true);
    sup->TimerTick();
    ExpectLinesWritten(lists[0], 8);
    EXPECT_EQ(registered->Items().Get(0), QStringLiteral("unread"));
    sup->ResetButtons();
    EXPECT_EQ(buttons[0]->Caption(), QStringLiteral("Start"));
}

TEST_F(Calibration, WithoutAReadingEventReportsItThenResetsTheButtons)
{
    sup->SetCalibrating(true);
    int boxes = 0;
    const BoxHook hook([&](const String& text, const String& caption, unsigned flags) {
        ++boxes;
        EXPECT_EQ(
            text, QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."));
        EXPECT_EQ(caption, QStringLiteral("OnGetCalibString Not Assigned"));
        EXPECT_EQ(flags, 0x50030u);
        EXPECT_EQ(begins, 1);
        EXPECT_FALSE(sup->Calibrating());
        EXPECT_EQ(buttons[0]->Caption(), QStringLiteral("Stop")) << "reset before the box closed";
        QTest::qWait(SeveralTicksMs);
        EXPECT_EQ(begins, 1) << "a tick ran while the box was open";
        return IDOK;
    });
    sup->TimerTick();
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(ButtonsReset());
    for (const TControl* hide : hides)
        EXPECT_TRUE(hide->Visible());
}

TEST_F(Calibration, AnErrorInTheBeginEventEndsTheTickWithCalibratingUnchanged)
{
    sup->SetOnBeginCalib(
        [](TObject*) { throw Exception(QStringLiteral("The card did not answer")); });
    ReadChannels();
    sup->SetCalibrating(true);
    EXPECT_THROW(sup->TimerTick(), Exception);
    EXPECT_TRUE(sup->Calibrating());
    EXPECT_TRUE(polled.empty());
    EXPECT_TRUE(hides[0]->Visible());
    sup->SetCalibrating(false);
}

// The report of an error from a host event holds back the ticks that fall due while it is open.
TEST_F(Calibration, AnErrorFromATimerTickIsReportedWithoutTicksPilingUp)
{
    int raised = 0;
    sup->SetOnBeginCalib([&](TObject*) {
        ++raised;
        throw Exception(QStringLiteral("The card did not answer"));
    });
    std::vector<String> reports;
    const BoxHook hook([&](const String& text, const String&, unsigned) {
        reports.push_back(text);
        QTest::qWait(SeveralTicksMs);
        sup->SetCalibrating(false);
        return IDOK;
    });
    sup->SetCalibrating(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reports.empty(); }, 2000));
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(reports, std::vector<String> {QStringLiteral("The card did not answer")});
}

TEST_F(Calibration, AChannelBeyondTheListsItemsEndsTheTickWithAnError)
{
    sup->SetChannels(9);
    ReadChannels();
    sup->SetCalibrating(true);
    EXPECT_THROW(sup->TimerTick(), EStringListError);
    EXPECT_TRUE(sup->Calibrating());
    ExpectLinesWritten(lists[0], 8);
    sup->SetCalibrating(false);
}

// With no channel polled there is no reading and so no evidence of a failure: no box.
TEST_F(Calibration, WithNoChannelsRaisesTheBeginEventOnly)
{
    sup->SetChannels(0);
    ReadChannels();
    sup->SetCalibrating(true);
    sup->TimerTick();
    EXPECT_EQ(begins, 1);
    EXPECT_TRUE(polled.empty());
    EXPECT_TRUE(sup->Calibrating());
    sup->SetCalibrating(false);
}

TEST_F(Calibration, ShowChannelValuesReplacesTheItemInPlace)
{
    sup->ShowChannelValues(5, QStringLiteral("ok"));
    for (TComboBox* list : lists) {
        EXPECT_EQ(list->Items().Get(5), QStringLiteral("Channel 5\tok"));
        EXPECT_EQ(list->Items().Get(4), QStringLiteral("unread"));
        EXPECT_EQ(list->Items().Count(), 8);
    }
}
