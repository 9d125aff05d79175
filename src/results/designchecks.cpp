#include "results/designchecks.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "results/requiredentries.h"
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

namespace {

bool FrameWithoutAnchors() {
    return Design.WorkType >= 0 && Design.WorkType <= 2;
}
// The bolt and tendon checks and the anchorage length need a computed Pt:
// a Pt entered directly skips their steps.
bool RockBoltComputed() {
    return Design.WorkType == 3 && Design.PtDirect == 0;
}
bool GroundAnchorComputed() {
    return Design.WorkType == 4 && Design.PtDirect == 0;
}
bool GroundAnchor() {
    return Design.WorkType == 4;
}
bool Always() {
    return true;
}
bool EntriesGiven() {
    return MissingEntryNames().empty();
}
bool RockSteelHolds() {
    return RockShearHolds() && RockTensileHolds();
}
bool TendonHolds() {
    return TendonTensileHolds() && TendonYieldHolds();
}
bool AnchorageHolds() {
    return JudgeAnchorage().holds;
}

void Join(std::string& line, const std::string& name) {
    if (!line.empty()) line += "、";
    line += name;
}

}  // namespace

const std::vector<DesignCheck>& DesignCheckTable() {
    static const std::vector<DesignCheck> table = {
        {kMissingEntriesTitle, Always, EntriesGiven, true},
        {kSectionAnchorBar, FrameWithoutAnchors, AnchorBarHolds},
        {kSectionRockSteel, RockBoltComputed, RockSteelHolds},
        {kSectionRockLength, RockBoltComputed, AnchorageHolds},
        {kSectionTendon, GroundAnchorComputed, TendonHolds},
        {kSectionAnchorLength, GroundAnchorComputed, AnchorageHolds},
        {kSectionBearing, GroundAnchor, BearingHolds},
        {kSectionPlate, GroundAnchor, PlateThickEnough},
    };
    return table;
}

std::vector<std::string> FailedCheckNames() {
    std::vector<std::string> names;
    for (const DesignCheck& c : DesignCheckTable()) {
        if (c.entries || !c.printed() || c.holds()) continue;
        names.push_back(c.title);
    }
    return names;
}

std::string MissingEntriesLine() {
    std::string names;
    for (const std::string& name : MissingEntryNames()) Join(names, name);
    return names.empty() ? names : std::string(kMissingEntriesTitle) + "：" + names;
}

std::string FailedChecksLine() {
    std::string out;
    for (const std::string& name : FailedCheckNames()) Join(out, name);
    std::string line = MissingEntriesLine();
    if (!out.empty()) line += (line.empty() ? "" : "　") + std::string("ＯＵＴ：") + out;
    return line;
}

bool DesignChecksFail() {
    for (const DesignCheck& c : DesignCheckTable())
        if (c.printed() && !c.holds()) return true;
    return false;
}

}  // namespace talvo
