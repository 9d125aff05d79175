// The worked design of the design-load and load-sharing tests: a filled
// design of work type 3 or 4 whose inputs give round numbers.
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
// (L_x = 6.800 from the filled design).
#pragma once

#include <cstdint>

#include "calc/calc_fixture.h"

namespace talvo::test {

inline void FillWorkedAnchorDesign(std::int16_t workType) {
    FillDesign(workType);
    DesignData& d = Design;
    d.SpanY = "  3.500";
    d.OverhangUpper = "  1.000";
    d.OverhangLower = "  1.000";
    d.TotalLengthY = "16.000";
    d.AnchorCountY = "  5";
    d.PitchY = "  3.500";
    d.AnchorOverhangUpper = "  1.000";
    d.AnchorOverhangLower = "  1.000";
    d.FrameGamma = "   25.0";
    d.UseInfill = 0;
    d.UseSnow = 0;
    d.PlanFs = "    1.80";
    d.Pr = "   50.0";
    d.SlipAngle = "   30.00";
    d.InstallAngle = "   15.00";
    d.RowCount = "    1";
    d.FrictionInputMode = 0;
    d.FrictionAngle = "   30.00";
    d.TanPhi = "    0.57735";
    d.Staggered = 0;
    d.RestraintMode = 1;
    d.UsePlanFs = 0;
}

}  // namespace talvo::test
