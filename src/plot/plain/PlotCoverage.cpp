#include "plot/plain/PlotCoverage.h"

#include <algorithm>
#include <cstdlib>

#include "plot/plain/PlotGeometry.h"

namespace {

int cellsFor(int pixels) { return std::max(0, (pixels + TPlotCoverage::Cell - 1) / TPlotCoverage::Cell); }

}  // namespace

void TPlotCoverage::Reset(const TRect& area)
{
    area_ = area;
    cw_ = cellsFor(area.Width() + 1);  // the area's edges are drawn on
    ch_ = cellsFor(area.Height() + 1);
    const std::size_t n = std::size_t(cw_ + 1) * std::size_t(ch_ + 1);
    drawn_.assign(n, 0);
    peaks_.assign(n, 0);
    flanks_.assign(n, 0);
    lastCurve_.assign(n, -1);
    lastFlank_.assign(n, -1);
    curve_ = 0;
    flank_ = 0;
}


void TPlotCoverage::markIndex(std::size_t i)
{
    if (lastCurve_[i] == curve_)
        return;
    lastCurve_[i] = curve_;
    ++drawn_[i];
}

template <typename F>
void TPlotCoverage::walkLine(TPoint a, TPoint b, F mark)
{
    TClippedSegment s;
    if (cw_ == 0 || ch_ == 0 || !ClipSegment(area_, a.x, a.y, b.x, b.y, s))
        return;
    const int dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    // A step of at most one cell: no cell the line crosses is skipped.
    const int steps = std::max(std::abs(dx), std::abs(dy)) / Cell + 1;
    std::size_t last = std::size_t(-1);
    for (int k = 0; k <= steps; ++k) {
        const int x = s.x1 + int((long long)dx * k / steps), y = s.y1 + int((long long)dy * k / steps);
        const std::size_t i = index((x - area_.Left) / Cell + 1, (y - area_.Top) / Cell + 1);
        if (i != last)
            mark(i);
        last = i;
    }
}

void TPlotCoverage::MarkLine(TPoint a, TPoint b)
{
    walkLine(a, b, [this](std::size_t i) { markIndex(i); });
}

void TPlotCoverage::MarkFlank(TPoint a, TPoint b, int weight)
{
    walkLine(a, b, [this, weight](std::size_t i) {
        if (lastFlank_[i] != flank_) {
            lastFlank_[i] = flank_;
            flanks_[i] += weight;
        }
    });
}

void TPlotCoverage::MarkRect(const TRect& r)
{
    const int l = std::max(r.Left, area_.Left), t = std::max(r.Top, area_.Top);
    const int rr = std::min(r.Right - 1, area_.Right), b = std::min(r.Bottom - 1, area_.Bottom);
    if (cw_ == 0 || ch_ == 0 || l > rr || t > b)
        return;
    for (int cy = (t - area_.Top) / Cell; cy <= (b - area_.Top) / Cell; ++cy)
        for (int cx = (l - area_.Left) / Cell; cx <= (rr - area_.Left) / Cell; ++cx)
            markIndex(index(cx + 1, cy + 1));
}

void TPlotCoverage::MarkPeak(TPoint p)
{
    if (cw_ == 0 || ch_ == 0 || !area_.ContainsClosed(p.x, p.y))
        return;
    ++peaks_[index((p.x - area_.Left) / Cell + 1, (p.y - area_.Top) / Cell + 1)];
}

void TPlotCoverage::Finish()
{
    for (std::vector<std::int32_t>* sums : {&drawn_, &peaks_, &flanks_})
        for (int cy = 1; cy <= ch_; ++cy)
            for (int cx = 1; cx <= cw_; ++cx)
                (*sums)[index(cx, cy)] +=
                    (*sums)[index(cx - 1, cy)] + (*sums)[index(cx, cy - 1)] - (*sums)[index(cx - 1, cy - 1)];
}

std::int64_t TPlotCoverage::count(const std::vector<std::int32_t>& sums, const TRect& r) const
{
    if (cw_ == 0 || ch_ == 0 || r.IsEmpty())
        return 0;
    // Outward to whole cells: a cell partly under r counts.
    auto cellOf = [](int offset) { return offset >= 0 ? offset / Cell : -((-offset + Cell - 1) / Cell); };
    const int l = std::clamp(cellOf(r.Left - area_.Left), 0, cw_);
    const int t = std::clamp(cellOf(r.Top - area_.Top), 0, ch_);
    const int rr = std::clamp(cellOf(r.Right - 1 - area_.Left) + 1, 0, cw_);
    const int b = std::clamp(cellOf(r.Bottom - 1 - area_.Top) + 1, 0, ch_);
    if (rr <= l || b <= t)
        return 0;
    return std::int64_t(sums[index(rr, b)]) - sums[index(l, b)] - sums[index(rr, t)] + sums[index(l, t)];
}
