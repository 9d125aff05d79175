#include "steps/designload.h"

#include "calc/anchorload.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

std::string RestraintTermCaption(int mode, int usePlanFs, DesignLoadKind kind) {
    const char* const planFs = kind == DesignLoadKind::RockBolt ? "･ＰＦs" : "･PFs";
    const std::string hold = std::string("cosβ") + (usePlanFs != 0 ? planFs : "");
    switch (mode) {
        case kTightening:
            return "sinβ･tanφ";
        case kHolding:
            return hold;
        case kTighteningAndHolding:
            return "sinβ･tanφ＋" + hold;
        default:
            return std::string();
    }
}

bool PlanFsOptionOpen(int mode) {
    return mode != kTightening;
}

std::string DeltaPrUnitNote(const std::string& deltaPrCalc) {
    if (NumVal(deltaPrCalc) >= 0) return "(kN/m)";
    // The value as the increase is kept, with one decimal; the display
    // writer's form of a negative number (a blank and two decimals) is not
    // the computed value's.
    return "<" + FormatPattern(deltaPrCalc, "0.0") + ">  (kN/m)";
}

std::string LoadValueText(const std::string& stored) {
    return FormatNum(stored, 6, 1);
}

bool ChooseRestraintMode(int mode) {
    if (mode == Design.RestraintMode) return false;
    DataChanged = 1;
    Design.RestraintMode = static_cast<std::int16_t>(mode);
    RecalcRock();
    return true;
}

bool ChoosePlanFs(bool use) {
    const std::int16_t value = use ? 1 : 0;
    if (value == Design.UsePlanFs) return false;
    DataChanged = 1;
    Design.UsePlanFs = value;
    RecalcRock();
    return true;
}

}  // namespace talvo
