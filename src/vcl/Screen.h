#pragma once
// The screen: its size, the program's forms in their stacking order, and which one is active.

#include "vcl/Component.h"
#include <QElapsedTimer>
#include <QObject>
#include <vector>

class TCustomForm;
class TControl;

class TScreen : public TComponent
{
    VCL_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);

    // The whole primary screen, in pixels.
    int Width() const;
    int Height() const;
    // The part of the screen that windows may use (without panels and docks).
    TRect WorkAreaRect() const;

    // Every form of the program, visible or hidden, in creation order.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(index); }

    TCustomForm* ActiveForm() const { return activeForm_; }
    // Makes form the active window (null: none); the old one gets WM_ACTIVATE WA_INACTIVE,
    // the new one WM_ACTIVATE WA_ACTIVE, each then CM_DEACTIVATE / CM_ACTIVATE.
    void ActivateForm(TCustomForm* form);

    // The visible control under a screen point: the topmost visible form there (stay-on-top
    // forms above the others), then the topmost child control at that point, disabled ones
    // included. Null when no form of the program is there.
    TControl* ControlAtScreen(TPoint point) const;
    // Visible forms, the topmost first.
    std::vector<TCustomForm*> FormsInStackingOrder() const;

    // Layer bookkeeping: the window system (de)activated a window of ours.
    void PlatformActivationChanged();

private:
    friend class TCustomForm;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void BringFormToFront(TCustomForm* form);
    void FormHidden(TCustomForm* form);
    void RequestPlatformActivation();
    void RaiseInStackingOrder(TCustomForm* form);
    std::vector<TCustomForm*> forms_;
    std::vector<TCustomForm*> stacking_; // bottom first
    TCustomForm* activeForm_ = nullptr;
    TCustomForm* requested_ = nullptr;
    QElapsedTimer requestAge_;
    bool activationQueued_ = false;
    QObject timerContext_; // cancels a queued activation when the screen goes
};

// The pointer.
class TMouse
{
public:
    TPoint CursorPos() const;
    void SetCursorPos(TPoint point);
};

extern TScreen* Screen;
extern TMouse* Mouse;
