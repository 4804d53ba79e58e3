#pragma once
// The inputs of the parameter dialog outside the layer table, as values:
// an empty numeric edit is Riedit::NADN (Riedit::NAIN for the integer
// edits), exactly as the edits report it. Indexes are those of the radio
// groups and boxes.

#include <string>

#include "document/NoValue.h"
#include "document/Records.h"

struct SimparamForm {
    int PolArt = paP;            // PolArtGroup
    int EpsMode = emEps;         // EpsGroup
    double Azimut = Riedit::NADN;
    double Elliptic = Riedit::NADN;
    int CircularIndex = 0;       // 0 left, 1 right
    double Wellenlange = Riedit::NADN;
    int Prismart = prNone;       // PrismartBox
    bool Prismreflek = false;
    double Prismawinkel = Riedit::NADN;
    double Phiangle = Riedit::NADN;
    double Theta = Riedit::NADN;
    int XTyp = 0;                // XAxisBox: the parameter kind minus 1
    double Xvon = Riedit::NADN, Xbis = Riedit::NADN;
    int XPktanz = Riedit::NAIN;
    int XLayerNr = Riedit::NAIN;
    int ZTyp = 0;                // ZAxisBox: the parameter kind itself
    double Zvon = Riedit::NADN, Zbis = Riedit::NADN;
    double ZColstep = Riedit::NADN;
    int ZLayerNr = Riedit::NAIN;
    std::string Comment;
    bool operator==(const SimparamForm&) const = default;
};

// Which groups and edits the current choices show.
struct SimparamVisibility {
    bool Azimut = false, Elliptic = false, Circular = false;
    bool Prismreflek = false, Prismawinkel = false, Phi = false;
    bool Theta = false, XLayer = false, ZRange = false, ZLayer = false;
    bool operator==(const SimparamVisibility&) const = default;
};

SimparamVisibility Visibility(const SimparamForm& f);

// Whether an X box index, or a Z box index, names a layer parameter.
bool XIsLayerKind(int xIndex);
bool ZIsLayerKind(int zIndex);

// Column headers by input mode (0 eps, 1 n and kappa): the three axis
// panels and the real and imaginary part panels.
const char* AxisHeader(int axis, int epsMode);
const char* RealHeader(int epsMode);
const char* ImagHeader(int epsMode);
