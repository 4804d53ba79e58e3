#pragma once
// The main window as host of the manual simulation: the main plot follows
// every computation in place, and every change marks the document.

#include "gui/simulation/ManualSimulationHost.h"

class TMainForm;

class TMainManualHost : public TManualSimulationHost {
public:
    explicit TMainManualHost(TMainForm& form) : form_(form) {}
    void CurvesComputed() override;
    void DocumentChanged() override;

private:
    TMainForm& form_;
};
