#include "plot/plain/PlotGeometry.h"

#include <cmath>

namespace {

int outcode(const TRect& r, std::int64_t x, std::int64_t y)
{
    int c = 0;
    if (x < r.Left)
        c |= 1;
    else if (x > r.Right)
        c |= 2;
    if (y < r.Top)
        c |= 4;
    else if (y > r.Bottom)
        c |= 8;
    return c;
}

}  // namespace

bool ClipSegment(const TRect& r, std::int32_t ax1, std::int32_t ay1, std::int32_t ax2, std::int32_t ay2,
                 TClippedSegment& out)
{
    std::int64_t x1 = ax1, y1 = ay1, x2 = ax2, y2 = ay2;
    int c1 = outcode(r, x1, y1), c2 = outcode(r, x2, y2);
    bool firstMoved = c1 != 0;
    // Each pass puts one end on an edge; a handful of passes always suffice.
    for (int pass = 0; (c1 | c2) != 0; ++pass) {
        if ((c1 & c2) != 0 || pass > 8)
            return false;
        bool first = c1 != 0;
        int c = first ? c1 : c2;
        std::int64_t x, y;
        if (c & 1) {
            x = r.Left;
            y = y1 + (y2 - y1) * (r.Left - x1) / (x2 - x1);
        } else if (c & 2) {
            x = r.Right;
            y = y1 + (y2 - y1) * (r.Right - x1) / (x2 - x1);
        } else if (c & 4) {
            y = r.Top;
            x = x1 + (x2 - x1) * (r.Top - y1) / (y2 - y1);
        } else {
            y = r.Bottom;
            x = x1 + (x2 - x1) * (r.Bottom - y1) / (y2 - y1);
        }
        if (first) {
            x1 = x;
            y1 = y;
            c1 = outcode(r, x1, y1);
        } else {
            x2 = x;
            y2 = y;
            c2 = outcode(r, x2, y2);
        }
    }
    out = {std::int32_t(x1), std::int32_t(y1), std::int32_t(x2), std::int32_t(y2), firstMoved};
    return true;
}

bool IsSymbolPoint(std::int32_t p, std::int64_t k)
{
    if (p >= 100)
        return true;
    if (p <= 0)
        return false;
    if (p > 50) {
        std::int64_t n = std::int64_t(std::nearbyint(100.0 / (100 - p)));
        return k % n != 0;
    }
    std::int64_t n = std::int64_t(std::nearbyint(100.0 / p));
    return k % n == 0;
}

int EffectiveSymbolSize(std::int32_t size)
{
    if (size < 1)
        return 0;
    return size > MaxSymbolSize ? MaxSymbolSize : int(size);
}
