#pragma once
// The top-level window of a form: an optional menu bar above the client surface.

#include <QWidget>

class QMenuBar;
class TCustomForm;
class TSurfaceView;

class TFormView : public QWidget
{
public:
    TFormView();

    TSurfaceView* Client() const { return client_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    // Creates the menu bar on first use.
    QMenuBar* EnsureMenuBar();
    int MenuBarHeight() const;
    // Places the menu bar and the client surface in the window.
    void Layout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TCustomForm* Form() const;

    QMenuBar* menuBar_ = nullptr;
    TSurfaceView* client_;
};
