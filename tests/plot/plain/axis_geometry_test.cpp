// Where an axis puts its lines in a plot rectangle, without a painter: the
// major and minor ticks in the order they are drawn, the grid and the zero
// line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "plot/plain/Axis.h"

namespace {

// A tick of an X axis: where it stands and how far it reaches below the plot.
struct Tick {
    int x, length;
    bool operator==(const Tick&) const = default;
};

void PrintTo(const Tick& t, std::ostream* os) { *os << "{" << t.x << ", " << t.length << "}"; }

std::vector<Tick> xTicks(const TAxisLines& lines, const TRect& r)
{
    std::vector<Tick> ticks;
    for (const TAxisSegment& s : lines.Ticks) {
        EXPECT_EQ(s.From.x, s.To.x);
        EXPECT_EQ(s.To.y, r.Bottom);
        ticks.push_back({s.From.x, s.From.y - r.Bottom});
    }
    return ticks;
}

TXAxis linearX(double max, int width)
{
    TXAxis a;
    a.SetmaxValue(max);
    a.SetFirstRealvalue(width);
    return a;
}

}  // namespace

// Ten parts per interval where there is room, the middle tick 10 pixels
// long: a minor tick at each end too, under the 15-pixel major tick.
TEST(AxisGeometry, TenMinorPartsWhereThereIsRoom)
{
    TXAxis a = linearX(100, 500);
    const TRect r{20, 5, 520, 30};
    const std::vector<Tick> ticks = xTicks(a.Lines(r), r);
    ASSERT_EQ(ticks.size(), 1u + 10u * (11u + 1u));
    const std::vector<Tick> first(ticks.begin(), ticks.begin() + 13);
    EXPECT_EQ(first, (std::vector<Tick>{{20, 15},
                                        {20, 5}, {25, 5}, {30, 5}, {35, 5}, {40, 5}, {45, 10},
                                        {50, 5}, {55, 5}, {60, 5}, {65, 5}, {70, 5},
                                        {70, 15}}));
    EXPECT_EQ(ticks.back(), (Tick{520, 15}));
    EXPECT_EQ(std::count_if(ticks.begin(), ticks.end(), [](Tick t) { return t.length == 15; }), 11);
    EXPECT_EQ(std::count_if(ticks.begin(), ticks.end(), [](Tick t) { return t.length == 10; }), 10);
}

// Parts closer than three pixels are too many: the count falls to what the
// interval holds, and stays there for the intervals after it, although a
// later interval a pixel wider would hold more; one part is the least.
TEST(AxisGeometry, MinorPartsThinOutAndStayThinned)
{
    {
        TXAxis a = linearX(100, 55);  // intervals of 5 and 6 pixels
        const TRect r{20, 5, 75, 30};
        const std::vector<Tick> ticks = xTicks(a.Lines(r), r);
        ASSERT_GE(ticks.size(), 11u);
        EXPECT_EQ(std::vector<Tick>(ticks.begin(), ticks.begin() + 11),
                  (std::vector<Tick>{{20, 15},
                                     {20, 5}, {23, 10}, {26, 5}, {26, 15},  // 6 pixels: 2 parts
                                     {26, 5}, {31, 5}, {31, 15},            // 5 pixels: 1 part
                                     {31, 5}, {37, 5}, {37, 15}}));         // 6 pixels, still 1
        EXPECT_EQ(ticks.size(), 1u + (3u + 1u) + 9u * (2u + 1u));
    }
    {
        TXAxis a = linearX(100, 100);  // 10 pixels: 3 parts
        const TRect r{20, 5, 120, 30};
        const std::vector<Tick> ticks = xTicks(a.Lines(r), r);
        ASSERT_EQ(ticks.size(), 1u + 10u * (4u + 1u));
        EXPECT_EQ(std::vector<Tick>(ticks.begin(), ticks.begin() + 6),
                  (std::vector<Tick>{{20, 15}, {20, 5}, {23, 5}, {27, 5}, {30, 5}, {30, 15}}));
    }
    {
        TXAxis a = linearX(100, 10);  // a pixel per interval: the ends only
        const TRect r{20, 5, 30, 30};
        const std::vector<Tick> ticks = xTicks(a.Lines(r), r);
        ASSERT_EQ(ticks.size(), 1u + 10u * (2u + 1u));
        EXPECT_EQ(std::count_if(ticks.begin(), ticks.end(), [](Tick t) { return t.length == 5; }), 20);
    }
}

