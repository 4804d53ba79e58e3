#pragma once
// What the simplex search asks of the window that hosts it. The defaults
// let the search run without a window; its event pass and Stop go through
// the run control.

#include <string>

namespace veltrane {

class FitHost {
public:
    virtual ~FitHost() = default;

    // The texts for "Iter-num.:" and "divergence:".
    virtual void ShowIteration(const std::string& iternum, const std::string& divergence) {}
    // A vertex was applied and simulated: redraw the simulated curve, the
    // layer grid and the scale factor.
    virtual void VertexShown() {}
    // The scan got a new scale factor and was resampled: redraw it.
    virtual void ScanChanged() {}
};

}  // namespace veltrane
