#pragma once
// The engine's yardstick: the least a reflectivity scan needs. Rp and Rs of
// an isotropic stack without prism over a Theta scan, by plain 2x2 transfer
// matrices: per layer one root, one exponential and its inverse, the two
// interface matrices and the products. No transmission, no ellipsometric
// angles, no prism, no checks, no objects. Its complex arithmetic is the
// plain formulas, without the library's recovery of infinities from NaN
// results: that recovery is no physics, and a yardstick that pays for it
// hides what the engine wastes.

#include <array>
#include <cmath>
#include <complex>
#include <numbers>

#include "document/Records.h"
#include "optics/ComplexOps.h"
#include "optics/ComplexSqrt.h"

namespace bench {

using C = std::complex<double>;

struct BareStack {
    int n = 0;
    std::array<C, MaxLayers> eps{};
    std::array<double, MaxLayers> d{};
    double k0 = 0.0;
};

// The isotropic stack of a record (the X value of each row).
inline BareStack bareStack(const TSimparameter& p)
{
    BareStack s;
    s.n = p.Layeranz;
    for (int k = 0; k < s.n; ++k) {
        s.eps[std::size_t(k)] = p.Eps[std::size_t(k)].epsX;
        s.d[std::size_t(k)] = p.Dicke[std::size_t(k)];
    }
    s.k0 = 2.0 * std::numbers::pi / p.Wellenlange;
    return s;
}

using veltrane::Div;
using veltrane::Mul;

struct Mat2 {
    C a, b, c, d;
};

inline Mat2 operator*(const Mat2& m, const Mat2& n)
{
    return {Mul(m.a, n.a) + Mul(m.b, n.c), Mul(m.a, n.b) + Mul(m.b, n.d), Mul(m.c, n.a) + Mul(m.d, n.c),
            Mul(m.c, n.b) + Mul(m.d, n.d)};
}

// exp(i kz d) and its inverse.
inline void phase(C kz, double d, C& e, C& ie)
{
    const double m = std::exp(-kz.imag() * d), c = std::cos(kz.real() * d), s = std::sin(kz.real() * d);
    e = C(m * c, m * s);
    ie = C(c / m, -s / m);
}

// Rp and Rs at the angle of incidence theta (radians) in the first layer.
inline void bareReflectivity(const BareStack& s, double theta, double& Rp, double& Rs)
{
    const double k02 = s.k0 * s.k0;
    const C kx = s.k0 * veltrane::ComplexSqrt(s.eps[0]) * std::sin(theta);
    const C kx2 = Mul(kx, kx);
    C kzUp = veltrane::ComplexSqrt(k02 * s.eps[0] - kx2);
    Mat2 mp{1.0, 0.0, 0.0, 1.0}, ms = mp;
    for (int l = 1; l < s.n; ++l) {
        const C kz = veltrane::ComplexSqrt(k02 * s.eps[l] - kx2);
        const C qp = Div(Mul(kzUp, s.eps[l]), Mul(kz, s.eps[l - 1]));
        const C qs = Div(kz, kzUp);
        mp = mp * Mat2{0.5 * (1.0 + qp), 0.5 * (1.0 - qp), 0.5 * (1.0 - qp), 0.5 * (1.0 + qp)};
        ms = ms * Mat2{0.5 * (1.0 + qs), 0.5 * (1.0 - qs), 0.5 * (1.0 - qs), 0.5 * (1.0 + qs)};
        if (l < s.n - 1) {
            C e, ie;
            phase(kz, s.d[l], e, ie);
            mp = {Mul(mp.a, ie), Mul(mp.b, e), Mul(mp.c, ie), Mul(mp.d, e)};
            ms = {Mul(ms.a, ie), Mul(ms.b, e), Mul(ms.c, ie), Mul(ms.d, e)};
        }
        kzUp = kz;
    }
    Rp = std::norm(mp.c) / std::norm(mp.a);
    Rs = std::norm(ms.c) / std::norm(ms.a);
}

// The scan from fromDeg to toDeg in `points` points, as the engine steps it.
inline void bareThetaScan(const BareStack& s, double fromDeg, double toDeg, int points, double* Rp, double* Rs)
{
    for (int i = 0; i < points; ++i) {
        const double deg = i * (toDeg - fromDeg) / (points - 1) + fromDeg;
        bareReflectivity(s, deg * std::numbers::pi / 180.0, Rp[i], Rs[i]);
    }
}

}  // namespace bench
