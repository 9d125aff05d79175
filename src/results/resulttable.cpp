#include "results/resulttable.h"

#include "results/rowaccess.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

using results_detail::BarName;
using results_detail::Blank;
using results_detail::GridRow;

bool ValidResultRow(int set, int row) {
    return (set == 0 || set == 1) && row >= kRowsPerSet * set && row < kRowsPerSet * (set + 1);
}

std::int32_t& CellColor(int set, int column, int row) {
    return ResultColor[static_cast<std::size_t>(set)][static_cast<std::size_t>(column - 1)]
                      [static_cast<std::size_t>(GridRow(set, row))];
}

bool SingleSetMode() {
    return Design.WorkType == 2 || Design.SameSection == 1;
}

std::string SingleSetCaption() {
    return Design.WorkType == 2 ? "横　枠" : "縦　横";
}

namespace {

const std::string kNone;

// The design forces of a set for the current work type; none for a work
// type outside the per-type arrays.
const std::string& ForceOf(int set, const std::array<std::string, 5>& tate,
                           const std::array<std::string, 5>& yoko, const std::string& common) {
    if (Design.SameSection != 0) return common;
    const int t = Design.WorkType;
    if (t < 0 || t > 4) return kNone;
    return set == 0 ? tate[static_cast<std::size_t>(t)] : yoko[static_cast<std::size_t>(t)];
}

// A design force as the window shows it: an empty value stays empty.
std::string ForceText(const std::string& value) {
    if (Blank(value)) return "";
    return FormatNum(FormatPattern(value, "0.00"), 5, 2);
}

}  // namespace

const std::string& SetMmax(int set) {
    return ForceOf(set, Design.TateMmax, Design.YokoMmax, Design.DesignMmax);
}

const std::string& SetSmax(int set) {
    return ForceOf(set, Design.TateSmax, Design.YokoSmax, Design.DesignSmax);
}

double SetRequiredAs(int set) {
    if (Design.SameSection != 0) return Design.DesignAsReq;
    return Design.RequiredAs[set == 0 ? 0 : 1];
}

ResultRowCells KekkaRowCells(int set, int row) {
    ResultRowCells cells{};
    if (!ValidResultRow(set, row)) return cells;
    const auto k = static_cast<std::size_t>(row);
    const DesignData& d = Design;
    const bool stirrups = d.KekkaStirrupBar[k] != kNoStirrup;
    cells[ColBar - 1].text = BarName(d.KekkaBar[k]);
    cells[ColBarCount - 1].text = FormatNum(d.KekkaBarCount[k], 3, 0);
    cells[ColAs - 1].text = FormatNum(d.KekkaAs[k], 6, 1);
    cells[ColSigmaS - 1].text = FormatNum(d.KekkaSigmaS[k], 6, 1);
    cells[ColSigmaC - 1].text = FormatNum(d.KekkaSigmaC[k], 6, 2);
    cells[ColTauC - 1].text = FormatNum(d.KekkaTauC[k], 6, 3);
    cells[ColTauO - 1].text = FormatNum(d.KekkaTauO[k], 6, 2);
    if (stirrups) {
        cells[ColStirrupBar - 1].text = BarName(d.KekkaStirrupBar[k]);
        cells[ColStirrupCount - 1].text = FormatNum(d.KekkaStirrupCount[k], 3, 0);
    }
    cells[ColPitch - 1].text = d.KekkaStirrupPitch[k];
    cells[ColPitchReq - 1].text =
        stirrups ? "[" + d.KekkaStirrupPitchReq[k] + "]" : std::string(kNoSpacingRequired);
    for (int c = 1; c <= kResultColumns; ++c) cells[c - 1].color = CellColor(set, c, row);
    return cells;
}

ResultDisplays ResultDisplaysOf(int set) {
    ResultDisplays out;
    out.mmax = ForceText(SetMmax(set));
    out.smax = ForceText(SetSmax(set));
    out.requiredAs = FormatNum(FormatPattern(SetRequiredAs(set), "0.0"), 6, 1);
    out.allowables = {FormatNum(Design.SigmaSa, 6, 0), FormatNum(Design.SigmaCa, 6, 1),
                      FormatNum(Design.TauCa, 6, 2), FormatNum(Design.TauOa, 6, 1)};
    return out;
}

void EmptyRowResults(int set, int row) {
    if (!ValidResultRow(set, row)) return;
    const auto k = static_cast<std::size_t>(row);
    DesignData& d = Design;
    if (NumVal(d.KekkaBarCount[k]) != 0 && !Blank(SetMmax(set)) && !Blank(SetSmax(set))) return;
    d.KekkaAs[k].clear();
    d.KekkaSigmaS[k].clear();
    d.KekkaSigmaC[k].clear();
    d.KekkaTauC[k].clear();
    d.KekkaTauO[k].clear();
    d.KekkaStirrupBar[k] = kNoStirrup;
    d.KekkaStirrupCount[k].clear();
    d.KekkaStirrupPitch[k].clear();
    d.KekkaStirrupPitchReq[k].clear();
    // The stirrup pages follow the stirrup bar: a row without one has none.
    StirrupNeeded[static_cast<std::size_t>(set)][static_cast<std::size_t>(GridRow(set, row))] =
        false;
}

}  // namespace talvo
