#pragma once
// What the two field windows share: the field plot with its tool bar of
// outputs, the side panel's buttons, the progress frame, the one-shot timer
// of the automatic calculation, the options, and the rule that a
// computation ends before anything it uses goes away.
//
// Both windows are shown modally (exec). A computation runs in the window's
// event passes; its stages, its stop, a close asked for meanwhile and the
// timer's queued work are kept by the window's FieldRunState, and the
// window disables its controls and stops its timer while it runs.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "document/Document.h"
#include "fields/Ausgabe.h"
#include "gui/fields/plain/FieldRunState.h"
#include "gui/fields/plain/ViewScale.h"
#include "platform/RunControl.h"

class QAction;
class QPushButton;
class QTimer;
class QToolBar;
class QVBoxLayout;
class TEHOptiondlg;
class TFitStatus;
class TLinePlot;
class TPlotCanvas;

class TEwaveWindow : public QDialog {
    Q_OBJECT
public:
    TEwaveWindow(Document& doc, veltrane::RunControl& run, QWidget* parent);
    ~TEwaveWindow() override;

    // Opens the manual simulation over this window; the host supplies it.
    std::function<void()> OnManualSimulation;

    bool Computing() const { return runState_.Busy(); }
    const veltrane::FieldRunState& RunState() const { return runState_; }
    TEHOptiondlg& EHOptiondlg();

    QToolBar* ToolBar;
    QAction* Data2FileBtn;
    QAction* Data2ClipboardBtn;
    QAction* PrintPlotBtn;
    QAction* ShowallBtn;
    QAction* OverviewBtn;
    QAction* ZoomBtn;
    QAction* Plot2ClipboardBtn;
    QAction* Plot2FileBtn;
    QAction* ShowLegendBtn;
    QAction* ShowKommentBtn;
    QAction* ShowLayerBtn;
    QPushButton* CalcBtn;
    QPushButton* OptionBtn;
    QPushButton* mansimBtn;
    QPushButton* HelpBtn;
    QPushButton* CloseBtn;
    TFitStatus* FitStatus1;
    TLinePlot* Plot;
    QTimer* Timer;

    void Data2FileBtnClick();
    void Data2ClipboardBtnClick();
    void PrintPlotBtnClick();
    void Plot2FileBtnClick();
    void OptionBtnClick();
    void mansimBtnClick();
    void FitStatus1SpeedButton1Click();

    // The field columns of the samples, the axis and legend titles and the
    // text boxes. When none of the chosen components exists for the light
    // the plot says so over axes of these samples; without samples (a
    // stack refused) it stays empty.
    void PlotData();
    // What the plot says in place of curves; empty while it draws some.
    const std::vector<std::string>& NoFieldNote() const;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

    virtual void FormShow() = 0;
    virtual void FormClose() = 0;
    virtual void TimerTimer() = 0;
    virtual void EnableControls(bool on);
    // The samples the export writes, and whether they run over angles.
    virtual const TEWaveList& ExportList() const = 0;
    virtual bool AngleMode() const = 0;
    // The text boxes of the plot, named after what the samples were
    // computed for.
    void WriteBoxes();
    // The options dialog closed with OK; recalc when the fields must be
    // computed again. A view moved since the last computation computes
    // too: the plot would name the new angle or place over the old samples.
    void OptionsTaken(bool recalc);
    // The view's angle, limits or place differ from those of the samples.
    virtual bool ViewMoved() const = 0;
    // Everything computed again, as after a change of the point count.
    virtual void Recalculate() = 0;
    // Draws over each new plot picture, under its boxes; nothing here.
    virtual void PlotbildChange(TLinePlot& plot, TPlotCanvas& c);
    // No curves, over axes of the run to come and with its text boxes: the
    // plot keeps its last picture until it is given new limits, and the
    // picture of an earlier showing belongs to other samples.
    void ShowEmptyPlot();
    // Where the samples of the next run will lie on the x axis.
    virtual veltrane::ViewRange PlannedSpan() const = 0;
    virtual void AfterManualSimulation() = 0;

    veltrane::FieldRunState::Stage OpenStage() { return runState_.Open(); }
    veltrane::FieldRunState::Stage NextStage() { return runState_.Next(); }
    // Queues what the timer is to do and starts it with the delay of the
    // options' index (index 0 leaves it stopped: only Calc computes);
    // false, doing nothing, during a run.
    bool QueueTimer(TTimerAction action, int timerIndex);
    TTimerAction TakeTimerAction() { return runState_.Take(); }

    // The side panel left of the plot, filled by each window above its
    // buttons and the progress frame.
    QVBoxLayout* SidePanel;

    Document& doc_;
    veltrane::RunControl& run_;
    TAusgabe Ausgabe;
    // The options the shown samples were computed with.
    TEHOptionpara Computed;

private:
    void BuildToolBar();
    // The x title of a depth profile, by the options' scale.
    void SetDepthTitle();
    // A chosen component exists for the light and a sample holds its
    // values: else an export would hold nothing but the x column.
    bool HasFieldData() const;
    veltrane::FieldRunState runState_;
    TEHOptiondlg* options_ = nullptr;
};
