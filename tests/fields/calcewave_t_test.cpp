#include <gtest/gtest.h>

#include "support/ScriptedRunControl.h"

#include <algorithm>
#include <cmath>

#include "fields/CalcEwave_T.h"
#include "fields/FieldRuns.h"
#include "optics/CalcPlasmon.h"
#include "platform/ScriptedPlatform.h"

using namespace fieldstacks;

namespace {

constexpr double k0 = 2.0 * M_PI / 632.8;

double Largest(const TEWaveList& list)
{
    double m = 0.0;
    for (const TEWave& w : list)
        for (const TEWaveField& f : w.Feld)
            m = std::max(m, std::abs(f.value));
    return m;
}

TEST(CalcEwaveT, FieldsAreContinuousAtEveryInterface)
{
    struct Case { const char* name; TSimparameter stack; std::vector<double> angles; };
    const std::vector<Case> cases{
        {"glass gold glass water", GlassGoldGlassWater(), {30.0, 52.0, 71.0}},
        {"total reflection", GlassAir(), {45.0, 60.0, 80.0}},
        {"uniaxial layer", UniaxialStack(), {10.0, 40.0, 70.0}},
        {"uniaxial layer turned by Phi", anisoMiddle(), {45.0, 55.0, 68.0}},
        {"30 absorbing layers", ThirtyLayers(), {20.0, 45.0, 65.0}},
    };
    for (const Case& c : cases) {
        for (double theta : c.angles) {
            veltrane::ScriptedPlatform script;
            veltrane::ScopedPlatform use(script);
            const int n = 7;
            TEWaveList list = Profile(c.stack, theta, n);
            ASSERT_TRUE(script.boxes.empty()) << c.name << " " << script.boxes[0].text;
            const double tol = 1e-9 * Largest(list);
            int boundaries = 0;
            for (std::size_t s = 1; s < list.size(); ++s) {
                if (!list[s].Grenze)
                    continue;
                ++boundaries;
                const TEWave& above = list[s - 1];
                const TEWave& below = list[s];
                ASSERT_TRUE(above.Filled && below.Filled);
                EXPECT_EQ(above.Pos, below.Pos);
                for (int comp : {ehEx, ehHy, ehEy, ehHx, ehHz})
                    EXPECT_NEAR(std::abs(above.Feld[comp].value - below.Feld[comp].value), 0.0, tol)
                        << c.name << " theta " << theta << " boundary " << boundaries << " component " << comp;
                const int k = int(s) / n;  // the layer below the boundary
                const Complex dzAbove = EpsZ(c.stack, k - 1) * above.Feld[ehEz].value;
                const Complex dzBelow = EpsZ(c.stack, k) * below.Feld[ehEz].value;
                EXPECT_NEAR(std::abs(dzAbove - dzBelow), 0.0, tol * std::abs(EpsZ(c.stack, k)))
                    << c.name << " theta " << theta << " boundary " << boundaries << " eps Ez";
            }
            EXPECT_EQ(boundaries, c.stack.Layeranz - 1) << c.name;
        }
    }
}

TEST(CalcEwaveT, GlassAirBelowTheCriticalAngleGivesTheFresnelFields)
{
    // Hand-computed from the Fresnel coefficients of a 1.5 | 1.0 interface at
    // 30 degrees, with H in the units of E (Z0 H) and a unit incident field.
    const int n = 5;
    TEWaveList list = Profile(GlassAir(), 30.0, n);
    const TEWave& top = list[n - 1];  // depth 0, glass side
    const TEWave& bottom = list[n];   // depth 0, air side
    ASSERT_EQ(top.Pos, 0.0);
    ASSERT_EQ(bottom.Pos, 0.0);
    EXPECT_NEAR(top.Feld[ehEx].value.real(), 0.924810, 1e-6);
    EXPECT_NEAR(top.Feld[ehHy].value.real(), 1.398182, 1e-6);
    EXPECT_NEAR(top.Feld[ehEz].value.real(), -0.466061, 1e-6);
    EXPECT_NEAR(bottom.Feld[ehEz].value.real(), -1.048636, 1e-6);
    EXPECT_NEAR(top.Feld[ehEy].value.real(), 1.325227, 1e-6);
    EXPECT_NEAR(top.Feld[ehHx].value.real(), -0.876555, 1e-6);
    EXPECT_NEAR(top.Feld[ehHz].value.real(), 0.993920, 1e-6);
    for (int c = 0; c < 6; ++c)
        EXPECT_NEAR(top.Feld[c].value.imag(), 0.0, 1e-12) << c;
    // The field record: modulus, its square and the phase in degrees.
    const TEWaveField& ez = top.Feld[ehEz];
    EXPECT_NEAR(ez.modulus, 0.466061, 1e-6);
    EXPECT_NEAR(ez.modulusSqr, 0.466061 * 0.466061, 1e-6);
    EXPECT_NEAR(std::abs(ez.phaseDeg), 180.0, 1e-9);
}

TEST(CalcEwaveT, TotalReflectionDecaysIntoTheAir)
{
    const TSimparameter p = GlassAir(paPS);
    const int n = 41;
    TEWaveList list = Profile(p, 60.0, n);
    // kappa = k0 sqrt(2.25 sin^2 60 - 1) = 0.00823284 per nm.
    const double kappa = k0 * std::sqrt(2.25 * 0.75 - 1.0);
    EXPECT_NEAR(kappa, 0.00823284, 5e-9);
    for (int comp = 0; comp < 6; ++comp) {
        for (int i = n; i + 1 < 2 * n; ++i) {
            const double rise = std::log(list[i + 1].Feld[comp].modulusSqr) - std::log(list[i].Feld[comp].modulusSqr);
            const double slope = rise / (list[i + 1].Pos - list[i].Pos);
            EXPECT_NEAR(slope, -2.0 * kappa, 1e-9) << comp << " at " << list[i].Pos;
        }
    }
    // At the interface Ex = cos(theta) (1 + r), r = M(1,0) / M(0,0), and |r|^2
    // is the engine's Rp.
    std::unique_ptr<TCalcPlasmon> engine;
    TResColList curves;
    TSimparameter sim = p;
    sim.XAxis.von = 60.0;
    sim.XAxis.bis = 61.0;
    ASSERT_TRUE(CreateCalcPlasmon(engine, sim, curves, veltrane::ErrorReport::ToCaller));
    ASSERT_TRUE(RunCalcPlasmon(engine.get(), sim, curves, veltrane::ErrorReport::ToCaller));
    const TVeltraMatrix& m = engine->TotalP();
    // The last run point is 61 degrees: recompute the matrix at 60.
    TSimparameter at60 = sim;
    at60.Theta = 60.0;
    engine->UpdateAll(at60);
    engine->CalcTotalMatrix();
    const Complex r = m[1][0] / m[0][0];
    const Complex ex = list[n - 1].Feld[ehEx].value;
    EXPECT_NEAR(std::abs(ex - 0.5 * (1.0 + r)), 0.0, 1e-12);
    EXPECT_NEAR(std::norm(r), curves[0].Points[0].Rp, 1e-12);
    EXPECT_NEAR(std::norm(r), 1.0, 1e-12);
}

TEST(CalcEwaveT, FieldsAreLinearInTheIncidentJonesPair)
{
    // Circular light: Ep = -0.70711i, Es = 0.70711. The fields are Ep times the
    // fields of unit p light and Es times those of unit s light.
    TSimparameter circ = GlassGoldGlassWater();
    circ.PolArt = paCircular;
    circ.Circular = 1;
    TSimparameter ps = circ;
    ps.PolArt = paPS;
    const TEWaveList a = Profile(circ, 55.0, 6);
    const TEWaveList b = Profile(ps, 55.0, 6);
    const Complex ep(0.0, -std::sqrt(0.5)), es(std::sqrt(0.5), 0.0);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t s = 0; s < a.size(); ++s) {
        for (int c : {ehEx, ehHy, ehEz})
            EXPECT_NEAR(std::abs(a[s].Feld[c].value - ep * b[s].Feld[c].value), 0.0, 1e-12) << s << " " << c;
        for (int c : {ehEy, ehHx, ehHz})
            EXPECT_NEAR(std::abs(a[s].Feld[c].value - es * b[s].Feld[c].value), 0.0, 1e-12) << s << " " << c;
    }
}

