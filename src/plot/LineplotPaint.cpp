// Composing the picture of a line plot: background, layout, axes, titles,
// curves with their symbols, legend and text boxes.

#include <QImage>

#include "plot/AxisPaint.h"
#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot/plain/DrawnPoints.h"
#include "plot/plain/PlotGeometry.h"
#include "plot/plain/PlotNote.h"
#include "plot/SymbolStamp.h"

bool TLinePlot::Compose(TPlotCanvas& c)
{
    const int W = c.Width(), H = c.Height();
    c.FillRect({0, 0, W, H}, Color_);
    if (Rahmen_) {
        c.SetPen(clBlack, psSolid, 1);
        c.SetBrushClear();
        c.Rectangle(0, 0, W, H);
    }
    legendRect_ = box1Rect_ = box2Rect_ = noteRect_ = TRect{};
    if (W <= 200 || H <= 200)
        return false;

    TPlotLayoutInput in;
    in.W = W;
    in.H = H;
    in.isY2Axis = isY2Axis_;
    in.Title = Title_;
    in.TitleFont = TitleFont();
    in.AxisTitleFont = AxisTitleFont();
    layout_ = LayoutPlot(in, XAxis_, Y1Axis_, Y2Axis_, LayoutMeasure(c));

    c.FillRect(layout_.Plot, PlotBkgrdcolor_);
    PaintAxis(c, XAxis_, layout_.Plot, Color_);
    PaintAxis(c, Y1Axis_, layout_.Plot, Color_);
    if (isY2Axis_)
        PaintAxis(c, Y2Axis_, layout_.Plot, Color_);
    PaintAxisTitles(c);
    PaintTitle(c);
    // The axes map to the new plot rectangle once they are painted.
    PlaceBoxes(c);
    PaintPlot(c);
    PaintBoxes(c);
    if (OnPlotbildChange) {
        OnPlotbildChange(*this, c);
        // The host's marks (regression circles, layer lines) run under the
        // boxes, never through their text.
        PaintBoxes(c);
    }
    return true;
}

void TLinePlot::PaintBoxes(TPlotCanvas& c)
{
    if (Legend_.Visible())
        PaintLegende(c);
    if (TextBox1_.Visible())
        PaintTextBox(c, TextBox1_, 1);
    if (TextBox2_.Visible())
        PaintTextBox(c, TextBox2_, 2);
    PaintNote(c);
}

void TLinePlot::PaintAxisTitles(TPlotCanvas& c)
{
    const TRect& p = layout_.Plot;
    c.SetFont(AxisTitleFont());
    c.SetBrush(Color_);
    c.SetPen(clBlack, psSolid, 1);
    c.SetTextColor(clBlack);
    const std::string& xt = XAxis_.Title();
    c.TextOut(p.Right + layout_.XOverlap - c.TextWidth(xt), p.Bottom + layout_.Xh + 2, xt);
    c.TextOut(layout_.Y1Title.Left, layout_.Y1Title.Top, Y1Axis_.Title());
    if (isY2Axis_)
        c.TextOut(layout_.Y2Title.Left, layout_.Y2Title.Top, Y2Axis_.Title());
}

void TLinePlot::PaintTitle(TPlotCanvas& c)
{
    c.SetFont(TitleFont());
    c.SetBrush(TitleBkgrdColor_);
    c.SetPen(clBlack, psSolid, 1);
    const TRect& b = layout_.TitleBox;
    c.Rectangle(b.Left, b.Top, b.Right, b.Bottom);
    c.SetTextColor(TitleColor_);
    c.TextOut(c.Width() / 2 - c.TextWidth(Title_) / 2, 5, Title_);
    c.SetTextColor(clBlack);
}

void TLinePlot::PaintPlot(TPlotCanvas& c)
{
    if (Columns().empty())
        return;
    c.SetClipRect(layout_.Plot);
    for (const TDataCol& col : Columns())
        if (col.doPlot && (!col.YAxistyp || isY2Axis_))
            PaintColum(c, col);
    c.ClearClip();
}

