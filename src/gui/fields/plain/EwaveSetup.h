#pragma once
// How the two field windows set up their runs from the document, without
// widgets: the angles they start at, the point counts they ask for, the
// layer position they start from, and the titles of their plot columns.

#include <cstdint>
#include <string>
#include <vector>

#include "document/Records.h"
#include "fields/ThetaCurve.h"

namespace veltrane::ewave {

bool XIsTheta(const TSimparameter& p);

// The depth window's first angle when none is stored: half the X span, as
// the window always did, kept inside the X range (X 10 to 70 gives 30, 60
// to 70 gives 60); when X is not Theta, the document's Theta.
double StartTheta(const TSimparameter& p);

// The angle-range window's first limits: a tenth of the X span in from
// either end (X 10 to 70 gives 16 and 64); when X is not Theta, a tenth of
// the view's angle range either side of the document's Theta, kept inside
// that range.
AngleRange StartLimits(const TSimparameter& p);

// An angle kept from an earlier showing, brought into the angles the
// view's scroll bar reaches now (the X range may have shrunk meanwhile):
// beyond an end it moves to that end.
double ThetaInReach(double theta, AngleRange reach);

// Limits kept from an earlier showing, brought into reach likewise. Limits
// that fall together there (both beyond one end), or that came equal,
// start again a tenth of the reach in from either end.
AngleRange LimitsInReach(AngleRange limits, AngleRange reach);

// The asked count rises to the document's X point count when that is at
// least as large.
void RaisePktanz(TEHOptionpara& o, const TSimparameter& p);

// The counts of a run: a count below two per layer falls back to the
// document's X point count, and the used count is a whole number of
// samples per layer (Pktanz 10 with 4 layers uses 8). A document without
// layers uses none.
void SetPointCounts(TEHOptionpara& o, const TSimparameter& p);

// The layer-position window's place: an empty layer or position is set to
// the middle of layer 1 (the first half-space at 0 for fewer than two
// layers); a place the stack no longer holds (a layer beyond a stack made
// smaller, a position beyond a thinner layer) starts there too.
void InitLayerPlace(TEHOptionpara& o, const TSimparameter& p);

// What a field plot says when none of the chosen components exists for the
// light (s components under P, p components under S, or none chosen at
// all): two lines naming what to choose; none when one is shown.
std::vector<std::string> NoFieldLines(std::int32_t polArt, TEHFieldSet fields);

// "Real-Imag", "|Field|-Phase[°]", "|Field|²-Phase[°]" for part code 6, 8, 9,
// after "Part: ".
std::string PartText(int partCode);
// "Ex real", "Hy |Field|²", "Ez Phase[°]"...: second picks the column of the
// pair.
std::string ColumnTitle(int component, int partCode, bool second);

}  // namespace veltrane::ewave
