// The simulation driver: chain building, scans, updates, per-point
// failures and the record checks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <typeinfo>

#include "EngineRun.h"
#include "optics/Grenz.h"
#include "optics/LayerAniso.h"
#include "optics/ResColList.h"
#include "optics/Schicht.h"

using namespace veltrane;
using veltrane::test::EngineRun;
using veltrane::test::pointAt;

namespace {

void expectSamePoint(const TResPunkt& a, const TResPunkt& b, double tol)
{
    ASSERT_EQ(a.valid, b.valid);
    EXPECT_NEAR(a.Rp, b.Rp, tol);
    EXPECT_NEAR(a.Tp, b.Tp, tol);
    EXPECT_NEAR(a.Rs, b.Rs, tol);
    EXPECT_NEAR(a.Ts, b.Ts, tol);
    EXPECT_NEAR(a.Psi, b.Psi, tol * 1e3);
    EXPECT_NEAR(a.Delta, b.Delta, tol * 1e3);
}

void expectNoValue(const TResPunkt& p)
{
    EXPECT_EQ(p.valid, 0);
    for (double v : {p.Rp, p.Tp, p.Rs, p.Ts, p.Psi, p.Delta})
        EXPECT_EQ(v, NOVALUE);
}

}  // namespace

TEST(CalcPlasmon, ElementChainAndLayerClasses)
{
    TSimparameter p = stacks::base(5);
    p.Aniso[2] = 1;
    std::unique_ptr<TCalcPlasmon> calc;
    TResColList list;
    ASSERT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
    const auto& layers = calc->Layers();
    EXPECT_EQ(typeid(*layers[0]), typeid(TLayer_I1));
    EXPECT_EQ(typeid(*layers[1]), typeid(TLayer_A1));
    EXPECT_EQ(typeid(*layers[2]), typeid(TLayer_A2));
    EXPECT_EQ(typeid(*layers[3]), typeid(TLayer_A1));
    EXPECT_EQ(typeid(*layers[4]), typeid(TLayer_I1));
    const auto& e = calc->Elements();
    ASSERT_EQ(e.size(), 9u);
    const std::type_info* chain[] = {&typeid(TisoSchicht), &typeid(TisoGrenz),   &typeid(TisoSchicht),
                                     &typeid(TanisoGrenz), &typeid(TisoSchicht), &typeid(TanisoGrenz),
                                     &typeid(TisoSchicht), &typeid(TisoGrenz),   &typeid(TisoSchicht)};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(typeid(*e[k]), *chain[k]) << k;
    EXPECT_EQ(layers[2]->grenzPrev, e[3].get());
    EXPECT_EQ(layers[2]->grenzNext, e[5].get());
    EXPECT_EQ(layers[2]->schicht, e[4].get());

    TSimparameter two = stacks::glassAir();
    ASSERT_TRUE(CreateCalcPlasmon(calc, two, list, ErrorReport::ToCaller).ok);
    EXPECT_EQ(calc->Elements().size(), 3u);
    // Two layers: the total matrix is S0 x G(0,1).
    two.Theta = 20.0;
    calc->UpdateAll(two);
    calc->CalcTotalMatrix();
    const TVeltraMatrix expected = calc->Elements()[0]->matrixP.Mul(calc->Elements()[1]->matrixP);
    EXPECT_EQ(calc->TotalP()[1][0], expected[1][0]);
}

TEST(CalcPlasmon, IsotropicLimitOfAnisotropicLayer)
{
    for (double phi : {0.0, 35.0}) {
        TSimparameter iso = stacks::demo();
        TSimparameter an = iso;
        an.Phiangle = phi;
        const Complex e = an.Eps[2].epsX;
        stacks::setAnisoLayer(an, 2, e, e, e, an.Dicke[2]);
        for (double theta : {0.0, 30.0, 55.0, 62.0}) {
            SCOPED_TRACE(theta);
            expectSamePoint(pointAt(an, theta), pointAt(iso, theta), 1e-12);
        }
    }
}

