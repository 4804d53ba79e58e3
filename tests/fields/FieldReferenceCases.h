#pragma once
// A fixed set of field runs whose samples are recorded in
// data/field_reference.txt (by tests/tools/record_reference.cpp) and must
// not change when the computation is reworked: depth profiles and angle
// scans of isotropic, absorbing, anisotropic and prism stacks, both
// polarisations alone and together, total reflection, normal incidence and
// angles at which the stack has no fields.

#include <string>
#include <vector>

#include "fields/FieldRuns.h"

namespace veltrane::test {

struct FieldCase {
    std::string name;
    TSimparameter rec;
    bool depth = true;
    double theta = 0.0;  // depth profile
    int perLayer = 0;
    double theta1 = 0.0, theta2 = 0.0;  // angle scan
    int angles = 0;
    int layerNr = 0;
    double layerpos = 0.0;
    double d1 = 20.0, dn = 20.0;
};

inline FieldCase depthCase(std::string name, TSimparameter p, double theta, int perLayer)
{
    FieldCase c{std::move(name), p};
    c.theta = theta;
    c.perLayer = perLayer;
    return c;
}

inline FieldCase angleCase(std::string name, TSimparameter p, double theta1, double theta2, int angles, int layerNr,
                           double layerpos)
{
    FieldCase c{std::move(name), p, false};
    c.theta1 = theta1;
    c.theta2 = theta2;
    c.angles = angles;
    c.layerNr = layerNr;
    c.layerpos = layerpos;
    return c;
}

inline std::vector<FieldCase> fieldCases()
{
    using namespace fieldstacks;
    std::vector<FieldCase> c;
    TSimparameter prism = GlassGoldGlassWater();
    prism.Prismart = prTriangular;
    prism.Prismawinkel = 90.0;
    prism.Prismreflek = 1;
    TSimparameter grazing = Isotropic({{1.0, 0.0}, {2.0, 30.0}, {1.0, 0.0}});
    c.push_back(depthCase("depth-thirty-layers", ThirtyLayers(), 55.0, 6));
    c.push_back(depthCase("depth-plasmon", GlassGoldGlassWater(), 70.0, 15));
    c.push_back(depthCase("depth-uniaxial", UniaxialStack(), 40.0, 12));
    c.push_back(depthCase("depth-p-only", WithPolarisation(GlassGoldGlassWater(), paP), 65.0, 10));
    c.push_back(depthCase("depth-s-only", WithPolarisation(GlassGoldGlassWater(), paS), 65.0, 10));
    c.push_back(depthCase("depth-normal-incidence", demo(), 0.0, 10));
    c.push_back(depthCase("depth-triangular-prism", prism, 5.0, 10));
    FieldCase tir = depthCase("depth-total-reflection", GlassAir(), 60.0, 25);
    tir.d1 = 500.0;
    tir.dn = 300.0;
    c.push_back(tir);
    c.push_back(depthCase("depth-grazing", grazing, 90.0, 10));
    c.push_back(angleCase("angle-thirty-layers-17", ThirtyLayers(), 20.0, 70.0, 51, 17, 3.0));
    c.push_back(angleCase("angle-thirty-layers-last", ThirtyLayers(), 20.0, 70.0, 51, 29, 10.0));
    c.push_back(angleCase("angle-plasmon-glass", GlassGoldGlassWater(), 60.0, 80.0, 51, 2, 10.0));
    c.push_back(angleCase("angle-plasmon-first", GlassGoldGlassWater(), 60.0, 80.0, 31, 0, 5.0));
    c.push_back(angleCase("angle-plasmon-below-stack", GlassGoldGlassWater(), 60.0, 80.0, 31, 40, 0.0));
    c.push_back(angleCase("angle-uniaxial", UniaxialStack(), 20.0, 60.0, 41, 1, 40.0));
    c.push_back(angleCase("angle-s-only", WithPolarisation(ThirtyLayers(), paS), 20.0, 70.0, 31, 12, 4.0));
    c.push_back(angleCase("angle-prism", prism, -10.0, 10.0, 41, 3, 8.0));
    c.push_back(angleCase("angle-grazing", grazing, 80.0, 90.0, 11, 2, 5.0));
    return c;
}

// Per sample: Grenze, Theta, Pos, RelPos, Filled and, for Ex, Ey, Ez, Hx,
// Hy, Hz, the value's real and imaginary part, modulus, squared modulus
// and phase.
inline std::vector<double> fieldResults(const FieldCase& c)
{
    TEHOptionpara opt = fieldstacks::Options(c.depth ? c.theta : Riedit::NADN,
                                             c.depth ? c.perLayer * c.rec.Layeranz : c.angles);
    opt.d_1 = c.d1;
    opt.d_n = c.dn;
    TEWaveList list;
    veltrane::RunControl none;
    if (c.depth) {
        std::unique_ptr<TCalcEwave_T> calc;
        CreateCalcEwave_T(calc, none, c.rec, opt, list);
        RunCalcEwave_T(calc, c.rec, opt, list);
    } else {
        opt.Theta1 = c.theta1;
        opt.Theta2 = c.theta2;
        opt.LayerNr = c.layerNr;
        opt.Layerpos = c.layerpos;
        std::unique_ptr<TCalcEwave_D> calc;
        CreateCalcEwave_D(calc, none, c.rec, opt, list);
        RunCalcEwave_D(calc, c.rec, opt, list);
    }
    std::vector<double> v;
    for (const TEWave& w : list) {
        v.insert(v.end(), {double(w.Grenze), w.Theta, w.Pos, w.RelPos, double(w.Filled)});
        for (const TEWaveField& f : w.Feld)
            v.insert(v.end(), {f.value.real(), f.value.imag(), f.modulus, f.modulusSqr, f.phaseDeg});
    }
    return v;
}

}  // namespace veltrane::test
