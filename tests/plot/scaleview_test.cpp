#include <gtest/gtest.h>

#include "plot/ScaleviewDlg.h"
#include "plot_interaction_support.h"

namespace {

struct ShownOverview {
    ShownPlot s;
    TScaleviewDlg& dlg = s.plot.ScaleviewDlg();
    ShownOverview()
    {
        dlg.resize(444, 327);
        dlg.show();
        (void)QTest::qWaitForWindowExposed(&dlg);
        dlg.PaintGes();
    }
    void drag(QPoint from, QPoint to)
    {
        hover(dlg, from);
        QTest::mousePress(&dlg, Qt::LeftButton, {}, from);
        QTest::mouseMove(&dlg, to);
        QTest::mouseRelease(&dlg, Qt::LeftButton, {}, to);
    }
};

void addLine(TLinePlot& plot, double x0, double y0, double x1, double y1)
{
    int c = plot.AddCol();
    plot.AddData(c, x0, y0, true);
    plot.AddData(c, x1, y1, true);
}

}  // namespace

TEST(Scaleview, MiniatureAndDataRectangleOfTheDefaultClient)
{
    ShownOverview o;
    ASSERT_EQ(o.dlg.size(), QSize(444, 327));
    EXPECT_EQ(o.dlg.Miniature().size(), QSize(444, 286));
    EXPECT_EQ(o.dlg.Model().Data(), (TRect{25, 25, 419, 261}));
}

TEST(Scaleview, ReleaseSetsTheFrameAsLimitsInOneCompose)
{
    ShownOverview o;
    addLine(o.s.plot, 0, 0, 200, 50);
    o.s.plot.SetXY1Axislimit(0, 100, 0, 50);
    o.dlg.PaintGes();
    const TRect f = o.dlg.Model().Frame();
    // X 0..100 of data 0..200 is the left half of the miniature.
    EXPECT_NEAR(f.Left, 25, 2);
    EXPECT_NEAR(f.Right, 222, 2);
    EXPECT_NE(o.dlg.ScreenImage(), o.dlg.Miniature());

    int limitChanges = 0;
    o.s.plot.OnUserChange = [&](TLinePlot&, TUserChange c) { limitChanges += c == TUserChange::Limits; };
    o.s.composes = 0;
    const QPoint inside((f.Left + f.Right) / 2, (f.Top + f.Bottom) / 2);
    o.drag(inside, inside + QPoint(197, 0));
    EXPECT_EQ(o.s.composes, 1);
    EXPECT_EQ(limitChanges, 1);
    // Moved by half the miniature's width: about 100 to 200.
    EXPECT_NEAR(o.s.plot.XAxis().minValue(), 100, 3);
    EXPECT_NEAR(o.s.plot.XAxis().maxValue(), 200, 3);
}

TEST(Scaleview, DragsThatShrinkTheFrameTo6PixelsOrLeaveTheMiniatureAreRefused)
{
    ShownOverview o;
    addLine(o.s.plot, 0, 0, 100, 100);
    o.s.plot.SetXY1Axislimit(20, 60, 20, 60);
    o.dlg.PaintGes();
    const TScaleview& m = o.dlg.Model();
    const TRect f = m.Frame();
    ASSERT_GT(f.Width(), 20);
    // The right edge dragged to within 6 pixels of the left edge.
    const QPoint edge(f.Right, (f.Top + f.Bottom) / 2);
    hover(o.dlg, edge);
    EXPECT_EQ(m.Area(), 7);
    QTest::mousePress(&o.dlg, Qt::LeftButton, {}, edge);
    QTest::mouseMove(&o.dlg, QPoint(f.Left + 7, edge.y()));
    EXPECT_EQ(m.Frame().Width(), 7);
    QTest::mouseMove(&o.dlg, QPoint(f.Left + 6, edge.y()));
    EXPECT_EQ(m.Frame().Width(), 7);
    QTest::mouseRelease(&o.dlg, Qt::LeftButton, {}, QPoint(f.Left + 6, edge.y()));

    EXPECT_FALSE(m.Acceptable(TScaleview::Dragged(1, f, -f.Left + 1, 0)));  // 1 pixel from the edge
    EXPECT_TRUE(m.Acceptable(TScaleview::Dragged(1, f, -f.Left + 2, 0)));
}

TEST(Scaleview, ZoomedFarOutTheFrameStaysTwoPixelsInside)
{
    ShownOverview o;
    addLine(o.s.plot, 0, 0, 10, 10);
    o.s.plot.SetXY1Axislimit(-1000, 1000, -1000, 1000);
    o.dlg.PaintGes();
    EXPECT_EQ(o.dlg.Model().Frame(), (TRect{2, 2, 442, 284}));
}

// With nothing drawn there is no range to place a frame on: none is shown
// and a drag changes nothing.
TEST(Scaleview, WithoutDataThereIsNoFrameAndDragsAreIgnored)
{
    ShownOverview o;
    EXPECT_FALSE(o.dlg.Model().HasData());
    EXPECT_EQ(o.dlg.ScreenImage(), o.dlg.Miniature());
    o.s.composes = 0;
    o.drag({60, 60}, {90, 80});
    o.drag({20, 60}, {40, 60});
    EXPECT_EQ(o.s.composes, 0);
    EXPECT_EQ(o.s.plot.XAxis().minValue(), 0);
    EXPECT_EQ(o.s.plot.XAxis().maxValue(), 100);
    EXPECT_EQ(o.dlg.ScreenImage(), o.dlg.Miniature());
}
