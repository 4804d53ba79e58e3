#pragma once
// Which of the document's scans the fit can be run against, where each one
// lies on the X axis, and the scale factors the fit window keeps so that any
// close but Accept leaves the scans as they were.

#include <vector>

#include "document/Records.h"

namespace veltrane::fit {

// The X extent of a scan with its shift: the smallest and the largest x, so
// that descending and unordered scans have an extent too.
struct ScanExtent {
    double first = 0.0;
    double last = 0.0;
};
ScanExtent ScanExtentOf(const TScanColrec& scan);

// A scan the fit can use: at least two points over an X extent wider than
// zero. A header-only file or a single point has no range to fit over.
bool IsFittable(const TScanColrec& scan);
// The list indices of the fittable scans, in list order.
std::vector<int> FittableScans(const TScanColList& scans);

// Each scan's scale factor, in list order.
std::vector<double> SaveScaleFactors(const TScanColList& scans);
// Gives every scan its saved factor back, except the one at keep (-1: none).
void RestoreScaleFactors(TScanColList& scans, const std::vector<double>& saved, int keep = -1);

}  // namespace veltrane::fit
