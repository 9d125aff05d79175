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

namespace {

// The wedge's derived values and, for the wedge failure, the load that is
// worked out from them (CalcHoukaiKusabi reads H and α): a wedge derived
// anew never leaves the load of the old wedge behind, whichever window
// derived it. For work type 0 RecalcLoad names that load alone, so it is
// lowered with it.
void RerunWedge() {
    CalcKusabiKeijyou();
    RecalcKusabi = 0;
    if (Design.WorkType == 0) {
        CalcHoukaiKusabi();
        RecalcLoad = 0;
        RecalcResult = 1;
    }
}

// The horizontal beam of the frame-only types and the main anchor bar, whose
// τs is worked out from the beam's load Q: whatever reruns Q reruns τs, so
// that no window, report or file holds a τs of an older load.
void RerunYokoForces() {
    CalcYokoMmax();
    CalcYokoSmax();
    CalcAncBarTauS();
    RecalcForce = 0;
    RecalcAnchorBar = 0;
    RecalcResult = 1;
}

}  // namespace

void RunKusabiOnActivation() {
    if (RecalcKusabi == 1) RerunWedge();
}

void RunLoadOnActivation() {
    // The wedge first: the failure load must not be worked out on a wedge
    // that is about to change.
    RunKusabiOnActivation();
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
    if (RecalcForce == 1) RerunYokoForces();
}

void RunResultsRecalculation() {
    const int t = Design.WorkType;
    const bool anchored = t == 3 || t == 4;
    if (RecalcKusabi == 1) {
        RerunWedge();
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
        if (t >= 0 && t <= 2) RerunYokoForces();
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
        CalcTendonAllowables();
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
