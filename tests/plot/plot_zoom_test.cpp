#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "plot_interaction_support.h"

namespace {

void expectRange(const TAxis& a, double lo, double hi)
{
    // The axes keep the limits in the order given; they order them when
    // they lay out the ticks.
    EXPECT_NEAR(std::min(a.minValue(), a.maxValue()), lo, 5e-5);
    EXPECT_NEAR(std::max(a.minValue(), a.maxValue()), hi, 5e-5);
}

}  // namespace

TEST(PlotZoom, RubberBandFrom100x50To200x150SetsTheLimitsInOneCompose)
{
    ShownPlot s;
    ASSERT_EQ(s.plot.GetPlotrec(), (TRect{51, 32, 578, 341}));
    s.plot.isZoom = true;
    int changes = 0;
    s.plot.OnUserChange = [&](TLinePlot&, TUserChange c) { changes += c == TUserChange::Limits; };

    s.move({100, 50});
    EXPECT_EQ(s.plot.ReadoutText(), "(X: 9.3  Y: 94.2)");
    EXPECT_EQ(s.plot.Cursor(), TPlotCursor::Zoom);
    s.press({100, 50});
    s.move({200, 150});
    // The band is on the screen, the bitmap is untouched and not recomposed.
    const QImage bitmap = s.plot.Bitmap().copy();
    const QImage screen = s.plot.ScreenImage();
    EXPECT_NE(screen, bitmap);
    EXPECT_EQ(screen.pixel(150, 50), qRgb(255, 0, 0));  // the dashed top edge on white
    EXPECT_EQ(s.composes, 0);
    EXPECT_EQ(s.script.beeps, 0);

    s.release({200, 150});
    expectRange(s.plot.XAxis(), 9.2979, 28.2732);
    expectRange(s.plot.Y1Axis(), 61.8123, 94.1748);
    EXPECT_EQ(s.composes, 1);
    EXPECT_EQ(s.script.beeps, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(s.plot.Drag().Active());
    EXPECT_EQ(s.plot.ScreenImage(), s.plot.Bitmap());
}

TEST(PlotZoom, WithoutZoomModeAPressInThePlotDoesNothing)
{
    ShownPlot s;
    s.move({300, 200});
    EXPECT_EQ(s.plot.Cursor(), TPlotCursor::Cross);
    s.press({300, 200});
    EXPECT_FALSE(s.plot.Drag().Active());
    s.release({320, 220});
    EXPECT_EQ(s.composes, 0);
    EXPECT_EQ(s.script.beeps, 0);
    s.move({5, 5});
    EXPECT_EQ(s.plot.ReadoutText(), "");
}

TEST(PlotZoom, RightAxisReadoutAndThreeAxisZoom)
{
    ShownPlot s;
    s.plot.SetisY2Axis(true);
    s.plot.SetY2Axislimit(0, 1000);
    s.composes = 0;
    s.plot.isZoom = true;
    s.move({100, 50});
    EXPECT_TRUE(s.plot.ReadoutText().startsWith("(X: "));
    EXPECT_TRUE(s.plot.ReadoutText().contains("  Y1: ") && s.plot.ReadoutText().contains("  Y2: "));
    s.press({100, 50});
    s.move({200, 150});
    s.release({200, 150});
    EXPECT_EQ(s.composes, 1);
    EXPECT_LT(std::max(s.plot.Y2Axis().minValue(), s.plot.Y2Axis().maxValue()), 1000);
    EXPECT_GT(std::min(s.plot.Y2Axis().minValue(), s.plot.Y2Axis().maxValue()), 0);
}

TEST(PlotLimits, EverySetterComposesOnceAndNotAtAllWhileRepaintingIsOff)
{
    ShownPlot s;
    s.plot.SetXY1Y2Axislimit(1, 2, 3, 4, 5, 6);
    EXPECT_EQ(s.composes, 1);
    EXPECT_EQ(s.plot.Y2Axis().maxValue(), 6);
    s.plot.SetXAxislimit(7, 8);
    s.plot.SetY1Y2Axislimit(1, 2, 3, 4);
    EXPECT_EQ(s.composes, 3);
    s.plot.Setrepaintcomp(false);
    s.plot.SetXY2Axislimit(0, 1, 0, 1);
    EXPECT_EQ(s.composes, 3);
    EXPECT_FALSE(s.plot.repaintcomp());
}

TEST(PlotLimits, AutoscaleTakesTheDataRangeWidenedWhenItIsOneValue)
{
    ShownPlot s;
    s.plot.Autoscale(true, true, true);
    EXPECT_EQ(s.composes, 0);  // no columns: nothing happens
    int c = s.plot.AddCol();
    s.plot.AddData(c, 1, 5, true);
    s.plot.AddData(c, 3, 5, true);
    s.plot.Autoscale(true, true, false);
    EXPECT_EQ(s.composes, 1);
    EXPECT_EQ(s.plot.XAxis().minValue(), 1);
    EXPECT_EQ(s.plot.XAxis().maxValue(), 3);
    EXPECT_EQ(s.plot.Y1Axis().minValue(), 4);
    EXPECT_EQ(s.plot.Y1Axis().maxValue(), 6);
    EXPECT_EQ(s.plot.Y2Axis().maxValue(), 100);  // not requested, and without data

    // Invalid points count, a value that no axis can place does not.
    s.plot.AddData(c, 2, 1e-300, false);
    s.plot.AddData(c, std::numeric_limits<double>::quiet_NaN(), 7, false);
    s.plot.Autoscale(true, true, true);
    EXPECT_EQ(s.plot.Y1Axis().minValue(), 1e-300);
    EXPECT_EQ(s.plot.Y1Axis().maxValue(), 7);
    EXPECT_EQ(s.plot.XAxis().maxValue(), 3);
}
