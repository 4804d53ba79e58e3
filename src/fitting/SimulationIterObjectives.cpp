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

// Calls f(simulated, measured) for every valid point of the first result
// column with its scan point at the same x; false when either list is empty.
template <typename F>
bool forEachPair(const TResColList& results, const TScanColList& scans, int datakind, F f)
{
    if (results.empty() || scans.empty())
        return false;
    const auto& sim = results.front().Points;
    const auto& meas = scans.front().Points;
    const std::size_t n = std::min(sim.size(), meas.size());
    for (std::size_t i = 0; i < n; ++i)
        if (sim[i].valid)
            f(simulatedValue(sim[i], datakind), meas[i].y);
    return true;
}

}  // namespace

double TSimulationiter::DivergenceSpectrum() const
{
    double deviation = 0.0, reference = 0.0;
    if (!forEachPair(ResultList, ScanList, Datakind, [&](double s, double m) {
            deviation += std::fabs(s - m);
            reference += std::fabs(s);
        }))
        return NoValue;
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

double TSimulationiter::ScanToSimulationRatio() const
{
    // Over the whole fit range, not from the two maxima: the highest point
    // of a noisy scan lies high by about the noise, the factor low with it,
    // and the fitted layers follow (1 % of factor moves a 45 nm gold film
    // by some 2 nm). Least squares with the noise in the scan:
    // meas x ratio = sim gives ratio = sum sim^2 / sum sim x meas.
    double simSim = 0.0, simMeas = 0.0;
    if (Datakind > 2 || !forEachPair(ResultList, ScanList, Datakind, [&](double s, double m) {
            simSim += s * s;
            simMeas += s * m;
        }))
        return NoValue;
    const double ratio = simSim / simMeas;
    return simMeas > 0.0 && simSim > 0.0 && std::isfinite(ratio) ? ratio : NoValue;
}

bool TSimulationiter::FitScalefactor()
{
    if (!FitScale)
        return false;
    TScanColrec* scan = ChosenScan();
    if (!scan)
        return false;
    const double ratio = ScanToSimulationRatio();
    if (ratio == NoValue)
        return false;
    const double factor = RoundToStep(options_.ScanScalestep, ratio * scan->Scalefactor);
    if (!(factor > 0.0) || !std::isfinite(factor))
        return false;
    // The rounding is not exact in binary: the same factor can come back a
    // bit apart, and taken as new it would have every vertex measured again
    // in every iteration. Rounded factors that really differ do so by a
    // rounding unit, far more than this.
    if (std::fabs(factor - scan->Scalefactor) <= std::fabs(factor) * 1e-12) {
        Scalefactor = scan->Scalefactor;
        return false;
    }
    Scalefactor = factor;
    scan->Scalefactor = factor;
    ResampleScan();
    ScanMin = ScanMinimum();
    host().ScanChanged();
    return true;
}
