#pragma once
// A windowless text label.

#include "vcl/GraphicControl.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl
{
    VCL_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Sized to its text: the right edge stays for right-aligned text, the width for top- or
    // bottom-aligned labels.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    void Paint() override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }

protected:
    void CaptionChanged() override { AdjustBounds(); }
    void FontChanged() override;

private:
    void AdjustBounds();

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
};
