#pragma once
// A place in the stack as the layer-position window walks it: a layer and
// a position from that layer's start, over the shown stretches of the two
// half-spaces (d_1 and d_n) and the layers between. The layer view's
// scroll bar runs over the whole depth in steps of 0.1 nm.

#include <array>
#include <cmath>
#include <string>

#include "document/Records.h"

namespace veltrane {

constexpr double PositionStep = 0.1;

struct LayerTable {
    // One entry per layer: -d_1 for the first half-space, d_n for the last,
    // the layer's thickness between.
    std::array<double, MaxLayers> Entry{};
    int Count = 0;
    double d_1 = 0.0;
    double Total = 0.0;  // the sum of the entries' magnitudes
    double Thickness(int layer) const { return std::abs(Entry[std::size_t(layer)]); }
};

struct LayerPlace {
    int LayerNr = 0;  // 0 = first half-space
    double Layerpos = 0.0;
};

LayerTable MakeLayerTable(const TSimparameter& p, const TEHOptionpara& o);

// The scroll bar's maximum, ceil(total / 0.1); 0 for a stack of no depth.
int LayerScrollMax(const LayerTable& t);
// The scroll position of a place, within 0..max.
int ScrollOfPlace(const LayerTable& t, const LayerPlace& place);
// The place at a scroll position. Its depth is kept inside the stack and
// the position inside its layer, rounded to 0.00001 nm, so that the place
// is one the stack holds whatever the rounding of the step.
LayerPlace PlaceOfScroll(const LayerTable& t, int position);

// Why a place is refused, or "" when the stack holds it:
// "wrong Layer-Position :30 nm at Layer-Nr:2 (max. 0-25 nm)", layers
// counted from 1 as the user enters them.
std::string PlaceRefusal(const LayerTable& t, const LayerPlace& place, char sep);

}  // namespace veltrane
