#pragma once
// A number written as sign, digit string and exponent, 0.D x 10^E, the form
// in which the axes choose round tick values and build their labels. Built
// with std::to_chars and std::from_chars, so the process locale never enters.

#include <string>

namespace veltrane {

struct DecimalDigits {
    bool negative = false;
    std::string digits;  // no trailing zeros; empty for zero
    int exponent = 0;    // E of 0.D x 10^E
};

// x rounded to k significant digits; k >= 17 gives the shortest digits that
// read back as x. Zero and non-finite values give empty digits.
DecimalDigits decompose(double x, int k);

// sign + "0." + digits + "E" + exponent read back as a number; false when the
// result is not a finite number.
bool compose(bool negative, const std::string& digits, int exponent, double& out);

// 10^n read from its decimal text, so that it is the nearest double.
double pow10Exact(int n);

}  // namespace veltrane
