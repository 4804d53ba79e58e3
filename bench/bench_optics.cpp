// The engine over whole scans, reported per point, next to the plainest
// transfer-matrix loop for the same four-layer stack as a yardstick.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <vector>

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

// The yardstick: the plainest isotropic transfer-matrix loop giving the same
// six numbers per point for the demo stack, with the engine's conventions.
struct Result {
    double x, Rp, Tp, Rs, Ts, Psi, Delta;
};

using C = std::complex<double>;

struct Mat {
    C a, b, c, d;
};

inline Mat mul(const Mat& m, const Mat& n)
{
    return {m.a * n.a + m.b * n.c, m.a * n.b + m.b * n.d, m.c * n.a + m.d * n.c, m.c * n.b + m.d * n.d};
}

inline Mat fresnel(C q) { return {0.5 * (1.0 + q), 0.5 * (1.0 - q), 0.5 * (1.0 - q), 0.5 * (1.0 + q)}; }

void yardstickPoint(const C* eps, const double* d, int n, double k0, double theta, Result& out)
{
    const C kx = k0 * std::sqrt(eps[0]) * std::sin(theta);
    C kzPrev = std::sqrt(k0 * k0 * eps[0] - kx * kx);
    Mat mp{1.0, 0.0, 0.0, 1.0}, ms = mp;
    C kz = kzPrev;
    for (int l = 1; l < n; ++l) {
        kz = std::sqrt(k0 * k0 * eps[l] - kx * kx);
        if (l == n - 1 && kz.imag() < 0.0)
            kz = -kz;
        mp = mul(mp, fresnel(kzPrev * eps[l] / (kz * eps[l - 1])));
        ms = mul(ms, fresnel(kz / kzPrev));
        if (l < n - 1) {
            const C e = std::exp(C(0.0, d[l]) * kz), ie = 1.0 / e;
            mp = {mp.a * ie, mp.b * e, mp.c * ie, mp.d * e};
            ms = {ms.a * ie, ms.b * e, ms.c * ie, ms.d * e};
        }
        kzPrev = kz;
    }
    const C tp = 1.0 / mp.a, rp = mp.c * tp, ts = 1.0 / ms.a, rs = ms.c * ts;
    const C kz0 = std::sqrt(k0 * k0 * eps[0] - kx * kx);
    const bool prop = kz.imag() == 0.0;
    out.Rp = std::norm(rp);
    out.Rs = std::norm(rs);
    out.Tp = prop ? std::norm(tp) * std::abs((eps[n - 1] / kz) / (eps[0] / kz0)) : 0.0;
    out.Ts = prop ? std::norm(ts) * std::abs(kz / kz0) : 0.0;
    out.Psi = std::atan2(std::abs(rp), std::abs(rs)) * 180.0 / std::numbers::pi;
    double delta = std::arg(std::conj(rp) / std::conj(rs)) * 180.0 / std::numbers::pi + 180.0;
    out.Delta = delta > 180.0 ? 360.0 - delta : delta;
}

void BM_YardstickDemo(benchmark::State& state)
{
    const TSimparameter p = stacks::demo();
    const int n = p.Layeranz, points = int(state.range(0));
    std::vector<C> eps(n);
    std::vector<double> d(n);
    for (int l = 0; l < n; ++l) {
        eps[l] = p.Eps[l].epsX;
        d[l] = p.Dicke[l];
    }
    const double k0 = 2.0 * std::numbers::pi / p.Wellenlange;
    std::vector<Result> out(points);
    for (auto _ : state) {
        for (int i = 0; i < points; ++i) {
            const double x = 45.0 + i * 20.0 / (points - 1);
            out[i].x = x;
            yardstickPoint(eps.data(), d.data(), n, k0, x * std::numbers::pi / 180.0, out[i]);
        }
        benchmark::DoNotOptimize(out.back().Rp);
        benchmark::ClobberMemory();
    }
    perPoint(state, points);
}
BENCHMARK(BM_YardstickDemo)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
