#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>

#include "document/Defaults.h"
#include "document/Globals.h"
#include "document/Paramemo.h"
#include "platform/ScriptedPlatform.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

const std::string P(7, ' ');

std::string pad(std::string s, std::size_t n)
{
    if (s.size() < n)
        s.resize(n, ' ');
    return s;
}
std::string L(const std::string& s) { return pad(s, 30); }
std::string N(const std::string& s) { return pad(s, 15); }
std::string layerRow(const std::vector<std::string>& cells)
{
    std::string row = "| " + pad(cells[0], 4) + " |";
    for (std::size_t i = 1; i < cells.size(); ++i)
        row.append(" ").append(pad(cells[i], 10)).append(" |");
    return row;
}

// Linear polarisation, a triangular prism without reflections, a thickness
// scan of layer 2 along X, eps X real of layer 3 along Z, two scans and an
// anisotropic third layer.
struct GoldDocument {
    TSimparameter par;
    TScanColList scans;

    GoldDocument()
    {
        SetDefaultParameter(par);
        par.Layeranz = 3;
        par.PolArt = paLinear;
        par.Azimut = 45;
        par.Elliptic = 10;
        par.Comment = "gold film";
        par.EpsMode = emEps;
        par.Wellenlange = 632.8;
        par.Prismart = prTriangular;
        par.Prismawinkel = 60;
        par.Prismreflek = 0;
        par.Phiangle = 0;
        par.Theta = 45.5;
        par.XAxis = {1, 40, 60, 2, 21, 0.0, 0};
        par.ZAxis = {pkEpsXReal, 1.5, 2.5, 3, 5, 0.25, 1};
        par.Dicke[0] = 0;
        par.Eps[0].epsX = {2.2952, 0};
        par.Dicke[1] = 50;
        par.Eps[1].epsX = {-12.5, 1.3};
        par.Dicke[2] = 0;
        par.Aniso[2] = 1;
        par.Eps[2] = {{1.77, 0}, {1.78, 0.01}, {1.79, 0.002}};
        TScanColrec a;
        a.Name = "a.dto";
        TScanColrec b;
        b.Name = "b.ell (Psi)";
        b.Scalefactor = 1.05;
        scans = {a, b};
    }

    std::vector<std::string> listing(bool indent, char sep = '.') const
    {
        return ParameterListing(par, scans, "/home/u/gold.vlt", "Veltrane - gold.vlt", indent, sep);
    }
};

// The line that starts, after the prefix, with the label; empty if none.
std::string lineOf(const std::vector<std::string>& lines, const std::string& label)
{
    for (const std::string& l : lines)
        if (l.rfind(P + label, 0) == 0)
            return l;
    return {};
}

}  // namespace

