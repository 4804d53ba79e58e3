#include <gtest/gtest.h>

#include <array>

#include "fields/SampleGrid.h"

namespace {

TEST(SampleGrid, DepthGridOfFirstHalfSpaceAndFirstLayer)
{
    // d_1 = 20, a 50 nm layer, d_n = 20; five samples per element.
    const std::array<double, 3> thickness{20.0, 50.0, 20.0};
    TEWaveList list(16);
    list[3].Filled = 1;
    veltrane::LayDepthGrid(list, thickness, 5);
    const double pos[] = {-20, -15, -10, -5, 0, 0, 12.5, 25, 37.5, 50, 50, 55, 60, 65, 70};
    const double rel[] = {-100, -75, -50, -25, 0, 0, 25, 50, 75, 100, 100, 125, 150, 175, 200};
    for (int s = 0; s < 15; ++s) {
        EXPECT_DOUBLE_EQ(list[s].Pos, pos[s]) << s;
        EXPECT_DOUBLE_EQ(list[s].RelPos, rel[s]) << s;
        EXPECT_EQ(list[s].Grenze, (s == 5 || s == 10) ? 1 : 0) << s;
        EXPECT_EQ(list[s].Filled, 0) << s;
    }
    // The sample beyond elements x samples per element has no place.
    EXPECT_EQ(list[15].Pos, NOVALUE);
    EXPECT_EQ(list[15].Grenze, 0);
}

TEST(SampleGrid, TooFewSamplesPerElementLayNothing)
{
    const std::array<double, 2> thickness{20.0, 20.0};
    for (int n : {0, 1}) {
        TEWaveList list(2);
        list[0].Filled = 1;
        list[0].Pos = 3.0;
        veltrane::LayDepthGrid(list, thickness, n);
        EXPECT_EQ(list[0].Filled, 0);
        EXPECT_EQ(list[0].Pos, NOVALUE);
    }
}

TEST(SampleGrid, AnglesHitBothLimitsExactly)
{
    struct Case { double t1, t2; int m; };
    for (const Case& c : {Case{0.1, 0.7, 2}, Case{16.3, 64.7, 7}, Case{70.0, 10.0, 4}, Case{33.3, 50.0, 1}}) {
        TEWaveList list(std::size_t(c.m));
        veltrane::LayAngleGrid(list, c.t1, c.t2);
        EXPECT_EQ(list.front().Theta, c.t1);
        if (c.m > 1) {
            EXPECT_EQ(list.back().Theta, c.t2);
        }
        for (std::size_t i = 1; i + 1 < list.size(); ++i)
            EXPECT_NEAR(list[i].Theta, c.t1 + double(i) * (c.t2 - c.t1) / (c.m - 1), 1e-12);
        for (const TEWave& w : list)
            EXPECT_EQ(w.Filled, 0);
    }
}

TEST(SampleGrid, EffectiveSampleCountSpansEveryLayer)
{
    struct Case { int pktanz, layers, expected; };
    for (const Case& c : {Case{10, 4, 8}, Case{200, 4, 200}, Case{201, 4, 200}, Case{5, 4, 8}, Case{0, 30, 60},
                          Case{-3, 3, 6}, Case{100, 1, 0}, Case{100, 0, 0}})
        EXPECT_EQ(veltrane::EffectiveSampleCount(c.pktanz, c.layers), c.expected) << c.pktanz << " " << c.layers;
}

TEST(SampleGrid, ZeroThicknessIsSampledAtItsStart)
{
    EXPECT_EQ(veltrane::PositionFraction(5.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(veltrane::PositionFraction(12.5, 50.0), 0.25);
}

}  // namespace
