#include "plot/plain/PlotMinimum.h"

#include <algorithm>

#include "plot/plain/BoxPlacement.h"

TBoxSize PlotMinimumSize(const std::vector<TBoxSize>& boxes, TBoxSize largest,
                         const std::function<TPlotLayout(int W, int H)>& layoutAt)
{
    largest = {std::max(largest.Width, SmallestShownPlot), std::max(largest.Height, SmallestShownPlot)};
    auto clamp = [&](TBoxSize s) {
        return TBoxSize{std::clamp(s.Width, SmallestShownPlot, largest.Width),
                        std::clamp(s.Height, SmallestShownPlot, largest.Height)};
    };
    // The axes and titles round the plot area take about the same room at
    // every size; their labels change a little with the ticks, so the size
    // is checked by laying the plot out and corrected a few times.
    const TPlotLayout most = layoutAt(largest.Width, largest.Height);
    const TBoxSize roomiest{most.Plot.Width(), most.Plot.Height()};
    const TBoxSize need = TBoxPlacement::AreaFor(boxes, roomiest);
    TBoxSize size = need.Empty() ? TBoxSize{SmallestShownPlot, SmallestShownPlot}
                                 : TBoxSize{need.Width + largest.Width - roomiest.Width,
                                            need.Height + largest.Height - roomiest.Height};
    size = clamp(size);
    for (int pass = 0; pass < 6; ++pass) {
        const TPlotLayout lo = layoutAt(size.Width, size.Height);
        TBoxSize next = size;
        next.Width = std::max(next.Width, lo.TitleRowWidth);
        if (!need.Empty()) {
            next.Width += std::max(0, need.Width - lo.Plot.Width());
            next.Height += std::max(0, need.Height - lo.Plot.Height());
        }
        next = clamp(next);
        if (next == size)
            break;
        size = next;
    }
    return size;
}
