#pragma once
// The main window of Veltrane. It owns the program's one document and its
// run control and hands them by reference to every window it opens; those
// windows end before them. Its commands delegate: the document commands,
// the drawing of curves and scans on the main plot and the command table
// live in files of their own.

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "document/Document.h"
#include "gui/main/plain/CommandEnabling.h"
#include "platform/qt/QtRunControl.h"

class QAction;
class QLabel;
class TAuswertungdlg;
class TDocumentFlow;
class TDocumentHost;
class TEwavedlgD;
class TEwavedlgT;
class TExportDatadlg;
class TLinePlot;
class TManualSimulationHost;
class TOpenScandlg;
class TOptiondlg;
class TOrvelAboutbox;
class TScanScaledlg;
class TScanShiftdlg;
class TShowPlotdlg;
class TSimparamdlg;
class TSimulationmandlg;
class TSimulationiterdlg;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    Document& Doc() { return doc_; }
    veltrane::RunControl& Run() { return run_; }
    TLinePlot& Plot() { return *Plot_; }

    // "Veltrane Version 3.02 [<file>]", also stored as the document's
    // Titletext.
    std::string MakeTitletext();

    // Document commands: the document flow does their work.
    void NewdocumentClick();
    void FileOpenItemClick();
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    void FileExitItemClick();
    // A new document: every part at its defaults, "untitled".
    void NewDocument();
    void RunSimulation();

    // The main plot.
    void Replot();
    void UpdatePlotData();
    void Normscale();
    void SetDefaultPlot();
    void WriteLayerSystem();
    void WriteMainComment();
    void PlotToRecord();
    void RecordToPlot();

    // Commands of this window; the others open their dialogs.
    void Parameter1Click();
    void Button1Click();
    void Show1Click();
    void Option1Click();
    void Zoom1Click();
    void Showall1Click();
    void Normscale1Click();
    void Refresh1Click();
    void Replot1Click();
    void Legende1Click();
    void TextBox1Click();
    void TextBox2Click();
    void Overview1Click();
    void Title1Click();
    void XAxis1Click();
    void Y1Axis1Click();
    void Y2Axis1Click();
    void ClipPlotClick();
    void ExportPlotClick();
    void PrintPlotClick();
    void PrinterSetup1Click();
    void Help2Click();
    void HelpAboutItemClick();

    // Scans, export and the parameter listing.
    void Load1Click();
    void Scale1Click();
    void Shift1Click();
    void ClipDataClick();
    void ExportDataClick();
    void ClipParameterClick();
    void ExportParameterClick();
    void PrintParameterClick();
    // The fit, the evaluation, the manual simulation and the field windows.
    void Simulationiter1Click();
    void Evaluation1Click();
    void Simulationman1Click();
    void AtTheta1Click();
    void AtLayerposition1Click();

    void UpdateCommands();
    // Every change of the document marks it; New, a clean load and a
    // successful save clear the mark.
    void SetModified();
    // The document commands and the document's flags.
    TDocumentFlow& DocumentFlow() { return *flow_; }

    // The options dialog, one for the program: the scan, manual and fit
    // dialogs open it on their page.
    TOptiondlg& Optiondlg() { return *Optiondlg_; }
    TSimparamdlg& Simparamdlg() { return *Simparamdlg_; }
    // The manual simulation, one for the program, and its host here: the
    // main plot refreshed in place, the document marked. The field windows
    // open it through the main window as well.
    TSimulationmandlg& Simulationmandlg() { return *Simulationmandlg_; }
    TManualSimulationHost& ManualHost() { return *manualHost_; }
    TSimulationiterdlg& Simulationiterdlg() { return *Simulationiterdlg_; }
    TAuswertungdlg& Auswertungdlg() { return *Auswertungdlg_; }
    // The two field windows, made on first use and kept with their state.
    TEwavedlgT& EwavedlgT();
    TEwavedlgD& EwavedlgD();

    // The action of a menu item or tool button by its object name.
    QAction* Command(const std::string& name) const;

    bool ScansPresent = false;
    TCurveSet ResCurves;
    TCurveSet ScanCurves;
    std::int32_t FirstResCol = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateDocumentFlow();
    void CreateCommands();
    void CreateScanDialogs();
    QAction* AddCommand(const char* name, const QString& caption, const QString& hint, void (TMainForm::*handler)());
    void AddButton(const char* name, const QString& text, const QString& hint, QAction* menuItem);
    void ApplyCommandStates(const TCommandStates& states);
    void AddScans(int& counter);
    void AddResultCurves(int kind, int& counter);
    bool ColumnLayoutMatches() const;
    void ShowStatus(const QString& text);

    Document doc_;
    std::unique_ptr<TDocumentHost> documentHost_;
    std::unique_ptr<TDocumentFlow> flow_;
    veltrane::QtRunControl run_;
    TLinePlot* Plot_ = nullptr;
    TOrvelAboutbox* Aboutbox_ = nullptr;
    TSimparamdlg* Simparamdlg_ = nullptr;
    TShowPlotdlg* Showdlg_ = nullptr;
    TOptiondlg* Optiondlg_ = nullptr;
    TSimulationmandlg* Simulationmandlg_ = nullptr;
    std::unique_ptr<TManualSimulationHost> manualHost_;
    TSimulationiterdlg* Simulationiterdlg_ = nullptr;
    TAuswertungdlg* Auswertungdlg_ = nullptr;
    TOpenScandlg* OpenScandlg_ = nullptr;
    TScanScaledlg* ScanScaledlg_ = nullptr;
    TScanShiftdlg* ScanShiftdlg_ = nullptr;
    TExportDatadlg* ExportDatadlg_ = nullptr;
    TEwavedlgT* EwavedlgT_ = nullptr;
    TEwavedlgD* EwavedlgD_ = nullptr;
    std::map<std::string, QAction*> commands_;
    bool shown_ = false;
};
