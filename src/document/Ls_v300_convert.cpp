// Conversion of a read version 2.00 document into the 3.00 archiver.

#include <algorithm>

#include "document/Ls_v200.h"
#include "document/Ls_v300.h"
#include "platform/Platform.h"

namespace V300 {
namespace {

// Version 2.00 stored thicknesses in tenths of nm.
constexpr double kOldThicknessFactor = 0.1;

// An empty value stays empty: scaled, NADN would become a number.
double scaled(double v, double factor)
{
    return v == Riedit::NADN ? v : v * factor;
}

// Version 2.00 kinds: 9 to 11 the rotation angles, 12 Phi, 13 wavelength,
// 14 azimuth, 15 ellipticity; the X axis stores the kind minus 1.
struct AxisCodes {
    std::int32_t thickness;
    std::int32_t rotationFirst;
    std::int32_t rotationLast;
    std::int32_t statusBit;
};
constexpr AxisCodes kXCodes{1, 8, 10, 8};
constexpr AxisCodes kZCodes{2, 9, 11, 16};

TSimAxispara convertAxis(const V200::TAxisImage& image, const AxisCodes& codes, std::int32_t& status)
{
    TSimAxispara a = V200::AxisFromImage(image);
    const double factor = a.Typ == codes.thickness ? kOldThicknessFactor : 1.0;
    if (a.Typ >= codes.rotationFirst && a.Typ <= codes.rotationLast) {
        status ^= codes.statusBit;
        a.Typ = 0;
        a.von = 0.0;
        a.bis = 90.0;
    }
    if (a.Typ > codes.rotationLast)
        a.Typ -= 3;
    a.von = scaled(a.von, factor);
    a.bis = scaled(a.bis, factor);
    a.Colstep = scaled(a.Colstep, factor);
    a.FixedStep = a.FixedStep != 0 ? 1 : 0;
    return a;
}

TAxispara convertAxispara(const V200::TAxispara& old, const TAxispara& current, bool haveOld)
{
    TAxispara a;
    a.Title = old.Title;
    a.minValue = haveOld ? old.minValue : current.minValue;
    a.maxValue = haveOld ? old.maxValue : current.maxValue;
    return a;
}

}  // namespace

void TLS_V300::ConvertFromV200(const V200::TLS_V200& old)
{
    const V200::TSimparameter& o = old.Simparameter;
    TSimparameter& s = Simparameter;
    s.Layeranz = o.Layeranz;
    s.PolArt = o.PolArt;
    s.Azimut = o.Azimut;
    s.Elliptic = o.Elliptic;
    s.Circular = o.Circular;
    s.Comment = o.Comment;
    s.PolMode = o.PolMode;
    s.EpsMode = o.EpsMode;
    s.Wellenlange = o.Wellenlange;
    s.Prismart = o.Prismart;
    s.Ep = o.Ep;
    s.Es = o.Es;
    s.kx = o.kx;
    s.kx2 = o.kx2;
    s.Prismreflek = o.Prismreflek;
    s.Prismawinkel = o.Prismawinkel;
    s.Phiangle = o.Phiangle;
    s.Theta = o.Theta;
    s.ThetaP = o.ThetaP;
    s.ThetaS = o.ThetaS;
    s.Xvalue = o.Xvalue;
    s.Dicke = o.Dicke;
    s.Aniso = o.Aniso;
    s.Eps = o.Eps;

    s.XAxis = convertAxis(o.XAxis, kXCodes, Status);
    s.ZAxis = convertAxis(o.ZAxis, kZCodes, Status);

    // The reader refused a layer count outside 0..30.
    const int layers = o.Layeranz;
    for (int i = 0; i < layers; ++i)
        s.Dicke[std::size_t(i)] = scaled(s.Dicke[std::size_t(i)], kOldThicknessFactor);
    bool rotated = false;
    for (int i = 0; i < layers; ++i)
        for (double r : o.Rotation[std::size_t(i)])
            rotated = rotated || r != 0.0;
    if (rotated)
        Status ^= 4;

    Optionpara = old.Optionpara;
    Optionpara.Dickestep = scaled(Optionpara.Dickestep, kOldThicknessFactor);

    // Without a plot block the file has no limits: the document keeps its own.
    const bool havePlot = old.PlotBlocks > 0;
    Plotwindowpara.Title = old.Plotwindowpara.Title;
    Plotwindowpara.Curves = old.Plotwindowpara.Curves;
    Plotwindowpara.XAxis = convertAxispara(old.Plotwindowpara.XAxis, Plotwindowpara.XAxis, havePlot);
    Plotwindowpara.Y1Axis = convertAxispara(old.Plotwindowpara.Y1Axis, Plotwindowpara.Y1Axis, havePlot);
    Plotwindowpara.Y2Axis = convertAxispara(old.Plotwindowpara.Y2Axis, Plotwindowpara.Y2Axis, havePlot);

    const V200::TAuswertungpara& e = old.Auswertungpara;
    Auswertungpara.left = std::min(e.left, e.right);
    Auswertungpara.right = std::max(e.left, e.right);
    Auswertungpara.Data = e.Data;
    Auswertungpara.Scan = e.Scan;
    Auswertungpara.Datakind = e.Datakind;
    Auswertungpara.Reg = 0;
    Auswertungpara.reg_width = 30;

    CopyResColList(old.ResColList, ResColList);
    const std::size_t firstNew = ScanColList.size();
    CopyScanColList(old.ScanColList, ScanColList);
    for (std::size_t i = firstNew; i < ScanColList.size(); ++i)
        ScanColList[i].Visible = 1;

    veltrane::showInformation(
        "Warning", "Attention:\nThis is a Veltrane Version 2 file.\nIt will be convert to Veltrane Version 3 !");
}

}  // namespace V300
