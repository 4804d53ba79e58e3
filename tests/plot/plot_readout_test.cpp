// The read-out under the plot: it shows the values under the mouse only as
// long as the picture it was read from is on the screen.
#include <gtest/gtest.h>

#include <functional>

#include "plot_interaction_support.h"

namespace {

void fill(TLinePlot& plot, double scale)
{
    plot.DeleteAllCol();
    const int col = plot.AddCol();
    for (int i = 0; i <= 10; ++i)
        plot.AddData(col, 10.0 * i, scale * i * i, true);
}

struct Change {
    const char* what;
    std::function<void(ShownPlot&)> apply;
};

}  // namespace

TEST(PlotReadout, AnyChangeOfDataAxesOrLayoutEmptiesIt)
{
    const Change changes[] = {
        {"replot", [](ShownPlot& s) { fill(s.plot, 2.0); s.plot.Autoscale(true, true, false); }},
        {"new empty plot", [](ShownPlot& s) { s.plot.DeleteAllCol(); }},
        {"a point more", [](ShownPlot& s) { s.plot.AddData(0, 105.0, 7.0, true); }},
        {"a point changed", [](ShownPlot& s) { s.plot.SetData(0, 3, 30.0, 1.0, true); }},
        {"limits", [](ShownPlot& s) { s.plot.SetXY1Axislimit(0, 50, 0, 20); }},
        {"log scale", [](ShownPlot& s) { s.plot.Y1Axis().Setlogscale(true); }},
        {"right axis hidden", [](ShownPlot& s) { s.plot.SetisY2Axis(false); }},
        {"title", [](ShownPlot& s) { s.plot.SetTitle("another plot"); }},
        {"resize", [](ShownPlot& s) { s.plot.resize(500, 350); }},
        {"zoom", [](ShownPlot& s) {
             s.plot.isZoom = true;
             s.press({150, 100});
             s.move({250, 200});
             s.release({250, 200});
         }},
    };
    for (const Change& c : changes) {
        ShownPlot s;
        fill(s.plot, 1.0);
        s.plot.SetisY2Axis(true);
        s.plot.Autoscale(true, true, true);
        s.move({300, 200});
        ASSERT_TRUE(s.plot.ReadoutText().startsWith("(X: ")) << c.what;
        c.apply(s);
        EXPECT_EQ(s.plot.ReadoutText().toStdString(), "") << c.what;
        // The next move reads out again.
        s.move({301, 200});
        EXPECT_TRUE(s.plot.ReadoutText().startsWith("(X: ")) << c.what;
    }
}

TEST(PlotReadout, AMoveRightAfterAChangeReadsTheNewPicture)
{
    // No paint comes between the change and the move.
    ShownPlot s;
    s.plot.SetisY2Axis(true);
    s.move({300, 200});
    ASSERT_TRUE(s.plot.Mousekord().InPlot);
    // Both axes run from 0 to 100 and share the plot rectangle.
    EXPECT_EQ(s.plot.Mousekord().Y2, s.plot.Mousekord().Y1);
    EXPECT_TRUE(s.plot.ReadoutText().contains("  Y2: ")) << s.plot.ReadoutText().toStdString();
}
