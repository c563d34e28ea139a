// A long random session on the real main window: pointer moves, clicks, menu commands, focus
// moves, window moves and closes, tour steps and paints, with the program's promises checked
// after every step. ZX_STRESS_STEPS sets the length (default 100000), ZX_STRESS_SEED the seed
// (default: a fresh one, printed, so a failure can be replayed).
#include "app/MainForm.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"
#include "setupctrls/SetupSupporter.h"
#include "setupctrls/TechForm.h"
#include "setupctrls/ThreeJumper.h"
#include "setupctrls/TwoJumper.h"
#include "support/VclTesting.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Memo.h"
#include "vcl/Menu.h"
#include "vcl/PaintBox.h"
#include "vcl/Screen.h"
#include "vcl/StatusBar.h"
#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {
quint64 SettingFromEnvironment(const char* name, quint64 fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const quint64 number = value.toULongLong(&ok);
    return ok ? number : fallback;
}

class RandomSession
{
public:
    explicit RandomSession(quint64 seed) : random_(seed)
    {
        form_ = Application->CreateForm<TMainForm>();
        form_->Show();
        VclTesting::ProcessEventsAndIdle(); // the supporter builds its windows
        QTest::qWait(150); // and shows the help window
        markers_ = {form_->ConnectHighlight, form_->EnableHighlight};
        photo_ = form_->BoardImage1->Picture().Graphic() ? RenderBoardPhoto() : QImage();
        WatchConnectionGrowth();
    }

    // One random step; returns what it did, for the failure message.
    QString Step()
    {
        struct Action
        {
            const char* name;
            int weight;
            std::function<void()> run;
        };
        const Action actions[] = {
            {"pointer", 30, [this] { MovePointer(); }},
            {"click marker", 6, [this] { ClickMarker(); }},
            {"click jumper", 6, [this] { ClickJumper(); }},
            {"tour button", 6, [this] { ClickTourButton(); }},
            {"settings entry", 5, [this] { ChooseSettingsEntry(); }},
            {"close box", 4, [this] { CloseSomeWindow(); }},
            {"pick", 5, [this] { PickInEnableBox(); }},
            {"focus", 5, [this] { MoveFocus(); }},
            {"help menu", 3, [this] { HelpMenu(); }},
            {"help buttons", 2, [this] { HelpWindowButtons(); }},
            {"start tour", 2, [this] { form_->BoardImage1->Perform(WM_STARTTOUR); }},
            {"move popup", 4, [this] { MoveOrResizePopup(); }},
            {"paint", 3, [this] { PaintAndCheck(); }},
            {"events", 8, [] { VclTesting::ProcessEventsAndIdle(); }},
        };
        int total = 0;
        for (const Action& action : actions)
            total += action.weight;
        int pick = Between(0, total - 1);
        for (const Action& action : actions) {
            if (pick < action.weight) {
                lastAction_ = QString::fromLatin1(action.name);
                agreementDue_ = false;
                action.run();
                CountShowings();
                return lastAction_;
            }
            pick -= action.weight;
        }
        return {};
    }

    // How many times each group's popup came up: a session that never opened them proves little.
    QString Summary() const
    {
        return QStringLiteral("popups shown %1 and %2 times").arg(showings_[0]).arg(showings_[1]);
    }
    int LeastShowings() const { return std::min(showings_[0], showings_[1]); }

    // The program's promises; an empty result means all hold.
    QStringList Broken() const
    {
        QStringList broken;
        for (TBoardHighlight* marker : markers_)
            CheckGroup(marker, broken);
        int popups = 0;
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* popup = dynamic_cast<TPopupForm*>(Screen->Forms(i))) {
                ++popups;
                if (popup->Owner() != popup->Marker() || !popup->Marker())
                    broken << "a popup without its marker";
            }
        if (popups > 2)
            broken << QStringLiteral("%1 popup windows for two groups").arg(popups);
        if (agreementDue_)
            CheckListAndJumperAgree(broken);
        broken << problems_;
        return broken;
    }

