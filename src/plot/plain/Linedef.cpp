#include "plot/plain/Linedef.h"

#include <cmath>

TColor ConvertPlotcolor(TPlotColor c)
{
    switch (c) {
    case pcBlack: return RGBColor(0, 0, 0);
    case pcRed: return RGBColor(255, 0, 0);
    case pcBlue: return RGBColor(0, 0, 255);
    case pcLime: return RGBColor(0, 255, 0);
    case pcPurple: return RGBColor(128, 0, 128);
    case pcGreen: return RGBColor(0, 128, 0);
    case pcNavy: return RGBColor(0, 0, 128);
    case pcFuchsia: return RGBColor(255, 0, 255);
    case pcOlive: return RGBColor(128, 128, 0);
    case pcMaroon: return RGBColor(128, 0, 0);
    case pcTeal: return RGBColor(0, 128, 128);
    case pcAqua: return RGBColor(0, 255, 255);
    case pcWhite: return RGBColor(255, 255, 255);
    }
    return RGBColor(0, 0, 0);
}

TPenStyle ConvertLineArt(TLineArt a)
{
    switch (a) {
    case laSolid: return psSolid;
    case laDash: return psDash;
    case laDot: return psDot;
    case laDashDot: return psDashDot;
    case laDashDotDot: return psDashDotDot;
    }
    return psSolid;
}

int ConvertFontSize(int size, int pixelsPerInch)
{
    if (pixelsPerInch <= 0)
        return size;
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(double(size) * 96.0 / double(pixelsPerInch)));
}
