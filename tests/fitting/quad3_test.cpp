#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fitting/Quad3PInterpol.h"
#include "platform/Errors.h"

namespace {

struct Sample {
    double x, y;
    bool valid = true;
};

TResColrec column(const std::vector<Sample>& s)
{
    TResColrec c;
    for (const Sample& p : s) {
        TResPunkt r;
        r.x = p.x;
        r.Rp = p.y;
        r.valid = p.valid;
        c.Points.push_back(r);
    }
    return c;
}

TScanColrec scan(const std::vector<Sample>& s, double shift = 0.0, double scale = 1.0)
{
    TScanColrec c;
    c.Shiftfactor = shift;
    c.Scalefactor = scale;
    for (const Sample& p : s)
        c.Points.push_back({p.x, p.y});
    return c;
}

}  // namespace

TEST(Quad3Interpol, MinimaOfComputedCurves)
{
    struct Case {
        const char* name;
        std::vector<Sample> samples;
        bool minimum;
        double x, y;
        int index;
    };
    const std::vector<Case> cases = {
        // Vertex by hand: a = 1.4444, b = -130.1778, y(45.0611) = 0.1143981.
        {"resonance", {{44.7, 0.31}, {45.0, 0.12}, {45.3, 0.20}}, true, 45.0611111, 0.1143981, 1},
        {"symmetric", {{1, 2}, {2, 1}, {3, 2}}, true, 2.0, 1.0, 1},
        {"at the first sample", {{0, 0}, {1, 1}, {2, 4}}, true, 0.0, 0.0, 0},
        {"unequal spacing", {{1, 1}, {2, 0}, {4, 2}}, true, 2.25, -1.0 / 24.0, 1},
        {"maximum", {{0, 0}, {1, 3}, {2, 2}}, false, 1.25, 3.125, 1},
        // The earlier of two equal lowest samples is the centre.
        {"tie", {{0, 3}, {1, 1}, {2, 1}, {3, 3}}, true, 1.5, 0.75, 1},
        // Invalid samples beside the minimum: the nearest valid ones serve.
        {"gaps", {{0, 10.89}, {1, 5.29}, {2, -7, false}, {3, 0.09}, {4, 9, false}, {5, 2.89}},
         true, 3.3, 0.0, 3},
        // No valid sample left of the best: it comes back unrefined, not as a
        // vertex through stale values.
        {"no valid left neighbour", {{0, 0, false}, {1, 0, false}, {2, 0.2}, {3, 0.35}}, true, 2.0, 0.2, 2},
        {"no valid right neighbour", {{0, 0.5}, {1, 0.1}, {2, 0, false}}, true, 1.0, 0.1, 1},
    };
    for (const Case& c : cases) {
        TResColrec col = column(c.samples);
        TQuad3PInterpolData data(0);
        const TQuad3Punkt m = data.Extremum(&col, c.minimum);
        EXPECT_NEAR(m.x, c.x, 1e-7) << c.name;
        EXPECT_NEAR(m.y, c.y, 1e-7) << c.name;
        EXPECT_EQ(m.Index, c.index) << c.name;
        EXPECT_TRUE(m.valid) << c.name;
    }
}

TEST(Quad3Interpol, DataKindsPickTheirValue)
{
    TResColrec col;
    for (int i = 0; i < 3; ++i) {
        TResPunkt r;
        r.x = i;
        r.Rp = i == 1 ? 0.3 : 0.9;
        r.Rs = i == 1 ? 0.4 : 0.2;  // Rs alone has its minimum at the ends
        r.valid = 1;
        col.Points.push_back(r);
    }
    EXPECT_EQ(TQuad3PInterpolData(0).Extremum(&col, true).Index, 1);
    EXPECT_EQ(TQuad3PInterpolData(1).Extremum(&col, true).Index, 0);
    const TQuad3Punkt modulus = TQuad3PInterpolData(2).Extremum(&col, true);
    EXPECT_EQ(modulus.Index, 1);
    EXPECT_LT(modulus.y, 0.5 + 1e-12);  // the vertex lies at or below sqrt(0.3² + 0.4²)
}

TEST(Quad3Interpol, NoSamplesNoExtremum)
{
    TResColrec empty;
    TResColrec invalid = column({{0, 1, false}, {1, 0, false}});
    TScanColrec emptyScan;
    for (const TQuad3Punkt& m : {TQuad3PInterpolData(0).Extremum(&empty, true),
                                 TQuad3PInterpolData(0).Extremum(&invalid, true),
                                 TQuad3PInterpolScan().Extremum(&emptyScan, false)}) {
        EXPECT_FALSE(HasExtremum(m));
        EXPECT_EQ(m.x, NOVALUE);
        EXPECT_EQ(m.y, NOVALUE);
        EXPECT_FALSE(m.valid);
    }
}

TEST(Quad3Interpol, CoincidentNeighboursRaise)
{
    TScanColrec s = scan({{1.0, 2.0}, {1.0, 1.0}, {2.0, 2.0}});
    try {
        TQuad3PInterpolScan().Extremum(&s, true);
        FAIL() << "no exception";
    } catch (const veltrane::EListError& e) {
        EXPECT_STREQ(e.what(), "zero deteminant in invers(Quad3). Change X-Range.");
    }
}

TEST(Quad3Interpol, ScanShiftAndScaleMoveTheVertex)
{
    const std::vector<Sample> raw = {{44.4, 0.5}, {44.7, 0.31}, {45.0, 0.12}, {45.3, 0.20}, {45.6, 0.4}};
    TScanColrec plain = scan(raw);
    TScanColrec moved = scan(raw, 0.5, 2.0);
    const TQuad3Punkt a = TQuad3PInterpolScan().Extremum(&plain, true);
    const TQuad3Punkt b = TQuad3PInterpolScan().Extremum(&moved, true);
    EXPECT_NEAR(a.x, 45.0611111, 1e-7);
    EXPECT_NEAR(b.x, a.x + 0.5, 1e-9);
    EXPECT_NEAR(b.y, 2.0 * a.y, 1e-9);
    // Ends are returned as they are.
    TScanColrec rising = scan({{0, 1}, {1, 2}, {2, 3}}, 0.5, 2.0);
    const TQuad3Punkt first = TQuad3PInterpolScan().Extremum(&rising, true);
    EXPECT_EQ(first.Index, 0);
    EXPECT_DOUBLE_EQ(first.x, 0.5);
    EXPECT_DOUBLE_EQ(first.y, 2.0);
    const TQuad3Punkt last = TQuad3PInterpolScan().Extremum(&rising, false);
    EXPECT_EQ(last.Index, 2);
    EXPECT_DOUBLE_EQ(last.y, 6.0);
}

TEST(Quad3Interpol, CollinearPointsHaveNoVertex)
{
    TQuad3PInterpolScan interpol;
    TQuad3Punkt out;
    out.x = 7.0;
    EXPECT_FALSE(interpol.Vertex({0, 0, 0, 1}, {1, 1, 1, 1}, {2, 2, 2, 1}, out));
    EXPECT_EQ(out.x, 7.0);
    // Flat samples: the best (the first of equals) comes back as it is.
    TScanColrec flat = scan({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
    EXPECT_EQ(TQuad3PInterpolScan().Extremum(&flat, true).Index, 0);
    TResColrec col = column({{0, 2}, {1, 1}, {2, 1}, {3, 1}, {4, 2}});
    const TQuad3Punkt m = TQuad3PInterpolData(0).Extremum(&col, true);
    EXPECT_EQ(m.Index, 1);
    EXPECT_TRUE(std::isfinite(m.x));
}
