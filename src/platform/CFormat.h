#pragma once
// C-style number and text formatting that never depends on the process
// locale (a QApplication sets LC_ALL from the environment, after which printf
// writes commas under de_DE). The decimal separator is an argument; widths
// and precisions of %s count characters, not UTF-8 bytes.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrane {

using FormatArg = std::variant<long long, double, std::string>;

// One printf format with its arguments: %d %i %u %x %c %s %f %e %E %g %G and
// %%, with flags, width and precision (no '*'). A missing or mismatched
// argument formats as empty; numbers given to %s print in the shortest form.
std::string cformat(char sep, std::string_view fmt, const std::vector<FormatArg>& args);

inline FormatArg toFormatArg(double v) { return v; }
inline FormatArg toFormatArg(float v) { return double(v); }
inline FormatArg toFormatArg(int v) { return (long long)v; }
inline FormatArg toFormatArg(long v) { return (long long)v; }
inline FormatArg toFormatArg(long long v) { return v; }
inline FormatArg toFormatArg(unsigned v) { return (long long)v; }
inline FormatArg toFormatArg(const std::string& v) { return v; }
inline FormatArg toFormatArg(const char* v) { return std::string(v); }
inline FormatArg toFormatArg(std::string_view v) { return std::string(v); }
inline FormatArg toFormatArg(const FormatArg& v) { return v; }

template <typename... A>
std::string cfmt(char sep, std::string_view fmt, const A&... a)
{
    return cformat(sep, fmt, std::vector<FormatArg>{toFormatArg(a)...});
}


// The shortest general form with up to 15 significant digits: "632.8",
// "1E-5", "1.5E20"; the class library's float-to-text conversion.
std::string floatToText(double v, char sep);

// Parses a whole string as a finite decimal number, accepting '.' or the
// given separator; no group separators, "inf" or "nan". False on failure.
bool parseDouble(std::string_view text, char sep, double& out);

}  // namespace veltrane
