// The prism model: refraction at the entrance face, the incident Jones pair
// and the face factors.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "optics/EngineErrors.h"
#include "optics/Prisma.h"
#include "support/Stacks.h"

using namespace veltrane;

namespace {

TSimparameter prismRecord(int type, Complex eps, double thetaDeg)
{
    TSimparameter p = stacks::base(2);
    stacks::setLayer(p, 0, eps, 0.0);
    stacks::setLayer(p, 1, 1.0, 0.0);
    p.Prismart = type;
    p.Prismawinkel = 90.0;
    p.Theta = thetaDeg;
    return p;
}

}  // namespace

TEST(Prisma, NoPrismTakesThetaAndKeepsFactorsOne)
{
    TSimparameter p = prismRecord(prNone, 2.25, 30.0);
    p.Prismreflek = 1;
    TPrisma prisma;
    prisma.Calc(p);
    EXPECT_NEAR(p.ThetaP, 0.5235988, 1e-7);
    EXPECT_EQ(p.ThetaS, p.ThetaP);
    EXPECT_EQ(prisma.factorP, 1.0);
    EXPECT_EQ(prisma.factorS, 1.0);
}

TEST(Prisma, TriangularRefraction)
{
    struct Case {
        double theta, expected;
    };
    // asin(sin 45 / 1.5) = 0.49088; pi/2 - pi/4 - 0.49088 = 0.29452. At
    // Theta = 45 the beam meets the face normally: pi/2 - pi/4.
    const Case cases[] = {{0.0, 0.29452}, {-0.0001, -0.29452}, {45.0, std::numbers::pi / 4}, {-45.0, -std::numbers::pi / 4}};
    for (int type : {prTriangular, prCone})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.theta);
            TSimparameter p = prismRecord(type, 2.25, c.theta);
            TPrisma prisma;
            prisma.Calc(p);
            EXPECT_NEAR(p.ThetaP, c.expected, 2e-5);
            EXPECT_EQ(p.ThetaS, p.ThetaP);
        }
    TSimparameter a = prismRecord(prTriangular, 2.25, 10.0), b = prismRecord(prTriangular, 2.25, -10.0);
    TPrisma prisma;
    prisma.Calc(a);
    prisma.Calc(b);
    EXPECT_EQ(a.ThetaP, -b.ThetaP);
}

