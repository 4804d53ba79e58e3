#pragma once
// A one-pixel rectangle outline combined into an image by not-xor: drawn on
// white it shows the pen colour, and drawing it a second time restores the
// picture exactly. The plot's rubber band and drag frames and the overview's
// view frame use it, on the screen image only.

#include <QImage>

#include "plot/plain/PlotTypes.h"

// Outlines r (half-open: Right and Bottom lie outside) in colour, every
// perimeter pixel once; dashed: 6 pixels on, 2 off along the outline.
// Pixels outside the image are left out.
void NotXorFrame(QImage& image, const TRect& r, TColor colour, bool dashed);
