#include "gui/common/plain/StepRounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

struct Scientific {
    int exponent = 0;     // x lies in [10^exponent, 10^(exponent+1))
    int significant = 1;  // digits up to the last one that is not 0
};

// x written with 15 significant digits, as its decimal exponent and the
// digits it really has.
Scientific scientific(double x)
{
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    const std::string_view text(buf, std::size_t(res.ptr - buf));
    const std::size_t e = text.find('e');
    Scientific s;
    const char* expBegin = text.data() + e + 1 + (text[e + 1] == '+');
    std::from_chars(expBegin, text.data() + text.size(), s.exponent);
    std::string_view mantissa = text.substr(0, e);
    while (!mantissa.empty() && (mantissa.back() == '0' || mantissa.back() == '.'))
        mantissa.remove_suffix(1);
    s.significant = std::max(1, int(std::count_if(mantissa.begin(), mantissa.end(),
                                                  [](char c) { return c >= '0' && c <= '9'; })));
    return s;
}

// x rounded to the nearest with the given decimals, and to at most 15
// significant digits. A sum of values with these decimals lies within
// rounding of such a number, so no tie arises.
double roundToDecimals(double x, int decimals)
{
    if (x == 0.0 || !std::isfinite(x))
        return x;
    const int exponent = scientific(x).exponent;
    const int digits = std::min(15, exponent + 1 + decimals);
    if (digits <= 0) {
        // Below the last decimal: either 0 or one unit of it.
        const double unit = std::pow(10.0, -decimals);
        return std::fabs(x) >= 0.5 * unit ? std::copysign(unit, x) : 0.0;
    }
    // The decimal text rounds exactly; reading it back gives the double
    // nearest to the rounded decimal number, with no residue of its own.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digits - 1);
    double rounded = x;
    std::from_chars(buf, res.ptr, rounded);
    return rounded;
}

}  // namespace

int ShownDecimals(double x)
{
    if (x == 0.0 || !std::isfinite(x))
        return 0;
    const Scientific s = scientific(x);
    return std::max(0, s.significant - 1 - s.exponent);
}

double SteppedValue(double value, double step, int k)
{
    const int decimals = std::max(ShownDecimals(step), ShownDecimals(value));
    const double rounded = roundToDecimals(value + k * step, decimals);
    return rounded == 0.0 ? 0.0 : rounded;
}
