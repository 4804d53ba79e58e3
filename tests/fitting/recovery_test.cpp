#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "support/AllocationCount.h"

#include "FitTestSupport.h"
#include "RecoveryFixture.h"

using namespace veltrane;

namespace {

constexpr int Thickness1 = 7;  // layer 1 (the gold), thickness
constexpr int EpsReal1 = 8;    // layer 1, eps X real
constexpr int Thickness2 = 14; // layer 2 (the 5 nm film), thickness

struct RecoveryFixture : FitFixture {
    RecoveryFixture()
    {
        scans = {fitcase::measuredRp(truth)};
        options.Itergrenz = 0.001;
        options.Iteranz = 500;
    }
    TSimparameter truth = fitcase::demoP();
};

}  // namespace

TEST(Recovery, ThicknessFromTheFullSpectrum)
{
    RecoveryFixture f;
    TSimparameter start = f.truth;
    start.Dicke[1] = 45.0;
    fitcase::prepare(f.fit, start, {Thickness1});
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::LimitReached);
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], 50.0, 0.01);
    EXPECT_EQ(f.fit.Parameter.Eps[1].epsX, f.truth.Eps[1].epsX);
    // The shown curve is the fitted one.
    ASSERT_EQ(f.fit.ResultList.size(), 1u);
    EXPECT_NEAR(f.fit.ResultList[0].Points[100].Rp, f.fit.ScanList[0].Points[100].y, 1e-3);
}

TEST(Recovery, ThicknessAndEpsTogether)
{
    RecoveryFixture f;
    TSimparameter start = f.truth;
    start.Dicke[1] = 45.0;
    start.Eps[1].epsX.real(-11.0);
    fitcase::prepare(f.fit, start, {Thickness1, EpsReal1});
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::LimitReached);
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], 50.0, 0.01);
    EXPECT_NEAR(f.fit.Parameter.Eps[1].epsX.real(), -12.1, 0.001);
    EXPECT_EQ(f.fit.Parameter.Eps[1].epsX.imag(), 1.3);
}

TEST(Recovery, ThicknessFromTheMinimumAndTheScaleFactor)
{
    RecoveryFixture f;
    for (TScanPunkt& p : f.scans[0].Points)
        p.y *= 0.5;
    TSimparameter start = f.truth;
    start.Dicke[1] = 45.0;
    fitcase::prepare(f.fit, start, {Thickness1});
    f.fit.Iterartgroup = TSimulationiter::XMinimum;
    f.fit.FitScale = true;
    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::LimitReached);
    // The minimum is sampled every 0.1°, which limits the thickness.
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], 50.0, 0.2);
    EXPECT_NEAR(f.scans[0].Scalefactor, 2.0, 0.001);
    EXPECT_EQ(f.fit.Scalefactor, f.scans[0].Scalefactor);
}

TEST(Recovery, AThicknessBelowZeroIsNeitherTriedNorReported)
{
    // The scan was measured with a film of eps 1.6, below the water's
    // 1.778; the model's film of eps 2.25 comes closest to it at a
    // thickness below zero, so the simplex is driven there.
    class Watching : public TEngineObjective {
    public:
        Watching(TSimulationiter& fit) : TEngineObjective(fit), fit_(fit) {}
        double Evaluate(std::span<const double> v) override
        {
            thinnest = std::min({thinnest, fit_.Parameter.Dicke[1], fit_.Parameter.Dicke[2]});
            const double d = TEngineObjective::Evaluate(v);
            if (atStart < 0.0)
                atStart = d;
            return d;
        }
        TSimulationiter& fit_;
        double thinnest = 1e300, atStart = -1.0;
    };
    struct Grid : RecordingHost {
        void VertexShown() override
        {
            thinnest = std::min({thinnest, fit->Parameter.Dicke[2], fit->ParamSlots[Thickness2].value});
        }
        const TSimulationiter* fit = nullptr;
        double thinnest = 1e300;
    };

    RecoveryFixture f;
    TSimparameter measured = f.truth;
    measured.Eps[2] = {1.6, 1.6, 1.6};
    measured.Dicke[2] = 3.0;
    f.scans = {fitcase::measuredRp(measured)};
    f.options.Itergrenz = 0.0;
    f.options.Iteranz = 200;
    TSimparameter start = f.truth;
    start.Dicke[1] = 48.0;
    fitcase::prepare(f.fit, start, {Thickness1, Thickness2});
    Watching obj(f.fit);
    f.fit.SetObjective(&obj);
    Grid grid;
    grid.fit = &f.fit;
    f.fit.SetHost(&grid);

    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::IterationsDone);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].text, "Number of Iterations reached");
    EXPECT_GE(obj.thinnest, 0.0);
    EXPECT_GE(grid.thinnest, 0.0);
    // The film ends at the bound, where the search found the best match.
    EXPECT_GE(f.fit.Parameter.Dicke[2], 0.0);
    EXPECT_LT(f.fit.Parameter.Dicke[2], 0.05);
    EXPECT_EQ(f.fit.ParamSlots[Thickness2].value, f.fit.Parameter.Dicke[2]);
    EXPECT_LT(f.fit.y[0], 0.5 * obj.atStart);
}

