#pragma once
// The field window at one angle ("Veltrane E/H-Felder at Theta"): the
// depth profile of the chosen field components at Theta, with the
// reflectivity view on which Theta is picked. It computes 500 ms after it
// is shown and, after Theta was scrolled, after the delay of the options.
//
// Use: Doc and Run are the program's; show it with exec(). The window
// writes Theta and the point counts into the document's field options.

#include <QPointer>
#include <memory>

#include "fields/CalcEwave_T.h"
#include "gui/fields/EwaveWindow.h"

class QLabel;
class QScrollBar;
class TPaintBox;
class TTheta1Editdlg;
class TThetaview;

class TEwavedlgT : public TEwaveWindow {
    Q_OBJECT
public:
    TEwavedlgT(Document& doc, veltrane::RunControl& run, QWidget* parent = nullptr);
    ~TEwavedlgT() override;

    TPaintBox* ThetaBox;
    QLabel* Thetalabel;
    QScrollBar* Theta_ScrollBar;

    TThetaview& Thetaview() { return *view_; }
    TTheta1Editdlg& Theta1Editdlg();
    const TEWaveList& Samples() const { return EWaveList; }
    // The reflectivity curve the view shows.
    const TResColList& ThetaCurve() const { return ResColList; }
    bool HasCalculator() const { return calc_ != nullptr; }

    void InitThetaview();
    void SetCalcParameter();
    void Calculate();

    void CalcBtnClick();
    void ThetaBoxClick();
    void Theta_ScrollBarScroll(int position);

protected:
    void FormShow() override;
    void FormClose() override;
    void TimerTimer() override;
    void EnableControls(bool on) override;
    const TEWaveList& ExportList() const override { return EWaveList; }
    bool AngleMode() const override { return false; }
    bool ViewMoved() const override;
    void Recalculate() override { Calculate(); }
    // The whole depth of the profile, absolute or relative.
    veltrane::ViewRange PlannedSpan() const override;
    void AfterManualSimulation() override;
    // The layer boundaries, then the base's note.
    void PlotbildChange(TLinePlot& plot, TPlotCanvas& c) override;

private:
    // The view's curve over the window's angles, for the document's stack.
    void ComputeThetaCurve();

    TEWaveList EWaveList;
    TResColList ResColList;
    std::unique_ptr<TThetaview> view_;
    std::unique_ptr<TCalcEwave_T> calc_;
    QPointer<TTheta1Editdlg> theta1Editdlg_;
};
