#pragma once
// The application object: the forms, the main form, the idle event, pointer tracking, and
// the guard that shows an error escaping a handler in a message box and goes on.

#include "vcl/Component.h"
#include <exception>
#include <memory>

class QWidget;
class TControl;
class TCustomForm;
class TMouse;
class TScreen;

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
// Answers a message box in place of a person: returns the button's ID.
using TMessageBoxHandler
    = std::function<int(const String& text, const String& caption, unsigned flags)>;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class TApplication : public TComponent
{
    VCL_CLASS(TApplication, TComponent)
public:
    // Needs a QApplication. Creates Screen and Mouse and hooks the event loop.
    TApplication();
    ~TApplication() override;

    // Creates a form owned by the application and runs its creation event; the first form
    // created becomes the main form (until it is freed).
    template<class T> T* CreateForm()
    {
        T* form = new T(this);
        if (!mainForm_)
            mainForm_ = form;
        form->AfterConstruction();
        return form;
    }
    TCustomForm* MainForm() const { return mainForm_; }

    // Shows the main form as its window state says and runs the message loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages waiting now, without waiting for more.
    void ProcessMessages();
    // The work done each time the message queue runs empty: pointer tracking, then OnIdle.
    void Idle();
    // Sends CM_MOUSELEAVE to the control the pointer left, then CM_MOUSEENTER to the control
    // now under it, when that changed.
    void TrackPointer();
    TControl* MouseControl() const { return mouseControl_; }

    TIdleEvent OnIdle;
    String Title;

    // Runs f; an error escaping it is shown in a message box and the program goes on.
    template<class F> void Guard(F&& f) noexcept
    {
        try {
            f();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
    void HandleException(const std::exception_ptr& error) noexcept;
    void ShowException(const String& message);

    // A modal message box with the platform's flags; returns the ID of the button chosen.
    int MessageBox(const String& text, const String& caption, unsigned flags);
    TMessageBoxHandler MessageBoxHandler;

    // Bookkeeping for the layer.
    void ControlDestroying(TControl* control);
    void BeginPaint() { ++paintDepth_; }
    void EndPaint() { --paintDepth_; }

private:
    void HookEventLoop();
    void FocusChanged(QWidget* now);
    int ShowMessageBox(const String& text, const String& caption, unsigned flags);

    TCustomForm* mainForm_ = nullptr;
    TControl* mouseControl_ = nullptr;
    std::unique_ptr<TMouse> mouse_;
    std::unique_ptr<class QObject> hooks_;
    bool terminated_ = false;
    bool inIdle_ = false;
    int paintDepth_ = 0;
    int modalDepth_ = 0;
};

extern TApplication* Application;