TEST(CalcEwaveT, PositionsAndProgress)
{
    // d_1 = 20 and a 50 nm first layer: Pos -20..0, then 0..50.
    TSimparameter p = Isotropic({{2.25, 0}, {2.0, 50}, {1.0, 0}});
    veltrane::test::ScriptedRunControl run;
    veltrane::ScriptedPlatform script;
    script.separator = ',';
    veltrane::ScopedPlatform use(script);
    TEWaveList list = Profile(p, 32.5, 5, run);
    ASSERT_EQ(list.size(), 15u);
    EXPECT_EQ(list[0].Pos, -20.0);
    EXPECT_EQ(list[4].Pos, 0.0);
    EXPECT_EQ(list[5].Pos, 0.0);
    EXPECT_EQ(list[9].Pos, 50.0);
    EXPECT_EQ(list[14].Pos, 70.0);
    EXPECT_EQ(list[0].RelPos, -100.0);
    EXPECT_EQ(list[9].RelPos, 100.0);
    EXPECT_EQ(list[14].RelPos, 200.0);
    for (const TEWave& w : list)
        EXPECT_EQ(w.Filled, 1);
    EXPECT_EQ(run.progress.text, "Calculating Ewave at 32,5\xC2\xB0");
    EXPECT_EQ(run.progress.max, 15);
    EXPECT_EQ(run.progress.pos, 14);
    EXPECT_FALSE(run.progress.visible);
    EXPECT_EQ(run.passes, 15);
    EXPECT_FALSE(run.Active());
}

