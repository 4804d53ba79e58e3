// The Simulation-parameter, demo, Show and Option commands.
#include "gui/main/MainForm.h"
#include "gui/simulation/Optiondlg.h"
#include "gui/simulation/ShowPlotdlg.h"
#include "gui/simulation/Simparamdlg.h"

void TMainForm::Parameter1Click()
{
    if (!Simparamdlg_->Execute())
        return;
    SetModified();
    RunSimulation();
    UpdateCommands();
}

void TMainForm::Button1Click()
{
    // The demo stack goes into the document before the dialog shows it; a
    // Cancel takes the document back as it was, not half demo.
    const TSimparameter before = doc_.Simparameter;
    const double thetaBefore = doc_.EHOptionpara.Theta;
    TSimparameter& p = doc_.Simparameter;
    p.Prismart = prNone;
    const struct {
        double thickness;
        Complex eps;
    } layers[] = {{0.0, {3.4069, 0.0}}, {50.0, {-12.1, 1.3}}, {5.0, {2.25, 0.0}}, {0.0, {1.778, 0.0}}};
    for (std::size_t k = 0; k < 4; ++k) {
        p.Dicke[k] = layers[k].thickness;
        p.Eps[k].epsX = layers[k].eps;
    }
    doc_.EHOptionpara.Theta = 52.0;
    if (!Simparamdlg_->Execute()) {
        doc_.Simparameter = before;
        doc_.EHOptionpara.Theta = thetaBefore;
        return;
    }
    SetModified();
    RunSimulation();
    UpdateCommands();
}

void TMainForm::Show1Click()
{
    Showdlg_->Curves = ResCurves;
    Showdlg_->ScanList = &doc_.ScanColList;
    if (!Showdlg_->Execute())
        return;
    ResCurves = Showdlg_->Curves;
    SetModified();
    Replot();
}

void TMainForm::Option1Click()
{
    if (Optiondlg_->Execute())
        SetModified();
}
