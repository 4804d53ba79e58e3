#pragma once
// The tab-separated export of computed curves and measured scans as lines:
// cells of 20 characters, each followed by a tab except the last of a line.
// The caller joins the lines and saves or copies them.

#include <string>
#include <string_view>
#include <vector>

#include "document/Records.h"

// Short name of a parameter kind (0..11) in the eps (column 0) or the n and
// kappa (column 1) form; empty outside the table.
const std::string& ExportParaNames(int kind, int column);
// Short name of a curve kind (0..7); empty outside the table.
const std::string& ExportKindNames(int kind);

namespace veltrane {

std::string exportTextCell(std::string_view text);
std::string exportNumberCell(double v, char sep);
// The cells of one line without the tab after the last.
std::string exportLine(std::string cells);

// All computed curves side by side for one curve kind: a header, then one
// line per point. Nothing for an empty list or a kind outside 0..7.
std::vector<std::string> exportResults(int kind, const TSimparameter& par, const TResColList& results,
                                       char sep);

// One scan as X and Y: x as read, y times the scale factor. A shifted scan
// is warned about once, since the shift is not applied. Nothing for an index
// outside the list.
std::vector<std::string> exportScan(int index, const TScanColList& scans, char sep);

}  // namespace veltrane
