#pragma once
// The stacks the field tests and the field benchmark share, on top of the
// project's named stacks: no prism, 632.8 nm, P+S light.

#include <initializer_list>
#include <string>

#include "document/Defaults.h"
#include "document/Records.h"
#include "support/Stacks.h"

namespace fieldstacks {

using namespace veltrane::stacks;

inline TSimparameter WithPolarisation(TSimparameter p, std::int32_t polArt)
{
    p.PolArt = polArt;
    p.PolMode = polArt == paP ? pmP : polArt == paS ? pmS : pmBoth;
    return p;
}

struct Row {
    Complex eps;
    double thickness = 0.0;
};

// Isotropic layers, first and last the half-spaces.
inline TSimparameter Isotropic(std::initializer_list<Row> rows)
{
    TSimparameter p = base(int(rows.size()));
    int k = 0;
    for (const Row& r : rows)
        setLayer(p, k++, r.eps, r.thickness);
    return p;
}

inline TSimparameter GlassAir(std::int32_t polArt = paPS) { return WithPolarisation(glassAir(), polArt); }

// Glass | gold | glass | water: a surface plasmon near 70 degrees.
inline TSimparameter GlassGoldGlassWater()
{
    TSimparameter p = base(4);
    setLayer(p, 0, 2.25, 0.0);
    setLayer(p, 1, Complex(-12.1, 1.3), 50.0);
    setLayer(p, 2, 2.25, 20.0);
    setLayer(p, 3, 1.7689, 0.0);
    return p;
}

// A uniaxial absorbing film (X = Y, Z different) between glass and water.
inline TSimparameter UniaxialStack()
{
    TSimparameter p = base(4);
    setLayer(p, 0, 2.25, 0.0);
    setAnisoLayer(p, 1, Complex(2.1, 0.01), Complex(2.1, 0.01), Complex(2.6, 0.02), 80.0);
    setLayer(p, 2, 1.9, 30.0);
    setLayer(p, 3, 1.33, 0.0);
    return p;
}

// 30 layers, alternately absorbing and clear, 7 to 35 nm thick.
inline TSimparameter ThirtyLayers()
{
    TSimparameter p = base(30);
    setLayer(p, 0, 2.25, 0.0);
    for (int k = 1; k < 29; ++k) {
        if (k % 2)
            setLayer(p, k, Complex(1.8 + 0.02 * k, 0.05 * (k % 5)), 7.0 + k);
        else
            setLayer(p, k, 2.1, 35.0 - k);
    }
    setLayer(p, 29, 1.5, 0.0);
    return p;
}

inline TEHOptionpara Options(double theta, int pktanzEff)
{
    TEHOptionpara o;
    SetEHOptionDefaults(o);
    o.Theta = theta;
    o.Pktanz = pktanzEff;
    o.PktanzEff = pktanzEff;
    return o;
}

// eps_zz of layer k, for the continuity of Dz.
inline Complex EpsZ(const TSimparameter& p, int k) { return p.Aniso[k] ? p.Eps[k].epsZ : p.Eps[k].epsX; }

}  // namespace fieldstacks
