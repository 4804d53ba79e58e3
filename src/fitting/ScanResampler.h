#pragma once
// The measured scan resampled onto the X points of the simulation, so that
// point i of the scan and of the computed curve lie at the same x.

#include <string>

#include "document/Records.h"

namespace veltrane {

struct ResampleResult {
    bool ok = false;
    // The fit range actually used: the requested one, ordered and clamped to
    // the scan's extent.
    double left = 0.0;
    double right = 0.0;
    std::string error;  // why the scan could not be resampled
};

// Resamples scan (with its shift and scale applied) at n points evenly
// spread from left to right into out, which gets scale 1 and shift 0. The
// scan may be ascending or descending; pairs of equal x are skipped.
ResampleResult ResampleScan(const TScanColrec& scan, double left, double right, int n,
                            TScanColrec& out);

}  // namespace veltrane
