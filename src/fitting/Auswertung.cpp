#include "fitting/Auswertung.h"

#include <cmath>

#include "document/CurveQuantity.h"
#include "document/Globals.h"

TAuswrec::TAuswrec() : Curve(std::size_t(RegPktanz)) {}

void TAuswertungbasis::AddCandidate(double x, double y, bool valid)
{
    if (!valid || x < left || x > right)
        return;
    TAuswPunkt p;
    p.x = x;
    p.y = y;
    p.Index = std::int32_t(candidates.size());
    p.valid = 1;
    candidates.push_back(p);
}

int TAuswertungbasis::FindMinimum() const
{
    if (candidates.empty())
        return -1;
    int m = 0;
    for (int i = 1; i < int(candidates.size()); ++i)
        if (candidates[std::size_t(i)].y < candidates[std::size_t(m)].y)
            m = i;
    return m;
}

int TAuswertungbasis::FindFlank(int m, int direction) const
{
    int flank = m;
    const int count = int(candidates.size());
    for (int i = m + direction; i >= 0 && i < count; i += direction) {
        const TAuswPunkt& c = candidates[std::size_t(i)];
        if (c.valid && c.y > candidates[std::size_t(flank)].y)
            flank = i;
    }
    return flank;
}

TAuswPunkt TAuswertungbasis::Evaluate(std::vector<TRegPunkt>& curve)
{
    Tcubicregression regression;
    const int m = FindMinimum();
    if (m < 0 || candidates[std::size_t(m)].x == NOVALUE) {
        curve.clear();
        return TAuswPunkt{};
    }
    const double ym = candidates[std::size_t(m)].y;
    const double yl = candidates[std::size_t(FindFlank(m, -1))].y;
    const double yr = candidates[std::size_t(FindFlank(m, +1))].y;
    const double yflank = yl < yr ? yl : yr;
    const double level = (yflank - ym) * percentage * 0.01 + ym;
    TAuswPunkt r = regression.FitMinimum(candidates, m, level);
    regression.GetCurve(curve);
    return r;
}

void TAuswertungdata::Evaluate(const TResColrec& col, TAuswrec& out, double pct, double l, double r)
{
    Clear();
    percentage = pct;
    left = l;
    right = r;
    for (const TResPunkt& p : col.Points) {
        const int kind = Datakind == ckRp || Datakind == ckRs ? Datakind : ckRps;
        AddCandidate(p.x, CurveQuantity(p, kind), p.valid != 0);
    }
    out.Curve.resize(std::size_t(RegPktanz));
    const TAuswPunkt m = TAuswertungbasis::Evaluate(out.Curve);
    out.xmin = m.x;
    out.ymin = m.y;
}

void TAuswertungscan::Evaluate(const TScanColrec& scan, TAuswrec& out, double pct, std::int32_t l,
                               std::int32_t r)
{
    Clear();
    percentage = pct;
    left = l;
    right = r;
    shift = scan.Shiftfactor;
    scale = scan.Scalefactor;
    for (const TScanPunkt& p : scan.Points)
        AddCandidate(p.x + shift, p.y * scale, true);
    out.Curve.resize(std::size_t(RegPktanz));
    const TAuswPunkt m = TAuswertungbasis::Evaluate(out.Curve);
    out.xmin = m.x;
    out.ymin = m.y;
}
