// The main plot's legend, "Layer-System" table and comment with five Z
// curves and a scaled and shifted scan, and with the scan alone: apart, the
// legend's rows in sight, and the resonance dips and the reflectivity
// maxima uncovered, in the smallest window, at the default size and
// enlarged.
#include <QTest>

#include "MainFormFixture.h"
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

}  // namespace
