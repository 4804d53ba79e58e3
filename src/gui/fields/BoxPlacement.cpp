#include "gui/fields/BoxPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace veltrane {

namespace {

constexpr int Margin = 8;  // from the area's edges, clear of the ticks
constexpr int Gap = 6;     // between two boxes of one corner
constexpr int PeakClear = 4;  // a peak this close to a box is hidden too

enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// How many of the curves' pixels a rectangle holds, from a summed-area
// table: a pixel drawn twice hides no more than once.
class Coverage {
public:
    Coverage(const TRect& area, const std::vector<PixelCurve>& curves)
        : area_(area), w_(std::max(area.Width(), 0)), h_(std::max(area.Height(), 0)),
          sum_(std::size_t(w_ + 1) * std::size_t(h_ + 1), 0)
    {
        for (const PixelCurve& curve : curves)
            for (std::size_t i = 0; i < curve.size(); ++i)
                mark(curve[i == 0 ? 0 : i - 1], curve[i]);
        for (int y = 1; y <= h_; ++y)
            for (int x = 1; x <= w_; ++x)
                at(x, y) += at(x - 1, y) + at(x, y - 1) - at(x - 1, y - 1);
    }

    int Count(const TRect& r) const
    {
        const int l = std::clamp(r.Left - area_.Left, 0, w_), rr = std::clamp(r.Right - area_.Left, 0, w_);
        const int t = std::clamp(r.Top - area_.Top, 0, h_), b = std::clamp(r.Bottom - area_.Top, 0, h_);
        return value(rr, b) - value(l, b) - value(rr, t) + value(l, t);
    }

private:
    // The pixels of the line from a to b, both ends included.
    void mark(TPoint a, TPoint b)
    {
        // A segment far beyond the area is walked coarsely.
        const long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
        const long long steps = std::min<long long>(std::max(std::llabs(dx), std::llabs(dy)), 4 * (w_ + h_) + 1);
        for (long long k = 0; k <= steps; ++k) {
            const double t = steps ? double(k) / double(steps) : 0.0;
            const int x = int(std::lround(a.x + t * double(dx))), y = int(std::lround(a.y + t * double(dy)));
            if (area_.Contains(x, y))
                at(x - area_.Left + 1, y - area_.Top + 1) = 1;
        }
    }
    int& at(int x, int y) { return sum_[std::size_t(y) * std::size_t(w_ + 1) + std::size_t(x)]; }
    int value(int x, int y) const { return sum_[std::size_t(y) * std::size_t(w_ + 1) + std::size_t(x)]; }

    TRect area_;
    int w_, h_;
    std::vector<int> sum_;
};

using Rects = std::array<TRect, BoxCount>;

// The given boxes one under another in a corner, in the given order.
void stack(const TRect& area, const std::array<BoxSize, BoxCount>& sizes, Corner corner,
           std::initializer_list<int> boxes, Rects& out)
{
    int total = -Gap;
    for (int b : boxes)
        if (!sizes[std::size_t(b)].Empty())
            total += sizes[std::size_t(b)].Height + Gap;
    const bool top = corner == TopLeft || corner == TopRight;
    const bool left = corner == TopLeft || corner == BottomLeft;
    int y = top ? area.Top + Margin : area.Bottom - Margin - total;
    for (int b : boxes) {
        const BoxSize s = sizes[std::size_t(b)];
        if (s.Empty())
            continue;
        const int x = left ? area.Left + Margin : area.Right - Margin - s.Width;
        out[std::size_t(b)] = {x, y, x + s.Width, y + s.Height};
        y += s.Height + Gap;
    }
}

bool intersect(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool fits(const TRect& area, const Rects& r)
{
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i].IsEmpty())
            continue;
        if (r[i].Left < area.Left || r[i].Top < area.Top || r[i].Right > area.Right || r[i].Bottom > area.Bottom)
            return false;
        for (std::size_t j = i + 1; j < r.size(); ++j)
            if (!r[j].IsEmpty() && intersect(r[i], r[j]))
                return false;
    }
    return true;
}

}  // namespace

std::array<TPoint, BoxCount> PlaceBoxes(const TRect& area, const std::array<BoxSize, BoxCount>& sizes,
                                        const std::vector<PixelCurve>& curves, const std::vector<TPoint>& peaks)
{
    const Coverage coverage(area, curves);
    Rects best{};
    stack(area, sizes, TopLeft, {0, 1, 2}, best);
    long long bestCovered = std::numeric_limits<long long>::max();
    for (Corner legend : {TopLeft, TopRight, BottomLeft, BottomRight})
        for (Corner texts : {TopLeft, TopRight, BottomLeft, BottomRight}) {
            Rects r{};
            if (legend == texts) {
                stack(area, sizes, legend, {0, 1, 2}, r);
            } else {
                stack(area, sizes, legend, {0}, r);
                stack(area, sizes, texts, {1, 2}, r);
            }
            if (!fits(area, r))
                continue;
            // One hidden peak weighs more than every pixel of the area.
            const long long peakWeight = (long long)area.Width() * area.Height() + 1;
            long long covered = 0;
            for (const TRect& rect : r) {
                if (rect.IsEmpty())
                    continue;
                covered += coverage.Count(rect);
                const TRect near{rect.Left - PeakClear, rect.Top - PeakClear, rect.Right + PeakClear,
                                 rect.Bottom + PeakClear};
                for (const TPoint& p : peaks)
                    if (near.Contains(p.x, p.y))
                        covered += peakWeight;
            }
            if (covered < bestCovered) {
                bestCovered = covered;
                best = r;
            }
        }
    std::array<TPoint, BoxCount> corners{};
    for (std::size_t i = 0; i < corners.size(); ++i)
        corners[i] = {best[i].Left, best[i].Top};
    return corners;
}

}  // namespace veltrane
