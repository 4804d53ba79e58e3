#include <gtest/gtest.h>

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "platform/ScriptedPlatform.h"
#include "SampleDocuments.h"

using Riedit::NADN;
using testdoc::OldFile;
using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

const char* const kV200Box = "Attention:\nThis is a Veltrane Version 2 file.\nIt will be convert to Veltrane Version 3 !";
const char* const kV300Box =
    "Attention:\nThis is a Veltrane Version 3.0 file.\nIt will be convert to Veltrane Version 3.02 !";

int load(Document& d, const OldFile& f)
{
    TDocumentrec rec = Documentrec(d);
    return veltrane::LoadDocumentFromBytes(testdoc::writeOldFile(f), rec, FileVersionText);
}

}  // namespace

TEST(LsV200, SampleFileIsConverted)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    OldFile f = testdoc::sampleOldFile();
    f.wavelength = 780.0;
    Document d = DefaultDocument();
    d.EHOptionpara.d_1 = 77.0;
    d.EHOptionpara.FieldsReserved = 9;
    const TEHOptionpara fieldView = d.EHOptionpara;

    // Rotation angles on layer 2 of 3.
    EXPECT_EQ(load(d, f), 4);

    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[0].caption, "Warning");
    EXPECT_EQ(script.boxes[0].text, kV200Box);
    EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Information);
    EXPECT_EQ(script.boxes[1].text, kV300Box);

    const TSimparameter& s = d.Simparameter;
    EXPECT_EQ(s.Layeranz, 3);
    EXPECT_EQ(s.PolArt, paLinear);
    EXPECT_EQ(s.PolMode, pmBoth);
    EXPECT_EQ(s.Prismart, prCone);
    EXPECT_EQ(s.Azimut, 30.0);
    EXPECT_EQ(s.Elliptic, 5.0);
    EXPECT_EQ(s.Circular, 1);
    EXPECT_EQ(s.Comment, "old");
    EXPECT_EQ(s.Wellenlange, 780.0);
    EXPECT_EQ(s.Prismreflek, 1);
    EXPECT_EQ(s.Prismawinkel, 45.0);
    EXPECT_EQ(s.Phiangle, 12.0);
    EXPECT_EQ(s.Theta, 50.0);
    EXPECT_EQ(s.ThetaP, 0.3);
    EXPECT_EQ(s.ThetaS, 0.4);
    EXPECT_EQ(s.Xvalue, 55.0);
    EXPECT_EQ(s.Ep, Complex(0.0, 0.125));
    EXPECT_EQ(s.Es, Complex(0.25, 0.375));
    EXPECT_EQ(s.kx, Complex(0.5, 0.625));
    EXPECT_EQ(s.kx2, Complex(0.75, 0.875));
    // X thickness from 100 to 500 by 10 in the old unit.
    EXPECT_EQ(s.XAxis.Typ, 1);
    EXPECT_DOUBLE_EQ(s.XAxis.von, 10.0);
    EXPECT_DOUBLE_EQ(s.XAxis.bis, 50.0);
    EXPECT_DOUBLE_EQ(s.XAxis.Colstep, 1.0);
    EXPECT_EQ(s.XAxis.LayerNr, 2);
    EXPECT_EQ(s.XAxis.Pktanz, 50);
    EXPECT_EQ(s.ZAxis.FixedStep, 1);
    // Layers 1 to 3 convert; an empty thickness stays empty; layer 6 is
    // beyond the layer count.
    EXPECT_DOUBLE_EQ(s.Dicke[1], 50.0);
    EXPECT_EQ(s.Dicke[2], NADN);
    EXPECT_EQ(s.Dicke[5], 800.0);
    EXPECT_EQ(s.Aniso[1], 1);
    EXPECT_EQ(s.Eps[29].epsZ, Complex(30.5, 0.02));

    EXPECT_EQ(d.Optionpara.Epsrealstep, 0.01);
    EXPECT_EQ(d.Optionpara.Epsimagstep, 0.02);
    EXPECT_DOUBLE_EQ(d.Optionpara.Dickestep, 0.1);
    EXPECT_EQ(d.Optionpara.ScanShiftstep, 0.03);
    EXPECT_EQ(d.Optionpara.ScanScalestep, 0.04);
    EXPECT_EQ(d.Optionpara.Simbreite, 0);
    EXPECT_EQ(d.Optionpara.Iteranz, 20.0);
    EXPECT_EQ(d.Optionpara.Itergrenz, 0.5);

    // The second plot block counts.
    EXPECT_EQ(d.Plotwindowpara.Title, "second");
    EXPECT_EQ(d.Plotwindowpara.Curves.bits, 0x42);
    EXPECT_EQ(d.Plotwindowpara.XAxis, (TAxispara{"Theta", 20.0, 70.0}));
    EXPECT_EQ(d.Plotwindowpara.Y1Axis, (TAxispara{"R", 0.0, 1.0}));
    EXPECT_EQ(d.Plotwindowpara.Y2Axis, (TAxispara{"Psi", -90.0, 90.0}));

    EXPECT_EQ(d.Auswertungpara.left, 40.0);
    EXPECT_EQ(d.Auswertungpara.right, 60.0);
    EXPECT_EQ(d.Auswertungpara.Data, 1);
    EXPECT_EQ(d.Auswertungpara.Scan, 0);
    EXPECT_EQ(d.Auswertungpara.Datakind, 1);
    EXPECT_EQ(d.Auswertungpara.Reg, 0);
    EXPECT_EQ(d.Auswertungpara.reg_width, 30);

    ASSERT_EQ(d.ResColList.size(), 1u);
    EXPECT_EQ(d.ResColList[0], f.curves[0]);
    ASSERT_EQ(d.ScanColList.size(), 1u);
    TScanColrec scan = f.scans[0];
    scan.Visible = 1;
    EXPECT_EQ(d.ScanColList[0], scan);

    // Version 2.00 has no field-view settings.
    EXPECT_EQ(d.EHOptionpara, fieldView);
}