bool TLinePlot::MapPoint(const TDPunkt& p, const TAxis& ya, TPoint& out) const
{
    // A point is drawn when it is valid and both axes can place it; any
    // other point is a gap.
    if (!p.valid)
        return false;
    const auto px = XAxis_.TryKor2Pkt(p.x);
    if (!px)
        return false;
    const auto py = ya.TryKor2Pkt(p.y);
    if (!py)
        return false;
    out = {*px, *py};
    return true;
}

void TLinePlot::PaintColum(TPlotCanvas& c, const TDataCol& col)
{
    const TRect& r = layout_.Plot;
    const TAxis& ya = col.YAxistyp ? static_cast<const TAxis&>(Y2Axis_) : Y1Axis_;
    const bool lines = col.PlotArt != paSymbol;
    const int s = EffectiveSymbolSize(col.Symbolsize);
    const bool symbols = col.PlotArt != paLine && s > 0;
    c.SetPen(ConvertPlotcolor(col.LineColor), ConvertLineArt(col.LineArt), 1);
    QImage mask, image;
    if (symbols) {
        mask = InitPaintSymbol(col, smMask);
        image = InitPaintSymbol(col, smImage);
    }
    c.SetTextTransparent(true);

    auto place = [&](const TDPunkt& p, TPoint& out) { return MapPoint(p, ya, out); };
    auto stamp = [&](TPoint p) {
        if (!r.ContainsClosed(p.x, p.y))
            return;
        c.Draw(p.x - s / 2, p.y - s / 2, mask, cmSrcAnd);
        c.Draw(p.x - s / 2, p.y - s / 2, image, cmSrcInvert);
    };
    auto segment = [&](TPoint a, TPoint b) {
        TClippedSegment cs;
        if (!ClipSegment(r, a.x, a.y, b.x, b.y, cs))
            return;
        if (cs.firstMoved)
            c.MoveTo(cs.x1, cs.y1);
        c.LineTo(cs.x2, cs.y2);
    };

    TPoint cur;
    WalkDrawnPoints(col, place, [&](const TDrawnPoint& d) {
        const TPoint p = d.At;
        if (d.Join == TJoin::First) {
            // The line's first point: the pen goes there only inside the
            // rectangle; a first segment from outside moves it onto the edge.
            if (lines && r.ContainsClosed(p.x, p.y))
                c.MoveTo(p.x, p.y);
        } else {
            if (d.Join == TJoin::Restart) {
                c.MoveTo(p.x, p.y);
                cur = p;
            }
            if (lines)
                segment(cur, p);
        }
        if (symbols && d.Symbol)
            stamp(p);
        cur = p;
    });
    c.SetTextTransparent(false);
}

