// One session through the real main window, as a user goes through it:
// the demo stack, simulate, save, new, open, show Ts, print the plot,
// export the data. The document and the files are checked at every step.
#include <QComboBox>
#include <QFile>
#include <fstream>
#include <sstream>

#include "MainFormFixture.h"
#include "document/DocumentFile.h"
#include "gui/scans/ExportDatadlg.h"
#include "gui/simulation/ShowPlotdlg.h"
#include "plot/DruckDlg.h"

namespace {

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST_F(MainWindowTest, ASessionFromTheDemoStackToTheExportedData)
{
    // Demo stack and simulation.
    simulateDemo();
    ASSERT_EQ(form.Doc().ResColList.size(), 1u);
    ASSERT_EQ(form.Doc().ResColList[0].Points.size(), 200u);
    EXPECT_TRUE(form.DocumentFlow().Modified);

    // Save.
    script.saveAnswers.push_back(path("session.vtn"));
    trigger("FileSaveItem");
    EXPECT_FALSE(form.DocumentFlow().Modified);
    EXPECT_EQ(form.Doc().FileName, path("session.vtn"));
    EXPECT_EQ(DetectDocumentVersion(path("session.vtn")), 302);
    const Document saved = form.Doc();

    // New, then Open brings the saved document back.
    trigger("Newdocument");
    EXPECT_TRUE(form.Doc().ResColList.empty());
    EXPECT_EQ(form.Doc().FileName, Untitled);
    script.openAnswers.push_back({path("session.vtn")});
    trigger("FileOpenItem");
    EXPECT_EQ(form.Doc().Simparameter, saved.Simparameter);
    EXPECT_EQ(form.Doc().ResColList, saved.ResColList);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veltrane Version 3.02 [" + path("session.vtn") + "]");

    // Show Ts as well.
    onModal([](QWidget* w) {
        auto* show = dynamic_cast<TShowPlotdlg*>(w);
        ASSERT_NE(show, nullptr);
        show->CheckBoxes[ckTs]->setChecked(true);
        show->OkBtn->click();
    });
    trigger("Show1");
    EXPECT_TRUE(form.ResCurves.Contains(ckTs));
    ASSERT_EQ(form.Plot().GetColanz(), 2);
    EXPECT_EQ(form.Plot().GetColTitle(1), "Ts");
    EXPECT_TRUE(form.DocumentFlow().Modified);

    // Print the plot to PDF.
    const QString pdf = QString::fromStdString(path("plot.pdf"));
    gui.printer().setOutputFileName(pdf);
    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TDruckDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->PrinterOKBtn->click();
    });
    trigger("PrintBtn");
    EXPECT_GT(QFileInfo(pdf).size(), 1000);

    // Export the Rp data to a file; it equals the clipboard export.
    onModal([](QWidget* w) { dynamic_cast<TExportDatadlg*>(w)->OkBtn->click(); });
    trigger("ClipData");
    const std::string clip = script.clipboardText;
    EXPECT_NE(clip.find("Rp"), std::string::npos);
    script.saveAnswers.push_back(path("rp.txt"));
    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TExportDatadlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->opendlgBtn->click();
        dlg->OkBtn->click();
    });
    trigger("ExportData");
    EXPECT_EQ(fileText(path("rp.txt")), clip);
    // A header and one line per point.
    EXPECT_EQ(std::count(clip.begin(), clip.end(), '\n'), 201);
    for (const auto& b : script.boxes)
        EXPECT_NE(b.kind, veltrane::BoxKind::Error) << b.text;
}
