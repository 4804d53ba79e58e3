#include "plot/plain/BoxPlacement.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <tuple>

#include "plot/plain/CurveExtrema.h"

namespace {

constexpr int GridSteps = 20;  // candidate places across and down the area
constexpr int MinStep = 4;     // pixels between two candidate places
constexpr std::size_t Beam = 12;  // partial arrangements followed per box
// An arrangement already on show stays while it hides at most this many
// cells of curve more than the best: a curve that moved a little does not
// move the boxes.
constexpr std::int64_t KeepSlack = 8;
// A peak or dip under a box weighs as much as this many flank cells.
constexpr std::int64_t TurnWeight = 256;
// A flank cell weighs one more for every so many pixels of its resonance's
// depth.
constexpr int FlankPixels = 32;

std::int64_t overlapArea(const TRect& a, const TRect& b)
{
    const std::int64_t w = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
    const std::int64_t h = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

TRect grown(const TRect& r, int by) { return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

TRect at(int x, int y, TBoxSize s) { return {x, y, x + s.Width, y + s.Height}; }

// Every way of sharing n boxes out on shelves (a shelf per box at most):
// way k puts box i on shelf (k / n^i) % n.
std::size_t waysFor(std::size_t n)
{
    std::size_t ways = 1;
    for (std::size_t i = 0; i < n; ++i)
        ways *= n;
    return ways;
}

// The shelves of one way: each shelf's length along it and depth across
// it, and each box's offset along its shelf.
struct Shelving {
    std::array<int, TBoxPlacement::MaxBoxes> along{}, across{}, offset{}, shelf{};
    std::array<bool, TBoxPlacement::MaxBoxes> used{};
    int length = 0, depth = 0;  // of the whole
};

Shelving shelve(const std::vector<TBoxSize>& boxes, std::size_t way, bool rows)
{
    const std::size_t n = boxes.size();
    Shelving s;
    for (std::size_t i = 0, w = way; i < n; ++i, w /= n) {
        const std::size_t k = w % n;
        const int length = rows ? boxes[i].Width : boxes[i].Height;
        const int depth = rows ? boxes[i].Height : boxes[i].Width;
        s.shelf[i] = int(k);
        s.offset[i] = s.along[k] + (s.used[k] ? TBoxPlacement::Gap : 0);
        s.along[k] = s.offset[i] + length;
        s.across[k] = std::max(s.across[k], depth);
        s.used[k] = true;
    }
    int shelves = 0;
    for (std::size_t k = 0; k < n; ++k)
        if (s.used[k]) {
            s.length = std::max(s.length, s.along[k]);
            s.depth += s.across[k];
            ++shelves;
        }
    s.depth += std::max(0, shelves - 1) * TBoxPlacement::Gap;
    return s;
}

}  // namespace

TBoxPlacement::Score& TBoxPlacement::Score::operator+=(const Score& o)
{
    outside += o.outside;
    overlap += o.overlap;
    peaks += o.peaks;
    crowd += o.crowd;
    hidden += o.hidden;
    edge += o.edge;
    return *this;
}

bool TBoxPlacement::Score::operator<(const Score& o) const
{
    return std::tie(outside, overlap, peaks, crowd, hidden, edge) <
           std::tie(o.outside, o.overlap, o.peaks, o.crowd, o.hidden, o.edge);
}

void TBoxPlacement::Begin(const TRect& area)
{
    coverage_.Reset(area);
    finished_ = false;
    peaks_.clear();
}

void TBoxPlacement::BeginCurve(bool lines, int symbol)
{
    lines_ = lines;
    symbol_ = symbol;
    trace_.clear();
    coverage_.NextCurve();
}

void TBoxPlacement::AddPoint(TPoint p, bool joined, bool symbol)
{
    if (lines_ && joined)
        coverage_.MarkLine(last_, p);
    if (symbol_ > 0 && symbol && coverage_.Area().ContainsClosed(p.x, p.y))
        coverage_.MarkRect({p.x - symbol_ / 2, p.y - symbol_ / 2, p.x - symbol_ / 2 + symbol_,
                            p.y - symbol_ / 2 + symbol_});
    last_ = p;
    trace_.push_back(p);
}

void TBoxPlacement::EndCurve()
{
    if (trace_.empty())
        return;
    const auto [lo, hi] = std::minmax_element(trace_.begin(), trace_.end(),
                                              [](TPoint a, TPoint b) { return a.y < b.y; });
    turns_.clear();
    FindExtremumIndices(trace_, ExtremumSwing(hi->y - lo->y, coverage_.Area().Height()), turns_);
    for (std::size_t k = 0; k < turns_.size(); ++k) {
        const std::size_t before = k > 0 ? turns_[k - 1] : 0;
        const std::size_t after = k + 1 < turns_.size() ? turns_[k + 1] : trace_.size() - 1;
        const TFlankSpan flank = HalfDepthSpan(trace_, turns_[k], before, after);
        // A tall resonance matters more than a small bump beside it.
        const int weight = 1 + flank.Depth / FlankPixels;
        coverage_.NextFlank();
        for (std::size_t j = flank.From; j < flank.To; ++j)
            coverage_.MarkFlank(trace_[j], trace_[j + 1], weight);
        peaks_.push_back(trace_[turns_[k]]);
        coverage_.MarkPeak(trace_[turns_[k]]);
    }
}

TBoxPlacement::Span TBoxPlacement::span(int lo, int hi, int length) const
{
    Span s{lo + Margin, hi - Margin - length};
    if (s.Max < s.Min)
        s = {lo, hi - length};
    if (s.Max < s.Min)
        s = {lo, lo};  // larger than the area: from its start
    return s;
}

void TBoxPlacement::gridPositions(Span s, std::vector<int>& out) const
{
    out.clear();
    const int steps = std::min(GridSteps, (s.Max - s.Min) / MinStep);
    if (steps <= 0) {
        out.push_back(s.Min);
        if (s.Max != s.Min)
            out.push_back(s.Max);
        return;
    }
    for (int k = 0; k <= steps; ++k)
        out.push_back(s.Min + int((long long)(s.Max - s.Min) * k / steps));
}

TBoxPlacement::Score TBoxPlacement::apart(const TRect& r, const Arrangement& a, const int* placed, int count) const
{
    Score s;
    const TRect wide = grown(r, Gap);
    for (int i = 0; i < count; ++i) {
        const TRect& q = a.rects[std::size_t(placed[i])];
        s.overlap += overlapArea(r, q);
        s.crowd += overlapArea(wide, q);
    }
    return s;
}

TBoxPlacement::Score TBoxPlacement::cost(int box, const TRect& r, const Arrangement& a, const int* placed,
                                         int count) const
{
    Score s = apart(r, a, placed, count);
    const TRect& area = coverage_.Area();
    s.outside = std::int64_t(r.Width()) * r.Height() - overlapArea(r, area);
    s.peaks = TurnWeight * coverage_.Peaks(grown(r, PeakClear)) + coverage_.Flanks(r);
    s.hidden = coverage_.Drawn(r);
    if (centred_[std::size_t(box)])
        s.edge = std::abs((r.Left + r.Right) - (area.Left + area.Right)) / 2 +
                 std::abs((r.Top + r.Bottom) - (area.Top + area.Bottom)) / 2;
    else
        s.edge = std::max(0, std::min(r.Left - area.Left, area.Right - r.Right)) +
                 std::max(0, std::min(r.Top - area.Top, area.Bottom - r.Bottom));
    return s;
}

TBoxPlacement::Score TBoxPlacement::total(const Arrangement& a, const std::vector<int>& order) const
{
    Score s;
    for (std::size_t k = 0; k < order.size(); ++k)
        s += cost(order[k], a.rects[std::size_t(order[k])], a, order.data(), int(k));
    return s;
}

void TBoxPlacement::prepare(const std::vector<int>& boxes)
{
    // What a box costs on its own at each grid place is the same in every
    // order of the boxes: worked out once.
    const TRect& area = coverage_.Area();
    for (int b : boxes) {
        Grid& g = grids_[std::size_t(b)];
        const TBoxSize size = sizes_[std::size_t(b)];
        g.X = span(area.Left, area.Right, size.Width);
        g.Y = span(area.Top, area.Bottom, size.Height);
        if (const std::optional<TPoint>& pin = fixed_[std::size_t(b)]) {
            g.X = {pin->x, pin->x};
            g.Y = {pin->y, pin->y};
        }
        gridPositions(g.X, g.Xs);
        gridPositions(g.Y, g.Ys);
        g.Alone.clear();
        for (int y : g.Ys)
            for (int x : g.Xs)
                g.Alone.push_back(cost(b, at(x, y, size), Arrangement{}, nullptr, 0));
    }
}

void TBoxPlacement::offer(const Arrangement& parent, int box, const TRect& r, const Score& s)
{
    // next_ is a heap of the best Beam arrangements, the worst on top.
    auto worse = [](const Arrangement& a, const Arrangement& c) { return a.score < c.score; };
    if (next_.size() == Beam && !(s < next_.front().score))
        return;
    if (next_.size() == Beam) {
        std::pop_heap(next_.begin(), next_.end(), worse);
        next_.pop_back();
    }
    next_.push_back(parent);
    next_.back().rects[std::size_t(box)] = r;
    next_.back().score = s;
    std::push_heap(next_.begin(), next_.end(), worse);
}

TBoxPlacement::Arrangement TBoxPlacement::search(const std::vector<int>& order)
{
    // A beam search: the boxes one after another, each tried on a grid over
    // the area and beside every box already placed, keeping the best few
    // partial arrangements at each step.
    beam_.assign(1, Arrangement{});
    for (std::size_t step = 0; step < order.size(); ++step) {
        const int b = order[step];
        const TBoxSize size = sizes_[std::size_t(b)];
        const Grid& g = grids_[std::size_t(b)];
        next_.clear();
        for (const Arrangement& p : beam_) {
            std::size_t k = 0;
            for (int y : g.Ys)
                for (int x : g.Xs) {
                    const TRect r = at(x, y, size);
                    Score s = p.score;
                    s += g.Alone[k++];
                    // Overlap and gap only add: a place already no better
                    // than the worst one kept needs no more looking at.
                    if (next_.size() == Beam && !(s < next_.front().score))
                        continue;
                    s += apart(r, p, order.data(), int(step));
                    offer(p, b, r, s);
                }
            auto beside = [&](int x, int y) {
                const TRect r = at(std::clamp(x, g.X.Min, g.X.Max), std::clamp(y, g.Y.Min, g.Y.Max), size);
                Score s = p.score;
                s += cost(b, r, p, order.data(), int(step));
                offer(p, b, r, s);
            };
            // A pinned box has its one place: the grid offered it.
            for (std::size_t j = 0; j < step && !fixed_[std::size_t(b)]; ++j) {
                const TRect& q = p.rects[std::size_t(order[j])];
                const int w = size.Width, h = size.Height;
                beside(q.Left, q.Bottom + Gap);
                beside(q.Right - w, q.Bottom + Gap);
                beside(q.Left, q.Top - Gap - h);
                beside(q.Right - w, q.Top - Gap - h);
                beside(q.Right + Gap, q.Top);
                beside(q.Right + Gap, q.Bottom - h);
                beside(q.Left - Gap - w, q.Top);
                beside(q.Left - Gap - w, q.Bottom - h);
            }
        }
        std::sort_heap(next_.begin(), next_.end(),
                       [](const Arrangement& a, const Arrangement& c) { return a.score < c.score; });
        std::swap(beam_, next_);
    }
    return beam_.front();
}

void TBoxPlacement::shelves(const std::vector<int>& boxes,
                            const std::function<void(const Arrangement&)>& consider) const
{
    // The boxes the user did not put in place, packed on shelves.
    std::vector<int> free;
    std::vector<TBoxSize> sizes;
    for (int b : boxes)
        if (!fixed_[std::size_t(b)]) {
            free.push_back(b);
            sizes.push_back(sizes_[std::size_t(b)]);
        }
    if (free.empty())
        return;
    const TRect& area = coverage_.Area();
    const std::size_t ways = waysFor(free.size());
    for (bool rows : {true, false})
        for (std::size_t way = 0; way < ways; ++way) {
            const Shelving s = shelve(sizes, way, rows);
            const int w = rows ? s.length : s.depth, h = rows ? s.depth : s.length;
            const int mx = w + 2 * Margin <= area.Width() ? Margin : 0;
            const int my = h + 2 * Margin <= area.Height() ? Margin : 0;
            // Shelf k starts this far across the whole.
            std::array<int, MaxBoxes> start{};
            for (std::size_t k = 0, pos = 0; k < free.size(); ++k)
                if (s.used[k]) {
                    start[k] = int(pos);
                    pos += std::size_t(s.across[k] + Gap);
                }
            for (bool right : {false, true})
                for (bool bottom : {false, true}) {
                    Arrangement a;
                    for (int b : boxes)
                        if (fixed_[std::size_t(b)])
                            a.rects[std::size_t(b)] = at(fixed_[std::size_t(b)]->x, fixed_[std::size_t(b)]->y,
                                                         sizes_[std::size_t(b)]);
                    for (std::size_t i = 0; i < free.size(); ++i) {
                        const TBoxSize size = sizes[i];
                        const int k = s.shelf[i];
                        // Along the shelf from the anchored end; across,
                        // shelf after shelf away from the anchored edge.
                        int along = s.offset[i], across = start[std::size_t(k)];
                        const int length = rows ? size.Width : size.Height;
                        const int depth = rows ? size.Height : size.Width;
                        const bool farAlong = rows ? right : bottom, farAcross = rows ? bottom : right;
                        if (farAlong)
                            along = (rows ? w : h) - along - length;
                        if (farAcross)
                            across = (rows ? h : w) - across - depth;
                        const int dx = rows ? along : across, dy = rows ? across : along;
                        const int x = right ? area.Right - mx - w + dx : area.Left + mx + dx;
                        const int y = bottom ? area.Bottom - my - h + dy : area.Top + my + dy;
                        a.rects[std::size_t(free[i])] = at(x, y, size);
                    }
                    a.score = total(a, boxes);
                    consider(a);
                }
        }
}

void TBoxPlacement::polish(Arrangement& a, const std::vector<int>& order) const
{
    // The grid tries places some pixels apart: a box a few pixels off may
    // clear a flank or a neighbour. Small moves, while they help.
    static constexpr int Steps[] = {1, 2, 4, 8, 12};
    for (int round = 0; round < 4; ++round) {
        bool better = false;
        for (int b : order) {
            if (fixed_[std::size_t(b)])
                continue;
            const TBoxSize size = sizes_[std::size_t(b)];
            const TRect from = a.rects[std::size_t(b)];
            for (int step : Steps)
                for (const TPoint d : {TPoint{step, 0}, TPoint{-step, 0}, TPoint{0, step}, TPoint{0, -step}}) {
                    // Within the places the grid spans: inside the margins
                    // where the area leaves them.
                    const Grid& g = grids_[std::size_t(b)];
                    const TRect r = at(from.Left + d.x, from.Top + d.y, size);
                    if (r.Left < g.X.Min || r.Left > g.X.Max || r.Top < g.Y.Min || r.Top > g.Y.Max)
                        continue;
                    Arrangement tried = a;
                    tried.rects[std::size_t(b)] = r;
                    tried.score = total(tried, order);
                    if (tried.score < a.score) {
                        a = tried;
                        better = true;
                    }
                }
        }
        if (!better)
            break;
    }
}

bool TBoxPlacement::keeps(const Arrangement& current, const Arrangement& best) const
{
    const Score& c = current.score;
    const Score& b = best.score;
    // Boxes that hide some curve where another place hides none move there:
    // the slack only keeps them from jumping between places about as good.
    return c.outside == 0 && c.overlap == 0 && c.peaks <= b.peaks && c.crowd <= b.crowd &&
           c.hidden <= b.hidden + KeepSlack && (c.hidden == 0 || b.hidden > 0);
}

TPoint TBoxPlacement::Inside(TPoint corner, TBoxSize size, const TRect& area)
{
    return {std::max(area.Left, std::min(corner.x, area.Right - size.Width)),
            std::max(area.Top, std::min(corner.y, area.Bottom - size.Height))};
}

TPoint TBoxPlacement::PinnedCorner(const TBoxPin& pin, TBoxSize size, const TRect& area)
{
    if (pin.Area == area || pin.Area.IsEmpty())
        return Inside(pin.Corner, size, area);
    // The box's middle keeps its share of the area's width and height.
    auto share = [](int corner, int length, int lo, int extent) {
        return extent > 0 ? (corner + length / 2.0 - lo) / extent : 0.5;
    };
    const double fx = share(pin.Corner.x, size.Width, pin.Area.Left, pin.Area.Width());
    const double fy = share(pin.Corner.y, size.Height, pin.Area.Top, pin.Area.Height());
    const TPoint corner{int(std::lround(area.Left + fx * area.Width() - size.Width / 2.0)),
                        int(std::lround(area.Top + fy * area.Height() - size.Height / 2.0))};
    return Inside(corner, size, area);
}

std::vector<TPoint> TBoxPlacement::Place(const std::vector<TBoxSize>& sizes, const std::vector<TPoint>& current)
{
    std::vector<TBoxRequest> boxes;
    for (TBoxSize s : sizes)
        boxes.push_back({s, std::nullopt, false});
    return Place(boxes, current);
}

std::vector<TPoint> TBoxPlacement::Place(const std::vector<TBoxRequest>& boxes, const std::vector<TPoint>& current)
{
    assert(boxes.size() <= std::size_t(MaxBoxes));
    if (!finished_) {
        coverage_.Finish();
        finished_ = true;
    }
    const TRect& area = coverage_.Area();
    // Corners placed for another area (the plot was resized) are no guide.
    const bool haveCurrent = current.size() == boxes.size() && area == placedArea_;
    std::vector<TPoint> out(boxes.size(), TPoint{area.Left, area.Top});
    std::vector<int> order;
    fixed_.fill(std::nullopt);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TBoxRequest& box = boxes[i];
        sizes_[i] = box.Size;
        centred_[i] = box.Centred;
        if (haveCurrent)
            out[i] = current[i];
        if (box.Pin) {
            out[i] = box.Pin->Corner;
            if (!box.Size.Empty())
                fixed_[i] = PinnedCorner(*box.Pin, box.Size, area);
        }
        if (!box.Size.Empty())
            order.push_back(int(i));
    }
    lastScore_ = {};
    if (order.empty() || area.IsEmpty())
        return out;

    Arrangement best;
    bool found = false;
    auto consider = [&](const Arrangement& a) {
        if (!found || a.score < best.score) {
            best = a;
            found = true;
        }
    };
    prepare(order);
    // The shelves first: on a tie they win, and they are apart whenever
    // the area holds the boxes apart at all.
    shelves(order, consider);
    // Every order of the boxes: the first placed takes its best place, and
    // that may be the only one where a later one fits.
    do
        consider(search(order));
    while (std::next_permutation(order.begin(), order.end()));

    polish(best, order);

    if (haveCurrent) {
        Arrangement now;
        bool inside = true;
        for (int b : order) {
            const TPoint c = fixed_[std::size_t(b)].value_or(current[std::size_t(b)]);
            const TRect r = at(c.x, c.y, sizes_[std::size_t(b)]);
            now.rects[std::size_t(b)] = r;
            // A pinned box larger than the area stands where it must.
            inside = inside && (fixed_[std::size_t(b)] || (r.Left >= area.Left && r.Top >= area.Top &&
                                                            r.Right <= area.Right && r.Bottom <= area.Bottom));
        }
        now.score = total(now, order);
        if (inside && keeps(now, best))
            best = now;
    }
    for (int b : order)
        out[std::size_t(b)] = {best.rects[std::size_t(b)].Left, best.rects[std::size_t(b)].Top};
    placedArea_ = area;
    lastScore_ = best.score;
    return out;
}

TBoxSize TBoxPlacement::AreaFor(const std::vector<TBoxSize>& sizes, TBoxSize largest)
{
    assert(sizes.size() <= std::size_t(MaxBoxes));
    std::vector<TBoxSize> boxes;
    for (TBoxSize s : sizes)
        if (!s.Empty())
            boxes.push_back(s);
    if (boxes.empty())
        return {};
    // Every way of putting the boxes on shelves, in rows of boxes one above
    // the other and transposed, with as much room again for the curves
    // beside or below them.
    TBoxSize roomy;
    auto offer = [&](int w, int h) {
        if (w > largest.Width || h > largest.Height)
            return;
        if (roomy.Empty() || std::int64_t(w) * h < std::int64_t(roomy.Width) * roomy.Height)
            roomy = {w, h};
    };
    const std::size_t ways = waysFor(boxes.size());
    for (bool rows : {true, false})
        for (std::size_t way = 0; way < ways; ++way) {
            const Shelving s = shelve(boxes, way, rows);
            const int w = rows ? s.length : s.depth, h = rows ? s.depth : s.length;
            offer(2 * w + Gap + 2 * Margin, h + 2 * Margin);
            offer(w + 2 * Margin, 2 * h + Gap + 2 * Margin);
        }
    // Where none fits, all the room there is: the curves get what the boxes
    // leave of it.
    return roomy.Empty() ? largest : roomy;
}

bool TBoxPlacement::FitsApart(const std::vector<TBoxSize>& sizes, TBoxSize area)
{
    std::vector<TBoxSize> boxes;
    for (TBoxSize s : sizes)
        if (!s.Empty())
            boxes.push_back(s);
    const std::size_t ways = waysFor(boxes.size());
    for (bool rows : {true, false})
        for (std::size_t way = 0; way < ways; ++way) {
            const Shelving s = shelve(boxes, way, rows);
            if ((rows ? s.length : s.depth) <= area.Width && (rows ? s.depth : s.length) <= area.Height)
                return true;
        }
    return boxes.empty();
}
