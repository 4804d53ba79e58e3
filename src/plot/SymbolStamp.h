#pragma once
// The symbol stamps of a column: a mask combined into the plot by AND and an
// image combined by XOR, so that symbols keep the background around them
// and, for hollow shapes, inside them; and the opaque sample for the legend.

#include <QImage>

#include "plot/plain/Linedef.h"

enum TStampMode { smMask = 1, smImage = 2, smLegend = 3 };

// An empty image when the column's symbol size leaves no symbol.
QImage InitPaintSymbol(const TDataCol& col, TStampMode mode);
