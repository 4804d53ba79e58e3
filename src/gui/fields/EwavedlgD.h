#pragma once
// The field window at one layer position ("Veltrane E/H-Felder at
// Layerposition"): the chosen field components at one depth against Theta
// between two limits, with the reflectivity view that sets the limits and
// the layer view that shows the depth profiles at both limits (EH1, EH2)
// and sets the place. Scrolling queues a recalculation that runs after the
// delay of the options; moving one limit recomputes only its profile.
//
// Use: Doc and Run are the program's; show it with exec(). The window
// writes the limits, the place and the point counts into the document's
// field options.

#include <QPointer>
#include <memory>

#include "fields/CalcEwave_D.h"
#include "gui/fields/EwaveWindow.h"

class QLabel;
class QScrollBar;
class TEHview;
class TEnableRadioGroup;
class TLayerposEditdlg;
class TPaintBox;
class TTheta2Editdlg;
class TThetaview;

class TEwavedlgD : public TEwaveWindow {
    Q_OBJECT
public:
    TEwavedlgD(Document& doc, veltrane::RunControl& run, QWidget* parent = nullptr);
    ~TEwavedlgD() override;

    TPaintBox* ThetaBox;
    QLabel* Thetalabel;
    QScrollBar* Theta_ScrollBar1;
    QScrollBar* Theta_ScrollBar2;
    TPaintBox* LayerBox;
    QLabel* Layerlabel;
    QScrollBar* Layer_ScrollBar;
    TEnableRadioGroup* FieldGroupP;
    TEnableRadioGroup* FieldGroupS;

    TThetaview& Thetaview() { return *thetaview_; }
    TEHview& EHview() { return *ehview_; }
    TTheta2Editdlg& Theta2Editdlg();
    TLayerposEditdlg& LayerposEditdlg();
    const TEWaveList& Samples() const { return EWaveList; }
    const TEWaveList& ProfileEH1() const { return EH1List; }
    const TEWaveList& ProfileEH2() const { return EH2List; }

    void InitViews();
    void SetCalcParameter();
    // False, queueing nothing, during a run.
    bool SetTimerAction(TTimerAction action, double factor);
    // Recomputes the profiles whose angle moved (both when forced), then
    // the angle scan; a place the stack does not hold stops it first.
    void CalculateAll(bool forced);
    void Calculate();

    void CalcBtnClick();
    void ThetaBoxClick();
    void LayerBoxClick();
    void FieldGroupPClick();
    void FieldGroupSClick();
    void Theta_ScrollBar1Scroll(int position);
    void Theta_ScrollBar2Scroll(int position);
    void Layer_ScrollBarScroll(int position);

protected:
    void FormShow() override;
    void FormClose() override;
    void TimerTimer() override;
    void EnableControls(bool on) override;
    const TEWaveList& ExportList() const override { return EWaveList; }
    bool AngleMode() const override { return true; }
    bool ViewMoved() const override;
    void Recalculate() override { CalculateAll(true); }
    // The angle limits of the view.
    veltrane::ViewRange PlannedSpan() const override;
    void AfterManualSimulation() override;

private:
    void BuildViews();
    void SetFieldGroups();
    void ComputeThetaCurve();
    // One depth profile at the lower or upper limit, by a calculator of
    // its own.
    void CalcProfile(bool upper);
    void RunScan();

    TEWaveList EWaveList, EH1List, EH2List;
    TResColList ResColList;
    std::unique_ptr<TThetaview> thetaview_;
    std::unique_ptr<TEHview> ehview_;
    std::unique_ptr<TCalcEwave_D> calc_;
    QPointer<TTheta2Editdlg> theta2Editdlg_;
    QPointer<TLayerposEditdlg> layerposEditdlg_;
};
