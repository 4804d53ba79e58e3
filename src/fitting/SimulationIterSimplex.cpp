#include "fitting/SimulationIter.h"

#include <cmath>
#include <exception>
#include <limits>
#include <utility>

#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace {

constexpr double NoValue = std::numeric_limits<double>::infinity();
// Caption of the plain information boxes, the application's title.
const char* const InfoCaption = "Veltrane";

}  // namespace

TSimplexOrder TSimulationiter::OrderVertices(const double* v, int mpts)
{
    TSimplexOrder o;
    o.ilo = 0;
    if (v[0] > v[1]) {
        o.ihi = 0;
        o.inhi = 1;
    } else {
        o.ihi = 1;
        o.inhi = 0;
    }
    for (int i = 0; i < mpts; ++i) {
        if (v[i] <= v[o.ilo])
            o.ilo = i;
        if (v[i] > v[o.ihi]) {
            o.inhi = o.ihi;
            o.ihi = i;
        } else if (v[i] > v[o.inhi] && i != o.ihi) {
            o.inhi = i;
        }
    }
    return o;
}

void TSimulationiter::SimplexSum()
{
    for (int j = 0; j < ParamCount; ++j) {
        double s = 0.0;
        for (int i = 0; i <= ParamCount; ++i)
            s += p[std::size_t(i)][std::size_t(j)];
        psum[std::size_t(j)] = s;
    }
}

double TSimulationiter::Divergence(const double* vertex)
{
    // No layer is thinner than nothing, and a passive layer gains no light.
    // Such a trial is worse than any vertex; it is neither simulated nor put
    // into the copy, so the grid and the end result never show a negative
    // thickness or a layer that amplifies.
    for (int j = 0; j < ParamCount; ++j)
        if (vertex[j] < 0.0 && (atOrAboveZero_[std::size_t(j)] || ParamIndex[std::size_t(j)] % SlotKinds == 0))
            return NoValue;
    ApplyVertex(vertex, false);
    const double d = objective().Evaluate(std::span<const double>(vertex, std::size_t(ParamCount)));
    return std::isnan(d) ? NoValue : d;
}

void TSimulationiter::KeepResults(int vertex)
{
    kept_[std::size_t(vertex)] = ResultList;
    keptValid_[std::size_t(vertex)] = true;
}

double TSimulationiter::SimplexTry(int ihi, double fac)
{
    const int n = ParamCount;
    const double fac1 = (1.0 - fac) / n;
    const double fac2 = fac1 - fac;
    auto& worst = p[std::size_t(ihi)];
    for (int j = 0; j < n; ++j)
        ptry_[std::size_t(j)] = psum[std::size_t(j)] * fac1 - worst[std::size_t(j)] * fac2;
    const double ytry = Divergence(ptry_.data());
    if (ytry < y[std::size_t(ihi)]) {
        y[std::size_t(ihi)] = ytry;
        for (int j = 0; j < n; ++j) {
            psum[std::size_t(j)] += ptry_[std::size_t(j)] - worst[std::size_t(j)];
            worst[std::size_t(j)] = ptry_[std::size_t(j)];
        }
        KeepResults(ihi);
    }
    return ytry;
}

void TSimulationiter::ShowVertex(int i, bool rounded)
{
    ApplyVertex(p[std::size_t(i)].data(), rounded);
    // The unrounded vertex was simulated when it was evaluated.
    if (!rounded && keptValid_[std::size_t(i)])
        ResultList = kept_[std::size_t(i)];
    else
        objective().Show();
    host().VertexShown();
}

void TSimulationiter::RefitScalefactor()
{
    // The factor follows the curve of the best vertex: the curve of the
    // trial that ran last belongs to any vertex and would move the factor
    // every iteration, so that it never settled.
    const int best = OrderVertices(y.data(), ParamCount + 1).ilo;
    if (keptValid_[std::size_t(best)])
        ResultList = kept_[std::size_t(best)];
    if (!FitScalefactor())
        return;
    // Every stored value was measured against the scan as it was before.
    // Kept, they would be compared with trials measured against the new
    // one: a value from a better-matching factor would stay the best
    // forever, and the simplex would shrink onto it and stall there.
    for (int i = 0; i <= ParamCount; ++i) {
        y[std::size_t(i)] = NoValue;
        keptValid_[std::size_t(i)] = false;
        y[std::size_t(i)] = Divergence(p[std::size_t(i)].data());
        KeepResults(i);
    }
}

