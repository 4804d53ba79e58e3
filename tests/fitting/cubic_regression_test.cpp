#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "fitting/Auswertung.h"
#include "fitting/CubicRegression.h"

namespace {

std::vector<TAuswPunkt> candidates(const std::vector<double>& xs, const std::function<double(double)>& f)
{
    std::vector<TAuswPunkt> c;
    for (double x : xs) {
        TAuswPunkt p;
        p.x = x;
        p.y = f(x);
        p.Index = int(c.size());
        p.valid = 1;
        c.push_back(p);
    }
    return c;
}

std::vector<double> grid(double from, double step, int count)
{
    std::vector<double> xs;
    for (int k = 0; k < count; ++k)
        xs.push_back(from + step * k);
    return xs;
}

TResColrec curve(const std::vector<double>& xs, const std::function<double(double)>& f)
{
    TResColrec col;
    for (double x : xs) {
        TResPunkt r;
        r.x = x;
        r.Rp = f(x);
        r.valid = 1;
        col.Points.push_back(r);
    }
    return col;
}

// A cubic with its local minimum at (x0 + 1, 1) and local maximum at
// (x0 - 1, 5), squeezed in x by w.
double dip(double x, double x0 = 0.1, double w = 1.0)
{
    const double u = (x - x0) / w;
    return u * u * u - 3.0 * u + 3.0;
}

}  // namespace

TEST(CubicRegression, RecoversAnExactCubic)
{
    const std::vector<double> xs = grid(-0.9, 0.3, 11);
    TResColrec col = curve(xs, [](double x) { return dip(x); });

    // The whole dip lies below the level at 100 %: all eleven points count.
    auto c = candidates(xs, [](double x) { return dip(x); });
    Tcubicregression reg;
    const TAuswPunkt m = reg.FitMinimum(c, 7, 5.0 + 1e-9);
    EXPECT_EQ(reg.Selected.size(), 11u);
    EXPECT_NEAR(m.x, 1.1, 1e-5);
    EXPECT_NEAR(m.y, 1.0, 1e-5);

    TAuswertungdata eval(0);
    TAuswrec rec;
    eval.Evaluate(col, rec, 100.0, -1.0, 2.5);
    EXPECT_EQ(eval.Candidates().size(), 11u);
    EXPECT_NEAR(rec.xmin, 1.1, 1e-5);
    EXPECT_NEAR(rec.ymin, 1.0, 1e-5);
    // The drawn cubic spans the selected points and follows the data.
    ASSERT_EQ(rec.Curve.size(), 100u);
    EXPECT_NEAR(rec.Curve.front().x, -0.9, 1e-12);
    EXPECT_NEAR(rec.Curve.back().x, 2.1, 1e-12);
    EXPECT_NEAR(rec.Curve[50].y, dip(rec.Curve[50].x), 1e-9);
}

TEST(CubicRegression, NarrowDipFarFromZero)
{
    // A 0.3° wide resonance near 45°: the normal equations in raw angles
    // would be too ill-conditioned to give four digits.
    const std::vector<double> xs = grid(44.91, 0.03, 11);
    TResColrec col = curve(xs, [](double x) { return dip(x, 45.01, 0.1); });
    TAuswertungdata eval(0);
    TAuswrec rec;
    eval.Evaluate(col, rec, 100.0, 44.0, 46.0);
    EXPECT_NEAR(rec.xmin, 45.11, 1e-5);
    EXPECT_NEAR(rec.ymin, 1.0, 1e-6);
}

TEST(CubicRegression, CurvesWithoutAMinimumGiveNoResult)
{
    struct Case {
        const char* name;
        std::vector<double> xs;
        std::function<double(double)> f;
        double left, right;
    };
    const std::vector<Case> cases = {
        {"minimum at the first point", grid(0, 1, 6), [](double x) { return x * x; }, 0, 5},
        {"sharp dip of three points", grid(0, 1, 7), [](double x) { return x == 3 ? 0.0 : 1.0; }, 0, 6},
        {"monotone", grid(0, 1, 11), [](double x) { return -x; }, 0, 10},
        {"empty range", grid(0, 1, 11), [](double x) { return (x - 5) * (x - 5); }, 20, 30},
    };
    for (const Case& c : cases) {
        TResColrec col = curve(c.xs, c.f);
        TAuswertungdata eval(0);
        TAuswrec rec;
        EXPECT_NO_THROW(eval.Evaluate(col, rec, 30.0, c.left, c.right)) << c.name;
        EXPECT_EQ(rec.xmin, NOVALUE) << c.name;
        EXPECT_EQ(rec.ymin, NOVALUE) << c.name;
    }
}

