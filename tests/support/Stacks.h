#pragma once
// Named layer stacks shared by the tests and the benchmarks. Every stack
// uses the wavelength 632.8 nm, P+S light, no prism and half-spaces of
// thickness 0; a scan is set with thetaScan or layerScan.

#include "document/Records.h"

namespace veltrane::stacks {

inline TSimparameter base(int layers)
{
    TSimparameter p;
    p.Layeranz = layers;
    p.PolArt = paPS;
    p.PolMode = pmBoth;
    p.Azimut = 90.0;
    p.Circular = 1;
    p.EpsMode = emEps;
    p.Wellenlange = 632.8;
    p.Prismart = prNone;
    p.Prismreflek = 0;
    p.Prismawinkel = 90.0;
    p.XAxis = {0, 0.0, 80.0, 2, 2, 0.0, 0};
    p.ZAxis = {0, 0.0, 0.0, 2, 2, 0.0, 0};
    return p;
}

// Row k (0-based): an isotropic layer.
inline void setLayer(TSimparameter& p, int k, Complex eps, double thicknessNm)
{
    p.Eps[k] = {eps, eps, eps};
    p.Dicke[k] = thicknessNm;
    p.Aniso[k] = 0;
}

inline void setAnisoLayer(TSimparameter& p, int k, Complex x, Complex y, Complex z, double thicknessNm)
{
    p.Eps[k] = {x, y, z};
    p.Dicke[k] = thicknessNm;
    p.Aniso[k] = 1;
}

// X = Theta from `from` to `to` degrees in `points` points.
inline void thetaScan(TSimparameter& p, double from, double to, int points)
{
    p.XAxis = {pkTheta - 1, from, to, 1, points, 0.0, 0};
}

// X = parameter `kind` of layer `layerNr` (1-based).
inline void layerScan(TSimparameter& p, TParaKind kind, int layerNr, double from, double to, int points, double thetaDeg)
{
    p.XAxis = {kind - 1, from, to, layerNr, points, 0.0, 0};
    p.Theta = thetaDeg;
}

// A bare glass | air interface, glass eps 2.25.
inline TSimparameter glassAir()
{
    TSimparameter p = base(2);
    setLayer(p, 0, 2.25, 0.0);
    setLayer(p, 1, 1.0, 0.0);
    return p;
}

// The surface-plasmon stack: glass eps 2.295225 | gold (-12.33, 1.21), 50 nm
// | air. Its resonance lies near Theta 43.65 degrees.
inline TSimparameter surfacePlasmon()
{
    TSimparameter p = base(3);
    setLayer(p, 0, 2.295225, 0.0);
    setLayer(p, 1, Complex(-12.33, 1.21), 50.0);
    setLayer(p, 2, 1.0, 0.0);
    thetaScan(p, 40.0, 50.0, 1001);
    return p;
}

// The demo stack: high-index glass eps 3.4069 | gold (-12.1, 1.3), 50 nm |
// 5 nm of eps 2.25 | eps 1.778 (water), a surface-plasmon sensor.
inline TSimparameter demo()
{
    TSimparameter p = base(4);
    setLayer(p, 0, 3.4069, 0.0);
    setLayer(p, 1, Complex(-12.1, 1.3), 50.0);
    setLayer(p, 2, 2.25, 5.0);
    setLayer(p, 3, 1.778, 0.0);
    thetaScan(p, 45.0, 65.0, 1001);
    return p;
}

// n layers alternating between eps 2.1 and 1.9 (with a small loss), 100 nm
// each, between glass and air.
inline TSimparameter multilayer(int n)
{
    TSimparameter p = base(n);
    setLayer(p, 0, 2.25, 0.0);
    for (int k = 1; k < n - 1; ++k)
        setLayer(p, k, k % 2 ? Complex(2.1, 0.001) : Complex(1.9, 0.0), 100.0);
    setLayer(p, n - 1, 1.0, 0.0);
    thetaScan(p, 10.0, 40.0, 1001);
    return p;
}

// The demo stack with a biaxial 20 nm film (X 2.4, Y 2.3, Z 2.2) between
// the gold and the 5 nm layer, turned by Phi 30 degrees.
inline TSimparameter anisoMiddle()
{
    TSimparameter p = base(5);
    setLayer(p, 0, 3.4069, 0.0);
    setLayer(p, 1, Complex(-12.1, 1.3), 50.0);
    setAnisoLayer(p, 2, 2.4, 2.3, 2.2, 20.0);
    setLayer(p, 3, 2.25, 5.0);
    setLayer(p, 4, 1.778, 0.0);
    p.Phiangle = 30.0;
    thetaScan(p, 45.0, 70.0, 1001);
    return p;
}

}  // namespace veltrane::stacks
