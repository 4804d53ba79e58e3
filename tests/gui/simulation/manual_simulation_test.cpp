// The manual simulation and its value edit: which cells are refused, what a
// step, an edit, Ctrl and Close write and compute, the layout by the
// stack's anisotropy, and the mended faults (a non-number stored as a
// value, a stack of one layer, a step on a refused cell, a change left
// uncomputed at Close).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "gui/simulation/ManualGrid.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/Simparamdlg.h"
#include "gui/simulation/Simulationmandlg.h"
#include "gui/simulation/ValueEditdlg.h"
#include "optics/CalcPlasmon.h"
#include "platform/ScriptedPlatform.h"
#include "support/Stacks.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

// Records what the dialog asked of its host, and what it showed meanwhile.
struct RecordingHost : TManualSimulationHost {
    void CurvesComputed() override
    {
        ++computed;
        labelWhileComputing = dlg->Lmsg->text();
        enabledWhileComputing = dlg->ControlsEnabled();
    }
    void DocumentChanged() override { ++changed; }

    TSimulationmandlg* dlg = nullptr;
    int computed = 0;
    int changed = 0;
    QString labelWhileComputing;
    bool enabledWhileComputing = true;
};

// The curves of a record, computed apart from any dialog.
TResColList curvesOf(const TSimparameter& p)
{
    TResColList list;
    std::unique_ptr<TCalcPlasmon> calc;
    CreateCalcPlasmon(calc, p, list, veltrane::ErrorReport::ToCaller);
    RunCalcPlasmon(calc.get(), p, list, veltrane::ErrorReport::ToCaller);
    return list;
}

class ManualSimulation : public ::testing::Test {
protected:
    ManualSimulation()
    {
        doc.Simparameter = veltrane::stacks::demo();
        veltrane::stacks::thetaScan(doc.Simparameter, 45.0, 65.0, 101);
        doc.ResColList = curvesOf(doc.Simparameter);
        host.dlg = &dlg;
    }
    void open()
    {
        ASSERT_TRUE(dlg.Open(host));
        dlg.show();
    }
    void key(int k) { QTest::keyClick(dlg.LayerGrid1, Qt::Key(k)); }
    void click(int row, int col)
    {
        const QRect r = dlg.LayerGrid1->visualItemRect(dlg.LayerGrid1->item(row - 1, col - 1));
        QTest::mouseClick(dlg.LayerGrid1->viewport(), Qt::LeftButton, {}, r.center());
    }
    std::pair<int, int> cursor() const
    {
        return {dlg.LayerGrid1->currentRow() + 1, dlg.LayerGrid1->currentColumn() + 1};
    }
    const TSimparameter& p() const { return doc.Simparameter; }

    ScriptedPlatform script;
    ScopedPlatform use{script};
    Document doc = DefaultDocument();
    TOptiondlg options{doc};
    TSimulationmandlg dlg{doc, options};
    RecordingHost host;
};

TEST_F(ManualSimulation, RefusedCellsBeepTenTimesAndKeepTheCursor)
{
    doc.Simparameter.Aniso[2] = 1;
    doc.Simparameter.Eps[2].epsY = doc.Simparameter.Eps[2].epsZ = 2.25;
    TSimulationmanModel& m = dlg.Model();
    m.Show(0);
    ASSERT_TRUE(m.SelectCell(2, mcThickness));
    const TSimparameter before = p();
    const struct { int row, col; } refused[] = {
        {1, mcThickness}, {1, mcEpsXI}, {1, mcEpsYR}, {1, mcEpsZI},  // the incident half-space
        {2, mcEpsYR},     {4, mcEpsZI},                              // Y and Z of isotropic layers
        {4, mcThickness}, {5, mcEpsXR}, {3, 8},                      // the last thickness, outside the grid
    };
    for (const auto& c : refused) {
        script.beeps = 0;
        EXPECT_FALSE(m.SelectCell(c.row, c.col)) << c.row << "," << c.col;
        EXPECT_EQ(script.beeps, 10) << c.row << "," << c.col;
        EXPECT_FALSE(m.CanEdit);
        EXPECT_EQ(m.Row(), 2);
        EXPECT_EQ(m.Col(), int(mcThickness));
    }
    EXPECT_EQ(p(), before);
    script.beeps = 0;
    for (auto [row, col] : {std::pair{1, int(mcEpsXR)}, {3, int(mcEpsZI)}, {3, int(mcEpsYR)}, {4, int(mcEpsXI)}})
        EXPECT_TRUE(m.SelectCell(row, col)) << row << "," << col;
    EXPECT_EQ(script.beeps, 0);
}

