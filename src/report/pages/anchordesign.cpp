#include "report/pages/anchordesign.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/engine/headings.h"
#include "report/pages/fill.h"
#include "report/pages/results.h"
#include "results/designchecks.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::report {

namespace {

constexpr const char* kAnchorageUnchecked = "定着長を照査できない。・・・ ＯＵＴ";
constexpr const char* kPlateUnchecked = "プレートの厚さを照査できない。・・・ ＯＵＴ";
constexpr const char* kBearingUnchecked = "支圧応力度を照査できない。・・・ ＯＵＴ";

// The sign and verdict of one line, the verdict's colour on the verdict and
// on `coloured`.
bool Judge(LayoutForm& form, bool ok, const char* okSign, const char* outSign,
           std::string_view sign, std::string_view verdict, std::string_view coloured) {
    Put(form, sign, ok ? okSign : outSign);
    Put(form, verdict, ok ? "ＯＫ" : "ＯＵＴ");
    SetColor(form, verdict, !ok);
    SetColor(form, coloured, !ok);
    return ok;
}

// Check line "value ≦ allowable ・・・ ＯＫ".
bool CheckLine(LayoutForm& form, bool ok, std::string_view sign, std::string_view verdict,
               std::string_view coloured) {
    return Judge(form, ok, "≦", "＞", sign, verdict, coloured);
}

// Capacity line "capacity ≧ load ・・・ ＯＫ".
bool CapacityLine(LayoutForm& form, bool ok, std::string_view sign, std::string_view verdict,
                  std::string_view coloured) {
    return Judge(form, ok, "≧", "＜", sign, verdict, coloured);
}

// A length in m as millimetres: its value × 1000 in plain number text,
// padded to 4 places. A length that has not been computed prints the empty
// text, or, with `emptyAsZero`, a 0 (its value read as a number).
std::string Millimetres(const std::string& metres, bool emptyAsZero) {
    if (!Present(metres) && !emptyAsZero) return std::string();
    return PadDecimal(NumStr(NumVal(metres) * 1000), 4);
}

// The factor of the anchor kind; a kind outside the list has none.
std::string KindFactor(const std::array<std::string, 3>& factors, int kind) {
    if (kind < 0 || kind >= static_cast<int>(factors.size())) return std::string();
    return factors[static_cast<std::size_t>(kind)];
}

// Where the anchorage length is adopted, from the row of the label
// `adoption` down, unless it fails against the bond lengths: then the
// adoption is left out and the red line takes its row, La against the longer
// bond length it falls below, or, with no La or a bond length that could not
// be computed, that it was not checked.
void AnchorageOutLine(LayoutForm& form, const std::string& la, std::string_view adoption) {
    const AnchorageVerdict v = JudgeAnchorage();
    if (v.holds) return;
    const int top = Need(form, adoption).top;
    ClearRows(form, top, Need(form, "LabOut(0)").top);
    MoveOutLineTo(form, top);
    if (v.governing.empty()) {
        PutOutLine(form, {kAnchorageUnchecked});
        return;
    }
    PutOutLine(form, {"L", "a", "＝", PadDecimal(la, 1), "(m)", "＜", PadDecimal(v.governing, 1),
                      "(m)", "・・・", "ＯＵＴ"});
}

// The bond lengths of the ground anchor, shared by both length forms; they
// differ in the width of Pt in the second formula, in what an uncomputed
// grout–tendon length prints and in the first row of the adoption (the
// rule's form quotes the rule before it adopts).
void AnchorBondLengths(LayoutForm& form, int secondPtWidth, bool emptyLa2AsZero,
                       std::string_view adoption) {
    const DesignData& d = Design;
    Put(form, "Label13", SectionTitle(kSectionAnchorLength));
    PutNum(form, "Label1", d.Pt, 4);
    PutNum(form, "Label5", d.AnchorDa, 3);
    PutNum(form, "Label6", d.AnchorTauG, 1);
    PutNum(form, "Label9", d.AnchorFs, 1);
    Put(form, "Label10", Millimetres(d.BondLa1, true));
    PutNum(form, "Label11", d.BondLa1Up, 1);
    PutNum(form, "Label12", d.Pt, secondPtWidth);
    PutNum(form, "Label14", d.AnchorDs, 3);
    PutNum(form, "Label16", d.AnchorTauB, 1);
    Put(form, "Label17", Millimetres(d.BondLa2, emptyLa2AsZero));
    PutNum(form, "Label18", d.BondLa2Up, 1);
    PutNum(form, "Label19", d.AnchorLa, 1);
    AnchorageOutLine(form, d.AnchorLa, adoption);
}

// The length page of the ground anchor or the rock bolt: the free length
// and the anchorage length, their sum, and the free length once more in
// Label26.
void TotalLength(LayoutForm& form, const std::string& lf, const std::string& la,
                 const std::string& length) {
    PutNum(form, "Label22", lf, 2);
    PutNum(form, "Label23", la, 2);
    PutNum(form, "Label25", length, 2);
    PutNum(form, "Label26", lf, 2);
}

}  // namespace

