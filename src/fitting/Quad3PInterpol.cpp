#include "fitting/Quad3PInterpol.h"

#include <algorithm>
#include <cmath>

namespace {

bool better(double y, double best, bool minimum) { return minimum ? y < best : y > best; }

}  // namespace

bool TQuad3PInterpolbasis::Vertex(TQuad3Punkt left, TQuad3Punkt centre, TQuad3Punkt right,
                                  TQuad3Punkt& out)
{
    matrix.Assign({left.x * left.x, left.x, 1.0}, {centre.x * centre.x, centre.x, 1.0},
                  {right.x * right.x, right.x, 1.0});
    yVector = TQuad3_vector(left.y, centre.y, right.y);
    coeff = matrix.Invers().Mul(yVector);
    const double a = coeff[0], b = coeff[1], c = coeff[2];
    const double x = -b / (2.0 * a);
    const double y = c - b * b / (4.0 * a);
    if (a == 0.0 || !std::isfinite(x) || !std::isfinite(y))
        return false;
    out.x = x;
    out.y = y;
    return true;
}

TQuad3Punkt TQuad3PInterpolbasis::Refine(const TQuad3Punkt& left, const TQuad3Punkt& best,
                                         const TQuad3Punkt& right, bool hasLeft, bool hasRight)
{
    if (!hasLeft || !hasRight)
        return best;
    TQuad3Punkt vertex = best;
    if (!Vertex(left, best, right, vertex))
        return best;
    const double lo = std::min(left.x, right.x), hi = std::max(left.x, right.x);
    if (vertex.x < lo || vertex.x > hi)
        return best;
    return vertex;
}

TQuad3Punkt TQuad3PInterpolData::GetPunkt(const TResColrec* col, int i) const
{
    const int last = int(col->Points.size()) - 1;
    i = std::clamp(i, 0, last);
    const TResPunkt& r = col->Points[std::size_t(i)];
    TQuad3Punkt p;
    p.x = r.x;
    switch (Datakind) {
    case 0: p.y = r.Rp; break;
    case 1: p.y = r.Rs; break;
    default: p.y = std::sqrt(r.Rs * r.Rs + r.Rp * r.Rp); break;
    }
    p.Index = i;
    p.valid = r.valid;
    return p;
}

TQuad3Punkt TQuad3PInterpolData::Extremum(const TResColrec* col, bool minimum)
{
    const int count = col ? int(col->Points.size()) : 0;
    TQuad3Punkt best;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        TQuad3Punkt p = GetPunkt(col, i);
        if (!p.valid)
            continue;
        if (!found || better(p.y, best.y, minimum)) {
            best = p;
            found = true;
        }
    }
    if (!found)
        return TQuad3Punkt{};

    // The nearest valid samples on each side; an invalid sample carries no
    // usable position or value.
    TQuad3Punkt left, right;
    bool hasLeft = false, hasRight = false;
    for (int i = best.Index - 1; i >= 0 && !hasLeft; --i) {
        left = GetPunkt(col, i);
        hasLeft = left.valid;
    }
    for (int i = best.Index + 1; i < count && !hasRight; ++i) {
        right = GetPunkt(col, i);
        hasRight = right.valid;
    }
    return Refine(left, best, right, hasLeft, hasRight);
}

TQuad3Punkt TQuad3PInterpolScan::GetPunkt(const TScanColrec* scan, int i) const
{
    const TScanPunkt& s = scan->Points[std::size_t(i)];
    TQuad3Punkt p;
    p.x = s.x + Offset;
    p.y = s.y * Scale;
    p.Index = i;
    p.valid = 1;
    return p;
}

TQuad3Punkt TQuad3PInterpolScan::Extremum(const TScanColrec* scan, bool minimum)
{
    if (!scan || scan->Points.empty())
        return TQuad3Punkt{};
    Offset = scan->Shiftfactor;
    Scale = scan->Scalefactor;
    const int count = int(scan->Points.size());
    TQuad3Punkt best = GetPunkt(scan, 0);
    for (int i = 1; i < count; ++i) {
        TQuad3Punkt p = GetPunkt(scan, i);
        if (better(p.y, best.y, minimum))
            best = p;
    }
    const bool hasLeft = best.Index > 0, hasRight = best.Index < count - 1;
    TQuad3Punkt left = hasLeft ? GetPunkt(scan, best.Index - 1) : best;
    TQuad3Punkt right = hasRight ? GetPunkt(scan, best.Index + 1) : best;
    return Refine(left, best, right, hasLeft, hasRight);
}
