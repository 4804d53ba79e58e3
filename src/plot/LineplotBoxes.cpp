// Placing the legend and the text boxes of a line plot before they are
// painted, for a host that asked for it: the curves as they are about to be
// drawn go into the placement, and the boxes on show get its corners.

#include <algorithm>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot/plain/PlotGeometry.h"

void TLinePlot::MeasureBoxes(const TTextMeasure& m, std::vector<TBoxSize>& sizes) const
{
    // Only the boxes on show: one shown again is placed with the others in
    // the picture that shows it.
    const TPlotFont regular = LegendFont(false, TPlotCanvas::PixelsPerInch);
    const TPlotFont bold = LegendFont(true, TPlotCanvas::PixelsPerInch);
    sizes.assign(3, TBoxSize{});
    if (Legend_.Visible()) {
        const TLegendLayout lo = LayoutLegend(Legend_, Columns(), m, regular, bold);
        if (lo.Drawn)
            sizes[0] = {lo.Width, lo.Height};
    }
    const TTextBox* boxes[] = {&TextBox1_, &TextBox2_};
    for (std::size_t i = 0; i < 2; ++i)
        if (boxes[i]->Visible()) {
            const TTextBoxLayout lo = LayoutTextBox(*boxes[i], m, regular, bold);
            sizes[i + 1] = {lo.Width, lo.Height};
        }
}

void TLinePlot::PlaceBoxes(const TTextMeasure& m)
{
    if (!AutoPlaceBoxes)
        return;
    MeasureBoxes(m, boxSizes_);
    // A drag running moves a box's frame from where the box now stands.
    if (boxesDragged_ || drag_.Active())
        return;
    const std::vector<TBoxSize>& sizes = boxSizes_;
    TTextBox* boxes[] = {&TextBox1_, &TextBox2_};
    if (std::all_of(sizes.begin(), sizes.end(), [](TBoxSize s) { return s.Empty(); }))
        return;

    placement_.Begin(layout_.Plot);
    for (const TDataCol& col : Columns()) {
        if (!col.doPlot || (col.YAxistyp && !isY2Axis_))
            continue;
        const TAxis& ya = col.YAxistyp ? static_cast<const TAxis&>(Y2Axis_) : Y1Axis_;
        const int s = EffectiveSymbolSize(col.Symbolsize);
        placement_.BeginCurve(col.PlotArt != paSymbol, col.PlotArt != paLine ? s : 0);
        // Joined as PaintColum joins them: across a gap only without Linebreak.
        bool any = false, previousDrawn = false;
        for (const TDPunkt& pt : col.Points) {
            TPoint p;
            if (!MapPoint(pt, ya, p)) {
                previousDrawn = false;
                continue;
            }
            placement_.AddPoint(p, any && (previousDrawn || !col.Linebreak));
            any = previousDrawn = true;
        }
        placement_.EndCurve();
    }

    std::vector<TPoint> current;
    if (boxesPlaced_)
        current = {{Legend_.Left(), Legend_.Top()}, {TextBox1_.Left(), TextBox1_.Top()},
                   {TextBox2_.Left(), TextBox2_.Top()}};
    const std::vector<TPoint> corners = placement_.Place(sizes, current);
    if (!sizes[0].Empty())
        Legend_.Place(corners[0].x, corners[0].y);
    for (std::size_t i = 0; i < 2; ++i)
        if (!sizes[i + 1].Empty())
            boxes[i]->Place(corners[i + 1].x, corners[i + 1].y);
    boxesPlaced_ = true;
}
