#include "plot/plain/PlotLayout.h"

#include <algorithm>

namespace {

// Chooses the tick step of a Y axis and returns its label-column width.
// The spacing is checked on the axis as it is painted, between the title
// above and the X label row and axis title below; an axis taken longer
// than that puts its labels closer than the rule allows on small plots.
int layoutYAxis(TAxis& axis, int H, int Xh, int Tt, int Ta, const TTextMeasure& m, int& overlap)
{
    int h = axis.GetTextHoehe(m, "E");
    overlap = h / 2;
    axis.SetOverlap(overlap);
    const int painted = H - 22 - Ta - Tt - Xh - overlap;
    int L = painted + 2 * overlap;
    axis.SetFirstRealvalue(L);
    for (int n = 0; n < MaxCoarsening && !(h + 2 < axis.Getminspace(L)); ++n)
        axis.SetNextRealvalue(L);
    return axis.GetmaxTextbreite(m) + 17;
}

// The least room between the title box and an axis title beside it.
constexpr int TitleGap = 4;

TRect axisTitle(int left, int bottom, const std::string& text, const TPlotFont& font, const TTextMeasure& m)
{
    const int w = m.TextWidth(font, text), h = m.TextHeight(font, text);
    return {left, bottom - h, left + w, bottom};
}

}  // namespace

TPlotLayout LayoutPlot(const TPlotLayoutInput& in, TAxis& x, TAxis& y1, TAxis& y2, const TTextMeasure& m)
{
    TPlotLayout lo;
    const int W = in.W, H = in.H;
    lo.Xh = x.GetTextHoehe(m, "E") + 17;
    lo.Tt = m.TextHeight(in.TitleFont, in.Title);
    lo.Ta = m.TextHeight(in.AxisTitleFont, "E");
    lo.Y1w = layoutYAxis(y1, H, lo.Xh, lo.Tt, lo.Ta, m, lo.Y1Overlap);
    if (in.isY2Axis)
        lo.Y2w = layoutYAxis(y2, H, lo.Xh, lo.Tt, lo.Ta, m, lo.Y2Overlap);

    int xo = 0;
    x.SetOverlap(0);
    auto lengthX = [&] { return W - 20 - lo.Y1w - (in.isY2Axis ? lo.Y2w : 0) + 2 * xo; };
    int L = lengthX();
    x.SetFirstRealvalue(L);
    for (int n = 0;; ++n) {
        int space = x.Getminspace(L);
        int tw = x.GetmaxTextbreite(m);
        xo = tw / 2;
        x.SetOverlap(xo);
        L = lengthX();
        if (tw + 2 < space || n >= MaxCoarsening)
            break;
        x.SetNextRealvalue(L);
    }
    lo.XOverlap = xo;
    lo.XLength = L;

    TRect& p = lo.Plot;
    p.Left = std::max(xo, lo.Y1w) + 10;
    p.Right = in.isY2Axis ? W - 10 - std::max(xo, lo.Y2w) : W - 10 - xo;
    p.Top = lo.Y1Overlap + lo.Tt + 10;
    p.Bottom = H - 10 - lo.Ta - 2 - lo.Xh;

    int tw = m.TextWidth(in.TitleFont, in.Title);
    int tx = W / 2 - tw / 2;
    lo.TitleBox = {tx - 40, 4, tx + tw + 40, lo.Tt + 6};
    lo.XLabelRow = {p.Left - xo, p.Bottom, p.Right + xo, p.Bottom + lo.Xh};
    lo.Y1Column = {p.Left - lo.Y1w, p.Top - lo.Y1Overlap, p.Left, p.Bottom + lo.Y1Overlap};
    if (in.isY2Axis)
        lo.Y2Column = {p.Right, p.Top - lo.Y2Overlap, p.Right + lo.Y2w, p.Bottom + lo.Y2Overlap};

    lo.Y1Title = axisTitle(p.Left - lo.Y1w, p.Top - lo.Y1Overlap - 2, y1.Title(), in.AxisTitleFont, m);
    // The title box reaches tw / 2 + 40 left of the middle and the rest of
    // tw + 40 right of it; the axis titles keep their distance from the
    // control's edges whatever its width.
    if (!lo.Y1Title.IsEmpty())
        lo.TitleRowWidth = 2 * (lo.Y1Title.Right + TitleGap + tw / 2 + 40) + 1;
    if (in.isY2Axis) {
        const TRect r = axisTitle(0, p.Top - lo.Y2Overlap - 2, y2.Title(), in.AxisTitleFont, m);
        const int right = p.Right + lo.Y2w;
        lo.Y2Title = {right - r.Width(), r.Top, right, r.Bottom};
        if (!lo.Y2Title.IsEmpty())
            lo.TitleRowWidth = std::max(lo.TitleRowWidth, 2 * (W - lo.Y2Title.Left + TitleGap + tw - tw / 2 + 40) + 1);
    }
    return lo;
}
