// Placing the legend and the text boxes of a line plot before they are
// painted: the curves as they are about to be drawn go into the placement,
// and the boxes on show get its corners. A box the user dragged keeps its
// place, brought inside a plot area that shrank, and the others go round it.

#include <algorithm>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot/plain/DrawnPoints.h"
#include "plot/plain/PlotGeometry.h"

namespace {

int PinIndex(TPlotDrag::Kind what)
{
    switch (what) {
    case TPlotDrag::Legend: return 0;
    case TPlotDrag::Box1: return 1;
    case TPlotDrag::Box2: return 2;
    default: return -1;
    }
}

}  // namespace

bool TLinePlot::BoxPinned(TPlotDrag::Kind what) const
{
    const int i = PinIndex(what);
    return i >= 0 && pins_[std::size_t(i)].has_value();
}

void TLinePlot::PinBox(TPlotDrag::Kind what, TPoint corner)
{
    const int i = PinIndex(what);
    if (i >= 0)
        pins_[std::size_t(i)] = corner;
}

void TLinePlot::PlaceBoxesAfresh()
{
    pins_.fill(std::nullopt);
    boxesPlaced_ = false;
    AxisValueChange();
}

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
    // Measured during a drag too, so that the plot's minimum size stays
    // current; a drag running moves a box's frame from where it now stands.
    MeasureBoxes(m, boxSizes_);
    if (drag_.Active())
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
        WalkDrawnPoints(
            col, [&](const TDPunkt& pt, TPoint& p) { return MapPoint(pt, ya, p); },
            [&](const TDrawnPoint& d) { placement_.AddPoint(d.At, d.Join == TJoin::Joined, d.Symbol); });
        placement_.EndCurve();
    }

    std::vector<TPoint> current;
    if (boxesPlaced_)
        current = {{Legend_.Left(), Legend_.Top()}, {TextBox1_.Left(), TextBox1_.Top()},
                   {TextBox2_.Left(), TextBox2_.Top()}};
    const std::vector<std::optional<TPoint>> pinned(pins_.begin(), pins_.end());
    const std::vector<TPoint> corners = placement_.Place(sizes, current, pinned);
    if (!sizes[0].Empty())
        Legend_.Place(corners[0].x, corners[0].y);
    for (std::size_t i = 0; i < 2; ++i)
        if (!sizes[i + 1].Empty())
            boxes[i]->Place(corners[i + 1].x, corners[i + 1].y);
    boxesPlaced_ = true;
}
