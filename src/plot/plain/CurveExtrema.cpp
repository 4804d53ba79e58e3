#include "plot/plain/CurveExtrema.h"

#include <algorithm>

namespace {

constexpr int MinSwing = 4;      // pixels: below this a turn is drawing noise
constexpr int SwingShare = 20;   // a twentieth of the curve's height

}  // namespace

int ExtremumSwing(int range, int height) { return std::max(MinSwing, std::min(range, height) / SwingShare); }

void FindExtrema(const std::vector<TPoint>& pts, int swing, std::vector<TPoint>& out)
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
    auto confirm = [&] { out.push_back(pts[cand + (candEnd - cand) / 2]); };
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
