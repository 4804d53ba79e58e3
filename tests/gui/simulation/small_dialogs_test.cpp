// The layer-number, show-curves and options dialogs: their checks, what
// they write back on OK and what Cancel leaves alone.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "gui/simulation/LayerEditdlg.h"
#include "gui/simulation/plain/LayerRows.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/ShowPlotdlg.h"
#include "platform/ScriptedPlatform.h"
#include "support/ShownText.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

TEST(LayerEdit, DialogStaysOpenOnAWrongNumber)
{
    ScriptedPlatform script;
    ScopedPlatform use(script);
    TLayerEditdlg dlg;
    dlg.Operation = loDelete;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Delete Layer");
    EXPECT_TRUE(dlg.Nr2->isHidden());
    dlg.Nr1->setText("31");
    dlg.Nr2->setText("31");
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error");
    EXPECT_EQ(script.boxes[0].text, "wrong Layer-Nr1 (1-30)");
    EXPECT_TRUE(dlg.isVisible());
    dlg.Nr1->setText("30");
    dlg.OkBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

class ShowDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.dat", "b.dat", "c.ell"}) {
            TScanColrec s;
            s.Name = name;
            s.Path = std::string("/scans/") + name;
            doc.ScanColList.push_back(s);
        }
        doc.ScanColList[1].Visible = 0;
        dlg.Curves.Include(ckRp);
    }

    ScriptedPlatform script;
    ScopedPlatform use{script};
    Document doc = DefaultDocument();
    TShowPlotdlg dlg{doc};
};

TEST_F(ShowDialog, OkTakesTicksAndScanFlags)
{
    dlg.show();
    EXPECT_TRUE(dlg.CheckBoxes[ckRp]->isChecked());
    ASSERT_EQ(dlg.CheckListBox->count(), 3);
    EXPECT_EQ(dlg.CheckListBox->item(1)->checkState(), Qt::Unchecked);
    dlg.CheckBoxes[ckTs]->click();
    dlg.CheckListBox->item(0)->setCheckState(Qt::Unchecked);
    dlg.CheckListBox->setCurrentRow(2);
    EXPECT_EQ(dlg.StatusBar1->currentMessage(), "/scans/c.ell");
    EXPECT_EQ(veltrane::test::shownToolTip(*dlg.CheckListBox), "c.ell");
    dlg.OkBtn->click();
    EXPECT_TRUE(dlg.Curves.Contains(ckTs));
    EXPECT_TRUE(dlg.Curves.Contains(ckRp));
    EXPECT_EQ(doc.ScanColList[0].Visible, 0);
    EXPECT_EQ(doc.ScanColList[1].Visible, 0);
    EXPECT_EQ(doc.ScanColList[2].Visible, 1);
}

// Mended: a scan's name and path in the tips were read as markup, so a
// file named with "<img src=...>" showed a local picture instead.
TEST_F(ShowDialog, TipsShowNameAndPathAsWritten)
{
    TScanColrec s;
    s.Name = "<b>x</b><img src=\"/scans/x.png\">.dat";
    s.Path = "/scans/<i>y</i>/" + s.Name;
    doc.ScanColList.push_back(s);
    dlg.show();
    dlg.CheckListBox->setCurrentRow(3);
    EXPECT_EQ(veltrane::test::shownToolTip(*dlg.CheckListBox).toStdString(), s.Name);
    EXPECT_EQ(veltrane::test::shownToolTip(*dlg.StatusBar1).toStdString(), s.Path);
    EXPECT_EQ(dlg.CheckListBox->item(3)->text().toStdString(), s.Name);
    dlg.reject();
}

TEST_F(ShowDialog, CancelChangesNothing)
{
    const TScanColList before = doc.ScanColList;
    dlg.show();
    dlg.CheckBoxes[ckDelta]->click();
    dlg.CheckListBox->item(2)->setCheckState(Qt::Unchecked);
    dlg.CancelBtn->click();
    EXPECT_EQ(dlg.Curves.bits, TCurveSet{1}.bits);
    EXPECT_EQ(doc.ScanColList, before);

    doc.ScanColList.clear();
    dlg.show();
    EXPECT_EQ(dlg.StatusBar1->currentMessage(), "");
    dlg.HelpBtn->click();
    EXPECT_EQ(script.helpKeywords, std::vector<std::string>{"PAGE_OPTION_PLOTSHOW"});
}

class OptionDialog : public ::testing::Test {
protected:
    ScriptedPlatform script;
    ScopedPlatform use{script};
    Document doc = DefaultDocument();
    TOptiondlg dlg{doc};
};