TEST(ParameterListing, LaysOutTheWholeDocument)
{
    ScriptedPlatform script;
    script.date = "07.12.2026";
    ScopedPlatform use(script);
    const std::string blank10(10, ' ');
    const std::vector<std::string> expected = {
        " ",
        "Veltrane - gold.vlt",
        P + std::string(50, '='),
        P,
        P + "Veltrane-File:  /home/u/gold.vlt",
        P + "Date:           07.12.2026",
        P + "Comment:        gold film",
        P,
        P + "Parameter",
        P + std::string(50, '='),
        P + L("Polarisation:") + "linear",
        P + L("  -Azimut:") + "45         [°]",
        P,
        P + L("Prism-Art:") + "triangular",
        P + L("  -Angle:") + "60        [°]",
        P + L("  -with Prism-Reflektion:") + "No",
        P,
        P + L("X-Axis:"),
        P + L("  -Typ:") + "Thickness/[nm]",
        P + L("  -from:") + N("40"),
        P + L("  -to:") + N("60"),
        P + L("  -Layer-Nr:") + "2",
        P + L("  -Pktanz:") + "21",
        P,
        P + L("Z-Axis:"),
        P + L("  -Typ:") + "EpsX-real",
        P + L("  -from:") + N("1.5"),
        P + L("  -to:") + N("2.5"),
        P + L("  -Layer-Nr:") + "3",
        P + L("  -Step:") + N("0.25"),
        P,
        P + L("Theta:") + N("45.5"),
        P + L("Wavelength [nm]:") + N("632.8"),
        P + "Phi-Angle [°]:" + std::string(16, ' ') + N("0"),
        P,
        P + L("Scanfile:"),
        P + std::string(65, '-'),
        P + "| " + pad("File", 46) + " | Scale-factor |",
        P + std::string(65, '-'),
        P + "| " + pad("a.dto", 46) + " | " + pad("1", 12) + " |",
        P + "| " + pad("b.ell (Psi)", 46) + " | " + pad("1.05", 12) + " |",
        P + std::string(65, '-'),
        P,
        P + L("Layer-Parameter:"),
        P + std::string(99, '-'),
        P + layerRow({"L-Nr", "Thick/[nm]", "EpsX-real", "EpsX-imag", "EpsY-real", "EpsY-imag", "EpsZ-real",
                      "EpsZ-imag"}),
        P + std::string(99, '-'),
        P + layerRow({"1", "0", "2.2952", "0", "", "", "", ""}),
        P + layerRow({"2", "50", "-12.5", "1.3", "", "", "", ""}),
        P + layerRow({"3", "0", "1.77", "0", "1.78", "0.01", "1.79", "0.002"}),
        P + std::string(99, '-'),
        P,
    };
    const std::vector<std::string> lines = GoldDocument().listing(true);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST(ParameterListing, ClipboardFormHasNoPrefix)
{
    const GoldDocument doc;
    const std::vector<std::string> print = doc.listing(true);
    const std::vector<std::string> clip = doc.listing(false);
    ASSERT_EQ(print.size(), clip.size());
    EXPECT_EQ(clip[0], print[0]);
    EXPECT_EQ(clip[1], print[1]);
    for (std::size_t i = 2; i < clip.size(); ++i)
        EXPECT_EQ(P + clip[i], print[i]) << "line " << i + 1;
    EXPECT_EQ(clip[2], std::string(50, '='));
}

TEST(ParameterListing, PolarisationLines)
{
    struct Case {
        int polArt;
        int circular;
        const char* text;
        bool azimut, ellipticity;
    };
    const Case cases[] = {
        {paP, 0, "P", false, false},          {paS, 0, "S", false, false},
        {paPS, 0, "P and S", false, false},   {paLinear, 0, "linear", true, false},
        {paCircular, 1, "left circular", false, false}, {paCircular, 0, "right circular", false, false},
        {paElliptic, 0, "elliptic ", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GoldDocument doc;
        doc.par.PolArt = c.polArt;
        doc.par.Circular = std::uint8_t(c.circular);
        doc.par.Azimut = 12.5;
        doc.par.Elliptic = -7.25;
        const auto lines = doc.listing(true);
        EXPECT_EQ(lineOf(lines, "Polarisation:"), P + L("Polarisation:") + c.text);
        EXPECT_EQ(lineOf(lines, "  -Azimut:"), c.azimut ? P + L("  -Azimut:") + "12.5       [°]" : "");
        EXPECT_EQ(lineOf(lines, "  -Ellipticity:"), c.ellipticity ? P + L("  -Ellipticity:") + "-7.25     [°]" : "");
    }
}

TEST(ParameterListing, PrismLines)
{
    struct Case {
        int prism;
        int reflek;
        const char* text;
        bool angle;
        const char* reflection;  // "" when the line is missing
    };
    const Case cases[] = {
        {prNone, 1, "no", false, ""},          {prTriangular, 1, "triangular", true, "Yes"},
        {prCone, 0, "cone", true, "No"},       {prHalfCylinder, 0, "halfcylinder", false, "No"},
        {prHemisphere, 1, "hemisphere", false, "Yes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GoldDocument doc;
        doc.par.Prismart = c.prism;
        doc.par.Prismreflek = std::uint8_t(c.reflek);
        doc.par.Prismawinkel = 72.5;
        const auto lines = doc.listing(true);
        EXPECT_EQ(lineOf(lines, "Prism-Art:"), P + L("Prism-Art:") + c.text);
        EXPECT_EQ(lineOf(lines, "  -Angle:"), c.angle ? P + L("  -Angle:") + "72.5      [°]" : "");
        const std::string reflection = lineOf(lines, "  -with Prism-Reflektion:");
        EXPECT_EQ(reflection, *c.reflection ? P + L("  -with Prism-Reflektion:") + c.reflection : "");
    }
}

TEST(ParameterListing, AxisBlocksAndTheThetaLine)
{
    struct Case {
        int xTyp, zTyp;
        bool theta, xLayer, zBlock, zLayer;
    };
    const Case cases[] = {
        {0, 0, false, false, false, false},  // Theta along X
        {1, 0, true, true, false, false},    {1, pkTheta, false, true, true, false},
        {8, pkThickness, true, true, true, true}, {9, pkPhi, true, false, true, false},
        {0, pkEpsZImag, false, false, true, true}, {10, pkAzimut, true, false, true, false},
    };
    const std::size_t full = GoldDocument().listing(true).size();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.xTyp << "/" << c.zTyp);
        GoldDocument doc;
        doc.par.XAxis.Typ = c.xTyp;
        doc.par.ZAxis.Typ = c.zTyp;
        const auto lines = doc.listing(false);
        auto count = [&](const std::string& label) {
            return std::count_if(lines.begin(), lines.end(),
                                 [&](const std::string& l) { return l.rfind(label, 0) == 0; });
        };
        EXPECT_EQ(count("Theta:"), c.theta ? 1 : 0);
        EXPECT_EQ(count("Z-Axis:"), c.zBlock ? 1 : 0);
        EXPECT_EQ(count("  -Layer-Nr:"), (c.xLayer ? 1 : 0) + (c.zLayer ? 1 : 0));
        EXPECT_EQ(count("  -Step:"), c.zBlock ? 1 : 0);
        EXPECT_EQ(count("  -Typ:"), c.zBlock ? 2 : 1);
        // The gold document has all optional lines of these blocks.
        const std::size_t missing = (c.theta ? 0 : 1) + (c.xLayer ? 0 : 1) +
                                    (c.zBlock ? (c.zLayer ? 0 : 1) : 7);
        EXPECT_EQ(lines.size(), full - missing);
        const auto typ = std::find_if(lines.begin(), lines.end(),
                                      [](const std::string& l) { return l.rfind("  -Typ:", 0) == 0; });
        EXPECT_EQ(*typ, L("  -Typ:") + ParaNames(c.xTyp + 1, 0));
    }
}

// A damaged file may hold any number as a kind, the largest int included:
// such a kind is listed without a name and without a layer, never as a
// quantity it is not.
TEST(ParameterListing, StoredKindsThatNameNoQuantity)
{
    struct Case {
        std::int32_t xTyp, zTyp;
        bool zBlock;
    };
    const Case cases[] = {
        {INT32_MAX, INT32_MIN, true}, {INT32_MIN, INT32_MAX, true}, {-1, pkNone, false},
        {pkElliptic, pkElliptic + 1, true}, {-2, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.xTyp << "/" << c.zTyp);
        GoldDocument doc;
        doc.par.XAxis.Typ = c.xTyp;
        doc.par.ZAxis.Typ = c.zTyp;
        const auto lines = doc.listing(false);
        std::vector<std::string> typ;
        for (const std::string& l : lines)
            if (l.rfind("  -Typ:", 0) == 0)
                typ.push_back(l);
        EXPECT_EQ(typ, std::vector<std::string>(c.zBlock ? 2 : 1, L("  -Typ:")));
        auto count = [&](const std::string& label) {
            return std::count_if(lines.begin(), lines.end(),
                                 [&](const std::string& l) { return l.rfind(label, 0) == 0; });
        };
        EXPECT_EQ(count("  -Layer-Nr:"), 0);
        // Neither axis scans Theta, so its value is listed.
        EXPECT_EQ(count("Theta:"), 1);
    }
}

TEST(ParameterListing, NKappaModeNamesTheColumns)
{
    GoldDocument doc;
    doc.par.EpsMode = emNKappa;
    doc.par.XAxis.Typ = 2;  // the real part of eps X of a layer
    const auto lines = doc.listing(false);
    EXPECT_NE(std::find(lines.begin(), lines.end(), L("  -Typ:") + "n-X"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        layerRow({"L-Nr", "Thick/[nm]", "n-X", "kapa-X", "n-Y", "kapa-Y", "n-Z", "kapa-Z"})),
              lines.end());
}

TEST(ParameterListing, DecimalSeparatorReachesEveryNumber)
{
    GoldDocument doc;
    doc.par.PolArt = paElliptic;
    doc.par.Azimut = 12.5;
    doc.par.Elliptic = 3.5;
    doc.par.Prismawinkel = 60.5;
    doc.par.Phiangle = 1.5;
    const auto lines = doc.listing(true, ',');
    const std::regex point("[0-9]\\.[0-9]");
    int commas = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("gold.vlt") != std::string::npos)
            continue;
        EXPECT_FALSE(std::regex_search(lines[i], point)) << lines[i];
        commas += std::regex_search(lines[i], std::regex("[0-9],[0-9]")) ? 1 : 0;
    }
    // Lines with a fraction: azimut, ellipticity, angle, Z from, to and step,
    // Theta, wavelength, Phi, one scale factor and three layer rows.
    EXPECT_EQ(commas, 13);
    EXPECT_EQ(lineOf(lines, "Wavelength [nm]:"), P + L("Wavelength [nm]:") + N("632,8"));
}

