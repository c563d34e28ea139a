#include "vcl/Application.h"
#include "vcl/ControlAccessible.h"
#include "vcl/Form.h"
#include "vcl/Platform.h"
#include "vcl/Screen.h"
#include "vcl/SysUtils.h"
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

TApplication* Application = nullptr;

namespace {
// Watches the whole program's input for the few things the layer does itself.
class TInputWatcher : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A press in a window activates it, as on the desktop the program was designed for.
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromView(window));
            if (form && !form->Active())
                Application->Guard([form] { Screen->ActivateForm(form); });
        }
        return false;
    }
};
} // namespace

TApplication::TApplication()
    : TComponent(nullptr),
      mouse_(std::make_unique<TMouse>()),
      hooks_(std::make_unique<TInputWatcher>())
{
    Application = this;
    Mouse = mouse_.get();
    Screen = new TScreen(this);
    QApplication::setQuitOnLastWindowClosed(false); // the main form's closing ends the program
    Platform::SubstituteMissingFonts();
    InstallAccessibility();
    HookEventLoop();
}

TApplication::~TApplication()
{
    // Forms (and Screen, created first, freed last) go while Application is still valid.
    while (ComponentCount() > 0)
        Free(Components(ComponentCount() - 1));
    qApp->removeEventFilter(hooks_.get());
    Screen = nullptr;
    Mouse = nullptr;
    Application = nullptr;
}

void TApplication::HookEventLoop()
{
    QObject* hooks = hooks_.get();
    qApp->installEventFilter(hooks);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
        hooks, [this] { Idle(); });
    QObject::connect(qApp, &QApplication::focusChanged, hooks,
        [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

void TApplication::Run()
{
    if (mainForm_ && !terminated_)
        mainForm_->Show();
    if (!terminated_)
        QApplication::exec();
}

void TApplication::Terminate()
{
    terminated_ = true;
    // Not quit(): Qt 6 first asks every window to close, and ours only hide themselves.
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Idle()
{
    if (inIdle_ || modalDepth_ > 0 || terminated_)
        return;
    inIdle_ = true;
    TrackPointer();
    // On the desktop the program was designed for, painting comes before idle time: the idle
    // work waits until a shown main window has been painted once.
    const bool waitingForFirstPaint = mainForm_ && mainForm_->Visible() && !mainForm_->Painted()
        && !mainForm_->View()->isMinimized();
    if (OnIdle && !waitingForFirstPaint) {
        bool done = true;
        // A copy: the handler may unhook itself (or hook another) while it runs.
        const TIdleEvent handler = OnIdle;
        Guard([&] { handler(this, done); });
        if (!done)
            QAbstractEventDispatcher::instance()->wakeUp();
    }
    inIdle_ = false;
}

void TApplication::TrackPointer()
{
    TControl* target = Screen->ControlAtScreen(Mouse->CursorPos());
    if (target == mouseControl_)
        return;
    TControl* old = mouseControl_;
    mouseControl_ = target;
    if (old)
        Guard([old] { old->Perform(CM_MOUSELEAVE); });
    if (target && mouseControl_ == target)
        Guard([target] { target->Perform(CM_MOUSEENTER); });
    // What the handlers changed (windows shown, hidden, moved) takes effect on the next turn
    // of the loop, which then looks at the pointer again.
    QAbstractEventDispatcher::instance()->wakeUp();
}

void TApplication::FocusChanged(QWidget* now)
{
    TWinControl* control = now ? TWinControl::FromView(now) : nullptr;
    if (!control || control->Destroying())
        return;
    if (TCustomForm* form = control->GetParentForm(); form && form != control)
        Guard([&] { form->SetFocusedControl(control); });
}

void TApplication::ControlDestroying(TControl* control)
{
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    // A freed main form must not stay the main form: the help window's tour, the supporter and
    // Run would reach it through MainForm().
    if (mainForm_ == control)
        mainForm_ = nullptr;
    if (!Screen)
        return;
    for (int i = 0; i < Screen->FormCount(); ++i)
        Screen->Forms(i)->ControlDestroyed(control);
}

void TApplication::HandleException(const std::exception_ptr& error) noexcept
{
    String message;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    try {
        if (paintDepth_ > 0) // no modal box in the middle of a paint: show it right after
            QTimer::singleShot(0, qApp, [this, message] { ShowException(message); });
        else
            ShowException(message);
    } catch (...) {
        // Showing the report failed too; nothing more can be done for it.
    }
}

void TApplication::ShowException(const String& message)
{
    MessageBox(message, Title, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const String& text, const String& caption, unsigned flags)
{
    if (MessageBoxHandler)
        return MessageBoxHandler(text, caption, flags);
    ++modalDepth_;
    int answer = IDCANCEL;
    try {
        answer = ShowMessageBox(text, caption, flags);
    } catch (...) {
        --modalDepth_;
        throw;
    }
    --modalDepth_;
    return answer;
}

int TApplication::ShowMessageBox(const String& text, const String& caption, unsigned flags)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Choice
    {
        QMessageBox::StandardButton button;
        int id;
    };
    std::vector<Choice> choices;
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_RETRYCANCEL:
        choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        choices = {{QMessageBox::Ok, IDOK}};
        break;
    }
    for (const Choice& choice : choices)
        box.addButton(choice.button);
    const std::size_t defaultIndex = (flags & MB_DEFBUTTON2) && choices.size() > 1 ? 1 : 0;
    box.setDefaultButton(choices[defaultIndex].button);
    box.setEscapeButton(choices.back().button);
    if (flags & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice& choice : choices)
        if (choice.button == pressed)
            return choice.id;
    return choices.back().id; // closed without a button: as the cancel button
}
