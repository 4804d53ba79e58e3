// The fit window driven through its own controls: marks, the refusals,
// a run with its read-out, Stop, the closes that restore the scans' scale
// factors, the scans it offers, and a film recovered from a measured scan
// file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "FitDocument.h"
#include "controls/RIEdit.h"
#include "gui/fit/plain/FitScans.h"
#include "gui/fit/RangeBars.h"
#include "gui/fit/Simulationiterdlg.h"
#include "platform/CFormat.h"
#include "platform/ScriptedPlatform.h"
#include "plot/Lineplot.h"
#include "support/PlotBoxChecks.h"
#include "support/ScriptedRunControl.h"

using namespace fittest;

namespace {

struct FitWindow : ::testing::Test {
    explicit FitWindow(double startNm = 15.0) : doc(fitDocument(dir.path().toStdString(), startNm))
    {
        doc.Optionpara.Iteranz = 40;
    }
    void open()
    {
        dlg.Parameter() = doc.Simparameter;
        dlg.show();
    }
    QCheckBox* box(int row, int column) const { return dlg.CheckBoxes[std::size_t(row * 7 + column)]; }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    QTemporaryDir dir;
    Document doc;
    veltrane::test::ScriptedRunControl run;
    TSimulationiterdlg dlg{doc, run};
};

TEST_F(FitWindow, ShowsTheScanTheGridAndTheChoices)
{
    open();
    ASSERT_EQ(dlg.ScanfileBox->count(), 1);
    EXPECT_EQ(dlg.Plot->GetColTitle(0), "iterative Simualtion  sensor.dat");
    EXPECT_EQ(dlg.Plot->GetPktanz(0), 200);
    EXPECT_EQ(dlg.Plot->GetPktanz(1), 200);  // computed once on showing
    EXPECT_EQ(dlg.Plot->Y1Axis().Title(), "Ref-Koeff");
    EXPECT_TRUE(dlg.FullSpectrumBtn->isChecked());
    EXPECT_EQ(dlg.nleftlimit->Getdouble(), 40.0);
    EXPECT_EQ(dlg.nrightlimit->Getdouble(), 60.0);
    EXPECT_EQ(dlg.CheckBox0->text(), "1");
    EXPECT_TRUE(dlg.nIternum->text().isEmpty());

    // Rows show layers 1 to 5; the half-spaces' thicknesses, the first
    // layer's imaginary parts and eps Y and Z of isotropic layers are fixed.
    EXPECT_EQ(dlg.LayerNr[0]->text(), "1");
    EXPECT_EQ(box(FilmLayer, 0)->text(), "15");
    EXPECT_TRUE(box(FilmLayer, 0)->isEnabled());
    EXPECT_FALSE(box(0, 0)->isEnabled());
    EXPECT_EQ(box(0, 0)->text(), "0");  // shown though fixed
    EXPECT_FALSE(box(0, 2)->isEnabled());
    EXPECT_TRUE(box(1, 2)->isEnabled());
    EXPECT_FALSE(box(3, 0)->isEnabled());  // the last layer's thickness
    EXPECT_FALSE(box(1, 3)->isEnabled());
    EXPECT_TRUE(box(1, 3)->text().isEmpty());
    EXPECT_TRUE(box(4, 0)->text().isEmpty());  // no fifth layer
}

// The legend leaves the reflectivity maximum near 47 degrees and the dip
// of the scan and of the curve in sight, with the fall after the maximum
// and the dip's flanks down to half its depth, at the default size before
// and after a fit, and enlarged.
TEST_F(FitWindow, LegendLeavesTheMaximumAndTheDipWithTheirFlanksInSight)
{
    open();
    TLinePlot& plot = *dlg.Plot;
    auto expectClear = [&](const std::string& what) {
        ASSERT_FALSE(veltrane::test::DrawnBoxes(plot).empty());
        veltrane::test::ExpectBoxesApart(plot, what);
        for (int col : {0, 1})
            for (bool largest : {true, false}) {
                veltrane::test::ExpectInSight(plot, veltrane::test::ExtremePixel(plot, col, largest),
                                              (largest ? "the maximum, " : "the dip, ") + what);
                veltrane::test::ExpectFlanksInSight(plot, col, largest, plot.GetColTitle(col) + ", " + what);
            }
    };
    expectClear("before the fit");
    box(FilmLayer, 0)->click();
    dlg.StartBtn->click();
    ASSERT_FALSE(dlg.nIternum->text().isEmpty());
    expectClear("after the fit");
    dlg.resize(1700, 1000);
    QApplication::processEvents();
    expectClear("enlarged");
}

// The range markers are drawn on the screen only, under the legend: a
// marker moved across the legend crosses none of its text.
TEST_F(FitWindow, TheRangeMarkersRunUnderTheLegend)
{
    open();
    TLinePlot& plot = *dlg.Plot;
    plot.Bitmap();
    const TRect legend = plot.LegendRect();
    ASSERT_FALSE(legend.IsEmpty());
    // The right marker through the middle of the legend.
    const double x = plot.XAxis().Pkt2kord((legend.Left + legend.Right) / 2);
    dlg.RangeBars->SetRightValue(std::round(x * 10.0) / 10.0);
    QApplication::processEvents();
    ASSERT_EQ(plot.LegendRect(), legend);
    const QImage screen = plot.ScreenImage();
    const QImage& bitmap = plot.Bitmap();
    int differ = 0;
    for (int py = legend.Top; py < legend.Bottom; ++py)
        for (int px = legend.Left; px < legend.Right; ++px)
            differ += screen.pixel(px, py) != bitmap.pixel(px, py);
    EXPECT_EQ(differ, 0);
    // The marker is on the screen: the two pictures differ elsewhere.
    EXPECT_NE(screen, bitmap);
}

TEST_F(FitWindow, MarksSurviveScrollingTheLayerRows)
{
    open();
    box(FilmLayer, 0)->click();
    box(1, 1)->click();
    dlg.LayerScrollBar->setValue(3);
    EXPECT_EQ(dlg.LayerNr[0]->text(), "3");
    EXPECT_EQ(dlg.LayerPosLabel->text(), "3");
    EXPECT_TRUE(box(0, 0)->isChecked());  // the film, now in the top row
    dlg.LayerScrollBar->setValue(26);
    EXPECT_EQ(dlg.LayerNr[4]->text(), "30");
    dlg.LayerScrollBar->setValue(1);
    EXPECT_TRUE(box(FilmLayer, 0)->isChecked());
    EXPECT_TRUE(box(1, 1)->isChecked());
    EXPECT_FALSE(box(1, 0)->isChecked());
    EXPECT_TRUE(dlg.Fit().ParamSlots[FilmThicknessSlot].marked);
}

TEST_F(FitWindow, StartWithoutAMarkRefuses)
{
    open();
    dlg.StartBtn->click();
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"no layer parameter marked !"});
    EXPECT_EQ(run.passes, 0);
}