TEST(CalcPlasmon, PartialUpdateEqualsFullUpdate)
{
    // After the first point a layer scan updates only its layers and keeps
    // the products of the other elements; each point must equal a fresh
    // computation of its own record.
    struct Case {
        const char* what;
        TParaKind xKind;
        int xLayer;
        int zLayer;  // 0: no Z parameter; else eps X real of that layer
    };
    const Case cases[] = {
        {"thickness of the anisotropic layer", pkThickness, 3, 0},
        {"thickness of layer 2, Z on layer 4", pkThickness, 2, 4},
        {"eps of layer 4, Z on layer 2", pkEpsXImag, 4, 2},
        {"eps of the last half-space", pkEpsXReal, 5, 0},
        {"X and Z on one layer", pkThickness, 4, 4},
        {"eps z of the anisotropic layer", pkEpsZReal, 3, 0},
        {"Phi", pkPhi, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSimparameter p = stacks::anisoMiddle();
        stacks::layerScan(p, c.xKind, c.xLayer, 0.5, 60.0, 7, 58.0);
        if (c.zLayer)
            p.ZAxis = {pkEpsXReal, 1.5, 2.5, c.zLayer, 3, 0.0, 0};
        EngineRun scan(p);
        ASSERT_TRUE(scan.ran.ok);
        for (std::size_t j = 0; j < scan.list.size(); ++j)
            for (int i = 0; i < 7; ++i) {
                TSimparameter q = p;
                q.ZAxis.Typ = 0;
                if (c.zLayer)
                    q.Eps[c.zLayer - 1].epsX.real(scan.list[j].Zvalue);
                TCalcPlasmon::SetParameterValue(c.xKind, c.xLayer, scan.at(i, j).x, q);
                SCOPED_TRACE(i);
                expectSamePoint(scan.at(i, j), pointAt(q, 58.0), 1e-13);
            }
    }
}

namespace {

// Looks at the driver's update choice from inside.
class UpdateProbe : public TCalcPlasmon {
public:
    Complex epsOf(int k) const { return layers[k]->GetEps(0, 0); }
    using TCalcPlasmon::Update;
};

}  // namespace

TEST(CalcPlasmon, UpdateChoosesPartialOrFull)
{
    struct Case {
        const char* what;
        int xKind, xLayer, zKind, zLayer;
        bool partial;
    };
    const Case cases[] = {
        {"thickness of layer 3", pkThickness, 3, 0, 0, true},
        {"eps of layer 3 with Z on layer 2", pkEpsXReal, 3, pkThickness, 2, true},
        {"Theta", pkTheta, 1, 0, 0, false},
        {"layer 1", pkEpsXReal, 1, 0, 0, false},
        {"Z is Phi", pkThickness, 3, pkPhi, 1, false},
        {"Z on layer 1", pkThickness, 3, pkThickness, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSimparameter p = stacks::demo();
        p.XAxis = {c.xKind - 1, 0.0, 10.0, c.xLayer, 5, 0.0, 0};
        p.ZAxis = {c.zKind, 0.0, 1.0, c.zLayer, 2, 0.0, 0};
        p.Theta = 50.0;
        UpdateProbe calc;
        calc.Init(p);
        calc.Update(0, 0, p);
        // A change of layer 4 (not scanned) shows whether the next update
        // re-read every layer.
        p.Eps[3].epsX = 1.5;
        calc.Update(1, 0, p);
        EXPECT_EQ(calc.epsOf(3), c.partial ? Complex(1.778) : Complex(1.5));
    }
}

TEST(CalcPlasmon, ZColumnsHoldTheirValues)
{
    TSimparameter p = stacks::demo();
    stacks::thetaScan(p, 50.0, 60.0, 3);
    p.ZAxis = {pkThickness, 0.0, 10.0, 3, 3, 0.0, 0};
    EngineRun run(p);
    ASSERT_TRUE(run.ran.ok);
    ASSERT_EQ(run.list.size(), 3u);
    const char* titles[] = {"(0)", "(5)", "(10)"};
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(run.list[j].Zvalue, 5.0 * j);
        EXPECT_EQ(run.list[j].Title, titles[j]);
        for (int i = 0; i < 3; ++i) {
            TSimparameter q = p;
            q.ZAxis.Typ = 0;
            q.Dicke[2] = 5.0 * j;
            expectSamePoint(run.at(i, j), pointAt(q, 50.0 + 5.0 * i), 1e-13);
        }
    }
}

TEST(CalcPlasmon, ZColumnCountAndTitles)
{
    struct Case {
        double von, bis, step;
        int pktanz;
        std::uint8_t fixed;
        std::vector<double> values;
    };
    const Case cases[] = {
        {0.0, 10.0, 0.0, 3, 0, {0, 5, 10}},
        {0.0, 10.0, 4.0, 0, 1, {0, 4, 8, 12}},
        // 2.7 / 0.3 is 9.000000000000002 in doubles: still 10 curves.
        {0.0, 2.7, 0.3, 0, 1, {0, 0.3, 0.6, 0.9, 1.2, 1.5, 1.8, 2.1, 2.4, 2.7}},
        {5.0, 5.0, 1.0, 0, 1, {5}},
    };
    for (const Case& c : cases) {
        TSimparameter p = stacks::demo();
        p.ZAxis = {pkThickness, c.von, c.bis, 3, c.pktanz, c.step, c.fixed};
        TResColList list;
        CreateResColList(list, p);
        ASSERT_EQ(list.size(), c.values.size()) << c.bis;
        TCalcPlasmon calc;
        calc.SetZValues(p, list);
        for (std::size_t k = 0; k < list.size(); ++k)
            EXPECT_NEAR(list[k].Zvalue, c.values[k], 1e-12);
    }
    // No Z parameter: one column without title or value.
    TSimparameter p = stacks::demo();
    TResColList list;
    CreateResColList(list, p);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Zvalue, NOVALUE);
    EXPECT_EQ(list[0].Title, "");
    ASSERT_EQ(list[0].Points.size(), std::size_t(p.XAxis.Pktanz));
    expectNoValue(list[0].Points[0]);
    // Titles use the system's decimal separator.
    ScriptedPlatform german;
    german.separator = ',';
    ScopedPlatform use(german);
    p.ZAxis = {pkThickness, 0.0, 2.5, 3, 2, 0.0, 0};
    CreateResColList(list = {}, p);
    TCalcPlasmon calc;
    calc.SetZValues(p, list);
    EXPECT_EQ(list[1].Title, "(2,5)");
}