// Mended: a two-layer stack refuses the first selection, and the cursor
// rested on the first layer's thickness, which a step then changed.
TEST_F(ManualSimulation, StepOnACellNeverAllowedChangesNothing)
{
    doc.Simparameter = veltrane::stacks::glassAir();
    doc.ResColList = curvesOf(p());
    open();
    EXPECT_EQ(script.beeps, 10);  // the thickness of row 2 is the last one
    const TSimparameter before = p();
    key(Qt::Key_PageUp);
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the value edit opened on a refused cell";
            static_cast<QDialog*>(w)->reject();
        }
    });
    dlg.EditBtn->click();
    QApplication::processEvents();
    EXPECT_EQ(p(), before);
    EXPECT_EQ(script.beeps, 30);
    EXPECT_EQ(host.computed, 0);
    EXPECT_EQ(host.changed, 0);
    dlg.CloseBtn->click();
}

TEST_F(ManualSimulation, TheGridAsksBeforeTheCursorMoves)
{
    open();
    EXPECT_EQ(cursor(), std::pair(2, 1));
    click(1, mcThickness);
    EXPECT_EQ(script.beeps, 10);
    EXPECT_EQ(cursor(), std::pair(2, 1));
    QTest::keyClick(dlg.LayerGrid1, Qt::Key_Up);
    EXPECT_EQ(script.beeps, 20);
    QTest::keyClick(dlg.LayerGrid1, Qt::Key_Right);
    EXPECT_EQ(cursor(), std::pair(2, int(mcEpsXR)));
    EXPECT_EQ(dlg.Model().Col(), int(mcEpsXR));
    click(3, mcEpsXI);
    EXPECT_EQ(cursor(), std::pair(3, int(mcEpsXI)));
    EXPECT_EQ(dlg.Model().Row(), 3);
    EXPECT_EQ(script.beeps, 20);
    dlg.reject();
}

TEST_F(ManualSimulation, KeysStepByTheOptionStepsAndComputeOnce)
{
    open();
    click(2, mcEpsXR);
    doc.Optionpara.Epsrealstep = 0.001;
    key(Qt::Key_Delete);
    EXPECT_NEAR(p().Eps[1].epsX.real(), -12.2, 1e-12);
    EXPECT_EQ(host.computed, 1);
    EXPECT_EQ(host.changed, 1);
    EXPECT_EQ(host.labelWhileComputing, "Calulating");
    EXPECT_FALSE(host.enabledWhileComputing);
    EXPECT_EQ(dlg.Lmsg->text(), "");
    EXPECT_TRUE(dlg.LayerGrid1->isEnabled());
    EXPECT_EQ(dlg.LayerGrid1->item(1, 1)->text(), "-12.2");
    EXPECT_EQ(doc.ResColList, curvesOf(p()));

    // Ctrl held: three steps of the thickness, one computation on release.
    click(2, mcThickness);
    QTest::keyPress(dlg.LayerGrid1, Qt::Key_Control);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(p().Dicke[1], 50.3);
    EXPECT_EQ(host.computed, 1);
    EXPECT_EQ(host.changed, 4);
    QTest::keyRelease(dlg.LayerGrid1, Qt::Key_Control);
    EXPECT_EQ(host.computed, 2);
    EXPECT_EQ(dlg.LayerGrid1->item(1, 0)->text(), "50.3");
    EXPECT_EQ(doc.ResColList, curvesOf(p()));

    for (int k : {Qt::Key_Home, Qt::Key_Insert, Qt::Key_End, Qt::Key_PageDown})
        key(k);
    EXPECT_NEAR(p().Dicke[1], 50.3 + 1 + 10 - 1 - 0.1, 1e-9);
    EXPECT_EQ(host.computed, 6);
    dlg.CloseBtn->click();
    EXPECT_EQ(host.computed, 6);  // nothing waits: Close computes nothing
}

// Mended: Close computed only when nothing had been computed, so a change
// made with Ctrl held was left out of the curves, and Ctrl stayed held
// into the next showing.
TEST_F(ManualSimulation, CloseComputesAWaitingChangeAndTheNextShowingStartsAfresh)
{
    open();
    key(Qt::Key_PageUp);
    QTest::keyPress(dlg.LayerGrid1, Qt::Key_Control);
    key(Qt::Key_PageUp);
    EXPECT_EQ(host.computed, 1);
    dlg.CloseBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(host.computed, 2);
    EXPECT_DOUBLE_EQ(p().Dicke[1], 50.2);
    EXPECT_EQ(doc.ResColList, curvesOf(p()));

    open();
    key(Qt::Key_PageUp);
    EXPECT_EQ(host.computed, 3);
    dlg.reject();
}

