// The checks of the parameter dialog's OK, in the order the user meets the
// inputs: the first failure is the one message shown, and the input it
// names is the one the dialog shows with the focus in it.
#include <string>

#include "gui/simulation/plain/LayerThickness.h"
#include "gui/simulation/plain/SimparamModel.h"

using Riedit::NADN;
using Riedit::NAIN;

namespace {

using In = SimparamInput;

bool empty(double v) { return v == NADN; }

SimparamRefusal refuse(std::string message, SimparamInput input)
{
    return {std::move(message), input};
}

SimparamRefusal refuseCell(std::string message, int layer, int column)
{
    return {std::move(message), In::LayerCell, layer, column};
}

// "no Eps-X Real value in Layer 2", or in the n-and-kappa mode
// "X kapa value in Layer 2".
std::string missingPart(int epsMode, const char* axis, bool imaginary, int layer)
{
    const std::string tail = " value in Layer " + std::to_string(layer);
    if (epsMode == emNKappa)
        return std::string(axis) + (imaginary ? " kapa" : " n-ref") + tail;
    return std::string("no Eps-") + axis + (imaginary ? " Imag" : " Real") + tail;
}

std::optional<SimparamRefusal> checkLayers(const TLayerRows& rows, int n, int epsMode)
{
    for (int i = 1; i <= n; ++i) {
        const TSchichtparameter& r = rows[std::size_t(i - 1)];
        if (empty(r.Dicke))
            return refuseCell("no thickness value in Layer " + std::to_string(i), i, rcDicke);
        const struct { const char* axis; bool imaginary; int column; bool anisoOnly; } parts[] = {
            {"X", false, rcEpsXR, false}, {"X", true, rcEpsXI, false}, {"Y", false, rcEpsYR, true},
            {"Y", true, rcEpsYI, true},   {"Z", false, rcEpsZR, true}, {"Z", true, rcEpsZI, true},
        };
        for (const auto& part : parts)
            if ((!part.anisoOnly || r.Aniso) && empty(RowValue(r, part.column)))
                return refuseCell(missingPart(epsMode, part.axis, part.imaginary, i), i, part.column);
    }
    return std::nullopt;
}

// The end of a thickness scan that goes below 0, as the message names it.
SimparamInput lowEnd(double from, SimparamInput fromInput, SimparamInput toInput)
{
    return !ThicknessAllowed(from) ? fromInput : toInput;
}

}  // namespace

int SimparamPage(SimparamInput input)
{
    switch (input) {
    case In::Wellenlange:
    case In::Azimut:
    case In::Elliptic:
    case In::Prismawinkel:
    case In::Phiangle: return 0;
    case In::LayerCell: return 2;
    default: return 1;
    }
}

std::string TSimparamModel::Check()
{
    const std::optional<SimparamRefusal> refusal = Refusal();
    return refusal ? refusal->Message : std::string();
}

