#pragma once
// glibc has no math-error hook, so the engine calls checked forms of the math
// functions instead: a domain error, a pole, an overflow or a non-finite
// result raises EMathError with the German message the program always
// showed. Underflow to zero is no error: evanescent waves underflow.

#include <complex>
#include <string>

#include "platform/Errors.h"

enum class MathErrKind { Domain, Singularity, Overflow, Underflow, Other };

// Builds the message and throws; never returns. The arguments are written
// with the system's decimal separator.
[[noreturn]] void MathErrorHandler(MathErrKind kind, const char* function, double arg1, double arg2);
std::string MathErrorText(MathErrKind kind, const char* function, double arg1, double arg2, char sep);

namespace vmath {

double sqrt(double x);
double exp(double x);
double log(double x);
double log10(double x);
double pow(double x, double y);
double sin(double x);
double cos(double x);
double tan(double x);
double asin(double x);
double acos(double x);
double atan(double x);
double atan2(double y, double x);

std::complex<double> sqrt(const std::complex<double>& z);
std::complex<double> exp(const std::complex<double>& z);
std::complex<double> div(const std::complex<double>& a, const std::complex<double>& b);

// Raises "allg. Fehler" for a non-finite value.
double checked(double v, const char* function, double arg1 = 0.0, double arg2 = 0.0);
std::complex<double> checked(const std::complex<double>& v, const char* function);

}  // namespace vmath
