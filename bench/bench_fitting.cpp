// The two-parameter recovery of the demo stack (thickness 45 -> 50 nm, eps
// real -11 -> -12.1, full spectrum, p light, 200 points), against the
// yardstick of one bare engine run of the same record: the fit's time per
// engine run over the yardstick is the search's own overhead.

#include <benchmark/benchmark.h>

#include "document/Defaults.h"
#include "fitting/RecoveryFixture.h"

using namespace veltrane;

namespace {

void BM_FitTwoParameters(benchmark::State& state)
{
    const TSimparameter truth = fitcase::demoP();
    const TScanColrec measured = fitcase::measuredRp(truth);
    TSimparameter start = truth;
    start.Dicke[1] = 45.0;
    start.Eps[1].epsX.real(-11.0);
    long runs = 0, iterations = 0;
    for (auto _ : state) {
        TScanColList scans{measured};
        TOptionpara options;
        SetDefaultOptions(options);
        options.Itergrenz = 0.001;
        options.Iteranz = 500;
        RunControl run;
        TSimulationiter fit(scans, options, run);
        fitcase::prepare(fit, start, {7, 8});
        TEngineObjective objective(fit);
        fit.SetObjective(&objective);
        benchmark::DoNotOptimize(fit.Iteration());
        runs += objective.Runs();
        iterations += fit.IterNum;
    }
    const double fits = double(state.iterations());
    state.counters["engine_runs"] = double(runs) / fits;
    state.counters["simplex_iterations"] = double(iterations) / fits;
    state.counters["time_per_run"] = benchmark::Counter(double(runs), benchmark::Counter::kIsRate |
                                                                          benchmark::Counter::kInvert);
}
BENCHMARK(BM_FitTwoParameters)->Unit(benchmark::kMillisecond);

// Yardstick: one engine run of the record on a driver made once.
void BM_EngineRun(benchmark::State& state)
{
    const TSimparameter p = fitcase::demoP();
    std::unique_ptr<TCalcPlasmon> calc;
    TResColList results;
    CreateCalcPlasmon(calc, p, results, ErrorReport::ToCaller);
    for (auto _ : state)
        benchmark::DoNotOptimize(RunCalcPlasmon(calc.get(), p, results, ErrorReport::ToCaller));
    state.counters["time_per_point"] = benchmark::Counter(double(state.iterations()) * p.XAxis.Pktanz,
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EngineRun)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
