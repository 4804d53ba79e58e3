// Painting of the three axis classes: axis line, major ticks with labels,
// minor ticks, grid and zero line.

#include <algorithm>
#include <cmath>

#include "plot/Axis.h"
#include "plot/PlotCanvas.h"

void TAxis::Plotline4(TPlotCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void TAxis::PaintAxis(TPlotCanvas& c, const TRect& rect, TColor background)
{
    SetPixelsFromRect(rect);
    c.SetBrush(background);
    c.SetPen(clBlack, psSolid, 1);
    c.SetFont(Font_);
    PaintAxisLine(c, rect);
    PaintAxisTicks(c, rect);
    if (Gitter_)
        Paintgitter(c, rect);
    if (Zeroline_)
        Paintzeroline(c, rect);
}

void TAxis::PaintAxisTicks(TPlotCanvas& c, const TRect& rect)
{
    const int penWidth = 1;
    const int m = 3 * penWidth;
    int count = 10;
    const std::vector<double> ticks = TickValues();
    PaintHauptunterteilung(c, rect, ticks.front());
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double x = ticks[i - 1], y = ticks[i];
        int d = std::abs(Kor2Pkt(y) - Kor2Pkt(x));
        if (double(d) / count < m)
            count = std::max(1, d / m);
        for (int j = 0; j <= count; ++j) {
            double v = x + j * (y - x) / count;
            int len = (count % 2 == 0 && j == count / 2) ? 10 : 5;
            PaintNebenunterteilung(c, rect, v, len);
        }
        PaintHauptunterteilung(c, rect, y);
    }
    for (const TAxisLabel& label : Labels(rect, c))
        c.TextOut(label.Cell.Left, label.Cell.Top, label.Text);
}

void TAxis::Paintgitter(TPlotCanvas& c, const TRect& rect)
{
    c.SetPen(GitterColor_, Gitterstyle_, 1);
    c.SetTextTransparent(true);
    double x = NextValue(1, StartValue_);
    PaintGitterLine(c, rect, Kor2Pkt(x));
    for (int i = 2; i <= MaxTicks; ++i) {
        double y = NextValue(i, x);
        if (!(y < EndValue_))
            break;
        PaintGitterLine(c, rect, Kor2Pkt(y));
        x = y;
    }
    c.SetTextTransparent(false);
    c.SetPen(clBlack, psSolid, 1);
}

void TAxis::Paintzeroline(TPlotCanvas& c, const TRect& rect)
{
    if (!(StartValue_ < 0 && 0 < EndValue_))
        return;
    int width = Zerolinewidth_ == zwSchmal ? 1 : Zerolinewidth_ == zwMittel ? 2 : 3;
    c.SetPen(ZerolineColor_, psSolid, width);
    PaintGitterLine(c, rect, Kor2Pkt(0.0));
    c.SetPen(clBlack, psSolid, 1);
}

// ---- X axis ------------------------------------------------------------------

void TXAxis::SetPixelsFromRect(const TRect& r) { SetPixelRange(r.Left, r.Right); }

void TXAxis::PaintAxisLine(TPlotCanvas& c, const TRect& r) { Plotline4(c, r.Left, r.Bottom, r.Right, r.Bottom); }

void TXAxis::PaintHauptunterteilung(TPlotCanvas& c, const TRect& r, double value)
{
    int p = Kor2Pkt(value);
    Plotline4(c, p, r.Bottom + 15, p, r.Bottom);
}

TRect TXAxis::LabelCell(const TRect& r, int p, int w, int h) const
{
    return {p - w / 2, r.Bottom + 17, p - w / 2 + w, r.Bottom + 17 + h};
}

void TXAxis::PaintNebenunterteilung(TPlotCanvas& c, const TRect& r, double value, int length)
{
    int p = Kor2Pkt(value);
    Plotline4(c, p, r.Bottom + length, p, r.Bottom);
}

void TXAxis::PaintGitterLine(TPlotCanvas& c, const TRect& r, int p) { Plotline4(c, p, r.Bottom, p, r.Top); }

// ---- left Y axis -------------------------------------------------------------

void TY1Axis::SetPixelsFromRect(const TRect& r) { SetPixelRange(r.Bottom, r.Top); }

void TY1Axis::PaintAxisLine(TPlotCanvas& c, const TRect& r) { Plotline4(c, r.Left, r.Bottom, r.Left, r.Top); }

void TY1Axis::PaintHauptunterteilung(TPlotCanvas& c, const TRect& r, double value)
{
    int p = Kor2Pkt(value);
    Plotline4(c, r.Left - 15, p, r.Left, p);
}

TRect TY1Axis::LabelCell(const TRect& r, int p, int w, int h) const
{
    return {r.Left - 17 - w, p - h / 2, r.Left - 17, p - h / 2 + h};
}

void TY1Axis::PaintNebenunterteilung(TPlotCanvas& c, const TRect& r, double value, int length)
{
    int p = Kor2Pkt(value);
    Plotline4(c, r.Left - length, p, r.Left, p);
}

void TY1Axis::PaintGitterLine(TPlotCanvas& c, const TRect& r, int p) { Plotline4(c, r.Left, p, r.Right, p); }

// ---- right Y axis ------------------------------------------------------------

void TY2Axis::SetPixelsFromRect(const TRect& r) { SetPixelRange(r.Bottom, r.Top); }

void TY2Axis::PaintAxisLine(TPlotCanvas& c, const TRect& r) { Plotline4(c, r.Right, r.Bottom, r.Right, r.Top); }

void TY2Axis::PaintHauptunterteilung(TPlotCanvas& c, const TRect& r, double value)
{
    int p = Kor2Pkt(value);
    Plotline4(c, r.Right + 15, p, r.Right, p);
}

TRect TY2Axis::LabelCell(const TRect& r, int p, int w, int h) const
{
    return {r.Right + 17, p - h / 2, r.Right + 17 + w, p - h / 2 + h};
}

void TY2Axis::PaintNebenunterteilung(TPlotCanvas& c, const TRect& r, double value, int length)
{
    int p = Kor2Pkt(value);
    Plotline4(c, r.Right + length, p, r.Right, p);
}

void TY2Axis::PaintGitterLine(TPlotCanvas& c, const TRect& r, int p) { Plotline4(c, r.Left, p, r.Right, p); }