void SetInsAnchorKouzai(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label1", ChapterTitle("アンカーの検討"));
    Put(form, "Label13", SectionTitle(kSectionTendon));
    Put(form, "Label6", d.TendonName);
    Put(form, "Label9", d.TendonStandard);
    const std::string tusCoef = KindFactor(d.TusCoef, d.AnchorKind);
    const std::string tysCoef = KindFactor(d.TysCoef, d.AnchorKind);
    PutNum(form, "Label11", tusCoef, 1);
    PutNum(form, "Label14", tusCoef, 1);
    PutNum(form, "Label12", tysCoef, 1);
    PutNum(form, "Label15", tysCoef, 1);
    PutNum(form, "Label16", d.Tus, 4);
    PutNum(form, "Label17", d.Tys, 4);
    PutNum(form, "Label18", d.TusAllow, 4);
    PutNum(form, "Label20", d.TysAllow, 4);
    PutNum(form, "Label23", d.Pt, 4);
    PutNum(form, "Label24", d.Pt, 4);

    const bool tensile = CapacityLine(form, TendonTensileHolds(), "Label21", "Label33", "Label18");
    const bool yield = CapacityLine(form, TendonYieldHolds(), "Label22", "Label34", "Label20");

    PutNum(form, "Label3", d.Tus, 4);
    PutNum(form, "Label7", d.Tys, 4);

    // The closing sentence states what both checks found.
    const bool safe = tensile && yield;
    Put(form, "Label10(2)",
        safe ? "以上より、このテンドンは、設計アンカー力に対して安全である。"
             : "以上より、このテンドンは、設計アンカー力に対して安全ではない。");
    SetColor(form, "Label10(2)", !safe);
}

void SetInsAnchorTyou(LayoutForm& form) {
    AnchorBondLengths(form, 4, false, "Label147");
}

void SetInsAnchorTeityaku(LayoutForm& form) {
    AnchorBondLengths(form, 3, true, "Label2(2)");
}

void SetInsAnchorNagasa(LayoutForm& form) {
    const DesignData& d = Design;
    TotalLength(form, d.AnchorLf, d.AnchorLa, d.AnchorLength);
}

void SetInsRockTyou(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label27", ChapterTitle("ロックボルトの検討"));
    Put(form, "Label13(0)", SectionTitle(kSectionRockSteel));
    Put(form, "Label13(1)", SectionTitle(kSectionRockLength));

    const RebarSpec* bar = Bar(d.RockBarIndex);
    const std::string area = bar ? NumStr(bar->Area * 100) : std::string();
    const std::string diameter = bar ? NumStr(bar->Diameter) : std::string();
    PutNum(form, "Lab17", bar ? bar->Name : std::string(), 3);
    PutNum(form, "Lab38", area, 4);
    PutNum(form, "Lab22", area, 4);
    PutNum(form, "Lab23", d.RockS, 4);
    PutNum(form, "Lab59", d.RockTau, 3);
    PutNum(form, "Lab29", d.RockTauSa, 3);
    const bool shear = CheckLine(form, RockShearHolds(), "Lab28", "Lab31", "Lab59");

    PutNum(form, "Lab24", area, 4);
    PutNum(form, "Lab25", d.Pt, 4);
    PutNum(form, "Lab60", d.RockSigma, 3);
    PutNum(form, "Lab56", d.RockSigmaSa, 3);
    const bool tensile = CheckLine(form, RockTensileHolds(), "Lab55", "Lab58", "Lab60");

    // A bar that fails a stress check below is no bar to use: its row of
    // adoption is left out, and the red check lines say why.
    if (!shear || !tensile) ClearRowOf(form, "Lab17");

    PutNum(form, "Label1", d.Pt, 4);
    PutNum(form, "Label5", d.RockDa, 3);
    PutNum(form, "Label6", d.RockTauG, 1);
    PutNum(form, "Label9", d.RockFs, 1);
    Put(form, "Label10", Millimetres(d.BondLa1, false));
    PutNum(form, "Label11", d.BondLa1Up, 1);
    PutNum(form, "Label12", d.Pt, 4);
    PutNum(form, "Label14", diameter, 3);
    PutNum(form, "Label16", d.RockTauB, 1);
    Put(form, "Label17", Millimetres(d.BondLa2, false));
    PutNum(form, "Label18", d.BondLa2Up, 1);
    PutNum(form, "Label19", d.RockLa, 1);
    AnchorageOutLine(form, d.RockLa, "Label195");
}

void SetInsRockNagasa(LayoutForm& form) {
    const DesignData& d = Design;
    TotalLength(form, d.RockLf, d.RockLa, d.RockLength);
}

