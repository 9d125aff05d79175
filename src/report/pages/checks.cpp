#include "report/pages/checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "report/engine/headings.h"
#include "report/pages/fill.h"
#include "report/pages/results.h"
#include "results/fitting.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::report {

namespace {

constexpr int kForceWidth = 3;
constexpr const char* kNoValue = "　―　";
constexpr const char* kModularRatio = "15";
constexpr const char* kNoStirrups = "スターラップを配置できない。・・・ ＯＵＴ";

// A number as "0.0#": one decimal always, the second only when not zero.
std::string OneOrTwoDecimals(double value) {
    std::string text = FormatPattern(value, "0.00");
    if (text.size() > 1 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

// What a direction prints: the result row, the section, the design forces
// and the heading of its stress-check chapter. A frame shares the section
// of the other one when both have one section (never in work type 2, which
// has horizontal frames only); the shared section prints without subscript.
struct CheckCase {
    int set = 0;  // result set: 0 vertical, 1 horizontal or shared
    int row = 0;  // result row 0 to 11; outside the set: no row chosen
    std::string b, d, subscript, moment, shear;
    double requiredAs = 0;
    const char* title = "";

    bool HasRow() const { return row >= 6 * set && row < 6 * set + 6; }
    std::size_t R() const { return static_cast<std::size_t>(row); }
    std::string Text(const std::array<std::string, 12>& values) const {
        return HasRow() ? values[R()] : std::string();
    }
    std::string SetText(const std::array<std::array<std::string, 12>, 2>& values) const {
        return HasRow() ? values[static_cast<std::size_t>(set)][R()] : std::string();
    }
    int Index(const std::array<std::int16_t, 12>& values) const {
        return HasRow() ? values[R()] : -1;
    }
};

CheckCase CaseOf(int direction) {
    const DesignData& x = Design;
    CheckCase c;
    if (direction == 0) {
        c.set = 0;
        c.row = PrintCaseTate;
        c.b = x.SectionBy;
        c.d = x.SectionDy;
        c.subscript = "y";
        c.moment = ByWorkType(x.TateMmax);
        c.shear = ByWorkType(x.TateSmax);
        c.requiredAs = x.RequiredAs[0];
        c.title = "応力の検討（縦枠）";
        return c;
    }
    c.set = 1;
    c.row = PrintCaseYoko;
    c.b = x.SectionBx;
    c.d = x.SectionDx;
    if (x.SameSection == 1 && x.WorkType != 2) {
        c.subscript = "";
        c.moment = x.DesignMmax;
        c.shear = x.DesignSmax;
        c.requiredAs = x.DesignAsReq;
        c.title = "応力の検討（縦横）";
    } else {
        c.subscript = "x";
        c.moment = ByWorkType(x.YokoMmax);
        c.shear = ByWorkType(x.YokoSmax);
        c.requiredAs = x.RequiredAs[1];
        c.title = "応力の検討（横枠）";
    }
    return c;
}

// A stress check line, decided on the printed texts: a stress at most its
// allowable value passes. A stress that holds no number (the section check
// stopped before it) has not been shown to pass and fails.
void StressVerdict(LayoutForm& form, std::string_view stress, std::string_view allowable,
                   std::string_view sign, std::string_view verdict) {
    const std::string& s = Caption(form, stress);
    const bool ok = HoldsNumber(s) && NumVal(Caption(form, allowable)) >= NumVal(s);
    Put(form, sign, ok ? "≦" : "＞");
    Put(form, verdict, ok ? "ＯＫ" : "ＯＵＴ");
    SetColor(form, verdict, !ok);
    SetColor(form, stress, !ok);
}

// Hides the line of that name; a missing line throws FormError.
void HideLine(LayoutForm& form, std::string_view name) {
    for (FormItem& item : form.items) {
        if (auto* line = std::get_if<FormLine>(&item); line && line->name == name) {
            line->visible = false;
            return;
        }
    }
    throw FormError(form.name + ": no line " + std::string(name));
}

// Moves the labels of `from`'s row (its superscripts included) that stand at
// or right of it to the left, so that `from` takes the place of `to`.
void MoveRowTo(LayoutForm& form, std::string_view from, std::string_view to) {
    const FormLabel& first = Need(form, from);
    const int row = first.top, left = first.left;
    const int shift = left - Need(form, to).left;
    for (FormItem& item : form.items) {
        auto* label = std::get_if<FormLabel>(&item);
        if (label && label->left >= left && label->top <= row && label->top >= row - 60)
            label->left -= shift;
    }
}

// Empties every label and hides every line from `top` down.
void ClearFrom(LayoutForm& form, int top) {
    for (FormItem& item : form.items) {
        if (auto* label = std::get_if<FormLabel>(&item); label && label->top >= top) {
            label->caption.clear();
        } else if (auto* line = std::get_if<FormLine>(&item);
                   line && std::min(line->y1, line->y2) >= top) {
            line->visible = false;
        }
    }
}

std::string Cell(const std::string& text) {
    if (text.empty()) return kNoValue;
    return PadDecimal(FormatPattern(std::fabs(NumVal(text)), "0.00"), kForceWidth);
}

// Row caption of a frame's first part: the span centre for one span, the
// first inner support otherwise.
const char* SpanPart(const std::string& count, double oneSpan) {
    return NumVal(count) == oneSpan ? "スパン中央部" : "第一内部支点";
}

// The bond check shared by both bond blocks; `perimeter` is one bar's
// perimeter in mm as the block prints it.
void FillBond(LayoutForm& form, int direction, const std::string& perimeter) {
    const CheckCase c = CaseOf(direction);
    Put(form, "Lab1", c.subscript);
    Put(form, "Label14", PadDecimal(c.d, 4));
    Put(form, "Label15", PadDecimal(c.shear, 3));
    Put(form, "Label11", PadDecimal(perimeter, 3));
    Put(form, "Label12", PadDecimal(c.Text(Design.KekkaBarCount), 2));
    Put(form, "Label13", PadDecimal(c.SetText(Design.KekkaJ), 1));
    Put(form, "Label19", PadDecimal(c.Text(Design.KekkaTauO), 1));
    Put(form, "Label21", PadDecimal(Design.TauOa, 1));
    StressVerdict(form, "Label19", "Label21", "Label20", "Label22");
}

void FillShear(LayoutForm& form, const CheckCase& c) {
    Put(form, "Lab1(0)", c.subscript);
    Put(form, "Lab1(1)", c.subscript);
    Put(form, "Label18", PadDecimal(c.b, 4));
    Put(form, "Label19", PadDecimal(c.d, 4));
    Put(form, "Label20", PadDecimal(c.shear, 3));
    Put(form, "Label21", PadDecimal(c.Text(Design.KekkaTauC), 1));
    Put(form, "Label23", PadDecimal(Design.TauCa, 1));
}

}  // namespace

bool PrintRowNeedsStirrups(int direction) {
    const std::size_t set = direction == 0 ? 0 : 1;
    const int row = Design.KekkaPrintRow[set];
    return row >= 1 && row <= 6 && StirrupNeeded[set][static_cast<std::size_t>(row - 1)];
}

void SetInsMmtSdrHyou(LayoutForm& form) {
    const DesignData& x = Design;
    Put(form, "Label1", ChapterTitle("最大曲げモーメント・最大せん断力の決定"));
    if (x.WorkType >= 0 && x.WorkType <= 2) {
        Put(form, "Label3(0)", "　 崩壊部");
        Put(form, "Label3(2)", SpanPart(x.SpanCountX, 1));
    } else {
        // Anchored frames: n anchors make n - 1 spans.
        Put(form, "Label3(0)", SpanPart(x.AnchorCountY, 2));
        Put(form, "Label3(2)", SpanPart(x.AnchorCountX, 2));
    }
    Put(form, "Label4", Cell(x.Mmax[0][0]));
    Put(form, "Label5", Cell(x.Smax[0][0]));
    Put(form, "Label6", Cell(x.Mmax[1][0]));
    Put(form, "Label7", Cell(x.Smax[1][0]));
    Put(form, "Label11", Cell(x.Mmax[0][1]));
    Put(form, "Label12", Cell(x.Smax[0][1]));
    Put(form, "Label13", Cell(x.Mmax[1][1]));
    Put(form, "Label14", Cell(x.Smax[1][1]));
}

void SetInsMmaxSmax(LayoutForm& form) {
    const DesignData& x = Design;
    const bool frameSide = x.WorkType == 2;
    Put(form, "Label17",
        PadDecimal(frameSide ? ByWorkType(x.YokoMmax) : x.DesignMmax, kForceWidth));
    Put(form, "Label25",
        PadDecimal(frameSide ? ByWorkType(x.YokoSmax) : x.DesignSmax, kForceWidth));
}

void SetInsMmaxSmax2(LayoutForm& form) {
    const DesignData& x = Design;
    Put(form, "Label17", PadDecimal(ByWorkType(x.TateMmax), kForceWidth));
    Put(form, "Label25", PadDecimal(ByWorkType(x.TateSmax), kForceWidth));
    Put(form, "Label7", PadDecimal(ByWorkType(x.YokoMmax), kForceWidth));
    Put(form, "Label5", PadDecimal(ByWorkType(x.YokoSmax), kForceWidth));
}

void SetInsTekkinRyo(LayoutForm& form, int direction) {
    const CheckCase c = CaseOf(direction);
    const RebarSpec* bar = Bar(c.Index(Design.KekkaBar));
    const std::string area = bar ? UpToTwoDecimals(bar->Area * 100) : std::string();
    const std::string count = c.Text(Design.KekkaBarCount);

    Put(form, "Lab1", c.subscript);
    Put(form, "Label2", ChapterTitle(c.title));
    Put(form, "Label15", PadDecimal(c.d, 3));
    Put(form, "Label9", PadDecimal(c.moment, 3));
    Put(form, "Label16", PadDecimal(FormatPattern(c.requiredAs, "0.0"), 4));
    Put(form, "Label3", SectionTitle("鉄筋量の算出"));
    Put(form, "Label12", PadDecimal(Design.SigmaSa, 3));
    Put(form, "Label32", Caption(form, "Label16"));
    Put(form, "Label21", PadDecimal(bar ? bar->Name : std::string(), 3));
    Put(form, "Label24", PadDecimal(area, 4));
    Put(form, "Label28", PadDecimal(area, 4));
    Put(form, "Label26", PadDecimal(count, 2));
    Put(form, "Label29", PadDecimal(count, 2));
    Put(form, "Label30", PadDecimal(c.Text(Design.KekkaAs), 4));
    // A count of 0 is a row where no bar fits: it reads red wherever it
    // prints, as the results show it.
    if (!TrimBlanks(count).empty() && NumVal(count) == 0) {
        SetColor(form, "Label26", true);
        SetColor(form, "Label29", true);
    }

    // The provided area against the required one, as printed. Short of it,
    // the sentence no longer claims the bars satisfy it, and the line ends
    // in a red verdict.
    const double required = NumVal(Caption(form, "Label32"));
    const double provided = NumVal(Caption(form, "Label30"));
    if (!(provided < required)) {
        Put(form, "Label31", required < provided ? "＞" : "≦");
        return;
    }
    Put(form, "Label31", "＜");
    SetColor(form, "Label30", true);
    SetColor(form, "Label31", true);
    PutOutLine(form, {"・・・", "ＯＵＴ"});
    Put(form, "Label63", "");
    Put(form, "Label64", "");
    HideLine(form, "Line5");
    MoveRowTo(form, "Label21", "Label63");
}

void SetInsTekkinHi(LayoutForm& form, int direction) {
    const CheckCase c = CaseOf(direction);
    const std::string p = PadDecimal(c.SetText(Design.KekkaP), 1);
    const std::string k = PadDecimal(c.SetText(Design.KekkaK), 1);
    const std::string n = PadDecimal(kModularRatio, 2);

    Put(form, "Label1", SectionTitle("応力度の検討"));
    Put(form, "Label9", PadDecimal(c.b, 4));
    Put(form, "Label10", PadDecimal(c.d, 4));
    Put(form, "Lab1(0)", c.subscript);
    Put(form, "Lab1(1)", c.subscript);
    Put(form, "Label11", PadDecimal(c.Text(Design.KekkaAs), 4));
    for (const char* label : {"Label12", "Label25", "Label27", "Label29", "Label36"}) {
        Put(form, label, p);
    }
    for (const char* label : {"Label23", "Label24", "Label26", "Label28"}) Put(form, label, n);
    for (const char* label : {"Label30", "Label33", "Label35"}) Put(form, label, k);
    Put(form, "Label34", PadDecimal(c.SetText(Design.KekkaJ), 1));
    Put(form, "Label37", PadDecimal(c.SetText(Design.KekkaM), 2));
}

void SetInsOrkHippari(LayoutForm& form, int direction) {
    const CheckCase c = CaseOf(direction);
    Put(form, "Lab1", c.subscript);
    Put(form, "Label41", PadDecimal(c.d, 4));
    Put(form, "Label42", PadDecimal(c.moment, 3));
    Put(form, "Label39", PadDecimal(c.Text(Design.KekkaAs), 4));
    Put(form, "Label40", PadDecimal(c.SetText(Design.KekkaJ), 1));
    Put(form, "Label44", PadDecimal(c.Text(Design.KekkaSigmaS), 3));
    Put(form, "Label47", PadDecimal(Design.SigmaSa, 3));
    StressVerdict(form, "Label44", "Label47", "Label46", "Label49");
}

void SetInsOrkAssyuku(LayoutForm& form, int direction) {
    const CheckCase c = CaseOf(direction);
    Put(form, "Label6", PadDecimal(c.Text(Design.KekkaSigmaS), 3));
    Put(form, "Label8", PadDecimal(c.SetText(Design.KekkaM), 2));
    Put(form, "Label9", PadDecimal(c.Text(Design.KekkaSigmaC), 2));
    Put(form, "Label11", PadDecimal(Design.SigmaCa, 2));
    StressVerdict(form, "Label9", "Label11", "Label10", "Label12");
}

void SetInsOrkSendan(LayoutForm& form, int direction) {
    FillShear(form, CaseOf(direction));
    StressVerdict(form, "Label21", "Label23", "Label22", "Label24");
}

void SetInsOrkSendanX(LayoutForm& form, int direction) {
    const CheckCase c = CaseOf(direction);
    FillShear(form, c);
    Put(form, "Label1", PadDecimal(c.SetText(Design.KekkaJ), 1));
    StressVerdict(form, "Label21", "Label23", "Label22", "Label24");
}

void SetInsOrkFutyaku(LayoutForm& form, int direction) {
    const RebarSpec* bar = Bar(CaseOf(direction).Index(Design.KekkaBar));
    FillBond(form, direction, bar ? FormatPattern(bar->Perimeter * 10, "0") : std::string());
}

void SetInsOrkFutyakuStar(LayoutForm& form, int direction) {
    const RebarSpec* bar = Bar(CaseOf(direction).Index(Design.KekkaBar));
    FillBond(form, direction, bar ? NumStr(bar->Perimeter * 10) : std::string());
}

void SetInsOrkStarLap(LayoutForm& form, int direction) {
    const CheckCase c = CaseOf(direction);
    const DesignData& x = Design;
    const RebarSpec* bar = Bar(c.Index(x.KekkaStirrupBar));
    const std::string j = PadDecimal(c.SetText(x.KekkaJ), 1);
    const std::string sc = PadDecimal(c.Text(x.KekkaSc), 5);
    const std::string sv = PadDecimal(c.Text(x.KekkaSs), 5);
    const std::string pitch = c.Text(x.KekkaStirrupPitch);
    const std::string legs = c.Text(x.KekkaStirrupCount);

    Put(form, "Label1", SectionTitle("スターラップの検討"));
    for (const char* label : {"Lab1(0)", "Lab1(1)", "Lab1(2)"}) Put(form, label, c.subscript);
    Put(form, "Label10", PadDecimal(c.b, 4));
    Put(form, "Label11", PadDecimal(c.d, 4));
    Put(form, "Label31", PadDecimal(c.d, 4));
    Put(form, "Label19", PadDecimal(c.shear, 3));
    Put(form, "Label9", PadDecimal(x.TauCa, 1));
    Put(form, "Label12", sc);
    Put(form, "Label20", sc);
    Put(form, "Label21", sv);
    Put(form, "Label30", sv);
    Put(form, "Label23", PadDecimal(pitch, 3));
    Put(form, "Label29", PadDecimal(pitch, 3));
    Put(form, "Label28", PadDecimal(x.SigmaSa, 3));
    Put(form, "Label32", j);
    Put(form, "Label36", PadDecimal(bar ? bar->Name : std::string(), 2));
    Put(form, "Label41", PadDecimal(legs, 2));
    Put(form, "Label43", PadDecimal(legs, 2));
    Put(form, "Label38", PadDecimal(bar ? OneOrTwoDecimals(bar->Area * 100) : std::string(), 4));
    Put(form, "Label44",
        PadDecimal(bar ? FormatPattern(bar->Area * 100, "0.00") : std::string(), 4));
    Put(form, "Label45",
        PadDecimal(FormatPattern(NumVal(Caption(form, "Label38")) * NumVal(legs), "0.00"), 4));

    // Sc with or without the factor j.
    const bool withJ = StirrupDefaults.ScFormula != 1;
    Put(form, "Labx(0)", withJ ? "・" : "");
    Put(form, "Labx(1)", withJ ? "×" : "");
    Put(form, "Labx(2)", withJ ? "j" : "");
    Put(form, "Label52", withJ ? j : "");

    // Required area at the adopted spacing; none from a zero denominator or
    // a spacing that holds no number.
    const double denominator = NumVal(x.SigmaSa) * NumVal(c.d) * NumVal(c.SetText(x.KekkaJ));
    std::string required;
    if (denominator != 0 && HoldsNumber(pitch)) {
        const double v = NumVal(pitch) * NumVal(c.Text(x.KekkaSs)) / denominator;
        required = PadDecimal(RoundValue(v, 2, 1), 4);
    }
    Put(form, "Label33", required);
    Put(form, "Label47", Caption(form, "Label33"));

    // Provided against required; without a required area nothing has been
    // shown to suffice.
    const std::string& req = Caption(form, "Label47");
    const bool ok = HoldsNumber(req) && NumVal(req) <= NumVal(Caption(form, "Label45"));
    Put(form, "Label46", ok ? "≧" : "＜");
    Put(form, "Label50", ok ? "ＯＫ" : "ＯＵＴ");
    SetColor(form, "Label50", !ok);
    SetColor(form, "Label45", !ok);

    // An adopted spacing that fails as the results grid marks it: below the
    // minimum spacing, in a red line of its own; or "Err" (the stirrups do
    // not fit the section), when nothing from the spacing on can be worked
    // out: one red line stands in its place.
    if (!AdoptedSpacingOut(pitch)) return;
    if (!HoldsNumber(pitch)) {
        ClearFrom(form, Need(form, "Label92").top - 60);
        Put(form, "LabOutText", kNoStirrups);
        SetColor(form, "LabOutText", true);
        return;
    }
    PutOutLine(form,
               {"Ｓp", "＝", PadDecimal(pitch, 3), "(mm)", "＜",
                PadDecimal(NumStr(StirrupDefaults.MinSpacing), 3), "(mm)", "・・・", "ＯＵＴ"});
}

}  // namespace talvo::report
