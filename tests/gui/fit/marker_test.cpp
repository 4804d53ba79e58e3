// The range markers: their grid of steps, the limits that never cross, and
// the line that reaches the screen but never the plot's bitmap.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "gui/fit/Marker.h"
#include "gui/fit/RangeBars.h"
#include "plot/Lineplot.h"

namespace {

struct MarkerPlot : ::testing::Test {
    MarkerPlot()
    {
        plot.resize(500, 400);
        const int col = plot.AddCol();
        plot.AddData(col, 10.0, 0.0, true);
        plot.AddData(col, 70.0, 1.0, true);
        plot.SetXY1Axislimit(10.0, 70.0, 0.0, 1.0);
        plot.Bitmap();
    }
    // Pixels of column x inside the plot rectangle that differ between two
    // images.
    static int changedInColumn(const QImage& a, const QImage& b, int x, const TRect& r)
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }
    TLinePlot plot;
};

TEST_F(MarkerPlot, EveryPositionLiesOnItsStep)
{
    TMarker m(plot, 10.0, 70.0, -1, 255);
    ASSERT_EQ(m.Steps(), 600);
    for (int p = 0; p <= 600; ++p) {
        m.SetPos(p);
        ASSERT_NEAR(m.Value(), 10.0 + 0.1 * p, 1e-9) << "position " << p;
        // The value read back gives the same position.
        m.SetValue(m.Value());
        ASSERT_EQ(m.Position(), p) << "value " << m.Value();
    }
    m.SetPos(82);
    EXPECT_NEAR(m.Value(), 18.2, 1e-12);
    m.SetPos(123);
    EXPECT_NEAR(m.Value(), 22.3, 1e-12);
    m.SetValue(10.1);
    EXPECT_EQ(m.Position(), 1);
    EXPECT_NEAR(m.Value(), 10.1, 1e-12);
    m.SetValue(10.149);
    EXPECT_EQ(m.Position(), 1);
}

TEST_F(MarkerPlot, ValuesStayInsideTheRange)
{
    // A scan ending at 70.01: the last step lies past it.
    TMarker m(plot, 10.0, 70.01, -1, 32768);
    EXPECT_EQ(m.Steps(), 601);
    m.SetPos(m.Steps());
    EXPECT_EQ(m.Value(), 70.01);
    m.SetValue(70.1);
    EXPECT_LE(m.Value(), 70.01);
    m.SetValue(5.0);
    EXPECT_EQ(m.Position(), 0);
    EXPECT_EQ(m.Value(), 10.0);
    m.SetPos(-3);
    EXPECT_EQ(m.Value(), 10.0);
    m.SetPos(10000);
    EXPECT_EQ(m.Value(), 70.01);
}

TEST_F(MarkerPlot, TheLineIsOnTheScreenOnlyAndNotOffTheAxis)
{
    TRangeBars bars(plot, "left", "right");
    bars.Rebuild(10.0, 70.0);
    // Values between the grid lines of the axis.
    bars.SetLeftValue(33.3);
    bars.SetRightValue(66.6);
    const QImage bitmap = plot.Bitmap().copy();
    const QImage screen = plot.ScreenImage();
    const TRect r = plot.GetPlotrec();
    const int x = *plot.XAxis().TryKor2Pkt(33.3);
    EXPECT_EQ(changedInColumn(bitmap, screen, x, r), r.Height());
    // Drawn on white by not-xor the line shows its own colour, red.
    int white = r.Top;
    while (white < r.Bottom && bitmap.pixelColor(x, white) != Qt::white)
        ++white;
    ASSERT_LT(white, r.Bottom);
    EXPECT_EQ(screen.pixelColor(x, white), QColor(255, 0, 0));
    // Saved, copied and printed pictures come from the bitmap, which holds
    // no marker.
    QImage again;
    plot.GetPlotBitmap(again);
    EXPECT_EQ(changedInColumn(bitmap, again, x, r), 0);

    // Zoomed in past the left marker: it is not drawn.
    plot.SetXAxislimit(40.0, 70.0);
    plot.Bitmap();
    const QImage zoomed = plot.ScreenImage();
    EXPECT_FALSE(bars.Left()->Visible());
    EXPECT_TRUE(bars.Right()->Drawn());
    EXPECT_EQ(changedInColumn(plot.Bitmap(), zoomed, *plot.XAxis().TryKor2Pkt(66.6), r), r.Height());
    int changed = 0;
    for (int col = r.Left; col < r.Right; ++col)
        changed += changedInColumn(plot.Bitmap(), zoomed, col, r);
    EXPECT_EQ(changed, r.Height());  // the right marker's line only
}

TEST_F(MarkerPlot, TheLimitsNeverCross)
{
    TRangeBars bars(plot, "left", "right");
    bars.Rebuild(10.0, 70.0);
    EXPECT_EQ(bars.ScrollBar_L->minimum(), 0);
    EXPECT_EQ(bars.ScrollBar_R->maximum(), 600);
    EXPECT_EQ(bars.LeftValue(), 10.0);
    EXPECT_EQ(bars.RightValue(), 70.0);

    bars.ScrollBar_L->setValue(599);
    EXPECT_EQ(bars.ScrollBar_R->minimum(), 600);
    bars.ScrollBar_R->setValue(0);  // pushed back to the left limit's next step
    EXPECT_EQ(bars.Right()->Position(), 600);
    EXPECT_LT(bars.LeftValue(), bars.RightValue());

    bars.ScrollBar_L->setValue(100);
    bars.ScrollBar_R->setValue(101);
    EXPECT_EQ(bars.ScrollBar_L->maximum(), 100);
    bars.ScrollBar_L->setValue(300);
    EXPECT_EQ(bars.Left()->Position(), 100);
    // Values set by the owner keep the order too.
    bars.SetLeftValue(65.0);
    EXPECT_LT(bars.LeftValue(), bars.RightValue());
    EXPECT_NEAR(bars.RightValue(), 20.1, 1e-12);
}

}  // namespace
