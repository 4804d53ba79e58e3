#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "FitTestSupport.h"
#include "RecoveryFixture.h"

using namespace veltrane;

namespace {

constexpr int Thickness1 = 7, EpsReal1 = 8, EpsImag1 = 9;  // the gold
// The detector reads 80 % of Rp: the factor that undoes it is 1.25.
constexpr double Gain = 0.8;
constexpr double NoiseAmplitude = 0.006;

// Notes the iteration in which the scan last got a new factor.
struct FactorHost : RecordingHost {
    void ScanChanged() override { lastChange = fit->IterNum; }
    const TSimulationiter* fit = nullptr;
    int lastChange = 0;
};

// The gold's thickness, eps' and eps'' fitted to a noisy scan from wrong
// start values, with the scale factor fitted or fixed at its true value.
struct ScaleCase : FitFixture {
    explicit ScaleCase(bool fitScale)
    {
        scans = {fitcase::measuredRp(truth, Gain, NoiseAmplitude)};
        if (!fitScale)
            scans[0].Scalefactor = 1.0 / Gain;
        options.Itergrenz = 0.0;
        options.Iteranz = 400;
        TSimparameter start = truth;
        start.Dicke[1] = 50.0;
        start.Eps[1].epsX = Complex(-12.0, 1.3);
        fitcase::prepare(fit, start, {Thickness1, EpsReal1, EpsImag1});
        fit.FitScale = fitScale;
        factors.fit = &fit;
        fit.SetHost(&factors);
    }

    // The objective at the marked values against the scan as it is now.
    double objectiveAt(const std::array<double, 3>& v)
    {
        TEngineObjective engine(fit);
        fit.SetObjective(&engine);
        fit.PutFitRange(fit.Parameter);
        engine.Begin();
        const double d = fit.Divergence(v.data());
        engine.End();
        fit.SetObjective(nullptr);
        return d;
    }

    TSimparameter truth = fitcase::gold45();
    FactorHost factors;
};

}  // namespace

TEST(ScaleRecovery, AFittedFactorRecoversTheThicknessAsAFixedOneDoes)
{
    ScaleCase fixed(false);
    ASSERT_EQ(fixed.fit.Iteration(), TSimulationiter::IterationsDone);
    ScaleCase fitted(true);
    ASSERT_EQ(fitted.fit.Iteration(), TSimulationiter::IterationsDone);

    // The noise limits both fits alike.
    const double fixedError = std::fabs(fixed.fit.Parameter.Dicke[1] - 45.0);
    EXPECT_LT(fixedError, 0.5);
    EXPECT_LE(std::fabs(fitted.fit.Parameter.Dicke[1] - 45.0), fixedError + 0.1);
    EXPECT_NEAR(fitted.fit.Parameter.Eps[1].epsX.real(), fixed.fit.Parameter.Eps[1].epsX.real(), 0.02);
    EXPECT_NEAR(fitted.scans[0].Scalefactor, 1.0 / Gain, 0.002);
    EXPECT_EQ(fitted.fit.Scalefactor, fitted.scans[0].Scalefactor);
    // The factor settles with the simplex and does not keep restarting it.
    EXPECT_LT(fitted.factors.lastChange, fitted.fit.IterNum / 4);

    // The best value shown is that of the best vertex against the scan as
    // the fit leaves it, and no worse than the true values with the true
    // factor: the fit got as far as the data allow.
    const double shown = fitted.fit.y[0];
    const std::array<double, 3> best = {fitted.fit.p[0][0], fitted.fit.p[0][1], fitted.fit.p[0][2]};
    EXPECT_DOUBLE_EQ(fitted.objectiveAt(best), shown);
    fitted.scans[0].Scalefactor = 1.0 / Gain;
    ASSERT_TRUE(fitted.fit.ResampleScan());
    const TSimparameter& t = fitted.truth;
    EXPECT_LT(shown, fitted.objectiveAt({t.Dicke[1], t.Eps[1].epsX.real(), t.Eps[1].epsX.imag()}));
}
