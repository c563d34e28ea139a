#include "vcl/Form.h"
#include "support/LoggingForm.h"
#include "support/VclTesting.h"
#include "vcl/Application.h"
#include "vcl/Button.h"
#include "vcl/CustomPanel.h"
#include "vcl/GraphicControl.h"
#include "vcl/Menu.h"
#include "vcl/Screen.h"
#include "vcl/SysUtils.h"
#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <memory>

using VclTesting::MessageBoxRecorder;
using VclTesting::ProcessEventsAndIdle;

namespace {
using VclTesting::Log;
using VclTesting::LoggingForm;

class LoggingGraphic : public TGraphicControl
{
    VCL_CLASS(LoggingGraphic, TGraphicControl)
public:
    LoggingGraphic(TWinControl* parent, Log& log) : TGraphicControl(parent), log_(log)
    {
        SetName(QStringLiteral("Spot"));
        SetParent(parent);
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
            log_.push_back(Name() + (message.Msg == CM_MOUSEENTER ? " enter" : " leave"));
            return; // handled here: not passed on to the parent
        }
        TGraphicControl::WndProc(message);
    }

private:
    Log& log_;
};
} // namespace

TEST(Form, OuterSizeIncludesTheMenuBarAndClientSizeExcludesIt)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption(QStringLiteral("&File"));
    menu->Items()->Add(file);
    form.SetMenu(menu);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(form.Width(), 300); // the offscreen platform adds no frame
    EXPECT_GT(form.Height(), 200);
    EXPECT_EQ(form.Height() - form.ClientHeight(), form.View()->height() - 200);
}

TEST(Form, CloseRunsOnCloseThenHidesUnlessTheHandlerSaysNone)
{
    TForm form(nullptr);
    form.Show();
    TCloseAction answer = caHide;
    int closes = 0;
    form.OnClose = [&](TObject* sender, TCloseAction& action) {
        closes += sender == &form;
        EXPECT_TRUE(form.Visible()) << "OnClose runs before the window hides";
        action = answer;
    };
    answer = caNone;
    form.Close();
    EXPECT_TRUE(form.Visible());
    answer = caHide;
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(closes, 2);
}

TEST(Form, ActivationMovesWithShowingAndHiding)
{
    Log log;
    LoggingForm a(log, "A"), b(log, "B");
    a.Show();
    b.Show();
    EXPECT_EQ(Screen->ActiveForm(), &b);
    b.Hide();
    EXPECT_EQ(Screen->ActiveForm(), &a);
    EXPECT_EQ(log, (Log {"A active", "A inactive", "B active", "B inactive", "A active"}));
}

TEST(Form, FocusLeavesTheOldChainInnermostFirstAndEntersOutermostFirst)
{
    Log log;
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* inside = new TButton(&form);
    inside->SetParent(panel);
    auto* outside = new TButton(&form);
    outside->SetParent(&form);
    for (TWinControl* control : std::initializer_list<TWinControl*> {panel, inside, outside}) {
        control->OnEnter
            = [&log, control](TObject*) { log.push_back(control->ClassName() + " enter"); };
        control->OnExit
            = [&log, control](TObject*) { log.push_back(control->ClassName() + " exit"); };
    }
    form.Show();
    inside->SetFocus();
    EXPECT_EQ(log, (Log {"TPanel enter", "TButton enter"}));
    log.clear();
    outside->SetFocus();
    EXPECT_EQ(log, (Log {"TButton exit", "TPanel exit", "TButton enter"}));
    EXPECT_EQ(form.ActiveControl(), outside);
}

TEST(Pointer, TrackingSendsOneLeaveThenOneEnterAcrossOverlappingWindows)
{
    Log log;
    LoggingForm below(log, "Below"), above(log, "Above");
    below.Place(Bounds(100, 100, 300, 200));
    above.Place(Bounds(250, 150, 300, 200));
    above.SetFormStyle(fsStayOnTop);
    auto* spot = new LoggingGraphic(&below, log);
    spot->SetBounds(10, 10, 40, 40);
    above.Show();
    below.Show(); // shown later, yet the stay-on-top window stays above it
    ProcessEventsAndIdle();
    log.clear();

    auto moveTo = [&](int x, int y) {
        Mouse->SetCursorPos({x, y});
        ProcessEventsAndIdle();
    };
    const TPoint spotOnScreen = spot->ClientToScreen({5, 5});
    moveTo(spotOnScreen.X, spotOnScreen.Y);
    moveTo(spotOnScreen.X + 1, spotOnScreen.Y); // no change: no message
    moveTo(300, 200); // where both windows overlap
    moveTo(200, 250); // only the lower window
    moveTo(5, 5); // no window of ours
    EXPECT_EQ(log,
        (Log {"Spot enter", "Spot leave", "Above enter", "Above leave", "Below enter",
            "Below leave"}));
}

TEST(Menu, ItemsShowInTheBarInOrderAndCheckMarksFollowTheItem)
{
    TForm form(nullptr);
    auto* menu = new TMainMenu(&form);
    auto item = [&](const char* caption) {
        auto* it = new TMenuItem(&form);
        it->SetCaption(QString::fromLatin1(caption));
        return it;
    };
    TMenuItem* file = item("&File");
    TMenuItem* help = item("&Help");
    menu->Items()->Add(file);
    menu->Items()->Add(help);
    form.SetMenu(menu);
    TMenuItem* settings = item("&Settings");
    menu->Items()->Insert(1, settings);
    TMenuItem* entry = item("Relay &Enabling");
    settings->Add(entry);

    QStringList bar;
    for (QAction* action : form.View()->findChild<QMenuBar*>()->actions())
        bar << action->text();
    EXPECT_EQ(bar, (QStringList {"&File", "&Settings", "&Help"}));

    int clicks = 0;
    entry->OnClick = [&](TObject* sender) {
        clicks += sender == entry;
        entry->SetChecked(!entry->Checked());
    };
    entry->Action()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(entry->Action()->isChecked());
    entry->Action()->trigger();
    EXPECT_FALSE(entry->Action()->isChecked()) << "the item's state rules, not Qt's toggling";
}

TEST(Application, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    MessageBoxRecorder boxes;
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception(QStringLiteral("Not enough timers available"));
    };
    static_cast<QAbstractButton*>(button->View())->click();
    static_cast<QAbstractButton*>(button->View())->click();
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].Text, QStringLiteral("Not enough timers available"));
    EXPECT_EQ(boxes.Shown()[0].Flags & MB_ICONERROR, MB_ICONERROR);
}
