// The parameter dialog through its widgets, offscreen: typed rows survive
// scrolling, a refused OK keeps the dialog and its input, the input mode
// renames headers and axis kinds, and the layer operations run through
// the layer-number dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "controls/EnableRadioGroup.h"
#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "gui/simulation/LayerEditdlg.h"
#include "gui/simulation/Simparamdlg.h"
#include "platform/ScriptedPlatform.h"

using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

class SimparamDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        TSimparameter& p = doc.Simparameter;
        p.Prismart = prNone;
        const double d[] = {0.0, 50.0, 5.0, 0.0};
        const Complex eps[] = {3.4069, Complex(-12.1, 1.3), 2.25, 1.778};
        for (int k = 0; k < 4; ++k) {
            p.Dicke[k] = d[k];
            p.Eps[k].epsX = eps[k];
        }
        dlg.show();
    }

    TRIEdit* edit(int row, int column) { return dlg.Rows[std::size_t(row)].Edits[std::size_t(column)]; }
    void retype(TRIEdit* e, const QString& text)
    {
        e->clear();
        QTest::keyClicks(e, text);
    }
    // Answers the layer-number dialog the next button opens.
    void answerLayerEdit(const QString& nr1, const QString& nr2)
    {
        QTimer::singleShot(0, &dlg, [this, nr1, nr2] {
            dlg.LayerEditdlg->Nr1->setText(nr1);
            dlg.LayerEditdlg->Nr2->setText(nr2);
            dlg.LayerEditdlg->OkBtn->click();
        });
    }

    ScriptedPlatform script;
    ScopedPlatform use{script};
    Document doc = DefaultDocument();
    TSimparamdlg dlg{doc};
};

TEST_F(SimparamDialog, TypedRowsSurviveScrollingByUserAndProgram)
{
    ASSERT_EQ(dlg.Rows[0].XSchichtNr->text(), "1");
    retype(edit(2, rcDicke), "7.5");
    // The program moves the table, then the user pages back.
    dlg.LayerScrollBar->setValue(10);
    EXPECT_EQ(dlg.Rows[0].XSchichtNr->text(), "10");
    EXPECT_EQ(edit(2, rcDicke)->text(), "");
    dlg.LayerScrollBar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(edit(2, rcDicke)->text(), "7.5");

    retype(edit(4, rcDicke), "0");
    retype(edit(4, rcEpsXR), "1");
    retype(edit(4, rcEpsXI), "0");
    retype(edit(3, rcDicke), "20");
    dlg.LayerScrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    dlg.OkBtn->click();
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(doc.Simparameter.Dicke[2], 7.5);
    EXPECT_EQ(doc.Simparameter.Dicke[3], 20.0);
    EXPECT_EQ(doc.Simparameter.Layeranz, 5);
}

TEST_F(SimparamDialog, RefusedOkShowsTheBoxAndKeepsEverything)
{
    retype(edit(0, rcDicke), "10");
    dlg.SimPageControl->setCurrentIndex(1);
    retype(dlg.nX_von, "70");
    retype(dlg.nX_bis, "10");
    const TSimparameter before = doc.Simparameter;
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error Simulation parameter");
    EXPECT_EQ(script.boxes[0].text, "thickness of 1. Layer must be zero");
    EXPECT_EQ(script.boxes[0].kind, veltrane::BoxKind::Error);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(doc.Simparameter, before);
    EXPECT_EQ(edit(0, rcDicke)->text(), "10");
    EXPECT_EQ(dlg.nX_von->text(), "70");

    dlg.SimPageControl->setCurrentIndex(2);
    retype(edit(0, rcDicke), "0");
    dlg.OkBtn->click();
    EXPECT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(doc.Simparameter.XAxis.von, 10.0);
    EXPECT_EQ(doc.Simparameter.XAxis.bis, 70.0);
}

// Mended: -5 nm was taken and computed into reflectivities far above 1,
// and so was a thickness scan reaching below 0. A document that holds one
// still shows it, to be mended.
TEST_F(SimparamDialog, ANegativeThicknessIsRefusedTypedOrScanned)
{
    dlg.hide();
    doc.Simparameter.Dicke[2] = -5.0;
    dlg.show();
    EXPECT_EQ(edit(2, rcDicke)->text(), "-5");
    retype(edit(2, rcDicke), "5");
    retype(edit(1, rcDicke), "-5");
    const TSimparameter before = doc.Simparameter;
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "Error Simulation parameter");
    EXPECT_EQ(script.boxes[0].text, "Layer thickness must be >=0: thickness value in Layer 2");
    EXPECT_TRUE(dlg.isVisible());

    retype(edit(1, rcDicke), "50");
    dlg.SimPageControl->setCurrentIndex(1);
    dlg.XAxisBox->setCurrentIndex(pkThickness - 1);
    retype(dlg.nXLayerNr, "2");
    retype(dlg.nX_von, "-10");
    retype(dlg.nX_bis, "50");
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].text, "Layer thickness must be >=0: X-Axis from value in Layer 2");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(doc.Simparameter, before);

    retype(dlg.nX_von, "0");
    dlg.OkBtn->click();
    EXPECT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(doc.Simparameter.XAxis.Typ, pkThickness - 1);
    EXPECT_EQ(doc.Simparameter.XAxis.von, 0.0);
    EXPECT_EQ(doc.Simparameter.Dicke[2], 5.0);
}

