#include "fitting/EngineObjective.h"

#include <stdexcept>

#include "fitting/SimulationIter.h"
#include "optics/CalcPlasmon.h"

TEngineObjective::TEngineObjective(TSimulationiter& fit) : fit_(fit) {}

TEngineObjective::~TEngineObjective() { DeleteCalcPlasmon(engine_); }

void TEngineObjective::Begin()
{
    const veltrane::CalcOutcome outcome =
        CreateCalcPlasmon(engine_, fit_.Parameter, fit_.ResultList, veltrane::ErrorReport::ToCaller);
    if (!outcome || !engine_)
        throw std::runtime_error(outcome.message);
}

void TEngineObjective::Run()
{
    if (!engine_)
        throw std::logic_error("the iterative simulation has no engine");
    ++runs_;
    const veltrane::CalcOutcome outcome =
        RunCalcPlasmon(engine_.get(), fit_.Parameter, fit_.ResultList, veltrane::ErrorReport::ToCaller);
    if (outcome)
        return;
    for (TResColrec& col : fit_.ResultList)
        for (TResPunkt& p : col.Points)
            p = TResPunkt{p.x, NOVALUE, NOVALUE, NOVALUE, NOVALUE, NOVALUE, NOVALUE, 0};
    throw std::runtime_error(outcome.message);
}

double TEngineObjective::Evaluate(std::span<const double>)
{
    Run();
    return fit_.Iterartgroup == TSimulationiter::XMinimum ? fit_.DivergenceMinimum()
                                                          : fit_.DivergenceSpectrum();
}

void TEngineObjective::Show() { Run(); }

void TEngineObjective::End() noexcept { DeleteCalcPlasmon(engine_); }
