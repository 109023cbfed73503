// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the adjustment: the computation alone on a route of 1,000,000 points, and a whole
// scripted run of the largest route (9,999 points, the test kit's rising route) from entry to the
// printed report. The routes come from the test kit.

#include "adjustment_result.h"
#include "run.h"

#include "scripted_platform.h"

#include "routes.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

void BM_Computation(benchmark::State &state)
{
    const auto route = kit::bigLevelingRoute(state.range(0));
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
