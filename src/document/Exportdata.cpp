#include "document/Exportdata.h"

#include <algorithm>
#include <cmath>

#include "document/AxisKind.h"
#include "document/CurveQuantity.h"
#include "document/Globals.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace {

const std::string emptyName;

bool isLayerKind(int kind) { return kind >= pkThickness && kind <= pkEpsZImag; }

}  // namespace

const std::string& ExportParaNames(int kind, int column)
{
    static const std::string table[ParaKindCount][2] = {
        {"none", "none"},   {"Theta", "Theta"}, {"Thick", "Thick"}, {"EpsXr", "nX"},
        {"EpsXi", "kapaX"}, {"EpsYr", "nY"},    {"EpsYi", "kapaY"}, {"EpsZr", "nZ"},
        {"EpsZi", "kapaZ"}, {"Phi", "Phi"},     {"Azim", "Azim"},   {"Ellip", "Ellip"},
    };
    if (kind < 0 || kind >= ParaKindCount || column < 0 || column > 1)
        return emptyName;
    return table[kind][column];
}

const std::string& ExportKindNames(int kind)
{
    static const std::string table[8] = {"Rp", "Rs", "Rps", "Tp", "Ts", "Tps", "Psi", "Delta"};
    if (kind < 0 || kind > 7)
        return emptyName;
    return table[kind];
}

namespace veltrane {

std::string exportTextCell(std::string_view text) { return cfmt('.', "%-20s", text) + '\t'; }

std::string exportNumberCell(double v, char sep) { return cfmt(sep, "%-20.15f", v) + '\t'; }

std::string exportLine(std::string cells)
{
    if (!cells.empty() && cells.back() == '\t')
        cells.pop_back();
    return cells;
}

std::vector<std::string> exportResults(int kind, const TSimparameter& par, const TResColList& results,
                                       char sep)
{
    std::vector<std::string> lines;
    if (results.empty() || kind < 0 || kind > 7)
        return lines;
    const int column = par.EpsMode != 0 ? 1 : 0;

    const int xKind = XAxisKind(par);
    std::string header = ExportParaNames(xKind, column);
    if (isLayerKind(xKind))
        header += " (L=" + std::to_string(par.XAxis.LayerNr) + ")";
    header = exportTextCell(header);
    const std::string& colName =
        ZAxisKind(par) != pkNone ? ExportParaNames(ZAxisKind(par), column) : ExportKindNames(kind);
    for (const TResColrec& col : results)
        header += exportTextCell(colName + col.Title);
    lines.push_back(exportLine(std::move(header)));

    // Curves read from a document need not share their length: the rows
    // run to the longest, and a curve without the point shows "--".
    std::size_t rows = 0;
    for (const TResColrec& col : results)
        rows = std::max(rows, col.Points.size());
    const std::string missing = exportTextCell("--");
    for (std::size_t j = 0; j < rows; ++j) {
        auto first = std::find_if(results.begin(), results.end(),
                                  [j](const TResColrec& c) { return j < c.Points.size(); });
        std::string line = exportNumberCell(first->Points[j].x, sep);
        for (const TResColrec& col : results) {
            if (j < col.Points.size() && col.Points[j].valid)
                line += exportNumberCell(CurveQuantity(col.Points[j], kind), sep);
            else
                line += missing;
        }
        lines.push_back(exportLine(std::move(line)));
    }
    return lines;
}

std::vector<std::string> exportScan(int index, const TScanColList& scans, char sep)
{
    std::vector<std::string> lines;
    if (index < 0 || std::size_t(index) >= scans.size())
        return lines;
    const TScanColrec& scan = scans[std::size_t(index)];
    if (scan.Shiftfactor != 0.0)
        showWarning("Warning", "Attention: The exported datas are unshifted !");
    lines.push_back(cfmt(sep, "%-20s\t%-s", "X", "Y"));
    for (const TScanPunkt& p : scan.Points)
        lines.push_back(exportLine(exportNumberCell(p.x, sep) + exportNumberCell(p.y * scan.Scalefactor, sep)));
    return lines;
}

}  // namespace veltrane
