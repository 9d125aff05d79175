// The results window's activation per work type: the recalculation chain
// with every flag raised, then the rebuild (required areas, bar fits, the
// fitting, section checks and colours of the twelve rows of both sets), on
// a filled design with a section per frame. Also the rebuild alone and the
// redisplay (refit and recheck without recalculation).
//
// Run with --benchmark_repetitions=N to get the median per work type; the
// registrations below ask for nine repetitions and report the aggregates.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "filled_design.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"

namespace talvo {
namespace {

// The benchmarks' filled design with a section per frame: vertical beams
// 200 × 200 mm (d 150), horizontal beams 250 × 250 mm (d 190), each frame
// checked on its own.
void FillDesign(std::int16_t workType) {
    bench::FillDesign(workType);
    DesignData& d = Design;
    d.SameSection = 0;
    d.SectionBx = d.SectionHx = " 250";
    d.SectionDx = " 190";
}

void BM_ResultsActivation(benchmark::State& state) {
    FillDesign(static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        SetAllRecalc(true);
        benchmark::DoNotOptimize(RunResultsActivation());
        benchmark::DoNotOptimize(Design.KekkaSigmaS[0]);
    }
}

void BM_RebuildOnly(benchmark::State& state) {
    FillDesign(static_cast<std::int16_t>(state.range(0)));
    SetAllRecalc(true);
    RunResultsActivation();
    for (auto _ : state) {
        RebuildResults();
        benchmark::DoNotOptimize(Design.KekkaSigmaS[0]);
    }
}

void BM_Redisplay(benchmark::State& state) {
    FillDesign(static_cast<std::int16_t>(state.range(0)));
    SetAllRecalc(true);
    RunResultsActivation();
    for (auto _ : state) {
        RedisplayResults();
        benchmark::DoNotOptimize(Design.KekkaSigmaS[0]);
    }
}

BENCHMARK(BM_ResultsActivation)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RebuildOnly)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Redisplay)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace talvo
