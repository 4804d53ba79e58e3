// Coordinates that start at 0 are varied like the others, and the search
// keeps a passive layer passive: an imaginary part (eps'' or kappa) that
// starts at or above 0 is never tried below 0, one started below 0 is free.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "FitTestSupport.h"
#include "RecoveryFixture.h"

using namespace veltrane;

namespace {

constexpr int Layer1 = 7;  // first slot of layer 1
enum Kind { Thickness = 0, XReal = 1, XImag = 2, YImag = 4, ZImag = 6 };

struct OneParameter {
    const char* what;
    int kind;
    TEpsMode mode;
    double start, minimum;
    double expected;  // where the search must end
};

// One marked parameter of an anisotropic layer 1 against a bowl whose
// lowest point is `minimum`; returns the smallest value the objective saw.
double fitOne(FitFixture& f, const OneParameter& c)
{
    f.fit.Parameter.Layeranz = 3;
    f.fit.Parameter.EpsMode = c.mode;
    f.fit.Parameter.Aniso[1] = 1;
    f.fit.Parameter.Dicke[1] = 10.0;
    f.fit.Parameter.Eps[1] = {{0.5, 3.0}, {0.5, 3.0}, {0.5, 3.0}};
    TSimulationiter::SetSlotValue(f.fit.Parameter, Layer1 + c.kind, c.start);
    f.fit.ParamSlots[std::size_t(Layer1 + c.kind)].marked = 1;
    double lowest = 1e300;
    FunctionObjective obj([&](std::span<const double> v) {
        lowest = std::min(lowest, v[0]);
        return (v[0] - c.minimum) * (v[0] - c.minimum);
    });
    f.fit.SetObjective(&obj);
    f.options.Itergrenz = 0.0;
    f.options.Iteranz = 80;
    f.fit.Iteration();
    return lowest;
}

}  // namespace

TEST(ZeroStart, EveryKindIsVariedInItsOwnUnits)
{
    const std::vector<OneParameter> cases = {
        {"thickness", Thickness, emEps, 0.0, 6.0, 6.0},
        {"eps' ", XReal, emEps, 0.0, 0.4, 0.4},
        {"eps'' Z", ZImag, emEps, 0.0, 0.3, 0.3},
        {"n", XReal, emNKappa, 0.0, 1.4, 1.4},
        {"kappa", XImag, emNKappa, 0.0, 0.2, 0.2},
    };
    for (const OneParameter& c : cases) {
        FitFixture f;
        fitOne(f, c);
        EXPECT_NEAR(f.fit.p[0][0], c.expected, 1e-3) << c.what;
        EXPECT_NEAR(TSimulationiter::SlotValue(f.fit.Parameter, Layer1 + c.kind), c.expected, 1e-3) << c.what;
    }
}

TEST(PassiveLayers, StayPassiveUnlessStartedAsGain)
{
    const std::vector<OneParameter> cases = {
        // Bounded: the bowl pulls below 0, the search ends at 0.
        {"eps'' X", XImag, emEps, 0.1, -0.3, 0.0},
        {"eps'' Y", YImag, emEps, 0.1, -0.3, 0.0},
        {"eps'' Z from 0", ZImag, emEps, 0.0, -0.3, 0.0},
        {"kappa", XImag, emNKappa, 0.1, -0.3, 0.0},
        {"n, as eps'' = 2 n kappa", XReal, emNKappa, 0.1, -0.3, 0.0},
        // Free: started below 0 by the user, or a real part in eps mode
        // (a metal's eps' is negative).
        {"eps'' started as gain", ZImag, emEps, -0.1, -0.3, -0.3},
        {"kappa started as gain", XImag, emNKappa, -0.1, -0.3, -0.3},
        {"eps'", XReal, emEps, 0.1, -0.3, -0.3},
    };
    for (const OneParameter& c : cases) {
        FitFixture f;
        const double lowest = fitOne(f, c);
        const bool bounded = c.expected == 0.0;
        EXPECT_NEAR(f.fit.p[0][0], c.expected, 2e-3) << c.what;
        if (bounded) {
            EXPECT_GE(lowest, 0.0) << c.what;
            EXPECT_GE(f.fit.p[0][0], 0.0) << c.what;
            EXPECT_GE(TSimulationiter::SlotValue(f.fit.Parameter, Layer1 + c.kind), 0.0) << c.what;
        }
        // No word about the bound, only the end of the search.
        ASSERT_EQ(f.platform.boxes.size(), 1u) << c.what;
        EXPECT_EQ(f.platform.boxes[0].text, "Number of Iterations reached") << c.what;
    }
}

namespace {

constexpr int FilmThickness = 14, FilmEpsImag = 16;  // layer 2, the 5 nm film

struct EngineFit : FitFixture {
    explicit EngineFit(const TScanColrec& scan)
    {
        scans = {scan};
        options.Itergrenz = 0.0;
        options.Iteranz = 200;
    }
};

double highestRp(const TResColList& results)
{
    double top = 0.0;
    for (const TResPunkt& r : results.front().Points)
        if (r.valid)
            top = std::max(top, r.Rp);
    return top;
}

}  // namespace

TEST(ZeroStart, AFilmFittedToNothingComesBack)
{
    // A film an earlier fit took to 0 nm is found again at its 5 nm.
    const TSimparameter truth = fitcase::demoP();
    EngineFit f(fitcase::measuredRp(truth));
    TSimparameter start = truth;
    start.Dicke[2] = 0.0;
    fitcase::prepare(f.fit, start, {FilmThickness});
    f.fit.Iteration();
    EXPECT_NEAR(f.fit.Parameter.Dicke[2], 5.0, 0.05);
}

TEST(PassiveLayers, AScanReadTooHighMakesNoGainMedium)
{
    // The detector reads 20 % high: the plateau lies above 1, which only a
    // film that amplifies could match. The film's eps'' stops at 0 and the
    // fitted curve stays a reflectivity.
    const TSimparameter truth = fitcase::demoP();
    EngineFit f(fitcase::measuredRp(truth, 1.2, 0.0));
    TSimparameter start = truth;
    start.Eps[2].epsX.imag(0.1);
    fitcase::prepare(f.fit, start, {FilmEpsImag});
    f.fit.Iteration();
    EXPECT_GE(f.fit.Parameter.Eps[2].epsX.imag(), 0.0);
    EXPECT_LT(f.fit.Parameter.Eps[2].epsX.imag(), 0.01);
    ASSERT_EQ(f.fit.ResultList.size(), 1u);
    EXPECT_LE(highestRp(f.fit.ResultList), 1.0);
}
