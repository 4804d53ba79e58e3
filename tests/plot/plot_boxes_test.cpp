// A plot that places its boxes: a replot with other data places them
// again; a box the user drags stays where it was put, inside the plot
// area, and the others are placed around it.
#include <gtest/gtest.h>

#include "plot_interaction_support.h"
#include "support/PlotBoxChecks.h"

namespace {

// One resonance peak at (x0, top) over the X range 0 .. 100.
void plotPeak(TLinePlot& plot, double x0, double top = 1.0)
{
    plot.Setrepaintcomp(false);
    plot.DeleteAllCol();
    const int c = plot.AddCol();
    plot.SetColTitle(c, "curve");
    for (int i = 0; i <= 400; ++i) {
        const double x = i * 0.25, u = (x - x0) / 1.5;
        plot.AddData(c, x, 0.1 + (top - 0.1) / (1.0 + u * u), true);
    }
    plot.SetXY1Axislimit(0, 100, 0, 1.05);
    plot.Setrepaintcomp(true);
}

// The peak of plotPeak at the pixel p.
void plotPeakAt(TLinePlot& plot, TPoint p)
{
    plotPeak(plot, plot.XAxis().Pkt2kord(p.x), plot.Y1Axis().Pkt2kord(p.y));
}

TPoint center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

struct PlacingPlot : ::testing::Test {
    PlacingPlot()
    {
        s.plot.TextBox1().Title().Add("Layer-System");
        for (const char* line : {"1  glass", "2  gold 50 nm", "3  water"})
            s.plot.TextBox1().Text1().Add(line);
        s.plot.TextBox2().Title().Add("a comment");
    }
    ShownPlot s;
};

TEST_F(PlacingPlot, ADraggedBoxStaysWhereTheUserPutItAndTheOthersArePlacedAroundIt)
{
    plotPeak(s.plot, 70.0);
    s.plot.Bitmap();
    const TRect legend = s.plot.LegendRect();

    // Before any drag a replot puts the peak under the legend: it moves.
    plotPeakAt(s.plot, center(legend));
    s.plot.Bitmap();
    EXPECT_NE(s.plot.LegendRect(), legend);

    // The legend dragged onto text box 1: the box makes room.
    const TRect before = s.plot.LegendRect();
    const TRect box1 = s.plot.TextBoxRect(1);
    const QPoint grab(before.Left + 5, before.Top + 5);
    const QPoint drop = grab + QPoint(box1.Left - before.Left, box1.Top - before.Top);
    s.press(grab);
    s.move(drop);
    s.release(drop);
    EXPECT_TRUE(s.plot.BoxPinned(TPlotDrag::Legend));
    EXPECT_FALSE(s.plot.BoxPinned(TPlotDrag::Box1));
    veltrane::test::ExpectBoxesApart(s.plot, "the legend dropped on text box 1");
    EXPECT_EQ(s.plot.LegendRect().Left, box1.Left);
    EXPECT_EQ(s.plot.LegendRect().Top, box1.Top);

    // Data that would send every box elsewhere: the legend stays, text box
    // 1 goes on leaving the peak in sight.
    const TPoint peak = center(s.plot.TextBoxRect(1));
    plotPeakAt(s.plot, peak);
    veltrane::test::ExpectInSight(s.plot, peak, "the peak put under text box 1");
    EXPECT_EQ(s.plot.LegendRect().Left, box1.Left);
    EXPECT_EQ(s.plot.LegendRect().Top, box1.Top);

    // Enlarged, the legend keeps its share of the plot area: its middle
    // lies as far across and down the area as before.
    const TRect small = s.plot.GetPlotrec();
    const TRect put = s.plot.LegendRect();
    s.plot.resize(640, 420);
    veltrane::test::ExpectBoxesApart(s.plot, "enlarged");
    const TRect large = s.plot.GetPlotrec();
    const TPoint was = center(put), now = center(s.plot.LegendRect());
    EXPECT_NEAR(double(now.x - large.Left) / large.Width(), double(was.x - small.Left) / small.Width(), 0.01);
    EXPECT_NEAR(double(now.y - large.Top) / large.Height(), double(was.y - small.Top) / small.Height(), 0.01);
}

// A dragged box in a plot that shrinks below it keeps its top left corner
// (its title) in the plot area, and is back where it was put once the plot
// grows again.
TEST_F(PlacingPlot, ADraggedBoxLargerThanTheShrunkPlotKeepsItsTitleInSight)
{
    for (int i = 0; i < 14; ++i)
        s.plot.TextBox1().Text2().Add("line " + std::to_string(i));
    plotPeak(s.plot, 30.0);
    s.plot.Bitmap();
    const TRect box = s.plot.TextBoxRect(1);
    ASSERT_GT(box.Height(), 180);
    const TRect area = s.plot.GetPlotrec();
    const QPoint grab(box.Left + 5, box.Top + 5);
    const QPoint drop(area.Right - 10, area.Bottom - 10);
    s.press(grab);
    s.move(drop);
    s.release(drop);
    const TPoint put{box.Left + drop.x() - grab.x(), box.Top + drop.y() - grab.y()};

    s.plot.resize(420, 240);
    s.plot.Bitmap();
    const TRect small = s.plot.GetPlotrec();
    ASSERT_LT(small.Height(), box.Height());
    const TRect shown = s.plot.TextBoxRect(1);
    EXPECT_EQ(shown.Top, small.Top);
    EXPECT_EQ(shown.Right, small.Right);

    s.plot.resize(600, 400);
    s.plot.Bitmap();
    EXPECT_EQ(s.plot.TextBoxRect(1).Left, std::min(put.x, area.Right - box.Width()));
    EXPECT_EQ(s.plot.TextBoxRect(1).Top, std::min(put.y, area.Bottom - box.Height()));
}

// Points drawn without a symbol hide nothing: a row of such points along
// the top leaves the boxes where a single symbol there leaves them.
TEST_F(PlacingPlot, OnlyTheSymbolsDrawnKeepTheBoxesAway)
{
    auto row = [&](int points) {
        s.plot.Setrepaintcomp(false);
        s.plot.DeleteAllCol();
        const int c = s.plot.AddCol();
        s.plot.SetPlotArt(c, paSymbol);
        s.plot.SetProzentPunkte(c, 0);  // the first point's symbol only
        for (int i = 0; i < points; ++i)
            s.plot.AddData(c, 1.0 + i * 0.25, 1.0, true);
        s.plot.SetXY1Axislimit(0, 100, 0, 1.05);
        s.plot.Setrepaintcomp(true);
        s.plot.PlaceBoxesAfresh();
        return veltrane::test::DrawnBoxes(s.plot);
    };
    const std::vector<TRect> one = row(1);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(row(393), one);
}

}  // namespace
