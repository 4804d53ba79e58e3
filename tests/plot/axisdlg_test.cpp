// The axis dialog: captions, limit checks and writing back to the plot's axis.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "plot/plain/Axis.h"
#include "plot/Lineplot.h"
#include "plot/PlotAxisDlg.h"
#include "platform/ScriptedPlatform.h"

using veltrane::AxisDialogFields;
using veltrane::ScopedPlatform;
using veltrane::ScriptedPlatform;

namespace {

TEST(AxisDialog, CaptionsFollowTitleNumberAndLanguage)
{
    struct Case { int title; TSprachart lang; const char* caption; };
    const Case cases[] = {
        {1, englisch, "X-Axis-Dialog"},   {2, englisch, "Y-Axis-Dialog"},   {3, englisch, "Y1-Axis-Dialog"},
        {4, englisch, "Y2-Axis-Dialog"},  {1, deutsch, "X-Achsen-Dialog"},  {2, deutsch, "Y-Achsen-Dialog"},
        {3, deutsch, "Y1-Achsen-Dialog"}, {4, deutsch, "Y2-Achsen-Dialog"}, {7, deutsch, "Y2-Achsen-Dialog"},
        {0, englisch, "Y2-Achsen-Dialog"},
    };
    TPlotAxisDlg dlg;
    for (const auto& c : cases) {
        dlg.DialogTitle = c.title;
        dlg.Sprache = c.lang;
        dlg.FormShow();
        EXPECT_EQ(dlg.windowTitle(), c.caption) << c.title;
    }
    dlg.Sprache = deutsch;
    dlg.FormatBox->setCurrentIndex(2);
    dlg.FormShow();
    EXPECT_EQ(dlg.Lfrom->text(), "von:");
    EXPECT_EQ(dlg.GitterCheck->text(), "Gitter-Linie");
    EXPECT_EQ(dlg.CancelBtn->text(), "&Abbruch");
    EXPECT_EQ(dlg.OKBtn->text(), "&OK");
    EXPECT_EQ(dlg.FormatBox->itemText(1), QString::fromUtf8("Fließkomma"));
    EXPECT_EQ(dlg.FormatBox->currentIndex(), 2);
    dlg.Sprache = englisch;
    dlg.FormShow();
    EXPECT_EQ(dlg.FormatBox->currentIndex(), 2);
    EXPECT_EQ(dlg.FormatBox->currentText(), "exponentical");
    EXPECT_EQ(dlg.LTitle->text(), "title:");
    EXPECT_EQ(dlg.ZeroCheck->text(), "zero-line");
}

TEST(AxisDialog, FieldsComeFromTheTickRangeAndGoBackAsLimits)
{
    for (char sep : {'.', ','}) {
        TXAxis axis;
        axis.SetminValue(3);
        axis.SetmaxValue(97);
        axis.SetFirstRealvalue(400);
        axis.SetTitle("Theta");
        axis.SetZeroline(true);
        AxisDialogFields f = veltrane::axisDialogFields(axis, sep);
        EXPECT_EQ(f.from, "0");
        EXPECT_EQ(f.to, "100");
        EXPECT_EQ(f.title, "Theta");
        EXPECT_TRUE(f.zero);
        EXPECT_TRUE(f.grid);
        EXPECT_EQ(veltrane::checkAxisDialogFields(f, sep), "");
        veltrane::applyAxisDialogFields(f, sep, axis);
        EXPECT_EQ(axis.minValue(), 0.0);
        EXPECT_EQ(axis.maxValue(), 100.0);

        struct Case { std::string from, to; bool ok; };
        const std::string half = std::string("0") + sep + "5";
        for (const auto& c : {Case{half, "1E-5", true}, Case{"abc", "1", false}, Case{"1", "", false},
                              Case{"1 000", "2", false}, Case{"inf", "1", false}, Case{"-2", "+3e2", true}}) {
            f.from = c.from;
            f.to = c.to;
            EXPECT_EQ(veltrane::checkAxisDialogFields(f, sep), c.ok ? "" : "wrong Value") << c.from << " " << c.to;
        }
    }
}

class AxisDialogWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { script.separator = ','; }
    ScriptedPlatform script;
    ScopedPlatform use{script};
};

TEST_F(AxisDialogWidgetTest, LimitEditsTakeOnlyNumberCharacters)
{
    TPlotAxisDlg dlg;
    QTest::keyClicks(dlg.strfrom, "1a.5x,E-3 ");
    EXPECT_EQ(dlg.strfrom->text(), "1,5,E-3");
    QTest::keyClick(dlg.strfrom, Qt::Key_Backspace);
    EXPECT_EQ(dlg.strfrom->text(), "1,5,E-");
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("\u00e92."));  // a dead key and 'e', then more
    QApplication::sendEvent(dlg.strfrom, &composed);
    EXPECT_EQ(dlg.strfrom->text(), "1,5,E-2,");
    QTest::keyClicks(dlg.strTitle, "a.b");
    EXPECT_EQ(dlg.strTitle->text(), "a.b");
}

