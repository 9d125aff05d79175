#include "results/fitting.h"

#include <cstddef>
#include <cstdint>

#include "results/resulttable.h"
#include "results/rowaccess.h"
#include "results/sectioncheck.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

using results_detail::Spec;

namespace {

// The allowable stresses as the window shows them under the stress columns;
// the verdicts must agree with what the engineer reads there.
struct Allowables {
    double sigmaSa, sigmaCa, tauCa, tauOa;
};

Allowables ShownAllowables() {
    return {NumVal(FormatNum(Design.SigmaSa, 6, 0)), NumVal(FormatNum(Design.SigmaCa, 6, 1)),
            NumVal(FormatNum(Design.TauCa, 6, 2)), NumVal(FormatNum(Design.TauOa, 6, 1))};
}

std::int32_t Verdict(bool out) {
    return out ? ColorOut : 0;
}

// How many bars of the row's size fit across its frame.
int BarFit(int set, int row) {
    const int bar = Design.KekkaBar[static_cast<std::size_t>(row)];
    if (bar < 0 || bar > 11) return 0;
    const auto& fit = set == 0 ? Design.TateBarFit : Design.YokoBarFit;
    return fit[static_cast<std::size_t>(bar)];
}

// Column 3; true when the area is short of the required one.
bool PaintArea(int set, int row) {
    const bool out = NumVal(Design.KekkaAs[static_cast<std::size_t>(row)]) < SetRequiredAs(set);
    CellColor(set, ColAs, row) = Verdict(out);
    return out;
}

// Columns 4 to 7; true when σs, σc or τo is over its limit (τc over τca
// asks for stirrups, not for more bars).
bool PaintStresses(int set, int row, const Allowables& a) {
    const auto k = static_cast<std::size_t>(row);
    const bool sigmaS = NumVal(Design.KekkaSigmaS[k]) > a.sigmaSa;
    const bool sigmaC = NumVal(Design.KekkaSigmaC[k]) > a.sigmaCa;
    const bool tauC = NumVal(Design.KekkaTauC[k]) > a.tauCa;
    const bool tauO = NumVal(Design.KekkaTauO[k]) > a.tauOa;
    CellColor(set, ColSigmaS, row) = Verdict(sigmaS);
    CellColor(set, ColSigmaC, row) = Verdict(sigmaC);
    CellColor(set, ColTauC, row) = Verdict(tauC);
    CellColor(set, ColTauO, row) = Verdict(tauO);
    return sigmaS || sigmaC || tauO;
}

// Columns 10 and 11. An adopted spacing below the minimum is red, "Err"
// included; the required one is red outside the minimum and the cap, so
// "***", "Err" and a required spacing the check left empty are red too. A
// row without stirrups has no spacing to judge: it passes.
void PaintSpacings(int set, int row) {
    const auto k = static_cast<std::size_t>(row);
    const std::string& pitch = Design.KekkaStirrupPitch[k];
    CellColor(set, ColPitch, row) = Verdict(AdoptedSpacingOut(pitch));
    const double required = NumVal(Design.KekkaStirrupPitchReq[k]);
    CellColor(set, ColPitchReq, row) =
        Verdict(Design.KekkaStirrupBar[k] != kNoStirrup &&
                (required < StirrupDefaults.MinSpacing || required > StirrupSpacingCap));
}

}  // namespace

bool AdoptedSpacingOut(const std::string& pitch) {
    if (!Present(pitch)) return false;
    return !HoldsNumber(pitch) || NumVal(pitch) < StirrupDefaults.MinSpacing;
}

void ColourCheckedCells(int set, int row) {
    if (!ValidResultRow(set, row)) return;
    PaintArea(set, row);
    PaintStresses(set, row, ShownAllowables());
    PaintSpacings(set, row);
}

void Sikikekkacolor(int set, int row) {
    if (!ValidResultRow(set, row)) return;
    DesignData& d = Design;
    const auto k = static_cast<std::size_t>(row);
    for (int c = 1; c <= kResultColumns; ++c) CellColor(set, c, row) = 0;

    const int fit = BarFit(set, row);
    d.KekkaBarCount[k] = "0";
    d.KekkaAs[k] = "0.0";
    if (fit <= 0) {
        // No bar of this size fits: nothing is checked, and no result of an
        // earlier check may stand beside the count of 0.
        CellColor(set, ColBarCount, row) = ColorOut;
        EmptyCheckResults(set, row);
        EmptyRowResults(set, row);
        return;
    }

    const Allowables allowed = ShownAllowables();
    const double barArea = Spec(d.KekkaBar[k]).Area * 100;  // mm² per bar
    bool again = true;
    while (again && NumVal(d.KekkaBarCount[k]) < fit) {
        const double count = NumVal(d.KekkaBarCount[k]) + 1;
        d.KekkaBarCount[k] = NumStr(count);
        d.KekkaAs[k] = FormatPattern(barArea * count, "0.0");
        again = PaintArea(set, row);
        SikiKekka(set, row);
        again = PaintStresses(set, row, allowed) || again;
    }
    EmptyRowResults(set, row);
    PaintSpacings(set, row);
}

void chgkekkacolor(int set, int row) {
    if (!ValidResultRow(set, row)) return;
    DesignData& d = Design;
    const auto k = static_cast<std::size_t>(row);
    d.KekkaAs[k] =
        FormatPattern(Spec(d.KekkaBar[k]).Area * 100 * NumVal(d.KekkaBarCount[k]), "0.0");
    SikiKekka(set, row);
    EmptyRowResults(set, row);
    ColourCheckedCells(set, row);
}

}  // namespace talvo
