// Starts a program and times it from the moment of starting to the first time its window,
// found by caption, shows the card photograph on the screen; then reads its peak memory.
// Usage: FirstPaintWatcher <caption> <photo.jpg> <program> [arguments...]
// Prints one line: first_paint_ms=<ms> peak_rss_at_paint_kb=<KiB> peak_rss_kb=<KiB>
// (the second figure is read half a second after the paint, when the program has settled).
#include "ChildProcess.h"
#include "Clock.h"
#include "FirstPaint.h"
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <caption> <photo.jpg> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    try {
        XScreen screen;
        const PhotoFinder photo(argv[2]);
        const double start = NowMs();
        ChildProcess program(std::vector<std::string>(argv + 3, argv + argc));
        const FirstPaint paint = WaitForFirstPaint(screen, photo, argv[1], program, 30000);
        const long peakAtPaint = program.PeakResidentKb();
        SleepMs(500);
        const long peak = program.PeakResidentKb();
        program.End();
        std::printf("first_paint_ms=%.1f peak_rss_at_paint_kb=%ld peak_rss_kb=%ld\n",
            paint.timeMs - start, peakAtPaint, peak);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "FirstPaintWatcher: %s\n", error.what());
        return 1;
    }
}
