#include "gui/fit/plain/FitSlotGrid.h"

#include <algorithm>

#include "platform/CFormat.h"

namespace veltrane::fit {

int SlotAt(int firstLayer, int row, int column)
{
    return (firstLayer - 1 + row) * TSimulationiter::SlotKinds + column;
}

std::string RowLabel(int firstLayer, int row) { return std::to_string(firstLayer + row); }

SlotCell CellOf(const TSimulationiter& fit, int slot, char sep)
{
    SlotCell c;
    if (slot < 0 || slot >= TSimulationiter::SlotCount)
        return c;
    const TParamSlot& s = fit.ParamSlots[std::size_t(slot)];
    c.enabled = s.enabled != 0;
    c.checked = s.marked != 0;
    const int layer = slot / TSimulationiter::SlotKinds;
    const int kind = slot % TSimulationiter::SlotKinds;
    const int layers = std::clamp(fit.Parameter.Layeranz, 0, MaxLayers);
    const bool firstLayer = layer == 0 && layers > 0;
    const bool lastThickness = layers > 0 && layer == layers - 1 && kind == 0;
    if (c.enabled || firstLayer || lastThickness)
        c.caption = floatToText(s.value, sep);
    return c;
}

std::array<std::string, 2> PartCaptions(int epsMode)
{
    if (epsMode == emNKappa)
        return {"n-ref", "kapa"};
    return {"Real", "Imag"};
}

}  // namespace veltrane::fit