TEST(ParameterListing, TablesKeepTheirWidth)
{
    GoldDocument doc;
    doc.scans.clear();
    doc.par.Layeranz = 0;
    auto lines = doc.listing(false);
    const auto scanTitle = std::find(lines.begin(), lines.end(), L("Scanfile:"));
    ASSERT_NE(scanTitle, lines.end());
    EXPECT_EQ(*(scanTitle + 4), std::string(65, '-'));  // header, no rows
    EXPECT_EQ(*(scanTitle + 5), "");
    const auto layerTitle = std::find(lines.begin(), lines.end(), L("Layer-Parameter:"));
    ASSERT_NE(layerTitle, lines.end());
    EXPECT_EQ(*(layerTitle + 4), std::string(99, '-'));
    EXPECT_EQ(layerTitle + 6, lines.end());

    // A count beyond the table lists the 30 rows there are.
    doc.par.Layeranz = 40;
    lines = doc.listing(false);
    const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("| 1 ", 0) == 0; });
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(first->rfind("| 1 ", 0), 0u);
    EXPECT_EQ((first + 29)->rfind("| 30 ", 0), 0u);
    EXPECT_EQ(*(first + 30), std::string(99, '-'));

    // A long scan name is not cut.
    doc.scans.push_back(TScanColrec{});
    doc.scans.back().Name = std::string(60, 'n');
    lines = doc.listing(false);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "| " + std::string(60, 'n') + " | " + pad("1", 12) + " |"),
              lines.end());
}

TEST(ParameterListing, DateComesFromThePlatformsClock)
{
    ScriptedPlatform script;
    script.date = "7.12.26";
    ScopedPlatform use(script);
    const GoldDocument doc;
    const auto lines = ParameterListing(doc.par, doc.scans, "/home/u/gold.vlt", "Veltrane - gold.vlt", true, ',');
    EXPECT_EQ(lines.at(5), P + "Date:           7.12.26");
}
