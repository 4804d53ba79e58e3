#include "plot/plain/PlotMouse.h"

#include <algorithm>

#include "plot/plain/Axis.h"

TMousekord MakeMousekord(int x, int y, const TRect& plot, const TAxis& xa, const TAxis& y1, const TAxis& y2,
                         bool isY2Axis)
{
    TMousekord m;
    m.PixelX = x;
    m.PixelY = y;
    m.X = xa.Pkt2kord(x);
    m.Y1 = y1.Pkt2kord(y);
    m.X2 = m.X;
    m.Y2 = isY2Axis ? y2.Pkt2kord(y) : NoMouseValue;
    m.InPlot = plot.ContainsClosed(x, y);
    return m;
}

std::string ReadoutText(const TMousekord& m, const TAxis& xa, const TAxis& y1, const TAxis& y2, bool isY2Axis)
{
    if (!m.InPlot)
        return {};
    if (!isY2Axis)
        return "(X: " + xa.GetMousekordstr(m.X) + "  Y: " + y1.GetMousekordstr(m.Y1) + ")";
    return "(X: " + xa.GetMousekordstr(m.X) + "  Y1: " + y1.GetMousekordstr(m.Y1) + "  Y2: " +
           y2.GetMousekordstr(m.Y2) + ")";
}

THotFlags HotZones(int x, int y, const TPlotLayout& lo, const TPlotElements& el, const TDialogSwitches& sw)
{
    THotFlags h;
    // The legend and the text boxes are grabbed for dragging, so a zone
    // under them must not open a dialog.
    if (el.Legend.Contains(x, y) || el.Box1.Contains(x, y) || el.Box2.Contains(x, y))
        return h;
    h.Title = sw.Title && lo.TitleBox.Contains(x, y);
    h.X = sw.X && lo.XLabelRow.Contains(x, y);
    h.Y1 = sw.Y1 && lo.Y1Column.Contains(x, y);
    h.Y2 = sw.isY2Axis && sw.Y2 && lo.Y2Column.Contains(x, y);
    return h;
}

TPlotCursor PlotCursor(int x, int y, const THotFlags& hot, const TPlotLayout& lo, const TPlotElements& el,
                       bool showKord, bool isZoom)
{
    TPlotCursor c = TPlotCursor::Default;
    if (hot.Any())
        c = TPlotCursor::Hand;
    if (lo.Plot.ContainsClosed(x, y)) {
        if (showKord)
            c = TPlotCursor::Cross;
        if (isZoom)
            c = TPlotCursor::Zoom;
    }
    if (el.OverAny(x, y))
        c = TPlotCursor::Zoom;
    return c;
}

TPoint ClampToRect(TPoint p, const TRect& r)
{
    return {std::clamp(p.x, r.Left, std::max(r.Left, r.Right)), std::clamp(p.y, r.Top, std::max(r.Top, r.Bottom))};
}

TRect TPlotDrag::Band() const
{
    const TMousekord& a = PressKord;
    const TMousekord& b = CornerKord;
    return {std::min(a.PixelX, b.PixelX), std::min(a.PixelY, b.PixelY), std::max(a.PixelX, b.PixelX) + 1,
            std::max(a.PixelY, b.PixelY) + 1};
}

TPlotDrag::Kind GrabbedElement(int x, int y, const TPlotElements& el)
{
    if (el.OverBox2(x, y))
        return TPlotDrag::Box2;
    if (el.OverBox1(x, y))
        return TPlotDrag::Box1;
    if (el.OverLegend(x, y))
        return TPlotDrag::Legend;
    return TPlotDrag::None;
}
