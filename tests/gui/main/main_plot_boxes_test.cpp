// The main plot's legend, "Layer-System" table and comment with five Z
// curves and a scaled and shifted scan, and with the scan alone: apart, the
// legend's rows in sight, and the resonance dips and the reflectivity
// maxima uncovered, in the smallest window, at the default size and
// enlarged. A box the user drags keeps its place, inside the plot, until a
// new document is begun or one is opened.
#include <QTest>

#include "MainFormFixture.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/Simulationiterdlg.h"
#include "support/PlotBoxChecks.h"
#include "support/Stacks.h"

namespace {

struct MainPlotBoxes : MainWindowTest {
    // The demo sensor over the thickness of its 5 nm layer, 0 to 20 nm in
    // five curves, and a scan measured on the first curve.
    void fiveCurvesAndAScan()
    {
        Document& d = form.Doc();
        TSimparameter p = veltrane::stacks::demo();
        p.PolArt = paP;
        p.PolMode = pmP;
        veltrane::stacks::thetaScan(p, 45.0, 65.0, 401);
        p.ZAxis = {pkThickness, 0.0, 20.0, 3, 5, 0.0, 0};
        p.Comment = "demo stack with a scan";
        d.Simparameter = p;
        form.RunSimulation();
        ASSERT_EQ(d.ResColList.size(), 5u);
        TScanColrec scan;
        scan.Name = "sensor.dat";
        scan.Kind = ckRp;
        for (std::size_t i = 0; i < d.ResColList.front().Points.size(); i += 10)
            scan.Points.push_back({d.ResColList.front().Points[i].x, d.ResColList.front().Points[i].Rp});
        scan.Scalefactor = 1.031;
        scan.Shiftfactor = -0.25;
        d.ScanColList.push_back(scan);
        form.Replot();
    }
    // Drags the legend by its top left corner to `corner`.
    void dragLegendTo(TPoint corner)
    {
        TLinePlot& plot = form.Plot();
        plot.Bitmap();
        const TRect r = plot.LegendRect();
        const QPoint grab(r.Left + 5, r.Top + 5), drop(corner.x + 5, corner.y + 5);
        QTest::mousePress(&plot, Qt::LeftButton, {}, grab);
        QTest::mouseMove(&plot, drop);
        QTest::mouseRelease(&plot, Qt::LeftButton, {}, drop);
        plot.Bitmap();
    }
    void expectNothingPinned(const std::string& what)
    {
        for (TPlotDrag::Kind k : {TPlotDrag::Legend, TPlotDrag::Box1, TPlotDrag::Box2})
            EXPECT_FALSE(form.Plot().BoxPinned(k)) << what;
    }
    void expectClear(const std::string& what)
    {
        TLinePlot& plot = form.Plot();
        veltrane::test::ExpectTitlesReadable(plot, what);
        ASSERT_EQ(veltrane::test::DrawnBoxes(plot).size(), 3u) << what;
        veltrane::test::ExpectBoxesApart(plot, what);
        for (int col = 0; col < plot.GetColanz(); ++col) {
            veltrane::test::ExpectInSight(plot, veltrane::test::ExtremePixel(plot, col, false),
                                          "the dip of " + plot.GetColTitle(col) + ", " + what);
            veltrane::test::ExpectInSight(plot, veltrane::test::ExtremePixel(plot, col, true),
                                          "the maximum of " + plot.GetColTitle(col) + ", " + what);
        }
    }
};

TEST_F(MainPlotBoxes, FiveZCurvesAndAScaledShiftedScan)
{
    fiveCurvesAndAScan();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.Plot().GetColTitle(0), "sensor.dat (Scale-factor:1.031 | Shift-factor:-0.25)");
    // No size stands for the smallest the window allows with what it shows.
    auto fit = [this](QSize size) {
        if (!size.isValid())
            return veltrane::test::ShrinkToSmallest(form, form.Plot());
        form.resize(size);
        QApplication::processEvents();
        return size;
    };
    for (QSize size : {QSize(), form.size(), QSize(1600, 1000)}) {
        const std::string at = std::to_string(fit(size).width()) + " wide";
        expectClear("five curves and a scan, " + at);

        form.Doc().ResColList.clear();
        form.Replot();
        expectClear("the scan alone, " + std::to_string(fit(size).width()) + " wide");
        form.RunSimulation();
    }
}

// Thirty layers make a "Layer-System" table taller than a laptop screen
// would give the plot: the window still fits such a screen.
TEST_F(MainPlotBoxes, ThirtyLayersStillFitASmallScreen)
{
    Document& d = form.Doc();
    TSimparameter p = veltrane::stacks::base(30);
    veltrane::stacks::setLayer(p, 0, {2.25, 0.0}, 0.0);
    for (int k = 1; k < 29; ++k)
        veltrane::stacks::setLayer(p, k, {2.0 + 0.01 * k, 0.0}, 10.0 + k);
    veltrane::stacks::setLayer(p, 29, {1.0, 0.0}, 0.0);
    veltrane::stacks::thetaScan(p, 40.0, 70.0, 301);
    p.Comment = "thirty layers";
    d.Simparameter = p;
    form.RunSimulation();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QSize smallest = veltrane::test::ShrinkToSmallest(form, form.Plot());
    EXPECT_LE(smallest.width(), 1366);
    EXPECT_LE(smallest.height(), 768);
    ASSERT_EQ(veltrane::test::DrawnBoxes(form.Plot()).size(), 3u);
}

