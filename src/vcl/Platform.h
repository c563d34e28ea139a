#pragma once
// Facts about the window system the program runs on.

namespace Platform {
// True under the offscreen platform, where every shown window is activated at once and the
// layer alone decides which window is active.
bool IsOffscreen();
// True when a window manager runs (it then places, frames and maximises windows); false on a
// bare X server such as Xvfb and under the offscreen platform.
bool HasWindowManager();
// Maps "MS Sans Serif", "Tahoma" and "Verdana" to the nearest installed sans-serif faces where
// they are missing. Runs once, at start.
void SubstituteMissingFonts();
} // namespace Platform
