#pragma once
// "Minimum Evaluation": the resonance minimum of every computed curve and of
// every loaded scan between two X limits, listed in two tables, plotted
// against the second variable parameter, shown on the curves, and written
// as a report for the printer, a file or the clipboard.
//
// Use: set the kinds and layer numbers of the document's scan (EpsMode,
// XKind, ZKind, XLayerNr, ZLayerNr), SetParameter with the document's
// evaluation settings, exec(), and GetParameter back into the document
// however the dialog was closed.

#include <QDialog>
#include <string>
#include <vector>

#include "document/Document.h"
#include "fitting/Auswertung.h"
#include "gui/fit/plain/AuswertungModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class TLinePlot;
class TPlotCanvas;
class TRangeBars;
class TRIEdit;
class TUpDown;

class TAuswertungdlg : public QDialog {
    Q_OBJECT
public:
    explicit TAuswertungdlg(Document& doc, QWidget* parent = nullptr);
    ~TAuswertungdlg() override;

    // The defaults of the evaluation settings of a new document.
    static void SetDefaultParameter(TAuswertungpara& a);
    void SetParameter(const TAuswertungpara& a);
    void GetParameter(TAuswertungpara& a) const;

    // The document's scan, handed over before showing.
    int EpsMode = emEps;
    int XKind = pkTheta;
    int ZKind = pkNone;
    int XLayerNr = 0;
    int ZLayerNr = 0;

    // Controls, by their form names.
    QMenuBar* MainMenu;
    QTabWidget* EvalPageControl;
    TLinePlot* MinPlot;
    TLinePlot* DataPlot;
    TRangeBars* RangeBars;
    QLabel* DataTitlePanel;
    QTableWidget* DataValueGrid;
    QLabel* ScanTitlePanel;
    QTableWidget* ScanValueGrid;
    QComboBox* DataBox;
    TRIEdit* nleft;
    TRIEdit* nright;
    TRIEdit* reg_width;
    TUpDown* UpDown1;
    QCheckBox* RegCheck;
    QCheckBox* DataCheck;
    QCheckBox* ScanCheck;
    QPushButton* EvalBtn;
    QPushButton* CloseBtn;
    QPushButton* HelpBtn;
    QPushButton* scalerangBtn;
    QPushButton* ShowallBtn;
    QPushButton* ZoomBtn;
    QPushButton* OverviewBtn;
    QStatusBar* StatusBar;

    // The handlers, callable by tests as the controls call them.
    void FormShow();
    void EvalBtnClick();
    void EvalPageControlChange();
    void RegCheckClick();
    void DataCheckClick();
    void ScanCheckClick();
    void ScrollBar_LScroll();
    void ScrollBar_RScroll();
    void ScanGrid1Click();
    void PrintPlotClick();
    void ExportPlotClick();
    void ClipPlotClick();
    void PrintDataClick();
    void ExportDataClick();
    void ClipDataClick();
    void scalerangBtnClick();
    void ShowallBtnClick();
    void ZoomBtnClick();
    void OverviewBtnClick();
    void HelpBtnClick();

    // The report as the hidden text holds it after the last WriteReport.
    const std::vector<std::string>& WriteReport(bool printing);
    const std::vector<TAuswrec>& SimulationResults() const { return simResults_; }
    const std::vector<TAuswrec>& ScanResults() const { return scanResults_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int r) override;
    bool event(QEvent* e) override;

private:
    void CreateForm();
    QWidget* CreateControls();
    void CreateMenu();
    veltrane::eval::Axes CurrentAxes() const;
    void LayoutGrids();
    void PlotData();
    void PlotMinima();
    void FillGrids();
    void AddRegressionColumns();
    void UpdateVisibility();
    void FitYRange();
    void PaintRegression(TPlotCanvas& c);
    TLinePlot* PagePlot() const;

    Document& doc_;
    std::vector<TAuswrec> simResults_;
    std::vector<TAuswrec> scanResults_;
    // The data plot's column of each scan record (-1: not drawn) and of
    // each simulation record.
    std::vector<int> scanCol_;
    std::vector<int> simCol_;
    std::vector<int> scanRegCol_;
    std::vector<int> simRegCol_;
    std::vector<std::string> report_;
};
