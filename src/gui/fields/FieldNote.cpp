#include "gui/fields/FieldNote.h"

#include <algorithm>

#include "document/NoValue.h"
#include "fields/FieldSelection.h"
#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"

namespace veltrane {

ViewRange SampleSpan(const TEWaveList& list, TEHFieldSet fields, bool angleMode)
{
    // Every sample has its place before the run, computed or not.
    ViewRange span;
    const bool absolute = AbsoluteScale(fields);
    for (const TEWave& w : list) {
        const double x = angleMode ? w.Theta : absolute ? w.Pos : w.RelPos;
        if (x != NOVALUE)
            span.Take(x);
    }
    return span;
}

void SetEmptyFieldAxes(TLinePlot& plot, const ViewRange& span)
{
    if (!span.valid) {
        plot.SetY1Y2Axislimit(0.0, 1.0, 0.0, 1.0);
        return;
    }
    const ViewRange x = span.Widened();
    plot.SetXY1Y2Axislimit(x.min, x.max, 0.0, 1.0, 0.0, 1.0);
}

void PaintFieldNote(TLinePlot& plot, TPlotCanvas& c, const std::vector<std::string>& lines)
{
    const TRect area = plot.GetPlotrec();
    if (lines.empty() || area.IsEmpty())
        return;
    constexpr int Pad = 8;
    c.SetFont(TLinePlot::AxisTitleFont());
    int width = 0;
    for (const std::string& line : lines)
        width = std::max(width, c.TextWidth(line));
    const int pitch = c.TextHeight("E") + 2;
    const int height = pitch * int(lines.size());
    const int left = (area.Left + area.Right) / 2 - width / 2 - Pad;
    const int top = (area.Top + area.Bottom) / 2 - height / 2 - Pad;
    c.SetPen(clBlack, psSolid, 1);
    c.SetBrush(clWhite);
    c.Rectangle(left, top, left + width + 2 * Pad, top + height + 2 * Pad);
    c.SetTextTransparent(true);
    c.SetTextColor(clBlack);
    for (std::size_t i = 0; i < lines.size(); ++i)
        c.TextOut(left + Pad + (width - c.TextWidth(lines[i])) / 2, top + Pad + int(i) * pitch, lines[i]);
}

}  // namespace veltrane
