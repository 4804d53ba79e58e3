// The manual simulation's steps: a stepped value keeps the decimals the
// user works in and no binary residue.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/common/plain/StepRounding.h"

namespace {

TEST(StepRounding, DecimalsOfStepsAndValues)
{
    const struct { double x; int decimals; } cases[] = {
        {0.1, 1}, {1.0, 0}, {10.0, 0}, {0.05, 2}, {1e-3, 3}, {2.5, 1}, {44.99, 2}, {-12.125, 3},
        {0.0, 0}, {1e-17, 17}, {0.09000000000000341, 16},  // a residue, as 15 digits show it
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShownDecimals(c.x), c.decimals) << c.x;
}

TEST(StepRounding, StepsLandOnTheDecimalsOfStepOrValue)
{
    const struct { double value, step; int k; double expected; } cases[] = {
        {44.99, 1.0, 1, 45.99},      // the value's decimals, not the step's
        {44.99, 10.0, -1, 34.99},
        {1.0, 0.1, 7, 1.7},
        {0.3, 0.1, -3, 0.0},
        {2.0, 0.05, -3, 1.85},
        {-12.1, 1e-3, -100, -12.2},
        {1.3, 1e-3, 3, 1.303},
        {5.0, 10.0, 100, 1005.0},
        // A residue already stored is cleaned at 15 significant digits.
        {0.09000000000000341, 1.0, 1, 1.09},
        {1e-307, 0.1, 1, 0.1},  // an empty cell's marker
    };
    for (const auto& c : cases)
        EXPECT_EQ(SteppedValue(c.value, c.step, c.k), c.expected) << c.value << " + " << c.k << " x " << c.step;
}

// A walk of manual steps, as a user takes them with the default step of
// 0.1 from 44.99: +1, then -100 four times, then -10 five times, ends at
// 0.09 exactly, where adding the steps up gives 0.09000000000000341.
TEST(StepRounding, AWalkOfStepsLeavesNoResidue)
{
    double v = 44.99;
    for (int k : {1, -100, -100, -100, -100, -10, -10, -10, -10, -10})
        v = SteppedValue(v, 0.1, k);
    EXPECT_EQ(v, 0.09);
}

// A -0 imaginary part of eps selects the growing wave: a step that lands on
// 0 from above lands on +0.
TEST(StepRounding, ZeroIsPositive)
{
    const struct { double value, step; int k; } cases[] = {{0.3, 0.1, -3}, {0.03, 0.01, -3}, {0.7, 0.1, -7}, {1.3, 0.1, -13}};
    for (const auto& c : cases) {
        const double v = SteppedValue(c.value, c.step, c.k);
        EXPECT_EQ(v, 0.0) << c.value;
        EXPECT_FALSE(std::signbit(v)) << c.value;
    }
}

}  // namespace
