#pragma once
// The numeric helpers the windows share: the range markers snap their
// values with CeilToDigit; the fit and the manual simulation beep with
// BeepTenTimes.

// 10 to the power n by repeated multiplication (1.0 for n = 0).
double Pow10(int n);
// x rounded up to a multiple of 10^n. A quotient that is an integer within
// rounding is taken as that integer, so 0.07 at two digits stays 0.07.
double CeilToDigit(int n, double x);
// The default message beep ten times, at the end of a fit and on a cell
// the manual simulation refuses.
void BeepTenTimes();
