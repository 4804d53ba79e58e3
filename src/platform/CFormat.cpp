#include "platform/CFormat.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/CLocaleScope.h"
#include "platform/Utf8.h"

namespace veltrane {
namespace {

void replacePoint(std::string& s, char sep)
{
    if (sep == '.')
        return;
    for (char& c : s)
        if (c == '.')
            c = sep;
}

std::string formatString(const std::string& directive, const std::string& value)
{
    // directive is like "%-10.3s": flags, width, precision.
    bool left = directive.find('-') != std::string::npos;
    std::size_t width = 0;
    std::size_t precision = std::string::npos;
    std::size_t i = 1;
    while (i < directive.size() && (directive[i] == '-' || directive[i] == '+' || directive[i] == ' ' || directive[i] == '#' || directive[i] == '0'))
        ++i;
    while (i < directive.size() && std::isdigit((unsigned char)directive[i]))
        width = width * 10 + std::size_t(directive[i++] - '0');
    if (i < directive.size() && directive[i] == '.') {
        precision = 0;
        ++i;
        while (i < directive.size() && std::isdigit((unsigned char)directive[i]))
            precision = precision * 10 + std::size_t(directive[i++] - '0');
    }
    std::string v = precision == std::string::npos ? value : utf8Left(value, precision);
    return left ? padRight(v, width) : padLeft(v, width);
}

std::string formatNumber(const std::string& directive, char conv, const FormatArg& arg, char sep)
{
    char buf[512];
    CLocaleScope cloc;
    switch (conv) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'c': {
        long long v = 0;
        if (auto p = std::get_if<long long>(&arg))
            v = *p;
        else if (auto d = std::get_if<double>(&arg))
            v = std::isfinite(*d) ? (long long)*d : 0;
        else
            return formatString("%s", "");
        std::string f = directive.substr(0, directive.size() - 1) + "ll" + conv;
        if (conv == 'c')
            f = directive;
        std::snprintf(buf, sizeof buf, f.c_str(), conv == 'c' ? (int)v : v);
        return buf;
    }
    default: {
        double v = 0;
        if (auto d = std::get_if<double>(&arg))
            v = *d;
        else if (auto p = std::get_if<long long>(&arg))
            v = double(*p);
        else
            return "";
        std::snprintf(buf, sizeof buf, directive.c_str(), v);
        std::string s = buf;
        replacePoint(s, sep);
        return s;
    }
    }
}

}  // namespace

std::string cformat(char sep, std::string_view fmt, const std::vector<FormatArg>& args)
{
    std::string out;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < fmt.size()) {
        char c = fmt[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < fmt.size() && fmt[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        while (j < fmt.size() && std::string_view("-+ #0").find(fmt[j]) != std::string_view::npos)
            ++j;
        while (j < fmt.size() && (std::isdigit((unsigned char)fmt[j]) || fmt[j] == '.'))
            ++j;
        while (j < fmt.size() && (fmt[j] == 'l' || fmt[j] == 'h' || fmt[j] == 'L'))
            ++j;
        if (j >= fmt.size()) {
            out.append(fmt.substr(i));
            break;
        }
        char conv = fmt[j];
        std::string directive;
        for (std::size_t k = i; k < j; ++k)
            if (fmt[k] != 'l' && fmt[k] != 'h' && fmt[k] != 'L')
                directive += fmt[k];
        directive += conv;
        FormatArg arg = next < args.size() ? args[next] : FormatArg{std::string()};
        ++next;
        if (conv == 's') {
            std::string v;
            if (auto s = std::get_if<std::string>(&arg))
                v = *s;
            else if (auto d = std::get_if<double>(&arg))
                v = floatToText(*d, sep);
            else
                v = std::to_string(std::get<long long>(arg));
            out += formatString(directive, v);
        } else if (std::string_view("diuxXcfFeEgG").find(conv) != std::string_view::npos) {
            out += formatNumber(directive, conv, arg, sep);
        } else {
            out.append(fmt.substr(i, j - i + 1));
        }
        i = j + 1;
    }
    return out;
}

std::string floatToText(double v, char sep)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v > 0 ? "INF" : "-INF";
    char buf[64];
    {
        CLocaleScope cloc;
        std::snprintf(buf, sizeof buf, "%.15G", v);
    }
    std::string s = buf;
    // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5"
    auto e = s.find('E');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e);
        std::string exp = s.substr(e + 1);
        bool neg = !exp.empty() && exp[0] == '-';
        std::size_t k = (!exp.empty() && (exp[0] == '-' || exp[0] == '+')) ? 1 : 0;
        while (k + 1 < exp.size() && exp[k] == '0')
            ++k;
        s = mant + "E" + (neg ? "-" : "") + exp.substr(k);
    }
    replacePoint(s, sep);
    return s;
}

bool parseDouble(std::string_view text, char sep, double& out)
{
    std::string t(text);
    std::size_t a = t.find_first_not_of(" \t");
    std::size_t b = t.find_last_not_of(" \t\r\n");
    if (a == std::string::npos)
        return false;
    t = t.substr(a, b - a + 1);
    for (char& c : t) {
        if (c == sep)
            c = '.';
        // Only digits, one sign, a point and an exponent make a number.
        if (!(std::isdigit((unsigned char)c) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    CLocaleScope cloc;
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0' || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

}  // namespace veltrane
