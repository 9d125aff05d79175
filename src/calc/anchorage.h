// Anchorage of the rock bolts and ground anchors: bond lengths, total length,
// bearing pressure under the anchor plate and the plate thickness.
#pragma once

#include <string>

namespace talvo {

// Required bond lengths ground–grout (La1, with the pull-out safety factor)
// and grout–steel (La2), rounded up to a millimetre and then to 0.1 m.
// Work types 3 and 4 only.
void CalcTeityaku();

// Total length LA = La + Lf of the rock bolt (work type 3) or anchor (4).
void CalcZentyou();

// Bearing pressure of the concrete under the anchor plate and its allowable
// value (ground anchors). The plate bears on what it covers beyond the
// box-out, so the check is computed for a box-out D up to the plate width u
// and left empty for D > u (and for a plate of no area).
void CalcSiatu();

// Required thickness of the anchor plate (ground anchors), left empty where
// the bearing check has no bearing area (D > u): a plate that falls into its
// box-out cannot be sized.
void CalcPrate();

// Shear stress τs of the main anchor bar of the frame-only types, N/mm²:
// the horizontal beam's Q (kN) over the bar's nominal area times the safety
// factor Fs, rounded up to one decimal, into AncBarTauS as its step shows
// it: one decimal in five integer places ("   46.5"). Its step, the results
// and a file all hold that one text. Without a load Q, a safety factor Fs or
// a bar of known area there is none: the field is left empty.
void CalcAncBarTauS();

// The allowable load factor × load of a ground anchor's tendon, as its step
// shows and stores it ("  130.00" is " 130.00": 4 integer places, 2
// decimals): the load's leading number, 0 for an empty load.
std::string TendonAllowableLoad(const std::string& factor, const std::string& load);

// The tendon's allowable tensile and yield loads (TusAllow, TysAllow): the
// factors of the anchor kind in use (a kind outside 0 to 2 counts as 0) on
// the stored Tus and Tys, whatever the step's whole-kN boxes show of them.
// The tendon step stores them through this when a load or the kind changes,
// and the results bring them up to date with the other anchorage values, so
// a design read from a file holds the same allowables whether its steps were
// shown or not.
void CalcTendonAllowables();

// The beam under the anchor head: the narrower beam width (the vertical beam
// on a tie) as its stored text, and the ground-anchor box-out diameter of its
// width class with leading blanks removed. CalcSiatu and CalcPrate both take
// it from here, so the plate never uses the box-out of an earlier design.
struct AnchorHead {
    std::string FrameB;
    std::string BoxOutD;
};
AnchorHead AnchorHeadFrame();

// A length in m rounded up to the next 0.1 m, a length on a multiple staying,
// as "0.0" text; worked in whole thousandths so that 2.001 goes to 2.1.
std::string RoundUpTenth(double length);

}  // namespace talvo
