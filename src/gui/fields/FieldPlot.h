#pragma once
// What the two field windows draw on their plots: the field columns of the
// samples, the boundary lines of the layers, and the two text boxes with
// the layer table and the comment.

#include <cstdint>

#include "document/Document.h"
#include "fields/EWaveList.h"

class TLinePlot;
class TPlotCanvas;

namespace veltrane {

// Two columns per shown component, in the order Ex, Hy, Ez (unless the
// light is S), then Hx, Ey, Hz (unless it is P): the first part on the left
// axis, the second on the right one. One point per sample: x its angle in
// angle mode, else its absolute or relative depth; a sample not computed is
// a gap. Returns the part code shown.
int AddFieldColumns(TLinePlot& plot, const TEWaveList& list, std::int32_t polArt, TEHFieldSet fields,
                    bool angleMode);

// A blue line over the left axis's range at every layer boundary of a
// depth profile; the plot paints its boxes over them.
void PaintLayerLines(TLinePlot& plot, TPlotCanvas& c, const TEWaveList& list, TEHFieldSet fields);

// The layer table of the document's stack in text box 1, ending with the
// Theta line or the layer position line of the options the samples were
// computed with; hidden for a document without layers, else shown as
// visible says.
void WriteLayerSystem(TLinePlot& plot, const TSimparameter& p, const TEHOptionpara& computed, bool visible,
                      bool positionLine, bool thetaLine);
// The comment in text box 2; a blank comment hides the box.
void WriteComment(TLinePlot& plot, const Document& doc, bool visible);

}  // namespace veltrane
