#pragma once
// What a scan list's status bar and hint show for the selected line: the
// scan's path and name, or two empty texts when nothing is selected. The
// show-curves dialog and the scan dialog show their lists alike.

#include <string>

#include "document/Records.h"

struct ScanLineInfo {
    std::string Path;
    std::string Name;
};
ScanLineInfo ScanInfo(const TScanColList& scans, int row);