TEST(CalcPlasmon, PolarisationModes)
{
    TSimparameter p = stacks::glassAir();
    p.PolArt = paP;
    p.PolMode = pmP;
    TResPunkt onlyP = pointAt(p, 30.0);
    EXPECT_EQ(onlyP.Rs, 0.0);
    EXPECT_EQ(onlyP.Ts, 0.0);
    EXPECT_EQ(onlyP.Psi, 90.0);
    EXPECT_EQ(onlyP.Delta, NOVALUE);
    EXPECT_NEAR(onlyP.Rp, 0.00460754, 1e-8);
    p.PolArt = paS;
    p.PolMode = pmS;
    TResPunkt onlyS = pointAt(p, 30.0);
    EXPECT_EQ(onlyS.Rp, 0.0);
    EXPECT_EQ(onlyS.Psi, 0.0);
    EXPECT_NEAR(onlyS.Rs, 0.10577279, 1e-8);
}

TEST(CalcPlasmon, JonesPairEntersAsAmplitude)
{
    // Total reflection glass | air at 60: |rp| = |rs| = 1. Linear light at
    // azimuth 45 splits the intensity in halves; circular light adds its
    // 90 degree p-s phase to Delta (180 without it at 30 degrees).
    TSimparameter p = stacks::glassAir();
    p.PolArt = paLinear;
    p.Azimut = 45.0;
    TResPunkt mirror = pointAt(p, 60.0);
    EXPECT_NEAR(mirror.Rp, 0.5, 1e-12);
    EXPECT_NEAR(mirror.Rs, 0.5, 1e-12);
    TSimparameter c = stacks::glassAir();
    c.PolArt = paCircular;
    c.Circular = 1;
    TResPunkt circ = pointAt(c, 30.0);
    EXPECT_NEAR(circ.Delta, 90.0, 1e-9);
    EXPECT_NEAR(circ.Psi, 11.789089, 1e-6);
    EXPECT_NEAR(circ.Rp + circ.Tp, 0.5, 1e-12);
}

