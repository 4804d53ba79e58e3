#include "gui/common/plain/NumericHelpers.h"

#include <algorithm>
#include <cmath>

#include "platform/Platform.h"

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
