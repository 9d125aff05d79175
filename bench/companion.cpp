// One full calculation of the companion: both patterns, four depths, both
// shapes, as the calculate button runs it.
#include <benchmark/benchmark.h>

#include "companion/checks.h"
#include "companion/search.h"
#include "companion/study.h"
#include "shell/tables.h"

namespace {

using namespace talvo::companion;

void SetUpStudy() {
    talvo::InitAllTables();
    InitCompanion();
    SoilWeight = "18.0";
    FrameWeight = "24.0";
    InfillWeight = "20.0";
    SlopeRatio = "1.00";
    SlopeAngle = "45.00";
    DeltaFs = "0.20";
    ArcTopDistance = "1.000";
    SigmaCa = "8.0";
    SigmaSa = "180";
}

void BM_CompanionCalculation(benchmark::State& state) {
    SetUpStudy();
    for (auto _ : state) {
        if (!DataCheck()) state.SkipWithError("study not usable");
        CalculateAll();
        benchmark::DoNotOptimize(KekkaL[3][3]);
    }
}
BENCHMARK(BM_CompanionCalculation)->Unit(benchmark::kMillisecond);

}  // namespace
