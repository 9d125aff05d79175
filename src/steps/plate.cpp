#include "steps/plate.h"

#include "calc/anchorage.h"
#include "calc/recalc.h"
#include "shell/numtext.h"

namespace talvo {

void RunBearingOnActivation() {
    RunRockOnActivation();
    CalcSiatu();
}

BearingVerdict JudgeBearing(const std::string& sigmaB, const std::string& sigmaBa) {
    if (!Present(sigmaB) || !Present(sigmaBa)) return {"", "･･･", false};
    if (NumVal(sigmaBa) >= NumVal(sigmaB)) return {"≦", "･･･ok", false};
    return {"＞", "･･･out", true};
}

PlateWidthFault JudgePlateWidth(const std::string& plateU, const std::string& boxOutD,
                                const std::string& frameB) {
    if (!Present(plateU)) return PlateWidthFault::None;
    const double u = NumVal(plateU);
    if (Present(boxOutD) && NumVal(boxOutD) > u) return PlateWidthFault::UnderBoxOut;
    if (Present(frameB) && NumVal(frameB) < u) return PlateWidthFault::OverFrame;
    return PlateWidthFault::None;
}

std::string PlateWidthWarning(PlateWidthFault fault) {
    switch (fault) {
        case PlateWidthFault::UnderBoxOut:
            return "アンカーの箱抜き径を下回っています。";
        case PlateWidthFault::OverFrame:
            return "のり枠の幅を超えています。";
        case PlateWidthFault::None:
            break;
    }
    return {};
}

void RunPlateOnActivation() {
    RunRockOnActivation();
    CalcPrate();
}

bool PlateTooThin(const std::string& required, const std::string& thickness) {
    // An empty box reads as 0, which would call every plate not yet given
    // too thin; the check waits for a thickness.
    if (!Present(required) || !Present(thickness)) return false;
    return NumVal(thickness) < NumVal(required);
}

}  // namespace talvo
