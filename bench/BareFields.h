#pragma once
// The field computations' yardsticks: the least a depth profile and an angle
// scan need, for an isotropic stack without prism, p and s light. For one
// angle: the roots, the total matrices for the reflected amplitudes, and the
// (incident, reflected) pair at the start of every layer, found by walking
// down through the inverse interface matrices. Per sample: one exponential
// and its inverse, the six components, and for each its squared modulus,
// modulus and phase. Arithmetic as in the reflectivity yardstick.

#include <array>
#include <cmath>
#include <numbers>

#include "BareReflectivity.h"

namespace bench {

struct Pair {
    C a0, a1;
};

// The walk of one angle: per layer its root, the per-layer factors of the
// field components and the p and s pairs at the start of its shown stretch
// (the first half-space starts d_1 above the stack).
struct BareWalk {
    C kx, hz;
    std::array<C, MaxLayers> kz, hy, ez, hx;
    std::array<Pair, MaxLayers> p, s;
};

// Shown thickness: d_1, the layer's own, d_n.
inline double shown(const BareStack& s, int l, double d1, double dn)
{
    return l == 0 ? d1 : l == s.n - 1 ? dn : s.d[std::size_t(l)];
}

// The inverse of the interface matrix 0.5 [[1+q, 1-q], [1-q, 1+q]] is the
// same form with 1/q.
inline Pair crossInterface(const Pair& v, C q)
{
    const C sum = v.a0 + v.a1, dif = Div(v.a0 - v.a1, q);
    return {0.5 * (sum + dif), 0.5 * (sum - dif)};
}

// The walk down to layer `last` at the angle theta (radians). The pair at
// the start of the first half-space's shown stretch only when asked for.
inline void bareWalk(const BareStack& s, double theta, double d1, int last, bool firstStretch, BareWalk& w)
{
    const double k02 = s.k0 * s.k0, invK0 = 1.0 / s.k0;
    w.kx = s.k0 * veltrane::ComplexSqrt(s.eps[0]) * std::sin(theta);
    const C kx2 = Mul(w.kx, w.kx);
    w.hz = w.kx * invK0;
    std::array<C, MaxLayers> qp, qs, e, ie;
    Mat2 mp{1.0, 0.0, 0.0, 1.0}, ms = mp;
    for (int l = 0; l < s.n; ++l) {
        const C kz = veltrane::ComplexSqrt(k02 * s.eps[l] - kx2);
        w.kz[l] = kz;
        if (l > 0) {
            qp[l] = Div(Mul(w.kz[l - 1], s.eps[l]), Mul(kz, s.eps[l - 1]));
            qs[l] = Div(kz, w.kz[l - 1]);
            mp = mp * Mat2{0.5 * (1.0 + qp[l]), 0.5 * (1.0 - qp[l]), 0.5 * (1.0 - qp[l]), 0.5 * (1.0 + qp[l])};
            ms = ms * Mat2{0.5 * (1.0 + qs[l]), 0.5 * (1.0 - qs[l]), 0.5 * (1.0 - qs[l]), 0.5 * (1.0 + qs[l])};
        }
        if (l > 0 && l < s.n - 1) {
            phase(kz, s.d[l], e[l], ie[l]);
            mp = {Mul(mp.a, ie[l]), Mul(mp.b, e[l]), Mul(mp.c, ie[l]), Mul(mp.d, e[l])};
            ms = {Mul(ms.a, ie[l]), Mul(ms.b, e[l]), Mul(ms.c, ie[l]), Mul(ms.d, e[l])};
        }
        const C ff = -Div(w.kx, kz);
        w.hy[l] = (kz - Mul(w.kx, ff)) * invK0;
        w.ez[l] = ff;
        w.hx[l] = -kz * invK0;
    }
    // The pair at the top of the stack, then back over d_1.
    const C a = std::cos(theta);
    Pair p{a, Div(Mul(mp.c, a), mp.a)}, t{1.0, Div(ms.c, ms.a)};
    if (firstStretch) {
        phase(w.kz[0], d1, e[0], ie[0]);
        w.p[0] = {Mul(p.a0, ie[0]), Mul(p.a1, e[0])};
        w.s[0] = {Mul(t.a0, ie[0]), Mul(t.a1, e[0])};
    }
    for (int l = 1; l <= last; ++l) {
        if (l > 1) {
            p = {Mul(p.a0, e[l - 1]), Mul(p.a1, ie[l - 1])};
            t = {Mul(t.a0, e[l - 1]), Mul(t.a1, ie[l - 1])};
        }
        p = crossInterface(p, qp[l]);
        t = crossInterface(t, qs[l]);
        if (l == s.n - 1)
            p.a1 = t.a1 = 0.0;
        w.p[l] = p;
        w.s[l] = t;
    }
}

inline void store(TEWaveField& f, C v)
{
    f.value = v;
    f.modulusSqr = v.real() * v.real() + v.imag() * v.imag();
    f.modulus = std::sqrt(f.modulusSqr);
    f.phaseDeg = std::atan2(v.imag(), v.real()) * (180.0 / std::numbers::pi);
}

// The six components at depth z below the start of layer l's shown stretch.
inline void bareFields(const BareWalk& w, int l, double z, std::array<TEWaveField, 6>& f)
{
    C e, ie;
    phase(w.kz[l], z, e, ie);
    const C a0 = Mul(w.p[l].a0, e), a1 = Mul(w.p[l].a1, ie);
    const C b0 = Mul(w.s[l].a0, e), b1 = Mul(w.s[l].a1, ie);
    store(f[ehEx], a0 + a1);
    store(f[ehHy], Mul(w.hy[l], a0 - a1));
    store(f[ehEz], Mul(w.ez[l], a0 - a1));
    store(f[ehHx], Mul(w.hx[l], b0 - b1));
    store(f[ehEy], b0 + b1);
    store(f[ehHz], Mul(w.hz, b0 + b1));
}

}  // namespace bench
