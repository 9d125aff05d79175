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

#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"

namespace talvo {
namespace {

// A frame on a 1:1.00 slope, 4 × 3 spans of 2.000 m; vertical beams 200 ×
// 200 mm (d 150), horizontal beams 250 × 250 mm (d 190), each frame checked
// on its own; with the wedge, the arc or the anchor layout and anchorage
// data of the work type.
void FillDesign(std::int16_t workType) {
    InitDesignData();
    InitAllTables();
    Pi = 4 * std::atan(1.0);
    DesignData& d = Design;
    d.WorkType = workType;
    d.SameSection = 0;
    d.SectionBy = d.SectionHy = " 200";
    d.SectionDy = " 150";
    d.SectionBx = d.SectionHx = " 250";
    d.SectionDx = " 190";
    d.SpanCountX = " 3";
    d.SpanCountY = " 4";
    d.SpanX = d.SpanY = " 2.000";
    d.OverhangUpper = d.OverhangLower = d.OverhangLeft = " 0.500";
    d.OverhangRight = " 0.300";
    d.TotalLengthY = " 9.000";
    d.TotalLengthX = " 6.800";
    d.SlopeN = "1.00";
    d.SlopeAngle = "45.00";
    d.FrameGamma = "24.0";
    d.InfillThick = " 100";
    d.InfillGamma = "18.0";
    d.SnowDepth = "1.00";
    d.SnowGamma = " 3.0";
    d.UseSnow = 1;
    d.ShearXMode = {1, 1, 1, 1, 1};
    d.SigmaCk = "18";
    d.SigmaCa = " 6.0";
    d.TauCa = "0.33";
    d.TauOa = "0.80";
    d.SigmaSa = "160";
    d.SoilGamma = "18.0";
    d.DeltaFs = "0.20";
    d.KusabiL1 = "  5.000";
    d.KusabiL2 = "  2.000";
    d.EnkoL1 = "  6.000";
    d.EnkoL2 = "  1.500";
    d.EnkoL3 = "  1.000";
    d.AnchorCountY = " 5";
    d.AnchorCountX = " 4";
    d.PitchY = d.PitchX = " 2.000";
    d.AnchorOverhangUpper = d.AnchorOverhangLower = d.AnchorOverhangLeft = " 0.500";
    d.AnchorOverhangRight = " 0.300";
    d.PlanFs = "1.20";
    d.Pr = "  50.0";
    d.SlipAngle = "30.0";
    d.RowCount = " 5";
    d.InstallAngle = "15.0";
    d.FrictionAngle = "30.0";
    d.RestraintMode = 2;
    d.UsePlanFs = 1;
    d.PlateU = " 200";
    d.PlateSigma = "140";
    d.RockDa = " 65";
    d.RockTauG = "0.20";
    d.RockTauB = "1.60";
    d.RockFs = "2.5";
    d.RockLa = " 2.0";
    d.RockLf = " 1.5";
    d.AnchorDs = "12.7";
    d.AnchorDa = "115";
    d.AnchorTauG = "0.30";
    d.AnchorTauB = "0.80";
    d.AnchorFs = "2.5";
    d.AnchorLa = " 3.0";
    d.AnchorLf = " 4.0";
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
