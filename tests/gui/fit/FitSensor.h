#pragma once
// The demo sensor (p light, Theta 40 to 60 in 200 points) with a 20 nm film,
// its simulated curves and the deterministic noise of its measured scans,
// for the fit tests with and without a window.

#include <cstdint>
#include <memory>

#include "optics/CalcPlasmon.h"
#include "support/Stacks.h"

namespace fittest {

constexpr int FilmLayer = 2;  // 0-based row of the film
constexpr int FilmThicknessSlot = FilmLayer * 7;
constexpr double FilmNm = 20.0;

inline TSimparameter sensor()
{
    TSimparameter p = veltrane::stacks::demo();
    p.PolArt = paP;
    p.PolMode = pmP;
    p.Dicke[FilmLayer] = FilmNm;
    veltrane::stacks::thetaScan(p, 40.0, 60.0, 200);
    return p;
}

inline TResColList simulate(const TSimparameter& p)
{
    std::unique_ptr<TCalcPlasmon> calc;
    TResColList results;
    CreateCalcPlasmon(calc, p, results, veltrane::ErrorReport::ToCaller);
    RunCalcPlasmon(calc.get(), p, results, veltrane::ErrorReport::ToCaller);
    return results;
}

// Noise in [-amplitude, amplitude] from a fixed linear congruential
// sequence, the same on every run.
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

}  // namespace fittest
