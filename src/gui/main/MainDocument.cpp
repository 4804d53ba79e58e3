// The document commands of the main window: new, open, save, save as and
// exit with their questions and messages, and the simulation run over the
// whole document.
#include <QApplication>
#include <QStatusBar>
#include <algorithm>
#include <cctype>
#include <memory>

#include "document/Defaults.h"
#include "document/DocumentFile.h"
#include "document/ScanFile.h"
#include "gui/main/MainForm.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/Simparamdlg.h"
#include "optics/CalcPlasmon.h"
#include "optics/ResColList.h"
#include "platform/Platform.h"

namespace {

// The extension from the last point on, upper-cased, is ".VTN".
bool isVtn(const std::string& name)
{
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return false;
    std::string ext = name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ext == ".VTN";
}

const char* const NotVtn = "is not a Veltrane-File (*.vtn)";

// The conversion warnings of a loaded file, by their bit.
const char* ConversionWarning(int bit)
{
    switch (bit) {
    case lsRotationDropped:
        return "Attention:\nThe parameter contains rotation angle\n This veltrane version has not rotation angles "
               "so there will be deletet !";
    case lsXRotationReset:
        return "Attention:\nThe X-Axis typ is 'rot1-3'\n This veltrane version has not rotation angles so the typ "
               "will be set to 'Theta'\n and the datas are recalculated !";
    case lsZRotationReset:
        return "Attention:\nThe Z-Axis typ is 'rot1-3'\n This veltrane version has not rotation angles so the typ "
               "will be set to 'none'\n and the datas are recalculated !";
    case lsXWavelengthReset:
        return "Attention:\nThe X-Axis typ is 'wavelength'\n This veltrane version has not wavelength typ so the "
               "typ will be set to 'Theta'\n and the datas are recalculated !";
    case lsZWavelengthReset:
        return "Attention:\nThe Z-Axis typ is 'wavelength'\n This veltrane version has not wavelength typ so the "
               "typ will be set to 'none'\n and the datas are recalculated !";
    default: return "Attention:\n";
    }
}

}  // namespace

void TMainForm::NewDocument()
{
    TSimparamdlg::SetDefaultParameter(doc_.Simparameter);
    Simparamdlg_->ResetDialog();
    TOptiondlg::SetDefaultOptions(doc_.Optionpara);
    SetDefaultParameter(doc_.Auswertungpara);
    SetDefaultPlot();
    doc_.FileName = Untitled;
    NeverSaved = true;
    Modified = false;
    ScansPresent = false;
    FirstResCol = 0;
    ResCurves.Clear();
    ResCurves.Include(ckRp);
}

void TMainForm::ClearDocument()
{
    ClearResColList(doc_.ResColList);
    ClearScanList(doc_.ScanColList);
    NewDocument();
    Replot();
}

void TMainForm::NewdocumentClick()
{
    veltrane::BoxAnswer answer = veltrane::BoxAnswer::No;
    if (Modified || NeverSaved)
        answer = veltrane::askYesNoCancel("Question", "Save file?");
    if (answer == veltrane::BoxAnswer::Yes && Save())
        answer = veltrane::BoxAnswer::No;
    if (answer == veltrane::BoxAnswer::No)
        ClearDocument();
    setWindowTitle(QString::fromStdString(MakeTitletext()));
    UpdateCommands();
}

void TMainForm::FileOpenItemClick()
{
    veltrane::BoxAnswer answer = veltrane::BoxAnswer::No;
    if (Modified)
        answer = veltrane::askYesNoCancel("Question", "Save file?");
    if (answer == veltrane::BoxAnswer::Yes && Save())
        answer = veltrane::BoxAnswer::No;
    if (answer == veltrane::BoxAnswer::No) {
        OpenDocument();
        UpdateCommands();
    }
    setWindowTitle(QString::fromStdString(MakeTitletext()));
    statusBar()->clearMessage();
}

void TMainForm::OpenDocument()
{
    veltrane::OpenFileRequest r;
    r.title = "Load Veltrane-File";
    r.filter = "Veltrane-File (*vtn)|*.vtn";
    r.defaultExt = "vtn";
    const std::vector<std::string> names = veltrane::platform().chooseOpenFiles(r);
    if (names.empty())
        return;
    if (!isVtn(names.front())) {
        veltrane::showMessage(NotVtn);
        return;
    }
    // Loading never leaves a half-read file behind, so the document can be
    // cleared first as it always was: a file that fails to load gives a new
    // document.
    ClearDocument();
    LoadFile(names.front());
}

void TMainForm::LoadFile(const std::string& name)
{
    TDocumentrec rec = Documentrec(doc_);
    const int result = LoadDocument(name, rec, FileVersionText);
    switch (result) {
    case lsOk:
        RecordToPlot();
        Replot();
        doc_.FileName = name;
        setWindowTitle(QString::fromStdString(MakeTitletext()));
        Modified = false;
        NeverSaved = false;
        return;
    case lsError: return;
    case lsNoDocument: veltrane::showError("Error", NotVtn); return;
    case lsWrongVersion: veltrane::showError("Error", "Wrong File-Version-Nr!"); return;
    default: break;
    }
    for (int bit : {lsRotationDropped, lsXRotationReset, lsZRotationReset, lsXWavelengthReset, lsZWavelengthReset})
        if (result & bit)
            veltrane::showWarning("Warning", ConversionWarning(bit));
    RunSimulation();
    UpdateCommands();
}

bool TMainForm::Save()
{
    if (NeverSaved)
        return SaveAs();
    return SaveFile(doc_.FileName);
}

bool TMainForm::SaveAs()
{
    veltrane::SaveFileRequest r;
    r.title = "Save Veltrane-File";
    r.filter = "Veltrane-File (*.vtn)|*.vtn";
    r.defaultExt = "vtn";
    r.promptOverwrite = true;
    const std::optional<std::string> name = veltrane::platform().chooseSaveFile(r);
    if (!name)
        return false;
    if (!isVtn(*name)) {
        veltrane::showError("Error", NotVtn);
        return false;
    }
    return SaveFile(*name);
}

bool TMainForm::SaveFile(const std::string& name)
{
    PlotToRecord();
    TDocumentrec rec = Documentrec(doc_);
    if (SaveDocument(name, rec, FileVersionText) != 0)
        return false;
    doc_.FileName = name;
    setWindowTitle(QString::fromStdString(MakeTitletext()));
    NeverSaved = false;
    Modified = false;
    return true;
}

void TMainForm::FileSaveItemClick()
{
    Save();
    statusBar()->clearMessage();
}

void TMainForm::FileSaveAsItemClick()
{
    SaveAs();
    setWindowTitle(QString::fromStdString(MakeTitletext()));
    statusBar()->clearMessage();
}

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
