#include "vcl/GraphicControl.h"
#include <QImage>
#include <QRect>

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner)
{
}

void TGraphicControl::PaintIn(QImage& buffer, const QRect& clip, QPoint offset)
{
    const QRect area = QRect(Left(), Top(), Width(), Height()) & clip;
    canvas_.Bind(&buffer, QPoint(Left(), Top()) - offset, area.translated(-offset));
    try {
        Paint();
    } catch (...) {
        canvas_.Unbind();
        throw;
    }
    canvas_.Unbind();
}
