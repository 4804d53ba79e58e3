// Field computations through the 30-layer stack: a depth profile and an
// angle scan, alone and side by side with their bare loops, which do only
// the physics they need (isotropic layers, p and s, fields and their moduli
// and phases). Figures are per sample. The event loop is the silent
// platform's no-op.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <complex>
#include <vector>

#include "BareFields.h"
#include "SideBySide.h"
#include "fields/CalcEwave_D.h"
#include "fields/CalcEwave_T.h"
#include "fields/FieldStacks.h"

namespace {

using C = std::complex<double>;
using fieldstacks::Options;
using fieldstacks::ThirtyLayers;

void BM_DepthProfile(benchmark::State& state)
{
    const int perLayer = int(state.range(0)) / 30;
    const TSimparameter p = ThirtyLayers();
    const TEHOptionpara opt = Options(55.0, perLayer * 30);
    veltrane::RunControl none;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;
    CreateCalcEwave_T(calc, none, p, opt, list);
    for (auto _ : state) {
        RunCalcEwave_T(calc, p, opt, list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(list.size()));
}

void BM_AngleScan(benchmark::State& state)
{
    const TSimparameter p = ThirtyLayers();
    TEHOptionpara opt = Options(Riedit::NADN, int(state.range(0)));
    opt.Theta1 = 20.0;
    opt.Theta2 = 70.0;
    opt.LayerNr = 29;  // the whole stack is walked for every angle
    opt.Layerpos = 10.0;
    veltrane::RunControl none;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_D> calc;
    CreateCalcEwave_D(calc, none, p, opt, list);
    for (auto _ : state) {
        RunCalcEwave_D(calc, p, opt, list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(list.size()));
}

// ---- side by side with the bare loops -----------------------------------

constexpr int kLayers = 30;

struct DepthRun {
    const TSimparameter p = ThirtyLayers();
    TEHOptionpara opt;
    veltrane::RunControl none;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_T> calc;

    explicit DepthRun(int perLayer) : opt(Options(55.0, perLayer * kLayers))
    {
        CreateCalcEwave_T(calc, none, p, opt, list);
    }
    void operator()()
    {
        RunCalcEwave_T(calc, p, opt, list);
        benchmark::DoNotOptimize(list.data());
    }
};

struct BareDepth {
    const bench::BareStack s = bench::bareStack(ThirtyLayers());
    const int perLayer;
    const double d1 = 20.0, dn = 20.0;
    bench::BareWalk w;
    std::vector<std::array<TEWaveField, 6>> out;

    explicit BareDepth(int perLayer) : perLayer(perLayer), out(std::size_t(perLayer * kLayers)) {}
    void operator()()
    {
        bench::bareWalk(s, 55.0 * std::numbers::pi / 180.0, d1, s.n - 1, true, w);
        std::size_t o = 0;
        for (int l = 0; l < s.n; ++l) {
            const double D = bench::shown(s, l, d1, dn);
            for (int i = 0; i < perLayer; ++i)
                bench::bareFields(w, l, double(i) / double(perLayer - 1) * D, out[o++]);
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
};

struct AngleRun {
    const TSimparameter p = ThirtyLayers();
    TEHOptionpara opt;
    veltrane::RunControl none;
    TEWaveList list;
    std::unique_ptr<TCalcEwave_D> calc;

    explicit AngleRun(int m) : opt(Options(Riedit::NADN, m))
    {
        opt.Theta1 = 20.0;
        opt.Theta2 = 70.0;
        opt.LayerNr = kLayers - 1;  // the whole stack is walked for every angle
        opt.Layerpos = 10.0;
        CreateCalcEwave_D(calc, none, p, opt, list);
    }
    void operator()()
    {
        RunCalcEwave_D(calc, p, opt, list);
        benchmark::DoNotOptimize(list.data());
    }
};

struct BareAngle {
    const bench::BareStack s = bench::bareStack(ThirtyLayers());
    const int m;
    bench::BareWalk w;
    std::vector<std::array<TEWaveField, 6>> out;

    explicit BareAngle(int m) : m(m), out(std::size_t(m)) {}
    void operator()()
    {
        for (int i = 0; i < m; ++i) {
            const double deg = i * (50.0 / (m - 1)) + 20.0;
            bench::bareWalk(s, deg * std::numbers::pi / 180.0, 20.0, s.n - 1, false, w);
            bench::bareFields(w, s.n - 1, 10.0, out[std::size_t(i)]);
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
};

// Both loops must give the same fields, or the ratio means nothing.
template <class Engine, class Bare>
bool sameFields(Engine& engine, Bare& bare)
{
    engine();
    bare();
    if (engine.list.size() != bare.out.size())
        return false;
    for (std::size_t i = 0; i < bare.out.size(); ++i)
        for (int c = 0; c < 6; ++c) {
            const C a = engine.list[i].Feld[c].value, b = bare.out[i][c].value;
            if (!engine.list[i].Filled || !(std::abs(a - b) <= 1e-9 * (1.0 + std::abs(b))))
                return false;
        }
    return true;
}

void BM_DepthProfileVsBare(benchmark::State& state)
{
    const int perLayer = int(state.range(0)) / kLayers;
    DepthRun engine(perLayer);
    BareDepth bare(perLayer);
    if (!sameFields(engine, bare)) {
        state.SkipWithError("the bare loop disagrees with the engine");
        return;
    }
    bench::sideBySide(state, double(perLayer * kLayers), engine, bare);
}

void BM_AngleScanVsBare(benchmark::State& state)
{
    const int m = int(state.range(0));
    AngleRun engine(m);
    BareAngle bare(m);
    if (!sameFields(engine, bare)) {
        state.SkipWithError("the bare loop disagrees with the engine");
        return;
    }
    bench::sideBySide(state, double(m), engine, bare);
}

}  // namespace

BENCHMARK(BM_DepthProfile)->Arg(1000)->Arg(10000);
BENCHMARK(BM_AngleScan)->Arg(1000);
BENCHMARK(BM_DepthProfileVsBare)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AngleScanVsBare)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
