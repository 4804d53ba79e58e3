#pragma once
// What the fit window's parameter grid shows: five layer rows of seven
// check boxes over the 210 parameter slots, scrolled over the 30 layers.

#include <array>
#include <string>

#include "fitting/SimulationIter.h"

namespace veltrane::fit {

constexpr int GridRows = 5;
constexpr int GridColumns = TSimulationiter::SlotKinds;
// The layer scroll bar runs from 1 to 31 minus the visible rows.
constexpr int FirstLayerMax = MaxLayers + 1 - GridRows;

struct SlotCell {
    std::string caption;
    bool enabled = false;
    bool checked = false;
};

// The slot shown in row (0..4) and column (0..6) with the given first
// visible layer (1-based).
int SlotAt(int firstLayer, int row, int column);
// The layer label of a row, counted from 1.
std::string RowLabel(int firstLayer, int row);
// The caption is the slot's value for an enabled slot, and for the
// disabled slots of the first layer and the last layer's thickness, whose
// values the user should see though they cannot be fitted.
SlotCell CellOf(const TSimulationiter& fit, int slot, char sep);
// "Real" and "Imag", or "n-ref" and "kapa" in n and kappa input mode.
std::array<std::string, 2> PartCaptions(int epsMode);

}  // namespace veltrane::fit
