#include "results/rebuild.h"

#include <cstddef>
#include <string>

#include "calc/rebar.h"
#include "calc/recalc.h"
#include "results/fitting.h"
#include "results/resulttable.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "steps/gradient.h"

namespace talvo {

namespace {

// The count of a row whose bars are not fitted yet.
const std::string kNoBars = "0";

void FitSet(int set) {
    for (int i = 0; i < kRowsPerSet; ++i) Sikikekkacolor(set, kRowsPerSet * set + i);
}

}  // namespace

bool RunResultsActivation() {
    // The slope height shows beside the gradient only, but the design keeps
    // it: it follows the frame whatever step was shown last.
    UpdateSlopeHeight();
    RunResultsRecalculation();
    if (RecalcResult != 1) return false;
    RebuildResults();
    return true;
}

void RebuildResults() {
    DesignData& d = Design;
    d.KekkaPrintRow = {0, 0};
    d.RequiredAs = {0, 0};
    for (std::size_t k = 0; k < 12; ++k) {
        d.KekkaBarCount[k] = kNoBars;
        d.KekkaAs[k].clear();
        d.KekkaSigmaS[k].clear();
        d.KekkaSigmaC[k].clear();
        d.KekkaTauC[k].clear();
        d.KekkaTauO[k].clear();
        d.KekkaStirrupBar[k] = 99;
        d.KekkaStirrupCount[k].clear();
        d.KekkaStirrupPitch[k].clear();
        d.KekkaStirrupPitchReq[k].clear();
        d.TateBarFit[k] = 0;
        d.YokoBarFit[k] = 0;
        for (std::size_t s = 0; s < 2; ++s) {
            d.KekkaP[s][k].clear();
            d.KekkaK[s][k].clear();
            d.KekkaJ[s][k].clear();
            d.KekkaM[s][k].clear();
        }
        d.KekkaSc[k].clear();
        d.KekkaSs[k].clear();
    }
    d.DesignMmax.clear();
    d.DesignSmax.clear();
    d.DesignAsReq = 0;
    for (auto& set : ResultColor)
        for (auto& column : set) column.fill(0);
    // A row's stirrup pages follow its own check, never one of a row or a
    // design before this rebuild.
    for (auto& set : StirrupNeeded) set.fill(false);

    const bool single = SingleSetMode();
    if (single) {
        d.KekkaTab = 1;
        PickDesignMoment();
    } else {
        d.KekkaTab = 0;
        d.RequiredAs[0] = NumVal(CalcHituyouAs(0));
        CalcSyutekkinTate();
    }
    d.RequiredAs[1] = NumVal(CalcHituyouAs(1));
    CalcSyutekkinYoko();

    const int shown = d.KekkaTab;
    if (!single) FitSet(1 - shown);
    FitSet(shown);
    RecalcResult = 0;
}

void RedisplayResults() {
    const int shown = Design.KekkaTab == 1 ? 1 : 0;
    const int other = 1 - shown;
    FitSet(other);
    FitSet(shown);
    const int printRow = Design.KekkaPrintRow[static_cast<std::size_t>(other)];
    if (printRow >= 1 && printRow <= kRowsPerSet)
        chgkekkacolor(other, kRowsPerSet * other + printRow - 1);
}

}  // namespace talvo
