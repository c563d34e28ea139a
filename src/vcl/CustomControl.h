#pragma once
// A windowed control that paints itself: Canvas and Paint over a back buffer.

#include "vcl/WinControl.h"

class TCustomControl : public TWinControl
{
    VCL_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner);

    TCanvas& Canvas() { return canvas_; }
    virtual void Paint() { }

protected:
    void PaintWindow(QImage& buffer, const QRect& update, QPoint offset) override;

private:
    TCanvas canvas_;
};
