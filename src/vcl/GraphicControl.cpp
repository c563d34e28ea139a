#include "vcl/GraphicControl.h"
#include <QImage>
#include <QRect>

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { }

void TGraphicControl::PaintIn(QImage& buffer, const QRect& clip, QPoint offset)
{
    const QRect area = QRect(Left(), Top(), Width(), Height()) & clip;
    const TCanvasBinding binding(
        canvas_, &buffer, QPoint(Left(), Top()) - offset, area.translated(-offset));
    Paint();
}
