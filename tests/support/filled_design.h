// Filled designs per work type, for the tests and the benchmarks (Qt-free,
// no test framework).
//
// The texts are laid out as the input steps store them (right-aligned, blanks
// included), so every calculation also reads past leading blanks. A test or
// benchmark changes single fields on top of FillDesign to reach its case.
#pragma once

#include <cmath>
#include <cstdint>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"

namespace talvo::test {

// The program-wide state as at start-up: a new design, the built-in tables
// and π.
inline void ResetCalcState() {
    ResetProgramState();
    InitAllTables();
    Pi = 4 * std::atan(1.0);
}

// A frame of 200 × 200 mm beams in both directions on a 1:1.00 (45°) slope:
// 4 vertical spans of 2.000 m (overhangs 0.500 above and below, L_y = 9.000),
// 3 horizontal spans of 2.000 m (overhangs 0.500 left and 0.300 right,
// L_x = 6.800), frame 24.0, infill 100 mm of 18.0 considered, snow 1.00 m of
// 3.0 not considered.
//
// Work type 0 adds the wedge L1 = 5.000, L2 = 2.000 entered (mode 0) with its
// derived H = 3.536 and α = 32.57, soil 18.0, ΔFs 0.20; work type 1 the arc
// L1 = 6.000, L2 = 1.500, L3 = 1.000 with the same soil and ΔFs; work type 2
// nothing more; work types 3 and 4 the anchor layout (5 × 4 anchors at
// 2.000 m, anchor overhangs 0.500), the restraint conditions and the
// anchorage and plate data of rock bolts (3) or ground anchors (4).
inline void FillDesign(std::int16_t workType) {
    ResetCalcState();
    DesignData& d = Design;
    d.WorkType = workType;
    d.DistrictName = "試験地区";
    d.LineName = "No.1";

    d.SectionBx = " 200";
    d.SectionHx = " 200";
    d.SectionDx = " 150";
    d.SectionBy = " 200";
    d.SectionHy = " 200";
    d.SectionDy = " 150";
    d.SameSection = 1;

    d.SpanCountX = " 3";
    d.SpanCountY = " 4";
    d.SpanX = " 2.000";
    d.SpanY = " 2.000";
    d.OverhangUpper = " 0.500";
    d.OverhangLower = " 0.500";
    d.OverhangLeft = " 0.500";
    d.OverhangRight = " 0.300";
    d.TotalLengthY = " 9.000";
    d.TotalLengthX = " 6.800";

    d.SlopeInputMode = 1;
    d.SlopeN = "1.00";
    d.SlopeAngle = "45.00";
    d.SlopeHeight = "  6.364";

    d.FrameMaterial = "コンクリート";
    d.FrameGamma = "24.0";
    d.InfillName = "土砂";
    d.InfillThick = " 100";
    d.InfillGamma = "18.0";
    d.UseInfill = 1;
    d.SnowDepth = "1.00";
    d.SnowGamma = " 3.0";
    d.UseSnow = 0;

    d.ShearXMode = {1, 1, 1, 1, 1};

    d.SigmaCk = "18";
    d.SigmaCa = " 6.0";
    d.TauCa = "0.33";
    d.TauOa = "0.80";
    d.SigmaSa = "160";

    switch (workType) {
        case 0:
            d.SoilName = "砂質土";
            d.SoilGamma = "18.0";
            d.KusabiInputMode = 0;
            d.KusabiL1 = "  5.000";
            d.KusabiL2 = "  2.000";
            d.KusabiH = "  3.536";
            d.KusabiAlpha = "  32.57";
            d.DeltaFs = "0.20";
            break;
        case 1:
            d.SoilName = "砂質土";
            d.SoilGamma = "18.0";
            d.EnkoL1 = "  6.000";
            d.EnkoL2 = "  1.500";
            d.EnkoL3 = "  1.000";
            d.DeltaFs = "0.20";
            break;
        case 3:
        case 4:
            d.AnchorCountY = " 5";
            d.AnchorCountX = " 4";
            d.PitchY = " 2.000";
            d.PitchX = " 2.000";
            d.AnchorOverhangUpper = " 0.500";
            d.AnchorOverhangLower = " 0.500";
            d.AnchorOverhangLeft = " 0.500";
            d.AnchorOverhangRight = " 0.300";
            d.SoilName = "砂質土";
            d.SoilGamma = "18.0";
            d.PlanFs = "1.20";
            d.Pr = "  50.0";
            d.SlipAngle = "30.0";
            d.HorizSpacing = "2.000";
            d.RowCount = " 5";
            d.InstallAngle = "15.0";
            d.FrictionInputMode = 0;
            d.FrictionAngle = "30.0";
            d.RestraintMode = 1;
            d.UsePlanFs = 0;
            d.PtDirect = 0;
            d.PlateU = " 150";
            d.PlateSigma = "185";
            d.PlateT = "12.0";
            if (workType == 3) {
                d.RockTauSa = " 80";
                d.RockSigmaSa = "160";
                d.RockDa = " 65";
                d.RockTauG = "0.20";
                d.RockTauB = "1.60";
                d.RockFs = "2.5";
                d.RockLa = " 2.0";
                d.RockLf = " 1.5";
            } else {
                d.TendonName = "PC鋼より線";
                d.TendonStandard = "SWPR7BL 1S12.7";
                d.Tus = " 183.0";
                d.Tys = " 156.0";
                d.AnchorKind = 1;
                d.AnchorDs = "12.7";
                d.AnchorDa = "115";
                d.AnchorTauG = "0.30";
                d.AnchorTauB = "0.80";
                d.AnchorFs = "2.5";
                d.AnchorLa = " 3.0";
                d.AnchorLf = " 4.0";
            }
            break;
        default:
            break;
    }
}

// The worked design of the design-load and load-sharing tests: the filled
// design of work type 3 or 4 with inputs that give round numbers.
//
// Frame of 200 × 200 mm beams, 4 vertical spans of 3.500 m with overhangs of
// 1.000 (L_y = 16.000, n = 5 horizontal beams), horizontal span 2.000, frame
// 25.0 kN/m³, no infill and no snow:
//   Wcy = 25.0·0.2·0.2·16.000 = 16.00, Wcx = 0.2·0.2·(2.000 − 0.2)·5·25.0 = 9.00,
//   W = 25.00 kN, W / x = 12.5 kN/m.
// Slip surface θ = 30°, φ = 30°, PFs = 1.80:
//   ΔPr = 1.80·12.5·sin 30° − 12.5·cos 30°·tan 30° = 11.25 − 6.25 = 5.0 kN/m.
// Pr = 50.0, ＠ = the horizontal pitch 2.000 (not staggered), one row,
// installation angle 15°: β = 30° + 15° = 45°.
// Anchors: 5 down the slope at 3.500 (overhangs 1.000), 4 across at 2.000
// (L_x = 6.800 from the filled design). As there, φ is entered as the angle,
// the restraint effect is holding and Pt is not divided by PFs.
inline void FillWorkedAnchorDesign(std::int16_t workType) {
    FillDesign(workType);
    DesignData& d = Design;
    d.SpanY = d.PitchY = "  3.500";
    d.OverhangUpper = d.OverhangLower = d.AnchorOverhangUpper = d.AnchorOverhangLower = "  1.000";
    d.TotalLengthY = "16.000";
    d.AnchorCountY = "  5";
    d.FrameGamma = "   25.0";
    d.UseInfill = 0;
    d.PlanFs = "    1.80";
    d.Pr = "   50.0";
    d.SlipAngle = "   30.00";
    d.InstallAngle = "   15.00";
    d.RowCount = "    1";
    d.FrictionAngle = "   30.00";
    d.TanPhi = "    0.57735";
}

}  // namespace talvo::test