TEST(CubicRegression, MinimumBeyondTheSelectedPointsIsNoResult)
{
    // The lowest point is the last; the exact parabola through the points
    // has its vertex 0.02 past it, inside the first bracket.
    auto c = candidates(grid(0, 1, 6), [](double x) { return (x - 5.02) * (x - 5.02); });
    Tcubicregression reg;
    const TAuswPunkt m = reg.FitMinimum(c, 5, 100.0);
    EXPECT_EQ(reg.Selected.size(), 6u);
    EXPECT_EQ(m.x, NOVALUE);
    EXPECT_FALSE(m.valid);

    // A walk that leaves the selected extent.
    auto falling = candidates(grid(0, 1, 6), [](double x) { return -x * x * x; });
    EXPECT_EQ(reg.FitMinimum(falling, 5, 1000.0).x, NOVALUE);
}

TEST(CubicRegression, NearlySingularNormalEquationsGiveNoResult)
{
    // Five distinct x, but four of them within 3e-13 of each other: to
    // working precision only two abscissae, which cannot fix a cubic.
    const std::vector<double> xs = {0.0, 1.0, 1.0 + 1e-13, 1.0 + 2e-13, 1.0 + 3e-13};
    const std::vector<double> ys = {1.0, 0.2, 0.1, 0.2, 0.3};
    auto c = candidates(xs, [&](double x) { return ys[std::size_t(std::find(xs.begin(), xs.end(), x) - xs.begin())]; });
    Tcubicregression reg;
    const TAuswPunkt m = reg.FitMinimum(c, 2, 10.0);
    EXPECT_EQ(reg.Selected.size(), 5u);
    EXPECT_EQ(m.x, NOVALUE);
    EXPECT_EQ(m.y, NOVALUE);
    std::vector<TRegPunkt> curve(10);
    reg.GetCurve(curve);
    EXPECT_TRUE(curve.empty());
}

TEST(CubicRegression, LevelSelectsTheBottomOfTheDip)
{
    const std::vector<double> ys = {3, 2, 1, 0.5, 0, 0.5, 1, 2, 3};
    auto c = candidates(grid(0, 1, 9), [&](double x) { return ys[std::size_t(x)]; });
    Tcubicregression reg;

    // Points exactly on the level are taken and end their side.
    reg.FitMinimum(c, 4, 1.0);
    EXPECT_EQ(reg.Selected.size(), 5u);
    EXPECT_DOUBLE_EQ(reg.xmin, 2.0);
    EXPECT_DOUBLE_EQ(reg.xmax, 6.0);

    // Above the level the crossing is interpolated at y = level.
    reg.FitMinimum(c, 4, 1.5);
    ASSERT_EQ(reg.Selected.size(), 7u);
    EXPECT_DOUBLE_EQ(reg.xmin, 1.5);
    EXPECT_DOUBLE_EQ(reg.xmax, 6.5);
    int crossings = 0;
    for (const TAuswPunkt& p : reg.Selected)
        crossings += p.y == 1.5;
    EXPECT_EQ(crossings, 2);

    // Level 0: only the minimum and its neighbours, whatever their height.
    reg.FitMinimum(c, 4, 0.0);
    EXPECT_EQ(reg.Selected.size(), 3u);
}

TEST(CubicRegression, LowerFlankSetsTheLevel)
{
    // Left flank 4, right flank 2: at 50 % the level is 1, so the left side
    // stops at x = 2 and the right side at x = 6.
    const std::vector<double> ys = {4, 3, 1, 0.5, 0, 0.5, 1, 2, 1.5};
    TResColrec col = curve(grid(0, 1, 9), [&](double x) { return ys[std::size_t(x)]; });
    TAuswertungdata eval(0);
    TAuswrec rec;
    eval.Evaluate(col, rec, 50.0, 0, 8);
    ASSERT_NE(rec.xmin, NOVALUE);
    EXPECT_NEAR(rec.Curve.front().x, 2.0, 1e-12);
    EXPECT_NEAR(rec.Curve.back().x, 6.0, 1e-12);
    EXPECT_NEAR(rec.xmin, 4.0, 1e-4);
}

TEST(CubicRegression, ScanEvaluationAppliesShiftAndScale)
{
    TScanColrec scan;
    scan.Shiftfactor = 44.0;
    scan.Scalefactor = 0.5;
    for (double x : grid(-0.9, 0.3, 11))
        scan.Points.push_back({x, 2.0 * dip(x)});
    TAuswertungscan eval;
    TAuswrec rec;
    eval.Evaluate(scan, rec, 100, 43, 47);
    EXPECT_NEAR(rec.xmin, 45.1, 1e-5);
    EXPECT_NEAR(rec.ymin, 1.0, 1e-5);
    // Whole-number limits: 45 cuts off the points below it.
    eval.Evaluate(scan, rec, 100, 45, 47);
    EXPECT_EQ(eval.Candidates().size(), 4u);
}
