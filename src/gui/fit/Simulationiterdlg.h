#pragma once
// The window of the iterative simulation: the user picks a measured scan and
// the quantity to compare, marks up to ten layer parameters, sets the X fit
// range with two markers and runs the downhill-simplex search, which fits
// the marked parameters to the scan.
//
// Use: put the document's parameter record into Parameter(), exec(); on
// Accepted take Parameter() back into the document and recompute. The fit
// may change the chosen scan's scale factor in the document: Accept keeps
// it, any other close gives every scan its factor from before. The window
// cannot close while a search runs; Stop ends the search first.

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "document/Document.h"
#include "fitting/SimulationIter.h"
#include "gui/fit/plain/FitRun.h"
#include "gui/fit/plain/FitSlotGrid.h"
#include "platform/RunControl.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TLinePlot;
class TRangeBars;
class TRIEdit;

class TSimulationiterdlg : public QDialog, private veltrane::fit::FitRunView {
    Q_OBJECT
public:
    TSimulationiterdlg(Document& doc, veltrane::RunControl& run, QWidget* parent = nullptr);
    ~TSimulationiterdlg() override;

    // The dialog's own copy of the parameter record.
    TSimparameter& Parameter() { return fit_.Parameter(); }
    TSimulationiter& Fit() { return fit_.Search(); }
    // Opens the options dialog on its fit page; true when options changed.
    std::function<bool()> OpenOptions;

    // Controls, by their form names.
    std::array<QLabel*, veltrane::fit::GridRows> LayerNr{};
    std::array<QCheckBox*, veltrane::fit::GridRows * veltrane::fit::GridColumns> CheckBoxes{};
    std::array<QLabel*, 3> PartLabels{};  // Eps-X, Eps-Y, Eps-Z columns
    std::array<QLabel*, 6> RealImagLabels{};
    QScrollBar* LayerScrollBar;
    QLabel* LayerPosLabel;
    QCheckBox* CheckBox0;
    QComboBox* ScanfileBox;
    QComboBox* ScandataBox;
    QGroupBox* Iterartgroup;
    QRadioButton* XMinimumBtn;
    QRadioButton* FullSpectrumBtn;
    QGroupBox* RangeBox;
    TRIEdit* nleftlimit;
    TRIEdit* nrightlimit;
    QGroupBox* IterGroup;
    QLabel* nIternum;
    QLabel* nIterlim;
    QPushButton* StartBtn;
    QPushButton* StopBtn;
    QPushButton* OkBtn;
    QPushButton* CloseBtn;
    QPushButton* OptionBtn;
    QPushButton* HelpBtn;
    QPushButton* ZoomBtn;
    QPushButton* scalerangBtn;
    QPushButton* OverviewBtn;
    QPushButton* ShowallBtn;
    TLinePlot* Plot;
    TRangeBars* RangeBars;

    // The handlers, callable by tests as the controls call them.
    void FormShow();
    void LayerScrollBarScroll(int position);
    void ScanfileBoxClick();
    void ScandataBoxClick();
    void StartBtnClick();
    void StopBtnClick();
    void OkBtnClick();
    void CloseBtnClick();
    void OptionBtnClick();
    void HelpBtnClick();
    void ScrollBar_LScroll();
    void ScrollBar_RScroll();
    void ZoomBtnClick();
    void scalerangBtnClick();
    void OverviewBtnClick();
    void ShowallBtnClick();

    // The document index of the chosen scan; -1 when no scan can be fitted.
    int ChosenScan() const { return fit_.ChosenScan(); }
    const std::vector<int>& OfferedScans() const { return fit_.Offered(); }
    int FirstLayer() const { return firstLayer_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateForm();
    QWidget* CreateGrid();
    QWidget* CreateChoices();
    QWidget* CreateButtons();
    void FillGrid();
    void StoreMarks();
    void ChooseScan();
    void RebuildMarkers();
    void ShowLimits();
    void DrawScan();
    void DrawSimulation();
    void ShowScaleFactor();

    // What the run and the search ask of the window.
    void TakeChoices() override;
    void ShowRunning(bool running) override;
    void ShowIteration(const std::string& iternum, const std::string& divergence) override;
    void VertexShown() override;
    void ScanChanged() override;

    Document& doc_;
    veltrane::fit::FitRun fit_;
    int firstLayer_ = 1;
    std::vector<QWidget*> lockedWhileRunning_;
};
