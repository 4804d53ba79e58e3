#pragma once
// Creating and running a field calculator, the same for the depth profile
// and the angle scan: a stack that cannot give fields is refused at
// creation, and a failure outside the sample loop ends the calculator, so
// that the window computes nothing more until it is shown again.

#include <exception>
#include <memory>
#include <string>

#include "fields/EWaveList.h"
#include "fields/EwaveCalculator.h"
#include "platform/Platform.h"

namespace veltrane {

template <class Calc>
void CreateEwaveCalculator(std::unique_ptr<Calc>& calc, RunControl& run, const TSimparameter& para,
                           const TEHOptionpara& opt, TEWaveList& list)
{
    // The running loop works on the calculator and the list.
    if (run.Active())
        return;
    calc.reset();
    const std::string refusal = EwaveCalculator::CheckStack(para);
    if (!refusal.empty()) {
        // No samples of an earlier stack may stay on show.
        ClearEWaveList_T(list);
        showError("Error CalcEwave Init", refusal);
        return;
    }
    try {
        calc = std::make_unique<Calc>(para, run);
        ClearEWaveList_T(list);
        CreateEWaveList_T(list, opt.PktanzEff);
        calc->Init(para);
    } catch (const std::exception& e) {
        calc.reset();
        showError("Error CalcEwave Init", e.what());
    }
}

template <class Calc>
void RunEwaveCalculator(std::unique_ptr<Calc>& calc, const TSimparameter& para, const TEHOptionpara& opt,
                        TEWaveList& list)
{
    // A second run would reset the list under the running loop.
    if (!calc || calc->Control().Active())
        return;
    try {
        if (opt.PktanzEff >= 0 && std::size_t(opt.PktanzEff) == list.size()) {
            ResetEWaveList_T(list);
        } else {
            ClearEWaveList_T(list);
            CreateEWaveList_T(list, opt.PktanzEff);
        }
        calc->CalcEwave(para, opt, list);
    } catch (const std::exception& e) {
        calc.reset();
        showError("Error CalcEwave Calc", e.what());
    }
}

}  // namespace veltrane
