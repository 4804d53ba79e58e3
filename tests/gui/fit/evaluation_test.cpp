// The evaluation dialog: its report line for line, curves without a
// minimum, the scan table without scans, and what its exports write.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <regex>

#include "FitDocument.h"
#include "controls/RIEdit.h"
#include "gui/fit/plain/AuswertungReport.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/RangeBars.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/GuiServices.h"
#include "plot/DruckDlg.h"
#include "plot/Lineplot.h"
#include "support/PlotBoxChecks.h"
#include "support/ShownText.h"
#include "support/WriteFailures.h"

using namespace fittest;

namespace {

struct Evaluation : ::testing::Test {
    Evaluation() : doc(fitDocument(dir.path().toStdString(), FilmNm, 0.0))
    {
        // Three curves over the film's thickness.
        TSimparameter& p = doc.Simparameter;
        p.ZAxis = {pkThickness, 10.0, 30.0, FilmLayer + 1, 3, 0.0, 0};
        doc.ResColList = simulate(p);
    }
    void open()
    {
        const TSimparameter& p = doc.Simparameter;
        dlg.EpsMode = p.EpsMode;
        dlg.XKind = p.XAxis.Typ + 1;
        dlg.ZKind = p.ZAxis.Typ;
        dlg.XLayerNr = p.XAxis.LayerNr;
        dlg.ZLayerNr = p.ZAxis.LayerNr;
        dlg.SetParameter(doc.Auswertungpara);
        dlg.show();
    }
    std::string cell(QTableWidget* g, int r, int c) const
    {
        const QTableWidgetItem* item = g->item(r, c);
        return item ? item->text().toStdString() : std::string();
    }
    std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
    static std::string fileText(const std::string& path)
    {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
    }

    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    QTemporaryDir dir;
    Document doc;
    TAuswertungdlg dlg{doc};
};

TEST_F(Evaluation, ReportsTheMinimaOfTheSimulationsAndTheScan)
{
    open();
    ASSERT_EQ(doc.ResColList.size(), 3u);
    const std::vector<std::string> r = dlg.WriteReport(false);
    const std::string dashes(60, '-');
    const std::vector<std::string> head = {
        " ",
        "Evaluation",
        "==========",
        "Veltrane-File: untitled",
        "Date:          07.12.2026 08:00:00",
        "left-limit =40[°]",
        "right-limit=60[°]",
        "shape of peak=30[%]",
        " ",
        "Simulation:  X-min=Theta/[°]   Z-Value=Thickness/[nm] (L_Nr=3)   Data= Rp",
        dashes,
        "| Z-Value                        | X_min      | Y_min      |",
        dashes,
    };
    ASSERT_EQ(r.size(), head.size() + 3 + 2 + 7);
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(r[i], head[i]) << i;
    const std::regex simRow(R"(\| (10|20|30) {29}\| \d\d\.\d{4} {4}\| 0\.\d{4} {5}\|)");
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(std::regex_match(r[head.size() + std::size_t(k)], simRow)) << r[head.size() + std::size_t(k)];
    const std::vector<std::string> tail = {
        dashes,
        " ",
        "Scanfiles:",
        dashes,
        "| File                           | X_min      | Y_min      |",
        dashes,
    };
    for (std::size_t i = 0; i < tail.size(); ++i)
        EXPECT_EQ(r[head.size() + 3 + i], tail[i]);
    EXPECT_TRUE(std::regex_match(r[r.size() - 3], std::regex(R"(\| sensor\.dat {21}\| \d\d\.\d{4} {4}\| 0\.\d{4} {5}\|)")))
        << r[r.size() - 3];
    EXPECT_EQ(r[r.size() - 2], dashes);
    EXPECT_EQ(r.back(), " ");

    // The scan was written from the 20 nm curve: both minima agree.
    EXPECT_NEAR(dlg.ScanResults()[0].xmin, dlg.SimulationResults()[1].xmin, 0.02);
    // The thicker film moves the resonance to larger angles.
    EXPECT_LT(dlg.SimulationResults()[0].xmin, dlg.SimulationResults()[2].xmin);

    // Printed, every line but the blank ones has a margin of seven spaces.
    for (const std::string& line : dlg.WriteReport(true))
        EXPECT_TRUE(line == " " || line.rfind("       ", 0) == 0) << line;
}

// The data plot's legend, with a scaled and shifted scan, leaves every
// curve's and scan's dip (with its flanks) and maximum in sight, in the smallest window, at
// the default size and enlarged; its title leaves "Ref-Koeff" readable; the
// minimum plot's boxes stay apart.
TEST_F(Evaluation, LegendsLeaveTheDipsInSight)
{
    doc.ScanColList.front().Scalefactor = 1.031;
    doc.ScanColList.front().Shiftfactor = -0.25;
    open();
    TLinePlot& data = *dlg.DataPlot;
    for (QSize size : {QSize(), dlg.size(), QSize(1600, 1000)}) {
        if (size.isValid()) {
            dlg.resize(size);
            QApplication::processEvents();
        } else {
            size = veltrane::test::ShrinkToSmallest(dlg, data);
        }
        const std::string what = std::to_string(size.width()) + " wide";
        veltrane::test::ExpectTitlesReadable(data, "data plot, " + what);
        ASSERT_EQ(veltrane::test::DrawnBoxes(data).size(), 1u) << what;
        veltrane::test::ExpectBoxesApart(data, "data plot, " + what);
        for (int col = 0; col < data.GetColanz(); ++col)
            if (data.GetdoPlot(col)) {
                for (bool largest : {false, true})
                    veltrane::test::ExpectInSight(data, veltrane::test::ExtremePixel(data, col, largest),
                                                  data.GetColTitle(col) + ", " + what);
                veltrane::test::ExpectFlanksInSight(data, col, false, data.GetColTitle(col) + ", " + what);
            }
        veltrane::test::ExpectBoxesApart(*dlg.MinPlot, "minimum plot, " + what);
    }
}

TEST_F(Evaluation, ACurveWithoutAMinimumShowsDashesAndTheOthersGoOn)
{
    // Three points cannot determine a cubic: the regression's system is
    // singular for this curve only.
    TResColrec& few = doc.ResColList[1];
    few.Points.erase(few.Points.begin() + 3, few.Points.end());
    for (TResPunkt& p : few.Points)
        p.x = 45.0 + p.x / 10.0;
    open();
    EXPECT_EQ(cell(dlg.DataValueGrid, 2, 1), "--");
    EXPECT_EQ(cell(dlg.DataValueGrid, 2, 2), "--");
    EXPECT_NE(cell(dlg.DataValueGrid, 1, 1), "--");
    EXPECT_NE(cell(dlg.DataValueGrid, 3, 1), "--");
    EXPECT_NE(cell(dlg.ScanValueGrid, 1, 1), "--");
    // Left out of the minimum plot.
    EXPECT_EQ(dlg.MinPlot->GetPktanz(0), 2);
}

TEST_F(Evaluation, WithoutScansTheEmptyScanRowStandsForNoScan)
{
    doc.ScanColList.clear();
    open();
    EXPECT_EQ(dlg.ScanValueGrid->rowCount(), 2);
    EXPECT_EQ(cell(dlg.ScanValueGrid, 0, 0), "File");
    dlg.ScanValueGrid->selectRow(1);
    dlg.ScanGrid1Click();
    EXPECT_TRUE(dlg.StatusBar->currentMessage().isEmpty());
    EXPECT_TRUE(dlg.ScanValueGrid->toolTip().isEmpty());
    const std::vector<std::string> r = dlg.WriteReport(false);
    EXPECT_EQ(r[r.size() - 3], "|" + std::string(32, ' ') + "|" + std::string(12, ' ') + "|" + std::string(12, ' ') + "|");

    // With a scan its row names its file.
    doc.ScanColList.push_back(fitDocument(dir.path().toStdString(), FilmNm).ScanColList[0]);
    dlg.reject();
    open();
    dlg.ScanValueGrid->selectRow(1);
    EXPECT_EQ(dlg.StatusBar->currentMessage().toStdString(), doc.ScanColList[0].Path);
    EXPECT_EQ(veltrane::test::shownToolTip(*dlg.ScanValueGrid), "sensor.dat");
}

TEST_F(Evaluation, SavesTheReportAndThePlotOnlyWhenAsked)
{
    open();
    const std::string evl = path("minima.evl");
    script.saveAnswers = {std::nullopt, evl, path("missing/minima.evl")};
    dlg.ExportDataClick();  // cancelled
    EXPECT_FALSE(QFile::exists(QString::fromStdString(evl)));
    EXPECT_TRUE(script.boxes.empty());
    dlg.ExportDataClick();
    std::string expected;
    for (const std::string& line : dlg.WriteReport(false))
        expected += line + "\n";
    EXPECT_EQ(fileText(evl), expected);
    EXPECT_EQ(script.saveRequests[1].title, "Save Evaluation");
    EXPECT_EQ(script.saveRequests[1].defaultExt, "evl");
    dlg.ExportDataClick();  // a folder that does not exist
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "I/O Error");

