#pragma once
// The show-curves dialog apart from its widgets: the curve kinds ticked
// and one visible flag per scan, taken from the main window and the scan
// list when shown and written back only on OK.

#include <string>
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

// What the status bar and the list's hint show for the selected line:
// the scan's path and name, or two empty texts when nothing is selected.
struct ScanLineInfo {
    std::string Path;
    std::string Name;
};
ScanLineInfo ScanInfo(const TScanColList& scans, int row);
