#include "fitting/ScanResampler.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrane {
namespace {

// Linear interpolation in the first pair of neighbouring points whose x
// span holds x.
double valueAt(const TScanColrec& scan, double x)
{
    const auto& pts = scan.Points;
    const double shift = scan.Shiftfactor, scale = scan.Scalefactor;
    for (std::size_t k = 0; k + 1 < pts.size(); ++k) {
        const double x0 = pts[k].x + shift, x1 = pts[k + 1].x + shift;
        if (x0 == x1 || x < std::min(x0, x1) || x > std::max(x0, x1))
            continue;
        const double y0 = pts[k].y * scale, y1 = pts[k + 1].y * scale;
        return y0 + (x - x0) / (x1 - x0) * (y1 - y0);
    }
    return 0.0;
}

}  // namespace

ResampleResult ResampleScan(const TScanColrec& scan, double left, double right, int n,
                            TScanColrec& out)
{
    ResampleResult r;
    if (scan.Points.size() < 2) {
        r.error = "The scan has fewer than 2 points.";
        return r;
    }
    if (n < 2) {
        r.error = "The simulation needs at least 2 X points.";
        return r;
    }
    double lo = scan.Points.front().x, hi = lo;
    for (const TScanPunkt& p : scan.Points) {
        lo = std::min(lo, p.x);
        hi = std::max(hi, p.x);
    }
    lo += scan.Shiftfactor;
    hi += scan.Shiftfactor;
    if (left > right)
        std::swap(left, right);
    left = std::clamp(left, lo, hi);
    right = std::clamp(right, lo, hi);
    if (!(right > left)) {
        r.error = "The fit range lies outside the scan.";
        return r;
    }

    out.Scalefactor = 1.0;
    out.Shiftfactor = 0.0;
    out.Kind = scan.Kind;
    out.Name = scan.Name;
    out.Path = scan.Path;
    out.Points.resize(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        // The same expression as the engine's X values, so both agree.
        const double x = k == n - 1 ? right : double(k) * (right - left) / double(n - 1) + left;
        out.Points[std::size_t(k)] = TScanPunkt{x, valueAt(scan, x)};
    }
    r.ok = true;
    r.left = left;
    r.right = right;
    return r;
}

}  // namespace veltrane
