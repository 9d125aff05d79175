#include "steps/anchorbar.h"

#include <algorithm>
#include <array>

#include "calc/anchorage.h"
#include "calc/recalc.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

namespace {

constexpr int kLastBar = static_cast<int>(std::tuple_size_v<decltype(RebarSpecTable)>) - 1;

bool InTable(int index) {
    return index >= 0 && index <= kLastBar;
}

}  // namespace

std::string AnchorBarName(int index) {
    if (!InTable(index)) return {};
    return "   " + RebarSpecTable[static_cast<std::size_t>(index)].Name;
}

std::string AnchorBarArea(int index) {
    if (!InTable(index)) return {};
    // cm² → mm², as a decimal text, so that an area on a step of the
    // decimals (1.0 cm² = 100 mm²) is not put below it by binary noise.
    const std::string as = NumStr(RebarSpecTable[static_cast<std::size_t>(index)].Area * 100.0);
    const double value = NumVal(as);
    const int decimals = value >= 100 ? 1 : value >= 10 ? 2 : value >= 1 ? 3 : 4;
    return FormatNum(as, 5, decimals);
}

std::string ShownTauS(const std::string& tauS) {
    return FormatNum(tauS, 5, 1);
}

void UpdateAncBarTauS() {
    CalcAncBarTauS();
}

void RunAnchorBarOnActivation() {
    RunForceOnActivation();
    if (RecalcAnchorBar == 1) {
        CalcAncBarTauS();
        RecalcAnchorBar = 0;
    }
}

bool StepAnchorBar(int step) {
    const int current = std::clamp<int>(Design.AncBarIndex, 0, kLastBar);
    const int next = std::clamp(current + step, 0, kLastBar);
    if (next == Design.AncBarIndex) return false;
    Design.AncBarIndex = static_cast<std::int16_t>(next);
    DataChanged = 1;
    UpdateAncBarTauS();
    return true;
}

AnchorBarVerdict JudgeAnchorBar(const std::string& tauSa, const std::string& tauS) {
    if (!Present(tauSa) || !Present(tauS)) return {};
    if (NumVal(tauSa) >= NumVal(tauS)) return {"ok", false};
    return {"out", true};
}

std::string AnchorBarTauSMissing() {
    if (!HoldsNumber(Design.YokoQ)) return kNoLoadQ;
    const int index = Design.AncBarIndex;
    if (!InTable(index) || !(RebarSpecTable[static_cast<std::size_t>(index)].Area > 0))
        return kNoBarArea;
    if (!HoldsNumber(Design.AncBarFs)) return kNoFs;
    return {};
}

}  // namespace talvo
