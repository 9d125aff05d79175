#include "results/designchecks.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
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
    return MissingEntryNames().empty() && OutOfRangeEntryNames().empty();
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
    std::string line;
    auto part = [&line](const char* title, const std::vector<std::string>& names) {
        if (names.empty()) return;
        std::string joined;
        for (const std::string& name : names) Join(joined, name);
        line += (line.empty() ? "" : "　") + std::string(title) + "：" + joined;
    };
    part(kMissingEntriesTitle, MissingEntryNames());
    part(kOutOfRangeEntriesTitle, OutOfRangeEntryNames());
    return line;
}

std::string FailedChecksLine() {
    std::string out;
    for (const std::string& name : FailedCheckNames()) Join(out, name);
    std::string line = MissingEntriesLine();
    if (!out.empty()) line += (line.empty() ? "" : "　") + std::string("ＯＵＴ：") + out;
    return line;
}

std::vector<std::string> BreakChecksLine(const std::string& line, double width,
                                         const std::function<double(const std::string&)>& measure) {
    static constexpr std::string_view kComma = "、";
    static constexpr std::string_view kBlank = "　";
    // The names with what follows each: a piece may end after any of them.
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.size();
        for (std::string_view mark : {kComma, kBlank}) {
            const std::size_t at = line.find(mark, start);
            if (at != std::string::npos) end = std::min(end, at + mark.size());
        }
        names.push_back(line.substr(start, end - start));
        start = end;
    }
    std::vector<std::string> pieces;
    for (const std::string& name : names) {
        if (!pieces.empty() && measure(pieces.back() + name) <= width) {
            pieces.back() += name;
        } else {
            pieces.push_back(name);
        }
    }
    return pieces;
}

int TextColumns(std::string_view text) {
    int columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // The half-width forms U+FF61 to U+FFBF (katakana and hangul):
        // EF BD A1 to EF BE BF.
        const bool halfKana = length == 3 && lead == 0xEF && i + 2 < text.size() &&
                              ((static_cast<unsigned char>(text[i + 1]) == 0xBD &&
                                static_cast<unsigned char>(text[i + 2]) >= 0xA1) ||
                               static_cast<unsigned char>(text[i + 1]) == 0xBE);
        columns += length == 1 || halfKana ? 1 : 2;
        i += length;
    }
    return columns;
}

std::vector<std::string> BreakChecksLine(const std::string& line, int columns) {
    return BreakChecksLine(line, columns,
                           [](const std::string& piece) { return TextColumns(piece); });
}

bool DesignChecksFail() {
    for (const DesignCheck& c : DesignCheckTable())
        if (c.printed() && !c.holds()) return true;
    return false;
}

}  // namespace talvo
