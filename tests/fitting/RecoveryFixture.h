#pragma once
// A measured scan made by the engine from the demo stack (p light, Theta 40
// to 60 in 200 points) or from the surface-plasmon stack with 45 nm of gold,
// and a fit set up to recover its layer-1 parameters from wrong start
// values.

#include <memory>

#include "fitting/EngineObjective.h"
#include "fitting/SimulationIter.h"
#include "optics/CalcPlasmon.h"
#include "support/Noise.h"
#include "support/Stacks.h"

namespace veltrane::fitcase {

inline TSimparameter demoP()
{
    TSimparameter p = stacks::demo();
    p.PolArt = paP;
    p.PolMode = pmP;
    stacks::thetaScan(p, 40.0, 60.0, 200);
    return p;
}

// The Rp curve of the record as a scan file would hold it.
inline TScanColrec measuredRp(const TSimparameter& p)
{
    std::unique_ptr<TCalcPlasmon> calc;
    TResColList results;
    CreateCalcPlasmon(calc, p, results, ErrorReport::ToCaller);
    RunCalcPlasmon(calc.get(), p, results, ErrorReport::ToCaller);
    TScanColrec scan;
    scan.Kind = ckRp;
    scan.Name = "demo";
    for (const TResPunkt& r : results.front().Points)
        scan.Points.push_back({r.x, r.Rp});
    return scan;
}

// The surface-plasmon stack with 45 nm of gold, p light, Theta 40 to 50
// in 200 points: the resonance near 43.8 degrees and the plateau of total
// reflection both lie in the scan.
inline TSimparameter gold45()
{
    TSimparameter p = stacks::surfacePlasmon();
    p.PolArt = paP;
    p.PolMode = pmP;
    p.Dicke[1] = 45.0;
    stacks::thetaScan(p, 40.0, 50.0, 200);
    return p;
}

// The Rp curve as a detector with the given gain reads it, with noise of
// the given amplitude.
inline TScanColrec measuredRp(const TSimparameter& p, double gain, double noise)
{
    TScanColrec scan = measuredRp(p);
    test::Noise n(noise);
    for (TScanPunkt& pt : scan.Points)
        pt.y = pt.y * gain + n.next();
    return scan;
}

// Marks the given slots of fit, with the record's start values.
inline void prepare(TSimulationiter& fit, const TSimparameter& start, std::initializer_list<int> slots)
{
    fit.Parameter = start;
    fit.BuildSlots();
    for (int s : slots)
        fit.ParamSlots[std::size_t(s)].marked = 1;
    fit.ScanIndex = 0;
    fit.Datakind = 0;
    fit.Iterartgroup = TSimulationiter::FullSpectrum;
    fit.LeftLimit = start.XAxis.von;
    fit.RightLimit = start.XAxis.bis;
    fit.ResampleScan();
}

}  // namespace veltrane::fitcase
