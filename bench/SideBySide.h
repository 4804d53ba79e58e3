#pragma once
// Times the engine and its bare loop alternately inside one benchmark, so
// that the ratio compares runs that saw the same machine: the same core and
// whatever else ran at that moment. The benchmark's own time is the
// engine's; the counters give both per unit of work and their ratio.

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstddef>

namespace bench {

template <class Work>
double secondsOf(Work& work)
{
    const auto t0 = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Runs every workload once per iteration, in turn, and returns the summed
// seconds of each. The first workload's time is the iteration time.
template <class... Work>
std::array<double, sizeof...(Work)> timeInTurn(benchmark::State& state, Work&... work)
{
    std::array<double, sizeof...(Work)> total{};
    for (auto _ : state) {
        std::array<double, sizeof...(Work)> t{secondsOf(work)...};
        for (std::size_t k = 0; k < t.size(); ++k)
            total[k] += t[k];
        state.SetIterationTime(t[0]);
    }
    return total;
}

// engine and bare each do `units` units of work (points, samples) per call.
template <class Engine, class Bare>
void sideBySide(benchmark::State& state, double units, Engine& engine, Bare& bare)
{
    const auto t = timeInTurn(state, engine, bare);
    const double n = double(state.iterations()) * units;
    state.counters["engine_ns"] = t[0] / n * 1e9;
    state.counters["bare_ns"] = t[1] / n * 1e9;
    state.counters["ratio"] = t[0] / t[1];
}

}  // namespace bench
