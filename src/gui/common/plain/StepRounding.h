#pragma once
// A manual step, or a step of a scan's scale or shift, adds k steps in binary, where 0.1 and 0.01 have no exact
// form: 44.99 nm stepped up by 1 nm and down by 450 steps of 0.1 nm ends at
// 0.0900000000000034, and the grid, the value edit and the document would
// carry that residue on; a shift stepped 0.1 up and back down three times
// ends at 2.8e-17, which the legend names. A stepped value is therefore rounded to the
// decimals the user works in: those of the step, or those of the value
// where it was typed with more (44.99 stepped by 1 is 45.99, not 46).

// The decimals x shows written with 15 significant digits, as the edits
// write it: 0.05 has 2, 10 and 1 have 0, 1e-3 has 3, 44.99 has 2.
int ShownDecimals(double x);

// value + k steps, rounded to the decimals of the step or of the value,
// whichever are more, and to no more than 15 significant digits. A result
// within rounding of 0 is +0: a -0 imaginary part of eps would pick the
// growing wave.
double SteppedValue(double value, double step, int k);
