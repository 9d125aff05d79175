// The calculations that the results window runs on activation (its
// recalculation chain and the calculations of its rebuild), per work type, on
// a filled design with every recalculation flag raised.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "calc/rebar.h"
#include "calc/recalc.h"
#include "filled_design.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {
namespace {

using bench::FillDesign;

void BM_ResultsActivation(benchmark::State& state) {
    FillDesign(static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        SetAllRecalc(true);
        RunResultsRecalculation();
        // The calculations of the results window's rebuild.
        Design.RequiredAs[0] = NumVal(CalcHituyouAs(0));
        Design.RequiredAs[1] = NumVal(CalcHituyouAs(1));
        CalcSyutekkinTate();
        CalcSyutekkinYoko();
        PickDesignMoment();
        RecalcResult = 0;
        benchmark::DoNotOptimize(GetSizeClass(200));
        benchmark::DoNotOptimize(Design.TateMmax[Design.WorkType]);
    }
}
BENCHMARK(BM_ResultsActivation)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace talvo
