#pragma once
// The "Layer-System" table a plot shows in its first text box: a header,
// a rule and one line per layer with thickness and eps (or n and kappa),
// four more columns when a layer is anisotropic. The main plot and the
// field windows show the same table.

#include <string>
#include <vector>

#include "document/Records.h"

namespace veltrane {

// "%-10.6g" of the value with the given decimal separator when present,
// else one blank.
std::string LayerCell(bool present, double value, char sep);

// Header, rule and layer lines. A layer count outside 0..30, as a damaged
// file may hold, lists the rows the table has.
std::vector<std::string> LayerSystemLines(const TSimparameter& p, char sep);

// The width of the table's lines: 81 with an anisotropic layer, else 37.
int LayerSystemWidth(const TSimparameter& p);

}  // namespace veltrane
