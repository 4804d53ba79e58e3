#pragma once
// Pixel rules of the curve painting that need no painter: clipping a segment
// to the plot rectangle, which points carry a symbol, and the symbol size.

#include <cstdint>

#include "plot/plain/PlotTypes.h"

struct TClippedSegment {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool firstMoved = false;  // the first end was outside and moved onto an edge
};

// Cohen-Sutherland against r with its edges inside. 64-bit products, so far
// away ends cannot overflow into stray lines; divisions truncate toward
// zero. False when no part of the segment is inside.
bool ClipSegment(const TRect& r, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 TClippedSegment& out);

// Whether point k of a column with the given share of symbol points gets one.
bool IsSymbolPoint(std::int32_t percent, std::int64_t k);

// The edge length actually stamped: 0 (no symbol) below 1 pixel, and capped.
int EffectiveSymbolSize(std::int32_t size);
constexpr int MaxSymbolSize = 256;
