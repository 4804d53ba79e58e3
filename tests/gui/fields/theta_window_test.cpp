// The field window at one angle on the demo stack: its first run, its
// timer, its plot, its outputs, and what happens when it is stopped or
// closed while it computes.
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "FieldWindowFixture.h"
#include "controls/RIEdit.h"
#include "gui/fields/PaintBox.h"
#include "gui/fields/Thetaview.h"
#include "gui/fields/EHOptiondlg.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/fields/ThetaEditdlgs.h"
#include "plot/Lineplot.h"
#include "support/TempFolder.h"

namespace {

struct ThetaWindow : FieldWindowTest {
    void open()
    {
        window = std::make_unique<TEwavedlgT>(doc, run);
        frame = window->FitStatus1;
        window->show();
    }
    // The first run starts half a second after the window shows.
    void firstRun() { ASSERT_TRUE(WaitFor([this] { return !window->Samples().empty() && filled() > 0; })); }
    int filled() const
    {
        return int(std::count_if(window->Samples().begin(), window->Samples().end(),
                                 [](const TEWave& w) { return w.Filled != 0; }));
    }
    std::unique_ptr<TEwavedlgT> window;
};

TEST_F(ThetaWindow, FirstRunHalfASecondAfterShowingWithTheControlsDisabled)
{
    doc.EHOptionpara.Theta = Riedit::NADN;
    veltrane::stacks::thetaScan(doc.Simparameter, 10.0, 70.0, 201);
    open();
    EXPECT_EQ(window->windowTitle(), "Veltrane E/H-Felder at Theta");
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta, 30.0);
    EXPECT_TRUE(window->Timer->isActive());
    EXPECT_TRUE(window->Timer->isSingleShot());
    EXPECT_EQ(window->Timer->interval(), 500);
    for (QWidget* w : {static_cast<QWidget*>(window->CalcBtn), static_cast<QWidget*>(window->CloseBtn),
                       static_cast<QWidget*>(window->Theta_ScrollBar)})
        EXPECT_FALSE(w->isEnabled());
    bool disabledDuringRun = false;
    onPass = [&](int) { disabledDuringRun = !window->CalcBtn->isEnabled() && !window->OptionBtn->isEnabled(); };
    QTest::qWait(300);
    EXPECT_TRUE(labels.empty());
    firstRun();
    EXPECT_TRUE(disabledDuringRun);
    EXPECT_TRUE(window->CalcBtn->isEnabled());
    EXPECT_TRUE(window->CloseBtn->isEnabled());
    EXPECT_EQ(labels.front(), "Calculating Ewave at 30\xC2\xB0");
    // Pktanz rose to the 201 X points; a whole number per layer is used.
    EXPECT_EQ(doc.EHOptionpara.PktanzEff, 200);
    EXPECT_EQ(filled(), 200);
}

// |Hy|² of the surface plasmon peaks at the gold's far side, 50 nm down.
TEST_F(ThetaWindow, PlotOfTheDepthProfile)
{
    open();
    firstRun();
    TLinePlot& plot = *window->Plot;
    ASSERT_EQ(plot.GetColanz(), 4);
    EXPECT_EQ(plot.GetColTitle(0), "Ex |Field|\xC2\xB2");
    EXPECT_EQ(plot.GetColTitle(1), "Ex Phase[\xC2\xB0]");
    EXPECT_EQ(plot.GetColTitle(2), "Hy |Field|\xC2\xB2");
    EXPECT_FALSE(plot.GetYAxistyp(0));
    EXPECT_TRUE(plot.GetYAxistyp(1));
    EXPECT_TRUE(plot.GetYAxistyp(3));
    EXPECT_TRUE(plot.isY2Axis());
    EXPECT_EQ(plot.XAxis().Title(), "absolute Layer-System [nm]");
    EXPECT_EQ(plot.Legend().Title1(), "Part: |Field|\xC2\xB2-Phase[\xC2\xB0]");
    EXPECT_EQ(plot.TextBox1().Text2().Count(), 1);
    EXPECT_EQ(plot.TextBox1().Text2()[0], "Theta=52\xC2\xB0");
    EXPECT_EQ(plot.TextBox2().Title()[0], "demo stack");

    int peak = 0;
    for (int i = 1; i < plot.GetPktanz(2); ++i)
        if (plot.GetData(2, i).y > plot.GetData(2, peak).y)
            peak = i;
    EXPECT_NEAR(plot.GetData(2, peak).x, 50.0, 0.5);
    EXPECT_GT(plot.GetData(2, peak).y, 10.0 * plot.GetData(2, 0).y);

    // A boundary line at 0, 50 and 55 nm: the bitmap shows blue there.
    const QImage image = plot.Bitmap();
    const int y = (plot.GetPlotrec().Top + plot.GetPlotrec().Bottom) / 2;
    for (double depth : {0.0, 50.0, 55.0}) {
        const int x = plot.XAxis().Kor2Pkt(depth);
        EXPECT_EQ(image.pixelColor(x, y), QColor(0, 0, 255)) << depth;
    }
}

