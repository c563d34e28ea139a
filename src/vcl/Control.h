#pragma once
// Controls: a place on a parent's client area, visibility, enabling, anchors, colour, font.

#include "vcl/Component.h"
#include "vcl/Graphics.h"
#include <QAccessible>

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

class TControl : public TComponent
{
    VCL_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form this control stands on (itself for a form), or null.
    TCustomForm* GetParentForm() const;
    virtual bool IsWindowed() const { return false; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    virtual TPoint ClientOrigin() const; // screen position of the client area's top-left corner
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the form visible too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors value);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    String Caption() const { return caption_; }
    void SetCaption(const String& value);

    // Moves the control in front of its siblings of the same kind (windowless or windowed).
    void BringToFront();
    void Invalidate();
    // Invalidates and paints at once.
    void Repaint();

    std::intptr_t Perform(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
    // Answers a message. By default the pointer notifications go on to the parent.
    virtual void WndProc(TMessage& message);
    void Dispatch(TMessage& message) override { WndProc(message); }

    // Raises OnClick with this control as sender.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, int x, int y);
    virtual void MouseUp(TMouseButton button, int x, int y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // What assistive technology is told about the control: its role, its name (a name given
    // to it, else its caption without '&'), a description and its state.
    virtual QAccessible::Role AccessibleRole() const { return QAccessible::Client; }
    virtual String AccessibleName() const;
    virtual String AccessibleDescription() const { return accessibleDescription_; }
    virtual void AccessibleState(QAccessible::State& state) const;
    void SetAccessibleName(const String& value) { accessibleName_ = value; }
    void SetAccessibleDescription(const String& value) { accessibleDescription_ = value; }

protected:
    // Tells assistive technology (when one listens) that the name or the state changed.
    void AnnounceNameChange();
    void AnnounceStateChange(QAccessible::State changed);

    // Hooks for subclasses when a property changed.
    virtual void BoundsChanged() { }
    virtual void VisibleChanged() { }
    virtual void EnabledChanged() { }
    virtual void FontChanged() { }
    virtual void ColorChanged() { }
    virtual void CaptionChanged() { }
    // The parent's font or colour changed; follow it when told to.
    void ParentFontChanged();
    void ParentColorChanged();
    // The parent's client area changed size: follow the anchors.
    void ParentResized(int parentWidth, int parentHeight);
    // Remembers where the control stands for anchoring from now on.
    void UpdateAnchorRules();
    // Sets the bounds as the parent's alignment or anchoring decides them.
    void SetBoundsByParent(int left, int top, int width, int height);

private:
    friend class TWinControl;

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAnchors anchors_ = akLeft | akTop;
    TAlign align_ = alNone;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool followingParentFont_ = false;
    String caption_;
    String accessibleName_;
    String accessibleDescription_;
    // Bounds and the parent's client size when anchoring last took its measure.
    TRect anchorRect_;
    int anchorParentWidth_ = 0, anchorParentHeight_ = 0;
    bool settingByParent_ = false;
};
