// The axis's number helpers: rounding, powers of ten, digit positions and
// the tick labels.

#include <algorithm>
#include <cmath>

#include "plot/plain/Axis.h"
#include "plot/plain/DecimalDigits.h"

using veltrane::decompose;
using veltrane::DecimalDigits;

namespace {

// The first k digits of d, padded with zeros and rounded half up at the k-th
// digit; a carry past the first digit makes the string one digit longer.
std::string firstDigits(const std::string& d, int k)
{
    if (k < 1)
        return {};
    std::string r = d.substr(0, std::min<std::size_t>(d.size(), std::size_t(k)));
    r.resize(std::size_t(k), '0');
    if (std::size_t(k) < d.size() && d[std::size_t(k)] >= '5') {
        if (TAxis::str_aufrunden(r))
            r.assign(1, '1').append(std::size_t(k), '0');  // 9.99 -> 10.00
    }
    return r;
}

// Places the decimal point f digits from the right of the digit string r
// (f < 0), or appends f zeros (f >= 0).
std::string placePoint(const std::string& r, int f)
{
    if (f >= 0)
        return r.empty() ? r : r + std::string(std::size_t(f), '0');
    std::size_t decimals = std::size_t(-f);
    if (r.size() <= decimals)
        return "0." + std::string(decimals - r.size(), '0') + r;
    return r.substr(0, r.size() - decimals) + "." + r.substr(r.size() - decimals);
}

std::string candidate(const DecimalDigits& d, int deci, int e)
{
    // Keep the string length sane for a digit position far below the value.
    int k = std::min(d.exponent - deci, 400);
    std::string s = placePoint(firstDigits(d.digits, k), deci - e);
    if (d.negative)
        s.insert(s.begin(), '-');
    if (s.find_first_not_of("-.0") == std::string::npos)
        return "0";
    return s;
}

int floorDiv3(int n) { return n >= 0 ? n / 3 : -((-n + 2) / 3); }

}  // namespace

bool TAxis::str_aufrunden(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    digits.assign(1, '1');
    return true;
}

double TAxis::Runden(double x)
{
    if (x == 0.0)
        return 0.0;
    return std::trunc(x + (x > 0 ? 0.5 : -0.5));
}

double TAxis::Pot10n(int n) { return veltrane::pow10Exact(n); }

double TAxis::Runden_nach(double x, int n)
{
    // Divide by the exact power where the position lies below the point, so
    // that 4.1 stays 4.1 and not 4.1000000000000005.
    double p = Pot10n(n < 0 ? -n : n);
    if (!std::isfinite(p) || p == 0.0)
        return x;
    double scaled = n < 0 ? x * p : x / p;
    // Beyond 2^53 the value has no digits left at that position.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9007199254740992.0)
        return x;
    double r = Runden(scaled);
    return n < 0 ? r / p : r * p;
}

double TAxis::Pot10(double x) { return std::pow(10.0, x); }

double TAxis::log10(double x) { return std::log(x) / std::log(10.0); }

int TAxis::Getdeci(double x)
{
    DecimalDigits d = decompose(x, 2);
    return d.exponent - int(d.digits.size());
}

std::string TAxis::Getformatstr(double value, int deci, TZahlenFormat format)
{
    // All digits the double holds, so that a step far below the value (1E10
    // and 1E10 + 1) still tells neighbouring labels apart.
    return FormatDigits(decompose(value, 17), deci, format);
}

std::string TAxis::FormatDigits(const DecimalDigits& d, int deci, TZahlenFormat format)
{
    if (d.digits.empty())
        return "0";
    int E = d.exponent;
    std::string fixed = candidate(d, deci, 0);
    int es = E - 1;
    std::string sci = candidate(d, deci, es);
    if (sci != "0")
        sci.append(1, 'E').append(std::to_string(es));
    int et = floorDiv3(E - 1) * 3;
    std::string tech = candidate(d, deci, et);
    if (tech != "0")
        tech.append(1, 'E').append(std::to_string(et));
    switch (format) {
    case zfFliesskommar: return fixed;
    case zfExponent: return sci;
    case zfTechnik: return tech;
    case zfAutomatic: break;
    }
    return sci.size() < fixed.size() ? sci : fixed;
}

int TAxis::LabelDeci(double v) const
{
    return LinearSteps_ ? Getdeci(Schrittweite_) : Getdeci(v);
}

std::string TAxis::GetLabel(double v) const
{
    if (LinearSteps_)
        return Getformatstr(v, Getdeci(Schrittweite_), ZahlenFormat_);
    // A decade label counts its digits and writes them from one reading.
    // Read apart, 9.9999999999999993e278 counts as 1E280 at two digits but
    // writes as 9.99..E278 at all of them, which leaves no digit at the
    // counted position and the label "0".
    const DecimalDigits d = decompose(v, 2);
    return FormatDigits(d, d.exponent - int(d.digits.size()), ZahlenFormat_);
}

std::string TAxis::GetMousekordstr(double v) const
{
    return Getformatstr(v, LabelDeci(v) - 2, ZahlenFormat_);
}

int TAxis::GetmaxTextbreite(const TTextMeasure& m) const
{
    double values[3] = {StartValue_, (StartValue_ + EndValue_) / 2, EndValue_};
    int widest = 0;
    for (double v : values)
        widest = std::max(widest, m.TextWidth(Font_, GetLabel(v)));
    return widest;
}

int TAxis::GetTextHoehe(const TTextMeasure& m, const std::string& text) const
{
    return m.TextHeight(Font_, text);
}
