// Reference values of bare interfaces and stacks against the Fresnel
// formulas, and the energy balance of lossless stacks.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "EngineRun.h"

using namespace veltrane;
using veltrane::test::pointAt;

TEST(Fresnel, GlassAirReferenceValues)
{
    // Values of the Fresnel formulas for n = 1.5 into air.
    struct Case {
        double theta, rp, rs, tp, ts, psi, delta;
    };
    const Case cases[] = {
        {30.0, 0.00460754, 0.10577279, 0.99539246, 0.89422721, 11.789089, 180.0},
        {60.0, 1.0, 1.0, 0.0, 0.0, 45.0, 40.459083},
        {0.0, 0.04, 0.04, 0.96, 0.96, 45.0, 180.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.theta);
        TResPunkt p = pointAt(stacks::glassAir(), c.theta);
        ASSERT_TRUE(p.valid);
        EXPECT_NEAR(p.Rp, c.rp, 1e-8);
        EXPECT_NEAR(p.Rs, c.rs, 1e-8);
        EXPECT_NEAR(p.Tp, c.tp, 1e-8);
        EXPECT_NEAR(p.Ts, c.ts, 1e-8);
        EXPECT_NEAR(p.Psi, c.psi, 1e-6);
        EXPECT_NEAR(p.Delta, c.delta, 1e-6);
    }
}

TEST(Fresnel, LosslessStacksConserveEnergy)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> eps(1.2, 4.0), thick(1.0, 400.0), theta(0.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 2 + trial % 9;
        TSimparameter p = stacks::base(n);
        for (int k = 0; k < n; ++k)
            stacks::setLayer(p, k, eps(rng), k == 0 || k == n - 1 ? 0.0 : thick(rng));
        // Below the critical angle of every layer: sin^2 < min eps / eps0.
        double minEps = 1e9;
        for (int k = 0; k < n; ++k)
            minEps = std::min(minEps, p.Eps[k].epsX.real());
        const double limit = std::asin(std::sqrt(std::min(1.0, minEps / p.Eps[0].epsX.real())));
        const double t = theta(rng) * limit * 180.0 / std::numbers::pi * 0.999;
        TResPunkt r = pointAt(p, t);
        ASSERT_TRUE(r.valid);
        EXPECT_NEAR(r.Rp + r.Tp, 1.0, 1e-12) << trial;
        EXPECT_NEAR(r.Rs + r.Ts, 1.0, 1e-12) << trial;
    }
}

TEST(Fresnel, SurfacePlasmonMinimum)
{
    TSimparameter p = stacks::surfacePlasmon();
    stacks::thetaScan(p, 43.0, 44.5, 15001);
    test::EngineRun run(p);
    ASSERT_TRUE(run.ran.ok);
    int best = 0;
    for (int i = 0; i < 15001; ++i)
        if (run.at(i).Rp < run.at(best).Rp)
            best = i;
    EXPECT_NEAR(run.at(best).x, 43.653, 0.002);
    EXPECT_NEAR(run.at(best).Rp, 0.00597, 0.00002);
}
