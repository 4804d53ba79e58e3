#include "gui/common/plain/ScanLineInfo.h"

ScanLineInfo ScanInfo(const TScanColList& scans, int row)
{
    if (row < 0 || std::size_t(row) >= scans.size())
        return {};
    return {scans[std::size_t(row)].Path, scans[std::size_t(row)].Name};
}
