#pragma once
// Helpers for tests that run on a real X server (Xvfb) and act as a person would, through
// the XTEST extension (xdotool), and read the screen.

#include <QImage>
#include <QString>
#include <QStringList>

namespace XTesting {

// Runs xdotool with arguments; returns its standard output (trimmed). Fails the test when
// xdotool fails.
QString Xdotool(const QStringList& arguments, int timeoutMs = 10000);
// True while a visible window of that exact title exists.
bool WindowShown(const QString& title);
// The X window id of the first visible window of that exact title, or empty.
QString WindowId(const QString& title);
// A window's place and size on the screen, as the X server has them.
struct WindowGeometry
{
    int x = 0, y = 0, width = 0, height = 0;
};
WindowGeometry GeometryOf(const QString& windowId);
// Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW).
void CloseWindow(const QString& windowId);
// Moves the real pointer there; Click then presses and releases the left button.
void MoveMouse(int x, int y);
void Click(int x, int y);
// The whole screen as a person sees it.
QImage GrabScreen();
// Runs the event loop for the given time, so that the idle work runs as in the program.
void Wait(int milliseconds);
// Waits (handling events) until condition holds or the time is up; returns whether it held.
template<class Condition> bool WaitFor(Condition condition, int timeoutMs = 5000);

} // namespace XTesting

#include "support/XTesting.inl"
