#pragma once
// Where a plot puts its legend and its text boxes: inside the plot area,
// never one over another, off the peaks and dips of the curves wherever the
// area leaves such a place, and else where they hide the least of the
// curves. Every plot places its boxes with it (TLinePlot::AutoPlaceBoxes),
// once per composed picture.
//
// A placement is fed the curves as they are drawn (Begin, then per curve
// BeginCurve, AddPoint, EndCurve) and then asked for the corners (Place).
// It keeps its buffers from one placement to the next.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "plot/plain/PlotCoverage.h"
#include "plot/plain/PlotTypes.h"

struct TBoxSize {
    int Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

class TBoxPlacement {
public:
    static constexpr int MaxBoxes = 4;
    static constexpr int Margin = 8;     // from the area's edges, clear of the ticks
    static constexpr int Gap = 6;        // between two boxes
    static constexpr int PeakClear = 8;  // a peak this close to a box is hidden too

    // Starts over for a plot area: forgets the curves of the last placement.
    void Begin(const TRect& area);
    // One curve as drawn. lines: joined points are joined by a line;
    // symbol: the edge of the symbol drawn at each point, 0 for none.
    void BeginCurve(bool lines, int symbol);
    // The next point in pixels; joined: a line runs to it from the point
    // before (not for the first point, nor after a gap that breaks the line);
    // symbol: the point gets the curve's symbol, which is drawn only where
    // the point lies in the area.
    void AddPoint(TPoint p, bool joined, bool symbol = true);
    // Finds the curve's peaks and dips.
    void EndCurve();

    // The top left corners for boxes of the given sizes (at most MaxBoxes),
    // in their order. Of the arrangements tried, the one wins that overlaps
    // the least (none wherever the area allows it), then hides the fewest
    // peaks and dips, keeps the gap between the boxes, hides the fewest
    // pixels of the curves, and lies nearest the area's corners. current
    // holds the corners the boxes have now when an earlier placement put
    // them there (else it is empty): over the same area they stay while
    // they are about as good as the best, so that the boxes do not jump at
    // every small change of the curves. An empty size keeps its current
    // corner.
    //
    // pinned holds, for each box the user has put somewhere (else for none,
    // or it is empty), the corner it was put at: such a box stays there,
    // moved only as far as it takes to lie inside the area, and the others
    // are placed around it.
    std::vector<TPoint> Place(const std::vector<TBoxSize>& sizes, const std::vector<TPoint>& current,
                              const std::vector<std::optional<TPoint>>& pinned = {});

    // The corner nearest to `corner` at which a box of the given size lies
    // inside the area; a box larger than the area keeps its top left
    // corner (its titles) in sight.
    static TPoint Inside(TPoint corner, TBoxSize size, const TRect& area);

    // The smallest area that holds boxes of the given sizes apart, inside
    // the margins, with as much room again beside or below them for the
    // curves: the boxes in rows or columns, whichever leaves the smaller
    // area. There the placement can keep the boxes off the peaks and dips.
    static TBoxSize AreaFor(const std::vector<TBoxSize>& sizes);

    // The peaks and dips found since Begin.
    const std::vector<TPoint>& Peaks() const { return peaks_; }

private:
    struct Score {
        std::int64_t overlap = 0, peaks = 0, crowd = 0, hidden = 0, edge = 0;
        Score& operator+=(const Score& o);
        bool operator<(const Score& o) const;
    };
    struct Arrangement {
        std::array<TRect, MaxBoxes> rects{};
        Score score;
    };
    struct Span {
        int Min = 0, Max = 0;
    };
    // The places tried for one box on a grid over the area, and what the
    // box costs alone at each of them (row by row).
    struct Grid {
        Span X, Y;
        std::vector<int> Xs, Ys;
        std::vector<Score> Alone;
    };

    // What r costs beside the boxes placed before it: overlap and gap only,
    // or everything.
    Score apart(const TRect& r, const Arrangement& a, const int* placed, int count) const;
    Score cost(const TRect& r, const Arrangement& a, const int* placed, int count) const;
    Score total(const Arrangement& a, const std::vector<int>& order) const;
    Span span(int lo, int hi, int length) const;
    void gridPositions(Span s, std::vector<int>& out) const;
    void prepare(const std::vector<TBoxSize>& sizes, const std::vector<int>& boxes);
    void offer(const Arrangement& parent, int box, const TRect& r, const Score& s);
    Arrangement search(const std::vector<TBoxSize>& sizes, const std::vector<int>& order);
    Arrangement shelves(const std::vector<TBoxSize>& sizes, const std::vector<int>& order, bool rows) const;
    bool keeps(const Arrangement& current, const Arrangement& best) const;

    TPlotCoverage coverage_;
    TRect placedArea_;  // the area of the last placement
    // The corners of the boxes pinned in the running placement.
    std::array<std::optional<TPoint>, MaxBoxes> fixed_{};
    bool finished_ = false;
    bool lines_ = false;
    int symbol_ = 0;
    TPoint last_;
    std::vector<TPoint> trace_, peaks_;
    std::array<Grid, MaxBoxes> grids_;
    std::vector<Arrangement> beam_, next_;
};
