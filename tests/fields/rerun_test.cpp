// A window runs its calculator many times on one list. What a run leaves
// depends on its own record only: a run that ends early keeps nothing of the
// run before it, one polarisation after both leaves the other blank, and an
// angle scan takes the layer values of each new record.
#include <gtest/gtest.h>

#include "support/ScriptedRunControl.h"

#include "fields/FieldRuns.h"

using namespace fieldstacks;

namespace {

bool Blank(const TEWaveField& f)
{
    return f.value == Complex(NOVALUE, NOVALUE) && f.modulus == NOVALUE && f.modulusSqr == NOVALUE &&
           f.phaseDeg == NOVALUE;
}

TEST(Rerun, AStoppedProfileKeepsNothingOfTheRunBefore)
{
    const TSimparameter p = GlassGoldGlassWater();
    const TEHOptionpara opt = Options(50.0, 6 * p.Layeranz);
    veltrane::test::ScriptedRunControl run;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, run, p, opt, list);
    RunCalcEwave_T(calc, p, opt, list);
    ASSERT_EQ(list.back().Filled, 1);
    const TEWaveList full = list;
    const int stopAfter = 9, passesBefore = run.passes;
    run.onPass = [&](int pass) {
        if (pass == passesBefore + stopAfter + 1)
            run.Stop();
    };
    RunCalcEwave_T(calc, p, opt, list);
    for (std::size_t s = 0; s < list.size(); ++s) {
        EXPECT_EQ(list[s].Pos, full[s].Pos) << s;
        if (s <= std::size_t(stopAfter)) {
            EXPECT_EQ(list[s].Filled, 1) << s;
            continue;
        }
        EXPECT_EQ(list[s].Filled, 0) << s;
        for (const TEWaveField& f : list[s].Feld)
            EXPECT_TRUE(Blank(f)) << s;
    }
}

TEST(Rerun, EverySampleHasItsPlaceWhileTheRunGoesOn)
{
    // A view drawn during a run takes its depth axis from all samples: at
    // the first event pass the places are those of this run, not of the one
    // before with another thickness, and only the first sample is filled.
    TSimparameter p = GlassGoldGlassWater();
    const TEHOptionpara opt = Options(50.0, 6 * p.Layeranz);
    veltrane::test::ScriptedRunControl run;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, run, p, opt, list);
    RunCalcEwave_T(calc, p, opt, list);
    p.Dicke[2] = 45.0;
    const TEWaveList fresh = Profile(p, 50.0, 6);
    TEWaveList seen;
    const int passesBefore = run.passes;
    run.onPass = [&](int pass) {
        if (pass == passesBefore + 1)
            seen = list;
    };
    RunCalcEwave_T(calc, p, opt, list);
    ASSERT_EQ(seen.size(), fresh.size());
    for (std::size_t s = 0; s < seen.size(); ++s) {
        EXPECT_EQ(seen[s].Pos, fresh[s].Pos) << s;
        EXPECT_EQ(seen[s].Grenze, fresh[s].Grenze) << s;
        EXPECT_EQ(seen[s].Filled, s == 0 ? 1 : 0) << s;
    }
}

TEST(Rerun, OnePolarisationAfterBothLeavesTheOtherBlank)
{
    const TSimparameter both = GlassGoldGlassWater();
    const TEHOptionpara opt = Options(65.0, 8 * both.Layeranz);
    veltrane::RunControl run;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, run, both, opt, list);
    RunCalcEwave_T(calc, both, opt, list);
    struct Case {
        std::int32_t polArt;
        std::array<TEHField, 3> computed, blank;
    };
    const Case cases[] = {{paP, {ehEx, ehHy, ehEz}, {ehEy, ehHx, ehHz}}, {paS, {ehEy, ehHx, ehHz}, {ehEx, ehHy, ehEz}}};
    for (const Case& c : cases) {
        const TSimparameter one = WithPolarisation(both, c.polArt);
        RunCalcEwave_T(calc, one, opt, list);
        const TEWaveList fresh = Profile(one, 65.0, 8);
        ASSERT_EQ(list.size(), fresh.size());
        for (std::size_t s = 0; s < list.size(); ++s) {
            ASSERT_EQ(list[s].Filled, 1);
            for (TEHField f : c.computed)
                EXPECT_EQ(list[s].Feld[f].value, fresh[s].Feld[f].value) << s;
            for (TEHField f : c.blank)
                EXPECT_TRUE(Blank(list[s].Feld[f])) << s;
        }
        RunCalcEwave_T(calc, both, opt, list);
    }
}

TEST(Rerun, AnAngleScanTakesTheLayerValuesOfEachRecord)
{
    // From angle to angle only Theta changes, and the stack is updated for
    // that alone; a new record must be read whole at its first angle.
    TSimparameter p = GlassGoldGlassWater();
    TEHOptionpara opt = Options(Riedit::NADN, 21);
    opt.Theta1 = 60.0;
    opt.Theta2 = 80.0;
    opt.LayerNr = 2;
    opt.Layerpos = 10.0;
    veltrane::RunControl run;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_D> calc;
    CreateCalcEwave_D(calc, run, p, opt, list);
    RunCalcEwave_D(calc, p, opt, list);
    p.Eps[1].epsX = Complex(-10.5, 1.1);
    p.Dicke[2] = 35.0;
    RunCalcEwave_D(calc, p, opt, list);
    const TEWaveList fresh = Scan(p, 60.0, 80.0, 21, 2, 10.0);
    ASSERT_EQ(list.size(), fresh.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        ASSERT_EQ(list[i].Filled, 1);
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(list[i].Feld[c].value, fresh[i].Feld[c].value) << i << " " << c;
    }
}

}  // namespace
