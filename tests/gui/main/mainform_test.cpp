#include <QStatusBar>
#include <algorithm>

#include "MainFormFixture.h"
#include "gui/simulation/ShowPlotdlg.h"
#include "controls/AboutBox.h"
#include "plot/DruckDlg.h"

#include <QLabel>

namespace {

double dipOf(const TResColrec& curve)
{
    auto it = std::min_element(curve.Points.begin(), curve.Points.end(),
                               [](const TResPunkt& a, const TResPunkt& b) { return a.Rp < b.Rp; });
    return it->x;
}

}  // namespace

TEST_F(MainWindowTest, StartsUntitledWithTheCommandsOfANewDocument)
{
    form.show();
    EXPECT_EQ(form.windowTitle().toStdString(), "Veltrane Version 3.02 [untitled]");
    EXPECT_EQ(form.Doc().Titletext, "Veltrane Version 3.02 [untitled]");
    for (const char* off : {"Simulationman1", "SimManBtn", "Simulationiter1", "SimIterBtn", "Evaluation1", "EvalBtn",
                            "Scale1", "ShiftBtn", "EHFields", "EwaveTBtn", "ShowBtn", "OverviewBtn"})
        EXPECT_FALSE(enabled(off)) << off;
    for (const char* on : {"Show1", "Overview1", "Parameter1", "Load1", "FileSaveItem", "PrintPlot"})
        EXPECT_TRUE(enabled(on)) << on;
    EXPECT_FALSE(form.DocumentFlow().Modified);
    EXPECT_TRUE(form.DocumentFlow().NeverSaved);
}

TEST_F(MainWindowTest, DemoStackGivesTheResonanceAndEnablesTheSimulationCommands)
{
    simulateDemo();
    const Document& d = form.Doc();
    EXPECT_EQ(d.Simparameter.Layeranz, 4);
    EXPECT_EQ(d.EHOptionpara.Theta, 52.0);
    ASSERT_EQ(d.ResColList.size(), 1u);
    EXPECT_NEAR(dipOf(d.ResColList[0]), 52.0, 1.5);

    TLinePlot& plot = form.Plot();
    ASSERT_EQ(plot.GetColanz(), 1);
    EXPECT_EQ(plot.GetColTitle(0), "Rp");
    EXPECT_EQ(plot.GetLineColor(0), pcRed);
    EXPECT_EQ(plot.GetLineArt(0), laSolid);
    EXPECT_EQ(plot.XAxis().Title(), "Theta/[°]");
    EXPECT_EQ(plot.Y1Axis().Title(), "Ref-Koeff ");
    EXPECT_FALSE(plot.isY2Axis());
    TTextBox& box = plot.TextBox1();
    ASSERT_EQ(box.Titleanz(), 1);
    EXPECT_EQ(box.Title()[0], "Layer-System");
    ASSERT_EQ(box.Text1anz(), 6);
    EXPECT_EQ(box.Text1()[3], "2   |50        |-12.1     |1.3       ");
    EXPECT_TRUE(box.Visible());

    for (const char* on : {"Simulationman1", "SimManBtn", "EHFields", "AtTheta1", "EwaveDBtn", "ShowBtn", "OverviewBtn",
                           "Evaluation1"})
        EXPECT_TRUE(enabled(on)) << on;
    EXPECT_FALSE(enabled("Simulationiter1"));  // no scan to fit
    EXPECT_TRUE(form.DocumentFlow().Modified);
}

TEST_F(MainWindowTest, CancelledDemoLeavesTheDocumentAsItWas)
{
    Document& d = form.Doc();
    d.Simparameter.Dicke[1] = 80.0;
    d.Simparameter.Prismart = prCone;
    const Document before = d;
    onModal([this](QWidget*) { form.Simparamdlg().CancelBtn->click(); });
    trigger("Button1");
    EXPECT_EQ(d, before);
    EXPECT_FALSE(form.DocumentFlow().Modified);
}

