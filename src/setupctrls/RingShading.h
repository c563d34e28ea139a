#pragma once
// The translucent ring of a highlight marker, shaded into a copy of the background.

#include "vcl/Types.h"
#include <span>

class QImage;

// One look: its image becomes the background (as 32 bits per pixel) shaded at strength;
// whiteLine fades the middle of the ring into a white line.
struct TRingLook
{
    QImage* image;
    float strength;
    bool whiteLine;
};

// Shades the ring of colour over background into every look: a faint disc inside r < 0.77 of
// the inscribed ellipse, a ring peaking at r = 0.875 and fading to nothing at the edge. Pixels
// outside the ellipse keep the background exactly. Intermediates are single precision, as the
// looks were designed with. The geometry is worked out once for all looks. A background
// narrower or lower than two pixels has no ellipse to shade and is copied as it is.
void ShadeRings(const QImage& background, TColor colour, std::span<const TRingLook> looks);

// The same for one image shaded in place.
void ShadeRing(QImage& image, TColor colour, float strength, bool whiteLine);
