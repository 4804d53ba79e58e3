// The manual simulation opened from the main window: a step recomputes the
// document's curves, refreshes the main plot in place and marks the
// document; the layer table on the plot follows the new value. The field
// windows open it through the main window.
#include <QPushButton>
#include <QTest>

#include "MainFormFixture.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/simulation/ManualGrid.h"
#include "gui/simulation/Simulationmandlg.h"

TEST_F(MainWindowTest, ManualStepRefreshesTheMainPlotInPlace)
{
    simulateDemo();
    form.DocumentFlow().Modified = false;
    TLinePlot& plot = form.Plot();
    const int points = plot.GetPktanz(0);
    const int mid = points / 2;
    const double before = plot.GetData(0, mid).y;
    plot.XAxis().SetminValue(50.0);  // the user's zoom survives a step

    bool sawModal = false;
    onModal([&](QWidget* w) {
        sawModal = w == &form.Simulationmandlg();
        TSimulationmandlg& dlg = form.Simulationmandlg();
        QTest::keyClick(dlg.LayerGrid1, Qt::Key_Insert);  // +100 steps of 0.1 nm on layer 2
        EXPECT_TRUE(form.DocumentFlow().Modified);
        EXPECT_NE(form.Plot().GetData(0, mid).y, before);
        dlg.CloseBtn->click();
    });
    trigger("Simulationman1");
    EXPECT_TRUE(sawModal);
    EXPECT_DOUBLE_EQ(form.Doc().Simparameter.Dicke[1], 60.0);
    ASSERT_EQ(plot.GetColanz(), 1);
    EXPECT_EQ(plot.GetPktanz(0), points);
    EXPECT_EQ(plot.GetData(0, mid).y, form.Doc().ResColList[0].Points[std::size_t(mid)].Rp);
    EXPECT_EQ(plot.XAxis().minValue(), 50.0);
    EXPECT_EQ(plot.TextBox1().Text1()[3], "2   |60        |-12.1     |1.3       ");
}

TEST_F(MainWindowTest, FieldWindowOpensTheManualSimulationThroughTheMainWindow)
{
    simulateDemo();
    bool flagged = false;
    double plotted = 0.0;
    onModal([&](QWidget*) {
        QTest::qWait(800);  // the field window's first run
        TEwavedlgT& window = form.EwavedlgT();
        onModal([&](QWidget* w) {
            TSimulationmandlg& dlg = form.Simulationmandlg();
            flagged = w == &dlg && dlg.FromEwaveT && !dlg.FromEwaveD;
            QTest::keyClick(dlg.LayerGrid1, Qt::Key_PageUp);
            dlg.CloseBtn->click();
        });
        window.mansimBtn->click();
        plotted = form.Plot().GetData(0, 10).y;
        window.CloseBtn->click();
    });
    trigger("AtTheta1");
    EXPECT_TRUE(flagged);
    EXPECT_DOUBLE_EQ(form.Doc().Simparameter.Dicke[1], 50.1);
    EXPECT_EQ(plotted, form.Doc().ResColList[0].Points[10].Rp);
    EXPECT_FALSE(form.Simulationmandlg().isVisible());
}
