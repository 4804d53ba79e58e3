// Layer models: wave numbers, roots, field factors, tensors.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "optics/EngineErrors.h"
#include "optics/LayerAniso.h"
#include "support/Stacks.h"

using namespace veltrane;

namespace {

// Sets up layers 0..n-1 of the record in index order, as the driver does.
template <typename... L>
void update(TSimparameter& p, L&... layers)
{
    (layers.SetParameter(p), ...);
    (layers.CalcK(), ...);
}

TSimparameter record(double thetaDeg)
{
    TSimparameter p = stacks::base(3);
    p.ThetaP = p.ThetaS = thetaDeg * std::numbers::pi / 180.0;
    return p;
}

}  // namespace

TEST(Layer, WaveNumbersAndNormalIncidence)
{
    TSimparameter p = record(0.0);
    stacks::setLayer(p, 0, 2.25, 0.0);
    stacks::setLayer(p, 1, 4.0, 30.0);
    TLayer_I1 first(0), middle(1);
    update(p, first, middle);
    EXPECT_NEAR(middle.k0, 0.0099292, 5e-8);
    EXPECT_NEAR(middle.invK0, 100.71, 0.005);
    EXPECT_EQ(middle.path, Complex(0.0, 30.0));
    EXPECT_NEAR(std::abs(middle.GetKzp(0) - 2.0 * middle.k0), 0.0, 1e-15);
    EXPECT_EQ(middle.GetKzp(1), -middle.GetKzp(0));
    EXPECT_EQ(middle.GetFieldFactor(0), Complex(0.0, 0.0));
    EXPECT_EQ(p.kx2, p.kx);
    EXPECT_EQ(middle.kxS, middle.kx);
}

TEST(Layer, NkappaInput)
{
    EXPECT_NEAR(std::abs(NkToEps(0.2, 3.5) - Complex(-12.21, 1.4)), 0.0, 1e-12);
    TSimparameter p = record(10.0);
    p.EpsMode = emNKappa;
    p.Eps[0].epsX = 1.5;
    p.Eps[1].epsX = Complex(0.2, 3.5);
    TLayer_I1 first(0), middle(1);
    update(p, first, middle);
    EXPECT_NEAR(std::abs(first.GetEps(1, 1) - 2.25), 0.0, 1e-15);
    EXPECT_NEAR(std::abs(middle.GetEps(0, 0) - Complex(-12.21, 1.4)), 0.0, 1e-12);
    // A typed "-0" reaches no branch cut as a negative zero.
    p.EpsMode = emEps;
    p.Eps[1].epsX = Complex(-4.0, -0.0);
    middle.SetParameter(p);
    EXPECT_FALSE(std::signbit(middle.GetEps(2, 2).imag()));
}

TEST(Layer, AnisotropicWithEqualAxesMatchesIsotropic)
{
    TSimparameter p = record(35.0);
    stacks::setLayer(p, 0, 2.25, 0.0);
    stacks::setAnisoLayer(p, 1, Complex(1.7, 0.2), Complex(1.7, 0.2), Complex(1.7, 0.2), 40.0);
    p.Phiangle = 25.0;
    TLayer_A1 first(0);
    TLayer_A2 middle(1);
    update(p, first, middle);
    TSimparameter q = p;
    q.Aniso[1] = 0;
    TLayer_I1 isoFirst(0), isoMiddle(1);
    update(q, isoFirst, isoMiddle);
    for (int k = 0; k < 2; ++k) {
        EXPECT_NEAR(std::abs(middle.GetKzp(k) - isoMiddle.GetKzp(k)), 0.0, 1e-15);
        EXPECT_NEAR(std::abs(middle.GetKzs(k) - isoMiddle.GetKzs(k)), 0.0, 1e-15);
        EXPECT_NEAR(std::abs(middle.GetFieldFactor(k) - isoMiddle.GetFieldFactor(k)), 0.0, 1e-13);
    }
    // Updating twice from the same record gives the same tensor and roots.
    TEpsMatrix eps = middle.eps;
    Complex k0 = middle.GetKzp(0);
    update(p, first, middle);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(middle.eps[i].v, eps[i].v);
    EXPECT_EQ(middle.GetKzp(0), k0);
}

