#pragma once
// Pens, brushes, fonts, the canvas on a QImage, and the picture classes.
//
// The canvas follows the drawing conventions the controls are described with: a box
// (X1, Y1, X2, Y2) covers columns X1..X2-1 and rows Y1..Y2-1; a solid pen outlines the
// outermost pixels of a shape and the brush fills the rest; the clear pen draws no outline;
// RoundRect's last two numbers are the width and height of the corner ellipse; Arc runs
// counter-clockwise (as seen on the screen) from where the ray from the centre towards
// (X3, Y3) meets the ellipse to where the ray towards (X4, Y4) meets it. Colours are
// 0x00BBGGRR; system colours are resolved when drawing.

#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/Font.h"
#include "vcl/Graphic.h"
#include "vcl/GraphicsObjects.h"
#include "vcl/JPEGImage.h"
#include "vcl/Picture.h"
