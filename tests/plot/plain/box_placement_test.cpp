// The plain placement of a plot's boxes: the peaks and dips it finds in a
// curve, and where it puts the boxes: apart, inside the plot area, off the
// peaks when the area leaves a place for it, and else the least bad.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "plot/plain/BoxPlacement.h"
#include "plot/plain/CurveExtrema.h"

namespace {

// y = base - height / (1 + ((x - at) / width)²): a resonance, upward in the
// picture for a positive height (pixels grow downward).
std::vector<TPoint> resonance(int x0, int x1, int base, int at, double width, int height)
{
    std::vector<TPoint> pts;
    for (int x = x0; x <= x1; ++x) {
        const double u = (x - at) / width;
        pts.push_back({x, base - int(std::lround(height / (1.0 + u * u)))});
    }
    return pts;
}

struct ExtremaCase {
    const char* name;
    std::vector<TPoint> points;
    int swing;
    std::vector<TPoint> expected;
};

TEST(CurveExtrema, TurningPointsWithASwingOnBothSides)
{
    std::vector<TPoint> noisy = resonance(0, 400, 300, 200, 10.0, 150);
    for (TPoint& p : noisy)
        if (std::abs(p.x - 200) > 20)
            p.y += p.x % 3 == 0 ? 3 : (p.x % 3 == 1 ? -2 : 0);
    std::vector<TPoint> peakAndDip = resonance(0, 400, 200, 100, 8.0, 100);
    const std::vector<TPoint> dip = resonance(0, 400, 0, 300, 8.0, -100);
    for (std::size_t i = 0; i < peakAndDip.size(); ++i)
        peakAndDip[i].y += dip[i].y;
    std::vector<TPoint> slope, edge;
    for (int x = 0; x <= 100; ++x) {
        slope.push_back({x, 300 - 2 * x});
        edge.push_back({x, x < 10 ? 10 * x : 100});  // a rise to a plateau at the end
    }

    const ExtremaCase cases[] = {
        {"a dip of a reflectivity curve", resonance(0, 400, 50, 250, 12.0, -200), 10, {{250, 250}}},
        {"noise on the flanks leaves the peak alone", noisy, 10, {{200, 150}}},
        {"a peak and a dip", peakAndDip, 10, {{100, 100}, {300, 300}}},
        {"a slope has none", slope, 10, {}},
        {"nor has a curve's end", edge, 10, {}},
        {"a flat top stands at its middle", {{0, 100}, {10, 50}, {20, 50}, {30, 50}, {40, 100}}, 10, {{20, 50}}},
        {"a turn smaller than the swing", {{0, 100}, {10, 95}, {20, 100}}, 10, {}},
    };
    for (const ExtremaCase& c : cases) {
        std::vector<TPoint> found;
        FindExtrema(c.points, c.swing, found);
        EXPECT_EQ(found, c.expected) << c.name;
    }
}

const TRect area{50, 35, 650, 535};
const std::vector<TBoxSize> sizes{{190, 190}, {300, 112}, {90, 14}};

TRect at(TPoint p, TBoxSize s) { return {p.x, p.y, p.x + s.Width, p.y + s.Height}; }

bool intersect(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

void addCurve(TBoxPlacement& p, const std::vector<TPoint>& pts)
{
    p.BeginCurve(true, 0);
    for (std::size_t i = 0; i < pts.size(); ++i)
        p.AddPoint(pts[i], i > 0);
    p.EndCurve();
}

// Horizontal lines 4 pixels apart over x0..x1, y0..y1: a region full of curve.
void addBand(TBoxPlacement& p, int x0, int x1, int y0, int y1)
{
    for (int y = y0; y <= y1; y += 4)
        addCurve(p, {{x0, y}, {x1, y}});
}

// The boxes lie inside the area and apart; returns their rectangles.
std::vector<TRect> expectApartInside(const std::vector<TPoint>& corners, const std::vector<TBoxSize>& s,
                                     const TRect& a, const char* name)
{
    std::vector<TRect> rects;
    for (std::size_t i = 0; i < s.size(); ++i) {
        rects.push_back(at(corners[i], s[i]));
        const TRect& r = rects.back();
        EXPECT_TRUE(r.Left >= a.Left && r.Top >= a.Top && r.Right <= a.Right && r.Bottom <= a.Bottom)
            << name << ": box " << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(intersect(rects[j], r)) << name << ": boxes " << j << " and " << i;
    }
    return rects;
}

// The only place that hides no band of curve holds a peak: a peak weighs
// more than any stretch of curve hidden.
TEST(BoxPlacement, APeakStaysInSightBeforeAnyCurve)
{
    TBoxPlacement p;
    p.Begin(area);
    addBand(p, 260, 650, 35, 535);
    addBand(p, 50, 260, 240, 535);
    addCurve(p, resonance(50, 650, 400, 120, 6.0, 340));  // its top at (120, 60)
    ASSERT_EQ(p.Peaks(), (std::vector<TPoint>{{120, 60}}));
    for (const TRect& r : expectApartInside(p.Place(sizes, {}), sizes, area, "peak"))
        EXPECT_FALSE(r.Contains(120, 60));
}

// A box too high for the gap between two peaks: it hides one, never both.
TEST(BoxPlacement, WhereEveryPlaceHidesAPeakTheFewestAreHidden)
{
    const TRect small{0, 0, 300, 200};
    TBoxPlacement p;
    p.Begin(small);
    // Curve along the top and the bottom: the place that hides none of it
    // holds both peaks.
    addBand(p, 0, 300, 4, 40);
    addBand(p, 0, 300, 160, 196);
    addCurve(p, {{0, 190}, {150, 50}, {300, 190}});
    addCurve(p, {{0, 10}, {150, 150}, {300, 10}});
    ASSERT_EQ(p.Peaks().size(), 2u);
    const std::vector<TBoxSize> one{{280, 110}};
    const TRect r = at(p.Place(one, {})[0], one[0]);
    EXPECT_NE(r.Contains(150, 50), r.Contains(150, 150));
}

// Room for the three boxes only one under another: they are found apart.
TEST(BoxPlacement, BoxesThatJustFitTheAreaStayApart)
{
    const int h = sizes[0].Height + sizes[1].Height + sizes[2].Height + 2 * TBoxPlacement::Gap;
    const TRect tight{10, 10, 10 + 300 + 2 * TBoxPlacement::Margin, 10 + h + 2 * TBoxPlacement::Margin};
    TBoxPlacement p;
    p.Begin(tight);
    addBand(p, 10, 330, 10, 400);
    expectApartInside(p.Place(sizes, {}), sizes, tight, "tight");
    // An empty size keeps its corner; the others are placed.
    const std::vector<TBoxSize> two{{0, 0}, {300, 112}, {90, 14}};
    const auto c = p.Place(two, {{3, 4}, {0, 0}, {0, 0}});
    EXPECT_EQ(c[0], (TPoint{3, 4}));
    EXPECT_FALSE(intersect(at(c[1], two[1]), at(c[2], two[2])));
}

// Boxes already placed stay while the curves change away from them; a box
// that a curve comes to cross moves where it hides nothing, and one over a
// peak moves off it.
TEST(BoxPlacement, PlacedBoxesStayUntilTheyHideACurveOrAPeak)
{
    TBoxPlacement p;
    p.Begin(area);
    addCurve(p, resonance(50, 650, 530, 500, 6.0, 300));
    const auto first = p.Place(sizes, {});
    const TRect r = at(first[0], sizes[0]);
    const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;

    p.Begin(area);
    addCurve(p, resonance(50, 650, 530, 505, 6.0, 290));
    EXPECT_EQ(p.Place(sizes, first), first);

    p.Begin(area);
    addCurve(p, resonance(50, 650, 530, 500, 6.0, 300));
    addCurve(p, {{x - 6, y}, {x + 6, y}});
    const auto crossed = p.Place(sizes, first);
    EXPECT_FALSE(at(crossed[0], sizes[0]).Contains(x, y));
    EXPECT_EQ(p.LastScore().hidden, 0);

    p.Begin(area);
    addCurve(p, resonance(50, 650, 530, x, 6.0, 530 - y));
    ASSERT_EQ(p.Peaks(), (std::vector<TPoint>{{x, y}}));
    const auto moved = p.Place(sizes, first);
    EXPECT_FALSE(at(moved[0], sizes[0]).Contains(x, y));
}

}  // namespace

namespace {

// In the smallest area it names, the boxes lie inside and apart and leave a
// sharp resonance in sight wherever it stands across the area, for box sets
// that pack best in a row, in a column and on two shelves.
TEST(BoxPlacement, TheAreaForTheBoxesHoldsThemApartAndLeavesAPeakInSight)
{
    const std::vector<std::vector<TBoxSize>> sets = {
        sizes,                                  // the field windows' three boxes
        {{470, 120}, {300, 100}, {180, 16}},    // a long legend over a table
        {{60, 300}, {60, 280}},                 // tall narrow boxes
        {{0, 0}, {300, 112}, {90, 14}},         // the legend hidden
    };
    for (const std::vector<TBoxSize>& set : sets) {
        const TBoxSize need = TBoxPlacement::AreaFor(set);
        const TRect a{40, 30, 40 + need.Width, 30 + need.Height};
        int widest = 0, tallest = 0;
        for (TBoxSize s : set) {
            widest = std::max(widest, s.Width);
            tallest = std::max(tallest, s.Height);
        }
        EXPECT_GE(need.Width, widest + 2 * TBoxPlacement::Margin);
        EXPECT_GE(need.Height, tallest + 2 * TBoxPlacement::Margin);
        for (int k = 1; k <= 5; ++k) {
            const int peakX = a.Left + a.Width() * k / 6;
            const std::string name = std::to_string(set[0].Width) + " wide legend, peak at " + std::to_string(k) + "/6";
            TBoxPlacement p;
            p.Begin(a);
            const std::vector<TPoint> curve = resonance(a.Left, a.Right, a.Bottom - 5, peakX, 3.0, a.Height() - 15);
            addCurve(p, curve);
            const TPoint top = *std::min_element(curve.begin(), curve.end(),
                                                 [](TPoint l, TPoint r) { return l.y < r.y; });
            std::vector<TBoxSize> shown;
            std::vector<TPoint> corners;
            const std::vector<TPoint> placed = p.Place(set, {});
            for (std::size_t i = 0; i < set.size(); ++i)
                if (!set[i].Empty()) {
                    shown.push_back(set[i]);
                    corners.push_back(placed[i]);
                }
            for (const TRect& r : expectApartInside(corners, shown, a, name.c_str()))
                EXPECT_FALSE(r.Contains(top.x, top.y)) << name;
        }
    }
    EXPECT_TRUE(TBoxPlacement::AreaFor({{0, 0}, {}, {}}).Empty());
}

}  // namespace
