// The ZX-4410 settings program: one main window, run until it is closed.
#include "app/MainForm.h"
#include "vcl/Application.h"
#include <QApplication>

int main(int argc, char** argv)
{
    // Qt's glib dispatcher announces "about to block" on every turn of the loop; its own
    // dispatcher only when the queue has run empty, which is when idle work belongs.
    qputenv("QT_NO_GLIB", "1");
    // The program places its own windows, which a Wayland compositor does not allow; run on
    // XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zx4410-setup"));

    TApplication application;
    application.Title = QStringLiteral("Setup");
    application.CreateForm<TMainForm>();
    application.Run();
    return 0;
}
