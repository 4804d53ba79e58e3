// The fit window's run without a window (and without Qt): what Start, Stop,
// Accept and the closes may do before, during and after a search, and the
// scale factors they give back.
#include <gtest/gtest.h>

#include <vector>

#include "document/Defaults.h"
#include "gui/fit/FitDocument.h"
#include "gui/fit/plain/FitRun.h"
#include "platform/ScriptedPlatform.h"
#include "support/ScriptedRunControl.h"

using namespace fittest;
using veltrane::fit::FitRun;

namespace {

// The window as far as the run sees it: the film's thickness is marked, and
// the locking of the controls is recorded.
struct MarkingView : veltrane::fit::FitRunView {
    explicit MarkingView(FitRun& f) : fit(f) {}
    void TakeChoices() override
    {
        ++choices;
        fit.Search().ParamSlots[FilmThicknessSlot].marked = 1;
        fit.Search().FitScale = fitScale;
    }
    void ShowRunning(bool running) override { shown.push_back(running); }

    FitRun& fit;
    bool fitScale = false;
    int choices = 0;
    std::vector<bool> shown;
};

struct FitRunTest : ::testing::Test {
    FitRunTest()
    {
        doc.Optionpara.Iteranz = 40;
        TScanColrec scan;
        scan.Name = "sensor";
        Noise noise(0.002);
        // The curves are kept while the loop walks them: a range taken from a
        // temporary's element ends with the temporary, before the loop runs.
        const TResColList curves = simulate(sensor());
        for (const TResPunkt& r : curves.front().Points)
            scan.Points.push_back({r.x, r.Rp + noise.next()});
        doc.ScanColList = {scan};
        doc.Simparameter = sensor();
        doc.Simparameter.Dicke[FilmLayer] = 15.0;
        fit.SetView(&view);
    }
    // What the window does on showing, with the markers over the whole scan.
    void show()
    {
        fit.Parameter() = doc.Simparameter;
        fit.Choose(fit.Show());
        fit.Resample(40.0, 60.0);
    }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    Document doc = DefaultDocument();
    veltrane::test::ScriptedRunControl run;
    FitRun fit{doc, run};
    MarkingView view{fit};
};

// The measured scan is the sensor's Rp curve, point by point, with noise of
// at most 0.002.
TEST_F(FitRunTest, TheScanIsTheSimulatedCurveWithNoise)
{
    const TResColList curves = simulate(sensor());
    const std::vector<TResPunkt>& curve = curves.front().Points;
    const std::vector<TScanPunkt>& scan = doc.ScanColList.front().Points;
    ASSERT_EQ(scan.size(), curve.size());
    ASSERT_GT(scan.size(), 100u);
    for (std::size_t i = 0; i < scan.size(); ++i) {
        EXPECT_EQ(scan[i].x, curve[i].x) << i;
        EXPECT_NEAR(scan[i].y, curve[i].Rp, 0.002) << i;
    }
}

TEST_F(FitRunTest, StartIsRefusedWithoutAScanAndWhileASearchRuns)
{
    const TScanColList measured = doc.ScanColList;
    doc.ScanColList[0].Points.resize(1);
    show();
    EXPECT_EQ(fit.ChosenScan(), -1);
    EXPECT_EQ(fit.Start(), TSimulationiter::NotRun);
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"There is no scan to fit."});
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(run.passes, 0);

    // A second Start from the running search's event pass changes nothing;
    // Stop ends the search at its next pass.
    script.boxes.clear();
    view.choices = 0;
    doc.ScanColList = measured;
    show();
    int second = -1;
    run.onPass = [&](int pass) {
        if (pass == 1)
            second = fit.Start();
        if (pass == 2)
            fit.Stop();
    };
    EXPECT_EQ(fit.Start(), TSimulationiter::Stopped);
    EXPECT_EQ(second, TSimulationiter::NotRun);
    EXPECT_EQ(run.passes, 2);
    EXPECT_EQ(view.choices, 1);
    EXPECT_EQ(view.shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"Iteration stopped"});
    EXPECT_EQ(script.beeps, 10);
    EXPECT_FALSE(fit.Running());
}

TEST_F(FitRunTest, ClosingDuringASearchStopsItAndNothingIsGivenBack)
{
    doc.ScanColList.push_back(doc.ScanColList[0]);
    show();
    bool rejected = true, accepted = true, closed = true;
    double secondFactor = 0.0;
    run.onPass = [&](int pass) {
        if (pass == 1) {
            // Close, Escape and Accept leave the window to the search.
            doc.ScanColList[1].Scalefactor = 3.0;
            rejected = fit.Reject();
            accepted = fit.Accept(40.0, 60.0);
            secondFactor = doc.ScanColList[1].Scalefactor;
        }
        if (pass == 3)
            closed = fit.MayClose();
    };
    EXPECT_EQ(fit.Start(), TSimulationiter::Stopped);
    EXPECT_EQ(run.passes, 3);
    EXPECT_FALSE(rejected);
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(closed);
    EXPECT_EQ(secondFactor, 3.0);
    EXPECT_EQ(script.beeps, 0);
    // Once the search has ended the window may close.
    EXPECT_TRUE(fit.MayClose());
    EXPECT_TRUE(fit.Reject());
    EXPECT_EQ(doc.ScanColList[1].Scalefactor, 1.0);
}

TEST_F(FitRunTest, AcceptTakesTheFittedRecordAnyOtherCloseGivesTheFactorsBack)
{
    doc.ScanColList.push_back(doc.ScanColList[0]);
    doc.ScanColList[1].Name = "second";
    doc.ScanColList[1].Scalefactor = 1.25;
    for (TScanPunkt& p : doc.ScanColList[0].Points)
        p.y *= 0.8;
    view.fitScale = true;

    show();
    fit.Start();
    ASSERT_NEAR(doc.ScanColList[0].Scalefactor, 1.25, 0.05);
    doc.ScanColList[1].Scalefactor = 3.0;  // as if the fit had touched it
    EXPECT_TRUE(fit.Reject());
    EXPECT_EQ(doc.ScanColList[0].Scalefactor, 1.0);
    EXPECT_EQ(doc.ScanColList[1].Scalefactor, 1.25);

    show();
    fit.Start();
    const double fitted = doc.ScanColList[0].Scalefactor;
    doc.ScanColList[1].Scalefactor = 3.0;
    EXPECT_TRUE(fit.Accept(42.0, 58.0));
    EXPECT_EQ(doc.ScanColList[0].Scalefactor, fitted);
    EXPECT_EQ(doc.ScanColList[1].Scalefactor, 1.25);
    // The record to take back: the fitted film over the markers' range.
    const TSimparameter& p = fit.Parameter();
    EXPECT_NEAR(p.Dicke[FilmLayer], FilmNm, 0.5);
    EXPECT_EQ(p.Dicke[1], doc.Simparameter.Dicke[1]);
    EXPECT_EQ(p.XAxis.Typ, 0);
    EXPECT_EQ(p.XAxis.von, 42.0);
    EXPECT_EQ(p.XAxis.bis, 58.0);
    EXPECT_EQ(p.ZAxis.Typ, 0);
}

}  // namespace
