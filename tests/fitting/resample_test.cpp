#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fitting/ScanResampler.h"

using veltrane::ResampleScan;

namespace {

TScanColrec line(double from, double to, int count, double shift = 0.0, double scale = 1.0)
{
    TScanColrec s;
    s.Shiftfactor = shift;
    s.Scalefactor = scale;
    s.Name = "scan";
    for (int k = 0; k < count; ++k) {
        const double x = from + (to - from) * k / (count - 1);
        s.Points.push_back({x, 2.0 * x + 1.0});
    }
    return s;
}

}  // namespace

TEST(ScanResampler, InterpolatesOnTheSimulationGrid)
{
    TScanColrec out;
    const auto r = ResampleScan(line(40, 60, 21), 42.5, 47.5, 11, out);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(out.Points.size(), 11u);
    for (std::size_t k = 0; k < 11; ++k) {
        EXPECT_NEAR(out.Points[k].x, 42.5 + 0.5 * double(k), 1e-12);
        EXPECT_NEAR(out.Points[k].y, 2.0 * out.Points[k].x + 1.0, 1e-12);
    }
    EXPECT_EQ(out.Points.back().x, 47.5);
    EXPECT_EQ(out.Scalefactor, 1.0);
    EXPECT_EQ(out.Shiftfactor, 0.0);
}

TEST(ScanResampler, RangeIsClampedToTheScan)
{
    // Limits rounded past the scan's ends, and given the wrong way round.
    TScanColrec s = line(40.03, 59.97, 200, 0.5, 2.0);
    TScanColrec out;
    const auto r = ResampleScan(s, 60.6, 40.0, 50, out);
    ASSERT_TRUE(r.ok);
    EXPECT_DOUBLE_EQ(r.left, 40.53);
    EXPECT_DOUBLE_EQ(r.right, 60.47);
    EXPECT_EQ(out.Points.back().x, r.right);
    for (const TScanPunkt& p : out.Points)
        EXPECT_NEAR(p.y, 2.0 * (2.0 * (p.x - 0.5) + 1.0), 1e-9) << p.x;  // never 0 at the edge
}

TEST(ScanResampler, DescendingScansAndRepeatedX)
{
    TScanColrec up = line(0, 10, 11), down = up;
    std::reverse(down.Points.begin(), down.Points.end());
    TScanColrec a, b;
    ASSERT_TRUE(ResampleScan(up, 1.25, 8.75, 7, a).ok);
    ASSERT_TRUE(ResampleScan(down, 1.25, 8.75, 7, b).ok);
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_NEAR(a.Points[k].y, b.Points[k].y, 1e-12);

    // A pair of equal x is no interval: the next pair gives the value.
    TScanColrec repeated;
    repeated.Points = {{0, 0}, {0, 4}, {2, 4}};
    TScanColrec out;
    ASSERT_TRUE(ResampleScan(repeated, 0, 2, 3, out).ok);
    EXPECT_EQ(out.Points[0].y, 4.0);
    EXPECT_TRUE(std::isfinite(out.Points[1].y));
}

TEST(ScanResampler, Refusals)
{
    TScanColrec out;
    TScanColrec one;
    one.Points = {{1, 1}};
    EXPECT_FALSE(ResampleScan(one, 0, 2, 10, out).ok);
    EXPECT_EQ(ResampleScan(one, 0, 2, 10, out).error, "The scan has fewer than 2 points.");
    EXPECT_FALSE(ResampleScan(line(0, 10, 11), 0, 10, 1, out).ok);
    const auto outside = ResampleScan(line(0, 10, 11), 20, 30, 10, out);
    EXPECT_FALSE(outside.ok);
    EXPECT_EQ(outside.error, "The fit range lies outside the scan.");
    TScanColrec flat;
    flat.Points = {{3, 1}, {3, 2}};
    EXPECT_FALSE(ResampleScan(flat, 0, 10, 10, out).ok);
}
