#include "gui/fields/FieldNote.h"

#include <algorithm>

#include "document/NoValue.h"
#include "fields/FieldSelection.h"
#include "plot/Lineplot.h"

namespace veltrane {

ViewRange SampleSpan(const TEWaveList& list, TEHFieldSet fields, bool angleMode)
{
    // Every sample has its place before the run, computed or not.
    ViewRange span;
    const bool absolute = AbsoluteScale(fields);
    for (const TEWave& w : list) {
        const double x = angleMode ? w.Theta : absolute ? w.Pos : w.RelPos;
        if (x != NOVALUE)
            span.Take(x);
    }
    return span;
}

void SetEmptyFieldAxes(TLinePlot& plot, const ViewRange& span)
{
    if (!span.valid) {
        plot.SetY1Y2Axislimit(0.0, 1.0, 0.0, 1.0);
        return;
    }
    const ViewRange x = span.Widened();
    plot.SetXY1Y2Axislimit(x.min, x.max, 0.0, 1.0, 0.0, 1.0);
}

}  // namespace veltrane
