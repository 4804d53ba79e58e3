#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "plot/PlotAxisDlg.h"
#include "plot/PlotTitleDlg.h"
#include "plot_interaction_support.h"

namespace {

// Double-clicks at p and reports the caption of the modal dialog it opened
// ("" for none); `answer` closes that dialog.
QString doubleClickOpens(TLinePlot& plot, QPoint p, const std::function<void(QWidget*)>& answer)
{
    QString caption;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            caption = w->windowTitle();
            answer(w);
        }
    });
    QTest::mouseDClick(&plot, Qt::LeftButton, {}, p);
    QApplication::processEvents();
    return caption;
}

void cancel(QWidget* w) { static_cast<QDialog*>(w)->reject(); }

}  // namespace

TEST(PlotDoubleClick, XLabelRowOpensTheXAxisDialogAndTheHiddenY2ColumnNothing)
{
    ShownPlot s;
    s.move({300, 360});
    EXPECT_EQ(s.plot.Cursor(), TPlotCursor::Hand);
    EXPECT_EQ(doubleClickOpens(s.plot, {300, 360}, cancel), "X-Achsen-Dialog");
    EXPECT_EQ(doubleClickOpens(s.plot, {585, 200}, cancel), "");
    s.plot.SetisY2Axis(true);
    s.plot.Setrepaintcomp(false);
    s.plot.Setrepaintcomp(true);
    EXPECT_EQ(doubleClickOpens(s.plot, {585, 200}, cancel), "Y2-Achsen-Dialog");
    s.plot.XAxisdlg = false;
    EXPECT_EQ(doubleClickOpens(s.plot, {300, 360}, cancel), "");
}

TEST(PlotDoubleClick, TitleDialogSetsTheTitleAndTellsTheHost)
{
    ShownPlot s;
    s.plot.SetSprache(englisch);
    int titleChanges = 0;
    s.plot.OnUserChange = [&](TLinePlot&, TUserChange c) { titleChanges += c == TUserChange::Title; };
    const TRect box = s.plot.Layout().TitleBox;
    const QPoint p(box.Left + 5, box.Top + 5);
    auto rename = [](QWidget* w) {
        auto* dlg = static_cast<TPlotTitleDlg*>(w);
        EXPECT_EQ(dlg->TitelCancelBtn->text(), "&Cancel");
        dlg->strTitle->setText("Resonance");
        dlg->TitelOKBtn->click();
    };
    EXPECT_EQ(doubleClickOpens(s.plot, p, rename), "Plot-Title");
    EXPECT_EQ(s.plot.Title(), "Resonance");
    EXPECT_EQ(titleChanges, 1);
    // Cancel keeps the title and tells nothing.
    EXPECT_EQ(doubleClickOpens(s.plot, p, cancel), "Plot-Title");
    EXPECT_EQ(titleChanges, 1);
}

TEST(PlotDoubleClick, AxisDialogOkReportsTheAxisChangeWithOneCompose)
{
    ShownPlot s;
    int axisChanges = 0;
    s.plot.OnUserChange = [&](TLinePlot&, TUserChange c) { axisChanges += c == TUserChange::Axis; };
    auto setLimits = [](QWidget* w) {
        auto* dlg = static_cast<TPlotAxisDlg*>(w);
        dlg->strfrom->setText("20");
        dlg->strto->setText("40");
        dlg->OKBtn->click();
    };
    EXPECT_EQ(doubleClickOpens(s.plot, {30, 200}, setLimits), "Y-Achsen-Dialog");
    EXPECT_EQ(s.plot.Y1Axis().minValue(), 20);
    EXPECT_EQ(s.plot.Y1Axis().maxValue(), 40);
    EXPECT_EQ(axisChanges, 1);
    EXPECT_EQ(s.composes, 1);
}
