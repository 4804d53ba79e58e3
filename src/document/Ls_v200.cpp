#include "document/Ls_v200.h"

#include <bit>
#include <cassert>
#include <cstring>

#include "platform/StreamError.h"

namespace V200 {
namespace {

constexpr std::size_t kAxisMinBytes = 5 + 8 + 8 + 1 + 1 + 2;
constexpr std::size_t kPlotMinBytes = 1 + 4 + 3 * kAxisMinBytes + 5 + 4 * 4 + 1;

std::int32_t int32At(const TAxisImage& b, int at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t(b[std::size_t(at + i)]) << (8 * i);
    return std::int32_t(v);
}

double doubleAt(const TAxisImage& b, int at)
{
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v |= std::uint64_t(b[std::size_t(at + i)]) << (8 * i);
    return std::bit_cast<double>(v);
}

}  // namespace

TSimAxispara AxisFromImage(const TAxisImage& image)
{
    TSimAxispara a;
    a.Typ = int32At(image, 0);
    a.von = doubleAt(image, 4);
    a.bis = doubleAt(image, 12);
    a.LayerNr = int32At(image, 20);
    a.Pktanz = int32At(image, 24);
    a.Colstep = doubleAt(image, 28);
    a.FixedStep = image[36];
    return a;
}

void TLS_V200::ReadFile(veltrane::ByteReader& in, std::string& versionText)
{
    StreamScope scope(*this, &in, nullptr);
    double second = 0.0;
    ReadOldHeader(HeaderVersion, second);
    RWSimparameter(DirRead);
    RWOptionpara(DirRead);
    RWScanColList(ScanColList, TScanForm::V200, DirRead);
    RWResColList(ResColList, DirRead);
    RWPlotwindowList(DirRead);
    RWAuswertungpara(DirRead);
}

void TLS_V200::RWEnum(std::int32_t& v, int dir)
{
    assert(EnumSize == 1);  // fixed: a 2.00 file has no size header
    RWEnumByte(v, dir);
}

void TLS_V200::RWEnumSet(TCurveSet& v, int dir)
{
    assert(EnumSize == 1);
    RWBuffer(&v.bits, 1, dir);
}

void TLS_V200::RWSimparameter(int dir)
{
    TSimparameter& s = Simparameter;
    RWInt(s.Layeranz, dir);
    if (dir == DirRead && (s.Layeranz < 0 || s.Layeranz > MaxLayers))
        throw veltrane::EStreamError("Read error: " + std::to_string(s.Layeranz) +
                                     " layers; a document holds 0 to 30.");
    RWEnum(s.PolArt, dir);
    RWDouble(s.Azimut, dir);
    RWDouble(s.Elliptic, dir);
    RWBool(s.Circular, dir);
    RWString(s.Comment, {"Comment"}, dir);
    RWEnum(s.PolMode, dir);
    RWEnum(s.EpsMode, dir);
    RWDouble(s.Wellenlange, dir);
    RWEnum(s.Prismart, dir);
    RWComplex(s.Ep, dir);
    RWComplex(s.Es, dir);
    RWComplex(s.kx, dir);
    RWComplex(s.kx2, dir);
    RWBool(s.Prismreflek, dir);
    RWDouble(s.Prismawinkel, dir);
    RWBool(s.Unused, dir);
    RWDouble(s.Phiangle, dir);
    RWDouble(s.Theta, dir);
    RWDouble(s.ThetaP, dir);
    RWDouble(s.ThetaS, dir);
    RWDouble(s.Xvalue, dir);
    RWBuffer(s.XAxis.data(), s.XAxis.size(), dir);
    RWBuffer(s.ZAxis.data(), s.ZAxis.size(), dir);
    for (double& d : s.Dicke)
        RWDouble(d, dir);
    for (std::uint8_t& a : s.Aniso)
        RWBool(a, dir);
    for (TEpsXYZ& e : s.Eps) {
        RWComplex(e.epsX, dir);
        RWComplex(e.epsY, dir);
        RWComplex(e.epsZ, dir);
    }
    for (auto& row : s.Rotation)
        for (double& r : row)
            RWDouble(r, dir);
}

void TLS_V200::RWOptionpara(int dir)
{
    RWOptions(Optionpara, dir);
}

void TLS_V200::RWPlotwindowList(int dir)
{
    std::int32_t n = PlotBlocks;
    RWInt(n, dir);
    if (dir == DirRead)
        CheckCount(n, kPlotMinBytes, "plot windows");
    // Every block fills the same record: the last one counts.
    for (std::int32_t i = 0; i < n; ++i)
        RWPlotwindowpara(dir);
    PlotBlocks = n;
}

void TLS_V200::RWPlotwindowpara(int dir)
{
    TPlotwindowpara& p = Plotwindowpara;
    RWEnumSet(p.Curves, dir);
    std::int32_t k = 0;
    RWInt(k, dir);
    if (dir == DirRead)
        CheckCount(k, std::size_t(BoolSize), "plot switches");
    for (std::int32_t i = 0; i < k; ++i) {
        std::uint8_t unused = 0;
        RWBool(unused, dir);
    }
    RWAxispara(p.XAxis, "X-Axis", dir);
    RWAxispara(p.Y1Axis, "Y1-Axis", dir);
    RWAxispara(p.Y2Axis, "Y2-Axis", dir);
    RWString(p.Title, {"Plot-Title"}, dir);
    for (int i = 0; i < 4; ++i) {
        std::int32_t unused = 0;
        RWInt(unused, dir);
    }
    std::int32_t unusedEnum = 0;
    RWEnum(unusedEnum, dir);
}

void TLS_V200::RWAxispara(TAxispara& a, const char* axis, int dir)
{
    RWString(a.Title, {axis, 0, "title"}, dir);
    RWDouble(a.minValue, dir);
    RWDouble(a.maxValue, dir);
    std::uint8_t unusedBool = 0;
    std::int32_t unusedEnum = 0;
    RWBool(unusedBool, dir);
    RWEnum(unusedEnum, dir);
    RWBool(unusedBool, dir);
    RWBool(unusedBool, dir);
}

void TLS_V200::RWAuswertungpara(int dir)
{
    TAuswertungpara& a = Auswertungpara;
    std::uint8_t unusedBool = 0;
    std::int32_t unusedInt = 0;
    RWBool(unusedBool, dir);
    RWDouble(a.left, dir);
    RWBool(unusedBool, dir);
    RWDouble(a.right, dir);
    RWBool(a.Data, dir);
    RWBool(a.Scan, dir);
    RWInt(unusedInt, dir);
    RWInt(a.Datakind, dir);
}

}  // namespace V200
