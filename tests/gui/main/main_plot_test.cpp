#include <QTextBrowser>

#include "MainFormFixture.h"
#include "platform/qt/QtPlatform.h"

namespace {

TResColrec curve(const std::string& title, int points)
{
    TResColrec c;
    c.Title = title;
    for (int i = 0; i < points; ++i)
        c.Points.push_back({40.0 + i, 0.1 * i, 0.2, 0.3, 0.4, 20.0, 100.0 + i, 1});
    return c;
}

TScanColrec scan(const std::string& name, int kind, bool visible = true)
{
    TScanColrec s;
    s.Name = name;
    s.Kind = kind;
    s.Visible = visible;
    s.Points = {{40, 0.5}, {41, 0.4}};
    return s;
}

}  // namespace

TEST_F(MainWindowTest, ReplotDrawsScansFirstThenOneColumnPerKindAndCurve)
{
    Document& d = form.Doc();
    d.ScanColList = {scan("hidden", ckRps, false), scan("a.dto", ckRps), scan("psi.ell", ckPsi), scan("delta.ell", ckDelta)};
    d.ScanColList[1].Scalefactor = 2;
    d.ScanColList[1].Shiftfactor = 0.5;
    d.ResColList = {curve(" Z=1", 3), curve(" Z=2", 3)};
    form.ResCurves.Clear();
    form.ResCurves.Include(ckRp);
    form.ResCurves.Include(ckRs);
    form.Replot();

    TLinePlot& plot = form.Plot();
    ASSERT_EQ(plot.GetColanz(), 3 + 4);
    EXPECT_EQ(form.FirstResCol, 3);
    EXPECT_EQ(plot.GetColTitle(0), "a.dto (Scale-factor:2 | Shift-factor:0.5)");
    EXPECT_EQ(plot.GetPlotArt(0), paSymbol);
    EXPECT_EQ(plot.GetSymbolArt(0), saSquare);
    EXPECT_EQ(plot.GetSymbolColor(0), pcBlack);
    EXPECT_NE(plot.GetSymbolArt(1), saSquare);
    EXPECT_EQ(plot.GetData(0, 1).x, 41.5);
    EXPECT_EQ(plot.GetData(0, 1).y, 0.8);
    EXPECT_TRUE(plot.GetYAxistyp(2));  // the Delta scan on the right axis
    EXPECT_TRUE(plot.isY2Axis());
    EXPECT_EQ(plot.Y2Axis().Title(), "Delta");
    EXPECT_EQ(plot.Y1Axis().Title(), "Ref-Koeff Psi ");

    const char* titles[] = {"Rp Z=1", "Rp Z=2", "Rs Z=1", "Rs Z=2"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(plot.GetColTitle(3 + i), titles[i]);
        EXPECT_EQ(plot.GetPlotArt(3 + i), paLine);
    }
    EXPECT_EQ(plot.GetLineColor(3), pcRed);
    EXPECT_EQ(plot.GetLineArt(3), laSolid);
    EXPECT_NE(plot.GetLineColor(4), pcRed);
    EXPECT_DOUBLE_EQ(plot.GetData(5, 2).y, 0.3);  // Rs of Z=1

    // Without Delta anywhere the right axis goes.
    d.ScanColList.pop_back();
    form.Replot();
    EXPECT_FALSE(plot.isY2Axis());
    EXPECT_EQ(plot.Y2Axis().Title(), "");
}

TEST_F(MainWindowTest, RefreshFallsBackToAReplotWhenTheColumnsNoLongerFit)
{
    Document& d = form.Doc();
    d.ResColList = {curve("", 5)};
    form.Replot();
    ASSERT_EQ(form.Plot().GetColanz(), 1);
    d.ResColList[0].Points[2].Rp = 0.9;
    form.UpdatePlotData();
    EXPECT_DOUBLE_EQ(form.Plot().GetData(0, 2).y, 0.9);

    // Another document's layout: two curves of another length.
    d.ResColList = {curve(" a", 8), curve(" b", 8)};
    form.UpdatePlotData();
    ASSERT_EQ(form.Plot().GetColanz(), 2);
    EXPECT_EQ(form.Plot().GetPktanz(1), 8);
    EXPECT_EQ(form.Plot().GetColTitle(1), "Rp b");
}

TEST_F(MainWindowTest, APsiTheComputationCouldNotGiveIsAGap)
{
    Document& d = form.Doc();
    d.ResColList = {curve("", 3)};
    d.ResColList[0].Points[1].Psi = NOVALUE;
    form.ResCurves.Clear();
    form.ResCurves.Include(ckPsi);
    form.Replot();
    EXPECT_TRUE(form.Plot().GetDataValid(0, 0));
    EXPECT_FALSE(form.Plot().GetDataValid(0, 1));
}

