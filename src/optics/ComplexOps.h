#pragma once
// Complex product and quotient for the per-point loop, without the library's
// recovery of infinities from NaN results (which costs a test and a call
// per operation): a non-finite value marks its point invalid anyway. The
// quotient scales by the larger part of the divisor (Smith), so it neither
// overflows nor underflows where the plain formula would.

#include <cmath>
#include <complex>

namespace veltrane {

inline std::complex<double> Mul(std::complex<double> a, std::complex<double> b)
{
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

inline std::complex<double> Div(std::complex<double> a, std::complex<double> b)
{
    const double c = b.real(), d = b.imag();
    if (std::abs(c) >= std::abs(d)) {
        const double r = d / c, den = c + d * r;
        return {(a.real() + a.imag() * r) / den, (a.imag() - a.real() * r) / den};
    }
    const double r = c / d, den = c * r + d;
    return {(a.real() * r + a.imag()) / den, (a.imag() * r - a.real()) / den};
}

}  // namespace veltrane
