// Design loads of the anchored work types 3 (rock bolts) and 4 (ground
// anchors) and the chain that recomputes them.
//
// Each bolt or anchor supplies its share of the required restraining force,
// raised by the extra force that holds the frame's own weight; its design load
// then acts on the frame as a uniform load along both beam directions, which
// are designed as continuous beams on the anchors.
#pragma once

namespace talvo {

// The whole chain: horizontal spacing, weights, design load (unless entered
// directly), uniform loads, moments and shears; raises RecalcResult.
void RecalcRock();

// Horizontal spacing of the bolts or anchors (HorizSpacing, "    2.000"): the
// horizontal pitch, halved when a staggered layout (Staggered) puts every
// other row half a pitch across, which is only possible when both pitches
// are even multiples of their frame spans. Empty without a horizontal span
// or pitch. The load conditions step stores it through this too.
void CalcHorizSpacing();

// Weights of one vertical strip of the frame (one horizontal span wide) and
// the increase ΔPr of the restraining force (DesignData.DeltaPrCalc, and
// DesignData.DeltaPr = the positive part).
void CalcSekkeiJyuuryo();

// Restraint coefficient c of DesignData.RestraintMode and UsePlanFs (0 for an
// unknown mode), shared by the two design-load procedures.
double RestraintCoef();

// Design load per rock bolt (work type 3) with the bolt's shear and tensile
// stresses, and per ground anchor (work type 4).
void CalcRockPt();
void CalcAnchorPt();

// Shear and tensile stress of one rock bolt, τs = S·1000/As and σs =
// Pt·1000/As in N/mm² (DesignData.RockTau, DesignData.RockSigma), As the
// nominal area of the bar DesignData.RockBarIndex in mm², each rounded up to
// one decimal and kept as "0.0" text. A stress whose force is empty, or a bar
// without a known area, is left empty: a stress never computed must not pass
// a check. The load calculation and the steel step both store the stresses
// through this one rule, so the record does not depend on which ran last.
void CalcRockStress();

// Uniform loads that the design load puts on the vertical and horizontal beams.
void CalcToubunpu();

// Span-part and overhang-part moments and shears of both beam directions and
// their design values (DesignData.TateMmax/YokoMmax/TateSmax/YokoSmax of the
// work type). CalcRockSmax also writes the shear check distances.
void CalcRockMmax();
void CalcRockSmax();

}  // namespace talvo
