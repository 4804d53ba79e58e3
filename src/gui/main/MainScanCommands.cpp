// The Scan commands, the data export and the parameter listing of the main
// window.
#include "gui/main/MainForm.h"
#include "gui/scans/ExportDatadlg.h"
#include "gui/scans/OpenScandlg.h"
#include "gui/scans/ParameterOutput.h"
#include "gui/scans/ScanStepdlg.h"
#include "gui/simulation/Optiondlg.h"

void TMainForm::CreateScanDialogs()
{
    OpenScandlg_ = new TOpenScandlg(doc_, this);
    ScanScaledlg_ = new TScanScaledlg(doc_, this);
    ScanShiftdlg_ = new TScanShiftdlg(doc_, this);
    ExportDatadlg_ = new TExportDatadlg(doc_, this);
    // The scan dialogs change the document while they are open.
    auto scansChanged = [this] {
        SetModified();
        Replot();
    };
    OpenScandlg_->OnScansChanged = scansChanged;
    ScanScaledlg_->OnScansChanged = scansChanged;
    ScanShiftdlg_->OnScansChanged = scansChanged;
    auto options = [this] {
        if (Optiondlg_->Execute(0))
            SetModified();
    };
    ScanScaledlg_->OnOptions = options;
    ScanShiftdlg_->OnOptions = options;
}

void TMainForm::Load1Click()
{
    OpenScandlg_->Execute();
    ScansPresent = !doc_.ScanColList.empty();
    UpdateCommands();
}

void TMainForm::Scale1Click() { ScanScaledlg_->Execute(); }

void TMainForm::Shift1Click() { ScanShiftdlg_->Execute(); }

void TMainForm::ClipDataClick()
{
    ExportDatadlg_->ToFile = false;
    ExportDatadlg_->Execute();
}

void TMainForm::ExportDataClick()
{
    ExportDatadlg_->ToFile = true;
    ExportDatadlg_->Execute();
}

void TMainForm::ClipParameterClick() { veltrane::CopyParameterListing(doc_); }

void TMainForm::ExportParameterClick() { veltrane::SaveParameterListing(doc_); }

void TMainForm::PrintParameterClick() { veltrane::PrintParameterListing(doc_); }