TEST_F(MainWindowTest, CommandsFollowTheirEnabling)
{
    // A loaded stack the engine cannot compute, with results and a scan.
    Document& d = form.Doc();
    d.ResColList = {curve("", 2)};
    d.ScanColList = {scan("a", ckRps)};
    d.Simparameter.Layeranz = 31;
    form.UpdateCommands();
    EXPECT_FALSE(enabled("Simulationman1"));
    EXPECT_TRUE(enabled("Scale1"));
    EXPECT_TRUE(enabled("ShowBtn"));
}

TEST_F(MainWindowTest, ARefusedRecordDrawsNothing)
{
    Document& d = form.Doc();
    d.ResColList = {curve("", 4)};
    d.Simparameter.Layeranz = 1;  // as a file may hold it
    form.RunSimulation();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error CalcSimulation");
    EXPECT_TRUE(d.ResColList.empty());
    EXPECT_EQ(form.Plot().GetColanz(), 0);
}

TEST_F(MainWindowTest, KindsAndLayerNumbersOfADamagedRecordNameNothing)
{
    Document& d = form.Doc();
    d.Simparameter.XAxis = {57, 0, 1, -4, 2, 0, 0};
    d.Simparameter.ZAxis = {-9, 0, 1, 99, 2, 0, 0};
    d.Simparameter.Layeranz = 44;
    d.Simparameter.EpsMode = 7;
    d.ScanColList = {scan("odd", 99)};
    form.Replot();
    EXPECT_EQ(form.Plot().XAxis().Title(), "");
    // A kind that names nothing gets no title, not "Z=" with nothing after.
    EXPECT_EQ(form.Plot().Legend().Title1(), "");
    EXPECT_EQ(form.Plot().TextBox1().Text1anz(), 2 + 30);
}

TEST_F(MainWindowTest, MenuCaptionsShortcutsAndHints)
{
    struct Row {
        const char* name;
        const char* caption;
        const char* key;
        const char* hint;
    };
    const Row rows[] = {
        {"FileOpenItem", "O&pen", "", "Open Veltrane-File"},
        {"Newdocument", "New", "", "Make a new document"},
        {"FileSaveItem", "S&ave", "F2", "Save Veltrane-File"},
        {"FileSaveAsItem", "Save as ...", "", "Save Veltrane-File under new name"},
        {"ClipData", "Data", "", "Copy Datas to Clipboard"},
        {"ExportPlot", "Plot", "", "Save Plot in File"},
        {"PrinterSetup1", "Printer-Setup", "", "Printer-Setup"},
        {"FileExitItem", "&Exit", "", "Exit program"},
        {"Load1", "Load", "F3", "Load Scanfiles"},
        {"Parameter1", "Parameter", "F4", "Edit Simulation-parameter"},
        {"Simulationman1", "manual", "F5", "manuelle Simulation"},
        {"Simulationiter1", "iterative", "F6", "iterative Simulation"},
        {"AtLayerposition1", "At Layerposition", "", "Calc E/H-Field at Layerposition"},
        {"Evaluation1", "Evaluation", "F7", "Evaluated Scan- and Simulationdatas"},
        {"Overview1", "Overview", "F8", "Plot overview and zoom"},
        {"Show1", "Show", "F9", "edit witch datas are plotted"},
        {"Normscale1", "Normscale", "", "rescale plot to norm scale"},
        {"Replot1", "Replot", "", "ploted datas new"},
        {"TextBox2", "Kommentar", "", "show comment on/off"},
        {"Y2Axis1", "Y-Axis (right)", "", "Edit right Y-Axis"},
        {"Option1", "Option", "", "Edit options"},
        {"Help2", "Help", "F1", ""},
        {"HelpAboutItem", "Inf&o", "", ""},
        {"NewDocBtn", "New", "", "Make a new Document"},
        {"RescaleBtn", "Norm", "", "rescale to Normscale (Y:0-1)"},
        {"PrintBtn", "Print", "", "Print Plot"},
    };
    for (const Row& r : rows) {
        QAction* a = form.Command(r.name);
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text().toStdString(), r.caption) << r.name;
        EXPECT_EQ(a->shortcut().toString().toStdString(), r.key) << r.name;
        EXPECT_EQ(a->statusTip().toStdString(), r.hint) << r.name;
    }
    for (const char* checked : {"Legende1", "TextBox1", "TextBox2"})
        EXPECT_TRUE(form.Command(checked)->isChecked()) << checked;
}

TEST_F(MainWindowTest, HelpWindowShowsThePageOfItsKeyword)
{
    veltrane::QtPlatform qt;
    qt.setHelpFolder(":/help");
    veltrane::ScopedPlatform useQt(qt);
    trigger("Help2");
    ASSERT_NE(qt.helpWindow(), nullptr);
    EXPECT_EQ(qt.helpWindow()->source().toString().toStdString(), "qrc:/help/PAGE_WHAT.html");
    EXPECT_NE(qt.helpWindow()->toPlainText().indexOf("Veltrane"), -1);
    qt.showHelp("PAGE_EH_POS");
    EXPECT_EQ(qt.helpWindow()->source().toString().toStdString(), "qrc:/help/PAGE_EH_POS.html");
}
