#pragma once
// A layer thickness below 0 nm has no physical meaning: the engine refuses
// to compute with one (CheckThicknesses, with a message of its own). Every
// input that enters, steps or sweeps a thickness refuses it earlier, with
// the same text, followed by the field and the layer it concerns. A
// document that holds one still opens: it is refused where the user edits
// it, so an old file can be mended instead of lost.

#include <string>

// The start of every refusal.
inline constexpr const char* NegativeThicknessText = "Layer thickness must be >=0";

// Whether a thickness in nm may be computed with. The empty marker passes:
// a missing value has messages of its own.
inline bool ThicknessAllowed(double nm) { return nm >= 0.0; }

// The refusal of a layer's own thickness, in the words of the parameter
// dialog's other checks: "Layer thickness must be >=0: thickness value in
// Layer 3".
inline std::string NegativeThicknessMessage(int layer)
{
    return std::string(NegativeThicknessText) + ": thickness value in Layer " + std::to_string(layer);
}

// The refusal of a scan over a layer's thickness that goes below 0: the
// end that does, as the dialog names it ("X-Axis from value"), and the
// layer scanned. A scan never goes below the lower of its two ends (the Z
// curves step upwards from there), so the ends are all there is to check.
// "" when both ends are allowed.
inline std::string NegativeThicknessScanMessage(const char* axis, double from, double to, int layer)
{
    const char* end = !ThicknessAllowed(from) ? " from value" : !ThicknessAllowed(to) ? " to value" : nullptr;
    if (!end)
        return {};
    return std::string(NegativeThicknessText) + ": " + axis + end + " in Layer " + std::to_string(layer);
}
