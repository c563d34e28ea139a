// Times the settings program's "Relay Enabling" popup: from the pointer entering the marker
// EnableHighlight to the popup's pixels on the screen, for the first showing (the popup is
// built then) and for re-showings after the pointer has left and the popup has closed.
// Usage: HoverWatcher <photo.jpg> <re-showings> <program> [arguments...]
// Prints first_ms=<ms>, then reshow_ms=<ms> once per re-showing.
#include "ChildProcess.h"
#include "Clock.h"
#include "FirstPaint.h"
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

namespace {
const char* const MainCaption = "Setup";
const char* const PopupCaption = "Relay Enabling";
const char* const HelpCaption = "Instructions for Settings utility";
// On the photograph: the middle of the marker, and a spot with no marker and no popup over it.
constexpr Point MarkerCentre {106 + 51 / 2, 249 + 21 / 2};
constexpr Point Bare {560, 200};
// A showing is over when its pixels have not changed for this long.
constexpr double SettledMs = 300;
// The share of the settled pixels that a frame must show to count as the popup painted, so a
// focus frame or caret drawn a little later does not count as the paint.
constexpr double PaintedShare = 0.98;

struct Frame
{
    double timeMs;
    Pixels pixels;
};

double SharedShare(const Pixels& a, const Pixels& b)
{
    if (a.width != b.width || a.height != b.height || a.data.empty())
        return 0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < a.data.size(); ++i)
        same += a.data[i] == b.data[i];
    return double(same) / double(a.data.size());
}

// Every different picture of the window's area from its mapping until it has settled.
std::vector<Frame> WatchShowing(XScreen& screen, const std::string& caption)
{
    const double deadline = NowMs() + 5000;
    xcb_window_t window = XCB_NONE;
    std::optional<Rect> area;
    std::vector<Frame> frames;
    while (NowMs() < deadline && (frames.empty() || NowMs() - frames.back().timeMs < SettledMs)) {
        if (window == XCB_NONE)
            window = screen.FindShownWindow(caption).value_or(XCB_NONE);
        const std::optional<Rect> geometry = window ? screen.Geometry(window) : std::nullopt;
        if (geometry != area) { // moved or resized: only what it shows at its place counts
            area = geometry;
            frames.clear();
        }
        const double lookedAt = NowMs();
        if (area) {
            Pixels pixels = screen.Grab(*area);
            if (frames.empty() || pixels != frames.back().pixels)
                frames.push_back({lookedAt, std::move(pixels)});
        }
        SleepMs(0.5);
    }
    if (frames.empty())
        throw std::runtime_error("the window \"" + caption + "\" did not show");
    return frames;
}

// Milliseconds from moving the pointer onto the spot to the popup painted.
double TimeToPopup(XScreen& screen, Point spot)
{
    const double start = NowMs();
    screen.MovePointer(spot.x, spot.y);
    const std::vector<Frame> frames = WatchShowing(screen, PopupCaption);
    for (const Frame& frame : frames)
        if (SharedShare(frame.pixels, frames.back().pixels) >= PaintedShare)
            return frame.timeMs - start;
    return frames.back().timeMs - start;
}

void WaitUntilHidden(XScreen& screen, const char* caption)
{
    for (const double deadline = NowMs() + 2000; screen.FindShownWindow(caption);) {
        if (NowMs() > deadline)
            throw std::runtime_error(std::string("the window \"") + caption + "\" stays shown");
        SleepMs(1);
    }
}

// The help window follows the first idle moment; closed as its close button would, so it
// covers no marker. It may not exist at all.
void CloseHelpWindow(XScreen& screen)
{
    if (const std::optional<xcb_window_t> help = screen.FindShownWindow(HelpCaption)) {
        screen.AskToClose(*help);
        WaitUntilHidden(screen, HelpCaption);
    }
}

Point On(Point photo, Point spot)
{
    return {photo.x + spot.x, photo.y + spot.y};
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(
            stderr, "usage: %s <photo.jpg> <re-showings> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    try {
        XScreen screen;
        const PhotoFinder photo(argv[1]);
        const int reshowings = std::atoi(argv[2]);
        const Rect bounds = screen.Bounds();
        screen.MovePointer(bounds.width - 1, bounds.height - 1);
        ChildProcess program(std::vector<std::string>(argv + 3, argv + argc));
        const Point origin = WaitForFirstPaint(screen, photo, MainCaption, program, 30000).photo;
        SleepMs(1000);
        CloseHelpWindow(screen);
        const Point bare = On(origin, Bare), marker = On(origin, MarkerCentre);
        screen.MovePointer(bare.x, bare.y);
        SleepMs(SettledMs);
        std::printf("first_ms=%.1f\n", TimeToPopup(screen, marker));
        for (int i = 0; i < reshowings; ++i) {
            screen.MovePointer(bare.x, bare.y);
            WaitUntilHidden(screen, PopupCaption);
            SleepMs(SettledMs);
            std::printf("reshow_ms=%.1f\n", TimeToPopup(screen, marker));
        }
        program.End();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "HoverWatcher: %s\n", error.what());
        return 1;
    }
}
