// Painting of the axes: axis line, major and minor ticks with the labels,
// grid and zero line, drawn where the axis geometry puts them.

#include "plot/AxisPaint.h"

#include "plot/PlotCanvas.h"

namespace {

void Plotline4(TPlotCanvas& c, const TAxisSegment& line)
{
    c.MoveTo(line.From.x, line.From.y);
    c.LineTo(line.To.x, line.To.y);
}

void PaintAxisTicks(TPlotCanvas& c, TAxis& axis, const TRect& rect, const TAxisLines& lines)
{
    for (const TAxisSegment& tick : lines.Ticks)
        Plotline4(c, tick);
    for (const TAxisLabel& label : axis.Labels(rect, c))
        c.TextOut(label.Cell.Left, label.Cell.Top, label.Text);
}

void Paintgitter(TPlotCanvas& c, const TAxis& axis, const TAxisLines& lines)
{
    c.SetPen(axis.GitterColor(), axis.Gitterstyle(), 1);
    c.SetTextTransparent(true);
    for (const TAxisSegment& line : lines.Grid)
        Plotline4(c, line);
    c.SetTextTransparent(false);
    c.SetPen(clBlack, psSolid, 1);
}

void Paintzeroline(TPlotCanvas& c, const TAxis& axis, const TAxisSegment& line)
{
    const int width = axis.Zerolinewidth() == zwSchmal ? 1 : axis.Zerolinewidth() == zwMittel ? 2 : 3;
    c.SetPen(axis.ZerolineColor(), psSolid, width);
    Plotline4(c, line);
    c.SetPen(clBlack, psSolid, 1);
}

}  // namespace

void PaintAxis(TPlotCanvas& c, TAxis& axis, const TRect& rect, TColor background)
{
    const TAxisLines lines = axis.Lines(rect);
    c.SetBrush(background);
    c.SetPen(clBlack, psSolid, 1);
    c.SetFont(axis.Font());
    Plotline4(c, lines.Axis);
    PaintAxisTicks(c, axis, rect, lines);
    if (!lines.Grid.empty())
        Paintgitter(c, axis, lines);
    if (lines.Zero)
        Paintzeroline(c, axis, *lines.Zero);
}
