#include "controls/plain/RIEditText.h"

#include <cctype>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/CLocaleScope.h"

namespace veltrane::riedit {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the syntax and gives the text with '.' as the separator.
bool normalise(std::string_view text, char sep, std::string& out)
{
    out.clear();
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        out += text[i++];
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        out += text[i++];
        ++digits;
    }
    if (i < n && text[i] == sep) {
        out += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            out += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            out += text[i++];
        std::size_t expDigits = 0;
        while (i < n && isDigit(text[i])) {
            out += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

std::string trimExponent(std::string s)
{
    // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5"
    auto e = s.find('E');
    if (e == std::string::npos)
        return s;
    std::string exp = s.substr(e + 1);
    bool neg = !exp.empty() && exp[0] == '-';
    std::size_t k = (!exp.empty() && (exp[0] == '-' || exp[0] == '+')) ? 1 : 0;
    while (k + 1 < exp.size() && exp[k] == '0')
        ++k;
    return s.substr(0, e) + "E" + (neg ? "-" : "") + exp.substr(k);
}

void replacePoint(std::string& s, char sep)
{
    for (char& c : s)
        if (c == '.')
            c = sep;
}

}  // namespace

int runden(long double x)
{
    if (x == 0)
        return 0;
    return int(std::trunc(x + (x > 0 ? 0.5L : -0.5L)));
}

bool textToExtended(std::string_view text, char sep, long double& out)
{
    std::string t;
    if (!normalise(text, sep, t))
        return false;
    long double v;
    {
        CLocaleScope cloc;
        char* end = nullptr;
        v = std::strtold(t.c_str(), &end);
        if (end != t.c_str() + t.size())
            return false;
    }
    if (!std::isfinite(v))
        return false;
    // A typed "-0" must not carry its sign into the computations.
    out = v == 0 ? 0.0L : v;
    return true;
}

bool textToDouble(std::string_view text, char sep, double& out)
{
    long double v;
    if (!textToExtended(text, sep, v) || std::fabs(v) > (long double)DBL_MAX)
        return false;
    out = double(v);
    return true;
}

bool textToInt32(std::string_view text, int& out)
{
    std::size_t i = 0;
    bool neg = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        neg = text[i++] == '-';
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (neg)
        v = -v;
    if (v > INT_MAX || v < INT_MIN)
        return false;
    out = int(v);
    return true;
}

double doubleOf(std::string_view text, char sep)
{
    double v;
    return textToDouble(text, sep, v) ? v : Riedit::NADN;
}

long double extendedOf(std::string_view text, char sep)
{
    long double v;
    return textToExtended(text, sep, v) ? v : Riedit::NAEN;
}

int integerOf(std::string_view text, char sep)
{
    long double v;
    if (!textToExtended(text, sep, v))
        return Riedit::NAIN;
    long double r = std::trunc(v + (v > 0 ? 0.5L : -0.5L));
    if (r > INT_MAX || r < INT_MIN)
        return Riedit::NAIN;
    return runden(v);
}

std::string doubleText(double v, char sep)
{
    if (v == Riedit::NADN)
        return {};
    return extendedText(v, sep);
}

std::string extendedText(long double v, char sep)
{
    if (v == Riedit::NAEN)
        return {};
    char buf[80];
    {
        CLocaleScope cloc;
        std::snprintf(buf, sizeof buf, "%.15LG", v);
    }
    std::string s = trimExponent(buf);
    replacePoint(s, sep);
    return s;
}

std::string integerText(int v)
{
    if (v == Riedit::NAIN)
        return {};
    return std::to_string(v);
}

bool TestRIstr(std::string_view s, TRIEditTyp type, bool onlyPositive, char sep)
{
    switch (type) {
    case reText:
        return true;
    case reDouble: {
        double v;
        return textToDouble(s, sep, v) && (!onlyPositive || v >= 0);
    }
    case reExtended: {
        long double v;
        return textToExtended(s, sep, v) && (!onlyPositive || v >= 0);
    }
    case reInteger:
    case reLongint: {
        int v;
        return textToInt32(s, v) && (!onlyPositive || v >= 0);
    }
    }
    return false;
}

char typedChar(char c, TRIEditTyp type, char sep)
{
    if (type != reText && (c == ',' || c == '.'))
        return sep;
    return c;
}

bool isNumberStart(std::string_view s, TRIEditTyp type, bool onlyPositive, char sep)
{
    if (type == reText)
        return false;
    std::size_t i = 0;
    const std::size_t n = s.size();
    auto digits = [&] {
        const std::size_t from = i;
        while (i < n && isDigit(s[i]))
            ++i;
        return i - from;
    };
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i++] == '-' && onlyPositive)
            return i == n;
    }
    std::size_t mantissa = digits();
    if (type == reInteger || type == reLongint)
        return mantissa == 0 && i == n;
    if (i < n && s[i] == sep) {
        ++i;
        mantissa += digits();
    }
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        // An exponent needs a mantissa; with its digits the text is complete.
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        return mantissa > 0 && digits() == 0 && i == n;
    }
    return mantissa == 0 && i == n;
}

bool keepTyped(std::string_view newText, TRIEditTyp type, bool onlyPositive, char sep)
{
    return newText.empty() || isNumberStart(newText, type, onlyPositive, sep) ||
           TestRIstr(newText, type, onlyPositive, sep);
}

}  // namespace veltrane::riedit
