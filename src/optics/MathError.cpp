#include "optics/MathError.h"

#include <cerrno>
#include <cmath>

#include "platform/CFormat.h"
#include "platform/Platform.h"

namespace {

const char* kindText(MathErrKind kind)
{
    switch (kind) {
    case MathErrKind::Domain: return "Argument ungültig";
    case MathErrKind::Singularity: return "math. Singularität";
    case MathErrKind::Overflow: return "Überlauf";
    case MathErrKind::Underflow: return "Unterlauf";
    case MathErrKind::Other: return "allg. Fehler";
    }
    return "allg. Fehler";
}

}  // namespace

std::string MathErrorText(MathErrKind kind, const char* function, double arg1, double arg2, char sep)
{
    return std::string("Math. Error:") + kindText(kind) + "\n" + "function:   " + function + "\n" +
           "Argumente:   [" + veltrane::floatToText(arg1, sep) + " ; " + veltrane::floatToText(arg2, sep) + "]";
}

void MathErrorHandler(MathErrKind kind, const char* function, double arg1, double arg2)
{
    throw veltrane::EMathError(
        MathErrorText(kind, function, arg1, arg2, veltrane::platform().decimalSeparator()));
}

namespace vmath {

double log10(double x)
{
    if (x == 0.0)
        MathErrorHandler(MathErrKind::Singularity, "log10", x, 0.0);
    if (!(x > 0.0) || std::isinf(x))
        MathErrorHandler(MathErrKind::Domain, "log10", x, 0.0);
    return std::log10(x);
}

double pow(double x, double y)
{
    if (x == 0.0 && y < 0.0)
        MathErrorHandler(MathErrKind::Singularity, "pow", x, y);
    if (x < 0.0 && std::floor(y) != y)
        MathErrorHandler(MathErrKind::Domain, "pow", x, y);
    double r = std::pow(x, y);
    if (std::isinf(r))
        MathErrorHandler(MathErrKind::Overflow, "pow", x, y);
    return checked(r, "pow", x, y);
}

double tan(double x)
{
    if (!std::isfinite(x))
        MathErrorHandler(MathErrKind::Domain, "tan", x, 0.0);
    return checked(std::tan(x), "tan", x, 0.0);
}

double asin(double x)
{
    if (!(x >= -1.0 && x <= 1.0))
        MathErrorHandler(MathErrKind::Domain, "asin", x, 0.0);
    return std::asin(x);
}

double acos(double x)
{
    if (!(x >= -1.0 && x <= 1.0))
        MathErrorHandler(MathErrKind::Domain, "acos", x, 0.0);
    return std::acos(x);
}

double atan(double x)
{
    if (std::isnan(x))
        MathErrorHandler(MathErrKind::Domain, "atan", x, 0.0);
    return std::atan(x);
}

double atan2(double y, double x)
{
    if (std::isnan(x) || std::isnan(y))
        MathErrorHandler(MathErrKind::Domain, "atan2", y, x);
    return std::atan2(y, x);
}

std::complex<double> sqrt(const std::complex<double>& z)
{
    checked(z, "csqrt");
    return std::sqrt(z);
}

std::complex<double> exp(const std::complex<double>& z)
{
    checked(z, "cexp");
    if (z.real() > 709.78)
        MathErrorHandler(MathErrKind::Overflow, "cexp", z.real(), z.imag());
    return checked(std::exp(z), "cexp");
}

}  // namespace vmath