TEST_F(ThetaWindow, PartOrScaleChangeReplotsWithoutComputing)
{
    open();
    firstRun();
    const int passes = run.passes;
    auto options = [&](std::function<void(TEHOptiondlg&)> change) {
        QTimer::singleShot(0, [change] {
            auto* dlg = qobject_cast<TEHOptiondlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            change(*dlg);
            dlg->OkBtn->click();
        });
        window->OptionBtn->click();
    };
    options([](TEHOptiondlg& d) {
        d.FieldPartGroup->button(0)->click();
        d.XAxisGroup->button(1)->click();
    });
    EXPECT_EQ(run.passes, passes);
    EXPECT_EQ(window->Plot->GetColTitle(0), "Ex real");
    EXPECT_EQ(window->Plot->XAxis().Title(), "relative Layer-System [%]");
    EXPECT_EQ(window->Plot->Legend().Title1(), "Part: Real-Imag");
    EXPECT_DOUBLE_EQ(window->Plot->GetData(0, window->Plot->GetPktanz(0) - 1).x, 300.0);

    options([](TEHOptiondlg& d) { d.d_1HR->setText("40"); });
    EXPECT_GT(run.passes, passes);
    EXPECT_DOUBLE_EQ(window->Samples().front().Pos, -40.0);
}

// Scrolled without computing, then only the part changed: the window
// computes first, so that its layer box and its export belong to one angle.
TEST_F(ThetaWindow, OptionChangeAfterAnUncomputedScrollComputesFirst)
{
    open();
    firstRun();
    window->Theta_ScrollBar->setValue(window->Theta_ScrollBar->value() + 10);
    ASSERT_FALSE(window->Timer->isActive());
    labels.clear();
    onModal<TEHOptiondlg>([](TEHOptiondlg& d) {
        d.FieldPartGroup->button(0)->click();
        d.OkBtn->click();
    });
    window->OptionBtn->click();
    EXPECT_EQ(labels, std::vector<std::string>{"Calculating Ewave at 53\xC2\xB0"});
    EXPECT_EQ(window->Plot->TextBox1().Text2()[0], "Theta=53\xC2\xB0");
    expectExportAsAfterCalc(*window);
}

// The scroll bar reaches the X range, 45 to 65 degrees: a typed angle
// beyond it is refused and the dialog stays open.
TEST_F(ThetaWindow, TypedThetaOutsideTheScrollRangeIsRefused)
{
    open();
    firstRun();
    const int passes = run.passes;
    onModal<TTheta1Editdlg>([this, passes](TTheta1Editdlg& d) {
        d.nTheta->setText("200");
        d.OkBtn->click();
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].caption, "Error");
        EXPECT_EQ(script.boxes[0].text, "wrong Theta :200\xC2\xB0 (45\xC2\xB0-65\xC2\xB0)");
        EXPECT_EQ(run.passes, passes);
        d.nTheta->setText("65");
        d.OkBtn->click();
    });
    window->ThetaBoxClick();
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta, 65.0);
    EXPECT_EQ(window->Plot->TextBox1().Text2()[0], "Theta=65\xC2\xB0");
}

// Scrolled to 53°, closed, the X range made 55 to 65, opened again: the
// window computes, names, marks and exports 55°, where its scroll bar is.
TEST_F(ThetaWindow, AngleOfTheLastShowingIsBroughtIntoAShrunkRange)
{
    open();
    firstRun();
    window->Theta_ScrollBar->setValue(window->Theta_ScrollBar->value() + 10);
    window->CalcBtn->click();
    ASSERT_DOUBLE_EQ(doc.EHOptionpara.Theta, 53.0);
    window->reject();
    veltrane::stacks::thetaScan(doc.Simparameter, 55.0, 65.0, 201);
    labels.clear();
    window->show();
    ASSERT_TRUE(WaitFor([this] { return !labels.empty() && !window->Computing(); }));
    EXPECT_EQ(labels, std::vector<std::string>{"Calculating Ewave at 55\xC2\xB0"});
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta, 55.0);
    EXPECT_EQ(window->Thetalabel->text().toStdString(), "Theta: 55\xC2\xB0");
    EXPECT_EQ(window->Theta_ScrollBar->value(), 0);
    EXPECT_EQ(window->Plot->TextBox1().Text2()[0], "Theta=55\xC2\xB0");
    // The green marker stands over the Rp view's whole height.
    const QImage view = window->ThetaBox->grab().toImage();
    const veltrane::ViewScale scale = window->Thetaview().Scale(view.width(), view.height());
    int green = 0;
    for (int y = scale.top; y < scale.top + scale.height; ++y)
        green += view.pixelColor(scale.Px(55.0), y) == QColor(0, 128, 0);
    EXPECT_GT(green, scale.height / 2);
    expectExportAsAfterCalc(*window);
}

