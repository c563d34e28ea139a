#include "vcl/Types.h"
#include <QColor>
#include <cmath>

TColor ColorToRGB(TColor color)
{
    if (!(color & clSystemColor))
        return color;
    switch (color) {
    case clBtnFace:
        return 0xF0F0F0;
    case clWindow:
        return clWhite;
    default: // window text, button text and the rest of the dark system colours
        return clBlack;
    }
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode is to even
}