TEST_F(ManualSimulation, CloseWithoutAStepFillsTheCurvesAgain)
{
    const TResColList before = doc.ResColList;
    open();
    EXPECT_FALSE(doc.ResColList[0].Points[0].valid);  // emptied by the showing
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(doc.ResColList, before);
    EXPECT_EQ(host.computed, 0);  // the plot still shows these values
}

// Mended: a stack of fewer than two layers opened a dialog with no cell
// to step and no row 2 to select.
TEST_F(ManualSimulation, RefusesAStackOfOneLayer)
{
    doc.Simparameter.Layeranz = 1;
    const Document before = doc;
    EXPECT_FALSE(dlg.Execute(host));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error");
    EXPECT_EQ(script.boxes[0].text, "The manual Simulation needs at least 2 layers");
    EXPECT_EQ(doc, before);
}

TEST_F(ManualSimulation, GridAndWidthFollowTheAnisotropy)
{
    doc.Optionpara.Simbreite = 1;
    open();
    EXPECT_EQ(dlg.LayerGrid1->columnCount(), 3);  // and the number column
    EXPECT_EQ(dlg.LayerGrid1->rowCount(), 4);
    EXPECT_EQ(dlg.width(), 460);
    EXPECT_EQ(dlg.PageControl1->width(), 330);
    dlg.reject();

    doc.Simparameter.Aniso[2] = 1;
    doc.Simparameter.Eps[2].epsY = doc.Simparameter.Eps[2].epsZ = Complex(2.25, 0.0);
    dlg.EpsMode = 1;
    open();
    EXPECT_EQ(dlg.LayerGrid1->columnCount(), 7);
    EXPECT_EQ(dlg.width(), 730);
    EXPECT_EQ(dlg.PageControl1->width(), 600);
    EXPECT_EQ(dlg.LayerGrid1->horizontalHeaderItem(5)->text(), "Z n-ref");
    EXPECT_EQ(dlg.LayerGrid1->item(1, 3)->text(), "");  // Y of an isotropic layer
    EXPECT_EQ(dlg.LayerGrid1->item(2, 3)->text(), "2.25");
    dlg.reject();

    doc.Optionpara.Simbreite = 0;
    open();
    EXPECT_EQ(dlg.LayerGrid1->columnCount(), 7);
    EXPECT_EQ(dlg.width(), 460);
    dlg.reject();
}

// Mended: a text that was no number went into the layer as the empty
// marker and was computed with.
TEST_F(ManualSimulation, EditValueRefusesANonNumberAndComputesANumber)
{
    open();
    int boxesSeen = -1;
    QTimer::singleShot(0, [&] {
        auto* edit = qobject_cast<TValueEditdlg*>(QApplication::activeModalWidget());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->valueedit->text(), "50");
        EXPECT_FALSE(edit->valueedit->hasSelectedText());
        edit->valueedit->setText("-");
        edit->OkBtn->click();
        boxesSeen = int(script.boxes.size());
        EXPECT_TRUE(edit->isVisible());
        QTest::keyClicks(edit->valueedit, "\b\b\b\b47,5");  // a comma typed under any locale
        edit->OkBtn->click();
        if (edit->isVisible())
            edit->reject();
    });
    key(Qt::Key_Return);
    EXPECT_EQ(boxesSeen, 1);
    EXPECT_EQ(script.boxes.at(0).caption, "Error");
    EXPECT_EQ(script.boxes.at(0).text, "Value is not a number");
    EXPECT_EQ(p().Dicke[1], 47.5);
    EXPECT_EQ(host.computed, 1);
    EXPECT_EQ(doc.ResColList, curvesOf(p()));

    QTimer::singleShot(0, [] { qobject_cast<TValueEditdlg*>(QApplication::activeModalWidget())->reject(); });
    dlg.EditBtn->click();
    EXPECT_EQ(p().Dicke[1], 47.5);
    EXPECT_EQ(host.computed, 1);
    dlg.reject();
}

