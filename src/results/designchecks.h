// The checks of a design that stand beside the results grid: the tendon of a
// ground anchor, the stresses of a rock bolt, the anchorage length against
// the bond lengths, the bearing stress and the thickness of the anchor
// plate, and the shear stress of the main anchor bar of the frames without
// anchors. The report pages mark a failed one in red and the question before
// printing asks about any of them through these predicates alone, so the
// paper and the question never tell two stories.
//
// Each compares the texts stored in the design, which are the numbers the
// pages print, the way its step window compares them. Where a step waits for
// a value not given yet and shows no verdict, a check here does not hold: a
// report never passes what nobody could check.
#pragma once

#include <string>
#include <vector>

namespace talvo {

// The tendon's allowable tensile load (TusAllow) and allowable yield load
// (TysAllow) each carry the design load Pt (a tie holds).
bool TendonTensileHolds();
bool TendonYieldHolds();

// The rock bolt's shear stress τ within τsa, its tensile stress σ within σsa.
bool RockShearHolds();
bool RockTensileHolds();

// The anchorage length La of the design's rock bolt (work type 3) or ground
// anchor (any other) against the bond lengths La1 and La2 raised to the next
// 0.1 m, as the anchorage-length steps judge it. It holds when La is given
// and reaches both. When it falls short of a bond length that was computed,
// `governing` is the longer such length (the one La would have to reach);
// otherwise (no La, or a bond length that could not be computed) it is
// empty: there is nothing to compare La with.
struct AnchorageVerdict {
    bool holds = false;
    std::string governing;
};
AnchorageVerdict JudgeAnchorage();

// The bearing stress σb under the plate within its allowable σba.
bool BearingHolds();

// The adopted plate thickness t at least the required one.
bool PlateThickEnough();

// The main anchor bar's shear stress τs within τsa. A τs that could not be
// computed (no load Q, no Fs, no bar area) is stored empty and never holds.
bool AnchorBarHolds();

// The checks above that the design's reports print and that have failed, by
// the names of their report sections in report order, each once: for the
// frames without anchors (work types 0 to 2) the main anchor bar
// ("主アンカーの検討"); for rock bolts (3) with a computed Pt the bolt stresses
// ("ロックボルト鋼材の選定") and the anchorage length ("ロックボルト長"); for
// ground anchors (4) with a computed Pt the tendon ("テンドンの選定") and the
// anchorage length ("アンカー長"), and with any Pt the bearing stress
// ("支圧応力度の検討") and the plate thickness ("アンカープレートの検討").
std::vector<std::string> FailedCheckNames();

// The one line that names them all, "ＯＵＴ：" and the names joined by "、";
// empty while every check holds. The short report and the results window
// show it as it stands.
std::string FailedChecksLine();

// Some check above has failed.
bool DesignChecksFail();

}  // namespace talvo
