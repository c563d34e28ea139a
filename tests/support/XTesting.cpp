#include "support/XTesting.h"
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <cstring>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace XTesting {

QString Xdotool(const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    const bool finished = process.waitForFinished(timeoutMs);
    EXPECT_TRUE(finished) << "xdotool " << arguments.join(' ').toStdString() << " timed out";
    EXPECT_EQ(process.exitCode(), 0) << "xdotool " << arguments.join(' ').toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool WindowShown(const QString& title)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"),
        {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"});
    process.waitForFinished(10000);
    return process.exitCode() == 0 && !process.readAllStandardOutput().trimmed().isEmpty();
}

QString WindowId(const QString& title)
{
    return Xdotool(
        {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"})
        .split('\n')
        .value(0);
}

WindowGeometry GeometryOf(const QString& windowId)
{
    WindowGeometry geometry;
    for (const QString& line : Xdotool({"getwindowgeometry", "--shell", windowId}).split('\n')) {
        const QStringList pair = line.split('=');
        if (pair.size() != 2)
            continue;
        const int value = pair[1].toInt();
        if (pair[0] == "X")
            geometry.x = value;
        else if (pair[0] == "Y")
            geometry.y = value;
        else if (pair[0] == "WIDTH")
            geometry.width = value;
        else if (pair[0] == "HEIGHT")
            geometry.height = value;
    }
    return geometry;
}

void CloseWindow(const QString& windowId)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr) << "needs the X11 platform";
    xcb_connection_t* connection = x11->connection();
    auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
        free(reply);
        return value;
    };
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = windowId.toUInt();
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
        reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

void MoveMouse(int x, int y)
{
    // xdotool's --sync waits for the pointer to move, which never comes when it is there.
    if (QCursor::pos() == QPoint(x, y))
        return;
    Xdotool({"mousemove", "--sync", QString::number(x), QString::number(y)});
}

void Click(int x, int y)
{
    MoveMouse(x, y);
    Xdotool({"click", "1"});
}

QImage GrabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

void Wait(int milliseconds)
{
    // A real event loop, which (unlike QTest::qWait) blocks when idle and so runs the layer's
    // idle work exactly as the program's loop does.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace XTesting
