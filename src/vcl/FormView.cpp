#include "vcl/FormView.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Screen.h"
#include "vcl/SurfaceView.h"
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

TFormView::TFormView() : client_(new TSurfaceView(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating); // the layer activates windows itself
}

TCustomForm* TFormView::Form() const
{
    return static_cast<TCustomForm*>(TWinControl::FromView(this));
}

QMenuBar* TFormView::EnsureMenuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        menuBar_->show();
        Layout();
    }
    return menuBar_;
}

int TFormView::MenuBarHeight() const
{
    return menuBar_ ? menuBar_->heightForWidth(width()) : 0;
}

void TFormView::Layout()
{
    const int bar = MenuBarHeight();
    if (menuBar_)
        menuBar_->setGeometry(0, 0, width(), bar);
    client_->setGeometry(0, bar, width(), height() - bar);
}

void TFormView::resizeEvent(QResizeEvent*)
{
    Layout();
    if (TCustomForm* form = Form())
        Application->Guard([form] { form->ViewGeometryChanged(); });
}

void TFormView::moveEvent(QMoveEvent*)
{
    if (TCustomForm* form = Form())
        Application->Guard([form] { form->ViewGeometryChanged(); });
}

void TFormView::closeEvent(QCloseEvent* event)
{
    // The form decides: it hides itself, or ends the program when it is the main window.
    event->ignore();
    if (TCustomForm* form = Form())
        Application->Guard([form] { form->Close(); });
}

void TFormView::keyPressEvent(QKeyEvent* event)
{
    TCustomForm* form = Form();
    bool handled = false;
    if (form)
        Application->Guard([&] { handled = form->DialogKey(event->key()); });
    if (!handled)
        QWidget::keyPressEvent(event);
}

void TFormView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && Screen)
        Application->Guard([] { Screen->PlatformActivationChanged(); });
    QWidget::changeEvent(event);
}
