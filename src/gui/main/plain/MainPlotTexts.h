#pragma once
// What the main plot writes and draws for the document, without the plot:
// the values of the curve kinds, the titles of scan columns, axes
// and legend. Kinds and layer numbers come from the document as stored, so
// a damaged file's values give empty names, never a read outside a table.

#include <string>
#include <utility>

#include "document/Records.h"

namespace veltrane::mainplot {

// The y value of a kind: R(p+s) and T(p+s) are the square roots of the sums
// of squares, not means.
double CurveValue(const TResPunkt& p, int kind);
// A point is drawn when it was computed; a Psi or Delta the computation left
// at the no-value marker is a gap, not a zero.
bool CurvePointValid(const TResPunkt& p, int kind);

// The kinds of the visible scans; kinds outside 0..7 are left out.
TCurveSet VisibleScanKinds(const TScanColList& scans);

// The X title for a parameter kind (TParaKind); layer kinds carry
// " (L=<layer>)", a value that names no kind has none.
std::string XAxisTitle(int kind, int layerNr, int column);
// "Ref-Koeff " and "Psi " as the shown kinds ask.
std::string Y1AxisTitle(TCurveSet results, TCurveSet scans);
// "Z=<name>" and "(Layer_Nr=<layer>)" for the Z kind; nothing for none
// and for a value that names no kind.
std::pair<std::string, std::string> LegendTitles(int zKind, int zLayerNr, int column);

}  // namespace veltrane::mainplot