TEST_F(ThetaWindow, ScrollingRestartsTheOneShotTimer)
{
    doc.EHOptionpara.Timer = 2;
    open();
    firstRun();
    EXPECT_FALSE(window->Timer->isActive());
    window->Theta_ScrollBar->setValue(window->Theta_ScrollBar->value() + 10);
    EXPECT_TRUE(window->Timer->isActive());
    EXPECT_EQ(window->Timer->interval(), 1000);
    EXPECT_DOUBLE_EQ(window->Thetaview().GetTheta1(), 53.0);
    QTest::qWait(600);
    window->Theta_ScrollBar->setValue(window->Theta_ScrollBar->value() + 10);
    EXPECT_GT(window->Timer->remainingTime(), 900);
    labels.clear();
    ASSERT_TRUE(WaitFor([this] { return !labels.empty(); }));
    EXPECT_EQ(labels.front(), "Calculating Ewave at 54\xC2\xB0");
}

// "Off" computes only when Calc is pressed; a timer of 0 ms would fire at once.
TEST_F(ThetaWindow, TimerOffNeverFires)
{
    open();
    firstRun();
    window->Theta_ScrollBar->setValue(window->Theta_ScrollBar->value() + 5);
    EXPECT_FALSE(window->Timer->isActive());
    labels.clear();
    QTest::qWait(100);
    EXPECT_TRUE(labels.empty());
    window->CalcBtn->click();
    EXPECT_EQ(labels.front(), "Calculating Ewave at 52.5\xC2\xB0");
}

// A timer armed by scrolling must not fire inside a run that a typed
// Theta starts.
TEST_F(ThetaWindow, RunStopsAnArmedTimer)
{
    doc.EHOptionpara.Timer = 1;
    open();
    firstRun();
    window->Theta_ScrollBar->setValue(window->Theta_ScrollBar->value() + 5);
    ASSERT_TRUE(window->Timer->isActive());
    bool armed = true;
    onPass = [&](int) { armed = armed && window->Timer->isActive(); };
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TTheta1Editdlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->nTheta->setText("53");
        dlg->OkBtn->click();
    });
    window->ThetaBoxClick();
    EXPECT_FALSE(armed);
    EXPECT_FALSE(window->Timer->isActive());
    EXPECT_DOUBLE_EQ(doc.EHOptionpara.Theta, 53.0);
}

TEST_F(ThetaWindow, ProgressFrameAndItsStop)
{
    open();
    int stopAt = 0;
    bool secondRefused = false, shown = false;
    std::string percent;
    onPass = [&](int pass) {
        if (pass == 50) {
            shown = frame->isVisible();
            percent = frame->PosLabel->text().toStdString();
            secondRefused = !run.Begin();
            frame->SpeedButton1->click();
            stopAt = pass;
        }
    };
    firstRun();
    EXPECT_TRUE(shown);
    EXPECT_EQ(percent, "25%");
    EXPECT_TRUE(secondRefused);
    EXPECT_EQ(filled(), 50);
    EXPECT_EQ(script.beeps, 1);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(run.Active());
    EXPECT_TRUE(window->CalcBtn->isEnabled());
}

// Closing during a run stops it; the window closes when the loop has
// returned, and only then does its calculator go.
TEST_F(ThetaWindow, ClosingDuringARunWaitsForIt)
{
    open();
    bool keptDuringRun = false;
    onPass = [&](int pass) {
        if (pass == 20) {
            window->reject();
            keptDuringRun = window->isVisible() && window->HasCalculator();
        }
    };
    firstRun();
    EXPECT_TRUE(keptDuringRun);
    EXPECT_EQ(filled(), 20);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->HasCalculator());
    EXPECT_FALSE(run.Active());
}

TEST_F(ThetaWindow, DataToFileAndClipboard)
{
    open();
    firstRun();
    testdoc::TempFolder folder;
    const std::filesystem::path& dir = folder.dir();
    script.saveAnswers.push_back((dir / "fields.dat").string());
    window->Data2FileBtn->trigger();
    EXPECT_EQ(script.saveRequests.back().title, "Save selected fields to file");
    EXPECT_EQ(script.saveRequests.back().filter, "Data (*.dat)|*.dat");
    EXPECT_EQ(script.boxTexts(), std::vector<std::string>{"Data saved to file"});
    std::ifstream in(dir / "fields.dat");
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header.rfind("x_abs_[nm]", 0), 0u);

    // A file that cannot be written is an error, not a success.
    script.saveAnswers.push_back((dir / "missing" / "fields.dat").string());
    window->Data2FileBtn->trigger();
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].caption, "I/O Error");
    EXPECT_NE(script.boxes[1].text, "Data saved to file");

    window->Data2ClipboardBtn->trigger();
    EXPECT_EQ(script.boxes.back().text, "Data exported to clipboard");
    EXPECT_EQ(std::count(script.clipboardText.begin(), script.clipboardText.end(), '\n'), 201);
}

}  // namespace
