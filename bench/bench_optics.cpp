// The engine over whole scans, reported per point, and side by side with
// the bare Rp/Rs transfer-matrix loop: the ratios are measured in one run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <vector>

#include "BareReflectivity.h"
#include "SideBySide.h"
#include "optics/CalcPlasmon.h"
#include "support/Stacks.h"

using namespace veltrane;

namespace {

void perPoint(benchmark::State& state, double points)
{
    state.counters["per_point"] =
        benchmark::Counter(points, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void runEngine(benchmark::State& state, TSimparameter p)
{
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    if (!CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller)) {
        state.SkipWithError("create failed");
        return;
    }
    for (auto _ : state) {
        CalcOutcome o = RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller);
        benchmark::DoNotOptimize(o.ok);
        benchmark::DoNotOptimize(list[0].Points.back().Rp);
    }
    perPoint(state, double(p.XAxis.Pktanz) * double(list.size()));
}

// (a) Theta scan of the four-layer surface-plasmon (demo) stack, P+S.
void BM_ThetaScanDemo(benchmark::State& state)
{
    TSimparameter p = stacks::demo();
    stacks::thetaScan(p, 45.0, 65.0, int(state.range(0)));
    runEngine(state, p);
}
BENCHMARK(BM_ThetaScanDemo)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// (b) Thickness scan of layer 15 in an isotropic stack of n layers.
void BM_ThicknessScanMultilayer(benchmark::State& state)
{
    const int n = int(state.range(0));
    TSimparameter p = stacks::multilayer(n);
    stacks::layerScan(p, pkThickness, std::min(15, n - 1), 0.0, 500.0, 100000, 25.0);
    runEngine(state, p);
    state.counters["per_point_layer"] = benchmark::Counter(
        100000.0 * n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ThicknessScanMultilayer)->Arg(16)->Arg(30)->Unit(benchmark::kMillisecond);

// The Theta scan of an n-layer isotropic stack: full update at every point.
void BM_ThetaScanMultilayer(benchmark::State& state)
{
    const int n = int(state.range(0));
    TSimparameter p = stacks::multilayer(n);
    stacks::thetaScan(p, 10.0, 40.0, 100000);
    runEngine(state, p);
    state.counters["per_point_layer"] = benchmark::Counter(
        100000.0 * n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ThetaScanMultilayer)->Arg(2)->Arg(4)->Arg(8)->Arg(16)->Arg(30)->Unit(benchmark::kMillisecond);

// (c) Theta scan with one anisotropic middle layer.
void BM_ThetaScanAnisoMiddle(benchmark::State& state)
{
    TSimparameter p = stacks::anisoMiddle();
    stacks::thetaScan(p, 45.0, 70.0, 100000);
    runEngine(state, p);
}
BENCHMARK(BM_ThetaScanAnisoMiddle)->Unit(benchmark::kMillisecond);

// ---- side by side with the bare Rp/Rs loop ------------------------------

struct EngineScan {
    TSimparameter p;
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;

    explicit EngineScan(const TSimparameter& rec) : p(rec)
    {
        CreateCalcPlasmon(calc, p, list, ErrorReport::ToCaller);
    }
    void operator()()
    {
        RunCalcPlasmon(calc.get(), p, list, ErrorReport::ToCaller);
        benchmark::DoNotOptimize(list[0].Points.back().Rp);
    }
};

struct BareScan {
    bench::BareStack s;
    const TSimAxispara x;
    std::vector<double> Rp, Rs;

    explicit BareScan(const TSimparameter& rec)
        : s(bench::bareStack(rec)), x(rec.XAxis), Rp(std::size_t(x.Pktanz)), Rs(std::size_t(x.Pktanz))
    {
    }
    void operator()()
    {
        bench::bareThetaScan(s, x.von, x.bis, x.Pktanz, Rp.data(), Rs.data());
        benchmark::DoNotOptimize(Rp.data());
        benchmark::DoNotOptimize(Rs.data());
        benchmark::ClobberMemory();
    }
};

// Both loops must compute the same reflectivities, or the ratio means nothing.
bool sameScan(EngineScan& engine, BareScan& bare)
{
    engine();
    bare();
    const auto& pts = engine.list[0].Points;
    for (std::size_t i = 0; i < pts.size(); ++i)
        if (!pts[i].valid || std::abs(pts[i].Rp - bare.Rp[i]) > 1e-9 || std::abs(pts[i].Rs - bare.Rs[i]) > 1e-9)
            return false;
    return true;
}

// A scan of the size the program runs. Its result columns (64 bytes a point)
// stay in the core's cache as the bare loop's two numbers a point do, so
// that the ratio compares the computations; BM_ThetaScanDemo shows long
// scans.
constexpr int kScanPoints = 2000;

// Theta scans of the surface-plasmon stacks, P+S: 3 layers (glass, gold,
// air) and 4 layers (the demo stack), against the bare loop.
void BM_SurfacePlasmonVsBare(benchmark::State& state)
{
    TSimparameter p = state.range(0) == 3 ? stacks::surfacePlasmon() : stacks::demo();
    stacks::thetaScan(p, p.XAxis.von, p.XAxis.bis, kScanPoints);
    EngineScan engine(p);
    BareScan bare(p);
    if (!sameScan(engine, bare)) {
        state.SkipWithError("the bare loop disagrees with the engine");
        return;
    }
    bench::sideBySide(state, kScanPoints, engine, bare);
}
BENCHMARK(BM_SurfacePlasmonVsBare)->Arg(3)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond);

// The cost of one more layer in a Theta scan (full update at every point):
// the difference between 30 and 3 layers per added layer, engine against
// bare loop.
void BM_AddedLayerVsBare(benchmark::State& state)
{
    TSimparameter thin = stacks::multilayer(3), thick = stacks::multilayer(30);
    stacks::thetaScan(thin, 10.0, 40.0, kScanPoints);
    stacks::thetaScan(thick, 10.0, 40.0, kScanPoints);
    EngineScan engineThin(thin), engineThick(thick);
    BareScan bareThin(thin), bareThick(thick);
    if (!sameScan(engineThin, bareThin) || !sameScan(engineThick, bareThick)) {
        state.SkipWithError("the bare loop disagrees with the engine");
        return;
    }
    const auto t = bench::timeInTurn(state, engineThick, engineThin, bareThick, bareThin);
    const auto& m = t.median;
    const double perLayer = kScanPoints * 27.0;
    state.counters["engine_ns_layer"] = (m[0] - m[1]) / perLayer * 1e9;
    state.counters["bare_ns_layer"] = (m[2] - m[3]) / perLayer * 1e9;
    state.counters["ratio"] = (m[0] - m[1]) / (m[2] - m[3]);
    state.counters["ratio_mean"] = (t.mean[0] - t.mean[1]) / (t.mean[2] - t.mean[3]);
}
BENCHMARK(BM_AddedLayerVsBare)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
