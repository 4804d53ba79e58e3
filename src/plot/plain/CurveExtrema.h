#pragma once
// The peaks and dips of a drawn curve, found from its own points: the
// turning points where the curve rises and falls by at least a given swing
// on either side. Wiggles smaller than the swing (the noise of a measured
// scan), slopes and the curve's two ends make none.

#include <cstddef>
#include <vector>

#include "plot/plain/PlotTypes.h"

// The swing a turning point needs on a curve whose points span `range`
// pixels up and down, in a plot area `height` pixels high: a twentieth of
// the smaller of the two, and at least a few pixels. A curve larger than
// the area (a zoom) is judged by what the area shows of it.
int ExtremumSwing(int range, int height);

// Appends to out the turning points of the points, in drawing order, whose
// rise and fall on both sides reach swing. On a flat top or bottom the
// middle of the points at the extreme value stands for it.
void FindExtrema(const std::vector<TPoint>& points, int swing, std::vector<TPoint>& out);
// The same turning points as indices into points.
void FindExtremumIndices(const std::vector<TPoint>& points, int swing, std::vector<std::size_t>& out);

// The points a physicist reads a resonance by: from the turning point at
// index `at` along both flanks for as long as the curve stays beyond half
// its depth (or height). Each flank's depth is measured to its shoulder,
// the farthest point the other way between the turning point and the one
// before (`before`) or after (`after`) it, or the curve's end.
struct TFlankSpan {
    std::size_t From = 0, To = 0;  // both included
    int Depth = 0;  // pixels from the turning point to the deeper shoulder
};
TFlankSpan HalfDepthSpan(const std::vector<TPoint>& points, std::size_t at, std::size_t before, std::size_t after);
