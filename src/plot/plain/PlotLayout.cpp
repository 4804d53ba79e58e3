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
    return lo;
}
