// Field computations through the 30-layer stack: a depth profile and an
// angle scan, each next to a yardstick, the plainest loop doing the same
// physics (isotropic layers, p and s, fields and their moduli and phases).
// Figures are per sample. The event loop is the silent platform's no-op.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <complex>
#include <vector>

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

// ---- yardstick: plain arrays, no objects -------------------------------

struct Plain {
    int n = 0;
    std::array<C, 30> eps{};
    std::array<double, 30> d{};
};

Plain PlainStack()
{
    const TSimparameter p = ThirtyLayers();
    Plain s;
    s.n = p.Layeranz;
    for (int k = 0; k < s.n; ++k) {
        s.eps[k] = p.Eps[k].epsX;
        s.d[k] = k == 0 || k == s.n - 1 ? 20.0 : p.Dicke[k];
    }
    return s;
}

struct Field6 {
    std::array<C, 6> v;
    std::array<double, 6> mod, sqr, ph;
};

inline void Store(Field6& f, int c, C v)
{
    f.v[c] = v;
    f.mod[c] = std::abs(v);
    f.sqr[c] = std::norm(v);
    f.ph[c] = std::arg(v) * 57.29577951308232;
}

// Per layer: kz, and the (incident, reflected) pairs for p and s at the top
// of every layer, for one angle.
struct Walk {
    std::array<C, 30> kz;
    std::array<C, 30> p0, p1, s0, s1;
};

inline void PlainWalk(const Plain& s, double thetaDeg, Walk& w, double k0)
{
    const C kx = k0 * std::sqrt(s.eps[0]) * std::sin(thetaDeg * M_PI / 180.0);
    for (int k = 0; k < s.n; ++k)
        w.kz[k] = std::sqrt(k0 * k0 * s.eps[k] - kx * kx);
    // Total matrices, products of interface and propagation matrices.
    C mp[2][2] = {{1, 0}, {0, 1}}, ms[2][2] = {{1, 0}, {0, 1}};
    auto mul = [](C m[2][2], C a, C b, C c, C dd) {
        C r00 = m[0][0] * a + m[0][1] * c, r01 = m[0][0] * b + m[0][1] * dd;
        C r10 = m[1][0] * a + m[1][1] * c, r11 = m[1][0] * b + m[1][1] * dd;
        m[0][0] = r00, m[0][1] = r01, m[1][0] = r10, m[1][1] = r11;
    };
    for (int k = 0; k + 1 < s.n; ++k) {
        if (k > 0) {
            const C e = std::exp(C(0, 1) * w.kz[k] * s.d[k]);
            mul(mp, 1.0 / e, 0, 0, e);
            mul(ms, 1.0 / e, 0, 0, e);
        }
        const C qp = w.kz[k] * s.eps[k + 1] / (w.kz[k + 1] * s.eps[k]);
        const C qs = w.kz[k + 1] / w.kz[k];
        mul(mp, 0.5 * (1.0 + qp), 0.5 * (1.0 - qp), 0.5 * (1.0 - qp), 0.5 * (1.0 + qp));
        mul(ms, 0.5 * (1.0 + qs), 0.5 * (1.0 - qs), 0.5 * (1.0 - qs), 0.5 * (1.0 + qs));
    }
    C a = std::cos(thetaDeg * M_PI / 180.0);
    w.p0[0] = a, w.p1[0] = mp[1][0] * a / mp[0][0];
    w.s0[0] = 1.0, w.s1[0] = ms[1][0] / ms[0][0];
    for (int k = 0; k + 1 < s.n; ++k) {
        C A0 = w.p0[k], A1 = w.p1[k], B0 = w.s0[k], B1 = w.s1[k];
        if (k > 0) {
            const C e = std::exp(C(0, 1) * w.kz[k] * s.d[k]);
            A0 *= e, A1 /= e, B0 *= e, B1 /= e;
        }
        const C qp = w.kz[k] * s.eps[k + 1] / (w.kz[k + 1] * s.eps[k]);
        const C qs = w.kz[k + 1] / w.kz[k];
        // Inverse of [[(1+q)/2, (1-q)/2], [(1-q)/2, (1+q)/2]] is that of q -> 1/q.
        const C ip = 1.0 / qp, is = 1.0 / qs;
        w.p0[k + 1] = 0.5 * ((1.0 + ip) * A0 + (1.0 - ip) * A1);
        w.p1[k + 1] = 0.5 * ((1.0 - ip) * A0 + (1.0 + ip) * A1);
        w.s0[k + 1] = 0.5 * ((1.0 + is) * B0 + (1.0 - is) * B1);
        w.s1[k + 1] = 0.5 * ((1.0 - is) * B0 + (1.0 + is) * B1);
    }
    w.p1[s.n - 1] = w.s1[s.n - 1] = 0.0;
    (void)kx;
}

inline void PlainFields(const Plain& s, const Walk& w, int k, double z, C kx, double k0, Field6& f)
{
    const C e = std::exp(C(0, 1) * w.kz[k] * z);
    const C a0 = w.p0[k] * e, a1 = w.p1[k] / e, b0 = w.s0[k] * e, b1 = w.s1[k] / e;
    const C ff = -kx / w.kz[k];
    Store(f, ehEx, a0 + a1);
    Store(f, ehHy, (w.kz[k] - kx * ff) / k0 * (a0 - a1));
    Store(f, ehEz, ff * (a0 - a1));
    Store(f, ehHx, -(w.kz[k] / k0) * (b0 - b1));
    Store(f, ehEy, b0 + b1);
    Store(f, ehHz, kx / k0 * (b0 + b1));
}

void BM_DepthYardstick(benchmark::State& state)
{
    const Plain s = PlainStack();
    const int perLayer = int(state.range(0)) / 30;
    const double k0 = 2.0 * M_PI / 632.8, theta = 55.0;
    std::vector<Field6> out(std::size_t(perLayer * s.n));
    Walk w;
    for (auto _ : state) {
        PlainWalk(s, theta, w, k0);
        const C kx = k0 * std::sqrt(s.eps[0]) * std::sin(theta * M_PI / 180.0);
        std::size_t o = 0;
        for (int k = 0; k < s.n; ++k)
            for (int i = 0; i < perLayer; ++i) {
                const double z = (k == 0 ? -s.d[0] : 0.0) + s.d[k] * i / (perLayer - 1);
                PlainFields(s, w, k, z, kx, k0, out[o++]);
            }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(out.size()));
}

void BM_AngleYardstick(benchmark::State& state)
{
    const Plain s = PlainStack();
    const int m = int(state.range(0));
    const double k0 = 2.0 * M_PI / 632.8;
    std::vector<Field6> out(static_cast<std::size_t>(m));
    Walk w;
    for (auto _ : state) {
        for (int i = 0; i < m; ++i) {
            const double theta = 20.0 + 50.0 * i / (m - 1);
            PlainWalk(s, theta, w, k0);
            const C kx = k0 * std::sqrt(s.eps[0]) * std::sin(theta * M_PI / 180.0);
            PlainFields(s, w, s.n - 1, 10.0, kx, k0, out[std::size_t(i)]);
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(out.size()));
}

}  // namespace

BENCHMARK(BM_DepthProfile)->Arg(1000)->Arg(10000);
BENCHMARK(BM_DepthYardstick)->Arg(1000)->Arg(10000);
BENCHMARK(BM_AngleScan)->Arg(1000);
BENCHMARK(BM_AngleYardstick)->Arg(1000);
BENCHMARK_MAIN();