TEST_F(FitWindow, TheRunShowsItsProgressAndStopEndsIt)
{
    open();
    box(FilmLayer, 0)->click();
    std::vector<QString> iternums;
    bool lockedWhileRunning = true, stayedOpen = true;
    run.onPass = [&](int pass) {
        iternums.push_back(dlg.nIternum->text());
        lockedWhileRunning = lockedWhileRunning && !dlg.StartBtn->isEnabled() && dlg.StopBtn->isEnabled() &&
                             !dlg.CloseBtn->isEnabled() && !box(FilmLayer, 0)->isEnabled();
        if (pass == 2) {
            // Escape and the Close command cannot take the window away from
            // the running search.
            QTest::keyClick(&dlg, Qt::Key_Escape);
            dlg.reject();
            stayedOpen = dlg.isVisible();
        }
        if (pass == 3)
            dlg.StopBtn->click();
    };
    dlg.StartBtn->click();
    EXPECT_EQ(iternums, (std::vector<QString>{"1", "2", "3"}));
    EXPECT_TRUE(lockedWhileRunning);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(dlg.nIterlim->text().isEmpty());
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"Iteration stopped"});
    EXPECT_EQ(script.beeps, 10);
    EXPECT_TRUE(dlg.StartBtn->isEnabled());
    EXPECT_FALSE(dlg.StopBtn->isEnabled());
    EXPECT_TRUE(box(FilmLayer, 0)->isEnabled());
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(FitWindow, ClosingTheWindowWhileItRunsStopsTheRunInstead)
{
    open();
    box(FilmLayer, 0)->click();
    bool closed = true;
    run.onPass = [&](int pass) {
        if (pass == 2)
            closed = dlg.close();
    };
    dlg.StartBtn->click();
    EXPECT_FALSE(closed);
    EXPECT_EQ(run.passes, 2);
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"Iteration stopped"});
    EXPECT_TRUE(dlg.close());
}