std::optional<SimparamRefusal> TSimparamModel::Refusal()
{
    SimparamForm& f = Form;
    const int n = RowsHoldingValues(Rows);
    if (n < 2) {
        // The first row without values is the layer still missing.
        int layer = 1;
        while (layer < MaxLayers && RowHoldsValue(Rows[std::size_t(layer - 1)]))
            ++layer;
        return refuseCell("number of layer <2", layer, rcDicke);
    }
    if ((f.Prismart == prTriangular || f.Prismart == prCone) && empty(f.Prismawinkel))
        return refuse("no prisma-angle", In::Prismawinkel);
    if (empty(f.Wellenlange))
        return refuse("no wavelength", In::Wellenlange);
    // The engine divides by the wavelength.
    if (f.Wellenlange <= 0.0)
        return refuse("wavelength must be >0", In::Wellenlange);
    if ((f.PolArt == paLinear || f.PolArt == paElliptic) && empty(f.Azimut))
        return refuse("no Azimutangle", In::Azimut);
    if (f.PolArt == paElliptic && empty(f.Elliptic))
        return refuse("no Ellipticangle", In::Elliptic);

    if (empty(f.Xvon))
        return refuse("no X-Axis from value", In::Xvon);
    if (empty(f.Xbis))
        return refuse("no X-Axis to value", In::Xbis);
    if (f.XPktanz == NAIN)
        return refuse("no X-Axis pktanz value", In::XPktanz);
    if (f.XPktanz < 2)
        return refuse("Pktanz must be >=2", In::XPktanz);
    // The engine indexes its layers with these numbers.
    if (XIsLayerKind(f.XTyp) && f.XLayerNr < 1)
        return refuse("X-Axis Layer-Nr < 1", In::XLayerNr);
    if (XIsLayerKind(f.XTyp) && f.XLayerNr > n)
        return refuse("X-Axis Layer-Nr > layeranz", In::XLayerNr);
    if (f.XTyp == pkThickness - 1)
        if (std::string m = NegativeThicknessScanMessage("X-Axis", f.Xvon, f.Xbis, f.XLayerNr); !m.empty())
            return refuse(std::move(m), lowEnd(f.Xvon, In::Xvon, In::Xbis));

    if (f.ZTyp != pkNone) {
        if (empty(f.Zvon))
            return refuse("no Z-Axis from value", In::Zvon);
        if (empty(f.Zbis))
            return refuse("no Z-Axis to value", In::Zbis);
        if (empty(f.ZColstep))
            return refuse("no Z-Axis stepvalue", In::ZColstep);
        if (!(f.ZColstep > 0.0))
            return refuse("Z-Axis stepvalue must be >0", In::ZColstep);
    }
    if (ZIsLayerKind(f.ZTyp) && f.ZLayerNr < 1)
        return refuse("Z-Axis Layer-Nr < 1", In::ZLayerNr);
    if (ZIsLayerKind(f.ZTyp) && f.ZLayerNr > n)
        return refuse("Z-Axis Layer-Nr > layeranz", In::ZLayerNr);
    if (f.ZTyp == pkThickness)
        if (std::string m = NegativeThicknessScanMessage("Z-Axis", f.Zvon, f.Zbis, f.ZLayerNr); !m.empty())
            return refuse(std::move(m), lowEnd(f.Zvon, In::Zvon, In::Zbis));
    // Every result point is held in memory and the run cannot be stopped:
    // a tiny Z step would freeze the program with the work unsaved.
    if (const int columns = ZColumnCount(); double(columns) * double(f.XPktanz) > MaxResultPoints)
        return refuse("too many points: X-Axis pktanz * Z-Axis steps > 10000000",
                      columns > f.XPktanz ? In::ZColstep : In::XPktanz);

    if (f.XTyp != pkTheta - 1 && f.ZTyp != pkTheta && empty(f.Theta))
        return refuse("no Theta value", In::Theta);

    if (f.Prismart == prTriangular || f.Prismart == prHalfCylinder) {
        // These prisms fix the plane of incidence; a Phi left over from
        // another prism must not reach the record.
        f.Phiangle = 0.0;
        if (f.XTyp == pkPhi - 1)
            return refuse("for X-Axis no Phiangle possible", In::XAxisBox);
        if (f.ZTyp == pkPhi)
            return refuse("for Z-Axis no Phiangle possible", In::ZAxisBox);
    } else if (empty(f.Phiangle)) {
        return refuse("no Phiangle value", In::Phiangle);
    }

    if (std::optional<SimparamRefusal> r = checkLayers(Rows, n, f.EpsMode))
        return r;
    if (Rows[0].Dicke != 0.0)
        return refuseCell("thickness of 1. Layer must be zero", 1, rcDicke);
    if (Rows[std::size_t(n - 1)].Dicke != 0.0)
        return refuseCell("thickness of last Layer must be zero", n, rcDicke);
    for (int i = 0; i < n; ++i)
        if (!ThicknessAllowed(Rows[std::size_t(i)].Dicke))
            return refuseCell(NegativeThicknessMessage(i + 1), i + 1, rcDicke);
    return std::nullopt;
}
