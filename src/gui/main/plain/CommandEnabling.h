#pragma once
// Which main-window commands the document allows: scale and shift need
// scans, the evaluation results or scans on a Theta axis, the manual
// simulation, the field windows and the Show and Overview buttons results,
// the fit scans on a Theta axis. The manual simulation, the fit and the
// field windows also need a stack the engine can compute (2 to 30 layers),
// since a loaded file is not checked by any dialog.

#include "document/Document.h"

struct TCommandStates {
    bool ScaleShift = false;
    bool Evaluation = false;
    bool Manual = false;
    bool Fields = false;
    bool ShowOverviewButtons = false;
    bool Iterative = false;
};

TCommandStates CommandStates(const Document& doc);
