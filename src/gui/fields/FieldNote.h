#pragma once
// What a field plot shows when it has no curve to draw because none of the
// chosen components exists for the light: axes that belong to the samples
// of this run, not to the run before. The note that says what to choose is
// one of the plot's boxes (TLinePlot::SetNote), so that the saved, copied
// and printed plot says it too.

#include <string>
#include <vector>

#include "fields/EWaveList.h"
#include "gui/fields/plain/ViewScale.h"

class TLinePlot;
class TPlotCanvas;

namespace veltrane {

// The x range the field columns would span: the samples' angles in angle
// mode, else their absolute or relative depths (as the columns place them).
ViewRange SampleSpan(const TEWaveList& list, TEHFieldSet fields, bool angleMode);

// Sets the axes of a plot without columns: x over the span (when it holds
// a value), both y axes 0 to 1.
void SetEmptyFieldAxes(TLinePlot& plot, const ViewRange& span);

}  // namespace veltrane
