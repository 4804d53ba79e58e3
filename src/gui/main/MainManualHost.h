#pragma once
// The main window as host of the manual simulation: the main plot follows
// every computation in place, and every change marks the document.

#include "gui/simulation/plain/ManualSimulationHost.h"

class TMainForm;

// Shows the manual simulation with the main window as host; the flags say
// whether a field window (at one angle, at a layer position) opened it.
// That window computes its own view again once the dialog has closed.
void OpenManualSimulation(TMainForm& form, bool fromEwaveT, bool fromEwaveD);

class TMainManualHost : public TManualSimulationHost {
public:
    explicit TMainManualHost(TMainForm& form) : form_(form) {}
    void CurvesComputed() override;
    void DocumentChanged() override;

private:
    TMainForm& form_;
};
