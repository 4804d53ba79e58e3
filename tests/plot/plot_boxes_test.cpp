// A plot whose host lets it place its boxes: a replot with other data
// places them again, and once the user has dragged one, nothing moves them
// any more.
#include <gtest/gtest.h>

#include "plot_interaction_support.h"

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
        s.plot.AutoPlaceBoxes = true;
        s.plot.TextBox1().Title().Add("Layer-System");
        for (const char* line : {"1  glass", "2  gold 50 nm", "3  water"})
            s.plot.TextBox1().Text1().Add(line);
        s.plot.TextBox2().Title().Add("a comment");
    }
    ShownPlot s;
};

TEST_F(PlacingPlot, ADraggedBoxStaysWhereTheUserPutItAndNothingIsPlacedAgain)
{
    plotPeak(s.plot, 70.0);
    s.plot.Bitmap();
    const TRect legend = s.plot.LegendRect();

    // Before any drag a replot puts the peak under the legend: it moves.
    plotPeakAt(s.plot, center(legend));
    s.plot.Bitmap();
    EXPECT_NE(s.plot.LegendRect(), legend);

    const TRect before = s.plot.LegendRect();
    const QPoint grab(before.Left + 5, before.Top + 5);
    s.press(grab);
    s.move(grab + QPoint(-20, 15));
    s.release(grab + QPoint(-20, 15));
    EXPECT_TRUE(s.plot.BoxesDragged());
    EXPECT_EQ(s.plot.Legend().Left(), before.Left - 20);
    EXPECT_EQ(s.plot.Legend().Top(), before.Top + 15);

    // Data that would send every box elsewhere, and a new size: nothing moves.
    const TRect box1Now = s.plot.TextBoxRect(1);
    plotPeakAt(s.plot, center(box1Now));
    s.plot.resize(640, 420);
    s.plot.Bitmap();
    EXPECT_EQ(s.plot.Legend().Left(), before.Left - 20);
    EXPECT_EQ(s.plot.Legend().Top(), before.Top + 15);
    EXPECT_EQ(s.plot.TextBoxRect(1).Left, box1Now.Left);
    EXPECT_EQ(s.plot.TextBoxRect(1).Top, box1Now.Top);
}

}  // namespace
