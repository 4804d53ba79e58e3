#pragma once
// The scan scale and shift dialogs apart from their widgets. Both change one
// factor of the selected scan in place, in steps whose size the options
// hold: the scale dialog the y multiplier (reset 1.0), the shift dialog the
// x shift (reset 0.0). The stored points never change.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/Document.h"

enum class TScanFactor { Scale, Shift };

class ScanStepModel {
public:
    // The six step buttons in dialog order: the first group (scale up,
    // shift left), then the second, each by 1, 10 and 100 steps.
    static constexpr int ButtonCount = 6;

    ScanStepModel(Document& doc, TScanFactor which) : doc_(doc), which_(which) {}

    TScanFactor Which() const { return which_; }
    std::vector<std::string> Names() const;

    // The entry a new showing selects: the one last used while it is still
    // in the list (-1 selects nothing), else the first, or none at all.
    int ShowIndex() const;
    // Selects a scan by its index (-1: none) and remembers it.
    void Select(int index);
    int Selected() const { return selected_; }
    bool HasSelection() const;
    const TScanColrec* SelectedScan() const;

    double Factor() const;
    // The factor as the dialog shows it; empty without a selection.
    std::string FactorText(char sep) const;
    double Step() const;

    // Factor + k steps, or the reset value. False, and nothing changed,
    // without a selection.
    bool ApplyStep(int k);
    bool Reset();

    // The steps of a button (0..5) in this dialog.
    int ButtonSteps(int button) const;

    std::int32_t LastIndex = 0;

private:
    double* factor();

    Document& doc_;
    TScanFactor which_;
    int selected_ = -1;
};
