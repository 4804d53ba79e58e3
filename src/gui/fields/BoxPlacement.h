#pragma once
// Where a field plot puts its legend and its two text boxes (the layer
// table and the comment): in the corners of the plot area, never one over
// another, and where they hide the fewest drawn points. The number of
// components and the part shown change the legend's height, and the
// curves lie elsewhere in a depth profile than over the angles, so no
// fixed place serves.

#include <array>
#include <vector>

#include "plot/PlotTypes.h"

namespace veltrane {

// The boxes in the order they are placed: the legend, the layer table, the
// comment.
constexpr int BoxCount = 3;

struct BoxSize {
    int Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// A curve as drawn: a line through its points in pixels.
using PixelCurve = std::vector<TPoint>;

// The top left corners of the boxes. The legend goes to one corner, and
// the two text boxes, one above the other, to the same corner under it or
// to another one. Of the arrangements that keep every box inside the area
// and apart from the others, the first that hides the fewest peaks, then
// the fewest pixels of the curves, wins; the legend over the text boxes at
// the top left comes first.
// An empty size places nothing (its corner is (0, 0)); when no arrangement
// fits, the boxes stand one under another at the top left.
std::array<TPoint, BoxCount> PlaceBoxes(const TRect& area, const std::array<BoxSize, BoxCount>& sizes,
                                        const std::vector<PixelCurve>& curves, const std::vector<TPoint>& peaks);

}  // namespace veltrane
