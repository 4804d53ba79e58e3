#include <gtest/gtest.h>

#include "plot_interaction_support.h"

namespace {

// A legend with one column, and text box 2 laid over its top-left corner,
// where the test puts them: the plot places neither.
void legendUnderBox2(TLinePlot& plot)
{
    plot.AutoPlaceBoxes = false;
    int c = plot.AddCol();
    plot.AddData(c, 10, 10, true);
    plot.SetColTitle(c, "curve");
    plot.Legend().SetLeft(100);
    plot.Legend().SetTop(100);
    plot.TextBox2().SetLeft(90);
    plot.TextBox2().SetTop(90);
    plot.TextBox2().Text1().Add("box two");
    plot.Setrepaintcomp(false);
    plot.Setrepaintcomp(true);
}

}  // namespace

TEST(PlotDrag, LegendMovesByTheDragShiftWithItsFrameOnTheScreenOnly)
{
    ShownPlot s;
    legendUnderBox2(s.plot);
    s.plot.TextBox2().Setvisible(false);
    s.plot.Bitmap();
    const TRect legend = s.plot.LegendRect();
    ASSERT_FALSE(legend.IsEmpty());
    std::vector<TUserChange> changes;
    s.plot.OnUserChange = [&](TLinePlot&, TUserChange c) { changes.push_back(c); };
    s.composes = 0;

    const QPoint grab(legend.Left + 5, legend.Top + 5);
    s.move(grab);
    EXPECT_EQ(s.plot.Cursor(), TPlotCursor::Zoom);
    s.press(grab);
    s.move(grab + QPoint(30, 20));
    EXPECT_EQ(s.plot.Drag().What, TPlotDrag::Legend);
    EXPECT_NE(s.plot.ScreenImage(), s.plot.Bitmap());
    EXPECT_EQ(s.composes, 0);
    s.release(grab + QPoint(30, 20));
    EXPECT_EQ(s.plot.Legend().Left(), 130);
    EXPECT_EQ(s.plot.Legend().Top(), 120);
    EXPECT_EQ(changes, std::vector<TUserChange>{TUserChange::Position});
    s.plot.Bitmap();
    EXPECT_EQ(s.composes, 1);
    EXPECT_EQ(s.plot.LegendRect().Left, 130);  // composed where it was dropped
    EXPECT_EQ(s.plot.ScreenImage(), s.plot.Bitmap());
}

TEST(PlotDrag, TextBox2WinsOverAnOverlappingLegend)
{
    ShownPlot s;
    legendUnderBox2(s.plot);
    const TRect box2 = s.plot.TextBoxRect(2);
    ASSERT_TRUE(box2.Contains(105, 100) && s.plot.LegendRect().Contains(105, 100));
    s.press({105, 100});
    EXPECT_EQ(s.plot.Drag().What, TPlotDrag::Box2);
    s.move({115, 110});
    s.release({115, 110});
    EXPECT_EQ(s.plot.TextBox2().Left(), 100);
    EXPECT_EQ(s.plot.Legend().Left(), 100);
}

// The pointer cannot be held inside the plot on every desktop, so the drag
// position is kept there instead, also where the button is let go.
TEST(PlotDrag, DragBeyondThePlotStopsAtItsEdge)
{
    ShownPlot s;
    legendUnderBox2(s.plot);
    s.plot.TextBox2().Setvisible(false);
    const TRect plot = s.plot.GetPlotrec();
    const QPoint grab(110, 110);
    s.press(grab);
    s.move({-40, 395});
    EXPECT_EQ(s.plot.Drag().Current, (TPoint{plot.Left, plot.Bottom}));
    s.release({-60, 399});
    EXPECT_EQ(s.plot.Legend().Left(), 100 + plot.Left - grab.x());
    EXPECT_EQ(s.plot.Legend().Top(), 100 + plot.Bottom - grab.y());
}
