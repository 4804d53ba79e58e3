#pragma once
// The check of the options dialog's OK. A step of 0 or below, or an
// iteration limit below 1, is refused, and so is an empty one: the fit
// rounds its parameters to the steps and counts its rounds against the
// limit. Only the divergence limit may stay empty (no limit); it stores
// the no-value marker. A divergence limit below 0 is refused, and so is
// one left at the start of a number ("1e"): it reads as the same marker,
// and a limit the user began to type must not turn into no limit.

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

// The first refused value in page order, or nothing. divergenceLimitTyped:
// the divergence-limit edit holds text, so a no-value marker there is a
// number left unfinished, not an empty field.
std::optional<OptionFailure> CheckOptions(const TOptionpara& o, bool divergenceLimitTyped);
