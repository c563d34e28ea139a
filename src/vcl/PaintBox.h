#pragma once
// A windowless drawing surface whose drawing is its OnPaint handler.

#include "vcl/GraphicControl.h"

class TPaintBox : public TGraphicControl
{
    VCL_CLASS(TPaintBox, TGraphicControl)
public:
    explicit TPaintBox(TComponent* owner);
    // Gives the canvas the control's font and colour, then runs OnPaint.
    void Paint() override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::Graphic; }
    TNotifyEvent OnPaint;
};
