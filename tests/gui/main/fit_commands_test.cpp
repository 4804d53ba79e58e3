// The iterative simulation and the evaluation opened from the main window:
// what goes into the dialogs and what comes back into the document.
#include <QComboBox>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "MainFormFixture.h"
#include "controls/RIEdit.h"
#include "document/ScanFile.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/RangeBars.h"
#include "gui/fit/Simulationiterdlg.h"
#include "gui/common/UpDown.h"
#include "optics/CalcPlasmon.h"
#include "support/Stacks.h"

namespace {

// The demo sensor with p light over Theta 40 to 60, and its Rp curve with a
// 20 nm film as a measured scan file.
void loadSensorScan(TMainForm& form, const std::string& path)
{
    TSimparameter p = veltrane::stacks::demo();
    p.PolArt = paP;
    p.PolMode = pmP;
    p.Dicke[2] = 20.0;
    veltrane::stacks::thetaScan(p, 40.0, 60.0, 200);
    std::unique_ptr<TCalcPlasmon> calc;
    TResColList results;
    CreateCalcPlasmon(calc, p, results, veltrane::ErrorReport::ToCaller);
    RunCalcPlasmon(calc.get(), p, results, veltrane::ErrorReport::ToCaller);
    {
        std::ofstream out(path);
        out << "sensor\nTheta Rp\n";
        for (const TResPunkt& r : results.front().Points)
            out << r.x << ' ' << r.Rp << '\n';
    }
    Document& doc = form.Doc();
    p.Dicke[2] = 16.0;
    doc.Simparameter = p;
    AddScanFile(path, doc.ScanColList);
    doc.Optionpara.Iteranz = 30;
    form.DocumentFlow().Modified = false;
    form.RunSimulation();
    form.UpdateCommands();
}

TEST_F(MainWindowTest, AcceptTakesTheFittedRecordBackAndRecomputes)
{
    loadSensorScan(form, path("sensor.dat"));
    ASSERT_TRUE(enabled("Simulationiter1"));
    onModal([](QWidget* w) {
        auto* dlg = qobject_cast<TSimulationiterdlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->CheckBoxes[2 * 7]->click();  // the film's thickness
        dlg->StartBtn->click();
        dlg->OkBtn->click();
    });
    trigger("Simulationiter1");
    const Document& d = form.Doc();
    EXPECT_NEAR(d.Simparameter.Dicke[2], 20.0, 0.5);
    EXPECT_TRUE(form.DocumentFlow().Modified);
    // The main curves were computed from the fitted record.
    ASSERT_EQ(d.ResColList.size(), 1u);
    EXPECT_EQ(d.ResColList[0].Points.size(), 200u);
    EXPECT_NEAR(d.ResColList[0].Points[120].Rp, d.ScanColList[0].Points[120].y, 0.01);
}

TEST_F(MainWindowTest, CloseLeavesTheDocumentAsItWas)
{
    loadSensorScan(form, path("sensor.dat"));
    const TSimparameter before = form.Doc().Simparameter;
    onModal([](QWidget* w) {
        auto* dlg = qobject_cast<TSimulationiterdlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->CheckBoxes[2 * 7]->click();
        dlg->StartBtn->click();
        dlg->CloseBtn->click();
    });
    trigger("Simulationiter1");
    EXPECT_EQ(form.Doc().Simparameter, before);
    EXPECT_FALSE(form.DocumentFlow().Modified);
}

TEST_F(MainWindowTest, EvaluationSettingsGoBackHoweverTheDialogCloses)
{
    loadSensorScan(form, path("sensor.dat"));
    ASSERT_TRUE(enabled("Evaluation1"));
    onModal([](QWidget* w) {
        auto* dlg = qobject_cast<TAuswertungdlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->DataBox->setCurrentIndex(1);
        dlg->UpDown1->UpButton()->click();
        dlg->RangeBars->ScrollBar_L->setValue(25);
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    trigger("Evaluation1");
    const TAuswertungpara& a = form.Doc().Auswertungpara;
    EXPECT_EQ(a.Datakind, 1);
    EXPECT_EQ(a.reg_width, 31);
    EXPECT_DOUBLE_EQ(a.left, 42.5);
    EXPECT_DOUBLE_EQ(a.right, 60.0);
    EXPECT_TRUE(form.DocumentFlow().Modified);

    // Shown again, the dialog starts from the stored limits; closing it
    // unchanged leaves the document unmodified.
    form.DocumentFlow().Modified = false;
    onModal([](QWidget* w) {
        auto* dlg = qobject_cast<TAuswertungdlg*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_DOUBLE_EQ(dlg->RangeBars->LeftValue(), 42.5);
        EXPECT_EQ(dlg->DataBox->currentIndex(), 1);
        dlg->CloseBtn->click();
    });
    trigger("Evaluation1");
    EXPECT_FALSE(form.DocumentFlow().Modified);
}

}  // namespace
