#pragma once
// The minimum evaluation without its window: the minima of every computed
// curve and every scan between two X limits, the texts of the two result
// tables and of the axis names, and the points of the minimum plot.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "document/Records.h"
#include "fitting/Auswertung.h"

namespace veltrane::eval {

// The scan and its parameters as the document names them.
struct Axes {
    int EpsMode = emEps;
    int XKind = pkTheta;  // TParaKind; any other value names nothing
    int ZKind = pkNone;   // TParaKind; any other value names nothing
    int XLayerNr = 0;
    int ZLayerNr = 0;
};

using Row = std::array<std::string, 3>;

// "Rp", "Rs" or "R(p+s)".
std::string DataName(int datakind);
// Kind name with " (L_Nr=n)" for layer parameters; the Z name is
// "Simulation" without a Z parameter.
std::string XAxisName(const Axes& a);
std::string ZAxisName(const Axes& a);
// The data plot's X title: the kind name with " (L=n)" for layer
// parameters, empty for none.
std::string DataPlotXTitle(const Axes& a);
// The data plot's legend titles: "Z=" + the Z kind's name, and
// "(Layer_Nr=n)" for layer parameters.
std::pair<std::string, std::string> DataLegendTitles(const Axes& a);
// "X-min=<X>   Z-Value=<Z>   Data= Rp".
std::string DataTitleCaption(const Axes& a, int datakind);
// "--" for no result, else fixed with four decimals.
std::string FloatCell(double v, char sep);

// The records of a pass, one per curve, with the curve's Z value or the
// scan's name and path; minima unset.
std::vector<TAuswrec> NewSimulationResults(const TResColList& results);
std::vector<TAuswrec> NewScanResults(const TScanColList& scans);
// Fills the minima. A curve whose minimum cannot be found gets no result
// and the others go on. Scans are evaluated on whole-number limits,
// truncated toward zero.
void EvaluateSimulations(const TResColList& results, int datakind, double percentage, double left, double right,
                         std::vector<TAuswrec>& out);
void EvaluateScans(const TScanColList& scans, double percentage, double left, double right,
                   std::vector<TAuswrec>& out);

Row SimulationHeader();
Row ScanHeader();
// The table rows below the heading: max(records, 1) of them, an empty row
// when there is no record.
std::vector<Row> SimulationRows(const std::vector<TAuswrec>& records, char sep);
std::vector<Row> ScanRows(const std::vector<TAuswrec>& records, char sep);

// The scan record shown in a table row (1-based below the heading), or -1
// when that row holds none.
int ScanOfRow(int row, int scanCount);

}  // namespace veltrane::eval