int TSimulationiter::Simplex()
{
    const double limit = options_.Itergrenz;
    const double maxIter = std::trunc(options_.Iteranz);
    const int mpts = ParamCount + 1;
    SimplexSum();
    IterNum = 0;
    for (;;) {
        ++IterNum;
        RefitScalefactor();
        const TSimplexOrder o = OrderVertices(y.data(), mpts);
        ShowVertex(o.ilo, false);

        const double divergence = (std::fabs(y[std::size_t(o.ihi)]) + std::fabs(y[std::size_t(o.ilo)])) * 0.5;
        const char sep = veltrane::platform().decimalSeparator();
        host().ShowIteration(std::to_string(IterNum), veltrane::cfmt(sep, "%6.4E", divergence));
        run_.Yield();

        int code = NotRun;
        if (divergence < limit)
            code = LimitReached;
        else if (IterNum >= maxIter)
            code = IterationsDone;
        else if (!run_.Running())
            code = Stopped;
        if (code != NotRun) {
            std::swap(y[0], y[std::size_t(o.ilo)]);
            std::swap(p[0], p[std::size_t(o.ilo)]);
            std::swap(kept_[0], kept_[std::size_t(o.ilo)]);
            std::swap(keptValid_[0], keptValid_[std::size_t(o.ilo)]);
            return code;
        }

        double ytry = SimplexTry(o.ihi, -1.0);
        if (ytry <= y[std::size_t(o.ilo)]) {
            SimplexTry(o.ihi, 2.0);
        } else if (ytry >= y[std::size_t(o.inhi)]) {
            const double ysave = y[std::size_t(o.ihi)];
            ytry = SimplexTry(o.ihi, 0.5);
            if (ytry >= ysave) {
                const auto& best = p[std::size_t(o.ilo)];
                for (int i = 0; i < mpts; ++i) {
                    if (i == o.ilo)
                        continue;
                    auto& v = p[std::size_t(i)];
                    for (int j = 0; j < ParamCount; ++j)
                        v[std::size_t(j)] = (v[std::size_t(j)] + best[std::size_t(j)]) * 0.5;
                    // Until it has its value the moved vertex must not count
                    // as the best one.
                    y[std::size_t(i)] = NoValue;
                    keptValid_[std::size_t(i)] = false;
                    y[std::size_t(i)] = Divergence(v.data());
                    KeepResults(i);
                }
                SimplexSum();
            }
        }
    }
}

int TSimulationiter::BestVertex() const
{
    int best = 0;
    for (int i = 1; i <= ParamCount; ++i)
        if (y[std::size_t(i)] < y[std::size_t(best)])
            best = i;
    return best;
}

bool TSimulationiter::RefuseStart()
{
    int count = 0;
    for (const TParamSlot& s : ParamSlots)
        count += s.marked != 0;
    if (count == 0) {
        veltrane::showInformation(InfoCaption, "no layer parameter marked !");
        return true;
    }
    if (count > MaxParam) {
        veltrane::showInformation(InfoCaption, "too many parameter marked (max 10)!");
        return true;
    }
    // Psi and Delta have no resonance minimum and no maximum to scale by.
    if (Datakind > 2 && Iterartgroup == XMinimum) {
        veltrane::showInformation(InfoCaption,
                                  "x-minimum needs Rp, Rs or R(p+s): Psi and Delta have no resonance minimum.");
        return true;
    }
    if (Datakind > 2 && FitScale) {
        veltrane::showInformation(InfoCaption, "The scale factor can only be fitted to Rp, Rs or R(p+s).");
        return true;
    }
    return false;
}

int TSimulationiter::Iteration()
{
    if (!run_.Begin())
        return NotRun;
    if (RefuseStart()) {
        run_.End();
        return NotRun;
    }
    ParamCount = 0;
    for (int s = 0; s < SlotCount; ++s)
        if (ParamSlots[std::size_t(s)].marked)
            ParamIndex[std::size_t(ParamCount++)] = s;
    for (int i = 0; i <= ParamCount; ++i) {
        for (int j = 0; j < ParamCount; ++j)
            p[std::size_t(i)][std::size_t(j)] = SlotValue(Parameter, ParamIndex[std::size_t(j)]);
        y[std::size_t(i)] = NoValue;
    }
    for (int j = 0; j < ParamCount; ++j)
        atOrAboveZero_[std::size_t(j)] = StaysAtOrAboveZero(ParamIndex[std::size_t(j)], p[0][std::size_t(j)], Parameter.EpsMode);
    keptValid_.fill(false);

    veltrane::FitObjective& obj = objective();
    int code = NotRun;
    try {
        FitScalefactor();
        ScanMin = ScanMinimum();
        PutFitRange(Parameter);
        obj.Begin();
        for (int i = 1; i <= ParamCount; ++i) {
            // A 0 times 1.1 is still 0: that coordinate would never move.
            double& c = p[std::size_t(i)][std::size_t(i - 1)];
            c = c == 0.0 ? ZeroStartStep(ParamIndex[std::size_t(i - 1)]) : c * 1.1;
        }
        for (int i = 0; i <= ParamCount; ++i) {
            y[std::size_t(i)] = Divergence(p[std::size_t(i)].data());
            KeepResults(i);
        }
        code = Simplex();
        ShowVertex(0, true);
        obj.End();
    } catch (const std::exception& e) {
        obj.End();
        run_.End();
        // The copy keeps the best point found, not the trial that failed.
        ApplyVertex(p[std::size_t(BestVertex())].data(), true);
        veltrane::showError("Error iterative Simulation", e.what());
        veltrane::showInformation(InfoCaption, "Iterationlimit not reached");
        return NotRun;
    }
    run_.End();
    switch (code) {
    case LimitReached: veltrane::showInformation(InfoCaption, "Iterationlimit reached"); break;
    case IterationsDone: veltrane::showInformation(InfoCaption, "Number of Iterations reached"); break;
    case Stopped: veltrane::showInformation(InfoCaption, "Iteration stopped"); break;
    default: break;
    }
    return code;
}
