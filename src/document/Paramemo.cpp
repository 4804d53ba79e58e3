#include "document/Paramemo.h"

#include <algorithm>

#include "document/AxisKind.h"
#include "document/Globals.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace {

constexpr const char* LayerRowFormat =
    "| %-4s | %-10s | %-10s | %-10s | %-10s | %-10s | %-10s | %-10s |";
constexpr const char* ScanRowFormat = "| %-46s | %-12.8g |";

// Appends the listing's lines; every line but the first two starts with the
// prefix.
class ListingWriter {
public:
    ListingWriter(std::vector<std::string>& lines, std::string prefix, char sep)
        : lines_(lines), prefix_(std::move(prefix)), sep_(sep)
    {
    }

    char sep() const { return sep_; }
    void line(const std::string& text) { lines_.push_back(prefix_ + text); }
    void blank() { line(""); }
    void rule(char c, int width) { line(std::string(std::size_t(width), c)); }
    void label(const std::string& label) { line(padded(label)); }
    void number(const std::string& label, double v) { line(padded(label) + veltrane::cfmt(sep_, "%-15.8g", v)); }
    void integer(const std::string& label, int v) { line(padded(label) + veltrane::cfmt(sep_, "%d", v)); }
    void text(const std::string& label, const std::string& text) { line(padded(label) + text); }

private:
    // Labels are padded to 30 characters and never cut.
    std::string padded(const std::string& label) const { return veltrane::cfmt(sep_, "%-30s", label); }

    std::vector<std::string>& lines_;
    std::string prefix_;
    char sep_;
};

std::string polarisationText(const TSimparameter& p)
{
    switch (p.PolArt) {
    case paP: return "P";
    case paS: return "S";
    case paPS: return "P and S";
    case paLinear: return "linear";
    case paCircular: return p.Circular ? "left circular" : "right circular";
    case paElliptic: return "elliptic ";
    default: return "";
    }
}

std::string prismText(int prismart)
{
    switch (prismart) {
    case prNone: return "no";
    case prTriangular: return "triangular";
    case prCone: return "cone";
    case prHalfCylinder: return "halfcylinder";
    case prHemisphere: return "hemisphere";
    default: return "";
    }
}

void axisBlock(ListingWriter& w, const std::string& title, const TSimAxispara& axis, bool isZ, int column)
{
    w.label(title);
    const int kind = AxisParaKind(isZ ? AxisSlot::Z : AxisSlot::X, axis.Typ);
    w.text("  -Typ:", ParaNames(kind, column));
    w.number("  -from:", axis.von);
    w.number("  -to:", axis.bis);
    if (!isZ) {
        // The X axis names its layer for Phi too.
        if (kind >= pkThickness && kind <= pkPhi)
            w.integer("  -Layer-Nr:", axis.LayerNr);
        w.integer("  -Pktanz:", axis.Pktanz);
    } else {
        if (kind >= pkThickness && kind <= pkEpsZImag)
            w.integer("  -Layer-Nr:", axis.LayerNr);
        w.number("  -Step:", axis.Colstep);
    }
}

void scanTable(ListingWriter& w, const std::string& title, const TScanColList& scans)
{
    w.label(title);
    w.rule('-', 65);
    w.line(veltrane::cfmt(w.sep(), "| %-46s | %-12s |", "File", "Scale-factor"));
    w.rule('-', 65);
    for (const TScanColrec& scan : scans)
        w.line(veltrane::cfmt(w.sep(), ScanRowFormat, scan.Name, scan.Scalefactor));
    w.rule('-', 65);
}

void layerTable(ListingWriter& w, const std::string& title, const TSimparameter& p, int column)
{
    w.label(title);
    w.rule('-', 99);
    w.line(veltrane::cfmt(w.sep(), LayerRowFormat, "L-Nr", "Thick/[nm]", ParaNames(3, column),
                          ParaNames(4, column), ParaNames(5, column), ParaNames(6, column),
                          ParaNames(7, column), ParaNames(8, column)));
    w.rule('-', 99);
    // A count beyond the table (a damaged document) lists the rows there are.
    const int layers = std::clamp(p.Layeranz, 0, MaxLayers);
    auto cell = [&](double v) { return veltrane::cfmt(w.sep(), "%-10.6g", v); };
    for (int i = 1; i <= layers; ++i) {
        const TEpsXYZ& eps = p.Eps[std::size_t(i - 1)];
        const bool aniso = p.Aniso[std::size_t(i - 1)] != 0;
        auto yz = [&](double v) { return aniso ? cell(v) : std::string(" "); };
        w.line(veltrane::cfmt(w.sep(), LayerRowFormat, std::to_string(i), cell(p.Dicke[std::size_t(i - 1)]),
                              cell(eps.epsX.real()), cell(eps.epsX.imag()), yz(eps.epsY.real()),
                              yz(eps.epsY.imag()), yz(eps.epsZ.real()), yz(eps.epsZ.imag())));
    }
    w.rule('-', 99);
}

}  // namespace

std::vector<std::string> ParameterListing(const TSimparameter& par, const TScanColList& scans,
                                          const std::string& fileName, const std::string& titleText,
                                          bool indent, char sep)
{
    const TSimparameter p = par;
    const int column = p.EpsMode != 0 ? 1 : 0;
    std::vector<std::string> lines;
    lines.push_back(" ");
    lines.push_back(titleText);
    ListingWriter w(lines, indent ? std::string(7, ' ') : std::string(), sep);

    w.rule('=', 50);
    w.blank();
    w.line("Veltrane-File:  " + fileName);
    w.line("Date:           " + veltrane::platform().dateText());
    w.line("Comment:        " + p.Comment);
    w.blank();
    w.line("Parameter");
    w.rule('=', 50);

    w.text("Polarisation:", polarisationText(p));
    if (p.PolArt == paLinear || p.PolArt == paElliptic)
        w.text("  -Azimut:", veltrane::cfmt(sep, "%-10.6g [°]", p.Azimut));
    if (p.PolArt == paElliptic)
        w.text("  -Ellipticity:", veltrane::cfmt(sep, "%-10.6g[°]", p.Elliptic));
    w.blank();

    w.text("Prism-Art:", prismText(p.Prismart));
    if (p.Prismart == prTriangular || p.Prismart == prCone)
        w.text("  -Angle:", veltrane::cfmt(sep, "%-10.6g[°]", p.Prismawinkel));
    if (p.Prismart >= prTriangular && p.Prismart <= prHemisphere)
        w.text("  -with Prism-Reflektion:", p.Prismreflek ? "Yes" : "No");
    w.blank();

    axisBlock(w, "X-Axis:", p.XAxis, false, column);
    w.blank();
    if (ZAxisKind(p) != pkNone) {
        axisBlock(w, "Z-Axis:", p.ZAxis, true, column);
        w.blank();
    }
    if (XAxisKind(p) != pkTheta && ZAxisKind(p) != pkTheta)
        w.number("Theta:", p.Theta);
    w.number("Wavelength [nm]:", p.Wellenlange);
    w.number("Phi-Angle [°]:", p.Phiangle);
    w.blank();

    scanTable(w, "Scanfile:", scans);
    w.blank();
    layerTable(w, "Layer-Parameter:", p, column);
    w.blank();
    return lines;
}
