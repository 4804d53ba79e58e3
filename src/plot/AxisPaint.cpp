// Painting of the axes: axis line, major ticks with labels, minor ticks,
// grid and zero line, drawn where the axis geometry puts them.

#include <algorithm>
#include <cmath>

#include "plot/plain/Axis.h"
#include "plot/PlotCanvas.h"

void TAxis::Plotline4(TPlotCanvas& c, const TAxisSegment& line)
{
    c.MoveTo(line.From.x, line.From.y);
    c.LineTo(line.To.x, line.To.y);
}

void TAxis::PaintAxis(TPlotCanvas& c, const TRect& rect, TColor background)
{
    SetPixelsFromRect(rect);
    c.SetBrush(background);
    c.SetPen(clBlack, psSolid, 1);
    c.SetFont(Font_);
    Plotline4(c, AxisLine(rect));
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
    Plotline4(c, MajorTick(rect, Kor2Pkt(ticks.front())));
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double x = ticks[i - 1], y = ticks[i];
        int d = std::abs(Kor2Pkt(y) - Kor2Pkt(x));
        if (double(d) / count < m)
            count = std::max(1, d / m);
        for (int j = 0; j <= count; ++j) {
            double v = x + j * (y - x) / count;
            int len = (count % 2 == 0 && j == count / 2) ? 10 : 5;
            Plotline4(c, MinorTick(rect, Kor2Pkt(v), len));
        }
        Plotline4(c, MajorTick(rect, Kor2Pkt(y)));
    }
    for (const TAxisLabel& label : Labels(rect, c))
        c.TextOut(label.Cell.Left, label.Cell.Top, label.Text);
}

void TAxis::Paintgitter(TPlotCanvas& c, const TRect& rect)
{
    c.SetPen(GitterColor_, Gitterstyle_, 1);
    c.SetTextTransparent(true);
    double x = NextValue(1, StartValue_);
    Plotline4(c, GridLine(rect, Kor2Pkt(x)));
    for (int i = 2; i <= MaxTicks; ++i) {
        double y = NextValue(i, x);
        if (!(y < EndValue_))
            break;
        Plotline4(c, GridLine(rect, Kor2Pkt(y)));
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
    Plotline4(c, GridLine(rect, Kor2Pkt(0.0)));
    c.SetPen(clBlack, psSolid, 1);
}
