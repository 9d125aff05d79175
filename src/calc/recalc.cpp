#include "calc/recalc.h"

#include "calc/anchorage.h"
#include "calc/anchorload.h"
#include "calc/calcfield.h"
#include "calc/failureload.h"
#include "calc/wedge.h"
#include "calc/yoko.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

void RunKusabiOnActivation() {
    if (RecalcKusabi != 1) return;
    CalcKusabiKeijyou();
    RecalcKusabi = 0;
}

void RunLoadOnActivation() {
    if (RecalcLoad != 1) return;
    RunFailureLoadCalculation();
    RecalcLoad = 0;
    RecalcResult = 1;
}

void RunRockOnActivation() {
    if (RecalcLoad != 1) return;
    RecalcRock();
    RecalcLoad = 0;
    RecalcResult = 1;
}

void RunForceOnActivation() {
    if (RecalcForce != 1) return;
    CalcYokoMmax();
    CalcYokoSmax();
    RecalcForce = 0;
    RecalcResult = 1;
}

void RunResultsRecalculation() {
    const int t = Design.WorkType;
    const bool anchored = t == 3 || t == 4;
    if (RecalcKusabi == 1) {
        CalcKusabiKeijyou();
        RecalcKusabi = 0;
        RecalcResult = 1;
    }
    if (RecalcLoad == 1) {
        if (anchored) {
            RecalcRock();
            RecalcForce = 0;
        } else {
            RunFailureLoadCalculation();
        }
        RecalcLoad = 0;
        RecalcResult = 1;
    }
    if (RecalcForce == 1) {
        if (t >= 0 && t <= 2) {
            CalcYokoMmax();
            CalcYokoSmax();
        }
        RecalcForce = 0;
        RecalcResult = 1;
    }
    if (RecalcAnchorBar == 1) {
        CalcAncBarTauS();
        RecalcAnchorBar = 0;
    }
    if (anchored) {
        CalcTeityaku();
        CalcZentyou();
    }
    if (t == 4) {
        CalcSiatu();
        CalcPrate();
    }
}

void RunFailureLoadCalculation() {
    switch (Design.WorkType) {
        case 0:
            CalcHoukaiKusabi();
            break;
        case 1:
            CalcHoukaiEnko();
            break;
        default:
            break;
    }
}

void RunShearCalculation(ShearBeams beams) {
    if (beams == ShearBeams::Horizontal)
        CalcYokoSmax();
    else
        CalcRockSmax();
}

bool ChangeShearPosition(ShearBeams beams, int mode) {
    std::int16_t* stored = calcfield::OfWorkType(Design.ShearXMode);
    if (!stored || *stored == mode) return false;
    DataChanged = 1;
    RecalcResult = 1;
    *stored = static_cast<std::int16_t>(mode);
    RunShearCalculation(beams);
    return true;
}

}  // namespace talvo