// The Y axes put the same ticks beside the plot, pointing outwards.
TEST(AxisGeometry, YAxesPointTheirTicksOutwards)
{
    const TRect r{30, 5, 300, 105};
    TY1Axis left;
    TY2Axis right;
    for (TAxis* a : {static_cast<TAxis*>(&left), static_cast<TAxis*>(&right)}) {
        a->SetminValue(-1);
        a->SetmaxValue(1);
        a->SetFirstRealvalue(100);
    }
    const TAxisLines l = left.Lines(r), rr = right.Lines(r);
    EXPECT_EQ(l.Axis, (TAxisSegment{{30, 105}, {30, 5}}));
    EXPECT_EQ(rr.Axis, (TAxisSegment{{300, 105}, {300, 5}}));
    ASSERT_EQ(l.Ticks.size(), rr.Ticks.size());
    ASSERT_EQ(l.Ticks.size(), 1u + 10u * (4u + 1u));  // 10 pixels per interval
    EXPECT_EQ(l.Ticks.front(), (TAxisSegment{{15, 105}, {30, 105}}));
    EXPECT_EQ(rr.Ticks.front(), (TAxisSegment{{315, 105}, {300, 105}}));
    for (std::size_t i = 0; i < l.Ticks.size(); ++i) {
        EXPECT_EQ(l.Ticks[i].From.y, rr.Ticks[i].From.y) << i;
        EXPECT_EQ(r.Left - l.Ticks[i].From.x, rr.Ticks[i].From.x - r.Right) << i;
    }
    EXPECT_EQ(l.Ticks[1], (TAxisSegment{{25, 105}, {30, 105}}));
    EXPECT_EQ(l.Ticks[2], (TAxisSegment{{25, 102}, {30, 102}}));
}

// The grid: none at the start of the axis, one at each later tick before
// its end. The zero line: only when asked for and where 0 lies inside.
TEST(AxisGeometry, GridAndZeroLine)
{
    const TRect r{30, 5, 300, 105};
    TY1Axis a;
    a.SetminValue(-1);
    a.SetmaxValue(1);
    a.SetFirstRealvalue(100);
    TAxisLines lines = a.Lines(r);
    ASSERT_EQ(lines.Grid.size(), 9u);
    EXPECT_EQ(lines.Grid.front(), (TAxisSegment{{30, 95}, {300, 95}}));
    EXPECT_EQ(lines.Grid.back(), (TAxisSegment{{30, 15}, {300, 15}}));
    EXPECT_FALSE(lines.Zero);

    a.SetZeroline(true);
    lines = a.Lines(r);
    ASSERT_TRUE(lines.Zero);
    EXPECT_EQ(*lines.Zero, (TAxisSegment{{30, 55}, {300, 55}}));
    a.SetGitter(false);
    EXPECT_TRUE(a.Lines(r).Grid.empty());

    a.SetminValue(0);
    a.SetFirstRealvalue(100);
    EXPECT_FALSE(a.Lines(r).Zero) << "0 at the start of the axis";
}

// Lines maps the axis to the rectangle it is given.
TEST(AxisGeometry, LinesMapTheAxisToTheRectangle)
{
    TXAxis a = linearX(100, 500);
    a.Lines({20, 5, 520, 30});
    EXPECT_EQ(a.Kor2Pkt(50), 270);
    a.Lines({0, 5, 100, 30});
    EXPECT_EQ(a.Kor2Pkt(50), 50);
    EXPECT_EQ(a.FirstPixel(), 0);
    EXPECT_EQ(a.LastPixel(), 100);
}
