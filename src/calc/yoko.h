// Continuous-beam coefficient formulas, the shear check distance, and the
// loads, design moment and design shear of the horizontal beams of the
// frame-only work types (0 to 2).
#pragma once

#include <cstdint>

namespace talvo {

// Maximum bending moment (kN·m) of a beam part under the uniform load w (kN/m)
// from SpanCoefficients: spans 0 is an overhang (cantilever of length L),
// 1 a single span of length L with the overhangs of `direction` (0 vertical:
// upper/lower, 1 horizontal: left/right; frame overhangs for work types 0 to 2,
// anchor-layout overhangs for 3 and 4), 2 and more continuous spans. A count
// above 4 is lowered to 4 in the caller's variable.
double CalcMmaxSiki(std::int16_t& spans, double L, double w, std::int16_t direction);

// Maximum shear force (kN), same arguments and rules as CalcMmaxSiki.
double CalcSmaxSiki(std::int16_t& spans, double L, double w, std::int16_t direction);

// Distance (m) from the support of the section where the design shear is
// taken: mode 0 the entered ShearXInput[WorkType], 1 half the width of the
// supporting beam, 2 that plus half the height of the beam itself;
// direction 0 vertical, 1 horizontal beam. Any other mode or direction: 0.
double CalcSendanX(std::int16_t mode, std::int16_t direction);

// Percentage of the snow depth taken for the slope gradient n (1:n), from
// SnowRule; snowClass receives 0, 1 or 2 (which percentage applied).
double SnowDepthPercent(double n, std::int16_t& snowClass);

// Weights on one horizontal-beam span (YokoWc, YokoWe, YokoWs, YokoW and,
// with snow, YokoSnowDepth and SnowClass); returns Q = W·sin θ0 in kN,
// unrounded, or 0 when an input is missing.
double CalcYokoKajyuu();

// Uniform load w = (stored YokoQ)/x in kN/m, 0 when x is 0.
double CalcYokoW();

// Horizontal-beam loads and design moment: YokoQ, YokoLoadW, Mmax[1][0],
// Mmax[1][1] and YokoMmax[WorkType].
void CalcYokoMmax();

// Horizontal-beam design shear from the stored YokoLoadW and YokoQ (run after
// CalcYokoMmax): YokoShearX[WorkType], Smax[1][0], Smax[1][1], YokoSmax[WorkType].
void CalcYokoSmax();

}  // namespace talvo