TEST_F(MainPlotBoxes, ADraggedLegendKeepsItsPlaceUntilANewOrOpenedDocument)
{
    fiveCurvesAndAScan();
    script.saveAnswers.push_back(path("sensor.vtn"));
    trigger("FileSaveAsItem");
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(1600, 1000);
    QApplication::processEvents();
    TLinePlot& plot = form.Plot();

    // Dropped on the comment, the legend stays there: the comment moves.
    const TRect comment = plot.TextBoxRect(2);
    dragLegendTo({comment.Left, comment.Top});
    veltrane::test::ExpectBoxesApart(plot, "the legend dropped on the comment");
    EXPECT_EQ(plot.LegendRect().Left, comment.Left);
    EXPECT_EQ(plot.LegendRect().Top, comment.Top);

    // Into the empty middle of the large plot, above the dips, then the
    // window made small: the legend keeps its share of the plot area, so
    // it stays in the empty middle, and the others go round it.
    const TRect large = plot.GetPlotrec();
    const TRect legend = plot.LegendRect();
    const TPoint put{(large.Left + large.Right - legend.Width()) / 2, large.Top + large.Height() * 3 / 10};
    dragLegendTo(put);
    EXPECT_EQ(plot.LegendRect().Left, put.x);
    EXPECT_EQ(plot.LegendRect().Top, put.y);
    form.resize(900, 640);
    QApplication::processEvents();
    ASSERT_EQ(veltrane::test::DrawnBoxes(plot).size(), 3u);
    veltrane::test::ExpectBoxesApart(plot, "made small after the drag");
    const TRect small = plot.GetPlotrec();
    const TRect now = plot.LegendRect();
    auto share = [](int lo, int hi, int from, int length) { return ((lo + hi) / 2.0 - from) / length; };
    EXPECT_NEAR(share(now.Left, now.Right, small.Left, small.Width()),
                share(put.x, put.x + legend.Width(), large.Left, large.Width()), 0.01);
    EXPECT_NEAR(share(now.Top, now.Bottom, small.Top, small.Height()),
                share(put.y, put.y + legend.Height(), large.Top, large.Height()), 0.01);
    for (int col = 0; col < plot.GetColanz(); ++col)
        veltrane::test::ExpectInSight(plot, veltrane::test::ExtremePixel(plot, col, false),
                                      "the dip of " + plot.GetColTitle(col) + " after the drag and a shrink");
    EXPECT_TRUE(plot.BoxPinned(TPlotDrag::Legend));

    script.openAnswers.push_back({path("sensor.vtn")});
    trigger("FileOpenItem");
    ASSERT_EQ(plot.GetColanz(), 6);
    expectNothingPinned("opened");
    expectClear("opened after a drag");

    dragLegendTo({small.Left + small.Width() / 3, small.Top + small.Height() / 3});
    trigger("Newdocument");
    expectNothingPinned("a new document");
    fiveCurvesAndAScan();
    expectClear("a new document after a drag");
    EXPECT_TRUE(script.boxes.empty());
}

// The fit's, the evaluation's and the field windows' plots live on beside
// the main window: a box dragged there is not kept for the next document.
TEST_F(MainPlotBoxes, NewPlacesTheBoxesOfEveryWindowAfresh)
{
    std::vector<TLinePlot*> plots = {form.Simulationiterdlg().Plot, form.Auswertungdlg().DataPlot,
                                     form.EwavedlgT().Plot, form.EwavedlgD().Plot};
    for (TLinePlot* plot : plots) {
        plot->resize(700, 500);
        const int col = plot->AddCol();
        plot->SetColTitle(col, "curve");
        plot->AddData(col, 0.0, 0.0, true);
        plot->AddData(col, 1.0, 1.0, true);
        plot->Autoscale(true, true, false);
        plot->Bitmap();
        const TRect r = plot->LegendRect();
        ASSERT_FALSE(r.IsEmpty());
        const QPoint grab(r.Left + 5, r.Top + 5), drop(r.Left + 45, r.Top + 35);
        QTest::mousePress(plot, Qt::LeftButton, {}, grab);
        QTest::mouseMove(plot, drop);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, drop);
        ASSERT_TRUE(plot->BoxPinned(TPlotDrag::Legend));
    }
    script.answers.push_back(veltrane::BoxAnswer::No);  // "Save file?"
    trigger("Newdocument");
    for (TLinePlot* plot : plots)
        EXPECT_FALSE(plot->BoxPinned(TPlotDrag::Legend)) << plot->parentWidget()->objectName().toStdString();
}

}  // namespace
