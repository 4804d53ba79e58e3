#pragma once
// Deterministic measurement noise for synthetic scans: the same sequence on
// every run and every machine.

#include <cstdint>

namespace veltrane::test {

// Noise in [-amplitude, amplitude] from a fixed linear congruential
// sequence.
class Noise {
public:
    explicit Noise(double amplitude) : amplitude_(amplitude) {}
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return amplitude_ * (double(state_ >> 11) / double(1ULL << 53) * 2.0 - 1.0);
    }

private:
    double amplitude_;
    std::uint64_t state_ = 20261207;
};

}  // namespace veltrane::test
