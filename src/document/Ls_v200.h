#pragma once
// The reader of document version 2.00 (never written). The version has no
// magic and no size header, stores enumerations in one byte and the scan
// axes as raw 40-byte images, keeps three rotation angles per layer, and
// stores the scans before the curves and any number of plot-window blocks.

#include <array>
#include <string>

#include "document/Ls_basis.h"
#include "document/Records.h"

namespace V200 {

constexpr int AxisImageBytes = 40;
using TAxisImage = std::array<std::uint8_t, AxisImageBytes>;

// Offsets in the image: 0 Typ, 4 von, 12 bis, 20 LayerNr, 24 Pktanz,
// 28 Colstep, 36 flag; 37 to 39 are padding.
TSimAxispara AxisFromImage(const TAxisImage& image);

struct TSimparameter {
    std::int32_t Layeranz = 0;
    std::int32_t PolArt = 0;
    double Azimut = 0.0;
    double Elliptic = 0.0;
    std::uint8_t Circular = 0;
    std::string Comment;
    std::int32_t PolMode = 0;
    std::int32_t EpsMode = 0;
    double Wellenlange = 0.0;
    std::int32_t Prismart = 0;
    Complex Ep, Es, kx, kx2;
    std::uint8_t Prismreflek = 0;
    double Prismawinkel = 0.0;
    std::uint8_t Unused = 0;  // dropped by version 3
    double Phiangle = 0.0;
    double Theta = 0.0;
    double ThetaP = 0.0, ThetaS = 0.0;
    double Xvalue = 0.0;
    TAxisImage XAxis{};
    TAxisImage ZAxis{};
    std::array<double, MaxLayers> Dicke{};  // old unit: tenths of nm
    std::array<std::uint8_t, MaxLayers> Aniso{};
    std::array<TEpsXYZ, MaxLayers> Eps{};
    std::array<std::array<double, 3>, MaxLayers> Rotation{};  // degrees
};

struct TAxispara {
    std::string Title;
    double minValue = 0.0;
    double maxValue = 0.0;
};

struct TPlotwindowpara {
    TCurveSet Curves;
    TAxispara XAxis, Y1Axis, Y2Axis;
    std::string Title;
};

struct TAuswertungpara {
    double left = 0.0;
    double right = 0.0;
    std::uint8_t Data = 0;
    std::uint8_t Scan = 0;
    std::int32_t Datakind = 0;
};

class TLS_V200 : public TLS_Basis {
public:
    std::int32_t EnumSize = 1;
    double HeaderVersion = 0.0;
    TSimparameter Simparameter;
    TOptionpara Optionpara;
    TPlotwindowpara Plotwindowpara;
    std::int32_t PlotBlocks = 0;  // how many plot-window blocks the file held
    TAuswertungpara Auswertungpara;
    TResColList ResColList;
    TScanColList ScanColList;  // the visible flag is not in the file

    void ReadFile(veltrane::ByteReader& in, std::string& versionText);

    void RWEnum(std::int32_t& v, int dir);
    void RWEnumSet(TCurveSet& v, int dir);
    void RWSimparameter(int dir);
    void RWOptionpara(int dir);
    void RWPlotwindowList(int dir);
    void RWPlotwindowpara(int dir);
    void RWAxispara(TAxispara& a, const char* axis, int dir);
    void RWAuswertungpara(int dir);
};

}  // namespace V200
