// The checks of the parameter dialog's OK, in the order the user meets the
// inputs: the first failure is the one message shown.
#include <string>

#include "gui/simulation/plain/LayerThickness.h"
#include "gui/simulation/plain/SimparamModel.h"

using Riedit::NADN;
using Riedit::NAIN;

namespace {

bool empty(double v) { return v == NADN; }

// "no Eps-X Real value in Layer 2", or in the n-and-kappa mode
// "X kapa value in Layer 2".
std::string missingPart(int epsMode, const char* axis, bool imaginary, int layer)
{
    const std::string tail = " value in Layer " + std::to_string(layer);
    if (epsMode == emNKappa)
        return std::string(axis) + (imaginary ? " kapa" : " n-ref") + tail;
    return std::string("no Eps-") + axis + (imaginary ? " Imag" : " Real") + tail;
}

std::string checkLayers(const TLayerRows& rows, int n, int epsMode)
{
    for (int i = 1; i <= n; ++i) {
        const TSchichtparameter& r = rows[std::size_t(i - 1)];
        if (empty(r.Dicke))
            return "no thickness value in Layer " + std::to_string(i);
        const struct { const char* axis; bool imaginary; double value; bool anisoOnly; } parts[] = {
            {"X", false, r.EpsXR, false}, {"X", true, r.EpsXI, false}, {"Y", false, r.EpsYR, true},
            {"Y", true, r.EpsYI, true},   {"Z", false, r.EpsZR, true}, {"Z", true, r.EpsZI, true},
        };
        for (const auto& part : parts)
            if ((!part.anisoOnly || r.Aniso) && empty(part.value))
                return missingPart(epsMode, part.axis, part.imaginary, i);
    }
    return {};
}

}  // namespace

std::string TSimparamModel::Check()
{
    SimparamForm& f = Form;
    const int n = RowsHoldingValues(Rows);
    if (n < 2)
        return "number of layer <2";
    if ((f.Prismart == prTriangular || f.Prismart == prCone) && empty(f.Prismawinkel))
        return "no prisma-angle";
    if (empty(f.Wellenlange))
        return "no wavelength";
    // The engine divides by the wavelength.
    if (f.Wellenlange <= 0.0)
        return "wavelength must be >0";
    if ((f.PolArt == paLinear || f.PolArt == paElliptic) && empty(f.Azimut))
        return "no Azimutangle";
    if (f.PolArt == paElliptic && empty(f.Elliptic))
        return "no Ellipticangle";

    if (empty(f.Xvon))
        return "no X-Axis from value";
    if (empty(f.Xbis))
        return "no X-Axis to value";
    if (f.XPktanz == NAIN)
        return "no X-Axis pktanz value";
    if (f.XPktanz < 2)
        return "Pktanz must be >=2";
    // The engine indexes its layers with these numbers.
    if (XIsLayerKind(f.XTyp) && f.XLayerNr < 1)
        return "X-Axis Layer-Nr < 1";
    if (XIsLayerKind(f.XTyp) && f.XLayerNr > n)
        return "X-Axis Layer-Nr > layeranz";
    if (f.XTyp == pkThickness - 1)
        if (std::string m = NegativeThicknessScanMessage("X-Axis", f.Xvon, f.Xbis, f.XLayerNr); !m.empty())
            return m;

    if (f.ZTyp != pkNone) {
        if (empty(f.Zvon))
            return "no Z-Axis from value";
        if (empty(f.Zbis))
            return "no Z-Axis to value";
        if (empty(f.ZColstep))
            return "no Z-Axis stepvalue";
        if (!(f.ZColstep > 0.0))
            return "Z-Axis stepvalue must be >0";
    }
    if (ZIsLayerKind(f.ZTyp) && f.ZLayerNr < 1)
        return "Z-Axis Layer-Nr < 1";
    if (ZIsLayerKind(f.ZTyp) && f.ZLayerNr > n)
        return "Z-Axis Layer-Nr > layeranz";
    if (f.ZTyp == pkThickness)
        if (std::string m = NegativeThicknessScanMessage("Z-Axis", f.Zvon, f.Zbis, f.ZLayerNr); !m.empty())
            return m;
    // Every result point is held in memory and the run cannot be stopped:
    // a tiny Z step would freeze the program with the work unsaved.
    if (double(ZColumnCount()) * double(f.XPktanz) > MaxResultPoints)
        return "too many points: X-Axis pktanz * Z-Axis steps > 10000000";

    if (f.XTyp != pkTheta - 1 && f.ZTyp != pkTheta && empty(f.Theta))
        return "no Theta value";

    if (f.Prismart == prTriangular || f.Prismart == prHalfCylinder) {
        // These prisms fix the plane of incidence; a Phi left over from
        // another prism must not reach the record.
        f.Phiangle = 0.0;
        if (f.XTyp == pkPhi - 1)
            return "for X-Axis no Phiangle possible";
        if (f.ZTyp == pkPhi)
            return "for Z-Axis no Phiangle possible";
    } else if (empty(f.Phiangle)) {
        return "no Phiangle value";
    }

    if (std::string m = checkLayers(Rows, n, f.EpsMode); !m.empty())
        return m;
    if (Rows[0].Dicke != 0.0)
        return "thickness of 1. Layer must be zero";
    if (Rows[std::size_t(n - 1)].Dicke != 0.0)
        return "thickness of last Layer must be zero";
    for (int i = 0; i < n; ++i)
        if (!ThicknessAllowed(Rows[std::size_t(i)].Dicke))
            return NegativeThicknessMessage(i + 1);
    return {};
}
