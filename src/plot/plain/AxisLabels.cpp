// Which tick labels an axis paints and where. The label-space rule of the
// layout keeps most labels apart, but not all: the last tick sits at the
// axis limit, often closer to its neighbour than the step (a log axis from
// 1e-300 to 1e300 ends 26 decades after a tick of a 41-decade step), and
// labels wider than the three the rule measures can reach each other. Here
// the painted cells themselves decide.

#include <algorithm>

#include "plot/plain/Axis.h"

namespace {

// Whether two half-open cells share a pixel.
bool overlap(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

std::vector<double> TAxis::TickValues() const
{
    std::vector<double> ticks{StartValue_};
    double x = StartValue_;
    for (int i = 1; i <= MaxTicks; ++i) {
        const double y = NextValue(i, x);
        if (!(y <= EndValue_))
            break;
        ticks.push_back(y);
        x = y;
    }
    return ticks;
}

std::vector<TAxisLabel> TAxis::Labels(const TRect& rect, const TTextMeasure& m)
{
    SetPixelsFromRect(rect);
    const std::vector<double> ticks = TickValues();
    std::vector<TAxisLabel> shown;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        TAxisLabel label{ticks[i], GetLabel(ticks[i]), {}};
        label.Cell = LabelCell(rect, Kor2Pkt(label.Value), m.TextWidth(Font_, label.Text),
                               m.TextHeight(Font_, label.Text));
        auto crowded = [&](const TAxisLabel& other) { return overlap(other.Cell, label.Cell); };
        const bool atLimit = i + 1 == ticks.size();
        if (atLimit)
            shown.erase(std::remove_if(shown.begin(), shown.end(), crowded), shown.end());
        else if (std::any_of(shown.begin(), shown.end(), crowded))
            continue;
        shown.push_back(std::move(label));
    }
    return shown;
}