TEST(LsV200, ParameterKindsAreConvertedThroughBothVersions)
{
    // Version 2.00 kinds: 9 to 11 rotation angles, 12 Phi, 13 wavelength,
    // 14 azimuth, 15 ellipticity; the X axis stores the kind minus 1.
    struct Case {
        std::int32_t x, z;
        std::int32_t xAfter, zAfter;
        int status;
    };
    const Case cases[] = {
        {14, 0, 10, 0, 0},     // X ellipticity
        {12, 0, 0, 0, 32},     // X wavelength
        {8, 10, 0, 0, 8 | 16}, // X and Z rotation
        {10, 11, 0, 0, 8 | 16},
        {11, 12, 8, 9, 0},     // Phi
        {0, 13, 0, 0, 64},     // Z wavelength
        {13, 15, 9, 11, 0},    // azimuth, ellipticity
        {7, 8, 7, 8, 0},
        {1, 2, 1, 2, 0},       // thickness on both axes: tenths of nm
    };
    for (const Case& c : cases) {
        ScriptedPlatform script;
        ScopedPlatform use(script);
        OldFile f = testdoc::sampleOldFile();
        f.rotation.clear();
        f.x = {c.x, 100.0, 200.0, 1, 10, 5.0, 0};
        f.z = {c.z, 300.0, 400.0, 1, 3, 7.0, 2};
        Document d = DefaultDocument();
        EXPECT_EQ(load(d, f), c.status) << c.x << " " << c.z;
        EXPECT_EQ(d.Simparameter.XAxis.Typ, c.xAfter) << c.x;
        EXPECT_EQ(d.Simparameter.ZAxis.Typ, c.zAfter) << c.z;
        const bool xReset = c.status & (8 | 32), zReset = c.status & (16 | 64);
        const double xUnit = c.x == 1 ? 0.1 : 1.0, zUnit = c.z == 2 ? 0.1 : 1.0;
        EXPECT_DOUBLE_EQ(d.Simparameter.XAxis.bis, xReset ? 90.0 : 200.0 * xUnit);
        EXPECT_DOUBLE_EQ(d.Simparameter.XAxis.Colstep, 5.0 * xUnit);
        EXPECT_DOUBLE_EQ(d.Simparameter.ZAxis.von, zReset ? 0.0 : 300.0 * zUnit);
        EXPECT_DOUBLE_EQ(d.Simparameter.ZAxis.Colstep, 7.0 * zUnit);
        EXPECT_EQ(d.Simparameter.ZAxis.FixedStep, 1);
        EXPECT_EQ(script.boxes.size(), 2u);
    }
}

TEST(LsV200, EmptyValuesAndUnusedLayersStayAsTheyAre)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    OldFile f = testdoc::sampleOldFile();
    f.layers = 1;
    f.thickness[0] = NADN;
    f.z = {2, NADN, NADN, 1, 2, NADN, 1};  // Z thickness, nothing entered
    f.dickestep = NADN;
    Document d = DefaultDocument();
    // The rotated layer 2 lies beyond the one layer in use.
    EXPECT_EQ(load(d, f), 0);
    EXPECT_EQ(d.Simparameter.Dicke[0], NADN);
    EXPECT_EQ(d.Simparameter.Dicke[1], 500.0);
    EXPECT_EQ(d.Simparameter.ZAxis.von, NADN);
    EXPECT_EQ(d.Simparameter.ZAxis.bis, NADN);
    EXPECT_EQ(d.Simparameter.ZAxis.Colstep, NADN);
    EXPECT_EQ(d.Optionpara.Dickestep, NADN);
}

TEST(LsV200, WithoutPlotBlocksTheTitlesAreEmpty)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    OldFile f = testdoc::sampleOldFile();
    f.plots.clear();
    Document d = DefaultDocument();
    d.Plotwindowpara = {"vorher", {}, {"x", 1.0, 2.0}, {"y1", 3.0, 4.0}, {"y2", 5.0, 6.0}};
    EXPECT_EQ(load(d, f), 4);
    EXPECT_EQ(d.Plotwindowpara.Title, "");
    EXPECT_TRUE(d.Plotwindowpara.Curves.Empty());
    EXPECT_EQ(d.Plotwindowpara.XAxis, (TAxispara{"", 1.0, 2.0}));
    EXPECT_EQ(d.Plotwindowpara.Y1Axis, (TAxispara{"", 3.0, 4.0}));
    EXPECT_EQ(d.Plotwindowpara.Y2Axis, (TAxispara{"", 5.0, 6.0}));
}