TEST(Layer, GrazingWaveRaisesKoFehler)
{
    // eps 1 at Theta 90: kx = k0 exactly, so k0^2 eps - kx^2 = 0.
    TSimparameter p = record(90.0);
    stacks::setLayer(p, 0, 1.0, 0.0);
    stacks::setLayer(p, 1, 1.0, 10.0);
    TLayer_I1 first(0), middle(1);
    first.SetParameter(p);
    middle.SetParameter(p);
    EXPECT_THROW(middle.CalcK(), EkoNullExecption);
    TSimparameter a = record(0.0);
    stacks::setAnisoLayer(a, 1, 2.0, 2.0, 0.0, 10.0);
    TLayer_A1 f(0);
    TLayer_A2 m(1);
    f.SetParameter(a);
    m.SetParameter(a);
    EXPECT_THROW(m.CalcK(), EkoNullExecption) << "eps zz = 0";
}

TEST(Layer, IsotropicSRootsFollowTheirOwnLateralComponent)
{
    // An anisotropic first layer gives s light another lateral component
    // than p light; the isotropic layer behind must use it for its s roots.
    TSimparameter p = record(30.0);
    stacks::setAnisoLayer(p, 0, 2.25, 3.0, 2.25, 0.0);
    stacks::setLayer(p, 1, 3.0, 20.0);
    TLayer_A2 first(0);
    TLayer_A1 middle(1);
    update(p, first, middle);
    ASSERT_NE(p.kx2, p.kx);
    const Complex expected = std::sqrt(middle.k0Square * 3.0 - p.kx2 * p.kx2);
    EXPECT_NEAR(std::abs(middle.GetKzs(0) - expected), 0.0, 1e-15);
    // Same eps yy on both sides: s light passes unchanged.
    EXPECT_NEAR(std::abs(middle.GetKzs(0) - first.GetKzs(0)), 0.0, 1e-15);
}

TEST(Layer, HalfSpaceRootDecaysOrCarriesEnergyAway)
{
    struct Case {
        const char* what;
        Complex x, z;  // eps xx (= yy) and zz of the last half-space
        double theta;  // in the first layer, eps 25
        bool aniso;
    };
    const Case cases[] = {
        {"air typed with -0", Complex(1.0, -0.0), 1.0, 40.0, false},
        {"metal typed with -0", Complex(-12.0, -0.0), -12.0, 20.0, false},
        {"absorbing", Complex(2.0, 0.5), 2.0, 60.0, false},
        {"hyperbolic, propagating", Complex(-2.0, 0.0), 4.0, 60.0, true},
        {"hyperbolic, absorbing", Complex(-2.0, 0.01), Complex(4.0, 0.01), 60.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSimparameter p = stacks::base(2);
        p.ThetaP = p.ThetaS = c.theta * std::numbers::pi / 180.0;
        stacks::setLayer(p, 0, 25.0, 0.0);
        if (c.aniso)
            stacks::setAnisoLayer(p, 1, c.x, c.x, c.z, 0.0);
        else
            stacks::setLayer(p, 1, c.x, 0.0);
        std::unique_ptr<TLayer> first = c.aniso ? std::unique_ptr<TLayer>(new TLayer_A1(0)) : std::make_unique<TLayer_I1>(0);
        std::unique_ptr<TLayer> last = c.aniso ? std::unique_ptr<TLayer>(new TLayer_A2(1)) : std::make_unique<TLayer_I1>(1);
        first->SetParameter(p);
        last->SetParameter(p);
        first->CalcK();
        last->CalcK();
        const Complex kz = last->GetKzp(0);
        // Hy/Ex of root 0: its real part is the z energy flux of p light.
        const Complex hy = kz - last->kx * last->GetFieldFactor(0);
        EXPECT_TRUE(kz.imag() > 0.0 || (kz.imag() == 0.0 && hy.real() > 0.0)) << kz;
        const Complex qs = last->GetKzs(0);
        EXPECT_TRUE(qs.imag() > 0.0 || (qs.imag() == 0.0 && qs.real() > 0.0)) << qs;
    }
}