private:
    int Between(int low, int high)
    {
        return low + static_cast<int>(random_.bounded(high - low + 1));
    }
    template<class T> T* Choose(const std::vector<T*>& items)
    {
        return items.empty() ? nullptr : items[Between(0, static_cast<int>(items.size()) - 1)];
    }

    std::vector<TPopupForm*> ShownPopups() const
    {
        std::vector<TPopupForm*> shown;
        for (TBoardHighlight* marker : markers_)
            if (marker->Popup() && marker->Popup()->Visible())
                shown.push_back(marker->Popup());
        return shown;
    }

    void CountShowings()
    {
        for (std::size_t i = 0; i < markers_.size(); ++i) {
            const bool shown = markers_[i]->Popup() && markers_[i]->Popup()->Visible();
            showings_[i] += shown && !wasShown_[i];
            wasShown_[i] = shown;
        }
    }

    void MovePointer()
    {
        std::vector<TPoint> targets;
        for (TBoardHighlight* marker : markers_)
            targets.push_back(marker->ClientToScreen({marker->Width() / 2, marker->Height() / 2}));
        targets.push_back(form_->BoardImage1->ClientToScreen({20, 380})); // bare photograph
        targets.push_back(form_->BoardImage1->ClientToScreen({560, 200})); // the bracket
        targets.push_back({5, 2}); // the menu bar
        targets.push_back({Between(0, 1279), Between(0, 1023)}); // anywhere
        for (TPopupForm* popup : ShownPopups()) {
            TControl* inside[]
                = {popup->StatusMemo, popup->DoneButton, popup->NextButton, popup->PopupStatus};
            TControl* control = inside[Between(0, 3)];
            targets.push_back(control->ClientToScreen({3, 3}));
            targets.push_back({popup->Left() + 2, popup->Top() + 2});
        }
        const TPoint target = targets[Between(0, static_cast<int>(targets.size()) - 1)];
        Mouse->SetCursorPos(target);
        Application->TrackPointer();
    }

    static void Press(TWinControl* surface, QPoint at, QEvent::Type type)
    {
        QMouseEvent event(type, at, surface->ClientView()->mapToGlobal(at), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface->ClientView(), &event);
    }

    void ClickAt(TControl* control, bool doubleClick)
    {
        const QPoint at(
            control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
        TWinControl* surface = control->Parent();
        Press(surface, at, QEvent::MouseButtonPress);
        Press(surface, at, QEvent::MouseButtonRelease);
        if (doubleClick) {
            Press(surface, at, QEvent::MouseButtonDblClick);
            Press(surface, at, QEvent::MouseButtonRelease);
        }
    }

    void ClickMarker() { ClickAt(markers_[Between(0, 1)], Between(0, 9) == 0); }

    void ClickJumper()
    {
        if (Between(0, 3) == 0 && form_->ConnectPanel->Showing()) {
            const bool wasClosed = form_->GNDJumper->Closed();
            ClickAt(form_->GNDJumper, false);
            if (form_->GNDJumper->Closed() != wasClosed)
                problems_ << "the disabled GND jumper took a click";
            return;
        }
        if (!form_->EnablePanel->Showing())
            return;
        ClickAt(form_->EnableJumper, false);
        agreementDue_ = true;
    }

    void ClickTourButton()
    {
        TPopupForm* popup = Choose(ShownPopups());
        if (!popup)
            return;
        TButton* buttons[] = {popup->PreviousButton, popup->NextButton, popup->DoneButton};
        static_cast<QAbstractButton*>(buttons[Between(0, 2)]->View())->click();
    }

    void ChooseSettingsEntry()
    {
        TMenuItem* bar = form_->MainMenu1->Items();
        for (int i = 0; i < bar->Count(); ++i)
            if (bar->Items(i)->Caption() == QLatin1String("&Settings")
                && bar->Items(i)->Count() > 0)
                bar->Items(i)->Items(Between(0, bar->Items(i)->Count() - 1))->Action()->trigger();
    }

    void CloseSomeWindow()
    {
        std::vector<TCustomForm*> closable;
        for (TPopupForm* popup : ShownPopups())
            closable.push_back(popup);
        for (TCustomForm* window : {static_cast<TCustomForm*>(form_->SetSup->HelpForm()),
                 static_cast<TCustomForm*>(form_->SetSup->TechForm())})
            if (window && window->Visible())
                closable.push_back(window);
        if (TCustomForm* window = Choose(closable)) {
            QCloseEvent event;
            QCoreApplication::sendEvent(window->View(), &event);
        }
    }

    void PickInEnableBox()
    {
        if (!form_->EnableBox->Showing())
            return;
        const int index = Between(0, 2);
        form_->EnableBox->Combo()->setCurrentIndex(index);
        emit form_->EnableBox->Combo()->activated(index);
        agreementDue_ = true;
    }

    void MoveFocus()
    {
        std::vector<TWinControl*> targets = {form_->EnableBox, form_->EnablePanel};
        for (TPopupForm* popup : ShownPopups()) {
            targets.push_back(popup->DoneButton);
            targets.push_back(popup->StatusMemo);
        }
        if (Between(0, 7) == 0)
            targets.push_back(form_->ConnectPanel);
        TWinControl* target = Choose(targets);
        if (target && target->CanFocus())
            target->SetFocus();
    }

    void HelpMenu()
    {
        TMenuItem* item = Between(0, 1) ? form_->Howtousethisprogram1 : form_->TechnicalSupport1;
        item->Action()->trigger();
    }

    void HelpWindowButtons()
    {
        if (THelpForm* help = form_->SetSup->HelpForm(); help && help->Visible() && Between(0, 1))
            static_cast<QAbstractButton*>(help->StartButton()->View())->click();
        else if (TTechForm* tech = form_->SetSup->TechForm(); tech && tech->Visible())
            static_cast<QAbstractButton*>(tech->CloseButton()->View())->click();
    }

    void MoveOrResizePopup()
    {
        TPopupForm* popup = Choose(ShownPopups());
        if (!popup)
            return;
        const int width = popup->Constraints().MinWidth + Between(0, 300);
        const int height = popup->Constraints().MinHeight + Between(0, 300);
        popup->SetBounds(Between(-50, 1100), Between(-50, 900), width, height);
    }

    QImage RenderBoardPhoto()
    {
        return VclTesting::Render(form_->BoardImage1).copy(0, 0, 600, 409);
    }

    void PaintAndCheck()
    {
        const QImage board = RenderBoardPhoto();
        // Markers paint only inside themselves: outside them the photograph is untouched.
        for (const TPoint spot :
            {TPoint {20, 380}, TPoint {300, 100}, TPoint {58, 10}, TPoint {128, 10},
                TPoint {105, 259}, TPoint {158, 259}, TPoint {130, 248}, TPoint {130, 271}})
            if (!photo_.isNull() && board.pixel(spot.X, spot.Y) != photo_.pixel(spot.X, spot.Y))
                problems_
                    << QStringLiteral("the photograph changed at (%1, %2)").arg(spot.X).arg(spot.Y);
        if (form_->ConnectPanel->Showing()) {
            const QImage panel = VclTesting::Render(form_->ConnectPanel);
            if (form_->GNDJumper->Closed())
                problems_ << "the GND jumper is shown closed after a paint";
            // The diagram stays inside its paint box: the panel's own face just right of it.
            if (VclTesting::PixelAt(panel, 292, 5) != ColorToRGB(clBtnFace))
                problems_ << "something painted outside the diagram";
        }
    }

    void WatchConnectionGrowth()
    {
        TNotifyEvent grow = form_->ConnectPanel->OnEnter;
        form_->ConnectPanel->OnEnter = [this, grow](TObject* sender) {
            TWinControl* window = form_->ConnectPanel->Parent();
            const int before = window->Height();
            grow(sender);
            if (window->Height() != 3 * before / 2)
                problems_ << QStringLiteral("the connection popup grew from %1 to %2")
                                 .arg(before)
                                 .arg(window->Height());
        };
    }

    static void CheckGroup(TBoardHighlight* marker, QStringList& broken)
    {
        TPopupForm* popup = marker->Popup();
        TMenuItem* entry = nullptr;
        TMenuItem* bar = marker->BoardMenu() ? marker->BoardMenu()->Items() : nullptr;
        for (int i = 0; bar && i < bar->Count(); ++i)
            for (int j = 0; j < bar->Items(i)->Count(); ++j)
                if (bar->Items(i)->Items(j)->Caption() == marker->Title())
                    entry = bar->Items(i)->Items(j);
        const bool shownAndPinned = popup && popup->Visible() && marker->Pinned();
        if (entry && entry->Checked() != shownAndPinned)
            broken << marker->Name() + ": check mark " + (entry->Checked() ? "on" : "off")
                    + " while its popup is " + (shownAndPinned ? "" : "not ") + "shown and pinned";
        if (popup && !popup->Visible() && (marker->Hovered() || marker->PopupActive()))
            broken << marker->Name() + ": hovered or popup-active while its popup is hidden";
        if (popup && popup->Visible() && popup->Active() != marker->PopupActive())
            broken << marker->Name() + ": popup-active does not follow its window's activation";
    }

    void CheckListAndJumperAgree(QStringList& broken) const
    {
        const int index = form_->EnableBox->ItemIndex();
        const TJumperState expected[] = {jsRight, jsOpen, jsLeft};
        if (index >= 0 && form_->EnableJumper->JumperState() != expected[index])
            broken << QStringLiteral("list item %1 with the jumper at %2")
                          .arg(index)
                          .arg(form_->EnableJumper->JumperState());
    }

    QRandomGenerator random_;
    TMainForm* form_ = nullptr;
    std::vector<TBoardHighlight*> markers_;
    QImage photo_;
    QString lastAction_;
    bool agreementDue_ = false;
    int showings_[2] = {0, 0};
    bool wasShown_[2] = {false, false};
    mutable QStringList problems_;
};
} // namespace

