// Placing the legend, the text boxes and the note of a line plot before they
// are painted: each gets its room in the plot area, the curves as they are
// about to be drawn go into the placement, and the boxes on show get its
// corners. A box the user dragged keeps its place, brought inside a plot
// area that shrank, and the others go round it.

#include <algorithm>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot/plain/DrawnPoints.h"
#include "plot/plain/PlotGeometry.h"
#include "plot/plain/PlotNote.h"

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

constexpr std::size_t NoteBox = 3;

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
        pins_[std::size_t(i)] = TBoxPin{corner, layout_.Plot};
}

void TLinePlot::PlaceBoxesAfresh()
{
    pins_.fill(std::nullopt);
    boxesPlaced_ = false;
    AxisValueChange();
}

void TLinePlot::SetNote(const std::vector<std::string>& lines)
{
    if (note_ == lines)
        return;
    note_ = lines;
    AxisValueChange();
}

std::vector<TBoxLayouter> TLinePlot::BoxLayouters(const TTextMeasure& m) const
{
    // Only the boxes on show: one shown again is placed with the others in
    // the picture that shows it.
    const TPlotFont regular = LegendFont(false, TPlotCanvas::PixelsPerInch);
    const TPlotFont bold = LegendFont(true, TPlotCanvas::PixelsPerInch);
    std::vector<TBoxLayouter> boxes;
    boxes.push_back([this, &m, regular, bold](TBoxLimit limit) -> TBoxShape {
        return Legend_.Visible() ? ShapeOf(LayoutLegend(Legend_, Columns(), m, regular, bold, limit)) : TBoxShape{};
    });
    for (const TTextBox* box : {&TextBox1_, &TextBox2_})
        boxes.push_back([box, &m, regular, bold](TBoxLimit limit) -> TBoxShape {
            return box->Visible() ? ShapeOf(LayoutTextBox(*box, m, regular, bold, limit)) : TBoxShape{};
        });
    boxes.push_back(
        [this, &m](TBoxLimit limit) -> TBoxShape { return ShapeOf(LayoutNote(note_, m, AxisTitleFont(), limit)); });
    return boxes;
}

void TLinePlot::PlaceBoxes(const TTextMeasure& m)
{
    const TRect& area = layout_.Plot;
    const std::vector<TBoxLayouter> layouters = BoxLayouters(m);
    // The boxes at their own sizes tell the plot how small it may become.
    std::vector<TBoxSize> natural;
    for (std::size_t i = 0; i < layouters.size(); ++i)
        natural.push_back(AutoPlaceBoxes || i == NoteBox ? layouters[i](TBoxLimit{}).Size : TBoxSize{});
    FitMinimumSize(m, natural);
    // A drag running moves a box's frame from where it now stands, at the
    // size it has.
    if (AutoPlaceBoxes && drag_.Active())
        return;
    const std::vector<TBoxRoom> rooms = BoxRooms(layouters, {area.Width(), area.Height()});
    boxLimits_ = rooms.front().Limits;
    const std::vector<TBoxSize>* sizes = &rooms.front().Sizes;
    if (!AutoPlaceBoxes) {
        // A host that places the boxes itself still gets the note in the
        // middle of the plot area.
        noteCorner_ = {(area.Left + area.Right - (*sizes)[NoteBox].Width) / 2,
                       (area.Top + area.Bottom - (*sizes)[NoteBox].Height) / 2};
        return;
    }
    if (std::all_of(sizes->begin(), sizes->end(), [](TBoxSize s) { return s.Empty(); }))
        return;

    placement_.Begin(area);
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
                   {TextBox2_.Left(), TextBox2_.Top()}, noteCorner_};
    // Each way of giving the boxes room, placed: the one wins that hides the
    // least of what matters, wrapping lines only to keep the boxes apart
    // and off the peaks, dips and flanks.
    const std::vector<std::optional<TBoxPin>> pins(pins_.begin(), pins_.end());
    std::vector<bool> centred(rooms.front().Sizes.size(), false);
    centred[NoteBox] = true;
    const TPlacedBoxes placed = PlaceInRooms(placement_, rooms, pins, centred, current);
    const std::size_t chosen = placed.Room;
    const std::vector<TPoint>& corners = placed.Corners;
    boxLimits_ = rooms[chosen].Limits;
    sizes = &rooms[chosen].Sizes;
    TTextBox* boxes[] = {&TextBox1_, &TextBox2_};
    if (!(*sizes)[0].Empty())
        Legend_.Place(corners[0].x, corners[0].y);
    for (std::size_t i = 0; i < 2; ++i)
        if (!(*sizes)[i + 1].Empty())
            boxes[i]->Place(corners[i + 1].x, corners[i + 1].y);
    if (!(*sizes)[NoteBox].Empty())
        noteCorner_ = corners[NoteBox];
    boxesPlaced_ = true;
}
