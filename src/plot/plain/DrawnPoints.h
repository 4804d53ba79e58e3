#pragma once
// The one rule by which a column's points are drawn and joined, shared by
// every picture made of a column: the plot's painting, the placement of its
// boxes (which must see the curves as they are painted) and the overview's
// miniature.
//
// A point is drawn when the picture's mapping places it; any other point
// (invalid, or a value its axis cannot show) is a gap. A line joins each
// drawn point to the drawn point before it; across a gap it starts again
// when the column has Linebreak set, and bridges the gap otherwise. The
// first drawn point always carries the column's symbol, a later one by the
// column's share of symbol points.

#include <cstddef>

#include "plot/plain/Linedef.h"
#include "plot/plain/PlotGeometry.h"
#include "plot/plain/PlotTypes.h"

enum class TJoin {
    First,    // the column's first drawn point: the line starts here
    Restart,  // the first after a gap that breaks the line
    Joined,   // a line runs to it from the drawn point before
};

struct TDrawnPoint {
    std::size_t Index = 0;  // in the column, gaps counted
    TPoint At;
    TJoin Join = TJoin::First;
    bool Symbol = false;  // gets the symbol, where the column draws symbols
};

// Calls visit(const TDrawnPoint&) for each drawn point of col in order.
// map(const TDPunkt&, TPoint& pixel) places a point and returns false for a
// gap. It runs for every point of every repaint and allocates nothing.
template <typename Map, typename Visit>
void WalkDrawnPoints(const TDataCol& col, Map&& map, Visit&& visit)
{
    TDrawnPoint d;
    bool any = false, previousDrawn = false;
    for (std::size_t k = 0; k < col.Points.size(); ++k) {
        if (!map(col.Points[k], d.At)) {
            previousDrawn = false;
            continue;
        }
        d.Index = k;
        d.Join = !any ? TJoin::First : previousDrawn || !col.Linebreak ? TJoin::Joined : TJoin::Restart;
        d.Symbol = !any || IsSymbolPoint(col.ProzentPunkte, std::int64_t(k));
        visit(static_cast<const TDrawnPoint&>(d));
        any = previousDrawn = true;
    }
}
