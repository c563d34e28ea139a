#pragma once
// The translucent ring of a highlight marker, shaded into a copy of the background.

#include "vcl/Types.h"

class QImage;

// Shades image (32 bits per pixel, holding the background) with the ring of colour at
// strength: a faint disc inside r < 0.77 of the inscribed ellipse, a ring peaking at
// r = 0.875 and fading to nothing at the edge; with whiteLine the middle of the ring fades
// into a white line. Pixels outside the ellipse keep the background exactly. Intermediates
// are single precision, as the looks were designed with. Images narrower or lower than two
// pixels have no ellipse to shade and are left as they are.
void ShadeRing(QImage& image, TColor colour, float strength, bool whiteLine);
