#pragma once
// Times the engine and its bare loop alternately inside one benchmark, so
// that the ratio compares runs that saw the same machine: the same core and
// whatever else ran at that moment. The benchmark's own time is the
// engine's. The counters give both per unit of work as the median of the
// iterations, and their ratio: on a shared machine an iteration that another
// process interrupted weighs on a mean, not on a median. The ratio of the
// means is reported beside it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <vector>

namespace bench {

template <class Work>
double secondsOf(Work& work)
{
    const auto t0 = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

template <std::size_t N>
struct Times {
    std::array<double, N> mean{}, median{};
};

// Runs every workload once per iteration, in turn, and returns the mean and
// the median seconds of one call of each. The first workload's time is the
// iteration time.
template <class... Work>
Times<sizeof...(Work)> timeInTurn(benchmark::State& state, Work&... work)
{
    constexpr std::size_t N = sizeof...(Work);
    std::array<std::vector<double>, N> seconds;
    for (auto& s : seconds)
        s.reserve(4096);
    for (auto _ : state) {
        const std::array<double, N> t{secondsOf(work)...};
        for (std::size_t k = 0; k < N; ++k)
            seconds[k].push_back(t[k]);
        state.SetIterationTime(t[0]);
    }
    Times<N> r;
    for (std::size_t k = 0; k < N && !seconds[k].empty(); ++k) {
        auto& s = seconds[k];
        double sum = 0.0;
        for (double x : s)
            sum += x;
        r.mean[k] = sum / double(s.size());
        std::nth_element(s.begin(), s.begin() + std::ptrdiff_t(s.size() / 2), s.end());
        r.median[k] = s[s.size() / 2];
    }
    return r;
}

// engine and bare each do `units` units of work (points, samples) per call.
template <class Engine, class Bare>
void sideBySide(benchmark::State& state, double units, Engine& engine, Bare& bare)
{
    const auto t = timeInTurn(state, engine, bare);
    state.counters["engine_ns"] = t.median[0] / units * 1e9;
    state.counters["bare_ns"] = t.median[1] / units * 1e9;
    state.counters["ratio"] = t.median[0] / t.median[1];
    state.counters["ratio_mean"] = t.mean[0] / t.mean[1];
}

}  // namespace bench