TEST_F(MainWindowTest, SaveNewAndOpenRestoreTheDocument)
{
    simulateDemo();
    form.Plot().SetTitle("Gold on glass");
    form.ResCurves.Include(ckTs);
    form.Replot();

    script.saveAnswers.push_back(path("demo.txt"));
    trigger("FileSaveAsItem");
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"is not a Veltrane-File (*.vtn)"});
    EXPECT_TRUE(form.DocumentFlow().NeverSaved);

    script.saveAnswers.push_back(path("demo.vtn"));
    trigger("FileSaveAsItem");
    EXPECT_EQ(form.windowTitle().toStdString(), "Veltrane Version 3.02 [" + path("demo.vtn") + "]");
    EXPECT_FALSE(form.DocumentFlow().Modified);
    const TResColList saved = form.Doc().ResColList;

    trigger("Newdocument");  // saved and unchanged: no question
    EXPECT_EQ(script.boxes.size(), 1u);
    EXPECT_TRUE(form.Doc().ResColList.empty());
    EXPECT_EQ(form.Plot().GetColanz(), 0);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veltrane Version 3.02 [untitled]");

    script.openAnswers.push_back({path("demo.vtn")});
    trigger("FileOpenItem");
    EXPECT_EQ(form.Doc().ResColList, saved);
    EXPECT_EQ(form.Plot().Title(), "Gold on glass");
    EXPECT_TRUE(form.ResCurves.Contains(ckTs));
    EXPECT_EQ(form.Plot().GetColanz(), 2);
    EXPECT_EQ(form.Plot().GetColTitle(1), "Ts");
    EXPECT_FALSE(form.DocumentFlow().NeverSaved);
    EXPECT_FALSE(form.DocumentFlow().Modified);
}

// Every change of the document marks it, so that Open asks before it
// discards the change.
TEST_F(MainWindowTest, ChangesMarkTheDocumentAndOpenAsks)
{
    simulateDemo();
    script.saveAnswers.push_back(path("a.vtn"));
    trigger("FileSaveItem");
    EXPECT_FALSE(form.DocumentFlow().Modified);

    onModal([this](QWidget* w) {
        auto* show = dynamic_cast<TShowPlotdlg*>(w);
        ASSERT_NE(show, nullptr);
        show->CheckBoxes[ckTs]->setChecked(true);
        show->OkBtn->click();
    });
    trigger("Show1");
    EXPECT_TRUE(form.DocumentFlow().Modified);
    EXPECT_EQ(form.Plot().GetColanz(), 2);

    script.answers.push_back(veltrane::BoxAnswer::Cancel);
    trigger("FileOpenItem");
    ASSERT_FALSE(script.boxes.empty());
    EXPECT_EQ(script.boxes.back().text, "Save file?");
    EXPECT_EQ(script.boxes.back().caption, "Question");
    EXPECT_TRUE(script.openRequests.empty());

    form.DocumentFlow().Modified = false;
    form.Plot().OnUserChange(form.Plot(), TUserChange::Limits);
    EXPECT_FALSE(form.DocumentFlow().Modified);
    form.Plot().OnUserChange(form.Plot(), TUserChange::Title);
    EXPECT_TRUE(form.DocumentFlow().Modified);
}

TEST_F(MainWindowTest, ExitAlwaysAsks)
{
    script.answers = {veltrane::BoxAnswer::Cancel, veltrane::BoxAnswer::No};
    form.show();
    trigger("FileExitItem");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(script.boxes.back().caption, "Exit");
    trigger("FileExitItem");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MainWindowTest, PlotOutputsReportFailedWrites)
{
    simulateDemo();
    script.saveAnswers.push_back(path("no-such-folder/plot.bmp"));
    trigger("ExportPlot");
    ASSERT_FALSE(script.boxes.empty());
    EXPECT_EQ(script.boxes.back().caption, "I/O Error");

    script.saveAnswers.push_back(path("plot.bmp"));
    const std::size_t boxes = script.boxes.size();
    trigger("ExportPlot");
    EXPECT_EQ(script.boxes.size(), boxes);
    EXPECT_TRUE(QImage(QString::fromStdString(path("plot.bmp"))).width() > 0);
}

TEST_F(MainWindowTest, PrintPlotWritesTheCommentLine)
{
    simulateDemo();
    form.Doc().Simparameter.Comment = "gold";
    // The scripted printer's fresh folder: no earlier print stands there.
    const QString pdf = gui.printer().outputFileName();
    ASSERT_FALSE(QFile::exists(pdf));
    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TDruckDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->PrinterOKBtn->click();
    });
    trigger("PrintPlot");
    EXPECT_EQ(form.Plot().Printkommentar, "Veltrane Version 3.02 [untitled]:   " + script.dateTime + "   gold");
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST_F(MainWindowTest, HelpOpensTheEntryPage)
{
    trigger("Help2");
    EXPECT_EQ(script.helpKeywords, std::vector<std::string>{"PAGE_WHAT"});
}

TEST_F(MainWindowTest, InfoShowsVersionAndRelease)
{
    form.show();
    std::string version, name;
    onModal([&](QWidget* w) {
        auto* box = dynamic_cast<TAboutBox*>(w);
        ASSERT_NE(box, nullptr);
        version = box->Version->text().toStdString();
        name = box->ProgramName->text().toStdString();
        box->OKButton->click();
    });
    trigger("HelpAboutItem");
    EXPECT_EQ(version, "3.02  Release:0.1");
    EXPECT_EQ(name, "Veltrane ");
}
