#pragma once
// A fixed set of engine runs whose results are recorded in
// data/engine_reference.txt (by tests/tools/record_reference.cpp) and must
// not change when the engine is reworked: isotropic and anisotropic stacks,
// every prism type, every scan kind, Z scans, every polarisation, n and
// kappa input, and scans with points that cannot be computed.

#include <memory>
#include <string>
#include <vector>

#include "optics/CalcPlasmon.h"
#include "support/Stacks.h"

namespace veltrane::test {

struct EngineCase {
    std::string name;
    TSimparameter rec;
};

inline TSimparameter withZ(TSimparameter p, TParaKind kind, int layerNr, double from, double to, int columns)
{
    p.ZAxis = {kind, from, to, layerNr, columns, 0.0, 0};
    return p;
}

inline TSimparameter withPrism(TSimparameter p, std::int32_t type, double angleDeg, bool reflections, double from,
                               double to)
{
    p.Prismart = type;
    p.Prismawinkel = angleDeg;
    p.Prismreflek = reflections ? 1 : 0;
    stacks::thetaScan(p, from, to, 121);
    return p;
}

inline TSimparameter withLight(TSimparameter p, std::int32_t polArt, std::int32_t polMode)
{
    p.PolArt = polArt;
    p.PolMode = polMode;
    return p;
}

inline std::vector<EngineCase> engineCases()
{
    using namespace stacks;
    std::vector<EngineCase> c;
    auto theta = [](TSimparameter p, double from, double to, int points) {
        thetaScan(p, from, to, points);
        return p;
    };
    auto layer = [](TSimparameter p, TParaKind kind, int layerNr, double from, double to, int points, double th) {
        layerScan(p, kind, layerNr, from, to, points, th);
        return p;
    };
    c.push_back({"surface-plasmon-theta", theta(surfacePlasmon(), 40.0, 50.0, 201)});
    c.push_back({"demo-theta", theta(demo(), 45.0, 65.0, 201)});
    c.push_back({"thirty-layers-theta-past-critical", theta(multilayer(30), 10.0, 80.0, 141)});
    c.push_back({"thirty-layers-thickness-15", layer(multilayer(30), pkThickness, 15, 0.0, 500.0, 101, 25.0)});
    c.push_back({"demo-gold-eps-imag-z-thickness-3",
                 withZ(layer(demo(), pkEpsXImag, 2, 0.5, 2.5, 81, 55.0), pkThickness, 3, 0.0, 20.0, 3)});
    c.push_back({"demo-theta-z-eps-real-1", withZ(theta(demo(), 45.0, 65.0, 81), pkEpsXReal, 1, 3.0, 3.6, 3)});
    c.push_back({"demo-thickness-2-z-theta", withZ(layer(demo(), pkThickness, 2, 30.0, 70.0, 81, 50.0), pkTheta, 0,
                                                   48.0, 56.0, 3)});
    c.push_back({"aniso-middle-theta", theta(anisoMiddle(), 45.0, 70.0, 201)});
    TSimparameter phi = layer(anisoMiddle(), pkPhi, 0, 0.0, 180.0, 91, 55.0);
    c.push_back({"aniso-middle-phi", phi});
    c.push_back({"aniso-middle-eps-z-real-3", layer(anisoMiddle(), pkEpsZReal, 3, 1.8, 2.6, 81, 52.0)});
    TSimparameter hyper = base(3);
    setLayer(hyper, 0, 3.4069, 0.0);
    setLayer(hyper, 1, Complex(-12.1, 1.3), 45.0);
    setAnisoLayer(hyper, 2, Complex(-2.0, 0.01), Complex(-2.0, 0.01), Complex(4.0, 0.02), 0.0);
    c.push_back({"hyperbolic-last-theta", theta(hyper, 20.0, 80.0, 121)});
    c.push_back({"triangular-reflections", withPrism(demo(), prTriangular, 90.0, true, -20.0, 20.0)});
    c.push_back({"cone", withPrism(demo(), prCone, 60.0, false, -25.0, 25.0)});
    c.push_back({"half-cylinder-reflections", withPrism(demo(), prHalfCylinder, 90.0, true, 45.0, 65.0)});
    c.push_back({"hemisphere", withPrism(demo(), prHemisphere, 90.0, false, 45.0, 65.0)});
    TSimparameter anisoPrism = anisoMiddle();
    anisoPrism.Aniso[0] = 1;
    anisoPrism.Eps[0] = {3.4, 3.5, 3.3};
    c.push_back({"aniso-triangular-reflections", withPrism(anisoPrism, prTriangular, 90.0, true, -20.0, 20.0)});
    TSimparameter lowIndexPrism = demo();
    lowIndexPrism.Eps[0] = {0.8, 0.8, 0.8};
    c.push_back({"triangular-no-refracted-angle", withPrism(lowIndexPrism, prTriangular, 30.0, false, -30.0, 30.0)});
    c.push_back({"linear-azimuth", layer(withLight(demo(), paLinear, pmBoth), pkAzimut, 0, 0.0, 90.0, 61, 53.0)});
    c.push_back({"elliptic-ellipticity", layer(withLight(demo(), paElliptic, pmBoth), pkElliptic, 0, -45.0, 45.0, 61,
                                               53.0)});
    TSimparameter circular = withLight(anisoMiddle(), paCircular, pmBoth);
    c.push_back({"circular-aniso-theta", theta(circular, 45.0, 70.0, 101)});
    c.push_back({"p-only-demo-theta", theta(withLight(demo(), paP, pmP), 45.0, 65.0, 101)});
    c.push_back({"s-only-aniso-theta", theta(withLight(anisoMiddle(), paS, pmS), 45.0, 70.0, 101)});
    TSimparameter nk = demo();
    nk.EpsMode = emNKappa;
    nk.Eps[0] = {1.8458, 1.8458, 1.8458};
    nk.Eps[1] = {Complex(0.18, 3.48), Complex(0.18, 3.48), Complex(0.18, 3.48)};
    nk.Eps[2] = {1.5, 1.5, 1.5};
    nk.Eps[3] = {1.3334, 1.3334, 1.3334};
    c.push_back({"n-kappa-theta", theta(nk, 45.0, 65.0, 101)});
    c.push_back({"n-kappa-kappa-of-gold", layer(nk, pkEpsXImag, 2, 3.0, 4.0, 51, 55.0)});
    TSimparameter grazing = base(3);
    setLayer(grazing, 0, 1.0, 0.0);
    setLayer(grazing, 1, 2.0, 30.0);
    setLayer(grazing, 2, 1.0, 0.0);
    c.push_back({"grazing-at-ninety", theta(grazing, 0.0, 90.0, 10)});
    return c;
}

// Zvalue of every column, then x, Rp, Tp, Rs, Ts, Psi, Delta and valid of
// every point, then 1 for a run that succeeded.
inline std::vector<double> engineResults(const TSimparameter& p)
{
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    std::vector<double> v;
    bool ok = CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller).ok;
    ok = ok && RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller).ok;
    for (const TResColrec& col : list) {
        v.push_back(col.Zvalue);
        for (const TResPunkt& pt : col.Points)
            v.insert(v.end(), {pt.x, pt.Rp, pt.Tp, pt.Rs, pt.Ts, pt.Psi, pt.Delta, double(pt.valid)});
    }
    v.push_back(ok ? 1.0 : 0.0);
    return v;
}

}  // namespace veltrane::test
