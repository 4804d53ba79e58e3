#pragma once
// Where the samples of a field run lie, laid out before the run so that a run
// stopped early leaves every sample with its place and only the computed ones
// marked filled. The calculators use the same formulas while they walk.

#include <span>

#include "document/Records.h"
#include "fields/EWaveList.h"

namespace veltrane {

// Depth fraction of sample i of n in one element: 0 at its start, 1 at its end.
inline double ElementFraction(int i, int n) { return double(i) / double(n - 1); }

// Absolute depth of a sample at fraction t of an element that starts at pos0.
inline double SampleDepth(double pos0, double t, double thickness) { return t * thickness + pos0; }

// Relative depth: 100 per layer, the first half-space from -100 to 0.
inline double SampleRelDepth(int layerIndex, double t) { return (layerIndex - 1 + t) * 100.0; }

// Thickness of the shown stretch of layer k of a stack of layerCount layers:
// d_1 and d_n for the half-spaces, the layer's own thickness in between.
double ShownThickness(const TSimparameter& para, const TEHOptionpara& opt, int k, int layerCount);

// Fraction of the chosen position in an element; an element of no thickness
// is sampled at its start.
double PositionFraction(double layerpos, double thickness);

// Angle of sample i of m between theta1 and theta2 (degrees); a single
// sample lies at theta1.
double ScanAngle(int i, int m, double theta1, double theta2);

// The sample count of a depth profile for a wanted count: a whole number of
// samples per layer, and at least two, so that every layer is spanned from
// its start to its end. 0 for a stack without interface.
int EffectiveSampleCount(int pktanz, int layerCount);

// Every sample from `first` on is reset and marked not computed; with at
// least two samples per element, those of the first perElement x elements
// samples get Pos, RelPos and Grenze of the depth profile.
void LayDepthGrid(TEWaveList& list, std::span<const double> elementThickness, int perElement,
                  std::size_t first = 0);
// The places alone: every sample is marked not computed and gets Pos,
// RelPos, Grenze and Theta as LayDepthGrid gives them; its field values
// stay as they are.
void LayDepthPlaces(TEWaveList& list, std::span<const double> elementThickness, int perElement);

// Every sample is reset, marked not computed and gets its angle.
void LayAngleGrid(TEWaveList& list, double theta1, double theta2);

}  // namespace veltrane
