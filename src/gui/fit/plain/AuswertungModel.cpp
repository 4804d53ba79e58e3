#include "gui/fit/plain/AuswertungModel.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "document/Globals.h"
#include "platform/CFormat.h"

namespace veltrane::eval {
namespace {

bool isLayerKind(int kind) { return kind >= pkThickness && kind <= pkEpsZImag; }
int nameColumn(const Axes& a) { return a.EpsMode == emNKappa ? 1 : 0; }

// A limit as a whole number toward zero, kept inside the integer range.
std::int32_t wholeLimit(double v)
{
    if (!std::isfinite(v))
        return v < 0 ? INT32_MIN : INT32_MAX;
    return std::int32_t(std::clamp(std::trunc(v), double(INT32_MIN), double(INT32_MAX)));
}

void noResult(TAuswrec& r)
{
    r.xmin = NOVALUE;
    r.ymin = NOVALUE;
    r.Curve.clear();
}

}  // namespace

std::string DataName(int datakind)
{
    return CurveKindName(datakind == ckRs || datakind == ckRps ? datakind : ckRp);
}

std::string XAxisName(const Axes& a)
{
    std::string name = ParaNames(a.XKind, nameColumn(a));
    if (isLayerKind(a.XKind))
        name += " (L_Nr=" + std::to_string(a.XLayerNr) + ")";
    return name;
}

std::string ZAxisName(const Axes& a)
{
    if (a.ZKind == pkNone)
        return "Simulation";
    std::string name = ParaNames(a.ZKind, nameColumn(a));
    if (isLayerKind(a.ZKind))
        name += " (L_Nr=" + std::to_string(a.ZLayerNr) + ")";
    return name;
}

std::string DataPlotXTitle(const Axes& a)
{
    if (a.XKind == pkNone)
        return {};
    std::string title = ParaNames(a.XKind, nameColumn(a));
    if (isLayerKind(a.XKind))
        title += " (L=" + std::to_string(a.XLayerNr) + ")";
    return title;
}

std::pair<std::string, std::string> DataLegendTitles(const Axes& a)
{
    std::pair<std::string, std::string> t;
    if (a.ZKind > pkNone && a.ZKind <= pkElliptic)
        t.first = "Z=" + ParaNames(a.ZKind, nameColumn(a));
    if (isLayerKind(a.ZKind))
        t.second = "(Layer_Nr=" + std::to_string(a.ZLayerNr) + ")";
    return t;
}

std::string DataTitleCaption(const Axes& a, int datakind)
{
    return "X-min=" + XAxisName(a) + "   " + "Z-Value=" + ZAxisName(a) + "   " + "Data= " + DataName(datakind);
}

std::string FloatCell(double v, char sep)
{
    if (v == NOVALUE || !std::isfinite(v))
        return "--";
    // Fixed notation up to ten digits before the point, exponent beyond.
    if (std::fabs(v) >= 1e10)
        return cfmt(sep, "%.4E", v);
    return cfmt(sep, "%.4f", v);
}

std::vector<TAuswrec> NewSimulationResults(const TResColList& results)
{
    std::vector<TAuswrec> out(results.size());
    for (std::size_t k = 0; k < results.size(); ++k)
        out[k].Zvalue = results[k].Zvalue;
    return out;
}

std::vector<TAuswrec> NewScanResults(const TScanColList& scans)
{
    std::vector<TAuswrec> out(scans.size());
    for (std::size_t k = 0; k < scans.size(); ++k) {
        out[k].Name = scans[k].Name;
        out[k].Path = scans[k].Path;
    }
    return out;
}

void EvaluateSimulations(const TResColList& results, int datakind, double percentage, double left, double right,
                         std::vector<TAuswrec>& out)
{
    TAuswertungdata eval(datakind);
    const std::size_t n = std::min(results.size(), out.size());
    for (std::size_t k = 0; k < n; ++k) {
        try {
            eval.Evaluate(results[k], out[k], percentage, left, right);
        } catch (const std::exception&) {
            // A regression that finds no cubic (a singular system) is this
            // curve's failure only.
            noResult(out[k]);
        }
    }
}

void EvaluateScans(const TScanColList& scans, double percentage, double left, double right,
                   std::vector<TAuswrec>& out)
{
    TAuswertungscan eval;
    const std::size_t n = std::min(scans.size(), out.size());
    for (std::size_t k = 0; k < n; ++k) {
        try {
            eval.Evaluate(scans[k], out[k], percentage, wholeLimit(left), wholeLimit(right));
        } catch (const std::exception&) {
            noResult(out[k]);
        }
    }
}

Row SimulationHeader() { return {"Z-Value", "X_min", "Y_min"}; }
Row ScanHeader() { return {"File", "X_min", "Y_min"}; }

std::vector<Row> SimulationRows(const std::vector<TAuswrec>& records, char sep)
{
    std::vector<Row> rows;
    for (const TAuswrec& r : records) {
        const std::string z = records.size() < 2 ? std::string("Simulation") : floatToText(r.Zvalue, sep);
        rows.push_back({z, FloatCell(r.xmin, sep), FloatCell(r.ymin, sep)});
    }
    if (rows.empty())
        rows.push_back({});
    return rows;
}

std::vector<Row> ScanRows(const std::vector<TAuswrec>& records, char sep)
{
    std::vector<Row> rows;
    for (const TAuswrec& r : records)
        rows.push_back({r.Name, FloatCell(r.xmin, sep), FloatCell(r.ymin, sep)});
    if (rows.empty())
        rows.push_back({});
    return rows;
}

int ScanOfRow(int row, int scanCount) { return row >= 1 && row <= scanCount ? row - 1 : -1; }

}  // namespace veltrane::eval
