#include "plot/plain/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace veltrane {

DecimalDigits decompose(double x, int k)
{
    DecimalDigits d;
    if (x == 0.0 || !std::isfinite(x))
        return d;
    d.negative = x < 0;
    char buf[64];
    std::to_chars_result r;
    if (k >= 17)
        r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific);
    else
        r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific,
                          k < 1 ? 0 : k - 1);
    std::string text(buf, r.ptr);
    auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    d.exponent = std::atoi(text.c_str() + e + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exponent = 0;
    return d;
}

bool compose(bool negative, const std::string& digits, int exponent, double& out)
{
    std::string text = "0." + (digits.empty() ? std::string("0") : digits) + "e" +
                       std::to_string(exponent);
    double v = 0.0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v))
        return false;
    out = negative ? -v : v;
    return true;
}

double pow10Exact(int n)
{
    std::string text = "1e" + std::to_string(n);
    double v = 0.0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        return n > 0 ? HUGE_VAL : 0.0;
    return v;
}

}  // namespace veltrane