// Mended: a refusal left the dialog on the page it was on, often another
// than the field's. It shows the field's page now, the table scrolled to
// its layer, with the focus in the field and its text selected.
TEST_F(SimparamDialog, ARefusalShowsItsFieldWithTheFocusInIt)
{
    // A stack of ten layers, the ninth thinner than nothing, as a document
    // may hold it.
    dlg.hide();
    TSimparameter& p = doc.Simparameter;
    for (int k = 0; k < 10; ++k) {
        p.Dicke[k] = k == 0 || k == 9 ? 0.0 : 10.0;
        p.Eps[k].epsX = Complex(2.25, 0.0);
    }
    p.Dicke[8] = -1.0;
    dlg.show();
    struct Case {
        const char* message;
        int fromPage;
        std::function<void()> change;
        QWidget* field;
        int page;
        const char* layer;  // the layer of the field's row, for a table cell
    };
    const Case cases[] = {
        {"Layer thickness must be >=0: thickness value in Layer 9", 0, [] {}, edit(6, rcDicke), 2, "9"},
        // Layer 9 mended, the last one thick, the table back at the top.
        {"thickness of last Layer must be zero", 1,
         [this] {
             retype(edit(6, rcDicke), "10");
             dlg.LayerScrollBar->setValue(4);
             retype(edit(6, rcDicke), "5");
             dlg.LayerScrollBar->setValue(1);
         },
         edit(6, rcDicke), 2, "10"},
        {"Pktanz must be >=2", 2, [this] { retype(dlg.nXPktanz, "1"); }, dlg.nXPktanz, 1, nullptr},
        {"no wavelength", 1, [this] { dlg.nWellenlange->clear(); }, dlg.nWellenlange, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        c.change();
        dlg.SimPageControl->setCurrentIndex(c.fromPage);
        script.boxes.clear();
        dlg.OkBtn->click();
        ASSERT_EQ(script.boxTexts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.SimPageControl->currentIndex(), c.page);
        EXPECT_EQ(dlg.focusWidget(), c.field);
        auto* e = qobject_cast<QLineEdit*>(c.field);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->selectedText(), e->text());
        if (c.layer) {
            EXPECT_EQ(dlg.Rows[6].XSchichtNr->text().toStdString(), c.layer);
            EXPECT_EQ(dlg.LayerScrollBar->value(), dlg.Model().TopRow);
        }
    }
}

TEST_F(SimparamDialog, AZStepTypedWithAnExponentIsTheNumberTyped)
{
    dlg.SimPageControl->setCurrentIndex(1);
    dlg.ZAxisBox->setCurrentIndex(2);  // a thickness, of layer 2
    retype(dlg.nZ_von, "10");
    retype(dlg.nZ_bis, "20");
    // Half typed, the exponent has no value: refused as an empty step.
    retype(dlg.nZColstep, "1e");
    EXPECT_EQ(dlg.nZColstep->text(), "1e");
    dlg.OkBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, "no Z-Axis stepvalue");
    EXPECT_TRUE(dlg.isVisible());
    // The refused step has the focus, selected; the user goes on typing
    // at its end.
    EXPECT_EQ(dlg.focusWidget(), dlg.nZColstep);
    QTest::keyClick(dlg.nZColstep, Qt::Key_End);
    QTest::keyClicks(dlg.nZColstep, "-3");
    EXPECT_EQ(dlg.nZColstep->text(), "1e-3");
    dlg.OkBtn->click();
    EXPECT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(doc.Simparameter.ZAxis.Colstep, 0.001);
}

