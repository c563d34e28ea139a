#include "FirstPaint.h"
#include "Clock.h"
#include <stdexcept>

FirstPaint WaitForFirstPaint(XScreen& screen, const PhotoFinder& photo, const std::string& caption,
    ChildProcess& program, double timeoutMs)
{
    const double deadline = NowMs() + timeoutMs;
    xcb_window_t window = XCB_NONE;
    while (NowMs() < deadline) {
        if (!program.Running())
            throw std::runtime_error("the program ended before its window showed the photograph");
        if (window == XCB_NONE)
            window = screen.FindShownWindow(caption).value_or(XCB_NONE);
        const std::optional<Rect> geometry = window ? screen.Geometry(window) : std::nullopt;
        if (!geometry)
            window = XCB_NONE; // not shown yet, or destroyed: look for the caption again
        // The paint was not on the screen at the previous look and is at this one.
        const double lookedAt = NowMs();
        if (geometry)
            if (const std::optional<Point> origin = photo.Find(screen, *geometry))
                return {lookedAt, *origin};
        SleepMs(1);
    }
    throw std::runtime_error(
        "no window captioned \"" + caption + "\" showed the photograph in time");
}
