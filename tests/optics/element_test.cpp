// Interface and propagation elements.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "optics/Grenz.h"
#include "optics/LayerAniso.h"
#include "optics/Schicht.h"
#include "support/Stacks.h"

using namespace veltrane;

namespace {

void expectIdentity(const TVeltraMatrix& m, double tol)
{
    EXPECT_NEAR(std::abs(m[0][0] - 1.0), 0.0, tol);
    EXPECT_NEAR(std::abs(m[1][1] - 1.0), 0.0, tol);
    EXPECT_NEAR(std::abs(m[0][1]), 0.0, tol);
    EXPECT_NEAR(std::abs(m[1][0]), 0.0, tol);
}

// Two layers of the given classes on the record, set up and connected.
struct Pair {
    TLayerList layers;
    template <typename A, typename B>
    static Pair make(TSimparameter& p)
    {
        Pair r;
        r.layers.push_back(std::make_unique<A>(0));
        r.layers.push_back(std::make_unique<B>(1));
        for (auto& l : r.layers)
            l->SetParameter(p);
        for (auto& l : r.layers)
            l->CalcK();
        return r;
    }
};

TSimparameter record(double thetaDeg, Complex e0, Complex e1)
{
    TSimparameter p = stacks::base(3);
    p.ThetaP = p.ThetaS = thetaDeg * std::numbers::pi / 180.0;
    stacks::setLayer(p, 0, e0, 0.0);
    stacks::setLayer(p, 1, e1, 25.0);
    return p;
}

}  // namespace

TEST(Grenz, IdenticalLayersGiveIdentity)
{
    TSimparameter p = record(30.0, 2.25, 2.25);
    Pair iso = Pair::make<TLayer_I1, TLayer_I1>(p);
    TisoGrenz g(0, 1);
    g.SetLayers(iso.layers);
    g.CalcMatrix(pmBoth);
    expectIdentity(g.matrixP, 0.0);
    expectIdentity(g.matrixS, 0.0);
    EXPECT_EQ(iso.layers[0]->grenzNext, &g);
    EXPECT_EQ(iso.layers[1]->grenzPrev, &g);

    TSimparameter a = record(30.0, 2.25, 2.25);
    stacks::setAnisoLayer(a, 0, 2.0, 2.3, 2.6, 0.0);
    stacks::setAnisoLayer(a, 1, 2.0, 2.3, 2.6, 25.0);
    a.Phiangle = 20.0;
    Pair an = Pair::make<TLayer_A2, TLayer_A2>(a);
    TanisoGrenz ag(0, 1);
    ag.SetLayers(an.layers);
    ag.CalcMatrix(pmBoth);
    expectIdentity(ag.matrixP, 1e-13);
    expectIdentity(ag.matrixS, 1e-13);
}

TEST(Grenz, NormalIncidenceRatioIsIndexRatio)
{
    TSimparameter p = record(0.0, 2.25, 4.0);
    Pair iso = Pair::make<TLayer_I1, TLayer_I1>(p);
    TisoGrenz g(0, 1);
    g.SetLayers(iso.layers);
    g.CalcMatrix(pmBoth);
    // q = n(W) / n(U) = 2 / 1.5; matrix entry (0,0) = (1 + q) / 2.
    const double q = 2.0 / 1.5;
    EXPECT_NEAR(std::abs(g.matrixP[0][0] - 0.5 * (1 + q)), 0.0, 1e-14);
    EXPECT_NEAR(std::abs(g.matrixS[0][1] - 0.5 * (1 - q)), 0.0, 1e-14);
}

TEST(Grenz, AnisotropicInterfaceOfIsotropicLayersIsFresnel)
{
    // Both sides built as TLayer_A1 (isotropic next to anisotropic): the
    // mode-matching interface must equal the Fresnel one.
    TSimparameter p = record(40.0, Complex(2.25, 0.0), Complex(-10.0, 1.0));
    Pair a = Pair::make<TLayer_A1, TLayer_A1>(p);
    Pair i = Pair::make<TLayer_I1, TLayer_I1>(p);
    TanisoGrenz ag(0, 1);
    ag.SetLayers(a.layers);
    ag.CalcMatrix(pmBoth);
    TisoGrenz ig(0, 1);
    ig.SetLayers(i.layers);
    ig.CalcMatrix(pmBoth);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            EXPECT_NEAR(std::abs(ag.matrixP[r][c] - ig.matrixP[r][c]), 0.0, 1e-12);
            EXPECT_NEAR(std::abs(ag.matrixS[r][c] - ig.matrixS[r][c]), 0.0, 1e-12);
        }
}

TEST(Schicht, PropagationAndFieldValues)
{
    TSimparameter p = record(20.0, 2.25, Complex(1.8, 0.1));
    Pair l = Pair::make<TLayer_I1, TLayer_I1>(p);
    TisoSchicht half(0), film(1);
    half.SetLayers(l.layers);
    film.SetLayers(l.layers);
    EXPECT_EQ(l.layers[1]->schicht, &film);
    half.CalcMatrix(pmBoth);
    expectIdentity(half.matrixP, 0.0);
    film.CalcMatrix(pmBoth);
    const Complex kz = l.layers[1]->GetKzp(0);
    EXPECT_NEAR(std::abs(film.matrixP[0][0] - std::exp(Complex(0, -25.0) * kz)), 0.0, 1e-15);
    EXPECT_NEAR(std::abs(film.matrixP[1][1] - std::exp(Complex(0, 25.0) * kz)), 0.0, 1e-15);
    EXPECT_EQ(film.matrixP.kind, TVeltraMatrix::Diagonal);

    TVeltraVector a;
    a[0] = Complex(0.3, 0.1);
    a[1] = Complex(-0.2, 0.05);
    TEWave sample;
    TVeltraVector start = a;
    film.CalcEWaveP(0.0, Complex(0, 25.0), a, sample);
    EXPECT_EQ(a[0], start[0]);
    EXPECT_EQ(a[1], start[1]);
    EXPECT_EQ(sample.Feld[ehEx].value, start[0] + start[1]);
    // Half way into the film the pair has turned by exp(+-i kz d/2).
    film.CalcEWaveS(0.5, Complex(0, 25.0), a, sample);
    const Complex ks = l.layers[1]->GetKzs(0);
    EXPECT_NEAR(std::abs(a[0] - start[0] * std::exp(Complex(0, 12.5) * ks)), 0.0, 1e-15);
    EXPECT_NEAR(std::abs(sample.Feld[ehEy].value - (a[0] + a[1])), 0.0, 1e-15);
    EXPECT_NEAR(sample.Feld[ehEy].modulusSqr, std::norm(a[0] + a[1]), 1e-15);
    film.CalcMatrixAt(0.0, pmBoth);
    expectIdentity(film.matrixS, 0.0);
}
