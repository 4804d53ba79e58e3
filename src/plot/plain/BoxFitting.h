#pragma once
// How much room each box of a plot gets in the plot area. First every box
// gets the whole area (less its margins). Where the boxes at those sizes
// cannot stand apart, or leave the curves no room beside them, there are
// other ways: one box at its size and the others wrapped (a legend also in
// columns) beside or below it, or every box at most half the area wide.
// The plot places the boxes for each way and takes the one that hides the
// least, wrapping only what it must.

#include <functional>
#include <vector>

#include "plot/plain/BoxPlacement.h"
#include "plot/plain/BoxSize.h"

// Lays a box out within a limit.
using TBoxLayouter = std::function<TBoxShape(TBoxLimit)>;

struct TBoxRoom {
    std::vector<TBoxLimit> Limits;
    std::vector<TBoxSize> Sizes;
    int Wrapped = 0;  // the lines this way adds by wrapping
};

// The ways for a plot area of the given size; the first gives every box
// the whole area. Every other way holds all the text of every box.
std::vector<TBoxRoom> BoxRooms(const std::vector<TBoxLayouter>& boxes, TBoxSize area);

// The boxes placed in each way (fed the curves already), with the pins and
// centring of each box: the way wins that leaves the area least, overlaps
// least, hides the fewest peaks, dips and flank cells, wraps the fewest
// lines, then keeps the gap and hides the least curve. Room is the index of
// that way.
struct TPlacedBoxes {
    std::size_t Room = 0;
    std::vector<TPoint> Corners;
    TBoxPlacement::Score Score;
};
TPlacedBoxes PlaceInRooms(TBoxPlacement& placement, const std::vector<TBoxRoom>& rooms,
                          const std::vector<std::optional<TBoxPin>>& pins, const std::vector<bool>& centred,
                          const std::vector<TPoint>& current);
