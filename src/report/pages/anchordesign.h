// The design pages of the anchored chapters: the tendon of a ground anchor
// with its anchorage and total length, the rock-bolt steel with its lengths,
// and the bearing pressure and plate thickness under the anchor head.
//
// The verdicts are those of results/designchecks.h, which the question
// before printing asks too. A check line whose value or allowable text holds
// no number (never computed) is an OUT line in red: a report never passes
// what it did not compute. An anchorage length short of its bond lengths and
// a plate thinner than required each print a red line of their own in place
// of the sentence that would adopt the length or thickness.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// InsAnchorKouzai: the tendon, its tensile and yield checks against Pt and
// the closing sentence; opens the chapter "アンカーの検討" with its section
// "テンドンの選定". The sentence calls the tendon safe only when both checks
// pass; otherwise it says, in red, that it is not.
void SetInsAnchorKouzai(LayoutForm& form);
// InsAnchorTyou: the two bond lengths and the anchorage length taken from
// them; numbers the section "アンカー長".
void SetInsAnchorTyou(LayoutForm& form);
// InsAnchorTeityaku: the same bond lengths, the anchorage length by the rule
// of at least 3 m; numbers the section "アンカー長".
void SetInsAnchorTeityaku(LayoutForm& form);
// InsAnchorNagasa: free length plus anchorage length; no heading.
void SetInsAnchorNagasa(LayoutForm& form);

// InsRockTyou: the bolt bar, its shear and tensile checks, the bond lengths
// and the anchorage length; opens the chapter "ロックボルトの検討" with its
// sections "ロックボルト鋼材の選定" and "ロックボルト長". A bar that fails
// either stress check is not adopted: its sentence "…を使用する。" is left
// out.
void SetInsRockTyou(LayoutForm& form);
// InsRockNagasa: slip-surface depth plus anchorage length; no heading.
void SetInsRockNagasa(LayoutForm& form);

// InsSiatu: the allowable bearing stress and the bearing stress under the
// plate with its verdict; opens the chapter "支圧応力度の検討". A row whose
// value was not computed is left out; without σb or σba a red line says the
// bearing stress could not be checked.
void SetInsSiatu(LayoutForm& form);
// InsPrate: the plate's bending moment and its required and adopted
// thickness; opens the chapter "アンカープレートの検討".
void SetInsPrate(LayoutForm& form);

}  // namespace talvo::report
