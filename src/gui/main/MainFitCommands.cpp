// The iterative simulation and the minimum evaluation.
#include "document/AxisKind.h"
#include "document/Defaults.h"
#include "gui/fit/Auswertungdlg.h"
#include "gui/fit/Simulationiterdlg.h"
#include "gui/main/MainForm.h"
#include "gui/simulation/Optiondlg.h"

void TMainForm::Simulationiter1Click()
{
    TSimulationiterdlg& dlg = *Simulationiterdlg_;
    dlg.Parameter() = doc_.Simparameter;
    dlg.OpenOptions = [this] {
        if (!Optiondlg_->Execute(2))
            return false;
        SetModified();
        return true;
    };
    if (dlg.exec() != QDialog::Accepted)
        return;
    doc_.Simparameter = dlg.Parameter();
    SetModified();
    RunSimulation();
    UpdateCommands();
}

void TMainForm::Evaluation1Click()
{
    TAuswertungdlg& dlg = *Auswertungdlg_;
    const TSimparameter& p = doc_.Simparameter;
    dlg.EpsMode = p.EpsMode;
    dlg.XKind = XAxisKind(p);
    dlg.ZKind = ZAxisKind(p);
    dlg.XLayerNr = p.XAxis.LayerNr;
    dlg.ZLayerNr = p.ZAxis.LayerNr;
    dlg.SetParameter(doc_.Auswertungpara);
    dlg.exec();
    // The settings go back however the dialog was closed.
    const TAuswertungpara before = doc_.Auswertungpara;
    dlg.GetParameter(doc_.Auswertungpara);
    if (!(doc_.Auswertungpara == before))
        SetModified();
}
