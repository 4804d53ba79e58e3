// The thickness rule of the inputs and the engine's own refusal agree: what
// an input refuses, the engine refuses to compute, and what it allows the
// engine computes.
#include <gtest/gtest.h>

#include <memory>

#include "gui/simulation/plain/LayerThickness.h"
#include "optics/CalcPlasmon.h"
#include "support/Stacks.h"

namespace {

TSimparameter withFilm(double nm)
{
    TSimparameter p = veltrane::stacks::demo();
    veltrane::stacks::thetaScan(p, 40.0, 60.0, 11);
    p.Dicke[1] = nm;
    return p;
}

}  // namespace

TEST(LayerThickness, TheEngineRefusesWhatTheInputsRefuse)
{
    for (double nm : {-1e-9, -0.5, -50.0}) {
        ASSERT_FALSE(ThicknessAllowed(nm)) << nm;
        TSimparameter p = withFilm(nm);
        EXPECT_EQ(veltrane::CheckThicknesses(p), "Layer 2 has a thickness below 0 nm.") << nm;
        EXPECT_EQ(veltrane::CheckSimparameter(p), "Layer 2 has a thickness below 0 nm.") << nm;
        std::unique_ptr<TCalcPlasmon> calc;
        TResColList results;
        const veltrane::CalcOutcome created = CreateCalcPlasmon(calc, p, results, veltrane::ErrorReport::ToCaller);
        const bool ran = created && RunCalcPlasmon(calc.get(), p, results, veltrane::ErrorReport::ToCaller).ok;
        EXPECT_FALSE(ran) << nm;
    }
    for (double nm : {0.0, 1e-9, 50.0}) {
        ASSERT_TRUE(ThicknessAllowed(nm)) << nm;
        TSimparameter p = withFilm(nm);
        EXPECT_EQ(veltrane::CheckSimparameter(p), "") << nm;
        std::unique_ptr<TCalcPlasmon> calc;
        TResColList results;
        ASSERT_TRUE(CreateCalcPlasmon(calc, p, results, veltrane::ErrorReport::ToCaller).ok) << nm;
        ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, results, veltrane::ErrorReport::ToCaller).ok) << nm;
        ASSERT_EQ(results.size(), 1u);
        for (const TResPunkt& r : results.front().Points)
            EXPECT_LE(r.Rp, 1.0 + 1e-12) << nm;
    }
}
