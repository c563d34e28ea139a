// Waiting for a program's window to show the card photograph for the first time.
#pragma once
#include "ChildProcess.h"
#include "PhotoFinder.h"
#include "XScreen.h"
#include <string>

struct FirstPaint
{
    double timeMs = 0; // on the monotonic clock of Clock.h
    Point photo; // the photograph's top-left corner on the screen
};

// Looks every millisecond; throws when the program ends or timeoutMs passes first.
FirstPaint WaitForFirstPaint(XScreen& screen, const PhotoFinder& photo, const std::string& caption,
    ChildProcess& program, double timeoutMs);
