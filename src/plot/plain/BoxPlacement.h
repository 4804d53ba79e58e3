#pragma once
// Where a plot puts its legend, its text boxes and its note: wholly inside
// the plot area, never one over another where the area holds them apart,
// off the peaks and dips of the curves and their flanks wherever the area
// leaves such a place, and else where they hide the least of the curves.
// Every plot places its boxes with it (TLinePlot::AutoPlaceBoxes), once per
// composed picture.
//
// A placement is fed the curves as they are drawn (Begin, then per curve
// BeginCurve, AddPoint, EndCurve) and then asked for the corners (Place).
// It keeps its buffers from one placement to the next.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "plot/plain/BoxSize.h"
#include "plot/plain/PlotCoverage.h"
#include "plot/plain/PlotTypes.h"

// Where the user put a box: its corner, in the plot area of that moment.
struct TBoxPin {
    TPoint Corner;
    TRect Area;
    bool operator==(const TBoxPin&) const = default;
};

struct TBoxRequest {
    TBoxSize Size;  // empty: not on show, it keeps its corner
    std::optional<TBoxPin> Pin;
    bool Centred = false;  // rather in the middle of the area than at a corner
};

class TBoxPlacement {
public:
    // What an arrangement costs, worst first: the pixels of boxes outside
    // the area, the pixels where boxes overlap, the peaks and dips and the
    // cells of their flanks hidden (a peak weighs 256 flank cells, and a
    // flank cell more the deeper its resonance), the pixels of the gap
    // between boxes not kept, the cells of curve hidden, and the distance
    // from the area's corners (a centred box: from its middle).
    struct Score {
        std::int64_t outside = 0, overlap = 0, peaks = 0, crowd = 0, hidden = 0, edge = 0;
        Score& operator+=(const Score& o);
        bool operator<(const Score& o) const;
    };

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
    // Finds the curve's peaks and dips and their flanks down to half their
    // depth.
    void EndCurve();

    // The top left corners for the boxes (at most MaxBoxes), in their order.
    // A box that fits the area lies wholly inside it. Of the arrangements
    // tried, the one wins that leaves the area the least, then overlaps the
    // least (none wherever the area holds the boxes apart), then hides the
    // fewest peaks, dips and flank cells, keeps the gap between the boxes,
    // hides the fewest pixels of the curves, and lies nearest the area's
    // corners (a centred box: its middle). current holds the corners the
    // boxes have now when an earlier placement put them there (else it is
    // empty): over the same area they stay while they are about as good as
    // the best, so that the boxes do not jump at every small change of the
    // curves. An empty size keeps its current corner.
    //
    // A pinned box stays where the user put it (PinnedCorner), and the
    // others are placed around it.
    std::vector<TPoint> Place(const std::vector<TBoxRequest>& boxes, const std::vector<TPoint>& current);
    std::vector<TPoint> Place(const std::vector<TBoxSize>& sizes, const std::vector<TPoint>& current);

    // The corner nearest to `corner` at which a box of the given size lies
    // inside the area; a box larger than the area keeps its top left
    // corner (its titles) in sight.
    static TPoint Inside(TPoint corner, TBoxSize size, const TRect& area);
    // Where a pinned box stands in the area: where it was put, while the
    // area is the same; in another area at the same share of its width and
    // height (the user put it in the empty middle, or at the right edge,
    // and there it stays), brought inside.
    static TPoint PinnedCorner(const TBoxPin& pin, TBoxSize size, const TRect& area);

    // The smallest area that holds boxes of the given sizes apart, inside
    // the margins, with as much room again beside or below them for the
    // curves (there the placement can keep the boxes off the peaks and
    // dips), as a shape no larger than `largest`; `largest` itself where no
    // such shape fits.
    static TBoxSize AreaFor(const std::vector<TBoxSize>& sizes, TBoxSize largest = {1 << 29, 1 << 29});

    // Whether boxes of these sizes can stand apart in an area of this size
    // (packed on shelves, without the margins).
    static bool FitsApart(const std::vector<TBoxSize>& sizes, TBoxSize area);

    // The peaks and dips found since Begin.
    const std::vector<TPoint>& Peaks() const { return peaks_; }

    // What the arrangement of the last Place costs.
    const Score& LastScore() const { return lastScore_; }

private:
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
    Score cost(int box, const TRect& r, const Arrangement& a, const int* placed, int count) const;
    Score total(const Arrangement& a, const std::vector<int>& order) const;
    Span span(int lo, int hi, int length) const;
    void gridPositions(Span s, std::vector<int>& out) const;
    void prepare(const std::vector<int>& boxes);
    void offer(const Arrangement& parent, int box, const TRect& r, const Score& s);
    Arrangement search(const std::vector<int>& order);
    // The boxes packed on shelves, every way of sharing them out, from each
    // corner of the area: apart wherever some way fits the area.
    void shelves(const std::vector<int>& boxes, const std::function<void(const Arrangement&)>& consider) const;
    bool keeps(const Arrangement& current, const Arrangement& best) const;
    void polish(Arrangement& a, const std::vector<int>& order) const;

    TPlotCoverage coverage_;
    TRect placedArea_;  // the area of the last placement
    Score lastScore_;
    std::array<TBoxSize, MaxBoxes> sizes_{};
    std::array<bool, MaxBoxes> centred_{};
    // The corners of the boxes pinned in the running placement.
    std::array<std::optional<TPoint>, MaxBoxes> fixed_{};
    bool finished_ = false;
    bool lines_ = false;
    int symbol_ = 0;
    TPoint last_;
    std::vector<TPoint> trace_, peaks_;
    std::vector<std::size_t> turns_;
    std::array<Grid, MaxBoxes> grids_;
    std::vector<Arrangement> beam_, next_;
};
