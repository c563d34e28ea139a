#pragma once
// The view of a control that paints itself: hands paint and mouse events to its control.

#include <QWidget>

class TSurfaceView : public QWidget
{
public:
    explicit TSurfaceView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
