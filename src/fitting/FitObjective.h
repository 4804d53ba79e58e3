#pragma once
// What the simplex search minimises. The engine-backed objective simulates
// the parameter copy and compares it with the measured scan; tests inject
// plain functions through the same interface.

#include <span>

namespace veltrane {

class FitObjective {
public:
    virtual ~FitObjective() = default;

    // Before the first vertex is evaluated.
    virtual void Begin() {}
    // The objective at a trial point whose values are already in the
    // parameter copy; +infinity when it has no value. Throws to end the
    // search with its message.
    virtual double Evaluate(std::span<const double> vertex) = 0;
    // Recomputes the shown results for the parameter copy.
    virtual void Show() {}
    // After the search, whether it ended normally or not.
    virtual void End() noexcept {}
};

}  // namespace veltrane
