#include "vcl/ControlAccessible.h"
#include "vcl/SurfaceView.h"
#include "vcl/WinControl.h"
#include <QHash>
#include <QWidget>

namespace {
// The interfaces made for windowless controls, by control. Qt owns them once registered.
QHash<const TControl*, QAccessible::Id>& Registered()
{
    static QHash<const TControl*, QAccessible::Id> registered;
    return registered;
}

TAccessibilityListener& Listener()
{
    static TAccessibilityListener listener;
    return listener;
}

QAccessibleInterface* SurfaceFactory(const QString&, QObject* object)
{
    auto* surface = dynamic_cast<TSurfaceView*>(object);
    return surface ? new TSurfaceAccessible(surface) : nullptr;
}
} // namespace

QAccessibleInterface* AccessibleOf(TControl* control)
{
    if (control->IsWindowed())
        return QAccessible::queryAccessibleInterface(static_cast<TWinControl*>(control)->View());
    auto& registered = Registered();
    auto it = registered.constFind(control);
    if (it != registered.constEnd())
        return QAccessible::accessibleInterface(it.value());
    auto* accessible = new TGraphicAccessible(control);
    registered.insert(control, QAccessible::registerAccessibleInterface(accessible));
    return accessible;
}

void ForgetAccessible(TControl* control)
{
    auto& registered = Registered();
    auto it = registered.find(control);
    if (it == registered.end())
        return;
    if (auto* accessible
        = static_cast<TGraphicAccessible*>(QAccessible::accessibleInterface(it.value())))
        accessible->Detach();
    QAccessible::deleteAccessibleInterface(it.value());
    registered.erase(it);
}

void InstallAccessibility()
{
    QAccessible::installFactory(SurfaceFactory);
}

void Announce(QAccessibleEvent& event)
{
    if (Listener())
        Listener()(event);
    QAccessible::updateAccessibility(&event);
}

void SetAccessibilityListener(TAccessibilityListener listener)
{
    Listener() = std::move(listener);
}

QWindow* TGraphicAccessible::window() const
{
    if (!control_ || !control_->Parent())
        return nullptr;
    return control_->Parent()->ClientView()->window()->windowHandle();
}

QAccessibleInterface* TGraphicAccessible::parent() const
{
    return control_ && control_->Parent()
        ? QAccessible::queryAccessibleInterface(control_->Parent()->ClientView())
        : nullptr;
}

QString TGraphicAccessible::text(QAccessible::Text kind) const
{
    if (!control_)
        return {};
    switch (kind) {
    case QAccessible::Name:
        return control_->AccessibleName();
    case QAccessible::Description:
        return control_->AccessibleDescription();
    default:
        return {};
    }
}

QRect TGraphicAccessible::rect() const
{
    if (!control_)
        return {};
    const TPoint origin = control_->ClientToScreen({0, 0});
    return QRect(origin.X, origin.Y, control_->Width(), control_->Height());
}

QAccessible::Role TGraphicAccessible::role() const
{
    return control_ ? control_->AccessibleRole() : QAccessible::NoRole;
}

QAccessible::State TGraphicAccessible::state() const
{
    QAccessible::State state;
    if (control_)
        control_->AccessibleState(state);
    else
        state.invalid = true;
    return state;
}

void* TGraphicAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList TGraphicAccessible::actionNames() const
{
    const bool pressable = control_ && control_->Enabled()
        && (control_->AccessibleRole() == QAccessible::Button
            || control_->AccessibleRole() == QAccessible::CheckBox);
    return pressable ? QStringList {pressAction()} : QStringList {};
}

void TGraphicAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && actionNames().contains(actionName))
        control_->Click();
}

TSurfaceAccessible::TSurfaceAccessible(QWidget* surface)
    : QAccessibleWidget(surface, QAccessible::Client)
{
}

TWinControl* TSurfaceAccessible::Control() const
{
    return TWinControl::FromView(widget());
}

std::vector<TControl*> TSurfaceAccessible::Graphics() const
{
    std::vector<TControl*> graphics;
    if (TWinControl* control = Control())
        for (int i = 0; i < control->ControlCount(); ++i)
            if (TControl* child = control->Controls(i); !child->IsWindowed() && child->Visible())
                graphics.push_back(child);
    return graphics;
}

int TSurfaceAccessible::childCount() const
{
    return static_cast<int>(Graphics().size()) + QAccessibleWidget::childCount();
}

QAccessibleInterface* TSurfaceAccessible::child(int index) const
{
    const std::vector<TControl*> graphics = Graphics();
    if (index < 0)
        return nullptr;
    if (index < static_cast<int>(graphics.size()))
        return AccessibleOf(graphics[index]);
    return QAccessibleWidget::child(index - static_cast<int>(graphics.size()));
}

int TSurfaceAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const std::vector<TControl*> graphics = Graphics();
    for (std::size_t i = 0; i < graphics.size(); ++i)
        if (AccessibleOf(graphics[i]) == child)
            return static_cast<int>(i);
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + static_cast<int>(graphics.size());
}

QAccessibleInterface* TSurfaceAccessible::childAt(int x, int y) const
{
    if (TWinControl* control = Control()) {
        const TPoint local = control->ScreenToClient({x, y});
        if (TControl* child = control->ControlAtPos(local, true))
            return AccessibleOf(child);
    }
    return QAccessibleWidget::childAt(x, y);
}
