#include "document/LayerSystemText.h"

#include <algorithm>

#include "document/Globals.h"
#include "platform/CFormat.h"

namespace veltrane {

namespace {

constexpr const char* IsoFormat = "%-4s|%-10s|%-10s|%-10s";
constexpr const char* AnisoFormat = "|%-10s|%-10s|%-10s|%-10s";

int layerCount(const TSimparameter& p) { return std::clamp(p.Layeranz, 0, MaxLayers); }

bool anyAniso(const TSimparameter& p)
{
    const int n = layerCount(p);
    return std::any_of(p.Aniso.begin(), p.Aniso.begin() + n, [](std::uint8_t a) { return a != 0; });
}

}  // namespace

std::string LayerCell(bool present, double value, char sep)
{
    return present ? cfmt(sep, "%-10.6g", value) : std::string(" ");
}

int LayerSystemWidth(const TSimparameter& p) { return anyAniso(p) ? 81 : 37; }

std::vector<std::string> LayerSystemLines(const TSimparameter& p, char sep)
{
    const int column = p.EpsMode != 0 ? 1 : 0;
    const bool aniso = anyAniso(p);
    std::vector<std::string> lines;
    std::string header = cfmt(sep, IsoFormat, "L-Nr", "Thick/[nm]", ParaNames(3, column), ParaNames(4, column));
    if (aniso)
        header += cfmt(sep, AnisoFormat, ParaNames(5, column), ParaNames(6, column), ParaNames(7, column),
                       ParaNames(8, column));
    lines.push_back(header);
    lines.push_back(std::string(std::size_t(LayerSystemWidth(p)), '-'));
    for (int i = 1; i <= layerCount(p); ++i) {
        const std::size_t k = std::size_t(i - 1);
        const TEpsXYZ& e = p.Eps[k];
        std::string line = cfmt(sep, IsoFormat, std::to_string(i), LayerCell(true, p.Dicke[k], sep),
                                LayerCell(true, e.epsX.real(), sep), LayerCell(true, e.epsX.imag(), sep));
        if (aniso) {
            const bool own = p.Aniso[k] != 0;
            line += cfmt(sep, AnisoFormat, LayerCell(own, e.epsY.real(), sep), LayerCell(own, e.epsY.imag(), sep),
                         LayerCell(own, e.epsZ.real(), sep), LayerCell(own, e.epsZ.imag(), sep));
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace veltrane
