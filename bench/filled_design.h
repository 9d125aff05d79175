// The filled design the benchmarks run on, per work type.
#pragma once

#include <cmath>
#include <cstdint>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"

namespace talvo::bench {

// A 200 × 200 mm frame on a 1:1.00 slope, 4 × 3 spans of 2.000 m, with the
// wedge, the arc or the anchor layout and anchorage data of the work type.
inline void FillDesign(std::int16_t workType) {
    InitDesignData();
    InitAllTables();
    Pi = 4 * std::atan(1.0);
    DesignData& d = Design;
    d.WorkType = workType;
    d.SectionBx = d.SectionHx = d.SectionBy = d.SectionHy = " 200";
    d.SectionDx = d.SectionDy = " 150";
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

}  // namespace talvo::bench
