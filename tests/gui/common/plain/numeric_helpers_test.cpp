#include <gtest/gtest.h>

#include "gui/common/plain/NumericHelpers.h"
#include "platform/ScriptedPlatform.h"

TEST(NumericHelpers, Pow10AndCeilToDigit)
{
    EXPECT_EQ(Pow10(-3), 0.001);
    EXPECT_EQ(Pow10(0), 1.0);
    EXPECT_EQ(Pow10(2), 100.0);
    EXPECT_DOUBLE_EQ(CeilToDigit(-2, 0.1234), 0.13);
    EXPECT_EQ(CeilToDigit(1, 0.0), 0.0);
    EXPECT_EQ(CeilToDigit(0, -2.5), -2.0);
    // 0.07 / 0.01 is just above 7 in binary; it must not climb to 0.08.
    EXPECT_DOUBLE_EQ(CeilToDigit(-2, 0.07), 0.07);
    EXPECT_DOUBLE_EQ(CeilToDigit(-1, 0.30000000000000004), 0.3);
    EXPECT_DOUBLE_EQ(CeilToDigit(-2, 0.0701), 0.08);
    EXPECT_DOUBLE_EQ(CeilToDigit(2, 101.0), 200.0);
}

TEST(NumericHelpers, BeepTenTimes)
{
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use(script);
    BeepTenTimes();
    EXPECT_EQ(script.beeps, 10);
}
