#pragma once
// The check of the options dialog's OK. A step of 0 or below, or an
// iteration limit below 1, is refused, and so is an empty one: the fit
// rounds its parameters to the steps and counts its rounds against the
// limit. Only the divergence limit may stay empty (no limit); it stores
// the no-value marker.

#include <optional>
#include <string>

#include "document/Records.h"

// The edits in page order: page 0 "Scan", 1 "manuelle Simulation",
// 2 "iterative Simulation".
enum TOptionField : int {
    ofScanShiftstep = 0, ofScanScalestep, ofEpsrealstep, ofEpsimagstep, ofDickestep, ofIteranz, ofItergrenz,
    OptionFieldCount
};

int OptionPage(int field);

struct OptionFailure {
    std::string Message;
    int Field;  // TOptionField: the edit that takes the focus
};

// The first refused value in page order, or nothing.
std::optional<OptionFailure> CheckOptions(const TOptionpara& o);
