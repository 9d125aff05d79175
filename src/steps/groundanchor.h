// The rules of the two ground-anchor steps (work type 4).
//
// The tendon step: the anchor kind fixes a factor on the tendon's tensile
// load Tus and one on its yield load Tys; each allowable load (factor × load)
// is checked against the design load Pt per anchor, and the load the tendon
// would need is Pt ÷ factor. The anchorage-length step: the anchorage length
// La against the two raised bond lengths and its standard range, and the free
// length Lf against its own.
//
// Verdicts compare the texts as the window shows them, so a tie passes.
#pragma once

#include <cstddef>
#include <string>

namespace talvo {

// ---- The tendon ----

// The two tendon names are kept within 28 bytes of code page 932.
inline constexpr std::size_t kTendonNameBytes = 28;
inline constexpr const char* kTendonNameMessage = "文字数は半角で２８文字までです。";

// The kinds of anchor, as their option captions (index = DesignData.AnchorKind).
inline constexpr int kAnchorKindCount = 3;
inline constexpr const char* kAnchorKindCaption[kAnchorKindCount] = {
    "仮設アンカー", "永久アンカー（常時）", "永久アンカー（地震時）"};

// A stored kind as the window can show it: 0 to 2 as it stands, anything
// else (which only a damaged record holds) the kind of a new design, 0.
int AnchorKindInUse(int kind);

// The allowable load factor × load as shown ("  130.00" is " 130.00" with 4
// integer places): the load's leading number, 0 for an empty load.
std::string TendonAllowable(const std::string& factor, const std::string& load);

// The load the tendon needs for Pt as shown: Pt ÷ factor with 5 integer
// places and one decimal ("  153.8"); 0 for an empty Pt. A factor of 0 would
// need no finite load: the result is then empty.
std::string TendonRequired(const std::string& ptShown, const std::string& factor);

// The yield load may not stand above the tensile load: the message that
// refuses the pair, naming both loads, or "" when it stands (also while
// either load is empty).
std::string TendonLoadsMessage(const std::string& tus, const std::string& tys);

// The mark of one row: the relation sign and the verdict.
struct TendonMark {
    std::string sign;     // "≧", "＜" or "" (no verdict)
    std::string verdict;  // "ok", "out" or ""
    bool out = false;     // the verdict is "out" (red)
};
// No verdict while the stored allowable or Pt is empty; otherwise the
// allowable as shown against Pt as shown: at least Pt passes.
TendonMark JudgeTendon(const std::string& allowStored, const std::string& ptStored,
                       const std::string& allowShown, const std::string& ptShown);

// ---- The anchorage and free lengths ----

inline constexpr const char* kBelowBondMessage = "定着長が付着長を下回っています。";
inline constexpr const char* kLaRangeMessage = "標準の入力範囲は、3～10です。";
inline constexpr const char* kLfRangeMessage = "標準の入力範囲は、4～30です。";

enum class LengthVerdict {
    Ok,
    BelowBond,     // La shorter than a raised bond length, or none to compare with
    OutsideRange,  // outside the standard range (La 3 to 10 m, Lf 4 to 30 m)
};

// The anchorage length La against the raised bond lengths La1 and La2 first
// (an entered La needs both, and at least each), then against 3 to 10 m. An
// empty La is Ok.
LengthVerdict JudgeAnchorLa(const std::string& la, const std::string& la1Up,
                            const std::string& la2Up);
// The same in the step, where the design load Pt may not exist yet: without
// it there are no bond lengths to hold La against, so La is judged against
// its standard range alone until the load is worked out.
LengthVerdict JudgeAnchorLa(const std::string& la, const std::string& la1Up,
                            const std::string& la2Up, const std::string& pt);
// The free length Lf against 4 to 30 m; an empty Lf is Ok.
LengthVerdict JudgeAnchorLf(const std::string& lf);

// The warning of a La or Lf verdict; empty for Ok.
std::string LaMessage(LengthVerdict v);
std::string LfMessage(LengthVerdict v);

}  // namespace talvo
