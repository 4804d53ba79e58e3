// Reference values of bare interfaces and stacks against the Fresnel
// formulas, and the energy balance of lossless stacks.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "EngineRun.h"

using namespace veltrane;

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
        TResPunkt p = test::pointAt(stacks::glassAir(), c.theta);
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
    // Random lossless stacks, some layers anisotropic and turned by Phi, at
    // angles where the exit medium carries light; evanescent middle layers
    // (tunnelling) included.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> eps(1.2, 4.0), thick(1.0, 400.0), unit(0.0, 1.0);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + trial % 9;
        TSimparameter p = stacks::base(n);
        p.Phiangle = 90.0 * unit(rng);
        for (int k = 0; k < n; ++k) {
            const double d = k == 0 || k == n - 1 ? 0.0 : thick(rng);
            if (k > 0 && k < n - 1 && unit(rng) < 0.3)
                stacks::setAnisoLayer(p, k, eps(rng), eps(rng), eps(rng), d);
            else
                stacks::setLayer(p, k, eps(rng), d);
        }
        const double ratio = std::min(1.0, p.Eps[n - 1].epsX.real() / p.Eps[0].epsX.real());
        const double theta = unit(rng) * std::asin(std::sqrt(ratio)) * 180.0 / std::numbers::pi * 0.999;
        TResPunkt r = test::pointAt(p, theta);
        ASSERT_TRUE(r.valid) << trial;
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

namespace {

// Reflected Ex amplitude of incident | film | substrate from the
// characteristic matrix of the film on (Ex, Hy) (p) or (Ey, -Hx) (s), with
// the admittances eta: an independent form of the transfer-matrix method.
Complex characteristicR(Complex eta0, Complex etaFilm, Complex kzFilm, double d, Complex etaSub)
{
    const Complex i(0.0, 1.0);
    const Complex c = std::cos(kzFilm * d), s = std::sin(kzFilm * d);
    const Complex m00 = c, m01 = i * s / etaFilm, m10 = i * etaFilm * s, m11 = c;
    // t = m00 (1 + r) + m01 eta0 (1 - r); etaSub t = m10 (1 + r) + m11 eta0 (1 - r)
    const Complex a = etaSub * m00 - m10, b = etaSub * m01 * eta0 - m11 * eta0;
    return -(a + b) / (a - b);
}

Complex decaying(Complex kz) { return kz.imag() < 0.0 || (kz.imag() == 0.0 && kz.real() < 0.0) ? -kz : kz; }

}  // namespace

TEST(Fresnel, UniaxialFilmMatchesCharacteristicMatrix)
{
    struct Case {
        Complex x, y, z;
        double d, theta;
    };
    const Case cases[] = {
        {2.0, 2.1, 2.6, 120.0, 20.0},
        {2.6, 2.1, 2.0, 60.0, 35.0},
        {Complex(2.0, 0.1), 2.4, Complex(2.8, 0.05), 200.0, 30.0},
        {2.0, 2.1, 2.6, 80.0, 55.0},  // total reflection at the air side
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.theta);
        TSimparameter p = stacks::base(3);
        stacks::setLayer(p, 0, 2.25, 0.0);
        stacks::setAnisoLayer(p, 1, c.x, c.y, c.z, c.d);
        stacks::setLayer(p, 2, 1.0, 0.0);
        TResPunkt r = test::pointAt(p, c.theta);
        ASSERT_TRUE(r.valid);

        const double k0 = 2.0 * std::numbers::pi / 632.8;
        const double kx = k0 * 1.5 * std::sin(c.theta * std::numbers::pi / 180.0);
        const Complex kz0 = std::sqrt(Complex(k0 * k0 * 2.25 - kx * kx));
        const Complex kzSub = decaying(std::sqrt(Complex(k0 * k0 - kx * kx)));
        // p in the film: kz^2 = eps_x (k0^2 - kx^2 / eps_z); Hy/Ex = k0 eps_x / kz.
        const Complex kzP = std::sqrt(c.x * (k0 * k0 - kx * kx / c.z));
        const Complex rp = characteristicR(k0 * 2.25 / kz0, k0 * c.x / kzP, kzP, c.d, k0 * 1.0 / kzSub);
        // s in the film sees eps_y; -Hx/Ey = kz / k0.
        const Complex kzS = std::sqrt(k0 * k0 * c.y - kx * kx);
        const Complex rs = characteristicR(kz0 / k0, kzS / k0, kzS, c.d, kzSub / k0);
        EXPECT_NEAR(r.Rp, std::norm(rp), 1e-12);
        EXPECT_NEAR(r.Rs, std::norm(rs), 1e-12);
    }
}
