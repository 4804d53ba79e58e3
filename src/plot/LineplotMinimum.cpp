// The smallest size of a line plot: what its content needs, so that a
// window laid out round the plot cannot be made so small that the plot
// vanishes, its titles collide or its boxes leave the plot area or crowd
// out the curves.

#include <QLayout>

#include "plot/Lineplot.h"
#include "plot/plain/PlotMinimum.h"

QSize TLinePlot::minimumSizeHint() const
{
    const QSize content = minimumSize_.isValid() ? minimumSize_ : QSize(SmallestShownPlot, SmallestShownPlot);
    return content.expandedTo(leastSize_);
}

void TLinePlot::SetLeastSize(QSize size)
{
    leastSize_ = size;
    updateGeometry();
}

TBoxSize TLinePlot::LargestAsked() const
{
    // The rest of the window (menus, tool bars, side panels) takes its room
    // beside the plot; the plot asks for no more than the screen leaves.
    QSize rest(0, 0);
    const QWidget* w = window();
    if (w != this) {
        if (w->isVisible() && isVisible())
            rest = w->size() - size();
        else
            rest = w->minimumSizeHint() - minimumSizeHint();
    }
    return {ScreenBudget.Width - std::max(0, rest.width()), ScreenBudget.Height - std::max(0, rest.height())};
}

void TLinePlot::FitMinimumSize(const TTextMeasure& m, const std::vector<TBoxSize>& boxes)
{
    TPlotLayoutInput in;
    in.isY2Axis = isY2Axis_;
    in.Title = Title_;
    in.TitleFont = TitleFont();
    in.AxisTitleFont = AxisTitleFont();
    // The layout chooses the axes' ticks: it is tried on copies, so that
    // the picture being composed keeps its own.
    auto layoutAt = [&](int W, int H) {
        TXAxis x = XAxis_;
        TY1Axis y1 = Y1Axis_;
        TY2Axis y2 = Y2Axis_;
        x.OnValueChange = y1.OnValueChange = y2.OnValueChange = nullptr;
        in.W = W;
        in.H = H;
        return LayoutPlot(in, x, y1, y2, m);
    };
    const TBoxSize need = PlotMinimumSize(boxes, LargestAsked(), layoutAt);
    const QSize size(need.Width, need.Height);
    if (size == minimumSize_)
        return;
    minimumSize_ = size;
    updateGeometry();
}
