// The rules of the design-load steps of the rock bolts (work type 3) and the
// ground anchors (work type 4): how the bolts or anchors restrain the slope
// (tightening, holding, or both), whether the holding term takes the planned
// safety factor PFs, the denominator of the design-load formula those two
// choices give, and the texts of the values the steps show.
//
// The two steps are twins: what differs is told by DesignLoadKind. A choice
// that changes the stored one recomputes the anchored chain at once, since
// the step shows the design load that follows from it.
#pragma once

#include <string>

namespace talvo {

// Which of the twin steps: the rock bolts show the shear force S per bolt
// too, and write PFs with full-width letters.
enum class DesignLoadKind { RockBolt, GroundAnchor };

// Restraint modes as DesignData.RestraintMode stores them.
inline constexpr int kTightening = 0;
inline constexpr int kHolding = 1;
inline constexpr int kTighteningAndHolding = 2;

// The restraint term c as the formula's denominator shows it: "sinβ･tanφ",
// "cosβ" or "sinβ･tanφ＋cosβ", the cos β term followed by PFs when the
// planned safety factor is used. Tightening alone has no cos β term, so it
// shows no PFs whatever the option says. An unknown mode shows nothing.
std::string RestraintTermCaption(int mode, int usePlanFs, DesignLoadKind kind);

// The planned safety factor multiplies the cos β term: without holding there
// is nothing for it to act on, and its box is closed (keeping its value).
bool PlanFsOptionOpen(int mode);

// The note beside ΔPr: "(kN/m)" while the computed increase is 0 or more
// (an empty one counts as 0); a negative one, which the load takes as 0.0,
// is shown with one decimal in angle brackets before the unit
// ("<-1.3>  (kN/m)").
std::string DeltaPrUnitNote(const std::string& deltaPrCalc);

// A shown value (S, ΔPr, Pt): the stored text with six integer places and
// one decimal; an empty text stays empty.
std::string LoadValueText(const std::string& stored);

// The engineer picks restraint mode `mode`. The mode in force changes
// nothing (false). Otherwise the design is marked changed, the mode stored
// and the anchored chain (RecalcRock) rerun; true.
bool ChooseRestraintMode(int mode);

// The engineer ticks (true) or unticks the planned safety factor. A state
// equal to the stored one changes nothing (false); otherwise the design is
// marked changed, the option stored and RecalcRock rerun; true.
bool ChoosePlanFs(bool use);

}  // namespace talvo
