#pragma once
// Top-level windows: caption, border and stay-on-top styles, position, state, constraints,
// outer versus client size, activation, focus and closing.

#include "vcl/WinControl.h"

class TFormView;
class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// Sizes of the whole window, frame and caption included; 0 means no limit.
struct TSizeConstraints
{
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

constexpr unsigned CM_DIALOGKEY = CM_BASE + 50; // WParam: Qt key; a control that acts sets Result 1

class TCustomForm : public TWinControl
{
    VCL_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    QWidget* ClientView() const override;
    // Left, Top, Width and Height are the whole window's, frame and caption included.
    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientOrigin() const override;
    // A window's client area is large: it keeps no back buffer unless a windowless child
    // reads the surface beneath it.
    bool KeepsBackBuffer() const override;
    void SetClientWidth(int value);
    void SetClientHeight(int value);

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState value);
    const TSizeConstraints& Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& value);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // Shows the window, brings it to the front and activates it.
    void Show();
    // Runs OnClose, then hides the window (the main window's close ends the program).
    void Close();
    bool Active() const;
    // The window's client area has been painted at least once.
    bool Painted() const { return painted_; }
    // Activates the window and gives the focus to its focused control.
    void SetFocus() override;
    TWinControl* ActiveControl() const { return activeControl_; }
    // Makes control the focused control and activates the window.
    void FocusControl(TWinControl* control);
    // Moves the form's focus to control: the controls left get CM_EXIT, those entered CM_ENTER.
    void SetFocusedControl(TWinControl* control);

    // Runs after the form and its components have been built: raises OnCreate.
    void AfterConstruction();

    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

protected:
    void BoundsChanged() override;
    void VisibleChanged() override;
    void CaptionChanged() override;
    void ApplyColor() override;
    void ApplyFont() override;
    void SurfacePainted() override { painted_ = true; }

private:
    friend class TFormView;
    friend class TScreen;

    TFormView* FormView() const;
    void ApplyWindowFlags();
    void PlaceBeforeFirstShow();
    void ShowView();
    // The window was moved or resized by the user or the window system.
    void ViewGeometryChanged();
    bool DialogKey(int key);

public:
    // Layer bookkeeping: control is going away.
    void ControlDestroyed(TControl* control);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDefault;
    TWindowState windowState_ = wsNormal;
    TSizeConstraints constraints_;
    bool autoScroll_ = true;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    bool shownOnce_ = false;
    bool painted_ = false;
    bool syncingFromView_ = false;
};

class TForm : public TCustomForm
{
    VCL_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};
