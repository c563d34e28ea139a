#include "support/XTesting.h"
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QCursor>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <gtest/gtest.h>

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
    process.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name",
                                               "^" + QRegularExpression::escape(title) + "$"});
    process.waitForFinished(10000);
    return process.exitCode() == 0 && !process.readAllStandardOutput().trimmed().isEmpty();
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
