#pragma once
// The small stay-on-top tool window of a marker: its topic panel, the explanation text,
// "Previous", "Next" and "Done", and a status bar.

#include "vcl/Form.h"

class TBoardHighlight;
class TButton;
class TMemo;
class TStatusBar;
class TStrings;

class TPopupForm : public TForm
{
    VCL_CLASS(TPopupForm, TForm)
public:
    // Owned by the marker that builds it, and destroyed with it.
    explicit TPopupForm(TBoardHighlight* marker);

    TStatusBar* PopupStatus = nullptr;
    TButton* PreviousButton = nullptr;
    TButton* NextButton = nullptr;
    TButton* DoneButton = nullptr;
    TMemo* StatusMemo = nullptr;

    TBoardHighlight* Marker() const { return marker_; }
    // When set, the window closes as soon as the pointer leaves it.
    bool CloseOnLeave() const { return closeOnLeave_; }
    void SetCloseOnLeave(bool value) { closeOnLeave_ = value; }

    // The status bar, the three buttons and the text box (with a copy of lines, if any),
    // placed on the client area as it is now.
    void BuildControls(int memoHeight, const TStrings* lines);

    void WndProc(TMessage& message) override;

private:
    TButton* AddButton(const char* name, const char* caption, TRect bounds, TAnchors anchors);

    TBoardHighlight* marker_;
    bool closeOnLeave_ = false;
};
