#include "vcl/CustomControl.h"
#include "vcl/SurfaceView.h"
#include <QImage>

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner, new TSurfaceView) { }

void TCustomControl::PaintWindow(QImage& buffer, const QRect& update, QPoint offset)
{
    if (!Opaque())
        TWinControl::PaintWindow(buffer, update, offset); // the background in Color
    const TCanvasBinding binding(canvas_, &buffer, -offset, update.translated(-offset));
    Paint();
}
