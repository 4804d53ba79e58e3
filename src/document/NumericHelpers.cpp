#include "document/NumericHelpers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/Platform.h"

double RadToDegree(double rad) { return rad * 180.0 / std::numbers::pi; }

double AbsSqr(const Complex& z)
{
    double m = std::abs(z);
    return m * m;
}

void SetReal(Complex& z, double re) { z.real(re); }
void SetImag(Complex& z, double im) { z.imag(im); }

double Hypot(double a, double b) { return std::sqrt(a * a + b * b); }

double Pow10(int n)
{
    double r = 1.0;
    for (int i = 0; i < (n < 0 ? -n : n); ++i)
        r *= 10.0;
    return n < 0 ? 1.0 / r : r;
}

double CeilToDigit(int n, double x)
{
    double p = Pow10(n);
    double q = x / p;
    if (!std::isfinite(q))
        return x;
    if (q != 0.0) {
        // 0.07 / 0.01 is 7.000000000000001 in binary; ceil would give 8.
        double nearest = std::round(q);
        if (std::fabs(q - nearest) <= 1e-9 * std::max(1.0, std::fabs(q)))
            q = nearest;
        else
            q = std::ceil(q);
    }
    return q * p;
}

void BeepTenTimes()
{
    for (int i = 0; i < 10; ++i)
        veltrane::platform().beep();
}
