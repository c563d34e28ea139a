#include "vcl/SurfaceView.h"
#include "vcl/Application.h"
#include "vcl/WinControl.h"
#include <QMouseEvent>
#include <QPainter>

TSurfaceView::TSurfaceView(QWidget* parent) : QWidget(parent)
{
    // The back buffer covers every pixel, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TSurfaceView::paintEvent(QPaintEvent* event)
{
    TWinControl* control = TWinControl::FromView(this);
    if (!control || control->Destroying())
        return;
    QPainter painter(this);
    control->PaintSurface(painter, event->rect());
}

void TSurfaceView::mousePressEvent(QMouseEvent* event)
{
    if (TWinControl* control = TWinControl::FromView(this))
        Application->Guard([&] { control->SurfaceMousePress(event); });
}

void TSurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    if (TWinControl* control = TWinControl::FromView(this))
        Application->Guard([&] { control->SurfaceMouseRelease(event); });
}

void TSurfaceView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (TWinControl* control = TWinControl::FromView(this))
        Application->Guard([&] { control->SurfaceDoubleClick(event); });
}
