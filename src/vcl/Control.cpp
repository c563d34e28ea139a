#include "vcl/Control.h"
#include "vcl/Application.h"
#include "vcl/ControlAccessible.h"
#include "vcl/Form.h"
#include "vcl/WinControl.h"
#include <QWidget>
#include <cmath>

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    font_.OnChange = [this](TObject*) {
        if (!followingParentFont_)
            parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    ForgetAccessible(this);
    if (Application)
        Application->ControlDestroying(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    if (parent_) {
        ParentFontChanged();
        ParentColorChanged();
        UpdateAnchorRules();
    }
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* control = this;
    while (control->parent_)
        control = control->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const bool wasShown = parent_ && visible_;
    if (wasShown && !IsWindowed())
        Invalidate(); // the old place
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!settingByParent_)
        UpdateAnchorRules();
    BoundsChanged();
    if (wasShown && !IsWindowed())
        Invalidate(); // the new place
    if (parent_ && align_ != alNone && !settingByParent_)
        parent_->AlignControls();
}

void TControl::SetBoundsByParent(int left, int top, int width, int height)
{
    settingByParent_ = true;
    SetBounds(left, top, width, height);
    settingByParent_ = false;
}

void TControl::UpdateAnchorRules()
{
    anchorRect_ = BoundsRect();
    if (parent_) {
        anchorParentWidth_ = parent_->ClientWidth();
        anchorParentHeight_ = parent_->ClientHeight();
    }
}

namespace {
// One axis of anchoring: where a control of the remembered start and size stands when its
// parent went from the remembered extent to the new one.
void FollowAnchors(bool nearSide, bool farSide, int start, int size, int oldExtent, int newExtent,
    int& outStart, int& outSize)
{
    const int delta = newExtent - oldExtent;
    outStart = start;
    outSize = size;
    if (nearSide && farSide)
        outSize = std::max(0, size + delta);
    else if (farSide)
        outStart = start + delta;
    else if (!nearSide && oldExtent > 0) // keeps its centre at the same proportion
        outStart = RoundHalfEven((start + size / 2.0) * newExtent / oldExtent - size / 2.0);
}
} // namespace

void TControl::ParentResized(int parentWidth, int parentHeight)
{
    if (anchorParentWidth_ == 0 && anchorParentHeight_ == 0) {
        UpdateAnchorRules();
        return;
    }
    int left, width, top, height;
    FollowAnchors(anchors_ & akLeft, anchors_ & akRight, anchorRect_.Left, anchorRect_.Width(),
        anchorParentWidth_, parentWidth, left, width);
    FollowAnchors(anchors_ & akTop, anchors_ & akBottom, anchorRect_.Top, anchorRect_.Height(),
        anchorParentHeight_, parentHeight, top, height);
    SetBoundsByParent(left, top, width, height);
}

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return {left_, top_};
    const TPoint origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint point) const
{
    const TPoint origin = ClientOrigin();
    return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const
{
    const TPoint origin = ClientOrigin();
    return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetVisible(bool value)
{
    if (value == visible_)
        return;
    if (!value && !IsWindowed())
        Invalidate();
    visible_ = value;
    VisibleChanged();
    if (value && !IsWindowed())
        Invalidate();
    if (parent_ && align_ != alNone)
        parent_->AlignControls();
}

bool TControl::Showing() const
{
    for (const TControl* control = this; control; control = control->parent_)
        if (!control->visible_)
            return false;
    return true;
}

void TControl::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    EnabledChanged();
    Invalidate();
}

void TControl::SetAnchors(TAnchors value)
{
    if (value == anchors_)
        return;
    anchors_ = value;
    UpdateAnchorRules();
}

void TControl::SetAlign(TAlign value)
{
    if (value == align_)
        return;
    align_ = value;
    if (parent_)
        parent_->AlignControls();
}

void TControl::SetColor(TColor value)
{
    parentColor_ = false;
    if (value == color_)
        return;
    color_ = value;
    ColorChanged();
    Invalidate();
}

void TControl::SetParentColor(bool value)
{
    if (value == parentColor_)
        return;
    parentColor_ = value;
    ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!parentColor_ || !parent_ || parent_->Color() == color_)
        return;
    color_ = parent_->Color();
    ColorChanged();
    Invalidate();
}

void TControl::SetParentFont(bool value)
{
    if (value == parentFont_)
        return;
    parentFont_ = value;
    ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!parentFont_ || !parent_ || parent_->Font() == font_)
        return;
    followingParentFont_ = true;
    font_.Assign(parent_->Font());
    followingParentFont_ = false;
}

void TControl::SetCaption(const String& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    CaptionChanged();
    Invalidate();
}

void TControl::BringToFront()
{
    if (parent_)
        parent_->InsertControl(this); // moves it to the end of its kind
    Invalidate();
}

void TControl::Invalidate()
{
    if (!parent_ || Destroying())
        return;
    if (IsWindowed()) {
        static_cast<TWinControl*>(this)->ClientView()->update();
        return;
    }
    if (visible_)
        parent_->ClientView()->update(left_, top_, width_, height_);
}

void TControl::Repaint()
{
    if (!parent_ || Destroying() || !Showing())
        return;
    if (IsWindowed())
        static_cast<TWinControl*>(this)->ClientView()->repaint();
    else
        parent_->ClientView()->repaint(left_, top_, width_, height_);
}

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessage message {msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (parent_)
            parent_->WndProc(message);
        break;
    default:
        break;
    }
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton, int, int) { }
void TControl::MouseUp(TMouseButton, int, int) { }

String TControl::AccessibleName() const
{
    return accessibleName_.isEmpty() ? String(caption_).remove(QLatin1Char('&')) : accessibleName_;
}

void TControl::AccessibleState(QAccessible::State& state) const
{
    state.disabled = !enabled_;
    state.invisible = !Showing();
}

void TControl::AnnounceNameChange()
{
    if (QAccessibleInterface* accessible = AccessibleOf(this)) {
        QAccessibleEvent event(accessible, QAccessible::NameChanged);
        Announce(event);
    }
}

void TControl::AnnounceStateChange(QAccessible::State changed)
{
    if (QAccessibleInterface* accessible = AccessibleOf(this)) {
        QAccessibleStateChangeEvent event(accessible, changed);
        Announce(event);
    }
}
