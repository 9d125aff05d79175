#include "results/designchecks.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "shell/design.h"
#include "shell/numtext.h"
#include "steps/anchorbar.h"
#include "steps/groundanchor.h"
#include "steps/plate.h"
#include "steps/rockbolt.h"

namespace talvo {

namespace {

// Both values were computed or entered, and the step's comparison does not
// fail them.
bool Holds(const std::string& a, const std::string& b, bool out) {
    return HoldsNumber(a) && HoldsNumber(b) && !out;
}

bool TendonHolds(const std::string& allowable) {
    const std::string& pt = Design.Pt;
    return Holds(allowable, pt, JudgeTendon(allowable, pt, allowable, pt).out);
}

bool BoltStressHolds(const std::string& stress, const std::string& allowable) {
    return Holds(stress, allowable, StressVerdict(stress, allowable) == kVerdictOut);
}

}  // namespace

bool TendonTensileHolds() {
    return TendonHolds(Design.TusAllow);
}

bool TendonYieldHolds() {
    return TendonHolds(Design.TysAllow);
}

bool RockShearHolds() {
    return BoltStressHolds(Design.RockTau, Design.RockTauSa);
}

bool RockTensileHolds() {
    return BoltStressHolds(Design.RockSigma, Design.RockSigmaSa);
}

AnchorageVerdict JudgeAnchorage() {
    const DesignData& d = Design;
    const bool rockBolt = d.WorkType == 3;
    const std::string& la = rockBolt ? d.RockLa : d.AnchorLa;
    const std::string& up1 = d.BondLa1Up;
    const std::string& up2 = d.BondLa2Up;
    // The two steps word the rule apart; the bond part is the same.
    const bool shortOfBond = rockBolt ? AnchorageLengthShort(la, up1, up2)
                                      : JudgeAnchorLa(la, up1, up2) == LengthVerdict::BelowBond;
    AnchorageVerdict v;
    v.holds = HoldsNumber(la) && !shortOfBond;
    if (v.holds || !HoldsNumber(la)) return v;
    for (const std::string* up : {&up1, &up2}) {
        if (!HoldsNumber(*up) || NumVal(la) >= NumVal(*up)) continue;
        if (v.governing.empty() || NumVal(*up) > NumVal(v.governing)) v.governing = *up;
    }
    return v;
}

bool BearingHolds() {
    const DesignData& d = Design;
    return Holds(d.SigmaB, d.SigmaBa, JudgeBearing(d.SigmaB, d.SigmaBa).out);
}

bool PlateThickEnough() {
    const DesignData& d = Design;
    return Holds(d.PlateT, d.PlateTReq, PlateTooThin(d.PlateTReq, d.PlateT));
}

bool AnchorBarHolds() {
    const DesignData& d = Design;
    return Holds(d.AncBarTauS, d.AncBarTauSa, JudgeAnchorBar(d.AncBarTauSa, d.AncBarTauS).out);
}

std::vector<std::string> FailedCheckNames() {
    const DesignData& d = Design;
    const bool ptComputed = d.PtDirect == 0;
    std::vector<std::string> names;
    switch (d.WorkType) {
        case 0:
        case 1:
        case 2:
            if (!AnchorBarHolds()) names.push_back("主アンカーの検討");
            break;
        case 3:
            if (!ptComputed) break;
            if (!(RockShearHolds() && RockTensileHolds()))
                names.push_back("ロックボルト鋼材の選定");
            if (!JudgeAnchorage().holds) names.push_back("ロックボルト長");
            break;
        case 4:
            if (ptComputed) {
                if (!(TendonTensileHolds() && TendonYieldHolds()))
                    names.push_back("テンドンの選定");
                if (!JudgeAnchorage().holds) names.push_back("アンカー長");
            }
            if (!BearingHolds()) names.push_back("支圧応力度の検討");
            if (!PlateThickEnough()) names.push_back("アンカープレートの検討");
            break;
        default:
            break;
    }
    return names;
}

std::string FailedChecksLine() {
    std::string line;
    for (const std::string& name : FailedCheckNames()) {
        line += line.empty() ? "ＯＵＴ：" : "、";
        line += name;
    }
    return line;
}

bool DesignChecksFail() {
    return !FailedCheckNames().empty();
}

}  // namespace talvo
