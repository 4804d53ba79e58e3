#pragma once
// The principal complex square root for the per-point roots. Inside the
// range where x^2 + y^2 neither overflows nor underflows it is computed
// inline; outside it, and for non-finite input (which raises the math
// error), the checked library root takes over. Signed zeros behave as in
// the library: the branch cut lies on the negative real axis.

#include <cmath>

#include "optics/MathError.h"

namespace veltrane {

inline std::complex<double> ComplexSqrt(std::complex<double> z)
{
    const double x = z.real(), y = z.imag();
    const double m2 = x * x + y * y;
    if (!(m2 > 1e-300 && m2 < 1e300))
        return vmath::sqrt(z);
    const double t = std::sqrt(0.5 * (std::sqrt(m2) + std::abs(x)));
    if (x >= 0.0)
        return {t, y / (2.0 * t)};
    return {std::abs(y) / (2.0 * t), std::copysign(t, y)};
}

}  // namespace veltrane
