#include "vcl/CustomControl.h"
#include "vcl/SurfaceView.h"
#include <QImage>

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner, new TSurfaceView)
{
}

void TCustomControl::PaintWindow(QImage& buffer, const QRect& update)
{
    canvas_.Bind(&buffer, QPoint(), update);
    try {
        Paint();
    } catch (...) {
        canvas_.Unbind();
        throw;
    }
    canvas_.Unbind();
}
