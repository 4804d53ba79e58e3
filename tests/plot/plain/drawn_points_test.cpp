// The walk over a column's drawn points, which painting, box placement and
// the overview share: what counts as a gap, where a line starts again, which
// points carry a symbol when gaps come first, and that it allocates nothing.
#include <gtest/gtest.h>

#include <string>

#include "plot/plain/DrawnPoints.h"
#include "support/AllocationCount.h"

namespace {

// A mapping that cannot place negative values, as a logarithmic axis.
bool place(const TDPunkt& p, TPoint& out)
{
    if (!p.valid || p.y < 0)
        return false;
    out = {int(p.x), int(p.y)};
    return true;
}

std::string walk(const TDataCol& col)
{
    std::string s;
    WalkDrawnPoints(col, place, [&](const TDrawnPoint& d) {
        s += std::to_string(d.Index) + "FRJ"[int(d.Join)] + (d.Symbol ? "* " : " ");
    });
    return s;
}

}  // namespace

TEST(DrawnPoints, GapsOfEitherKindBreakOrAreBridgedAndCountForTheSymbols)
{
    TDataCol col;
    // 0 invalid, 3 off the axis, 5 invalid.
    col.Points = {{0, 5, false}, {1, 5, true}, {2, 5, true}, {3, -5, true},
                  {4, 5, true},  {5, 5, false}, {6, 5, true}, {7, 5, true}};
    col.ProzentPunkte = 50;  // even indices, and the first point drawn
    col.Linebreak = true;
    EXPECT_EQ(walk(col), "1F* 2J* 4R* 6R* 7J ");
    col.Linebreak = false;
    EXPECT_EQ(walk(col), "1F* 2J* 4J* 6J* 7J ");
    col.Points = {{0, 5, false}, {1, -5, true}};
    EXPECT_EQ(walk(col), "");
}

TEST(DrawnPoints, TheWalkAllocatesNothing)
{
    TDataCol col;
    for (int i = 0; i < 10000; ++i)
        col.Points.push_back({double(i), double(i % 7 - 1), i % 11 != 0});
    long sum = 0;
    const long before = veltrane::test::heapAllocations();
    WalkDrawnPoints(col, place, [&](const TDrawnPoint& d) { sum += d.At.y + int(d.Join); });
    EXPECT_EQ(veltrane::test::heapAllocations() - before, 0);
    EXPECT_GT(sum, 0);
}
