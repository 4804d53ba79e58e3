// Where an axis lies in the plot rectangle: its pixel range, its line, its
// ticks, its labels, its grid lines and its zero line. Ticks point outwards
// from the plot, 15 pixels for a major one and 5 or 10 for a minor one;
// labels start two pixels beyond the major ticks.

#include <algorithm>
#include <cstdlib>

#include "plot/plain/Axis.h"

// ---- every axis --------------------------------------------------------------

TAxisLines TAxis::Lines(const TRect& rect)
{
    SetPixelsFromRect(rect);
    TAxisLines lines;
    lines.Axis = AxisLine(rect);
    lines.Ticks = TickLines(rect);
    if (Gitter_)
        lines.Grid = GridLines(rect);
    if (Zeroline_ && StartValue_ < 0 && 0 < EndValue_)
        lines.Zero = GridLine(rect, Kor2Pkt(0.0));
    return lines;
}

std::vector<TAxisSegment> TAxis::TickLines(const TRect& rect) const
{
    // Each interval between two major ticks is cut into `count` parts, 10
    // where there is room: fewer where the parts would stand closer than
    // MinorTickSpace, and once lowered the count stays lowered for the
    // intervals after (a logarithmic axis narrows towards its end). One part
    // is the least; the middle tick of an even count is 10 pixels long.
    std::vector<TAxisSegment> lines;
    int count = 10;
    const std::vector<double> ticks = TickValues();
    lines.push_back(MajorTick(rect, Kor2Pkt(ticks.front())));
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double x = ticks[i - 1], y = ticks[i];
        const int d = std::abs(Kor2Pkt(y) - Kor2Pkt(x));
        if (double(d) / count < MinorTickSpace)
            count = std::max(1, d / MinorTickSpace);
        for (int j = 0; j <= count; ++j) {
            const double v = x + j * (y - x) / count;
            const int length = (count % 2 == 0 && j == count / 2) ? 10 : 5;
            lines.push_back(MinorTick(rect, Kor2Pkt(v), length));
        }
        lines.push_back(MajorTick(rect, Kor2Pkt(y)));
    }
    return lines;
}

std::vector<TAxisSegment> TAxis::GridLines(const TRect& rect) const
{
    // The start of the axis has none; the first tick after it always has
    // one, even where it is the end of the axis, the later ones while they
    // lie before the end.
    std::vector<TAxisSegment> lines;
    double x = NextValue(1, StartValue_);
    lines.push_back(GridLine(rect, Kor2Pkt(x)));
    for (int i = 2; i <= MaxTicks; ++i) {
        const double y = NextValue(i, x);
        if (!(y < EndValue_))
            break;
        lines.push_back(GridLine(rect, Kor2Pkt(y)));
        x = y;
    }
    return lines;
}

// ---- X axis ------------------------------------------------------------------

void TXAxis::SetPixelsFromRect(const TRect& r) { SetPixelRange(r.Left, r.Right); }

TAxisSegment TXAxis::AxisLine(const TRect& r) const { return {{r.Left, r.Bottom}, {r.Right, r.Bottom}}; }

TAxisSegment TXAxis::MajorTick(const TRect& r, int p) const { return {{p, r.Bottom + 15}, {p, r.Bottom}}; }

TRect TXAxis::LabelCell(const TRect& r, int p, int w, int h) const
{
    return {p - w / 2, r.Bottom + 17, p - w / 2 + w, r.Bottom + 17 + h};
}

TAxisSegment TXAxis::MinorTick(const TRect& r, int p, int length) const
{
    return {{p, r.Bottom + length}, {p, r.Bottom}};
}

TAxisSegment TXAxis::GridLine(const TRect& r, int p) const { return {{p, r.Bottom}, {p, r.Top}}; }

// ---- left Y axis -------------------------------------------------------------

void TY1Axis::SetPixelsFromRect(const TRect& r) { SetPixelRange(r.Bottom, r.Top); }

TAxisSegment TY1Axis::AxisLine(const TRect& r) const { return {{r.Left, r.Bottom}, {r.Left, r.Top}}; }

TAxisSegment TY1Axis::MajorTick(const TRect& r, int p) const { return {{r.Left - 15, p}, {r.Left, p}}; }

TRect TY1Axis::LabelCell(const TRect& r, int p, int w, int h) const
{
    return {r.Left - 17 - w, p - h / 2, r.Left - 17, p - h / 2 + h};
}

TAxisSegment TY1Axis::MinorTick(const TRect& r, int p, int length) const
{
    return {{r.Left - length, p}, {r.Left, p}};
}

TAxisSegment TY1Axis::GridLine(const TRect& r, int p) const { return {{r.Left, p}, {r.Right, p}}; }

// ---- right Y axis ------------------------------------------------------------

void TY2Axis::SetPixelsFromRect(const TRect& r) { SetPixelRange(r.Bottom, r.Top); }

TAxisSegment TY2Axis::AxisLine(const TRect& r) const { return {{r.Right, r.Bottom}, {r.Right, r.Top}}; }

TAxisSegment TY2Axis::MajorTick(const TRect& r, int p) const { return {{r.Right + 15, p}, {r.Right, p}}; }

TRect TY2Axis::LabelCell(const TRect& r, int p, int w, int h) const
{
    return {r.Right + 17, p - h / 2, r.Right + 17 + w, p - h / 2 + h};
}

TAxisSegment TY2Axis::MinorTick(const TRect& r, int p, int length) const
{
    return {{r.Right + length, p}, {r.Right, p}};
}

TAxisSegment TY2Axis::GridLine(const TRect& r, int p) const { return {{r.Left, p}, {r.Right, p}}; }