TEST(RandomSession, KeepsEveryPromiseStepAfterStep)
{
    const quint64 seed
        = SettingFromEnvironment("ZX_STRESS_SEED", QRandomGenerator::securelySeeded().generate());
    const quint64 steps = SettingFromEnvironment("ZX_STRESS_STEPS", 100000);
    std::printf("random session: seed %llu, %llu steps (replay with ZX_STRESS_SEED=%llu)\n",
        static_cast<unsigned long long>(seed), static_cast<unsigned long long>(steps),
        static_cast<unsigned long long>(seed));
    RecordProperty("seed", std::to_string(seed));
    VclTesting::MessageBoxRecorder boxes;
    RandomSession session(seed);
    QStringList history;
    for (quint64 step = 0; step < steps; ++step) {
        history << session.Step();
        if (history.size() > 12)
            history.removeFirst();
        const QStringList broken = session.Broken();
        ASSERT_TRUE(broken.isEmpty() && boxes.Shown().empty())
            << "step " << step << " of seed " << seed << ": " << broken.join("; ").toStdString()
            << (boxes.Shown().empty() ? "" : " error box: " + boxes.Shown()[0].Text.toStdString())
            << "\n  last steps: " << history.join(", ").toStdString();
    }
    std::printf("%s\n", session.Summary().toStdString().c_str());
    EXPECT_GT(session.LeastShowings(), static_cast<int>(steps / 1000))
        << session.Summary().toStdString();
}