TEST_F(AxisDialogWidgetTest, WrongLimitKeepsTheFocusAndTheDialog)
{
    TPlotAxisDlg dlg;
    dlg.SetFields(AxisDialogFields{"abc", "10", "t", 0, false, false, true});
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.strfrom->setFocus();
    QTest::keyClick(dlg.strfrom, Qt::Key_Tab);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, "wrong Value");
    EXPECT_EQ(script.boxes[0].kind, veltrane::BoxKind::Error);
    EXPECT_EQ(QApplication::focusWidget(), dlg.strfrom);

    // OK from the keyboard with the wrong text still in place.
    QTest::keyClick(dlg.strfrom, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(script.boxes.size(), 2u);

    // An upper limit that was never left is checked as well.
    dlg.strfrom->setText("1");
    dlg.strto->setText("2,,");
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(script.boxes.size(), 3u);
    EXPECT_EQ(QApplication::focusWidget(), dlg.strto);

    dlg.CancelBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(AxisDialogWidgetTest, PlotAxisIsWrittenOnOkWithOneRepaint)
{
    TLinePlot plot;
    plot.resize(500, 400);
    plot.SetisY2Axis(true);
    plot.SetSprache(englisch);
    plot.show();
    QApplication::processEvents();
    TAxis& axis = plot.Y1Axis();
    axis.SetminValue(3);
    axis.SetmaxValue(97);
    axis.SetFirstRealvalue(300);
    int composed = 0;
    plot.OnPlotbildChange = [&](TLinePlot&, TPlotCanvas&) { ++composed; };
    QApplication::processEvents();
    composed = 0;

    TPlotAxisDlg dlg;
    QString caption;
    AxisDialogFields shown;
    QTimer::singleShot(0, [&] {
        caption = dlg.windowTitle();
        shown = dlg.Fields();
        dlg.strfrom->setText("-5");
        dlg.strto->setText("5,5");
        dlg.strTitle->setText("Rp");
        dlg.FormatBox->setCurrentIndex(3);
        dlg.logCheck->setChecked(true);
        dlg.ZeroCheck->setChecked(true);
        dlg.GitterCheck->setChecked(false);
        dlg.OKBtn->click();
    });
    ASSERT_TRUE(ShowAxisDialog(dlg, plot, axis));
    EXPECT_EQ(caption, "Y1-Axis-Dialog");
    EXPECT_EQ(shown.from, "0");
    EXPECT_EQ(shown.to, "100");
    EXPECT_EQ(composed, 1);
    QApplication::processEvents();
    EXPECT_EQ(composed, 1);
    EXPECT_EQ(axis.minValue(), -5.0);
    EXPECT_EQ(axis.maxValue(), 5.5);
    EXPECT_EQ(axis.Title(), "Rp");
    EXPECT_EQ(axis.ZahlenFormat(), zfTechnik);
    EXPECT_TRUE(axis.logscale());
    EXPECT_TRUE(axis.Zeroline());
    EXPECT_FALSE(axis.Gitter());
    EXPECT_TRUE(plot.repaintcomp());

    // Cancel changes nothing.
    const TY1Axis before = plot.Y1Axis();
    const TY2Axis before2 = plot.Y2Axis();
    QTimer::singleShot(0, [&] {
        caption = dlg.windowTitle();
        dlg.strfrom->setText("7");
        dlg.strTitle->setText("changed");
        dlg.CancelBtn->click();
    });
    EXPECT_FALSE(ShowAxisDialog(dlg, plot, plot.Y2Axis()));
    EXPECT_EQ(caption, "Y2-Axis-Dialog");
    EXPECT_EQ(axis.Title(), before.Title());
    EXPECT_EQ(axis.minValue(), before.minValue());
    EXPECT_EQ(plot.Y2Axis().Title(), before2.Title());
    EXPECT_EQ(plot.Y2Axis().minValue(), before2.minValue());
    EXPECT_EQ(composed, 1);
}

}  // namespace

namespace {

TEST_F(AxisDialogWidgetTest, UnpaintedPlotShowsTheTickRangeOfItsLimits)
{
    TLinePlot plot;
    plot.resize(500, 400);
    plot.XAxis().SetminValue(3);
    plot.XAxis().SetmaxValue(97);
    TPlotAxisDlg dlg;
    AxisDialogFields shown;
    QTimer::singleShot(0, [&] {
        shown = dlg.Fields();
        dlg.CancelBtn->click();
    });
    EXPECT_FALSE(ShowAxisDialog(dlg, plot, plot.XAxis()));
    EXPECT_EQ(shown.from, "0");
    EXPECT_EQ(shown.to, "100");
}

}  // namespace
