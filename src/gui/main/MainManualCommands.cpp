// The manual simulation command and the main window's part as its host.
#include "gui/main/MainForm.h"
#include "gui/main/MainManualHost.h"
#include "gui/simulation/Simulationmandlg.h"

void TMainManualHost::CurvesComputed() { form_.UpdatePlotData(); }

void TMainManualHost::DocumentChanged() { form_.SetModified(); }

void TMainForm::Simulationman1Click()
{
    TSimulationmandlg& dlg = *Simulationmandlg_;
    dlg.FromEwaveT = false;
    dlg.FromEwaveD = false;
    dlg.EpsMode = doc_.Simparameter.EpsMode;
    dlg.Execute(*manualHost_);
}
