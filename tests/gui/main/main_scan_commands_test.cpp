// The Scan menu, the data export and the parameter listing through the main
// window's actions: the document they change, the plot that follows and
// the texts they write.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <fstream>

#include "MainFormFixture.h"
#include "gui/scans/ExportDatadlg.h"
#include "gui/scans/OpenScandlg.h"
#include "gui/scans/ScanStepdlg.h"

namespace {

struct MainScanTest : MainWindowTest {
    std::string writeScan(const char* name, const char* body)
    {
        std::ofstream(path(name), std::ios::binary) << body;
        return path(name);
    }
    void loadScans(std::vector<std::string> files)
    {
        script.openAnswers.push_back(std::move(files));
        onModal([](QWidget* w) {
            auto* dlg = dynamic_cast<TOpenScandlg*>(w);
            ASSERT_NE(dlg, nullptr);
            dlg->LoadBtn->click();
            dlg->CancelBtn->click();
        });
        trigger("Load1");
    }
};

TEST_F(MainScanTest, LoadingReportsTheUnreadableFileAndDrawsTheOthers)
{
    const std::string dto = writeScan("gold.dto", "h1\nh2\n40 0.9\n41 0.2\n");
    const std::string ell = writeScan("film.ELL", "h1\nh2\n60 10 100\n65 12 110\n");
    loadScans({dto, path("missing.dto"), ell});
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error");
    EXPECT_EQ(script.boxes[0].text, "Cannot read file \"" + path("missing.dto") + "\"");
    ASSERT_EQ(form.Doc().ScanColList.size(), 3u);
    EXPECT_EQ(form.Doc().ScanColList[2].Name, "film.ELL (Delta)");
    EXPECT_EQ(form.Plot().GetColanz(), 3);
    EXPECT_TRUE(form.DocumentFlow().Modified);
    EXPECT_TRUE(form.ScansPresent);
    EXPECT_TRUE(enabled("Scale1"));
    EXPECT_TRUE(enabled("ShiftBtn"));

    // Removing two: the lower one is asked for first; No keeps it.
    form.DocumentFlow().Modified = false;
    script.answers = {veltrane::BoxAnswer::No, veltrane::BoxAnswer::Yes};
    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TOpenScandlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->LoadList->setCurrentRow(0);
        dlg->LoadList->item(2)->setSelected(true);
        dlg->RemoveButton->click();
        EXPECT_EQ(dlg->LoadList->count(), 2);
        dlg->CancelBtn->click();
    });
    trigger("Load1");
    ASSERT_EQ(script.boxes.size(), 3u);
    EXPECT_EQ(script.boxes[1].text, "Are you sure you want to remove:  " + ell);
    EXPECT_EQ(script.boxes[2].text, "Are you sure you want to remove:  " + dto);
    ASSERT_EQ(form.Doc().ScanColList.size(), 2u);
    EXPECT_EQ(form.Doc().ScanColList[0].Name, "film.ELL (Psi)");
    EXPECT_EQ(form.Doc().ScanColList[1].Name, "film.ELL (Delta)");
    EXPECT_EQ(form.Plot().GetColanz(), 2);
    EXPECT_TRUE(form.DocumentFlow().Modified);
}

TEST_F(MainScanTest, ScalingFollowsOnThePlotAndTheDialogComesBackOnTheSameScan)
{
    loadScans({writeScan("film.ell", "h1\nh2\n60 10 100\n65 20 110\n")});
    form.DocumentFlow().Modified = false;
    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TScanScaledlg*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->windowTitle(), "Scale Scanfile");
        dlg->ScanfileBox->setCurrentIndex(1);  // Delta
        dlg->Button2up->click();
        EXPECT_EQ(dlg->FaktorBar->text(), "1.01");
        dlg->CloseBtn->click();
    });
    trigger("Scale1");
    EXPECT_DOUBLE_EQ(form.Doc().ScanColList[1].Scalefactor, 1.01);
    EXPECT_EQ(form.Doc().ScanColList[0].Scalefactor, 1.0);
    EXPECT_TRUE(form.DocumentFlow().Modified);
    ASSERT_EQ(form.Plot().GetColanz(), 2);
    EXPECT_DOUBLE_EQ(form.Plot().GetData(1, 1).y, 110 * 1.01);

    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TScanScaledlg*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->ScanfileBox->currentIndex(), 1);
        QTest::keyClick(dlg->ScanfileBox, Qt::Key_PageDown);
        dlg->CloseBtn->click();
    });
    trigger("Scale1");
    EXPECT_DOUBLE_EQ(form.Plot().GetData(1, 1).y, 110 * 1.009);

    // Shift: Page Up moves left by one step of the options.
    form.Doc().Optionpara.ScanShiftstep = 0.5;
    onModal([](QWidget* w) {
        auto* dlg = dynamic_cast<TScanShiftdlg*>(w);
        ASSERT_NE(dlg, nullptr);
        QTest::keyClick(dlg, Qt::Key_PageUp);
        dlg->CloseBtn->click();
    });
    trigger("Shift1");
    EXPECT_EQ(form.Doc().ScanColList[0].Shiftfactor, -0.5);
    EXPECT_EQ(form.Plot().GetData(0, 0).x, 59.5);
}

TEST_F(MainScanTest, ExportAndListingCommandsReachTheirOutputs)
{
    for (const char* command : {"ClipData", "ExportData"}) {
        onModal([command](QWidget* w) {
            auto* dlg = dynamic_cast<TExportDatadlg*>(w);
            ASSERT_NE(dlg, nullptr);
            const bool file = std::string(command) == "ExportData";
            EXPECT_EQ(dlg->windowTitle(), file ? "Export Data to File" : "Export Data to Clipboard");
            EXPECT_EQ(dlg->OkBtn->isEnabled(), !file);  // a file waits for its name
            dlg->reject();
        });
        trigger(command);
    }
    trigger("ClipParameter");
    EXPECT_EQ(script.clipboardText.substr(0, 35), " \nVeltrane Version 3.02 [untitled]\n");
    script.saveAnswers.push_back(path("para.txt"));
    trigger("ExportParameter");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path("para.txt"))).size() > 500);

    const QString pdf = QString::fromStdString(path("para.pdf"));
    gui.printer().setOutputFileName(pdf);
    trigger("PrintParameter");
    EXPECT_EQ(gui.setupCalls, 0);  // no printer set-up first
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_EQ(script.boxes.size(), 0u);
}

}  // namespace
