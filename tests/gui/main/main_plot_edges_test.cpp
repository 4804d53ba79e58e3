// The main plot's boxes at the edges of content and size: thirty layers,
// five Z curves, a scaled and shifted scan and a scan with a 125-character
// name, maximised on a 1366 x 768 screen and in the smallest window; and
// Rp, Rs, Psi and Delta of five curves, whose smallest window leaves the
// resonances in sight beside the boxes.
#include <QTest>

#include "MainFormFixture.h"
#include "support/PlotBoxChecks.h"
#include "support/Stacks.h"

namespace {

struct MainPlotEdges : MainWindowTest {
    void scans(std::size_t count)
    {
        Document& d = form.Doc();
        for (std::size_t s = 0; s < count; ++s) {
            TScanColrec scan;
            scan.Name = s == 0 ? "sensor.dat" : std::string(121, 'n') + ".dto";
            scan.Kind = ckRp;
            const TResColrec& curve = d.ResColList[s];
            for (std::size_t i = 0; i < curve.Points.size(); i += 10)
                scan.Points.push_back({curve.Points[i].x, curve.Points[i].Rp});
            if (s == 0) {
                scan.Scalefactor = 1.031;
                scan.Shiftfactor = -0.25;
            }
            d.ScanColList.push_back(scan);
        }
        form.Replot();
    }
    QSize smallest()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        return veltrane::test::ShrinkToSmallest(form, form.Plot());
    }
    void expectAllInside(const std::string& what)
    {
        TLinePlot& plot = form.Plot();
        ASSERT_EQ(veltrane::test::DrawnBoxes(plot).size(), 3u) << what;
        veltrane::test::ExpectBoxesApart(plot, what);
        veltrane::test::ExpectTitlesReadable(plot, what);
    }
};

TEST_F(MainPlotEdges, ThirtyLayersAndALongScanNameStayInsideMaximisedAndSmallest)
{
    TSimparameter p = veltrane::stacks::base(30);
    veltrane::stacks::setLayer(p, 0, 3.4069, 0.0);
    veltrane::stacks::setLayer(p, 1, Complex(-12.1, 1.3), 50.0);
    for (int k = 2; k < 29; ++k)
        veltrane::stacks::setLayer(p, k, {2.0 + 0.01 * k, 0.0}, 1.0 + 0.1 * k);
    veltrane::stacks::setLayer(p, 29, 1.778, 0.0);
    veltrane::stacks::thetaScan(p, 45.0, 75.0, 401);
    p.ZAxis = {pkThickness, 0.0, 20.0, 3, 5, 0.0, 0};
    p.Comment = "thirty layers, five thicknesses";
    form.Doc().Simparameter = p;
    form.RunSimulation();
    scans(2);
    const QSize least = smallest();
    EXPECT_LE(least.width(), 1366);
    EXPECT_LE(least.height(), 768);
    expectAllInside("the smallest window " + std::to_string(least.width()) + "x" + std::to_string(least.height()));
    // Maximised on a laptop's screen, below its title bar and a panel.
    form.resize(1366, 700);
    QApplication::processEvents();
    expectAllInside("maximised on 1366 x 768");
    for (int col = 0; col < form.Plot().GetColanz(); ++col)
        veltrane::test::ExpectInSight(form.Plot(), veltrane::test::ExtremePixel(form.Plot(), col, false),
                                      "the dip of " + form.Plot().GetColTitle(col) + ", maximised");
}

TEST_F(MainPlotEdges, TheSmallestWindowLeavesTheResonancesBesideTheBoxes)
{
    TSimparameter p = veltrane::stacks::demo();
    veltrane::stacks::thetaScan(p, 45.0, 65.0, 401);
    p.ZAxis = {pkThickness, 0.0, 20.0, 3, 5, 0.0, 0};
    p.Comment = "demo stack with a scan";
    form.Doc().Simparameter = p;
    form.ResCurves = TCurveSet{};
    for (int k : {ckRp, ckRs, ckPsi, ckDelta})
        form.ResCurves.Include(k);
    form.RunSimulation();
    scans(1);
    TLinePlot& plot = form.Plot();
    ASSERT_EQ(plot.GetColanz(), 21);
    const QSize least = smallest();
    const std::string what = "the smallest window " + std::to_string(least.width()) + "x" + std::to_string(least.height());
    EXPECT_LE(least.width(), 1366);
    EXPECT_LE(least.height(), 768);
    expectAllInside(what);
    // The boxes take at most half of the plot area, and the dips of Rp and
    // Psi, with their flanks, are in sight.
    const TRect area = plot.GetPlotrec();
    std::int64_t covered = 0;
    for (const TRect& r : veltrane::test::DrawnBoxes(plot))
        covered += std::int64_t(r.Width()) * r.Height();
    EXPECT_LE(2 * covered, std::int64_t(area.Width()) * area.Height()) << what;
    for (int col = 0; col < plot.GetColanz(); ++col) {
        const std::string title = plot.GetColTitle(col);
        if (title.rfind("Rp(", 0) == 0 || title.rfind("Psi(", 0) == 0)
            veltrane::test::ExpectFlanksInSight(plot, col, false, title + ", " + what);
    }
}

}  // namespace
