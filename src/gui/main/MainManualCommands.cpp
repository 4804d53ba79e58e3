// The manual simulation command and the main window's part as its host.
#include "gui/main/MainForm.h"
#include "gui/main/MainManualHost.h"
#include "gui/simulation/Simulationmandlg.h"

void TMainManualHost::CurvesComputed() { form_.UpdatePlotData(); }

void TMainManualHost::DocumentChanged() { form_.SetModified(); }

void OpenManualSimulation(TMainForm& form, bool fromEwaveT, bool fromEwaveD)
{
    TSimulationmandlg& dlg = form.Simulationmandlg();
    dlg.FromEwaveT = fromEwaveT;
    dlg.FromEwaveD = fromEwaveD;
    dlg.EpsMode = form.Doc().Simparameter.EpsMode;
    dlg.Execute(form.ManualHost());
}

void TMainForm::Simulationman1Click() { OpenManualSimulation(*this, false, false); }
