#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FitTestSupport.h"

namespace {

struct Point {
    double x, y;
    bool valid = true;
};

TResColrec resultsOf(const std::vector<Point>& pts, int datakind)
{
    TResColrec col;
    for (const Point& p : pts) {
        TResPunkt r;
        r.x = p.x;
        r.valid = p.valid;
        switch (datakind) {
        case 0: r.Rp = p.y; break;
        case 1: r.Rs = p.y; break;
        case 2: r.Rp = p.y; break;  // Rs 0: the modulus is Rp
        case 3: r.Psi = p.y; break;
        default: r.Delta = p.y; break;
        }
        col.Points.push_back(r);
    }
    return col;
}

void setScan(TSimulationiter& fit, const std::vector<Point>& pts)
{
    fit.ScanList[0].Points.clear();
    for (const Point& p : pts)
        fit.ScanList[0].Points.push_back({p.x, p.y});
}

constexpr double Inf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(FitObjectives, FullSpectrumInEveryDataKind)
{
    FitFixture f;
    setScan(f.fit, {{1, 0.45}, {2, 0.25}, {3, 0.4}});
    for (int kind = 0; kind <= 4; ++kind) {
        f.fit.Datakind = kind;
        f.fit.ResultList = {resultsOf({{1, 0.5}, {2, 0.2}, {3, 0.4}}, kind)};
        // (0.05 + 0.05 + 0) / (0.5 + 0.2 + 0.4)
        EXPECT_NEAR(f.fit.DivergenceSpectrum(), 9.090909, 1e-6) << kind;
    }
    // An invalid point takes no part.
    f.fit.Datakind = 0;
    f.fit.ResultList = {resultsOf({{1, 0.5}, {2, 9.0, false}, {3, 0.4}}, 0)};
    EXPECT_NEAR(f.fit.DivergenceSpectrum(), 100.0 * 0.05 / 0.9, 1e-9);
}

TEST(FitObjectives, SpectrumWithoutAValueIsInfinite)
{
    FitFixture f;
    setScan(f.fit, {{1, 0.45}, {2, 0.25}});
    f.fit.ResultList = {resultsOf({{1, 0.5, false}, {2, 0.2, false}}, 0)};
    EXPECT_EQ(f.fit.DivergenceSpectrum(), Inf);
    f.fit.ResultList = {resultsOf({{1, 0.0}, {2, 0.0}}, 0)};
    EXPECT_EQ(f.fit.DivergenceSpectrum(), Inf);
    f.fit.ResultList.clear();
    EXPECT_EQ(f.fit.DivergenceSpectrum(), Inf);
}

TEST(FitObjectives, XMinimumIsRelativeToTheSimulatedMinimum)
{
    struct Case {
        double simMin, measMin, expected;
    };
    const std::vector<Case> cases = {
        {45.2, 45.0, 0.4424779},  // 100 x 0.2 / 45.2
        {-2.0, -1.0, 50.0},       // never negative
        {0.0, 0.5, 100.0},        // divided by |measured|
        {0.0, 0.0, 0.0},
    };
    FitFixture f;
    f.fit.Iterartgroup = TSimulationiter::XMinimum;
    for (const Case& c : cases) {
        const double x = c.simMin;
        f.fit.ResultList = {resultsOf({{x - 0.2, 0.14}, {x, 0.1}, {x + 0.2, 0.14}}, 0)};
        f.fit.ScanMin = c.measMin;
        EXPECT_NEAR(f.fit.DivergenceMinimum(), c.expected, 1e-6) << c.simMin << " " << c.measMin;
    }
}

TEST(FitObjectives, XMinimumWithoutAValueIsInfinite)
{
    FitFixture f;
    f.fit.ResultList = {resultsOf({{44.8, 0.14}, {45, 0.1}, {45.2, 0.14}}, 3)};
    f.fit.ScanMin = 45.0;
    f.fit.Datakind = 3;  // Psi has no resonance minimum
    EXPECT_EQ(f.fit.DivergenceMinimum(), Inf);
    f.fit.Datakind = 0;
    f.fit.ScanMin = NOVALUE;
    EXPECT_EQ(f.fit.DivergenceMinimum(), Inf);
    f.fit.ScanMin = 45.0;
    f.fit.ResultList = {resultsOf({{44.8, 0.14, false}}, 0)};
    EXPECT_EQ(f.fit.DivergenceMinimum(), Inf);
}

TEST(FitObjectives, ScanMinimumOfTheResampledScan)
{
    FitFixture f;
    setScan(f.fit, {{44.7, 0.31}, {45.0, 0.12}, {45.3, 0.20}});
    EXPECT_NEAR(f.fit.ScanMinimum(), 45.0611111, 1e-7);
    setScan(f.fit, {});
    EXPECT_EQ(f.fit.ScanMinimum(), NOVALUE);
}

TEST(FitObjectives, ScaleFactorMatchesTheWholeScanToTheCurve)
{
    // A simulated curve over 11 points, its dip at 45, its maxima 0.55 at
    // both ends.
    auto curve = [](int k) { return k == 5 ? 0.1 : 0.3 + 0.05 * std::abs(k - 5); };
    struct Case {
        const char* what;
        double gain;     // the scan reads the curve times this
        double spike;    // added to the scan's highest point
        double startFactor;
        bool invalidPoint;  // a simulated point without a value, set to 9
        double expected;    // the fitted factor; 0: none
    };
    const std::vector<Case> cases = {
        {"plain", 0.4, 0.0, 1.0, false, 2.5},
        {"the factor is for the raw scan", 0.4, 0.0, 2.0, false, 2.5},
        {"an invalid point takes no part", 0.4, 0.0, 1.0, true, 2.5},
        // sum c^2 / (0.5 sum c^2 + 0.1 x 0.55) with sum c^2 = 2.085 gives
        // 1.89977; from the maxima it would be 0.55 / 0.375 = 1.4667.
        {"one noisy point barely moves it", 0.5, 0.1, 1.0, false, 1.8998},
        {"no factor without a positive scan", 0.0, 0.0, 1.0, false, 0.0},
        {"no factor for a negative scan", -0.2, 0.0, 1.0, false, 0.0},
    };
    for (const Case& c : cases) {
        FitFixture f;
        TScanColrec scan;
        std::vector<Point> sim;
        for (int k = 0; k <= 10; ++k) {
            scan.Points.push_back({40.0 + k, curve(k) * c.gain + (k == 10 ? c.spike : 0.0)});
            sim.push_back({40.0 + k, c.invalidPoint && k == 3 ? 9.0 : curve(k), !(c.invalidPoint && k == 3)});
        }
        scan.Scalefactor = c.startFactor;
        f.scans = {scan};
        f.fit.FitScale = true;
        f.fit.LeftLimit = 40;
        f.fit.RightLimit = 50;
        f.fit.Parameter.XAxis.Pktanz = 11;
        ASSERT_TRUE(f.fit.ResampleScan());
        f.fit.ResultList = {resultsOf(sim, 0)};

        const bool changed = f.fit.FitScalefactor();
        if (c.expected == 0.0) {
            EXPECT_FALSE(changed) << c.what;
            EXPECT_EQ(f.scans[0].Scalefactor, c.startFactor) << c.what;
            EXPECT_EQ(f.host.scanChanged, 0) << c.what;
            continue;
        }
        // Rounded one decimal below the step 0.001.
        EXPECT_NEAR(f.scans[0].Scalefactor, c.expected, 1e-12) << c.what;
        EXPECT_EQ(f.fit.Scalefactor, f.scans[0].Scalefactor) << c.what;
        EXPECT_NEAR(f.fit.ScanList[0].Points[1].y, scan.Points[1].y * c.expected, 1e-12) << c.what;
        EXPECT_NEAR(f.fit.ScanMin, 45.0, 1e-9) << c.what;
        EXPECT_EQ(changed, c.startFactor != c.expected) << c.what;
        EXPECT_EQ(f.host.scanChanged, changed ? 1 : 0) << c.what;
        // Fitted again to the same curve, the factor stays and the scan is
        // not touched.
        EXPECT_FALSE(f.fit.FitScalefactor()) << c.what;
        EXPECT_EQ(f.host.scanChanged, changed ? 1 : 0) << c.what;
        f.fit.FitScale = false;
        f.scans[0].Scalefactor = 3.0;
        EXPECT_FALSE(f.fit.FitScalefactor()) << c.what;
        EXPECT_EQ(f.scans[0].Scalefactor, 3.0) << c.what;
    }
}

TEST(FitObjectives, ResampleRefusalIsShown)
{
    FitFixture f;
    TScanColrec one;
    one.Points = {{45, 0.2}};
    f.scans = {one};
    f.fit.Parameter.XAxis.Pktanz = 10;
    EXPECT_FALSE(f.fit.ResampleScan());
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].caption, "Error iterative Simulation");
    EXPECT_EQ(f.platform.boxes[0].text, "The scan has fewer than 2 points.");
    f.scans.clear();
    EXPECT_FALSE(f.fit.ResampleScan());
}
