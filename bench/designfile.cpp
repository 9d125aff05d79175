// Round trip of a design with every stored field filled: in memory, and
// through a real file (temporary file, fsync, rename, then read).
#include "shell/designfile.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

namespace {

talvo::DesignData FullDesign() {
    talvo::DesignData d;
    d.WorkType = 4;
    d.DistrictName = "北地区　第２工区";
    d.LineName = "ｿｸｾﾝ No.12～No.15";
    d.Remarks = "のり枠工 試算";
    d.SoilName = "砂質土";
    d.InfillName = "中詰め土";
    d.FrameMaterial = "吹付け枠";
    d.TendonName = "PC鋼より線";
    d.TendonStandard = "SWPR7BL 1S12.7";
    // clang-format off
    std::string* texts[] = {
        &d.SectionBx, &d.SectionHx, &d.SectionDx, &d.SectionBy, &d.SectionHy, &d.SectionDy,
        &d.SpanCountY, &d.SpanCountX, &d.SpanY, &d.SpanX, &d.OverhangUpper, &d.OverhangLower,
        &d.OverhangLeft, &d.OverhangRight, &d.AnchorCountY, &d.AnchorCountX, &d.PitchY,
        &d.PitchX, &d.AnchorOverhangUpper, &d.AnchorOverhangLower, &d.AnchorOverhangLeft,
        &d.AnchorOverhangRight, &d.SoilGamma, &d.SnowDepth, &d.SnowGamma, &d.InfillThick,
        &d.InfillGamma, &d.FrameGamma, &d.SlopeN, &d.SlopeAngle, &d.TotalLengthY,
        &d.TotalLengthX, &d.SlopeHeight, &d.PlanFs, &d.Pr, &d.SlipAngle, &d.HorizSpacing,
        &d.RowCount, &d.InstallAngle, &d.FrictionAngle, &d.TanPhi, &d.KusabiL1, &d.KusabiL2,
        &d.KusabiH, &d.KusabiAlpha, &d.EnkoL1, &d.EnkoL2, &d.EnkoL3, &d.DeltaFs, &d.SigmaCk,
        &d.SigmaCa, &d.TauCa, &d.TauOa, &d.SigmaSa, &d.AncBarTauSa, &d.AncBarFs,
        &d.AncBarTauS, &d.RockTauSa, &d.RockSigmaSa, &d.RockTau, &d.RockSigma, &d.RockDa,
        &d.RockTauG, &d.RockTauB, &d.RockFs, &d.RockLa, &d.RockLf, &d.RockLength, &d.Tus,
        &d.Tys, &d.TusAllow, &d.TysAllow, &d.AnchorDs, &d.AnchorDa, &d.AnchorTauG,
        &d.AnchorTauB, &d.AnchorFs, &d.AnchorLa, &d.AnchorLf, &d.AnchorLength, &d.PlateU,
        &d.PlateSigma, &d.PlateT, &d.PtCalc, &d.PtInput};
    // clang-format on
    int n = 0;
    for (std::string* t : texts) *t = "  " + std::to_string(100 + n++) + ".25";
    for (int i = 0; i < 5; ++i) d.TateShearX[i] = d.ShearXInput[i] = "0.350";
    return d;
}

void BM_RoundTripInMemory(benchmark::State& state) {
    const talvo::DesignData design = FullDesign();
    talvo::DesignData read;
    for (auto _ : state) {
        const std::string bytes = talvo::SerializeDesign(design);
        talvo::ParseDesignBytes(bytes, read);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_RoundTripInMemory);

void BM_RoundTripThroughFile(benchmark::State& state) {
    const talvo::DesignData design = FullDesign();
    const std::string path = "/tmp/talvo_bench_" + std::to_string(::getpid()) + ".kvd";
    talvo::DesignData read;
    for (auto _ : state) {
        talvo::WriteDesignFile(path, design);
        talvo::ReadDesignFile(path, read);
        benchmark::DoNotOptimize(read);
    }
    ::unlink(path.c_str());
}
BENCHMARK(BM_RoundTripThroughFile)->Unit(benchmark::kMicrosecond);

}  // namespace
