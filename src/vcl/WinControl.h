#pragma once
// Windowed controls: each is backed by one QWidget, its view, which it owns.

#include "vcl/Control.h"
#include <QImage>
#include <vector>

class QWidget;
class QPainter;
class QMouseEvent;
class TSurfaceView;

class TWinControl : public TControl
{
    VCL_CLASS(TWinControl, TControl)
public:
    // Takes ownership of view.
    TWinControl(TComponent* owner, QWidget* view);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    QWidget* View() const { return view_; }
    // Where child controls live; a form's client area rather than its frame.
    virtual QWidget* ClientView() const { return view_; }
    // The control whose view is widget or holds it, or null.
    static TWinControl* FromView(const QWidget* widget);

    // Child controls: the windowless ones first, then the windowed ones, each in their order.
    int ControlCount() const { return static_cast<int>(graphics_.size() + windows_.size()); }
    TControl* Controls(int index) const;
    int IndexOfControl(const TControl* control) const;
    // The topmost visible child at a client point: windowed children stand above windowless
    // ones, and later children above earlier ones. Null when there is none.
    TControl* ControlAtPos(TPoint point, bool allowDisabled) const;

    bool Focused() const;
    bool CanFocus() const;
    // Makes this control the focused control of its form and activates the form.
    virtual void SetFocus();
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);

    void WndProc(TMessage& message) override;

    // The pixels of the last paint pass of this control's client area, for a control that
    // keeps them (see KeepsBackBuffer).
    const QImage& BackBuffer() const { return backBuffer_; }
    // Whether the client area is painted into a back buffer of its own size that is kept
    // between paints, which windowless children may read. Otherwise it is painted in bands
    // through a small buffer, which saves the memory of a whole window's pixels.
    virtual bool KeepsBackBuffer() const { return true; }
    // The window system has made the control's window (its form has been shown).
    bool HandleAllocated() const;
    // An opaque control covers its whole area itself; others get their Color first.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool value) { opaque_ = value; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Lays out the aligned children and moves the anchored ones to the client size.
    void AlignControls();

    // Sends a message to every visible, enabled control inside parent, depth first, until one
    // sets a non-zero result; returns whether one did.
    static bool Broadcast(TWinControl* parent, unsigned msg, std::intptr_t wParam);

    void SetParent(TWinControl* parent) override;

protected:
    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

    // Own drawing of a surface into buffer before the windowless children; buffer's (0, 0)
    // is offset in client coordinates. The default fills the update area with Color.
    virtual void PaintWindow(QImage& buffer, const QRect& update, QPoint offset);
    // The client area changed size.
    virtual void ClientResized();
    // A paint pass of the client area has been shown.
    virtual void SurfacePainted() { }
    // Runs ClientResized when the client size differs from the last one seen.
    void CheckClientResized();
    // Applies the control's font to its view; overridden by views that show text.
    virtual void ApplyFont();
    virtual void ApplyColor() { }
    void SetView(QWidget* view);

private:
    friend class TControl;
    friend class TSurfaceView;

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void ApplyTabOrder();

    // Surface mechanics, called by the surface view.
    void PaintSurface(QPainter& target, const QRect& update);
    // Paints the part clip of the client area into buffer, whose (0, 0) is offset.
    void PaintPass(QImage& buffer, const QRect& clip, QPoint offset);
    void SurfaceMousePress(QMouseEvent* event);
    void SurfaceMouseRelease(QMouseEvent* event);
    void SurfaceDoubleClick(QMouseEvent* event);
    TControl* MouseTargetAt(TPoint point) const;
    TPoint LocalPoint(const TControl* target, TPoint point) const;

    QWidget* view_;
    std::vector<TControl*> graphics_;
    std::vector<TWinControl*> windows_;
    QImage backBuffer_;
    TControl* pressed_ = nullptr;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    bool aligning_ = false;
    bool opaque_ = false;
    int lastClientWidth_ = 0, lastClientHeight_ = 0;
};
