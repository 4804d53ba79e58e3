#include <gtest/gtest.h>

#include "support/ScriptedRunControl.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "fields/CalcEwave_D.h"
#include "fields/CalcEwave_T.h"
#include "fields/FieldRuns.h"
#include "fields/SampleGrid.h"
#include "optics/CalcPlasmon.h"
#include "platform/ScriptedPlatform.h"

using namespace fieldstacks;

namespace {

void ExpectSameFields(const TEWave& a, const TEWave& b, const std::string& what)
{
    for (int c = 0; c < 6; ++c)
        EXPECT_NEAR(std::abs(a.Feld[c].value - b.Feld[c].value), 0.0, 1e-12 * std::max(1.0, std::abs(b.Feld[c].value)))
            << what << " component " << c;
}

TEST(CalcEwaveD, AngleScanEqualsTheDepthProfileAtThatDepth)
{
    std::mt19937 rng(20261207);
    const std::vector<TSimparameter> stacks{GlassGoldGlassWater(), UniaxialStack(), ThirtyLayers(), GlassAir()};
    const int n = 9;
    for (const TSimparameter& p : stacks) {
        for (int pick = 0; pick < 6; ++pick) {
            const double theta = std::uniform_real_distribution<double>(5.0, 80.0)(rng);
            const int layer = std::uniform_int_distribution<int>(0, p.Layeranz - 1)(rng);
            const int i = std::uniform_int_distribution<int>(0, n - 1)(rng);
            TEHOptionpara opt = Options(theta, n * p.Layeranz);
            const double thickness = veltrane::ShownThickness(p, opt, layer, p.Layeranz);
            const double layerpos = veltrane::ElementFraction(i, n) * thickness;
            const TEWaveList profile = Profile(p, theta, n);
            const TEWaveList scan = Scan(p, theta, theta + 5.0, 2, layer, layerpos);
            ASSERT_EQ(scan[0].Theta, theta);
            ASSERT_EQ(scan[0].Filled, 1);
            ExpectSameFields(scan[0], profile[std::size_t(layer * n + i)],
                             "layers " + std::to_string(p.Layeranz) + " layer " + std::to_string(layer) + " i " +
                                 std::to_string(i));
        }
    }
}

TEST(CalcEwaveD, AnglesOfTheSamples)
{
    const TSimparameter p = GlassGoldGlassWater();
    {
        const TEWaveList two = Scan(p, 41.3, 73.9, 2, 1, 25.0);
        ASSERT_EQ(two.size(), 2u);
        EXPECT_EQ(two[0].Theta, 41.3);
        EXPECT_EQ(two[1].Theta, 73.9);
        // The second sample is the field at 73.9 degrees.
        ExpectSameFields(two[1], Scan(p, 73.9, 80.0, 2, 1, 25.0)[0], "second angle");
    }
    {
        const TEWaveList one = Scan(p, 41.3, 73.9, 1, 1, 25.0);
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].Theta, 41.3);
        EXPECT_EQ(one[0].Filled, 1);
        ExpectSameFields(one[0], Scan(p, 41.3, 73.9, 2, 1, 25.0)[0], "single angle");
    }
    {
        const TEWaveList down = Scan(p, 70.0, 40.0, 4, 2, 10.0);
        EXPECT_EQ(down[1].Theta, 60.0);
        EXPECT_EQ(down[3].Theta, 40.0);
    }
}

TEST(CalcEwaveD, LayerBeyondTheStackGivesTheEndOfTheShownLastHalfSpace)
{
    const TSimparameter p = GlassGoldGlassWater();
    const TEWaveList profile = Profile(p, 47.0, 5);
    for (int layerNr : {4, 29, Riedit::NAIN}) {
        const TEWaveList scan = Scan(p, 47.0, 50.0, 2, layerNr, 3.0);
        ExpectSameFields(scan[0], profile.back(), "layer " + std::to_string(layerNr));
    }
}

TEST(CalcEwaveD, ZeroThicknessLayerIsSampledAtItsStart)
{
    // A layer of no thickness, and a first half-space shown with d_1 = 0.
    TSimparameter p = Isotropic({{2.25, 0}, {2.0, 0.0}, {1.5, 40}, {1.0, 0}});
    TEHOptionpara opt = Options(Riedit::NADN, 3);
    opt.Theta1 = 20.0;
    opt.Theta2 = 30.0;
    opt.LayerNr = 1;
    opt.Layerpos = 5.0;
    TEWaveList list;
    veltrane::RunControl none;
    std::unique_ptr<TCalcEwave_D> calc;
    CreateCalcEwave_D(calc, none, p, opt, list);
    RunCalcEwave_D(calc, p, opt, list);
    const TEWaveList atStart = Scan(p, 20.0, 30.0, 3, 1, 0.0);
    for (std::size_t s = 0; s < list.size(); ++s) {
        ASSERT_EQ(list[s].Filled, 1);
        for (int c = 0; c < 6; ++c)
            EXPECT_TRUE(std::isfinite(list[s].Feld[c].modulus));
        ExpectSameFields(list[s], atStart[s], "zero layer");
    }
    opt.d_1 = 0.0;
    opt.LayerNr = 0;
    RunCalcEwave_D(calc, p, opt, list);
    for (const TEWave& w : list) {
        EXPECT_EQ(w.Filled, 1);
        EXPECT_TRUE(std::isfinite(w.Feld[ehEx].modulus));
    }
}

