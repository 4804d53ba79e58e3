#pragma once
// One field run the way a window starts it: create, run once, keep the list.

#include <memory>

#include "fields/CalcEwave_D.h"
#include "fields/CalcEwave_T.h"
#include "fields/FieldStacks.h"

namespace fieldstacks {

// A depth profile at theta with perLayer samples per layer.
inline TEWaveList Profile(const TSimparameter& p, double theta, int perLayer, veltrane::RunControl& run)
{
    TEHOptionpara opt = Options(theta, perLayer * p.Layeranz);
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, run, p, opt, list);
    RunCalcEwave_T(calc, p, opt, list);
    return list;
}

inline TEWaveList Profile(const TSimparameter& p, double theta, int perLayer)
{
    veltrane::RunControl run;
    return Profile(p, theta, perLayer, run);
}

// m angles from theta1 to theta2 at position layerpos of layer layerNr.
inline TEWaveList Scan(const TSimparameter& p, double theta1, double theta2, int m, int layerNr, double layerpos,
                       veltrane::RunControl& run)
{
    TEHOptionpara opt = Options(Riedit::NADN, m);
    opt.Theta1 = theta1;
    opt.Theta2 = theta2;
    opt.LayerNr = layerNr;
    opt.Layerpos = layerpos;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_D> calc;
    CreateCalcEwave_D(calc, run, p, opt, list);
    RunCalcEwave_D(calc, p, opt, list);
    return list;
}

inline TEWaveList Scan(const TSimparameter& p, double theta1, double theta2, int m, int layerNr, double layerpos)
{
    veltrane::RunControl run;
    return Scan(p, theta1, theta2, m, layerNr, layerpos, run);
}

}  // namespace fieldstacks
