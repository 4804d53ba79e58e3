#pragma once
// The reflectivity curve a field window shows beside its field plot, over
// the angles of incidence it offers: the user picks Theta on it, and sees
// where the resonance lies.

#include "document/Records.h"

namespace veltrane {

struct AngleRange {
    double from = 0.0;
    double to = 0.0;
};

// The document's X range when X is Theta, in ascending order; for any other
// X parameter (a thickness, an eps, Phi...) the whole quadrant, 0 to 90°.
AngleRange ThetaViewRange(const TSimparameter& p);

// The points of the curve: the document's X point count when X is Theta
// (no more than the view can show), else one per 0.1°.
int ThetaViewPoints(const TSimparameter& p);

// One curve of the document's stack over the range, at the document's
// wavelength and polarisation, without a Z parameter. False, with the list
// empty, when the stack cannot be simulated; failed points are invalid.
bool CalcThetaCurve(const TSimparameter& p, AngleRange range, int points, TResColList& list);

}  // namespace veltrane
