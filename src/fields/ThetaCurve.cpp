#include "fields/ThetaCurve.h"

#include <algorithm>
#include <memory>

#include "document/AxisKind.h"
#include "optics/CalcPlasmon.h"
#include "optics/ResColList.h"

namespace veltrane {

namespace {

bool xIsTheta(const TSimparameter& p) { return XAxisKind(p) == pkTheta; }

constexpr int MaxViewPoints = 2001;

}  // namespace

AngleRange ThetaViewRange(const TSimparameter& p)
{
    if (!xIsTheta(p))
        return {0.0, 90.0};
    return {std::min(p.XAxis.von, p.XAxis.bis), std::max(p.XAxis.von, p.XAxis.bis)};
}

int ThetaViewPoints(const TSimparameter& p)
{
    if (!xIsTheta(p))
        return 901;
    return std::clamp(p.XAxis.Pktanz, 2, MaxViewPoints);
}

bool CalcThetaCurve(const TSimparameter& p, AngleRange range, int points, TResColList& list)
{
    TSimparameter para = p;
    para.XAxis.Typ = pkTheta - 1;
    para.XAxis.von = range.from;
    para.XAxis.bis = range.to;
    para.XAxis.Pktanz = std::max(points, 2);
    para.ZAxis.Typ = pkNone;
    std::unique_ptr<TCalcPlasmon> calc;
    bool ok = bool(CreateCalcPlasmon(calc, para, list, ErrorReport::ToCaller)) &&
              bool(RunCalcPlasmon(calc.get(), para, list, ErrorReport::ToCaller));
    DeleteCalcPlasmon(calc);
    if (!ok)
        ClearResColList(list);
    return ok;
}

}  // namespace veltrane
