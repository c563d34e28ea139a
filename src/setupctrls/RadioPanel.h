#pragma once
// The hidden container of one topic: its controls, and its explanation text, which the popup
// window of a marker shows.

#include "vcl/CustomPanel.h"
#include "vcl/Strings.h"

class TTwoJumper;

class TRadioPanel : public TCustomPanel
{
    VCL_CLASS(TRadioPanel, TCustomPanel)
public:
    explicit TRadioPanel(TComponent* owner);

    // The two-pin jumpers directly on the panel form a radio group.
    bool RadioEnabled() const { return radioEnabled_; }
    void SetRadioEnabled(bool value) { radioEnabled_ = value; }
    TStrings& Lines() { return lines_; }
    // Copies the given lines into the panel's own list.
    void SetLines(const TStrings& value) { lines_.Assign(value); }
    // Height of the text box in which a popup shows Lines.
    int MemoHeight() const { return memoHeight_; }
    void SetMemoHeight(int value) { memoHeight_ = value; }
    // The anchors the panel takes once it is inside its popup.
    TAnchors FinalAnchors() const { return finalAnchors_; }
    void SetFinalAnchors(TAnchors value);
    // A popup has taken the panel in; never cleared.
    bool InPopup() const { return inPopup_; }
    void SetInPopup() { inPopup_ = true; }

    // The radio-group rule: jumper ends closed and every other two-pin jumper directly on the
    // panel open (jumper need not be one of them). Fires OnRadioChange, with jumper as sender,
    // when that changed any of them.
    void SelectJumper(TTwoJumper* jumper);

    // Fired with the selected jumper as sender when the radio-group rule changed a jumper.
    TNotifyEvent OnRadioChange;
    // Adopted by the popup window as its own activation events.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

private:
    bool radioEnabled_ = false;
    TStringList lines_;
    int memoHeight_ = 58;
    TAnchors finalAnchors_ = akLeft | akTop;
    bool inPopup_ = false;
};