TEST(CalcEwaveD, SurfacePlasmonPeaksAtTheReflectivityMinimum)
{
    const TSimparameter p = WithPolarisation(demo(), paP);
    const double from = 40.0, to = 80.0;
    const int m = 801;
    // |Hy|^2 at the last interface: the start of the last half-space.
    const TEWaveList scan = Scan(p, from, to, m, 3, 0.0);
    std::size_t peak = 0;
    for (std::size_t i = 0; i < scan.size(); ++i) {
        ASSERT_EQ(scan[i].Filled, 1);
        if (scan[i].Feld[ehHy].modulusSqr > scan[peak].Feld[ehHy].modulusSqr)
            peak = i;
    }
    TSimparameter sim = p;
    sim.XAxis.von = from;
    sim.XAxis.bis = to;
    sim.XAxis.Pktanz = m;
    std::unique_ptr<TCalcPlasmon> engine;
    TResColList curves;
    ASSERT_TRUE(CreateCalcPlasmon(engine, sim, curves, veltrane::ErrorReport::ToCaller));
    ASSERT_TRUE(RunCalcPlasmon(engine.get(), sim, curves, veltrane::ErrorReport::ToCaller));
    const auto& pts = curves[0].Points;
    const auto minimum = std::min_element(pts.begin(), pts.end(), [](const TResPunkt& a, const TResPunkt& b) {
        return a.Rp < b.Rp;
    });
    EXPECT_NEAR(scan[peak].Theta, minimum->x, 0.5);
    EXPECT_GT(scan[peak].Feld[ehHy].modulusSqr, 100.0 * scan[0].Feld[ehHy].modulusSqr);
    EXPECT_EQ(scan[0].Theta, 40.0);
}

TEST(CalcEwaveD, AnglesWithoutFieldsStayUnfilledAndTheScanGoesOn)
{
    // A prism thinner than air: below about 11.8 degrees outside no refracted
    // angle exists at the entrance face.
    TSimparameter p = Isotropic({{0.3, 0}, {0.2, 0}});
    p.Prismart = prTriangular;
    p.Prismawinkel = 90.0;
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    veltrane::test::ScriptedRunControl run;
    const TEWaveList scan = Scan(p, 0.0, 30.0, 31, 1, 5.0, run);
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(run.passes, 31);
    int unfilled = 0;
    for (const TEWave& w : scan) {
        const double alphaIn = (45.0 - w.Theta) * M_PI / 180.0;
        const bool refracts = std::sin(alphaIn) / std::sqrt(0.3) <= 1.0;
        EXPECT_EQ(w.Filled, refracts ? 1 : 0) << w.Theta;
        if (!refracts) {
            ++unfilled;
            EXPECT_EQ(w.Feld[ehEx].modulus, NOVALUE);
        }
    }
    EXPECT_EQ(unfilled, 12);
    EXPECT_EQ(run.progress.text, "Calculating Ewave at Pos");
    EXPECT_EQ(run.progress.max, 31);
    EXPECT_FALSE(run.progress.visible);
    EXPECT_FALSE(run.Active());
}

TEST(CalcEwaveD, StopAndEmptyRuns)
{
    const TSimparameter p = GlassGoldGlassWater();
    {
        veltrane::test::ScriptedRunControl run;
        run.onPass = [&](int pass) {
            if (pass == 4)
                run.Stop();
        };
        const TEWaveList scan = Scan(p, 40.0, 60.0, 11, 1, 10.0, run);
        for (std::size_t i = 0; i < scan.size(); ++i) {
            EXPECT_EQ(scan[i].Filled, i < 4 ? 1 : 0) << i;
            EXPECT_DOUBLE_EQ(scan[i].Theta, 40.0 + 2.0 * double(i));
        }
    }
    {
        // No samples: the frame is started and finished at once.
        veltrane::test::ScriptedRunControl run;
        const TEWaveList none = Scan(p, 40.0, 60.0, 0, 1, 10.0, run);
        EXPECT_TRUE(none.empty());
        EXPECT_EQ(run.progress.starts, 1);
        EXPECT_EQ(run.progress.max, 0);
        EXPECT_FALSE(run.progress.visible);
    }
    {
        // A negative layer number names no place: nothing is filled.
        veltrane::ScriptedPlatform script;
        veltrane::ScopedPlatform use(script);
        const TEWaveList scan = Scan(p, 40.0, 60.0, 3, -1, 0.0);
        for (const TEWave& w : scan)
            EXPECT_EQ(w.Filled, 0);
        EXPECT_TRUE(script.boxes.empty());
    }
}

TEST(CalcEwaveD, ASingularInterfaceEndsTheScanWithABox)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    veltrane::test::ScriptedRunControl run;
    const TEWaveList scan = Scan(Isotropic({{2.25, 0}, {0.0, 30}, {1.0, 0}}), 20.0, 40.0, 5, 2, 5.0, run);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error  Calc E-Wave");
    EXPECT_EQ(script.boxes[0].text, "zero deteminant in invers");
    for (const TEWave& w : scan)
        EXPECT_EQ(w.Filled, 0);
    EXPECT_EQ(run.passes, 0);
    EXPECT_FALSE(run.progress.visible);
    EXPECT_FALSE(run.Active());
}

TEST(CalcEwaveD, CreationRefusesAStackWithoutInterface)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    veltrane::RunControl none;
    TSimparameter p = GlassAir();
    p.Layeranz = 1;
    TEHOptionpara opt = Options(30.0, 10);
    TEWaveList list;
    std::unique_ptr<TCalcEwave_D> calc;
    CreateCalcEwave_D(calc, none, p, opt, list);
    EXPECT_FALSE(calc);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error CalcEwave Init");
}

}  // namespace