void SetInsSiatu(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label27", ChapterTitle(kSectionBearing));
    Put(form, "Label13", SectionTitle("許容支圧応力度"));
    Put(form, "Label23", SectionTitle("支圧応力度"));

    PutNum(form, "Label2", d.SigmaCk, 4);
    PutNum(form, "Label3", d.PlateU, 4);
    PutNum(form, "Label5", d.BoxOutD, 4);
    PutNum(form, "Label6", d.SiatuFrameB, 4);
    PutNum(form, "Label10", d.SiatuFrameB, 4);
    PutNum(form, "Label8", d.SiatuA, 6);
    PutNum(form, "Label12", d.PlateU, 4);
    PutNum(form, "Label14", d.BoxOutD, 4);
    PutNum(form, "Label9", d.Ap, 6);
    PutNum(form, "Label16", d.SiatuA, 6);
    PutNum(form, "Label17", d.Ap, 6);
    PutNum(form, "Label18", d.SigmaCk, 3);
    PutNum(form, "Label19", d.SigmaBa1, 2);
    PutNum(form, "Label21", d.SigmaCk, 3);
    PutNum(form, "Label20", d.SigmaBa2, 2);
    PutNum(form, "Label22", d.SigmaBa, 2);
    PutNum(form, "Label28", d.Pt, 3);
    PutNum(form, "Label25", d.Ap, 6);
    PutNum(form, "Label29", d.SigmaBa, 2);
    PutNum(form, "Label30", d.SigmaB, 2);

    // A value not computed (a box-out wider than the plate leaves no bearing
    // area, and nothing follows from it) leaves out every row that would
    // show it, and the check stands as a red line that it could not be made.
    const auto missing = [](const std::string& text) { return !HoldsNumber(text); };
    if (missing(d.SiatuA)) ClearRowOf(form, "Label8");
    if (missing(d.Ap)) ClearRowOf(form, "Label9");
    if (missing(d.SiatuA) || missing(d.Ap))
        ClearRows(form, Need(form, "Label16").top, Need(form, "Label17").top + kRowHeight);
    if (missing(d.SigmaBa1)) ClearRowOf(form, "Label19");
    if (missing(d.SigmaBa2)) ClearRowOf(form, "Label20");
    if (missing(d.SigmaBa))
        ClearRows(form, Need(form, "Label198").top, Need(form, "Label22").top + kRowHeight);
    if (missing(d.Pt) || missing(d.Ap))
        ClearRows(form, Need(form, "Label28").top - kSuperscriptRise,
                  Need(form, "Label25").top + kRowHeight, Need(form, "Label217").left);
    if (missing(d.SigmaB) || missing(d.SigmaBa)) {
        ClearRowOf(form, "Label30");
        PutOutLine(form, {kBearingUnchecked});
        return;
    }
    CheckLine(form, BearingHolds(), "Label32", "Label31", "Label30");
}

void SetInsPrate(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label27", ChapterTitle(kSectionPlate));
    Put(form, "Label13", SectionTitle("曲げモーメント"));
    Put(form, "Label11", SectionTitle("プレートの厚さ"));

    PutNum(form, "Label2", d.PlateSigma, 4);
    PutNum(form, "Label3", d.PlateU, 4);
    PutNum(form, "Label5", d.BoxOutD, 4);
    PutNum(form, "Label28", d.Pt, 3);
    PutNum(form, "Label30", d.PlateHalfPt, 6);
    PutNum(form, "Label8", d.PlateHalfPt, 6);
    PutNum(form, "Label9", d.BoxOutD, 4);
    PutNum(form, "Label10", d.PlateM, 7);
    PutNum(form, "Label12", d.PlateM, 7);
    PutNum(form, "Label16", d.PlateU, 4);
    PutNum(form, "Label14", d.PlateSigma, 3);
    PutNum(form, "Label17", d.PlateTReq, 3);
    PutNum(form, "Label18", d.PlateT, 3);

    // A plate thinner than it must be is no adopted plate: the adoption is
    // left out and a red line in its row says so, in the numbers printed
    // above it. Without a required thickness its row goes too, and the line
    // says the thickness could not be checked.
    if (PlateThickEnough()) return;
    const std::vector<std::string> line =
        !HoldsNumber(d.PlateT) || !HoldsNumber(d.PlateTReq)
            ? std::vector<std::string>{kPlateUnchecked}
            : std::vector<std::string>{"t",    "＝",     Caption(form, "Label18"),
                                       "(mm)", "＜",     Caption(form, "Label17"),
                                       "(mm)", "・・・", "ＯＵＴ"};
    const int top = Need(form, HoldsNumber(d.PlateTReq) ? "Label162" : "Label17").top;
    ClearRows(form, top, Need(form, "LabOut(0)").top);
    MoveOutLineTo(form, top);
    PutOutLine(form, line);
}

}  // namespace talvo::report
