// The checks of a design that stand beside the results grid: the tendon of a
// ground anchor, the stresses of a rock bolt, the anchorage length against
// the bond lengths, the bearing stress and the thickness of the anchor
// plate, and the shear stress of the main anchor bar of the frames without
// anchors; and, as one more row, the required entries a design must have
// (requiredentries.h). The report pages mark a failed one in red and the
// question before printing asks about any of them through these predicates
// and the one table below alone, so the screen, the paper and the question
// never tell two stories.
//
// Each compares the texts stored in the design, which are the numbers the
// pages print, the way its step window compares them. Where a step waits for
// a value not given yet and shows no verdict, a check here does not hold: a
// report never passes what nobody could check.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

// The titles of the report sections that print the checks above, as the
// pages number them and as the line below names a failed one.
inline constexpr const char* kSectionAnchorBar = "主アンカーの検討";
inline constexpr const char* kSectionRockSteel = "ロックボルト鋼材の選定";
inline constexpr const char* kSectionRockLength = "ロックボルト長";
inline constexpr const char* kSectionTendon = "テンドンの選定";
inline constexpr const char* kSectionAnchorLength = "アンカー長";
inline constexpr const char* kSectionBearing = "支圧応力度の検討";
inline constexpr const char* kSectionPlate = "アンカープレートの検討";

// What the line names for the required entries left empty, and for those
// holding a number their box would refuse (requiredentries.h).
inline constexpr const char* kMissingEntriesTitle = "未入力";
inline constexpr const char* kOutOfRangeEntriesTitle = "範囲外";

// One row of what is checked beside the results grid. A check row names its
// report section (`title`), tells whether the design's reports print it and
// judges it. The row of the required entries (`entries`) holds while each is
// given and in range; the line names the empty ones after
// kMissingEntriesTitle and the refused ones after kOutOfRangeEntriesTitle.
struct DesignCheck {
    const char* title;
    bool (*printed)();
    bool (*holds)();
    bool entries = false;
};

// Every check, in the order the line names them: the required entries
// first, then for the frames without anchors (work types 0 to 2) the main
// anchor bar; for rock bolts (3) with a computed Pt the bolt stresses and the
// anchorage length; for ground anchors (4) with a computed Pt the tendon and
// the anchorage length, and with any Pt the bearing stress and the plate
// thickness. The question before printing, the results window's line and
// the reports' lines go by this table alone.
const std::vector<DesignCheck>& DesignCheckTable();

// The check rows the design's reports print and that have failed, by their
// titles in table order, each once (the required entries not among them).
std::vector<std::string> FailedCheckNames();

// "未入力：" and the names of the required entries never entered joined by
// "、", then, parted by a full-width blank, "範囲外：" and the names of those
// out of range; a part with no name is left out, and the line is empty while
// every required entry is given and in range.
std::string MissingEntriesLine();

// The one line that names everything that fails: the missing entries'
// part, then "ＯＵＴ：" and the names of the failed checks joined by "、",
// the two parts parted by a full-width blank; empty while everything holds.
// The short report and the results window show it whole, broken over as
// many lines as their width needs (BreakChecksLine).
std::string FailedChecksLine();

// One of the lines above broken between its names, for a width that cannot
// hold it whole: a piece ends after a "、" or after the blank between the two
// parts, never inside a name or a title, and takes as many names as fit in
// `width` by `measure`, with what follows the last of them. A name
// wider than `width` stands alone on its piece. The pieces joined again give
// the line; none for an empty line.
std::vector<std::string> BreakChecksLine(const std::string& line, double width,
                                         const std::function<double(const std::string&)>& measure);

// The same in columns of a fixed-pitch face, as the report prints: a
// half-width character (ASCII, half-width katakana) one column, any other
// character two (TextColumns).
std::vector<std::string> BreakChecksLine(const std::string& line, int columns);
int TextColumns(std::string_view text);

// Some row of the table has failed: a check, or a required entry is empty.
bool DesignChecksFail();

}  // namespace talvo
