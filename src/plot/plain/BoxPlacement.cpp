#include "plot/plain/BoxPlacement.h"

#include <algorithm>
#include <cassert>
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

std::int64_t overlapArea(const TRect& a, const TRect& b)
{
    const std::int64_t w = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
    const std::int64_t h = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

TRect grown(const TRect& r, int by) { return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

TRect at(int x, int y, TBoxSize s) { return {x, y, x + s.Width, y + s.Height}; }

}  // namespace

TBoxPlacement::Score& TBoxPlacement::Score::operator+=(const Score& o)
{
    overlap += o.overlap;
    peaks += o.peaks;
    crowd += o.crowd;
    hidden += o.hidden;
    edge += o.edge;
    return *this;
}

bool TBoxPlacement::Score::operator<(const Score& o) const
{
    return std::tie(overlap, peaks, crowd, hidden, edge) < std::tie(o.overlap, o.peaks, o.crowd, o.hidden, o.edge);
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
    const std::size_t first = peaks_.size();
    FindExtrema(trace_, ExtremumSwing(hi->y - lo->y, coverage_.Area().Height()), peaks_);
    for (std::size_t i = first; i < peaks_.size(); ++i)
        coverage_.MarkPeak(peaks_[i]);
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

TBoxPlacement::Score TBoxPlacement::cost(const TRect& r, const Arrangement& a, const int* placed, int count) const
{
    Score s = apart(r, a, placed, count);
    s.peaks = coverage_.Peaks(grown(r, PeakClear));
    s.hidden = coverage_.Drawn(r);
    const TRect& area = coverage_.Area();
    s.edge = std::max(0, std::min(r.Left - area.Left, area.Right - r.Right)) +
             std::max(0, std::min(r.Top - area.Top, area.Bottom - r.Bottom));
    return s;
}

TBoxPlacement::Score TBoxPlacement::total(const Arrangement& a, const std::vector<int>& order) const
{
    Score s;
    for (std::size_t k = 0; k < order.size(); ++k)
        s += cost(a.rects[std::size_t(order[k])], a, order.data(), int(k));
    return s;
}

void TBoxPlacement::prepare(const std::vector<TBoxSize>& sizes, const std::vector<int>& boxes)
{
    // What a box costs on its own at each grid place is the same in every
    // order of the boxes: worked out once.
    const TRect& area = coverage_.Area();
    for (int b : boxes) {
        Grid& g = grids_[std::size_t(b)];
        const TBoxSize size = sizes[std::size_t(b)];
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
                g.Alone.push_back(cost(at(x, y, size), Arrangement{}, nullptr, 0));
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

TBoxPlacement::Arrangement TBoxPlacement::search(const std::vector<TBoxSize>& sizes, const std::vector<int>& order)
{
    // A beam search: the boxes one after another, each tried on a grid over
    // the area and beside every box already placed, keeping the best few
    // partial arrangements at each step.
    beam_.assign(1, Arrangement{});
    for (std::size_t step = 0; step < order.size(); ++step) {
        const int b = order[step];
        const TBoxSize size = sizes[std::size_t(b)];
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
                s += cost(r, p, order.data(), int(step));
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

TBoxPlacement::Arrangement TBoxPlacement::shelves(const std::vector<TBoxSize>& sizes, const std::vector<int>& order,
                                                  bool rows) const
{
    // The boxes packed from the top left, in rows (or columns) that wrap at
    // the area's far edge: apart whenever they fit the area at all.
    const TRect& area = coverage_.Area();
    Arrangement a;
    int x = area.Left + Margin, y = area.Top + Margin, band = 0;
    for (int b : order) {
        const TBoxSize s = sizes[std::size_t(b)];
        if (const std::optional<TPoint>& pin = fixed_[std::size_t(b)]) {
            a.rects[std::size_t(b)] = at(pin->x, pin->y, s);
            continue;
        }
        if (rows) {
            if (x > area.Left + Margin && x + s.Width > area.Right - Margin) {
                x = area.Left + Margin;
                y += band + Gap;
                band = 0;
            }
            a.rects[std::size_t(b)] = at(x, y, s);
            x += s.Width + Gap;
            band = std::max(band, s.Height);
        } else {
            if (y > area.Top + Margin && y + s.Height > area.Bottom - Margin) {
                y = area.Top + Margin;
                x += band + Gap;
                band = 0;
            }
            a.rects[std::size_t(b)] = at(x, y, s);
            y += s.Height + Gap;
            band = std::max(band, s.Width);
        }
    }
    a.score = total(a, order);
    return a;
}

bool TBoxPlacement::keeps(const Arrangement& current, const Arrangement& best) const
{
    const Score& c = current.score;
    const Score& b = best.score;
    return c.overlap == 0 && c.peaks <= b.peaks && c.crowd <= b.crowd && c.hidden <= b.hidden + KeepSlack;
}

TPoint TBoxPlacement::Inside(TPoint corner, TBoxSize size, const TRect& area)
{
    return {std::max(area.Left, std::min(corner.x, area.Right - size.Width)),
            std::max(area.Top, std::min(corner.y, area.Bottom - size.Height))};
}

std::vector<TPoint> TBoxPlacement::Place(const std::vector<TBoxSize>& sizes, const std::vector<TPoint>& current,
                                         const std::vector<std::optional<TPoint>>& pinned)
{
    assert(sizes.size() <= std::size_t(MaxBoxes));
    if (!finished_) {
        coverage_.Finish();
        finished_ = true;
    }
    const TRect& area = coverage_.Area();
    // Corners placed for another area (the plot was resized) are no guide.
    const bool haveCurrent = current.size() == sizes.size() && area == placedArea_;
    std::vector<TPoint> out(sizes.size(), TPoint{area.Left, area.Top});
    std::vector<int> order;
    fixed_.fill(std::nullopt);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (haveCurrent)
            out[i] = current[i];
        if (i < pinned.size() && pinned[i]) {
            out[i] = *pinned[i];
            if (!sizes[i].Empty())
                fixed_[i] = Inside(*pinned[i], sizes[i], area);
        }
        if (!sizes[i].Empty())
            order.push_back(int(i));
    }
    if (order.empty() || area.IsEmpty())
        return out;

    // Every order of the boxes: the first placed takes its best place, and
    // that may be the only one where a later one fits.
    Arrangement best;
    bool found = false;
    auto consider = [&](const Arrangement& a) {
        if (!found || a.score < best.score) {
            best = a;
            found = true;
        }
    };
    prepare(sizes, order);
    do {
        consider(search(sizes, order));
        consider(shelves(sizes, order, true));
        consider(shelves(sizes, order, false));
    } while (std::next_permutation(order.begin(), order.end()));

    if (haveCurrent) {
        Arrangement now;
        bool inside = true;
        for (int b : order) {
            const TPoint c = fixed_[std::size_t(b)].value_or(current[std::size_t(b)]);
            const TRect r = at(c.x, c.y, sizes[std::size_t(b)]);
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
    return out;
}

TBoxSize TBoxPlacement::AreaFor(const std::vector<TBoxSize>& sizes)
{
    assert(sizes.size() <= std::size_t(MaxBoxes));
    std::vector<TBoxSize> boxes;
    for (TBoxSize s : sizes)
        if (!s.Empty())
            boxes.push_back(s);
    if (boxes.empty())
        return {};
    // Every way of putting the boxes on shelves (a shelf per box at most),
    // once with rows of boxes one above the other and once transposed.
    const std::size_t n = boxes.size();
    std::size_t ways = 1;
    for (std::size_t i = 0; i < n; ++i)
        ways *= n;
    TBoxSize best;
    auto offer = [&](int w, int h) {
        if (best.Empty() || std::int64_t(w) * h < std::int64_t(best.Width) * best.Height)
            best = {w, h};
    };
    for (bool rows : {true, false})
        for (std::size_t way = 0; way < ways; ++way) {
            // along: the shelves' lengths; across: their depths.
            std::array<int, MaxBoxes> along{}, across{};
            std::array<bool, MaxBoxes> used{};
            for (std::size_t i = 0, w = way; i < n; ++i, w /= n) {
                const std::size_t shelf = w % n;
                const int length = rows ? boxes[i].Width : boxes[i].Height;
                const int depth = rows ? boxes[i].Height : boxes[i].Width;
                along[shelf] += (used[shelf] ? Gap : 0) + length;
                across[shelf] = std::max(across[shelf], depth);
                used[shelf] = true;
            }
            int length = 0, depth = 0, shelves = 0;
            for (std::size_t k = 0; k < n; ++k)
                if (used[k]) {
                    length = std::max(length, along[k]);
                    depth += across[k];
                    ++shelves;
                }
            depth += (shelves - 1) * Gap;
            const int w = rows ? length : depth, h = rows ? depth : length;
            offer(2 * w + Gap + 2 * Margin, h + 2 * Margin);
            offer(w + 2 * Margin, 2 * h + Gap + 2 * Margin);
        }
    return best;
}
