#pragma once
// Runs the engine on a record the way the program does (create, run,
// delete) with a scripted platform that records every box.

#include <memory>

#include "optics/CalcPlasmon.h"
#include "platform/ScriptedPlatform.h"
#include "support/Stacks.h"

namespace veltrane::test {

struct EngineRun {
    ScriptedPlatform script;
    TResColList list;
    CalcOutcome created;
    CalcOutcome ran;

    explicit EngineRun(const TSimparameter& p)
    {
        ScopedPlatform use(script);
        std::unique_ptr<TCalcPlasmon> calc;
        created = CreateCalcPlasmon(calc, p, list, ErrorReport::ShowBox);
        ran = RunCalcPlasmon(calc.get(), p, list, ErrorReport::ShowBox);
        DeleteCalcPlasmon(calc);
    }
    const TResPunkt& at(int i, int j = 0) const { return list.at(j).Points.at(i); }
};

// One point at the angle thetaDeg (a two-point scan whose first point is it).
inline TResPunkt pointAt(TSimparameter p, double thetaDeg)
{
    stacks::thetaScan(p, thetaDeg, thetaDeg + 1.0, 2);
    EngineRun run(p);
    return run.at(0);
}

}  // namespace veltrane::test