void TLinePlot::PaintLegende(TPlotCanvas& c)
{
    TPlotFont regular = LegendFont(false, TPlotCanvas::PixelsPerInch);
    TPlotFont bold = LegendFont(true, TPlotCanvas::PixelsPerInch);
    TLegendLayout lo = LayoutLegend(Legend_, Columns(), c, regular, bold, boxLimits_[0]);
    // A legend that is not drawn has no rectangle, so nothing can grab it.
    if (!lo.Drawn || lo.Width <= 0 || lo.Height <= 0)
        return;
    QImage block = TPlotCanvas::NewBitmap(lo.Width, lo.Height);
    {
        TPlotCanvas b(block);
        b.SetTextTransparent(true);
        b.SetFont(bold);
        for (const TLegendText& t : lo.Titles)
            b.TextOut(t.X, t.Y, t.Text);
        b.SetFont(regular);
        for (const TLegendEntry& e : lo.Entries) {
            const TDataCol& col = Columns()[std::size_t(e.Col)];
            const int x = e.X, y = e.Y;
            for (std::size_t k = 0; k < e.Lines.size(); ++k)
                b.TextOut(x + 60, y + LegendLinePitch * int(k), e.Lines[k]);
            if (e.LineSample) {
                b.SetPen(ConvertPlotcolor(col.LineColor), ConvertLineArt(col.LineArt), 1);
                b.MoveTo(x + 5, y + 7);
                b.LineTo(x + 55, y + 7);
            }
            if (e.Symbol)
                b.Draw(x + 25, y + 2, InitPaintSymbol(col, smLegend), cmSrcCopy);
            b.SetPen(e.ArrowColor, psSolid, 1);
            b.SetBrushClear();
            if (e.ArrowRight)
                b.Polygon({{x + 50, y + 4}, {x + 55, y + 7}, {x + 50, y + 10}});
            else
                b.Polygon({{x + 10, y + 4}, {x + 5, y + 7}, {x + 10, y + 10}});
        }
        for (const TLegendText& t : lo.More)
            b.TextOut(t.X, t.Y, t.Text);
        b.SetPen(clBlack, psSolid, 1);
        b.SetBrushClear();
        b.Rectangle(0, 0, lo.Width, lo.Height);
        if (lo.Separator) {
            b.MoveTo(0, LegendLinePitch * lo.TitleLines);
            b.LineTo(lo.Width, LegendLinePitch * lo.TitleLines);
        }
    }
    c.Draw(Legend_.Left(), Legend_.Top(), block, cmSrcCopy);
    legendRect_ = {Legend_.Left(), Legend_.Top(), Legend_.Left() + lo.Width, Legend_.Top() + lo.Height};
}

void TLinePlot::PaintTextBox(TPlotCanvas& c, TTextBox& box, int number)
{
    TPlotFont regular = LegendFont(false, TPlotCanvas::PixelsPerInch);
    TPlotFont bold = LegendFont(true, TPlotCanvas::PixelsPerInch);
    TTextBoxLayout lo = LayoutTextBox(box, c, regular, bold, boxLimits_[std::size_t(number)]);
    TRect& rect = number == 1 ? box1Rect_ : box2Rect_;
    rect = {box.Left(), box.Top(), box.Left() + lo.Width, box.Top() + lo.Height};
    if (lo.Width <= 0 || lo.Height <= 0)
        return;
    QImage block = TPlotCanvas::NewBitmap(lo.Width, lo.Height);
    {
        TPlotCanvas b(block);
        b.SetTextTransparent(true);
        for (const TTextBoxLine& l : lo.Lines) {
            b.SetFont(l.Bold ? bold : regular);
            b.TextOut(5, l.Y, l.Text);
        }
        b.SetPen(clBlack, psSolid, 1);
        b.SetBrushClear();
        b.Rectangle(0, 0, lo.Width, lo.Height);
        for (int y : lo.Separators) {
            b.MoveTo(0, y);
            b.LineTo(lo.Width, y);
        }
    }
    c.Draw(box.Left(), box.Top(), block, cmSrcCopy);
}

void TLinePlot::PaintNote(TPlotCanvas& c)
{
    const TPlotFont font = AxisTitleFont();
    const TNoteLayout lo = LayoutNote(note_, c, font, boxLimits_[3]);
    if (lo.Width <= 0 || lo.Height <= 0)
        return;
    noteRect_ = {noteCorner_.x, noteCorner_.y, noteCorner_.x + lo.Width, noteCorner_.y + lo.Height};
    c.SetPen(clBlack, psSolid, 1);
    c.SetBrush(clWhite);
    c.Rectangle(noteRect_.Left, noteRect_.Top, noteRect_.Right, noteRect_.Bottom);
    c.SetFont(font);
    c.SetTextTransparent(true);
    c.SetTextColor(clBlack);
    for (const TNoteLayout::Line& l : lo.Lines)
        c.TextOut(noteRect_.Left + l.X, noteRect_.Top + l.Y, l.Text);
    c.SetTextTransparent(false);
}
