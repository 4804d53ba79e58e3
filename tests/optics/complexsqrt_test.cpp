#include <gtest/gtest.h>

#include <cmath>

#include "optics/ComplexSqrt.h"

TEST(ComplexSqrt, MatchesTheLibraryRootIncludingSignedZeros)
{
    const std::complex<double> cases[] = {
        {4.0, 0.0},     {-4.0, 0.0},    {-4.0, -0.0},  {0.0, 2.0},     {0.0, -2.0},   {3.0, -4.0},
        {-3.0, 4.0},    {-3.0, -4.0},   {1e-4, 1e-9},  {-1e-4, 1e-12}, {-1e-4, -0.0}, {1e-160, 1e-160},
        {1e160, -1e160}, {0.0, 0.0},    {-0.0, 0.0},   {2.25, 1e-300},
    };
    for (auto z : cases) {
        const auto want = std::sqrt(z);
        const auto got = veltrane::ComplexSqrt(z);
        EXPECT_NEAR(got.real(), want.real(), 4e-16 * std::abs(want)) << z;
        EXPECT_NEAR(got.imag(), want.imag(), 4e-16 * std::abs(want)) << z;
        EXPECT_EQ(std::signbit(got.imag()), std::signbit(want.imag())) << z;
    }
    EXPECT_THROW(veltrane::ComplexSqrt({NAN, 1.0}), veltrane::EMathError);
    EXPECT_THROW(veltrane::ComplexSqrt({INFINITY, 1.0}), veltrane::EMathError);
}
