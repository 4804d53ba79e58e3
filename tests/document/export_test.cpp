#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>

#include "document/Defaults.h"
#include "document/Exportdata.h"
#include "platform/ScriptedPlatform.h"

using veltrane::BoxIcon;
using veltrane::BoxKind;
using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;
using veltrane::exportResults;
using veltrane::exportScan;

namespace {

std::string cell(std::string s)
{
    if (s.size() < 20)
        s.resize(20, ' ');
    return s;
}
std::string row(std::initializer_list<std::string> cells)
{
    std::string line;
    for (const std::string& c : cells) {
        if (!line.empty())
            line += '\t';
        line += cell(c);
    }
    return line;
}

TResPunkt point(double x, double rp, double rs, double tp, double ts, bool valid = true)
{
    TResPunkt p;
    p.x = x;
    p.Rp = rp;
    p.Rs = rs;
    p.Tp = tp;
    p.Ts = ts;
    p.Psi = 30 + x;
    p.Delta = 100 + x;
    p.valid = valid;
    return p;
}

// Theta along X, the thickness of layer 2 along Z at 40 and 50 nm.
struct ZRun {
    TSimparameter par;
    TResColList results;

    ZRun()
    {
        SetDefaultParameter(par);
        par.XAxis.Typ = 0;
        par.ZAxis = {pkThickness, 40, 50, 2, 2, 10, 1};
        TResColrec a;
        a.Title = "(40)";
        a.Points = {point(40, 0.3, 0.4, 0.6, 0.8), point(41, 0.5, 0.5, 0.5, 0.5, false),
                    point(42, 0.25, 0.125, 0.75, 0.0625)};
        TResColrec b;
        b.Title = "(50)";
        b.Points = {point(40, 0.1, 0.2, 0.9, 0.8), point(41, 0.2, 0.3, 0.8, 0.7), point(42, 0.3, 0.4, 0.7, 0.6)};
        results = {a, b};
    }
};

}  // namespace

TEST(ExportData, NameTables)
{
    const char* eps[] = {"none", "Theta", "Thick", "EpsXr", "EpsXi", "EpsYr",
                         "EpsYi", "EpsZr", "EpsZi", "Phi",   "Azim",  "Ellip"};
    const char* nk[] = {"none", "Theta", "Thick", "nX", "kapaX", "nY", "kapaY", "nZ", "kapaZ", "Phi", "Azim", "Ellip"};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(ExportParaNames(k, 0), eps[k]);
        EXPECT_EQ(ExportParaNames(k, 1), nk[k]);
    }
    EXPECT_EQ(ExportParaNames(12, 0), "");
    EXPECT_EQ(ExportParaNames(-1, 0), "");
    EXPECT_EQ(ExportParaNames(1, 2), "");
    const char* kinds[] = {"Rp", "Rs", "Rps", "Tp", "Ts", "Tps", "Psi", "Delta"};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ExportKindNames(k), kinds[k]);
    EXPECT_EQ(ExportKindNames(8), "");
}

TEST(ExportData, CurvesSideBySide)
{
    const ZRun run;
    const auto lines = exportResults(ckRp, run.par, run.results, '.');
    const std::vector<std::string> expected = {
        row({"Theta", "Thick(40)", "Thick(50)"}),
        row({"40.000000000000000", "0.300000000000000", "0.100000000000000"}),
        row({"41.000000000000000", "--", "0.200000000000000"}),
        row({"42.000000000000000", "0.250000000000000", "0.300000000000000"}),
    };
    EXPECT_EQ(lines, expected);
    // The last cell keeps its padding and loses its tab.
    for (const std::string& l : lines) {
        EXPECT_NE(l.back(), '\t');
        EXPECT_EQ(l.size(), 3 * 20 + 2u);
    }
}

TEST(ExportData, EveryCurveKind)
{
    const ZRun run;
    struct Case {
        int kind;
        const char* first;  // curve (40) at x = 40
        const char* last;   // curve (40) at x = 42
    };
    const Case cases[] = {
        {ckRp, "0.300000000000000", "0.250000000000000"},
        {ckRs, "0.400000000000000", "0.125000000000000"},
        {ckRps, "0.500000000000000", "0.279508497187474"},  // sqrt(0.0625 + 0.015625)
        {ckTp, "0.600000000000000", "0.750000000000000"},
        {ckTs, "0.800000000000000", "0.062500000000000"},
        {ckTps, "1.000000000000000", "0.752599661174518"},  // sqrt(0.5625 + 0.00390625)
        {ckPsi, "70.000000000000000", "72.000000000000000"},
        {ckDelta, "140.000000000000000", "142.000000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto lines = exportResults(c.kind, run.par, run.results, '.');
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[1].substr(21, 20), cell(c.first));
        EXPECT_EQ(lines[3].substr(21, 20), cell(c.last));
        EXPECT_EQ(lines[2].substr(21, 20), cell("--"));
    }
    EXPECT_TRUE(exportResults(8, run.par, run.results, '.').empty());
    EXPECT_TRUE(exportResults(ckRp, run.par, TResColList{}, '.').empty());
}

