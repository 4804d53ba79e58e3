#pragma once
// The objective of the iterative simulation: the engine computes the
// parameter copy into the fit's result list, which is compared with the
// resampled scan by the chosen optimation.

#include <memory>

#include "fitting/FitObjective.h"

class TCalcPlasmon;
class TSimulationiter;

class TEngineObjective : public veltrane::FitObjective {
public:
    explicit TEngineObjective(TSimulationiter& fit);
    ~TEngineObjective() override;

    // Creates the engine for the parameter copy; throws with the engine's
    // message when it cannot.
    void Begin() override;
    double Evaluate(std::span<const double> vertex) override;
    void Show() override;
    void End() noexcept override;

    // Engine runs since construction.
    long Runs() const { return runs_; }

private:
    // One run; a failed run leaves no numbers behind and throws its message,
    // so the search ends on its own error path without the engine's box.
    void Run();

    TSimulationiter& fit_;
    std::unique_ptr<TCalcPlasmon> engine_;
    long runs_ = 0;
};
