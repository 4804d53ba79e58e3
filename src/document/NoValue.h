#pragma once
// Markers for "no value". The numeric edit controls and the document fields
// they fill use the empty markers; computed results and field samples that
// could not be computed carry NOVALUE.

namespace Riedit {
constexpr double NADN = 1e-307;            // empty double
constexpr long double NAEN = 1e-4930L;     // empty extended (80-bit long double)
constexpr int NAIN = 2147483647;           // empty integer
constexpr long NALN = 2147483647;          // empty long
}  // namespace Riedit

constexpr double NOVALUE = 1e-300;
