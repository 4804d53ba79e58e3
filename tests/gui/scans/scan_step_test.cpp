// The scale and shift dialogs: the keys (also while the drop-down list has
// the focus) with the sign of each dialog, the scan restored on a new
// showing and the two halves of an ellipsometry file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QStatusBar>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/scans/ScanFiles.h"
#include "document/Defaults.h"
#include "document/ScanFile.h"
#include "gui/scans/ScanStepdlg.h"
#include "platform/ScriptedPlatform.h"

namespace {

struct ScanStepTest : ::testing::Test {
    ScanStepTest()
    {
        AddScanFile(files.twoColumn(), doc.ScanColList);
        AddScanFile(files.ellipsometry(), doc.ScanColList);  // scans 1 (Psi) and 2 (Delta)
    }
    veltrane::ScriptedPlatform script;
    veltrane::ScopedPlatform use{script};
    ScanFiles files;
    Document doc = DefaultDocument();
};

TEST_F(ScanStepTest, KeysReachTheDialogWhileTheListHasTheFocus)
{
    TScanScaledlg dlg(doc);
    int changes = 0;
    dlg.OnScansChanged = [&] { ++changes; };
    dlg.show();
    dlg.ScanfileBox->setCurrentIndex(1);
    dlg.ScanfileBox->setFocus();
    // A drop-down list on its own would take these keys to change the
    // selected scan.
    QTest::keyClick(dlg.ScanfileBox, Qt::Key_PageUp);
    QTest::keyClick(dlg.ScanfileBox, Qt::Key_End);
    EXPECT_EQ(dlg.ScanfileBox->currentIndex(), 1);
    EXPECT_DOUBLE_EQ(doc.ScanColList[1].Scalefactor, 1.0 + 0.001 - 0.01);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dlg.FaktorBar->text(), "0.991");

    // Only the Psi half of the file changed.
    EXPECT_EQ(doc.ScanColList[2].Scalefactor, 1.0);
    dlg.ScanfileBox->setCurrentIndex(2);
    dlg.Button3down->click();
    EXPECT_DOUBLE_EQ(doc.ScanColList[2].Scalefactor, 0.9);
    EXPECT_DOUBLE_EQ(doc.ScanColList[1].Scalefactor, 0.991);

    dlg.ResetButton->click();
    EXPECT_EQ(doc.ScanColList[2].Scalefactor, 1.0);
    EXPECT_EQ(changes, 4);
}

// Reopening on the same scan is driven through the main window; here the
// scan used last has gone.
TEST_F(ScanStepTest, ANewShowingFallsBackToTheFirstScanOrToNone)
{
    TScanShiftdlg dlg(doc);
    dlg.show();
    dlg.ScanfileBox->setCurrentIndex(2);
    EXPECT_EQ(dlg.StatusBar1->currentMessage().toStdString(), files.path("film.ell"));
    dlg.hide();
    doc.ScanColList.pop_back();
    dlg.show();
    EXPECT_EQ(dlg.ScanfileBox->currentIndex(), 0);
    dlg.hide();

    doc.ScanColList.clear();
    dlg.show();
    EXPECT_FALSE(dlg.BtnGroup->isEnabled());
    EXPECT_FALSE(dlg.ResetButton->isEnabled());
    EXPECT_TRUE(dlg.FaktorBar->text().isEmpty());
    QTest::keyClick(dlg.ScanfileBox, Qt::Key_PageDown);  // nothing to change, nothing breaks
}

}  // namespace