// Mended: -5 nm typed into the value edit was computed into Rp far above 1.
// A negative eps is a metal's and stays allowed.
TEST_F(ManualSimulation, EditValueRefusesANegativeThickness)
{
    open();
    const auto answer = [](const char* keys) {
        QTimer::singleShot(0, [keys] {
            auto* edit = qobject_cast<TValueEditdlg*>(QApplication::activeModalWidget());
            ASSERT_NE(edit, nullptr);
            edit->valueedit->clear();
            QTest::keyClicks(edit->valueedit, keys);
            edit->OkBtn->click();
            if (edit->isVisible())
                edit->reject();
        });
    };
    answer("-5");
    key(Qt::Key_Return);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, "Layer thickness must be >=0: thickness value in Layer 2");
    EXPECT_EQ(p().Dicke[1], 50.0);
    EXPECT_EQ(host.computed, 0);

    click(2, mcEpsXR);
    answer("-5");
    key(Qt::Key_Return);
    EXPECT_EQ(p().Eps[1].epsX.real(), -5.0);
    EXPECT_EQ(host.computed, 1);
    EXPECT_EQ(script.boxes.size(), 1u);
    dlg.reject();
}

// A step below 0 nm is refused as a refused cell is, with ten beeps and
// nothing changed; steps that end at 0 within rounding end at 0.
TEST_F(ManualSimulation, AStepBelowZeroThicknessIsRefused)
{
    doc.Simparameter.Dicke[2] = 0.3;
    doc.ResColList = curvesOf(p());
    open();
    click(3, mcThickness);
    script.beeps = 0;
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_PageDown);
    EXPECT_EQ(p().Dicke[2], 0.0);
    EXPECT_EQ(script.beeps, 0);
    click(2, mcThickness);
    key(Qt::Key_End);
    EXPECT_DOUBLE_EQ(p().Dicke[1], 49.0);
    EXPECT_EQ(host.computed, 4);

    const TSimparameter before = p();
    doc.Optionpara.Dickestep = 1.0;
    key(Qt::Key_Delete);  // 49 nm - 100 nm
    click(3, mcThickness);
    key(Qt::Key_PageDown);
    EXPECT_EQ(script.beeps, 20);
    EXPECT_EQ(p(), before);
    EXPECT_EQ(host.computed, 4);
    EXPECT_EQ(dlg.LayerGrid1->item(1, 0)->text(), "49");
    dlg.reject();
}

// Mended: steps added in binary, so 44.99 nm stepped +1, -100 four times
// and -10 five times by 0.1 nm became 0.0900000000000034 in the grid, the
// value edit, the parameter dialog and the document.
TEST_F(ManualSimulation, StepsKeepTheDecimalsOfStepAndValue)
{
    doc.Simparameter.Dicke[1] = 44.99;
    doc.ResColList = curvesOf(p());
    open();
    click(2, mcThickness);
    for (int k : {Qt::Key_PageUp, Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Delete, Qt::Key_End,
                  Qt::Key_End, Qt::Key_End, Qt::Key_End, Qt::Key_End})
        key(k);
    EXPECT_EQ(p().Dicke[1], 0.09);
    EXPECT_EQ(dlg.LayerGrid1->item(1, 0)->text(), "0.09");
    QString edited;
    QTimer::singleShot(0, [&] {
        auto* edit = qobject_cast<TValueEditdlg*>(QApplication::activeModalWidget());
        ASSERT_NE(edit, nullptr);
        edited = edit->valueedit->text();
        edit->reject();
    });
    dlg.EditBtn->click();
    EXPECT_EQ(edited, "0.09");
    TSimparamdlg param{doc};
    param.show();
    EXPECT_EQ(param.Rows[1].Edits[rcDicke]->text(), "0.09");
    param.reject();

    // A step of 1 nm keeps the value's hundredths; steps down to 0 land
    // on 0 exactly.
    doc.Optionpara.Dickestep = 1.0;
    key(Qt::Key_PageUp);
    EXPECT_EQ(p().Dicke[1], 1.09);
    doc.Optionpara.Dickestep = 0.01;
    for (int i = 0; i < 109; ++i)
        key(Qt::Key_PageDown);
    EXPECT_EQ(p().Dicke[1], 0.0);
    EXPECT_EQ(dlg.LayerGrid1->item(1, 0)->text(), "0");
    EXPECT_EQ(script.beeps, 0);
    dlg.reject();
}

TEST_F(ManualSimulation, OptionOpensTheManualStepsAndMarksTheDocument)
{
    open();
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(QApplication::activeModalWidget(), &options);
        EXPECT_EQ(options.PageControl->currentIndex(), 1);
        options.nDickestep->setText("2");
        options.OkBtn->click();
    });
    dlg.OptionBtn->click();
    EXPECT_EQ(doc.Optionpara.Dickestep, 2.0);
    EXPECT_EQ(host.changed, 1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(p().Dicke[1], 52.0);
    dlg.reject();
}

}  // namespace
