// The document side of the main window: the document commands delegate to
// the document flow, which this window hosts, and the simulation run over
// the whole document.
#include <QStatusBar>
#include <memory>

#include "document/Defaults.h"
#include "gui/main/plain/DocumentFlow.h"
#include "gui/main/MainForm.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/Simparamdlg.h"
#include "optics/CalcPlasmon.h"
#include "optics/ResColList.h"
#include "platform/qt/PlainText.h"

namespace {

// The main window as host of the document commands.
class TMainDocumentHost final : public TDocumentHost {
public:
    explicit TMainDocumentHost(TMainForm& form) : form_(form) {}

    void SetDefaults() override
    {
        Document& doc = form_.Doc();
        TSimparamdlg::SetDefaultParameter(doc.Simparameter);
        form_.Simparamdlg().ResetDialog();
        TOptiondlg::SetDefaultOptions(doc.Optionpara);
        SetDefaultParameter(doc.Auswertungpara);
        form_.SetDefaultPlot();
        form_.ScansPresent = false;
        form_.FirstResCol = 0;
        form_.ResCurves.Clear();
        form_.ResCurves.Include(ckRp);
    }
    void Replot() override { form_.Replot(); }
    void RecordToPlot() override { form_.RecordToPlot(); }
    void PlotToRecord() override { form_.PlotToRecord(); }
    void RunSimulation() override { form_.RunSimulation(); }
    void UpdateCommands() override { form_.UpdateCommands(); }
    void SetCaption(const std::string& caption) override { form_.setWindowTitle(veltrane::plainWindowTitle(QString::fromStdString(caption))); }
    void ClearStatus() override { form_.statusBar()->clearMessage(); }

private:
    TMainForm& form_;
};

}  // namespace

void TMainForm::CreateDocumentFlow()
{
    documentHost_ = std::make_unique<TMainDocumentHost>(*this);
    flow_ = std::make_unique<TDocumentFlow>(doc_, *documentHost_);
}

std::string TMainForm::MakeTitletext() { return flow_->MakeTitletext(); }
void TMainForm::SetModified() { flow_->Modified = true; }
void TMainForm::NewDocument() { flow_->NewDocument(); }
void TMainForm::NewdocumentClick() { flow_->NewCommand(); }
void TMainForm::FileOpenItemClick() { flow_->OpenCommand(); }
void TMainForm::FileSaveItemClick() { flow_->SaveCommand(); }
void TMainForm::FileSaveAsItemClick() { flow_->SaveAsCommand(); }
void TMainForm::FileExitItemClick() { close(); }

void TMainForm::RunSimulation()
{
    ShowStatus("Calulating");
    std::unique_ptr<TCalcPlasmon> calc;
    if (CreateCalcPlasmon(calc, doc_.Simparameter, doc_.ResColList, veltrane::ErrorReport::ShowBox))
        RunCalcPlasmon(calc.get(), doc_.Simparameter, doc_.ResColList, veltrane::ErrorReport::ShowBox);
    else
        // A record the engine refuses (a loaded file no dialog checked) has
        // no curves: the old ones belong to other parameters.
        ClearResColList(doc_.ResColList);
    DeleteCalcPlasmon(calc);
    Replot();
    ShowStatus("");
}
