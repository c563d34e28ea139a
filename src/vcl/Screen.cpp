#include "vcl/Screen.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Platform.h"
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

namespace {
QRect PrimaryGeometry(bool workArea)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return workArea ? screen->availableGeometry() : screen->geometry();
}

// After the layer asks for an activation, the window system's reports about other windows
// are stale for a moment: they describe the state before the request.
constexpr qint64 RequestSettleMs = 500;
} // namespace

TScreen::TScreen(TComponent* owner) : TComponent(owner) { }

int TScreen::Width() const
{
    return PrimaryGeometry(false).width();
}
int TScreen::Height() const
{
    return PrimaryGeometry(false).height();
}

TRect TScreen::WorkAreaRect() const
{
    const QRect area = PrimaryGeometry(true);
    return Bounds(area.x(), area.y(), area.width(), area.height());
}

void TScreen::AddForm(TCustomForm* form)
{
    forms_.push_back(form);
    stacking_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(forms_, form);
    std::erase(stacking_, form);
    if (activeForm_ == form)
        activeForm_ = nullptr;
    if (requested_ == form)
        requested_ = nullptr;
}

void TScreen::BringFormToFront(TCustomForm* form)
{
    std::erase(stacking_, form);
    stacking_.push_back(form);
}

std::vector<TCustomForm*> TScreen::FormsInStackingOrder() const
{
    std::vector<TCustomForm*> order;
    for (const bool onTop : {true, false})
        for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it)
            if ((*it)->Visible() && ((*it)->FormStyle() == fsStayOnTop) == onTop)
                order.push_back(*it);
    return order;
}

TControl* TScreen::ControlAtScreen(TPoint point) const
{
    // An open drop-down menu or list is a window of its own above every form.
    if (const QWidget* popup = QApplication::activePopupWidget();
        popup && popup->frameGeometry().contains(point.X, point.Y))
        return nullptr;
    for (TCustomForm* form : FormsInStackingOrder()) {
        if (!form->BoundsRect().Contains(point.X, point.Y))
            continue;
        TControl* control = form;
        TPoint local = form->ScreenToClient(point);
        if (!form->ClientRect().Contains(local.X, local.Y))
            return form; // the frame, caption or menu bar
        while (control->IsWindowed()) {
            TControl* child = static_cast<TWinControl*>(control)->ControlAtPos(local, true);
            if (!child)
                break;
            local = {local.X - child->Left(), local.Y - child->Top()};
            control = child;
        }
        return control;
    }
    return nullptr;
}

void TScreen::ActivateForm(TCustomForm* form)
{
    if (form && (!form->Visible() || form->Destroying()))
        return;
    if (form) {
        BringFormToFront(form);
        requested_ = form;
        requestAge_.start();
        if (!Platform::IsOffscreen()) // which stacks nothing and says so
            RaiseInStackingOrder(form);
        RequestPlatformActivation();
    }
    if (form == activeForm_)
        return;
    TCustomForm* old = activeForm_;
    activeForm_ = form;
    if (old && !old->Destroying()) {
        Application->Guard([&] { old->Perform(WM_ACTIVATE, WA_INACTIVE); });
        Application->Guard([&] { old->Perform(CM_DEACTIVATE); });
    }
    if (form && activeForm_ == form) {
        Application->Guard([&] { form->Perform(WM_ACTIVATE, WA_ACTIVE); });
        Application->Guard([&] { form->Perform(CM_ACTIVATE); });
    }
}

void TScreen::RaiseInStackingOrder(TCustomForm* form)
{
    form->View()->raise();
    if (form->FormStyle() == fsStayOnTop || Platform::HasWindowManager())
        return;
    // Without a window manager nothing keeps stay-on-top windows above an ordinary window that
    // comes to the front: raise them again, lowest first.
    const std::vector<TCustomForm*> order = FormsInStackingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->FormStyle() == fsStayOnTop)
            (*it)->View()->raise();
}

void TScreen::RequestPlatformActivation()
{
    // Asked of the window system once the current event is handled: a press that activates a
    // window may also open a drop-down menu there, which a focus change arriving after it
    // would close again.
    if (activationQueued_)
        return;
    activationQueued_ = true;
    QTimer::singleShot(0, &timerContext_, [this] {
        activationQueued_ = false;
        if (requested_ && requested_ == activeForm_ && requested_->Visible()
            && !QApplication::activePopupWidget())
            requested_->View()->activateWindow();
    });
}

void TScreen::FormHidden(TCustomForm* form)
{
    if (form != activeForm_)
        return;
    // As on the desktop the program was designed for, the next window in the stacking order
    // takes over.
    for (TCustomForm* next : FormsInStackingOrder()) {
        if (next != form) {
            ActivateForm(next);
            return;
        }
    }
    ActivateForm(nullptr);
}

void TScreen::PlatformActivationChanged()
{
    // Under the offscreen platform every shown window is activated at once; there the layer's
    // own decisions are the only truth.
    if (Platform::IsOffscreen())
        return;
    QWidget* window = QApplication::activeWindow();
    TCustomForm* form
        = window ? dynamic_cast<TCustomForm*>(TWinControl::FromView(window)) : nullptr;
    if (requested_ && requestAge_.elapsed() < RequestSettleMs) {
        if (form == requested_)
            requested_ = nullptr;
        return;
    }
    requested_ = nullptr;
    if (form != activeForm_ && (!form || form->Visible()))
        ActivateForm(form);
}

TPoint TMouse::CursorPos() const
{
    const QPoint point = QCursor::pos();
    return {point.x(), point.y()};
}

void TMouse::SetCursorPos(TPoint point)
{
    QCursor::setPos(point.X, point.Y);
}
