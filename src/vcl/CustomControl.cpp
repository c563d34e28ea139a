#include "vcl/CustomControl.h"
#include "vcl/SurfaceView.h"
#include <QImage>

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner, new TSurfaceView)
{
}

void TCustomControl::PaintWindow(QImage& buffer, const QRect& update)
{
    if (!Opaque())
        TWinControl::PaintWindow(buffer, update); // the background in Color
    canvas_.Bind(&buffer, QPoint(), update);
    try {
        Paint();
    } catch (...) {
        canvas_.Unbind();
        throw;
    }
    canvas_.Unbind();
}
