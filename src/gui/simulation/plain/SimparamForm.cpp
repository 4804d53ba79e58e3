#include "gui/simulation/plain/SimparamForm.h"

#include <algorithm>

namespace {
// Indexed by the input mode: (eps, n and kappa).
const char* const axisHeaders[3][2] = {{"Eps-X", "X"}, {"Eps-Y", "Y"}, {"Eps-Z", "Z"}};
const char* const realHeaders[2] = {"Real", "n-ref"};
const char* const imagHeaders[2] = {"Imag", "kapa"};

int mode(int epsMode) { return epsMode == emNKappa ? 1 : 0; }
}  // namespace

bool XIsLayerKind(int xIndex) { return xIndex >= pkThickness - 1 && xIndex <= pkEpsZImag - 1; }
bool ZIsLayerKind(int zIndex) { return zIndex >= pkThickness && zIndex <= pkEpsZImag; }

SimparamVisibility Visibility(const SimparamForm& f)
{
    SimparamVisibility v;
    v.Azimut = f.PolArt == paLinear || f.PolArt == paElliptic;
    v.Elliptic = f.PolArt == paElliptic;
    v.Circular = f.PolArt == paCircular;
    v.Prismreflek = f.Prismart != prNone;
    v.Prismawinkel = f.Prismart == prTriangular || f.Prismart == prCone;
    v.Phi = f.Prismart == prNone || f.Prismart == prCone || f.Prismart == prHemisphere;
    v.Theta = f.XTyp != pkTheta - 1 && f.ZTyp != pkTheta;
    v.XLayer = XIsLayerKind(f.XTyp);
    v.ZRange = f.ZTyp != pkNone;
    v.ZLayer = ZIsLayerKind(f.ZTyp);
    return v;
}

const char* AxisHeader(int axis, int epsMode) { return axisHeaders[std::clamp(axis, 0, 2)][mode(epsMode)]; }
const char* RealHeader(int epsMode) { return realHeaders[mode(epsMode)]; }
const char* ImagHeader(int epsMode) { return imagHeaders[mode(epsMode)]; }
