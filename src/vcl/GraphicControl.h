#pragma once
// Windowless controls: painted by their windowed parent, into its back buffer, in child order.

#include "vcl/Control.h"

class QImage;
class QRect;

class TGraphicControl : public TControl
{
    VCL_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);

    // Bound to the parent's back buffer while the control paints; unbound otherwise.
    TCanvas& Canvas() { return canvas_; }

    // Draws the control on its canvas; the default draws nothing.
    virtual void Paint() { }
    // The parent's paint pass: the canvas draws into buffer at the control's place, clipped
    // to the control and to clip.
    void PaintIn(QImage& buffer, const QRect& clip);

private:
    TCanvas canvas_;
};
