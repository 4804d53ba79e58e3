#pragma once
// The show-curves dialog apart from its widgets: the curve kinds ticked
// and one visible flag per scan, taken from the main window and the scan
// list when shown and written back only on OK.

#include <vector>

#include "document/Records.h"

struct ShowPlotModel {
    TCurveSet Curves;
    std::vector<bool> ScanVisible;  // one per scan, in list order

    void Load(TCurveSet curves, const TScanColList& scans);
    // OK: the scans' Visible flags from the ticks; the curve set is the
    // caller's to take.
    void Apply(TScanColList& scans) const;
};
