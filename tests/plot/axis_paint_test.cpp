#include <gtest/gtest.h>

#include "plot/AxisPaint.h"
#include "plot/PlotCanvas.h"

namespace {

// Black pixels on one row of an X axis painted under a plot rectangle.
int blackOnRow(int plotWidth, int rowBelowAxis)
{
    TXAxis a;
    a.SetmaxValue(100);
    a.SetGitter(false);
    a.SetFirstRealvalue(plotWidth);
    QImage img = TPlotCanvas::NewBitmap(plotWidth + 40, 80);
    TRect r{20, 5, 20 + plotWidth, 30};
    {
        TPlotCanvas c(img);
        PaintAxis(c, a, r, clWhite);
    }
    int n = 0;
    for (int x = 0; x < img.width(); ++x)
        n += (img.pixel(x, r.Bottom + rowBelowAxis) & 0xFFFFFF) == 0;
    return n;
}

}  // namespace

TEST(AxisPaint, MinorTicksThinOutButNeverVanish)
{
    // 10 intervals of 50 pixels: 9 minor ticks each, the middle one 10 long.
    EXPECT_EQ(blackOnRow(500, 3), 11 + 10 * 9);
    EXPECT_EQ(blackOnRow(500, 8), 11 + 10);
    EXPECT_EQ(blackOnRow(500, 12), 11);
    // 10 pixels per interval: 3 parts, 2 minor ticks in each.
    EXPECT_EQ(blackOnRow(100, 3), 11 + 10 * 2);
    // Intervals of a pixel or less keep one part: the major ticks only.
    EXPECT_EQ(blackOnRow(10, 3), 11);
}

TEST(AxisPaint, LabelsSitUnderTheirTicks)
{
    TXAxis a;
    a.SetmaxValue(100);
    a.SetFirstRealvalue(500);
    QImage img = TPlotCanvas::NewBitmap(560, 80);
    TRect r{30, 5, 530, 30};
    {
        TPlotCanvas c(img);
        PaintAxis(c, a, r, RGBColor(0, 255, 0));
    }
    // Label cells are filled with the background colour given; the grid stays
    // inside the plot and leaves out the last tick.
    EXPECT_EQ(img.pixel(30 + 250, r.Bottom + 18) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(img.pixel(30 + 100, r.Top + 5) & 0xFFFFFF, 0x808080u);
    EXPECT_NE(img.pixel(530, r.Top + 5) & 0xFFFFFF, 0x808080u);
    EXPECT_NE(img.pixel(30, r.Top + 5) & 0xFFFFFF, 0x808080u);
}