TEST_F(SimparamDialog, InputModeAndAnisoRowsChangeTheTable)
{
    EXPECT_EQ(dlg.Panel_Eps[0]->text(), "Eps-X");
    EXPECT_EQ(dlg.XAxisBox->itemText(2), "EpsX-real");
    dlg.XAxisBox->setCurrentIndex(2);
    dlg.EpsGroup->Button(1)->click();
    EXPECT_EQ(dlg.Panel_Eps[0]->text(), "X");
    EXPECT_EQ(dlg.Panel_EpsR[2]->text(), "n-ref");
    EXPECT_EQ(dlg.Panel_EpsI[1]->text(), "kapa");
    EXPECT_EQ(dlg.XAxisBox->itemText(2), "n-X");
    EXPECT_EQ(dlg.ZAxisBox->itemText(4), "kapa-X");
    EXPECT_EQ(dlg.XAxisBox->currentIndex(), 2);
    EXPECT_FALSE(dlg.XLayerLabel->isHidden());

    // Y and Z open only for anisotropic rows; layer 1 never takes a loss.
    EXPECT_FALSE(edit(1, rcEpsYR)->isEnabled());
    dlg.Rows[1].Aniso->click();
    for (int k = rcEpsYR; k <= rcEpsZI; ++k)
        EXPECT_TRUE(edit(1, k)->isEnabled()) << k;
    dlg.Rows[0].Aniso->click();
    EXPECT_TRUE(edit(0, rcEpsYR)->isEnabled());
    for (int k : {rcEpsXI, rcEpsYI, rcEpsZI})
        EXPECT_FALSE(edit(0, k)->isEnabled()) << k;
    dlg.LayerScrollBar->setValue(2);
    EXPECT_TRUE(edit(0, rcEpsYI)->isEnabled()) << "row 1 now shows layer 2, anisotropic, with its losses";
    EXPECT_FALSE(edit(1, rcEpsYR)->isEnabled()) << "layer 3 is isotropic";

    dlg.PolArtGroup->Button(paElliptic)->click();
    EXPECT_FALSE(dlg.AzimutGroup->isHidden());
    EXPECT_FALSE(dlg.EllipticGroup->isHidden());
    dlg.PolArtGroup->Button(paCircular)->click();
    EXPECT_TRUE(dlg.AzimutGroup->isHidden());
    EXPECT_FALSE(dlg.CircularGroup->isHidden());
}

TEST_F(SimparamDialog, LayerOperationsRunThroughTheLayerNumberDialog)
{
    EXPECT_FALSE(dlg.MoveBtn->isHidden());
    answerLayerEdit("2", "5");
    dlg.MoveBtn->click();
    EXPECT_EQ(edit(1, rcDicke)->text(), "5");
    EXPECT_EQ(edit(2, rcDicke)->text(), "0");
    EXPECT_EQ(edit(3, rcDicke)->text(), "50");
    EXPECT_EQ(dlg.Model().LayerNr1, 1);
    EXPECT_EQ(dlg.Model().LayerNr2, 4);

    // A refused number keeps the layer-number dialog open; Cancel then
    // leaves the table alone.
    QTimer::singleShot(0, &dlg, [this] {
        dlg.LayerEditdlg->Nr1->setText("2");
        dlg.LayerEditdlg->Nr2->setText("2");
        dlg.LayerEditdlg->OkBtn->click();
        EXPECT_TRUE(dlg.LayerEditdlg->isVisible());
        dlg.LayerEditdlg->CancelBtn->click();
    });
    dlg.ExchangeBtn->click();
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, "Layer-Nr1 and Layer-Nr2 do be the same");
    EXPECT_EQ(edit(1, rcDicke)->text(), "5");

    dlg.SimPageControl->setCurrentIndex(0);
    EXPECT_TRUE(dlg.MoveBtn->isHidden());
}

TEST_F(SimparamDialog, TriangularPrismHidesAndClearsPhi)
{
    dlg.reject();
    doc.Simparameter.Phiangle = 30.0;
    doc.Simparameter.Prismart = prTriangular;
    dlg.show();
    EXPECT_TRUE(dlg.PhiGroupBox->isHidden());
    EXPECT_EQ(dlg.nPhiangle->text(), "0");
    dlg.PrismartBox->setCurrentIndex(prCone);
    EXPECT_FALSE(dlg.PhiGroupBox->isHidden());
    EXPECT_FALSE(dlg.nPrismawinkel->isHidden());
}

// Pixels from the right edge of a to the left edge of b, both in b's parent.
int gapBetween(const QWidget* a, const QWidget* b)
{
    return b->x() - a->mapTo(b->parentWidget(), QPoint(a->width(), 0)).x();
}

TEST_F(SimparamDialog, TheLayerTableHoldsTogetherWhenTheDialogGrows)
{
    // Per row: number to aniso box, aniso box to first edit, last edit to
    // the scroll bar.
    auto gaps = [this] {
        std::vector<std::array<int, 3>> out;
        for (const TSimparamdlg::RowControls& r : dlg.Rows)
            out.push_back({gapBetween(r.XSchichtNr, r.Aniso), gapBetween(r.Aniso, r.Edits[rcDicke]),
                           gapBetween(r.Edits[rcEpsZI], dlg.LayerScrollBar)});
        return out;
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const std::vector<std::array<int, 3>> before = gaps();
    const int editWidth = edit(0, rcDicke)->width();
    for (const auto& g : before)
        for (int d : g)
            EXPECT_TRUE(d >= 0 && d < 30) << d;

    dlg.resize(dlg.size() * 1.6);
    QApplication::processEvents();
    EXPECT_EQ(gaps(), before);
    // The edits take the width; the rows stay in line.
    EXPECT_GT(edit(0, rcDicke)->width(), editWidth * 3 / 2);
    for (int j = 1; j < SimparLayerRows; ++j)
        EXPECT_EQ(dlg.Rows[std::size_t(j)].XSchichtNr->x(), dlg.Rows[0].XSchichtNr->x());
    EXPECT_EQ(dlg.Panel_Eps[2]->geometry().right(), edit(0, rcEpsZI)->geometry().right());
}

}  // namespace
