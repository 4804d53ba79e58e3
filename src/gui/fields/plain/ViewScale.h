#pragma once
// The scaling of the small views beside the field plots: values to pixels
// in a plot area, larger values higher. A range of a single value (a scan
// from 52 to 52, a constant Rp, a stack of no depth) is widened by 1 on
// either side, so that nothing divides by zero and the single value lies
// in the middle.

#include <algorithm>
#include <cmath>

#include "plot/plain/PlotTypes.h"

namespace veltrane {

// The colours of the small views: blue and red curves, green markers.
constexpr TColor ViewBlue = RGBColor(0, 0, 255);
constexpr TColor ViewRed = RGBColor(255, 0, 0);
constexpr TColor ViewGreen = RGBColor(0, 128, 0);

struct ViewRange {
    double min = 0.0;
    double max = 0.0;
    bool valid = false;  // at least one value was taken
    void Take(double v)
    {
        if (!std::isfinite(v))
            return;
        if (!valid) {
            min = max = v;
            valid = true;
            return;
        }
        min = std::fmin(min, v);
        max = std::fmax(max, v);
    }
    // The range as scaled: a single value widened by 1 either way.
    ViewRange Widened() const
    {
        ViewRange r = *this;
        if (!(r.max > r.min)) {
            r.min -= 1.0;
            r.max += 1.0;
        }
        return r;
    }
};

struct ViewScale {
    int left = 0, top = 0, width = 0, height = 0;
    ViewRange x, y;  // widened
    double sx = 0.0, sy = 0.0;

    ViewScale() = default;
    ViewScale(int l, int t, int w, int h, const ViewRange& xr, const ViewRange& yr)
        : left(l), top(t), width(w), height(h), x(xr.Widened()), y(yr.Widened())
    {
        sx = width / (x.max - x.min);
        sy = height / (y.min - y.max);
    }
    // Rounded up, as the views always placed their points; far outside
    // values stop a million pixels out.
    int Px(double v) const { return pixel(left + (v - x.min) * sx); }
    int Py(double v) const { return pixel(top + (v - y.max) * sy); }
    bool HoldsX(double v) const { return v >= x.min && v <= x.max; }

private:
    static int pixel(double p) { return std::isfinite(p) ? int(std::clamp(std::ceil(p), -1.0e6, 1.0e6)) : 0; }
};

}  // namespace veltrane