TEST_F(FitWindow, AnyCloseButAcceptRestoresTheScaleFactors)
{
    // What each close gives back is FitRun's; here every way out of the
    // window reaches it.
    doc.ScanColList.push_back(doc.ScanColList[0]);
    doc.ScanColList[0].Scalefactor = 0.8;
    doc.ScanColList[1].Scalefactor = 1.25;
    for (int close = 0; close < 3; ++close) {
        open();
        doc.ScanColList[0].Scalefactor = 2.0;  // as if a fit had set them
        doc.ScanColList[1].Scalefactor = 3.0;
        if (close == 0)
            dlg.CloseBtn->click();
        else if (close == 1)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(doc.ScanColList[0].Scalefactor, 0.8) << close;
        EXPECT_EQ(doc.ScanColList[1].Scalefactor, 1.25) << close;
    }
    open();
    box(FilmLayer, 0)->setChecked(true);
    dlg.CheckBox0->setChecked(true);
    doc.Optionpara.Iteranz = 3;
    dlg.StartBtn->click();
    const double fitted = doc.ScanColList[0].Scalefactor;
    ASSERT_NEAR(fitted, 1.0, 0.05);
    EXPECT_EQ(dlg.CheckBox0->text().toStdString(), veltrane::floatToText(fitted, '.'));
    doc.ScanColList[1].Scalefactor = 3.0;
    dlg.OkBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(doc.ScanColList[0].Scalefactor, fitted);
    EXPECT_EQ(doc.ScanColList[1].Scalefactor, 1.25);
}

TEST_F(FitWindow, OffersOnlyScansWithARangeToFitOver)
{
    TScanColrec headerOnly, onePoint, descending = doc.ScanColList[0];
    headerOnly.Name = "header-only";
    onePoint.Name = "one point";
    onePoint.Points = {{45.0, 0.5}};
    descending.Name = "descending";
    std::reverse(descending.Points.begin(), descending.Points.end());
    descending.Shiftfactor = 0.05;
    for (TScanPunkt& p : descending.Points)
        p.y = 0.0;  // no maximum to scale by
    doc.ScanColList = {headerOnly, onePoint, descending};
    open();
    ASSERT_EQ(dlg.ScanfileBox->count(), 1);
    EXPECT_EQ(dlg.ScanfileBox->itemText(0), "descending");
    EXPECT_EQ(dlg.ChosenScan(), 2);
    // The extent is the scan's smallest to largest x with its shift; the
    // markers stay inside it.
    EXPECT_GT(dlg.RangeBars->Left()->Steps(), 0);
    EXPECT_GE(dlg.RangeBars->LeftValue(), 40.05);
    EXPECT_EQ(dlg.RangeBars->RightValue(), 60.05);
    EXPECT_EQ(dlg.nrightlimit->Getdouble(), 60.05);

    box(FilmLayer, 0)->setChecked(true);
    dlg.CheckBox0->setChecked(true);
    doc.Optionpara.Iteranz = 2;
    dlg.StartBtn->click();
    EXPECT_TRUE(std::isfinite(doc.ScanColList[2].Scalefactor));
    EXPECT_EQ(doc.ScanColList[2].Scalefactor, 1.0);
}

