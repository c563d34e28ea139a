#include "vcl/Form.h"
#include "vcl/Application.h"
#include "vcl/FormView.h"
#include "vcl/GraphicControl.h"
#include "vcl/Menu.h"
#include "vcl/Platform.h"
#include "vcl/Screen.h"
#include "vcl/SurfaceView.h"
#include <QMenuBar>
#include <QScreen>

namespace {
// The frame the window system adds around the client widget, once the window is shown.
QMargins FrameMargins(const QWidget* view)
{
    const QRect frame = view->frameGeometry();
    const QRect client = view->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
        frame.right() - client.right(), frame.bottom() - client.bottom()};
}
} // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner, new TFormView)
{
    SetBounds(0, 0, 320, 240);
    SetVisible(false);
    Screen->AddForm(this);
    ApplyWindowFlags();
    ApplyFont();
}

TCustomForm::~TCustomForm()
{
    if (Screen)
        Screen->RemoveForm(this);
}

TFormView* TCustomForm::FormView() const
{
    return static_cast<TFormView*>(View());
}

QWidget* TCustomForm::ClientView() const
{
    return FormView()->Client();
}

int TCustomForm::ClientWidth() const
{
    return View()->width();
}

int TCustomForm::ClientHeight() const
{
    return View()->height() - FormView()->MenuBarHeight();
}

void TCustomForm::SetClientWidth(int value)
{
    const QMargins frame = FrameMargins(View());
    SetWidth(value + frame.left() + frame.right());
}

void TCustomForm::SetClientHeight(int value)
{
    const QMargins frame = FrameMargins(View());
    SetHeight(value + FormView()->MenuBarHeight() + frame.top() + frame.bottom());
}

TPoint TCustomForm::ClientOrigin() const
{
    const QPoint origin = ClientView()->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

bool TCustomForm::KeepsBackBuffer() const
{
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (!child->IsWindowed()
            && static_cast<const TGraphicControl*>(child)->ReadsParentSurface())
            return true;
    }
    return false;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (value == formStyle_)
        return;
    formStyle_ = value;
    ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    default:
        break;
    }
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool visible = View()->isVisible();
    View()->setWindowFlags(flags);
    if (visible)
        View()->show();
}

void TCustomForm::SetWindowState(TWindowState value)
{
    if (value == windowState_)
        return;
    windowState_ = value;
    if (Visible())
        ShowView();
}

void TCustomForm::SetConstraints(const TSizeConstraints& value)
{
    constraints_ = value;
    const QMargins frame = FrameMargins(View());
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    View()->setMinimumSize(
        std::max(0, value.MinWidth - frameWidth), std::max(0, value.MinHeight - frameHeight));
    View()->setMaximumSize(value.MaxWidth > 0 ? value.MaxWidth - frameWidth : QWIDGETSIZE_MAX,
        value.MaxHeight > 0 ? value.MaxHeight - frameHeight : QWIDGETSIZE_MAX);
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (menu == menu_)
        return;
    if (menu_)
        menu_->ShowIn(nullptr);
    menu_ = menu;
    if (menu_)
        menu_->ShowIn(FormView()->EnsureMenuBar());
    if (QMenuBar* bar = FormView()->MenuBar())
        bar->setVisible(menu_ != nullptr);
    FormView()->Layout();
    ClientResized();
}

void TCustomForm::BoundsChanged()
{
    if (!syncingFromView_) {
        // Qt reports the move before the resize is done; those reports are our own doing.
        const QMargins frame = FrameMargins(View());
        syncingFromView_ = true;
        View()->move(Left(), Top());
        View()->resize(std::max(1, Width() - frame.left() - frame.right()),
            std::max(1, Height() - frame.top() - frame.bottom()));
        syncingFromView_ = false;
        FormView()->Layout();
    }
    TWinControl::BoundsChanged();
}