TEST(CalcEwaveT, StopAfterSampleLeavesTheRestUnfilledWithTheirPlaces)
{
    const TSimparameter p = GlassGoldGlassWater();
    const TEWaveList full = Profile(p, 50.0, 6);
    for (int j : {0, 5, 6, 13, 23}) {
        veltrane::test::ScriptedRunControl run;
        run.onPass = [&](int pass) {
            EXPECT_EQ(run.CalcRunning, 1);
            if (pass == j + 1)
                run.Stop();
        };
        TEWaveList list = Profile(p, 50.0, 6, run);
        EXPECT_EQ(run.passes, j + 1);
        EXPECT_FALSE(run.progress.visible);
        ASSERT_EQ(list.size(), full.size());
        for (std::size_t s = 0; s < list.size(); ++s) {
            EXPECT_EQ(list[s].Filled, s <= std::size_t(j) ? 1 : 0) << "stop " << j << " sample " << s;
            EXPECT_EQ(list[s].Pos, full[s].Pos);
            EXPECT_EQ(list[s].RelPos, full[s].RelPos);
            EXPECT_EQ(list[s].Grenze, full[s].Grenze);
        }
    }
}

TEST(CalcEwaveT, SampleCountsThatDoNotFillTheStack)
{
    const TSimparameter p = GlassGoldGlassWater();  // 4 layers
    struct Case { int count; int filled; };
    // 3 samples: none per layer; 4: one per layer cannot span a layer;
    // 10: two per layer, the last two stay unfilled.
    for (const Case& c : {Case{3, 0}, Case{4, 0}, Case{10, 8}}) {
        veltrane::ScriptedPlatform script;
        veltrane::ScopedPlatform use(script);
        veltrane::test::ScriptedRunControl run;
        TEHOptionpara opt = Options(40.0, c.count);
        TEWaveList list;
        std::unique_ptr<TCalcEwave_T> calc;
        CreateCalcEwave_T(calc, run, p, opt, list);
        RunCalcEwave_T(calc, p, opt, list);
        ASSERT_EQ(list.size(), std::size_t(c.count));
        EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const TEWave& w) { return w.Filled == 1; }), c.filled)
            << c.count;
        EXPECT_TRUE(script.boxes.empty());
        EXPECT_EQ(run.progress.starts, 1);
        EXPECT_FALSE(run.progress.visible);
    }
}

TEST(CalcEwaveT, RunRebuildsTheListOnlyWhenTheCountChanged)
{
    const TSimparameter p = GlassAir();
    veltrane::RunControl none;
    TEHOptionpara opt = Options(30.0, 8);
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, none, p, opt, list);
    EXPECT_EQ(list.size(), 8u);
    RunCalcEwave_T(calc, p, opt, list);
    const TEWave* before = list.data();
    RunCalcEwave_T(calc, p, opt, list);
    EXPECT_EQ(list.data(), before);
    opt.PktanzEff = 12;
    RunCalcEwave_T(calc, p, opt, list);
    EXPECT_EQ(list.size(), 12u);
    EXPECT_EQ(list[11].Filled, 1);
    DeleteCalcEwave_T(calc);
    EXPECT_FALSE(calc);
    RunCalcEwave_T(calc, p, opt, list);  // no calculator: nothing happens
}

