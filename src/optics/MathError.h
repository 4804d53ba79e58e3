#pragma once
// glibc has no math-error hook, so the engine calls checked forms of the math
// functions instead: a domain error, a pole, an overflow or a non-finite
// result raises EMathError with the German message the program always
// showed. Underflow to zero is no error: evanescent waves underflow.

#include <cmath>
#include <complex>
#include <string>

#include "platform/Errors.h"

enum class MathErrKind { Domain, Singularity, Overflow, Underflow, Other };

// Builds the message and throws; never returns. The arguments are written
// with the system's decimal separator.
[[noreturn]] void MathErrorHandler(MathErrKind kind, const char* function, double arg1, double arg2);
std::string MathErrorText(MathErrKind kind, const char* function, double arg1, double arg2, char sep);

namespace vmath {

// The checks the per-point loops pass through are inline: the test is a
// compare, and only a failure leaves the loop for the handler.

// Raises "allg. Fehler" for a non-finite value.
inline double checked(double v, const char* function, double arg1 = 0.0, double arg2 = 0.0)
{
    if (!std::isfinite(v)) [[unlikely]]
        MathErrorHandler(std::isinf(v) ? MathErrKind::Overflow : MathErrKind::Other, function, arg1, arg2);
    return v;
}

inline std::complex<double> checked(const std::complex<double>& v, const char* function)
{
    if (!std::isfinite(v.real()) || !std::isfinite(v.imag())) [[unlikely]]
        MathErrorHandler(MathErrKind::Other, function, v.real(), v.imag());
    return v;
}

inline double sqrt(double x)
{
    if (!(x >= 0.0)) [[unlikely]]
        MathErrorHandler(MathErrKind::Domain, "sqrt", x, 0.0);
    return std::sqrt(x);
}

inline double exp(double x)
{
    const double r = std::exp(x);
    if (std::isinf(r) || std::isnan(r)) [[unlikely]]
        MathErrorHandler(std::isnan(x) ? MathErrKind::Domain : MathErrKind::Overflow, "exp", x, 0.0);
    return r;
}

inline double log(double x)
{
    if (x == 0.0) [[unlikely]]
        MathErrorHandler(MathErrKind::Singularity, "log", x, 0.0);
    if (!(x > 0.0) || std::isinf(x)) [[unlikely]]
        MathErrorHandler(MathErrKind::Domain, "log", x, 0.0);
    return std::log(x);
}

inline double sin(double x)
{
    if (!std::isfinite(x)) [[unlikely]]
        MathErrorHandler(MathErrKind::Domain, "sin", x, 0.0);
    return std::sin(x);
}

inline double cos(double x)
{
    if (!std::isfinite(x)) [[unlikely]]
        MathErrorHandler(MathErrKind::Domain, "cos", x, 0.0);
    return std::cos(x);
}

double log10(double x);
double pow(double x, double y);
double tan(double x);
double asin(double x);
double acos(double x);
double atan(double x);
double atan2(double y, double x);

std::complex<double> sqrt(const std::complex<double>& z);
std::complex<double> exp(const std::complex<double>& z);

inline std::complex<double> div(const std::complex<double>& a, const std::complex<double>& b)
{
    if (b == std::complex<double>(0.0, 0.0)) [[unlikely]]
        MathErrorHandler(MathErrKind::Singularity, "cdiv", b.real(), b.imag());
    return checked(a / b, "cdiv");
}

}  // namespace vmath
