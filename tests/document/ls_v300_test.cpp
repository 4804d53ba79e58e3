#include <gtest/gtest.h>

#include "document/DocumentFile.h"
#include "document/Globals.h"
#include "platform/ScriptedPlatform.h"
#include "SampleDocuments.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

const char* const kV300Box =
    "Attention:\nThis is a Veltrane Version 3.0 file.\nIt will be convert to Veltrane Version 3.02 !";

}  // namespace

TEST(LsV300, ParameterKindsAreRenumbered)
{
    // Version 3.00 kinds: 10 wavelength, 11 azimuth, 12 ellipticity; the X
    // axis stores the kind minus 1.
    struct Case {
        std::int32_t x, z;
        std::int32_t xAfter, zAfter;
        int status;
    };
    const Case cases[] = {
        {9, 0, 0, 0, 32},    // X wavelength
        {0, 10, 0, 0, 64},   // Z wavelength
        {9, 10, 0, 0, 96},
        {10, 12, 9, 11, 0},  // azimuth, ellipticity
        {11, 11, 10, 10, 0},
        {8, 9, 8, 9, 0},     // Phi keeps its number
        {1, 2, 1, 2, 0},
    };
    for (const Case& c : cases) {
        ScriptedPlatform script;
        ScopedPlatform use(script);
        Document file = testdoc::sampleDocument();
        file.Simparameter.XAxis = {c.x, 400.0, 800.0, 3, 120, 0.5, 0};
        file.Simparameter.ZAxis = {c.z, 500.0, 700.0, 2, 5, 50.0, 1};
        const auto bytes = testdoc::saveToBytes(file, "03.00");

        Document d = DefaultDocument();
        TDocumentrec rec = Documentrec(d);
        EXPECT_EQ(veltrane::LoadDocumentFromBytes(bytes, rec, FileVersionText), c.status);
        EXPECT_EQ(d.Simparameter.XAxis.Typ, c.xAfter) << c.x;
        EXPECT_EQ(d.Simparameter.ZAxis.Typ, c.zAfter) << c.z;
        const bool xReset = c.status & 32, zReset = c.status & 64;
        EXPECT_EQ(d.Simparameter.XAxis.von, xReset ? 0.0 : 400.0);
        EXPECT_EQ(d.Simparameter.XAxis.bis, xReset ? 90.0 : 800.0);
        EXPECT_EQ(d.Simparameter.ZAxis.von, zReset ? 0.0 : 500.0);
        EXPECT_EQ(d.Simparameter.ZAxis.bis, zReset ? 90.0 : 700.0);
        EXPECT_EQ(d.Simparameter.XAxis.Pktanz, 120);
        EXPECT_EQ(d.Simparameter.ZAxis.Colstep, 50.0);
        EXPECT_EQ(d.Simparameter.ZAxis.FixedStep, 1);
        EXPECT_EQ(d.Simparameter.ZAxis.LayerNr, 2);

        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Warning");
        EXPECT_EQ(script.boxes[0].text, kV300Box);
        EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Information);
    }
}

TEST(LsV300, EverythingElseIsTakenOver)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    Document file = testdoc::sampleDocument();
    const auto bytes = testdoc::saveToBytes(file, "03.00");
    ASSERT_EQ(DetectDocumentVersion(bytes), 300);

    Document d = DefaultDocument();
    d.EHOptionpara.Fields = file.EHOptionpara.Fields;
    TDocumentrec rec = Documentrec(d);
    ASSERT_EQ(veltrane::LoadDocumentFromBytes(bytes, rec, FileVersionText), 0);
    // Kind 2 of X and 5 of Z are below the renumbered codes.
    EXPECT_EQ(d, file);
}
