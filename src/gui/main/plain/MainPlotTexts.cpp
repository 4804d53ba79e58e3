#include "gui/main/plain/MainPlotTexts.h"

#include <cmath>

#include "document/CurveQuantity.h"
#include "document/Globals.h"
#include "platform/CFormat.h"

namespace veltrane::mainplot {

namespace {

bool isLayerKind(int kind) { return kind >= pkThickness && kind <= pkEpsZImag; }

}  // namespace

double CurveValue(const TResPunkt& p, int kind) { return CurveQuantity(p, kind); }

bool CurvePointValid(const TResPunkt& p, int kind)
{
    if (!p.valid)
        return false;
    if (kind == ckPsi)
        return p.Psi != NOVALUE;
    if (kind == ckDelta)
        return p.Delta != NOVALUE;
    return true;
}

TCurveSet VisibleScanKinds(const TScanColList& scans)
{
    TCurveSet set;
    for (const TScanColrec& s : scans)
        if (s.Visible && s.Kind >= 0 && s.Kind < CurveKindCount)
            set.Include(s.Kind);
    return set;
}

std::string XAxisTitle(int kind, int layerNr, int column)
{
    if (kind == pkNone)
        return {};
    std::string title = ParaNames(kind, column);
    if (isLayerKind(kind))
        title += " (L=" + std::to_string(layerNr) + ")";
    return title;
}

std::string Y1AxisTitle(TCurveSet results, TCurveSet scans)
{
    std::string title;
    bool reflectivity = scans.Contains(ckRps);
    for (int k = ckRp; k <= ckTps; ++k)
        reflectivity = reflectivity || results.Contains(k);
    if (reflectivity)
        title += "Ref-Koeff ";
    if (results.Contains(ckPsi) || scans.Contains(ckPsi))
        title += "Psi ";
    return title;
}

std::pair<std::string, std::string> LegendTitles(int zKind, int zLayerNr, int column)
{
    std::pair<std::string, std::string> t;
    if (zKind > pkNone && zKind <= pkElliptic)
        t.first = "Z=" + ParaNames(zKind, column);
    if (isLayerKind(zKind))
        t.second = "(Layer_Nr=" + std::to_string(zLayerNr) + ")";
    return t;
}

}  // namespace veltrane::mainplot