TEST_F(OptionDialog, ShowsTheOptionsAndStoresAnEmptyFieldAsNoValue)
{
    dlg.show();
    EXPECT_EQ(dlg.nDickestep->text(), "0.1");
    EXPECT_EQ(dlg.nItergrenz->text(), "0.1");
    EXPECT_EQ(dlg.nIteranz->text(), "50");
    EXPECT_TRUE(dlg.SimbreiteCheck->isChecked());
    dlg.nItergrenz->clear();
    QTest::keyClicks(dlg.nScanShiftstep, "5");  // 0.015
    dlg.SimbreiteCheck->click();
    dlg.OkBtn->click();
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(doc.Optionpara.Itergrenz, Riedit::NADN);
    EXPECT_EQ(doc.Optionpara.ScanShiftstep, 0.015);
    EXPECT_EQ(doc.Optionpara.Simbreite, 0);
    EXPECT_EQ(doc.Optionpara.Dickestep, 0.1);
}

// Mended: a step of 0 made the fit's rounding divide by zero, an iteration
// limit below 1 stopped nothing; an empty or half-typed ("1e") step moved
// nothing and an empty iteration limit limited nothing, and both passed;
// a half-typed divergence limit passed as no limit, a negative one as one
// that stops nothing.
TEST_F(OptionDialog, RefusesEmptyStepsAndLimitsAndThoseOfZeroOrBelow)
{
    const struct { TRIEdit* TOptiondlg::*edit; const char* keys; const char* message; int page; } cases[] = {
        {&TOptiondlg::nDickestep, "0", "Thickness-Step must be >0", 1},
        {&TOptiondlg::nScanScalestep, "-0.001", "Scale-Step must be >0", 0},
        {&TOptiondlg::nEpsimagstep, "0", "Eps-imag / kapa-Step must be >0", 1},
        {&TOptiondlg::nIteranz, "0.5", "max-number must be >=1", 2},
        {&TOptiondlg::nScanShiftstep, "", "Shift-Step must be >0", 0},
        {&TOptiondlg::nScanScalestep, "1e", "Scale-Step must be >0", 0},
        {&TOptiondlg::nEpsrealstep, "2e-", "Eps-real / n-Step must be >0", 1},
        {&TOptiondlg::nDickestep, "", "Thickness-Step must be >0", 1},
        {&TOptiondlg::nIteranz, "", "max-number must be >=1", 2},
        {&TOptiondlg::nIteranz, "1e", "max-number must be >=1", 2},
        {&TOptiondlg::nItergrenz, "1e", "Divergence-limit must be >=0", 2},
        {&TOptiondlg::nItergrenz, "-", "Divergence-limit must be >=0", 2},
        {&TOptiondlg::nItergrenz, "-5", "Divergence-limit must be >=0", 2},
    };
    const TOptionpara before = doc.Optionpara;
    for (const auto& c : cases) {
        script.boxes.clear();
        dlg.show();
        (dlg.*c.edit)->clear();
        QTest::keyClicks(dlg.*c.edit, c.keys);
        ASSERT_EQ((dlg.*c.edit)->text(), c.keys);
        dlg.OkBtn->click();
        ASSERT_EQ(script.boxes.size(), 1u) << c.message;
        EXPECT_EQ(script.boxes[0].caption, "Error");
        EXPECT_EQ(script.boxes[0].text, c.message);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.PageControl->currentIndex(), c.page) << c.message;
        EXPECT_EQ(doc.Optionpara, before);
        EXPECT_EQ(dlg.focusWidget(), dlg.*c.edit) << c.message;
        dlg.reject();
    }
    // A divergence limit of 0 is one: the fit ends by its count or Stop.
    dlg.show();
    dlg.nItergrenz->setText("0");
    dlg.OkBtn->click();
    EXPECT_EQ(doc.Optionpara.Itergrenz, 0.0);
}

TEST_F(OptionDialog, OpensOnThePageItIsAskedFor)
{
    for (int page : {2, 0, 1, TOptiondlg::KeepPage}) {
        int shown = -1;
        QTimer::singleShot(0, &dlg, [&] {
            shown = dlg.PageControl->currentIndex();
            dlg.CancelBtn->click();
        });
        EXPECT_FALSE(dlg.Execute(page));
        EXPECT_EQ(shown, page == TOptiondlg::KeepPage ? 1 : page);
    }
}

}  // namespace
