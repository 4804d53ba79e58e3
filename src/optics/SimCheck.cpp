// Records the engine refuses before it builds or fills anything.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "document/AxisKind.h"
#include "optics/CalcPlasmon.h"
#include "optics/ResColList.h"

namespace {

bool isLayerKind(int code) { return code >= pkThickness && code <= pkEpsZImag; }

std::string layerRange(const char* axis, int layerNr, int n)
{
    return std::string("The layer number ") + std::to_string(layerNr) + " of the " + axis +
           " parameter is outside 1.." + std::to_string(n) + ".";
}

}  // namespace

std::string veltrane::CheckThicknesses(const TSimparameter& para)
{
    // A layer thinner than nothing has no physics: the engine would compute
    // reflectivities far above 1, and fields through it, without a word. A
    // document that holds one opens, and is refused here when computed.
    const int n = std::clamp(int(para.Layeranz), 0, MaxLayers);
    for (int k = 0; k < n; ++k)
        if (para.Dicke[std::size_t(k)] < 0.0)
            return "Layer " + std::to_string(k + 1) + " has a thickness below 0 nm.";
    return "";
}

std::string veltrane::CheckSimparameter(const TSimparameter& para)
{
    const int n = para.Layeranz;
    if (n < 2 || n > MaxLayers)
        return "The stack has " + std::to_string(n) + " layers; a simulation needs 2 to 30.";
    if (para.Prismart < prNone || para.Prismart > prHemisphere)
        return "Unknown prism type " + std::to_string(para.Prismart) + ".";
    const TSimAxispara& x = para.XAxis;
    const int xKind = XAxisKind(para);
    // An unknown kind changes nothing, and the update would take its layer
    // number (unchecked) for the layer that changed.
    if (xKind == NoParaKind)
        return "Unknown kind " + std::to_string(std::int64_t(x.Typ) + 1) + " of the X parameter.";
    if (isLayerKind(xKind) && (x.LayerNr < 1 || x.LayerNr > n))
        return layerRange("X", x.LayerNr, n);
    if (x.Pktanz < 2)
        return "The X scan needs at least 2 points.";
    if (!std::isfinite(x.von) || !std::isfinite(x.bis))
        return "The X range is not a number.";
    const TSimAxispara& z = para.ZAxis;
    const int zKind = ZAxisKind(para);
    if (zKind == NoParaKind)
        return "Unknown kind " + std::to_string(z.Typ) + " of the Z parameter.";
    if (zKind != pkNone) {
        if (isLayerKind(zKind) && (z.LayerNr < 1 || z.LayerNr > n))
            return layerRange("Z", z.LayerNr, n);
        if (!std::isfinite(z.von) || !std::isfinite(z.bis))
            return "The Z range is not a number.";
        if (z.FixedStep) {
            if (z.Colstep == 0.0)
                return "The step of the Z parameter is 0.";
            if (!std::isfinite(z.Colstep))
                return "The step of the Z parameter is not a number.";
            if (ResColCount(para) < 1)
                return "The step of the Z parameter leads away from the end value.";
        } else if (z.Pktanz < 2) {
            return "The Z parameter needs at least 2 curves.";
        }
    }
    if (std::string refusal = veltrane::CheckThicknesses(para); !refusal.empty())
        return refusal;
    if (xKind == pkThickness && (x.von < 0.0 || x.bis < 0.0))
        return "The X scan takes the thickness of layer " + std::to_string(x.LayerNr) + " below 0 nm.";
    if (zKind == pkThickness && (z.von < 0.0 || z.bis < 0.0))
        return "The Z parameter takes the thickness of layer " + std::to_string(z.LayerNr) + " below 0 nm.";
    // The result columns are allocated up front: a tiny Z step or a huge
    // point count must be refused, not allowed to exhaust the memory.
    constexpr double maxPoints = 1e8;
    if (double(ResColCount(para)) * double(x.Pktanz) > maxPoints)
        return "The scan asks for more than 100000000 points.";
    return "";
}

std::string TCalcPlasmon::CheckRun(const TSimparameter& para, const TResColList& list) const
{
    std::string refusal = veltrane::CheckSimparameter(para);
    if (!refusal.empty())
        return refusal;
    if (para.Layeranz != layerCount)
        return "The record has " + std::to_string(para.Layeranz) + " layers, the simulation was set up for " +
               std::to_string(layerCount) + ".";
    // The layers compute the field factors and mode tables of the record's
    // polarisations, the elements those of the driver's: they must agree,
    // or an interface would build on tables that were never computed.
    if (para.PolMode != polMode)
        return "The polarisation mode differs from the one the simulation was set up for.";
    for (int k = 0; k < layerCount; ++k)
        if ((para.Aniso[k] != 0) != (anisoLayout[k] != 0))
            return "The anisotropy of layer " + std::to_string(k + 1) +
                   " differs from the one the simulation was set up for.";
    const bool zScan = ZAxisKind(para) != pkNone;
    const std::size_t columns = zScan ? list.size() : 1;
    if (list.empty() || (zScan && list.size() != std::size_t(ResColCount(para))))
        return "The result columns do not match the Z parameter.";
    for (std::size_t j = 0; j < columns; ++j)
        if (list[j].Points.size() < std::size_t(para.XAxis.Pktanz))
            return "The result columns do not match the X scan.";
    return "";
}