TEST(ExportData, HeaderCells)
{
    struct Case {
        int xTyp, layer, zTyp, epsMode;
        const char* x;
        const char* column;
    };
    const Case cases[] = {
        {1, 3, pkNone, emEps, "Thick (L=3)", "Ts(40)"},
        {2, 1, pkNone, emNKappa, "nX (L=1)", "Ts(40)"},
        {7, 4, pkEpsXImag, emNKappa, "kapaZ (L=4)", "kapaX(40)"},
        {8, 4, pkPhi, emEps, "Phi", "Phi(40)"},
        {10, 4, pkAzimut, emEps, "Ellip", "Azim(40)"},
        {0, 4, pkEpsYReal, emEps, "Theta", "EpsYr(40)"},
        // Stored kinds that name no quantity, as a damaged file holds them,
        // name nothing (the X axis has no "none"), and the largest does not
        // overflow.
        {INT32_MAX, 4, pkNone, emEps, "", "Ts(40)"},
        {-1, 4, INT32_MIN, emEps, "", "(40)"},
        {pkElliptic, 4, pkElliptic + 1, emNKappa, "", "(40)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        ZRun run;
        run.par.XAxis.Typ = c.xTyp;
        run.par.XAxis.LayerNr = c.layer;
        run.par.ZAxis.Typ = c.zTyp;
        run.par.EpsMode = c.epsMode;
        const auto lines = exportResults(ckTs, run.par, run.results, '.');
        EXPECT_EQ(lines.at(0).substr(0, 41), cell(c.x) + "\t" + cell(c.column));
    }
}

TEST(ExportData, CurvesOfDifferentLengths)
{
    ZRun run;
    run.results[0].Points.resize(1);
    TResColrec empty;
    empty.Title = "(60)";
    run.results.push_back(empty);
    const auto lines = exportResults(ckRp, run.par, run.results, '.');
    const std::vector<std::string> expected = {
        row({"Theta", "Thick(40)", "Thick(50)", "Thick(60)"}),
        row({"40.000000000000000", "0.300000000000000", "0.100000000000000", "--"}),
        row({"41.000000000000000", "--", "0.200000000000000", "--"}),
        row({"42.000000000000000", "--", "0.300000000000000", "--"}),
    };
    EXPECT_EQ(lines, expected);

    run.results = {empty};
    EXPECT_EQ(exportResults(ckRp, run.par, run.results, '.'), std::vector<std::string>{cell("Theta") + "\t" + cell("Thick(60)")});
}

TEST(ExportData, ScanIsScaledNotShifted)
{
    TScanColList scans(2);
    scans[0].Points = {{40, 0.5}, {41.5, 0.25}};
    scans[1].Points = {{40, 0.5}, {41.5, 0.25}};
    scans[1].Scalefactor = 2.0;
    scans[1].Shiftfactor = 0.5;

    ScriptedPlatform script;
    ScopedPlatform use(script);
    EXPECT_EQ(exportScan(0, scans, '.'),
              (std::vector<std::string>{cell("X") + "\tY", row({"40.000000000000000", "0.500000000000000"}),
                                        row({"41.500000000000000", "0.250000000000000"})}));
    EXPECT_TRUE(script.boxes.empty());

    EXPECT_EQ(exportScan(1, scans, ','),
              (std::vector<std::string>{cell("X") + "\tY", row({"40,000000000000000", "1,000000000000000"}),
                                        row({"41,500000000000000", "0,500000000000000"})}));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Warning");
    EXPECT_EQ(script.boxes[0].text, "Attention: The exported datas are unshifted !");
    EXPECT_EQ(script.boxes[0].icon, BoxIcon::Warning);
    EXPECT_EQ(script.boxes[0].kind, BoxKind::Warning);

    EXPECT_TRUE(exportScan(2, scans, '.').empty());
    EXPECT_TRUE(exportScan(-1, scans, '.').empty());
    EXPECT_EQ(script.boxes.size(), 1u);
}

TEST(ExportData, DecimalSeparatorReachesEveryNumber)
{
    const ZRun run;
    const auto lines = exportResults(ckRps, run.par, run.results, ',');
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find('.'), std::string::npos) << lines[i];
        EXPECT_NE(lines[i].find(','), std::string::npos);
    }
    EXPECT_EQ(lines[1].substr(0, 20), cell("40,000000000000000"));
}

TEST(ExportData, ProcessLocaleDoesNotLeakIntoNumbers)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const std::string point = veltrane::exportNumberCell(1.5, '.');
    const std::string comma = veltrane::exportNumberCell(1.5, ',');
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(point, cell("1.500000000000000") + "\t");
    EXPECT_EQ(comma, cell("1,500000000000000") + "\t");
}