TEST(CalcPlasmon, NegativeZeroInAirKeepsThePlasmonDip)
{
    TSimparameter p = stacks::surfacePlasmon();
    p.Eps[2].epsX = Complex(1.0, -0.0);
    TResPunkt dip = pointAt(p, 43.653);
    EXPECT_NEAR(dip.Rp, 0.00597, 0.0001);
}

TEST(CalcPlasmon, HyperbolicHalfSpaceConservesEnergy)
{
    // eps 25 | lossless hyperbolic half-space (xx = yy = -2, zz = 4): at
    // Theta 60 the p wave propagates into it with kz < 0.
    TSimparameter p = stacks::base(2);
    stacks::setLayer(p, 0, 25.0, 0.0);
    stacks::setAnisoLayer(p, 1, -2.0, -2.0, 4.0, 0.0);
    TResPunkt r = pointAt(p, 60.0);
    ASSERT_TRUE(r.valid);
    EXPECT_LT(r.Rp, 1.0);
    EXPECT_GT(r.Tp, 0.0);
    EXPECT_NEAR(r.Rp + r.Tp, 1.0, 1e-12);
    EXPECT_NEAR(r.Rs, 1.0, 1e-12);
}

TEST(CalcPlasmon, WinkelfehlerPointsAreInvalidAndTheScanGoesOn)
{
    // Prism of eps 0.64 (n 0.8), angle 60: the beam enters only for
    // |Theta| above 6.87 degrees.
    TSimparameter p = stacks::demo();
    p.Eps[0].epsX = 0.64;
    p.Prismart = prTriangular;
    p.Prismawinkel = 60.0;
    stacks::thetaScan(p, 0.0, 20.0, 11);
    EngineRun run(p);
    ASSERT_TRUE(run.ran.ok);
    EXPECT_TRUE(run.script.boxes.empty());
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        if (i <= 3) {
            expectNoValue(run.at(i));
            EXPECT_EQ(run.at(i).x, 2.0 * i);
        } else {
            expectSamePoint(run.at(i), pointAt(p, 2.0 * i), 0.0);
        }
    }
}

TEST(CalcPlasmon, FailedFullUpdateIsNotFollowedByPartialOnes)
{
    // Every full update fails at the prism; later thickness points must not
    // be built from layers that were never set.
    TSimparameter p = stacks::demo();
    p.Eps[0].epsX = 0.64;
    p.Prismart = prTriangular;
    p.Prismawinkel = 60.0;
    stacks::layerScan(p, pkThickness, 3, 0.0, 20.0, 5, 2.0);
    EngineRun run(p);
    for (int i = 0; i < 5; ++i)
        expectNoValue(run.at(i));
}

TEST(CalcPlasmon, FailedFullUpdateDoesNotReuseAnEarlierRun)
{
    // A driver that ran before holds set layers; a run whose full updates
    // all fail must not build partial results on them.
    TSimparameter p = stacks::demo();
    p.Prismart = prTriangular;
    p.Prismawinkel = 60.0;
    stacks::layerScan(p, pkThickness, 3, 0.0, 20.0, 5, 2.0);
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    ASSERT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    ASSERT_EQ(list[0].Points[4].valid, 1);
    p.Eps[0].epsX = 0.64;
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    for (int i = 0; i < 5; ++i)
        expectNoValue(list[0].Points[i]);
    EXPECT_TRUE(calc->FullUpdateNeeded());
}

