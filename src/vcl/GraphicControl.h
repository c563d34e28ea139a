#pragma once
// Windowless controls: painted by their windowed parent, into its back buffer, in child order.

#include "vcl/Control.h"

#include <QPoint>

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
    // to the control and to clip (client coordinates of the parent, whose point offset is
    // buffer's (0, 0)).
    void PaintIn(QImage& buffer, const QRect& clip, QPoint offset = {});
    // Whether the control reads what lies beneath it on the parent's surface when it paints,
    // which needs the parent to keep a whole back buffer.
    virtual bool ReadsParentSurface() const { return false; }

private:
    TCanvas canvas_;
};