TEST(CalcEwaveT, ARecordWithAnotherStackRebuildsTheCalculator)
{
    // Created for glass | air in p light, run in p and s light, then with the
    // four-layer stack and with an anisotropic layer: the fields are those of
    // the record run.
    veltrane::RunControl none;
    TSimparameter two = GlassAir(paP);
    TEHOptionpara opt = Options(50.0, 24);
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, none, two, opt, list);
    for (const TSimparameter& other : {GlassAir(paPS), GlassGoldGlassWater(), UniaxialStack()}) {
        RunCalcEwave_T(calc, other, opt, list);
        const TEWaveList fresh = Profile(other, 50.0, 24 / other.Layeranz);
        ASSERT_EQ(list.size(), fresh.size());
        for (std::size_t s = 0; s < list.size(); ++s) {
            EXPECT_EQ(list[s].Pos, fresh[s].Pos);
            for (int c = 0; c < 6; ++c)
                EXPECT_EQ(list[s].Feld[c].value, fresh[s].Feld[c].value) << s << " " << c;
        }
    }
}

TEST(CalcEwaveT, FailuresAreShownUnderTheirCaptions)
{
    veltrane::RunControl none;
    {
        // A stack of one layer has no interface to walk.
        veltrane::ScriptedPlatform script;
        veltrane::ScopedPlatform use(script);
        TSimparameter one = Isotropic({{2.25, 0}});
        TEHOptionpara opt = Options(30.0, 10);
        TEWaveList list(10);
        std::unique_ptr<TCalcEwave_T> calc;
        CreateCalcEwave_T(calc, none, one, opt, list);
        EXPECT_FALSE(calc);
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Error CalcEwave Init");
        EXPECT_EQ(script.boxes[0].icon, veltrane::BoxIcon::Stop);
        EXPECT_TRUE(list.empty());
        RunCalcEwave_T(calc, one, opt, list);
        EXPECT_EQ(script.boxes.size(), 1u);
    }
    {
        // A prism whose material is thinner than air at its entrance face has
        // no refracted angle.
        veltrane::ScriptedPlatform script;
        veltrane::ScopedPlatform use(script);
        TSimparameter p = Isotropic({{0.3, 0}, {1.0, 0}});
        p.Prismart = prTriangular;
        p.Prismawinkel = 90.0;
        TEHOptionpara opt = Options(0.0, 10);
        TEWaveList list;
        std::unique_ptr<TCalcEwave_T> calc;
        veltrane::test::ScriptedRunControl run;
        CreateCalcEwave_T(calc, run, p, opt, list);
        ASSERT_TRUE(calc);
        RunCalcEwave_T(calc, p, opt, list);
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Error  Calc E-Wave");
        EXPECT_EQ(script.boxes[0].text, "Winkel-Fehler");
        EXPECT_FALSE(run.Active());
        EXPECT_FALSE(run.progress.visible);
        EXPECT_TRUE(calc);
        for (const TEWave& w : list) {
            EXPECT_EQ(w.Filled, 0);
            EXPECT_NE(w.Pos, NOVALUE);
        }
    }
    {
        // A layer of eps 0 makes its upper interface singular: the first half-
        // space is computed, the rest stays unfilled.
        veltrane::ScriptedPlatform script;
        veltrane::ScopedPlatform use(script);
        TSimparameter p = Isotropic({{2.25, 0}, {0.0, 30}, {1.0, 0}});
        veltrane::RunControl run;
        const TEWaveList list = Profile(p, 30.0, 4, run);
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Error  Calc E-Wave");
        EXPECT_EQ(script.boxes[0].text, "zero deteminant in invers");
        for (std::size_t s = 0; s < list.size(); ++s)
            EXPECT_EQ(list[s].Filled, s < 4 ? 1 : 0) << s;
        EXPECT_FALSE(run.Active());
    }
}

}  // namespace
