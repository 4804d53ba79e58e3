#include "plot/plain/CurveExtrema.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int MinSwing = 4;      // pixels: below this a turn is drawing noise
constexpr int SwingShare = 20;   // a twentieth of the curve's height

}  // namespace

int ExtremumSwing(int range, int height) { return std::max(MinSwing, std::min(range, height) / SwingShare); }

void FindExtremumIndices(const std::vector<TPoint>& pts, int swing, std::vector<std::size_t>& out)
{
    // One walk: until the curve has moved by a swing its direction is
    // unknown and the lowest and highest points so far are kept; from then
    // on the extreme in the current direction is the candidate, confirmed
    // once the curve has turned back by a swing. The first leg starts at
    // the far extreme of the points before it, so a candidate has its swing
    // on the near side too; the last candidate is an end and never confirmed.
    if (pts.size() < 3)
        return;
    enum { Unknown, SeekHigh, SeekLow } state = Unknown;
    std::size_t lo = 0, hi = 0;
    std::size_t cand = 0, candEnd = 0;  // first and last point at the candidate's value
    auto confirm = [&] { out.push_back(cand + (candEnd - cand) / 2); };
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const int y = pts[i].y;
        switch (state) {
        case Unknown:
            if (y > pts[hi].y)
                hi = i;
            if (y < pts[lo].y)
                lo = i;
            if (pts[hi].y - pts[lo].y >= swing) {
                state = lo < hi ? SeekHigh : SeekLow;
                cand = candEnd = i;
            }
            break;
        case SeekHigh:
            if (y > pts[cand].y) {
                cand = candEnd = i;
            } else if (y == pts[cand].y) {
                candEnd = i;
            } else if (pts[cand].y - y >= swing) {
                confirm();
                state = SeekLow;
                cand = candEnd = i;
            }
            break;
        case SeekLow:
            if (y < pts[cand].y) {
                cand = candEnd = i;
            } else if (y == pts[cand].y) {
                candEnd = i;
            } else if (y - pts[cand].y >= swing) {
                confirm();
                state = SeekHigh;
                cand = candEnd = i;
            }
            break;
        }
    }
}

void FindExtrema(const std::vector<TPoint>& pts, int swing, std::vector<TPoint>& out)
{
    std::vector<std::size_t> at;
    FindExtremumIndices(pts, swing, at);
    for (std::size_t i : at)
        out.push_back(pts[i]);
}

TFlankSpan HalfDepthSpan(const std::vector<TPoint>& pts, std::size_t at, std::size_t before, std::size_t after)
{
    const int v = pts[at].y;
    int lo = v, hi = v;
    for (std::size_t i = before; i <= after; ++i) {
        lo = std::min(lo, pts[i].y);
        hi = std::max(hi, pts[i].y);
    }
    TFlankSpan span{at, at};
    if (lo == hi)
        return span;
    // Pixels grow downward: a dip of the data is the largest y between
    // its shoulders, a peak the smallest.
    const bool down = v == hi;
    auto shoulder = [&](std::size_t from, std::size_t to) {
        int s = v;
        for (std::size_t i = from; i <= to; ++i)
            s = down ? std::min(s, pts[i].y) : std::max(s, pts[i].y);
        return s;
    };
    // Each flank's depth is measured to its own shoulder: the fall after a
    // broad maximum down into a deep dip is the maximum's flank as much as
    // the dip's. Beyond half of it, a point lies nearer the turning point
    // than the level half way (levels doubled to stay in whole pixels).
    const int left = shoulder(before, at), right = shoulder(at, after);
    const int left2 = v + left, right2 = v + right;
    span.Depth = std::max(std::abs(v - left), std::abs(v - right));
    auto deep = [&](int y, int level2) { return down ? 2 * y > level2 : 2 * y < level2; };
    while (span.From > before && deep(pts[span.From - 1].y, left2))
        --span.From;
    while (span.To < after && deep(pts[span.To + 1].y, right2))
        ++span.To;
    return span;
}
