// The smallest size of a line plot: what its picture needs, learnt from the
// last one composed, so that a window laid out round the plot cannot be
// made so small that the plot vanishes or its boxes leave the plot area.

#include <algorithm>

#include "plot/Lineplot.h"

namespace {

// A control of 200 pixels or less across or down shows no plot at all.
constexpr int SmallestShown = 201;
// A stack of 30 layers or a long scan name would ask for more than a laptop
// screen holds. Beyond this the boxes may cover curves, but every window
// still fits a screen of 1366 x 768 with its tool bars or side panel.
constexpr int LargestAskedWidth = 1000;
constexpr int LargestAskedHeight = 600;

}  // namespace

QSize TLinePlot::minimumSizeHint() const
{
    return minimumSize_.isValid() ? minimumSize_ : QSize(SmallestShown, SmallestShown);
}

void TLinePlot::FitMinimumSize(int W, int H)
{
    // The axes and titles take about the same room round the plot area at
    // any size; the boxes need an area of their own inside it.
    const TRect& p = layout_.Plot;
    const TBoxSize area = TBoxPlacement::AreaFor(boxSizes_);
    const int w = area.Empty() ? 0 : area.Width + W - p.Width();
    const int h = area.Empty() ? 0 : area.Height + H - p.Height();
    const QSize need(std::clamp(std::max(w, layout_.TitleRowWidth), SmallestShown, LargestAskedWidth),
                     std::clamp(h, SmallestShown, LargestAskedHeight));
    if (need == minimumSize_)
        return;
    minimumSize_ = need;
    updateGeometry();
}