namespace {

class AmplitudeProbe : public TCalcPlasmon {
public:
    void setAmplitudes(Complex r, Complex t)
    {
        rtP[0] = rtS[0] = r;
        rtP[1] = rtS[1] = t;
    }
};

}  // namespace

TEST(CalcPlasmon, OverflowingResultIsStoredInvalid)
{
    TSimparameter p = stacks::glassAir();
    TResColList list;
    CreateResColList(list, p);
    AmplitudeProbe calc;
    calc.Init(p);
    calc.UpdateAll(p);
    calc.setAmplitudes(1e200, 0.5);
    calc.StoreResult(0, 0, p, list, true);
    expectNoValue(list[0].Points[0]);
    calc.setAmplitudes(0.2, 0.5);
    calc.StoreResult(1, 0, p, list, true);
    EXPECT_EQ(list[0].Points[1].valid, 1);
    EXPECT_NEAR(list[0].Points[1].Rp, 0.04, 1e-15);
}

TEST(CalcPlasmon, NonFiniteValuesMarkThePointInvalid)
{
    struct Case {
        const char* what;
        int layer;
        Complex eps;
        double thickness, theta;
    };
    const Case cases[] = {
        {"zero eps in a division", 2, 0.0, 5.0, 50.0},
        {"zero eps at normal incidence", 2, 0.0, 5.0, 0.0},
        {"overflowing exponential", 1, Complex(-12.1, 1.3), 1e5, 50.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSimparameter p = stacks::demo();
        stacks::setLayer(p, c.layer, c.eps, c.thickness);
        stacks::thetaScan(p, c.theta, c.theta + 1.0, 2);
        EngineRun run(p);
        ASSERT_TRUE(run.ran.ok);
        expectNoValue(run.at(0));
    }
}

TEST(CalcPlasmon, SingularFieldMatrixEndsTheRunWithItsBox)
{
    // A film with eps xx 1e-10 and eps yy 1e10: at normal incidence its two
    // p modes differ by less than the inverse's determinant limit.
    TSimparameter p = stacks::demo();
    stacks::setAnisoLayer(p, 2, 1e-10, 1e10, 1.0, 5.0);
    stacks::thetaScan(p, 0.0, 10.0, 3);
    EngineRun run(p);
    EXPECT_FALSE(run.ran.ok);
    ASSERT_EQ(run.script.boxes.size(), 1u);
    EXPECT_EQ(run.script.boxes[0].caption, "Error  CalcSimulation");
    EXPECT_EQ(run.script.boxes[0].text, "zero deteminant in invers");
    EXPECT_EQ(run.script.boxes[0].icon, BoxIcon::Stop);
    expectNoValue(run.at(2));
}

TEST(CalcPlasmon, PointsRunColumnByColumnInsideEachX)
{
    // The second Z value makes the anisotropic film's field matrix singular
    // (as above), which ends the run there: only (x0, z0) came before it.
    TSimparameter p = stacks::demo();
    stacks::setAnisoLayer(p, 2, 1e-10, 2.0, 1.0, 5.0);
    stacks::thetaScan(p, 0.0, 10.0, 3);
    p.ZAxis = {pkEpsYReal, 2.0, 1e10, 3, 2, 0.0, 0};
    EngineRun run(p);
    EXPECT_FALSE(run.ran.ok);
    EXPECT_EQ(run.at(0, 0).valid, 1);
    for (auto [i, j] : {std::pair{0, 1}, {1, 0}, {1, 1}, {2, 0}})
        expectNoValue(run.at(i, j));
}

TEST(CalcPlasmon, RunEndedByAFailureKeepsNoNumbersOfAnEarlierRun)
{
    // The points a run does not reach are cleared when it ends: a list that
    // held a complete earlier run shows only what this one computed, in
    // every column, and the points beyond the X scan show nothing.
    TSimparameter p = stacks::demo();
    stacks::setAnisoLayer(p, 2, 1e-10, 2.0, 1.0, 5.0);
    stacks::thetaScan(p, 0.0, 10.0, 3);
    p.ZAxis = {pkEpsYReal, 2.0, 3.0, 3, 2, 0.0, 0};
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    ASSERT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    for (const TResColrec& col : list)
        for (const TResPunkt& pt : col.Points)
            ASSERT_EQ(pt.valid, 1);
    list[0].Points.push_back(list[0].Points[0]);
    p.ZAxis.bis = 1e10;
    ASSERT_FALSE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    EXPECT_EQ(list[0].Points[0].valid, 1);
    for (auto [i, j] : {std::pair{0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {3, 0}})
        expectNoValue(list[std::size_t(j)].Points[std::size_t(i)]);
}

TEST(CalcPlasmon, RecordsThatCannotBeSimulatedAreRefused)
{
    struct Case {
        const char* what;
        void (*change)(TSimparameter&);
    };
    const Case cases[] = {
        {"one layer", [](TSimparameter& p) { p.Layeranz = 1; }},
        {"31 layers", [](TSimparameter& p) { p.Layeranz = 31; }},
        {"X layer 0", [](TSimparameter& p) { p.XAxis = {pkThickness - 1, 0, 1, 0, 5, 0, 0}; }},
        {"X layer past the stack", [](TSimparameter& p) { p.XAxis = {pkEpsZImag - 1, 0, 1, 5, 5, 0, 0}; }},
        {"Z layer past the stack", [](TSimparameter& p) { p.ZAxis = {pkEpsXReal, 0, 1, 9, 2, 0, 0}; }},
        {"single X point", [](TSimparameter& p) { p.XAxis.Pktanz = 1; }},
        {"no X point", [](TSimparameter& p) { p.XAxis.Pktanz = 0; }},
        {"Z step 0", [](TSimparameter& p) { p.ZAxis = {pkThickness, 0, 10, 3, 0, 0.0, 1}; }},
        {"Z step away from the end", [](TSimparameter& p) { p.ZAxis = {pkThickness, 0, 10, 3, 0, -4.0, 1}; }},
        {"one Z curve", [](TSimparameter& p) { p.ZAxis = {pkThickness, 0, 10, 3, 1, 0.0, 0}; }},
        {"Z step too small for memory", [](TSimparameter& p) { p.ZAxis = {pkThickness, 0, 10, 3, 0, 1e-9, 1}; }},
        {"too many X points", [](TSimparameter& p) { p.XAxis.Pktanz = 2000000000; }},
        {"prism type 5", [](TSimparameter& p) { p.Prismart = 5; }},
        {"prism type -1", [](TSimparameter& p) { p.Prismart = -1; }},
        {"unknown X kind", [](TSimparameter& p) { p.XAxis = {20, 0, 1, 0, 5, 0, 0}; }},
        {"X kind none", [](TSimparameter& p) { p.XAxis = {pkNone - 1, 0, 1, 0, 5, 0, 0}; }},
        {"unknown Z kind", [](TSimparameter& p) { p.ZAxis = {pkElliptic + 1, 0, 1, 0, 2, 0, 0}; }},
        {"largest X kind", [](TSimparameter& p) { p.XAxis.Typ = INT32_MAX; }},
        {"smallest Z kind", [](TSimparameter& p) { p.ZAxis.Typ = INT32_MIN; }},
        {"negative thickness", [](TSimparameter& p) { p.Dicke[1] = -5.0; }},
        {"X thickness below 0", [](TSimparameter& p) { p.XAxis = {pkThickness - 1, -10, 50, 2, 5, 0, 0}; }},
        {"Z thickness below 0", [](TSimparameter& p) { p.ZAxis = {pkThickness, 10, -1, 2, 3, 0, 0}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSimparameter p = stacks::demo();
        c.change(p);
        ScriptedPlatform script;
        ScopedPlatform use(script);
        TResColList list(2);
        std::unique_ptr<TCalcPlasmon> calc;
        CalcOutcome o = CreateCalcPlasmon(calc, p, list, ErrorReport::ShowBox);
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(calc, nullptr);
        EXPECT_EQ(list.size(), 2u);
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Error CalcSimulation");
        EXPECT_FALSE(script.boxes[0].text.empty());
        EXPECT_FALSE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ShowBox).ok);
        EXPECT_EQ(script.boxes.size(), 1u);
    }
}

TEST(CalcPlasmon, RunRefusesARecordOfAnotherLayout)
{
    TSimparameter p = stacks::demo();
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    ASSERT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ShowBox).ok);
    TSimparameter other = p;
    other.Layeranz = 3;
    EXPECT_FALSE(RunCalcPlasmon(calc.get(), other, list, ErrorReport::ShowBox).ok);
    TSimparameter aniso = p;
    aniso.Aniso[2] = 1;
    EXPECT_FALSE(RunCalcPlasmon(calc.get(), aniso, list, ErrorReport::ShowBox).ok);
    TSimparameter longer = p;
    longer.XAxis.Pktanz += 1;
    EXPECT_FALSE(RunCalcPlasmon(calc.get(), longer, list, ErrorReport::ShowBox).ok);
    TSimparameter onlyS = p;
    onlyS.PolMode = pmS;
    EXPECT_FALSE(RunCalcPlasmon(calc.get(), onlyS, list, ErrorReport::ShowBox).ok);
    ASSERT_EQ(script.boxes.size(), 4u);
    for (const auto& b : script.boxes)
        EXPECT_EQ(b.caption, "Error  CalcSimulation");
    expectNoValue(list[0].Points[0]);
}

