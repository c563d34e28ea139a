#include "vcl/PaintBox.h"

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 105, 105);
    SetParentColor(true);
}

void TPaintBox::Paint()
{
    Canvas().Font().Assign(Font());
    Canvas().Brush().SetColor(Color());
    if (OnPaint)
        OnPaint(this);
}