TEST(Prisma, NoRefractedAngleRaisesWinkelfehler)
{
    struct Case {
        const char* what;
        TSimparameter rec;
    };
    auto aniso = [](Complex x, Complex y, Complex z) {
        TSimparameter p = prismRecord(prTriangular, 1.0, 0.0);
        stacks::setAnisoLayer(p, 0, x, y, z, 0.0);
        return p;
    };
    const Case cases[] = {
        // sin 45 / sqrt(0.4) > 1
        {"isotropic eps below sin^2", prismRecord(prTriangular, 0.4, 0.0)},
        {"negative isotropic eps", prismRecord(prTriangular, -2.0, 0.0)},
        // Turned by 45 degrees: xx = zz = 0.325, xz = 0.025, and the p
        // quadratic has no real root (X < 0).
        {"anisotropic p without real root", aniso(0.3, 2.25, 0.35)},
        {"anisotropic negative zz", aniso(2.25, 2.25, -3.0)},
        {"anisotropic negative yy", aniso(2.25, -1.0, 2.25)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSimparameter p = c.rec;
        p.ThetaP = p.ThetaS = 7.0;
        TPrisma prisma;
        EXPECT_THROW(prisma.Calc(p), EWinkelfehler);
        EXPECT_EQ(p.ThetaP, 7.0);
        EXPECT_EQ(p.ThetaS, 7.0);
    }
}

TEST(Prisma, JonesPairs)
{
    struct Case {
        int polArt;
        std::uint8_t circular;
        double azimut, elliptic;
        Complex ep, es;
    };
    const double h = std::sqrt(0.5);
    const Case cases[] = {
        {paP, 0, 0, 0, 1.0, 0.0},
        {paS, 0, 0, 0, 0.0, 1.0},
        {paPS, 0, 0, 0, 1.0, 1.0},
        {paLinear, 0, 90.0, 30.0, 1.0, 0.0},
        {paLinear, 0, 45.0, 0.0, h, h},
        {paCircular, 1, 0, 0, Complex(0, -h), h},
        {paCircular, 0, 0, 0, Complex(0, h), h},
        {paElliptic, 0, 0.0, 45.0, Complex(0, h), h},
    };
    for (const Case& c : cases) {
        TSimparameter p = prismRecord(prNone, 2.25, 0.0);
        p.PolArt = c.polArt;
        p.Circular = c.circular;
        p.Azimut = c.azimut;
        p.Elliptic = c.elliptic;
        TPrisma prisma;
        prisma.Calc(p);
        EXPECT_NEAR(std::abs(p.Ep - c.ep), 0.0, 1e-12) << c.polArt;
        EXPECT_NEAR(std::abs(p.Es - c.es), 0.0, 1e-12) << c.polArt;
    }
}

TEST(Prisma, FaceFactors)
{
    // A curved face is met normally: the factor is the normal-incidence
    // transmission 4n / (1 + n)^2 = 0.96 for n = 1.5, at any Theta.
    for (int type : {prHalfCylinder, prHemisphere})
        for (double theta : {0.0, 40.0}) {
            TSimparameter p = prismRecord(type, 2.25, theta);
            p.Prismreflek = 1;
            TPrisma prisma;
            prisma.Calc(p);
            EXPECT_NEAR(prisma.factorP, 0.96, 1e-12);
            EXPECT_NEAR(prisma.factorS, 0.96, 1e-12);
            EXPECT_EQ(prisma.front()->kx, Complex(0.0, 0.0));
        }
    // The entrance face of a triangular prism is met at alphaIn: the factors
    // are the Fresnel transmissions air -> glass, 1 - r^2 with
    // rs = (cos a - n cos b) / (cos a + n cos b), rp = (n cos a - cos b) / (n cos a + cos b).
    for (double theta : {0.0, 10.0, -20.0}) {
        SCOPED_TRACE(theta);
        TSimparameter p = prismRecord(prTriangular, 2.25, theta);
        p.Prismreflek = 1;
        TPrisma prisma;
        prisma.Calc(p);
        const double a = std::numbers::pi / 4 - std::abs(theta) * std::numbers::pi / 180.0, n = 1.5;
        const double b = std::asin(std::sin(a) / n);
        const double rs = (std::cos(a) - n * std::cos(b)) / (std::cos(a) + n * std::cos(b));
        const double rp = (n * std::cos(a) - std::cos(b)) / (n * std::cos(a) + std::cos(b));
        EXPECT_NEAR(prisma.factorP, 1.0 - rp * rp, 1e-12);
        EXPECT_NEAR(prisma.factorS, 1.0 - rs * rs, 1e-12);
    }
    // Without the flag the factors stay 1.
    TSimparameter p = prismRecord(prTriangular, 2.25, 0.0);
    TPrisma plain;
    plain.Calc(p);
    EXPECT_EQ(plain.factorP, 1.0);
}

TEST(Prisma, AbsorbingPrismMaterialStillPassesLight)
{
    // The flux ratio tends to the lossless value as the loss vanishes; the
    // condition "imaginary part exactly 0" gave 0 for any loss.
    TSimparameter lossless = prismRecord(prTriangular, 2.25, 20.0);
    lossless.Prismreflek = 1;
    TSimparameter lossy = lossless;
    lossy.Eps[0].epsX = Complex(2.25, 1e-7);
    TPrisma a, b;
    a.Calc(lossless);
    b.Calc(lossy);
    ASSERT_GT(a.factorP, 0.5);
    ASSERT_GT(a.factorS, 0.5);
    EXPECT_NEAR(b.factorP, a.factorP, 1e-6);
    EXPECT_NEAR(b.factorS, a.factorS, 1e-6);
}

TEST(Prisma, AnisotropicPrismLikeIsotropicWhenEqualAxes)
{
    TSimparameter iso = prismRecord(prTriangular, 2.25, 12.0);
    iso.Prismreflek = 1;
    TSimparameter an = iso;
    stacks::setAnisoLayer(an, 0, 2.25, 2.25, 2.25, 0.0);
    TPrisma a, b;
    a.Calc(iso);
    b.Calc(an);
    EXPECT_NEAR(an.ThetaP, iso.ThetaP, 1e-12);
    EXPECT_NEAR(an.ThetaS, iso.ThetaS, 1e-12);
    EXPECT_NEAR(b.factorP, a.factorP, 1e-12);
    EXPECT_NEAR(b.factorS, a.factorS, 1e-12);
}

TEST(Prisma, RepeatedCalcDoesNotTurnTheMaterialAgain)
{
    TSimparameter p = prismRecord(prTriangular, 1.0, 15.0);
    stacks::setAnisoLayer(p, 0, 2.1, 2.3, 2.6, 0.0);
    p.Prismreflek = 1;
    p.Phiangle = 20.0;
    TPrisma kept;
    TSimparameter first = p, second = p;
    kept.Calc(first);
    const double factor = kept.factorP;
    kept.Calc(second);
    EXPECT_EQ(second.ThetaP, first.ThetaP);
    EXPECT_EQ(kept.factorP, factor);
    TPrisma fresh;
    TSimparameter third = p;
    fresh.Calc(third);
    EXPECT_EQ(third.ThetaP, first.ThetaP);
}
