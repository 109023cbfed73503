// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the adjustment: the computation alone on a route of 1,000,000 points, and a whole
// scripted run of the largest route (9,999 points, the test kit's rising route) from entry to the
// printed report.

#include "adjustment_result.h"
#include "run.h"

#include "scripted_platform.h"

#include "routes.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

adjustment::LevelingRoute bigRoute(long points)
{
    adjustment::LevelingRoute route;
    route.createArrays(points + 1);
    route.haValue = 100.0;
    route.hbValue = 100.0 + 0.001 * static_cast<double>(points + 1) + 0.012;
    for (std::size_t i = 1; i < route.S.size(); ++i) {
        route.S[i] = 50.0 + static_cast<double>(i % 97);
        route.DH[i] = 0.001 + 0.0001 * static_cast<double>(i % 13) - 0.0006;
        route.SumS += route.S[i];
        route.SumDH += route.DH[i];
    }
    return route;
}

void BM_Computation(benchmark::State &state)
{
    const auto route = bigRoute(state.range(0));
    for (auto _ : state) {
        auto result = adjustment::computeAdjustment(route);
        benchmark::DoNotOptimize(result.H.data());
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_point"] = benchmark::Counter(
            static_cast<double>(state.iterations()) * static_cast<double>(route.N1 + 1),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Computation)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_WholeRun(benchmark::State &state)
{
    const long points = state.range(0);
    const auto replies = kit::risingRoute(kit::risingNames(int(points))).replies;
    for (auto _ : state) {
        platform::ScriptedPlatform platform(replies);
        auto services = platform.services();
        benchmark::DoNotOptimize(adjustment::performRun(services));
    }
    state.counters["ns_per_point"] = benchmark::Counter(
            static_cast<double>(state.iterations()) * static_cast<double>(points + 2),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholeRun)->Arg(9'999)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
