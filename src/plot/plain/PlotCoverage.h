#pragma once
// What the curves occupy of a plot area, on a grid of small cells: the
// cells their lines and symbols pass through, and the peaks and dips they
// hold. Counts over a rectangle take constant time (summed-area tables).
// The tables are kept from one use to the next, so that a replot at a size
// seen before allocates nothing.

#include <cstdint>
#include <vector>

#include "plot/plain/PlotTypes.h"

class TPlotCoverage {
public:
    // Cells of Cell x Cell pixels: fine enough for boxes of text, and a
    // large plot's tables stay small.
    static constexpr int Cell = 4;

    // Empties the grid over the area.
    void Reset(const TRect& area);
    // The marks that follow belong to another curve: a cell two curves
    // pass through hides both.
    void NextCurve() { ++curve_; }
    // The line from a to b, both ends included; the part outside the area
    // is left out.
    void MarkLine(TPoint a, TPoint b);
    // A filled rectangle (a symbol), cut to the area.
    void MarkRect(const TRect& r);
    // A peak or dip at p; outside the area it is not seen.
    void MarkPeak(TPoint p);
    // A stretch of a peak's or dip's flank, from a to b: the cells it
    // passes through count `weight` once for each flank (NextFlank starts
    // another).
    void MarkFlank(TPoint a, TPoint b, int weight);
    void NextFlank() { ++flank_; }
    // Builds the sums; the counts below need it, the marks above come first.
    void Finish();

    // The cells of curve that r touches, partly touched cells included,
    // counted once for each curve in them.
    std::int64_t Drawn(const TRect& r) const { return count(drawn_, r); }
    // The peaks and dips inside r, or in a cell r touches.
    std::int64_t Peaks(const TRect& r) const { return count(peaks_, r); }
    // The cells of flank that r touches.
    std::int64_t Flanks(const TRect& r) const { return count(flanks_, r); }

    const TRect& Area() const { return area_; }

private:
    std::int64_t count(const std::vector<std::int32_t>& sums, const TRect& r) const;
    std::size_t index(int cx, int cy) const { return std::size_t(cy) * std::size_t(cw_ + 1) + std::size_t(cx); }
    void markIndex(std::size_t i);
    // Calls mark(index) for every cell the line from a to b passes through
    // inside the area.
    template <typename F>
    void walkLine(TPoint a, TPoint b, F mark);

    TRect area_;
    int cw_ = 0, ch_ = 0;  // cells across and down
    // Cell (cx, cy) is stored at (cx + 1, cy + 1): row and column 0 stay
    // zero for the sums.
    std::vector<std::int32_t> drawn_, peaks_, flanks_;
    std::vector<std::int32_t> lastCurve_;  // the curve that last marked each cell
    std::vector<std::int32_t> lastFlank_;  // and the flank
    std::int32_t curve_ = 0, flank_ = 0;
};
