#pragma once
// The peaks and dips of a drawn curve, found from its own points: the
// turning points where the curve rises and falls by at least a given swing
// on either side. Wiggles smaller than the swing (the noise of a measured
// scan), slopes and the curve's two ends make none.

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
