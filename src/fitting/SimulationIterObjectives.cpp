#include "fitting/SimulationIter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fitting/Quad3PInterpol.h"

namespace {

constexpr double NoValue = std::numeric_limits<double>::infinity();

double simulatedValue(const TResPunkt& r, int datakind)
{
    switch (datakind) {
    case 0: return r.Rp;
    case 1: return r.Rs;
    case 2: return std::sqrt(r.Rs * r.Rs + r.Rp * r.Rp);
    case 3: return r.Psi;
    default: return r.Delta;
    }
}

}  // namespace

double TSimulationiter::DivergenceSpectrum() const
{
    if (ResultList.empty() || ScanList.empty())
        return NoValue;
    const auto& sim = ResultList.front().Points;
    const auto& meas = ScanList.front().Points;
    const std::size_t n = std::min(sim.size(), meas.size());
    double deviation = 0.0, reference = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!sim[i].valid)
            continue;
        const double s = simulatedValue(sim[i], Datakind);
        deviation += std::fabs(s - meas[i].y);
        reference += std::fabs(s);
    }
    const double d = 100.0 * deviation / reference;
    return reference > 0.0 && std::isfinite(d) ? d : NoValue;
}

double TSimulationiter::DivergenceMinimum() const
{
    if (Datakind > 2 || ResultList.empty() || ScanMin == NOVALUE)
        return NoValue;
    TQuad3PInterpolData interpol(Datakind);
    const TQuad3Punkt m = interpol.Extremum(&ResultList.front(), true);
    if (!HasExtremum(m))
        return NoValue;
    const double sim = m.x;
    if (sim == 0.0)
        return ScanMin == 0.0 ? 0.0 : 100.0;  // 100 |0 - meas| / |meas|
    const double d = 100.0 * std::fabs(sim - ScanMin) / std::fabs(sim);
    return std::isfinite(d) ? d : NoValue;
}

double TSimulationiter::ScanMinimum() const
{
    if (ScanList.empty())
        return NOVALUE;
    TQuad3PInterpolScan interpol;
    const TQuad3Punkt m = interpol.Extremum(&ScanList.front(), true);
    return HasExtremum(m) ? m.x : NOVALUE;
}

double TSimulationiter::SimulationMaximum() const
{
    if (Datakind > 2 || ResultList.empty())
        return NOVALUE;
    TQuad3PInterpolData interpol(Datakind);
    const TQuad3Punkt m = interpol.Extremum(&ResultList.front(), false);
    return HasExtremum(m) ? m.y : NOVALUE;
}

double TSimulationiter::ScanMaximum() const
{
    if (ScanList.empty())
        return NOVALUE;
    TQuad3PInterpolScan interpol;
    const TQuad3Punkt m = interpol.Extremum(&ScanList.front(), false);
    return HasExtremum(m) ? m.y : NOVALUE;
}

void TSimulationiter::FitScalefactor()
{
    if (!FitScale)
        return;
    TScanColrec* scan = ChosenScan();
    if (!scan)
        return;
    const double simMax = SimulationMaximum();
    const double measMax = ScanMaximum();
    // Without a positive maximum on both sides there is nothing to scale by.
    if (simMax == NOVALUE || measMax == NOVALUE || !(measMax > 0.0) || !(simMax > 0.0))
        return;
    const double factor = RoundToStep(options_.ScanScalestep, simMax / measMax * scan->Scalefactor);
    if (!(factor > 0.0) || !std::isfinite(factor))
        return;
    Scalefactor = factor;
    scan->Scalefactor = factor;
    ResampleScan();
    ScanMin = ScanMinimum();
    host().ScanChanged();
}
