// Where a field plot puts its legend and text boxes: apart, inside the
// plot area, off the curves where there is room, and never over a peak
// when another arrangement avoids it.
#include <gtest/gtest.h>

#include "gui/fields/BoxPlacement.h"

using namespace veltrane;

namespace {

const TRect area{50, 35, 650, 535};
const std::array<BoxSize, BoxCount> sizes{{{190, 190}, {300, 112}, {90, 14}}};

TRect at(TPoint p, BoxSize s) { return {p.x, p.y, p.x + s.Width, p.y + s.Height}; }

// A horizontal band of curve across x0..x1 at the heights y0..y1.
std::vector<PixelCurve> band(int x0, int x1, int y0, int y1)
{
    std::vector<PixelCurve> curves;
    for (int y = y0; y <= y1; y += 4)
        curves.push_back({{x0, y}, {x1, y}});
    return curves;
}

bool covers(const std::array<TPoint, BoxCount>& corners, TPoint p)
{
    for (int i = 0; i < BoxCount; ++i)
        if (at(corners[std::size_t(i)], sizes[std::size_t(i)]).Contains(p.x, p.y))
            return true;
    return false;
}

TEST(BoxPlacement, LegendOverTheTextBoxesAtTheTopLeftWhenNothingIsInTheWay)
{
    const auto c = PlaceBoxes(area, sizes, {}, {});
    EXPECT_EQ(c[0], (TPoint{58, 43}));
    EXPECT_EQ(c[1], (TPoint{58, 239}));
    EXPECT_EQ(c[2], (TPoint{58, 357}));
}

TEST(BoxPlacement, CurvesAtTheTopLeftSendTheBoxesElsewhere)
{
    const TRect curves{50, 35, 301, 401};
    const auto c = PlaceBoxes(area, sizes, band(50, 300, 35, 400), {});
    for (int i = 0; i < BoxCount; ++i) {
        const TRect r = at(c[std::size_t(i)], sizes[std::size_t(i)]);
        EXPECT_FALSE(r.Left < curves.Right && curves.Left < r.Right && r.Top < curves.Bottom && curves.Top < r.Bottom)
            << i;
        EXPECT_TRUE(r.Right <= area.Right && r.Bottom <= area.Bottom) << i;
    }
}

// A peak weighs more than any amount of curve: the boxes cover the band
// rather than the single point at the top left.
TEST(BoxPlacement, APeakStaysInSightBeforeAnyCurve)
{
    const TPoint peak{100, 60};
    const auto c = PlaceBoxes(area, sizes, band(50, 650, 35, 535), {peak});
    EXPECT_FALSE(covers(c, peak));
}

// An area too small for any arrangement: one under another at the top
// left, still apart.
TEST(BoxPlacement, TooSmallAnAreaStacksTheBoxes)
{
    const auto c = PlaceBoxes({0, 0, 250, 200}, sizes, {}, {});
    EXPECT_EQ(c[1].y, c[0].y + 190 + 6);
    EXPECT_EQ(c[2].y, c[1].y + 112 + 6);
    const auto one = PlaceBoxes(area, {{{0, 0}, {300, 112}, {0, 0}}}, {}, {});
    EXPECT_EQ(one[1], (TPoint{58, 43}));
}

}  // namespace