TEST(Recovery, ATrialIsOneRunWithoutAllocation)
{
    RecoveryFixture f;
    fitcase::prepare(f.fit, f.truth, {Thickness1});
    TEngineObjective obj(f.fit);
    f.fit.SetObjective(&obj);
    f.fit.ParamCount = 1;
    f.fit.ParamIndex[0] = Thickness1;
    f.fit.PutFitRange(f.fit.Parameter);
    obj.Begin();
    const double v[] = {48.0};
    f.fit.Divergence(v);  // the first run sizes the working copies
    const long before = veltrane::test::heapAllocations();
    const long runs = obj.Runs();
    const double d = f.fit.Divergence(v);
    EXPECT_EQ(veltrane::test::heapAllocations() - before, 0);
    EXPECT_EQ(obj.Runs(), runs + 1);
    EXPECT_GT(d, 0.0);
    obj.End();
}

TEST(Recovery, AFailedRunEndsTheSearchOnItsOwnPath)
{
    // A run the engine refuses in the middle of the search (here: the result
    // column lost its points).
    class Failing : public TEngineObjective {
    public:
        Failing(TSimulationiter& fit) : TEngineObjective(fit), fit_(fit) {}
        double Evaluate(std::span<const double> v) override
        {
            if (++calls == 6) {
                trial.assign(v.begin(), v.end());
                fit_.ResultList.front().Points.clear();
            }
            return TEngineObjective::Evaluate(v);
        }
        TSimulationiter& fit_;
        int calls = 0;
        std::vector<double> trial;
    };

    RecoveryFixture f;
    TSimparameter start = f.truth;
    start.Dicke[1] = 45.0;
    start.Eps[1].epsX.real(-11.0);
    fitcase::prepare(f.fit, start, {Thickness1, EpsReal1});
    Failing obj(f.fit);
    f.fit.SetObjective(&obj);

    EXPECT_EQ(f.fit.Iteration(), TSimulationiter::NotRun);
    ASSERT_EQ(f.platform.boxes.size(), 2u);  // no box of the engine's own
    EXPECT_EQ(f.platform.boxes[0].caption, "Error iterative Simulation");
    EXPECT_EQ(f.platform.boxes[0].text, "The result columns do not match the X scan.");
    EXPECT_EQ(f.platform.boxes[1].text, "Iterationlimit not reached");
    // The copy holds the best vertex, rounded, not the failed trial.
    int best = 0;
    for (int i = 1; i <= 2; ++i)
        if (f.fit.y[std::size_t(i)] < f.fit.y[std::size_t(best)])
            best = i;
    EXPECT_NEAR(f.fit.Parameter.Dicke[1], TSimulationiter::RoundToStep(0.1, f.fit.p[std::size_t(best)][0]), 1e-12);
    EXPECT_NE(f.fit.Parameter.Dicke[1], obj.trial[0]);
    EXPECT_LT(f.fit.y[std::size_t(best)], 1e300);
}

TEST(Recovery, OnlyTrialsAndTheFinalRoundedVertexAreRun)
{
    // The best vertex shown every iteration was simulated when it was
    // evaluated; only the rounded end point needs a run of its own.
    class Counting : public TEngineObjective {
    public:
        using TEngineObjective::TEngineObjective;
        double Evaluate(std::span<const double> v) override
        {
            ++evaluations;
            return TEngineObjective::Evaluate(v);
        }
        void Show() override
        {
            ++shows;
            TEngineObjective::Show();
        }
        long evaluations = 0, shows = 0;
    };

    RecoveryFixture f;
    TSimparameter start = f.truth;
    start.Dicke[1] = 45.0;
    start.Eps[1].epsX.real(-11.0);
    fitcase::prepare(f.fit, start, {Thickness1, EpsReal1});
    Counting obj(f.fit);
    f.fit.SetObjective(&obj);
    f.fit.Iteration();
    EXPECT_EQ(obj.shows, 1);
    EXPECT_EQ(obj.Runs(), obj.evaluations + 1);
    EXPECT_EQ(f.host.vertexShown, f.fit.IterNum + 1);
}

TEST(AllocationCount, SeesAnAllocation)
{
    // Guards the tests above against a counter that was never linked in.
    const long before = veltrane::test::heapAllocations();
    auto p = std::make_unique<std::vector<int>>(100);
    EXPECT_GT(veltrane::test::heapAllocations(), before);
}