TEST(CalcPlasmon, CallerCanTakeFailuresWithoutBoxes)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TSimparameter bad = stacks::demo();
    bad.Layeranz = 1;
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    CalcOutcome o = CreateCalcPlasmon(calc, bad, list, ErrorReport::ToCaller);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.caption, "Error CalcSimulation");
    EXPECT_FALSE(o.message.empty());

    TSimparameter p = stacks::demo();
    stacks::setAnisoLayer(p, 2, 2.0, 2.1, 2.2, 5.0);
    stacks::thetaScan(p, 0.0, 10.0, 3);
    ASSERT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    EXPECT_EQ(list[0].Points[2].valid, 1);
    TSimparameter singular = p;
    stacks::setAnisoLayer(singular, 2, 1e-10, 1e10, 1.0, 5.0);
    o = RunCalcPlasmon(calc.get(), singular, list, ErrorReport::ToCaller);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.caption, "Error  CalcSimulation");
    EXPECT_EQ(o.message, "zero deteminant in invers");
    EXPECT_EQ(list[0].Points[2].valid, 0);
    EXPECT_TRUE(script.boxes.empty());
}

TEST(CalcPlasmon, RepeatedRunsOnOneDriver)
{
    // The fit runs one driver many times with changed values; each run must
    // depend only on its record, and the caller's record stays untouched.
    TSimparameter p = stacks::demo();
    stacks::thetaScan(p, 50.0, 60.0, 21);
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    ASSERT_TRUE(CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok);
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    const TResColList first = list;
    TSimparameter changed = p;
    changed.Dicke[1] = 45.0;
    const TSimparameter before = changed;
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), changed, list, ErrorReport::ToCaller).ok);
    EXPECT_EQ(changed, before);
    EXPECT_NE(list[0].Points[10].Rp, first[0].Points[10].Rp);
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok);
    EXPECT_EQ(list, first);

    // A layer scan keeps products of the other layers between points; a new
    // run with another value of such a layer must not reuse them.
    TSimparameter scan = stacks::demo();
    stacks::layerScan(scan, pkThickness, 3, 0.0, 20.0, 5, 55.0);
    ASSERT_TRUE(CreateCalcPlasmon(calc, scan, list, ErrorReport::ToCaller).ok);
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), scan, list, ErrorReport::ToCaller).ok);
    scan.Dicke[1] = 40.0;
    ASSERT_TRUE(RunCalcPlasmon(calc.get(), scan, list, ErrorReport::ToCaller).ok);
    EngineRun fresh(scan);
    for (int i = 0; i < 5; ++i)
        expectSamePoint(list[0].Points[i], fresh.at(i), 0.0);
}
