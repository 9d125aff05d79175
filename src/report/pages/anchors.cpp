#include "report/pages/anchors.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/engine/headings.h"
#include "report/pages/fill.h"
#include "results/designchecks.h"
#include "shell/codec.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "steps/groundanchor.h"

namespace talvo::report {

namespace {

constexpr int kTableWidth = 6;
constexpr int kCentredColumns = 28;

// What a comparison cell says when one side of its check was never worked
// out or given.
constexpr const char* kNotCheckable = "照査できない";
constexpr const char* kAnchorBarUnchecked = "主アンカーを照査できない。・・・ ＯＵＴ";

// The nominal area in mm² as "0.##", or empty without a bar.
std::string AreaMm2(const RebarSpec* bar) {
    return bar ? UpToTwoDecimals(bar->Area * 100) : std::string();
}

// A computed length, or "―" when it has not been computed.
std::string LengthOrDash(const std::string& text) {
    return text.empty() ? std::string("―") : PadDecimal(text, kTableWidth);
}

// The rows both study tables share: restraint conditions, layout, the
// friction row and the design load.
void CommonStudyRows(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label6", PadDecimal(d.Pr, kTableWidth));
    Put(form, "Label7", PadDecimal(d.SlipAngle, kTableWidth));
    if (d.FrictionInputMode == 0) {
        Put(form, "Label8", PadDecimal(d.FrictionAngle, kTableWidth));
        Put(form, "Label32", " φ");
        Put(form, "Label33", "°");
    } else {
        Put(form, "Label8", PadDecimal(d.TanPhi, kTableWidth));
        Put(form, "Label32", "tanφ");
        Put(form, "Label33", "―");
    }
    Put(form, "Label9", PadDecimal(d.PlanFs, kTableWidth));
    Put(form, "Label12", PadDecimal(d.HorizSpacing, kTableWidth));
    Put(form, "Label10", PadDecimal(d.RowCount, kTableWidth));
    Put(form, "Label11", PadDecimal(d.InstallAngle, kTableWidth));
    Put(form, "Label13", PadDecimal(d.Pt, kTableWidth));
    Put(form, "Label29", PadDecimal(d.BondLa1Up, kTableWidth));
    Put(form, "Label28", PadDecimal(d.BondLa2Up, kTableWidth));
}

// A failed check of the design shows in the row of the table that stands
// for it: the value in red and a red "ＯＵＴ" after it. `Holds` is a check of
// results/designchecks.h; nothing is marked while it holds.
void MarkIfOut(LayoutForm& form, bool holds, const char* value, const char* verdict) {
    if (!holds) MarkOut(form, value, verdict);
}

// What a failed check of a study row compared, for the row to be read on
// its own: the whole comparison, and a shorter one (blanks in place of "＝")
// for when the whole one does not fit its cell.
struct Comparison {
    std::string whole;
    std::string shorter;
};

// One side of a comparison: its symbol and the value it stands for, printed
// after it or, where the row itself shows the value, left out.
struct Side {
    std::string symbol;
    const std::string* value = nullptr;
    bool printed = true;  // false: the symbol alone stands for the value
};

// The comparison "left sign right"; a side whose value was never worked out
// or given makes it a check that could not be made.
Comparison Compare(const Side& left, const char* sign, const Side& right) {
    for (const Side* s : {&left, &right})
        if (s->value && !HoldsNumber(*s->value)) return {kNotCheckable, kNotCheckable};
    const auto text = [](const Side& s, const char* eq) {
        return s.value && s.printed ? s.symbol + eq + TrimBlanks(*s.value) : s.symbol;
    };
    return {text(left, "＝") + sign + text(right, "＝"), text(left, " ") + sign + text(right, " ")};
}

// Writes the comparison of a failed check in red into its cell, the label
// `cell` standing in the item column of the row, set flush with the cell's
// right edge (the fixed-pitch face gives every half-width column half the
// font size): what exceeded the allowable stands beside the allowable's
// symbol. The shorter wording is taken when the whole one does not fit.
void PutComparison(LayoutForm& form, std::string_view cell, const Comparison& c) {
    FormLabel& label = Need(form, cell);
    const auto widthOf = [&label](const std::string& text) {
        return static_cast<int>(
            static_cast<double>(cp932::ByteCount(text)) * label.fontSize * 10.0 + 0.5);
    };
    const std::string& text = widthOf(c.whole) <= label.width ? c.whole : c.shorter;
    const int right = label.left + label.width;
    label.left = std::max(label.left, right - widthOf(text));
    label.width = right - label.left;
    Put(form, cell, text);
    SetColor(form, cell, true);
}

// What the two study tables show of their member, the rock bolt or the
// ground anchor: the two lines naming it (already set out, as the two tables
// set them out differently), the values of its rows, and the two checks whose
// failure marks the values of rows 22 and 25 and writes what they compared
// beside them.
struct StudyMember {
    std::string name;           // row 14
    std::string standard;       // row 15
    std::string diameter;       // row 16
    std::string da;             // row 17
    std::string tauG;           // row 18
    std::string tauB;           // row 19
    std::string fs;             // row 20
    std::string firstLimit;     // row 22
    std::string secondLimit;    // row 25
    std::string la;             // row 27
    std::string lf;             // row 30
    std::string length;         // row 31
    bool firstHolds;            // check of row 22
    bool secondHolds;           // check of row 25
    Comparison firstCompared;   // what the check of row 22 compared
    Comparison secondCompared;  // and that of row 25
};

// The study table of one member below the rows both tables share; a failed
// check marks its row, and the anchorage length marks itself against the
// bond lengths.
void StudyTable(LayoutForm& form, const StudyMember& m) {
    CommonStudyRows(form);
    Put(form, "Label14", m.name);
    Put(form, "Label15", m.standard);
    Put(form, "Label16", PadDecimal(m.diameter, kTableWidth));
    Put(form, "Label17", PadDecimal(m.da, kTableWidth));
    Put(form, "Label18", PadDecimal(m.tauG, kTableWidth));
    Put(form, "Label19", PadDecimal(m.tauB, kTableWidth));
    Put(form, "Label20", PadDecimal(m.fs, kTableWidth));
    Put(form, "Label22", PadDecimal(m.firstLimit, kTableWidth));
    Put(form, "Label25", PadDecimal(m.secondLimit, kTableWidth));
    Put(form, "Label27", PadDecimal(m.la, kTableWidth));
    Put(form, "Label30", LengthOrDash(m.lf));
    Put(form, "Label31", LengthOrDash(m.length));
    MarkIfOut(form, m.firstHolds, "Label22", "Out22");
    MarkIfOut(form, m.secondHolds, "Label25", "Out25");
    if (!m.firstHolds) PutComparison(form, "Cmp22", m.firstCompared);
    if (!m.secondHolds) PutComparison(form, "Cmp25", m.secondCompared);
    MarkIfOut(form, JudgeAnchorage().holds, "Label27", "Out27");
}

}  // namespace

void SetInsRockKento(LayoutForm& form) {
    const DesignData& d = Design;
    const RebarSpec* bar = Bar(d.RockBarIndex);
    // The bolt's stresses are not in the table: a failed check marks the
    // allowable stress it was held against and writes the stress beside it.
    // The anchorage length marks itself against the bond lengths above it.
    StudyTable(
        form,
        {.name = PadDecimal(bar ? bar->Name : std::string(), kTableWidth),
         .standard = PadDecimal(bar ? NumStr(bar->Area * 100) : std::string(), kTableWidth),
         .diameter = bar ? NumStr(bar->Diameter) : std::string(),
         .da = d.RockDa,
         .tauG = d.RockTauG,
         .tauB = d.RockTauB,
         .fs = d.RockFs,
         .firstLimit = d.RockTauSa,
         .secondLimit = d.RockSigmaSa,
         .la = d.RockLa,
         .lf = d.RockLf,
         .length = d.RockLength,
         .firstHolds = RockShearHolds(),
         .secondHolds = RockTensileHolds(),
         .firstCompared = Compare({"τ", &d.RockTau}, "＞", {"τsa", &d.RockTauSa, false}),
         .secondCompared = Compare({"σ", &d.RockSigma}, "＞", {"σsa", &d.RockSigmaSa, false})});
}

void SetInsAnchorKento(LayoutForm& form) {
    const DesignData& d = Design;
    // The tendon's loads carry the red of the capacity checks they fail; the
    // row then shows the allowable load (the kind's factor on that load)
    // against Pt, as the tendon's page compares them.
    const auto kind = static_cast<std::size_t>(AnchorKindInUse(d.AnchorKind));
    const auto factor = [kind](const std::array<std::string, 3>& factors) {
        return TrimBlanks(factors[kind]);
    };
    StudyTable(form, {.name = CenterStr(d.TendonName, kCentredColumns),
                      .standard = CenterStr(d.TendonStandard, kCentredColumns),
                      .diameter = d.AnchorDs,
                      .da = d.AnchorDa,
                      .tauG = d.AnchorTauG,
                      .tauB = d.AnchorTauB,
                      .fs = d.AnchorFs,
                      .firstLimit = d.Tus,
                      .secondLimit = d.Tys,
                      .la = d.AnchorLa,
                      .lf = d.AnchorLf,
                      .length = d.AnchorLength,
                      .firstHolds = TendonTensileHolds(),
                      .secondHolds = TendonYieldHolds(),
                      .firstCompared =
                          Compare({factor(d.TusCoef) + "Tus", &d.TusAllow}, "＜", {"Ｐt", &d.Pt}),
                      .secondCompared =
                          Compare({factor(d.TysCoef) + "Tys", &d.TysAllow}, "＜", {"Ｐt", &d.Pt})});
}

void SetInsAncBarKento(LayoutForm& form) {
    const DesignData& d = Design;
    const RebarSpec* bar = Bar(d.AncBarIndex);
    Put(form, "Lab1", PadDecimal(bar ? bar->Name : std::string(), kTableWidth));
    Put(form, "Lab2", PadDecimal(AreaMm2(bar), kTableWidth));
    Put(form, "Lab3", PadDecimal(d.AncBarFs, kTableWidth));
    Put(form, "Lab4", PadDecimal(d.AncBarTauSa, kTableWidth));
    Put(form, "Lab5", PadDecimal(d.AncBarTauS, kTableWidth));
    // A stress over its allowable, or one of the two missing, is no pass.
    MarkIfOut(form, AnchorBarHolds(), "Lab5", "Out5");
}

void SetInsSyuAncBar(LayoutForm& form) {
    const DesignData& d = Design;
    const RebarSpec* bar = Bar(d.AncBarIndex);
    const std::string area = AreaMm2(bar);
    Put(form, "Label2", ChapterTitle(kSectionAnchorBar));
    Put(form, "Label34", PadDecimal(d.YokoQ, 3));
    Put(form, "Label30", PadDecimal(d.YokoQ, 3));
    Put(form, "Label21", PadDecimal(bar ? bar->Name : std::string(), 3));
    Put(form, "Label24", PadDecimal(area, 4));
    Put(form, "Label13", PadDecimal(area, 4));
    Put(form, "Label6", PadDecimal(d.AncBarFs, 3));
    Put(form, "Label27", PadDecimal(d.AncBarFs, 1));
    Put(form, "Label14", PadDecimal(d.AncBarTauSa, 3));
    Put(form, "Label29", PadDecimal(d.AncBarTauSa, 3));
    Put(form, "Label19", PadDecimal(d.AncBarTauS, 3));

    // A stress that could not be computed (no load, no Fs), or an allowable
    // not given, leaves nothing to compare: in place of the comparison one
    // red line says that the bar could not be checked.
    if (!HoldsNumber(d.AncBarTauS) || !HoldsNumber(d.AncBarTauSa)) {
        ClearRowOf(form, "Label19");
        PutOutLine(form, {kAnchorBarUnchecked});
        return;
    }
    const bool ok = AnchorBarHolds();
    Put(form, "Label16", ok ? "≦" : "＞");
    Put(form, "Label11", ok ? "ＯＫ" : "ＯＵＴ");
    SetColor(form, "Label11", !ok);
    SetColor(form, "Label19", !ok);
}

}  // namespace talvo::report
