#pragma once
// The quantity a curve kind takes from a computed point, the same for the
// plots, the export and the evaluation: R(p+s) and T(p+s) are the square
// roots of the sums of squares, not means.

#include "document/Records.h"

// 0.0 for a kind outside 0..7.
double CurveQuantity(const TResPunkt& p, int kind);
