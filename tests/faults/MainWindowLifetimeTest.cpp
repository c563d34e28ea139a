// The main window with every window of the program opened once, then freed: every form it
// built goes with it and nothing refers to them afterwards. (Under AddressSanitizer any later
// use of what was freed fails the run.)
#include "ProgramWindow.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/SetupSupporter.h"
#include "setupctrls/SetupTypes.h"
#include "setupctrls/TechForm.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/Menu.h"
#include "vcl/Screen.h"
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using FaultTesting::SeveralTicksMs;
using VclTesting::ProcessEventsAndIdle;

namespace {

bool Shown(const TPopupForm* popup)
{
    return popup && popup->Visible();
}

void MovePointerTo(TPoint point)
{
    Mouse->SetCursorPos(point);
    ProcessEventsAndIdle();
}

} // namespace

// Not on the ProgramWindow fixture: the test frees the window itself and compares with the
// application as it was before the window was made.
TEST(MainWindowLifetime, FreeingItTakesEveryWindowOfTheProgramAlong)
{
    ASSERT_EQ(Application->MainForm(), nullptr);
    const int formsBefore = Screen->FormCount();
    const auto widgetsBefore = QApplication::allWidgets().size();

    // As main() and Application->Run do.
    auto* form = Application->CreateForm<TMainForm>();
    form->Show();
    ProcessEventsAndIdle(); // the first idle moment builds the supporter's windows
    THelpForm* help = form->SetSup->HelpForm();
    TTechForm* tech = form->SetSup->TechForm();
    ASSERT_NE(help, nullptr);
    ASSERT_NE(tech, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->Visible(); }, 2000));

    // The tour across both popups and back to the first.
    TBoardHighlight* connect = form->ConnectHighlight;
    TBoardHighlight* enable = form->EnableHighlight;
    help->Hide();
    form->BoardImage1->Perform(WM_STARTTOUR);
    ASSERT_TRUE(Shown(connect->Popup()));
    connect->Popup()->NextButton->Click();
    ASSERT_TRUE(Shown(enable->Popup()));
    EXPECT_FALSE(Shown(connect->Popup()));
    enable->Popup()->NextButton->Click();
    EXPECT_TRUE(Shown(connect->Popup()));
    EXPECT_FALSE(Shown(enable->Popup()));
    connect->Popup()->DoneButton->Click();

    form->Howtousethisprogram1->Click();
    form->TechnicalSupport1->Click();
    EXPECT_TRUE(help->Visible());
    EXPECT_TRUE(tech->Visible());
    help->Hide();
    tech->Hide();

    // Hovering: the pointer on each marker, then away; the last one stays under it, so the
    // application's pointer tracking holds a control of the window when it goes.
    MovePointerTo({1279, 1023});
    MovePointerTo(enable->ClientToScreen({5, 5}));
    EXPECT_TRUE(Shown(enable->Popup()));
    MovePointerTo({1279, 1023});
    MovePointerTo(connect->ClientToScreen({5, 5}));
    EXPECT_TRUE(Shown(connect->Popup()));
    ASSERT_EQ(Application->MouseControl(), connect);

    // Every form the program built: the main window, help, support and the two popups.
    const std::vector<TCustomForm*> built {form, help, tech, connect->Popup(), enable->Popup()};
    ASSERT_EQ(Screen->FormCount(), formsBefore + static_cast<int>(built.size()));
    std::vector<QPointer<QWidget>> views;
    for (TCustomForm* window : built)
        views.emplace_back(window->View());

    TComponent::Free(form);

    EXPECT_EQ(Screen->FormCount(), formsBefore);
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->MouseControl(), nullptr);
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    EXPECT_FALSE(Application->OnIdle);
    for (const QPointer<QWidget>& view : views)
        EXPECT_TRUE(view.isNull()) << "a window of the program outlived it";

    // The program's loop goes on: timers, queued calls and pointer tracking run now, and would
    // reach anything that still held on to what was freed.
    MovePointerTo({10, 10});
    QTest::qWait(SeveralTicksMs);
    ProcessEventsAndIdle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
}
