#include "gui/fit/plain/FitScans.h"

#include <algorithm>
#include <cmath>

namespace veltrane::fit {

ScanExtent ScanExtentOf(const TScanColrec& scan)
{
    ScanExtent e;
    if (scan.Points.empty())
        return e;
    double lo = scan.Points.front().x, hi = lo;
    for (const TScanPunkt& p : scan.Points) {
        lo = std::min(lo, p.x);
        hi = std::max(hi, p.x);
    }
    e.first = lo + scan.Shiftfactor;
    e.last = hi + scan.Shiftfactor;
    return e;
}

bool IsFittable(const TScanColrec& scan)
{
    if (scan.Points.size() < 2)
        return false;
    const ScanExtent e = ScanExtentOf(scan);
    return std::isfinite(e.first) && std::isfinite(e.last) && e.last > e.first;
}

std::vector<int> FittableScans(const TScanColList& scans)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < scans.size(); ++i)
        if (IsFittable(scans[i]))
            out.push_back(int(i));
    return out;
}

std::vector<double> SaveScaleFactors(const TScanColList& scans)
{
    std::vector<double> f;
    f.reserve(scans.size());
    for (const TScanColrec& s : scans)
        f.push_back(s.Scalefactor);
    return f;
}

void RestoreScaleFactors(TScanColList& scans, const std::vector<double>& saved, int keep)
{
    const std::size_t n = std::min(scans.size(), saved.size());
    for (std::size_t i = 0; i < n; ++i)
        if (int(i) != keep)
            scans[i].Scalefactor = saved[i];
}

}  // namespace veltrane::fit
