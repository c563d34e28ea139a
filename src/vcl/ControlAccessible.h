#pragma once
// Accessibility of the layer's controls through Qt's: windowless controls, which have no widget
// of their own, appear as children of their parent's surface.

#include <QAccessibleWidget>
#include <functional>

class TControl;
class TWinControl;

// The interface assistive technology reaches a control by; null for a control that has none.
QAccessibleInterface* AccessibleOf(TControl* control);
// Drops the interface of a control that goes away.
void ForgetAccessible(TControl* control);
// Makes the surfaces of windowed controls show their windowless children; once, at start.
void InstallAccessibility();
// Tells assistive technology of a change; Qt passes it on only when one listens. The listener,
// when set, hears every announcement whether or not assistive technology runs (tests use it).
void Announce(QAccessibleEvent& event);
using TAccessibilityListener = std::function<void(QAccessibleEvent& event)>;
void SetAccessibilityListener(TAccessibilityListener listener);

// A windowless control, seen as a child of its parent's surface.
class TGraphicAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit TGraphicAccessible(TControl* control) : control_(control) { }

    bool isValid() const override { return control_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void Detach() { control_ = nullptr; }

private:
    TControl* control_;
};

// The surface of a windowed control: its windowless children first, then its widgets.
class TSurfaceAccessible : public QAccessibleWidget
{
public:
    explicit TSurfaceAccessible(QWidget* surface);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    TWinControl* Control() const;
    // The windowless children that are shown, in child order.
    std::vector<TControl*> Graphics() const;
};
