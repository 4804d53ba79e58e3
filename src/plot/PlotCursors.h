#pragma once
// The mouse cursors of the plot and its overview: the hand over a zone that
// opens a dialog, the magnifier over what can be zoomed or dragged, and the
// system's cross, arrow and sizing cursors.

#include <QCursor>

#include "plot/plain/PlotMouse.h"

QCursor ToQCursor(TPlotCursor c);
