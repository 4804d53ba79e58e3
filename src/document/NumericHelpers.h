#pragma once
// The numeric helpers of the document's unit. The range markers snap their
// values with CeilToDigit; the fit and the manual simulation end with
// BeepTenTimes.

#include "document/Records.h"

double RadToDegree(double rad);
double AbsSqr(const Complex& z);
void SetReal(Complex& z, double re);
void SetImag(Complex& z, double im);
double Hypot(double a, double b);
// 10 to the power n by repeated multiplication (1.0 for n = 0).
double Pow10(int n);
// x rounded up to a multiple of 10^n. A quotient that is an integer within
// rounding is taken as that integer, so 0.07 at two digits stays 0.07.
double CeilToDigit(int n, double x);
// The default message beep ten times, at the end of a fit.
void BeepTenTimes();
