#pragma once
// A plain panel: bevels, a border, a caption and its Color.

#include "vcl/CustomControl.h"
#include "vcl/Label.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl
{
    VCL_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

    void Paint() override;

private:
    // Draws one bevel of the given cut around rect and moves rect inside it.
    void DrawBevel(TRect& rect, TBevelCut cut);

    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel
{
    VCL_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};