void TCustomForm::ViewGeometryChanged()
{
    if (Destroying() || syncingFromView_)
        return;
    const QRect frame = View()->frameGeometry();
    syncingFromView_ = true;
    SetBoundsByParent(frame.x(), frame.y(), frame.width(), frame.height());
    syncingFromView_ = false;
    CheckClientResized();
}

void TCustomForm::CaptionChanged()
{
    View()->setWindowTitle(Caption());
}

void TCustomForm::ApplyColor()
{
    ClientView()->update();
}

void TCustomForm::ApplyFont()
{
    View()->setFont(Font().ToQFont());
}

void TCustomForm::PlaceBeforeFirstShow()
{
    const TRect work = Screen->WorkAreaRect();
    auto centreOn = [this](const TRect& area) {
        SetBounds(area.Left + (area.Width() - Width()) / 2,
            area.Top + (area.Height() - Height()) / 2, Width(), Height());
    };
    switch (position_) {
    case poScreenCenter:
        centreOn(work);
        break;
    case poMainFormCenter: {
        TCustomForm* main = Application->MainForm();
        centreOn(main && main != this ? main->BoundsRect() : work);
        break;
    }
    case poDefault:
        // Without a window manager nothing would place the window; put it where one would.
        if (!Platform::HasWindowManager())
            centreOn(work);
        break;
    default:
        break;
    }
}

void TCustomForm::ShowView()
{
    if (windowState_ == wsMaximized) {
        if (Platform::HasWindowManager() || Platform::IsOffscreen()) {
            View()->showMaximized();
        } else {
            // A bare X server ignores the maximise request: fill the work area ourselves.
            const TRect work = Screen->WorkAreaRect();
            View()->setGeometry(work.Left, work.Top, work.Width(), work.Height());
            View()->show();
        }
    } else if (windowState_ == wsMinimized) {
        View()->showMinimized();
    } else {
        View()->showNormal();
    }
}

void TCustomForm::VisibleChanged()
{
    if (Visible()) {
        if (!shownOnce_) {
            shownOnce_ = true;
            PlaceBeforeFirstShow();
        }
        ShowView();
        ViewGeometryChanged();
        Screen->ActivateForm(this);
    } else {
        View()->hide();
        Screen->FormHidden(this);
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    Screen->ActivateForm(this);
}

void TCustomForm::Close()
{
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

bool TCustomForm::Active() const
{
    return Screen->ActiveForm() == this;
}

void TCustomForm::SetFocus()
{
    Screen->ActivateForm(this);
    if (activeControl_ && Active())
        activeControl_->View()->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::FocusControl(TWinControl* control)
{
    SetFocusedControl(control);
    SetFocus();
}

void TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (control == activeControl_ || (control && control->GetParentForm() != this))
        return;
    TWinControl* old = activeControl_;
    activeControl_ = control;
    // The controls that hold the old one but not the new one lose the focus, innermost first;
    // then those that hold the new one but not the old one gain it, outermost first.
    auto holds = [](const TControl* outer, const TControl* inner) {
        for (; inner; inner = inner->Parent())
            if (inner == outer)
                return true;
        return false;
    };
    for (TWinControl* c = old; c && c != this && !holds(c, control); c = c->Parent())
        Application->Guard([c] { c->Perform(CM_EXIT); });
    std::vector<TWinControl*> entered;
    for (TWinControl* c = control; c && c != this && !holds(c, old); c = c->Parent())
        entered.push_back(c);
    for (auto it = entered.rbegin(); it != entered.rend() && activeControl_ == control; ++it)
        Application->Guard([c = *it] { c->Perform(CM_ENTER); });
}

void TCustomForm::ControlDestroyed(TControl* control)
{
    if (activeControl_ == control)
        activeControl_ = nullptr;
}

bool TCustomForm::DialogKey(int key)
{
    return Broadcast(this, CM_DIALOGKEY, key);
}

void TCustomForm::AfterConstruction()
{
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_ACTIVATE:
        if (OnActivate)
            OnActivate(this);
        break;
    case CM_DEACTIVATE:
        if (OnDeactivate)
            OnDeactivate(this);
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}
