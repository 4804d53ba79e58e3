// Where each axis class lies in the plot rectangle: its pixel range, its
// line, its ticks, its labels and its grid lines. Ticks point outwards from
// the plot, 15 pixels for a major one and 5 or 10 for a minor one; labels
// start two pixels beyond the major ticks.

#include "plot/plain/Axis.h"

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