    const std::string bmp = path("minima.bmp");
    script.saveAnswers = {std::nullopt, path("missing/minima.bmp"), bmp};
    dlg.ExportPlotClick();
    EXPECT_EQ(script.boxes.size(), 1u);
    dlg.ExportPlotClick();
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].caption, "I/O Error");
    dlg.ExportPlotClick();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(bmp)));
    EXPECT_EQ(script.boxes.size(), 2u);

    dlg.ClipDataClick();
    EXPECT_EQ(script.clipboardText, expected);
}

TEST_F(Evaluation, UntickedScansLeaveTheReportAndThePlot)
{
    doc.Auswertungpara.Scan = 0;
    doc.Auswertungpara.reg_width = 40;
    open();
    const std::vector<std::string> r = dlg.WriteReport(false);
    EXPECT_EQ(r[7], "shape of peak=40[%]");
    EXPECT_EQ(std::count(r.begin(), r.end(), "Scanfiles:"), 0);
    EXPECT_FALSE(dlg.DataPlot->GetdoPlot(0));  // the scan's column
    EXPECT_TRUE(dlg.DataPlot->GetdoPlot(1));
}

// Without a printer, the report and the minimum plot printed onto a full
// device, and the plot saved there, are "I/O Error"s that leave no file.
TEST_F(Evaluation, OutputsOntoAFullDeviceAreIoErrors)
{
    struct NoPrinter {
        veltrane::ScriptedGuiServices gui;
        NoPrinter() { gui.printers.clear(), veltrane::installGuiServices(&gui); }
        ~NoPrinter() { veltrane::installGuiServices(nullptr); }
    } noPrinter;
    open();
    veltrane::test::DeviceNode full;
    script.saveAnswers = {full.path(), full.path(), full.path(), full.path()};
    QTimer::singleShot(0, [] {
        auto* print = qobject_cast<TDruckDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(print, nullptr);
        print->PrinterOKBtn->click();
    });
    for (const char* name : {"PrintPlot", "PrintData", "ExportPlot", "ExportData"}) {
        auto* action = dlg.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    ASSERT_EQ(script.boxes.size(), 4u);
    for (const auto& box : script.boxes) {
        EXPECT_EQ(box.caption, "I/O Error");
        EXPECT_NE(box.text.find(std::strerror(ENOSPC)), std::string::npos) << box.text;
    }
    EXPECT_TRUE(full.intact());
}

}  // namespace