TEST_F(FitWindow, NoScanToFitLeavesTheWindowUsable)
{
    doc.ScanColList[0].Points.clear();
    open();
    EXPECT_EQ(dlg.ScanfileBox->count(), 0);
    EXPECT_EQ(dlg.ChosenScan(), -1);
    box(FilmLayer, 0)->setChecked(true);
    dlg.StartBtn->click();
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"There is no scan to fit."});
    dlg.CloseBtn->click();
    EXPECT_FALSE(dlg.isVisible());
}

// Every valid point of a column that lies in the X range of the plot lies
// inside its Y range too; counts the points outside.
int pointsCutOff(TLinePlot& plot, int col)
{
    plot.Bitmap();
    const TAxis &x = plot.XAxis(), &y = plot.Y1Axis();
    int cut = 0;
    for (int i = 0; i < plot.GetPktanz(col); ++i) {
        const TDPunkt p = plot.GetData(col, i);
        if (p.valid && p.x >= x.StartValue() && p.x <= x.EndValue())
            cut += p.y < y.StartValue() || p.y > y.EndValue();
    }
    return cut;
}

TEST_F(FitWindow, TheEndedFitShowsAllItDraws)
{
    // From 70 nm of gold the curve starts low and the fit, with the scan's
    // scale factor, raises both curve and scan above the axes of the start.
    doc.Simparameter.Dicke[1] = 70.0;
    doc.Simparameter.Dicke[FilmLayer] = FilmNm;
    doc.ScanColList[0].Scalefactor = 0.9;
    open();
    const double startTop = dlg.Plot->Y1Axis().EndValue();
    box(1, 0)->click();  // the gold's thickness
    dlg.CheckBox0->setChecked(true);
    dlg.StartBtn->click();
    ASSERT_NEAR(dlg.Parameter().Dicke[1], 50.0, 1.0);
    double top = 0.0;
    for (int col : {0, 1})
        for (int i = 0; i < dlg.Plot->GetPktanz(col); ++i)
            top = std::max(top, dlg.Plot->GetData(col, i).y);
    ASSERT_GT(top, startTop);  // the case the axes of the start cut off
    EXPECT_EQ(pointsCutOff(*dlg.Plot, 0), 0) << "the scan";
    EXPECT_EQ(pointsCutOff(*dlg.Plot, 1), 0) << "the fitted curve";
}

TEST_F(FitWindow, RecoversTheFilmFromTheMeasuredScanFile)
{
    open();
    box(FilmLayer, 0)->click();
    dlg.StartBtn->click();
    ASSERT_EQ(script.boxTexts().size(), 1u);
    EXPECT_TRUE(script.boxTexts()[0] == "Number of Iterations reached" || script.boxTexts()[0] == "Iterationlimit reached") << script.boxTexts()[0];
    EXPECT_NEAR(dlg.Parameter().Dicke[FilmLayer], FilmNm, 0.5);
    EXPECT_EQ(box(FilmLayer, 0)->text().toStdString(),
              veltrane::floatToText(TSimulationiter::RoundToStep(0.1, dlg.Parameter().Dicke[FilmLayer]), '.'));
    // Nothing else moved, and the plot shows the fitted curve.
    EXPECT_EQ(dlg.Parameter().Dicke[1], 50.0);
    EXPECT_EQ(dlg.Plot->GetPktanz(1), 200);
    dlg.OkBtn->click();
    EXPECT_EQ(dlg.Parameter().XAxis.von, 40.0);
    EXPECT_EQ(dlg.Parameter().XAxis.bis, 60.0);
}

}  // namespace
