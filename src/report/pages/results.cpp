#include "report/pages/results.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "report/pages/fill.h"
#include "results/designchecks.h"
#include "results/fitting.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::report {

namespace {

constexpr int kForceWidth = 4;
constexpr const char* kDash = "―";
constexpr int kNoStirrup = 99;

void SetForce(LayoutForm& form, std::string_view label, const std::string& text) {
    form.SetCaption(label, PadDecimal(text, kForceWidth));
}

void SetArea(LayoutForm& form, std::string_view label, double area) {
    form.SetCaption(label, PadDecimal(FormatPattern(area, "0.0"), kForceWidth));
}

// The bar's name, empty for an index outside the table.
std::string BarName(int index) {
    const RebarSpec* bar = Bar(index);
    return bar ? bar->Name : std::string();
}

// Lab(first) to Lab(first + 9) of one result row: row r of the results,
// checked against frame d (0 vertical, 1 horizontal).
void SetResultRow(LayoutForm& form, int first, int r, int d) {
    auto lab = [first](int column) { return "Lab" + std::to_string(first + column); };
    const DesignData& x = Design;
    if (r < 6 * d || r >= 6 * d + 6) {
        // No chosen row: the cells stay empty rather than show a stale row.
        for (int c = 0; c < 10; ++c) {
            form.SetCaption(lab(c), "");
        }
        return;
    }
    const auto& fit = d == 0 ? x.TateBarFit : x.YokoBarFit;
    const int bar = x.KekkaBar[r];
    const int fits = bar >= 0 && bar < static_cast<int>(fit.size()) ? fit[bar] : 0;

    form.SetCaption(lab(0), PadDecimal(BarName(bar), 5));

    form.SetCaption(lab(1), PadDecimal(x.KekkaBarCount[r], 3));
    SetColorIfPresent(form, lab(1), NumVal(x.KekkaBarCount[r]) > fits);

    form.SetCaption(lab(2), PadDecimal(x.KekkaAs[r], 4));
    SetColorIfPresent(form, lab(2), NumVal(x.KekkaAs[r]) < x.RequiredAs[d]);

    // A stress fails over its allowable value and when it holds no number.
    struct Stress {
        const std::string& text;
        const std::string& allowable;
        int width;
    };
    const std::array<Stress, 4> stresses{{{x.KekkaSigmaS[r], x.SigmaSa, 4},
                                          {x.KekkaSigmaC[r], x.SigmaCa, 3},
                                          {x.KekkaTauC[r], x.TauCa, 2},
                                          {x.KekkaTauO[r], x.TauOa, 3}}};
    for (int i = 0; i < 4; ++i) {
        const Stress& s = stresses[i];
        form.SetCaption(lab(3 + i), PadDecimal(s.text, s.width));
        SetColorIfPresent(form, lab(3 + i),
                          !HoldsNumber(s.text) || NumVal(s.text) > NumVal(s.allowable));
    }

    const int stirrup = x.KekkaStirrupBar[r];
    if (stirrup == kNoStirrup) {
        form.SetCaption(lab(7), PadDecimal(kDash, 3));
        form.SetCaption(lab(8), PadDecimal(kDash, 2));
        form.SetCaption(lab(9), PadDecimal(kDash, 2));
        return;
    }
    const std::string& pitch = x.KekkaStirrupPitch[r];
    form.SetCaption(lab(7), PadDecimal(BarName(stirrup), 5));
    form.SetCaption(lab(8), PadDecimal(x.KekkaStirrupCount[r], 3));
    form.SetCaption(lab(9), PadDecimal(pitch, 4));
    // Red as the results grid shows it.
    SetColorIfPresent(form, lab(9), AdoptedSpacingOut(pitch));
}

}  // namespace

void SetInsOryuokuIkei(LayoutForm& form) {
    const DesignData& d = Design;
    SetForce(form, "Lab1", ByWorkType(d.TateMmax));
    SetForce(form, "Lab2", ByWorkType(d.TateSmax));
    SetArea(form, "Lab3", d.RequiredAs[0]);
    SetForce(form, "Lab4", ByWorkType(d.YokoMmax));
    SetForce(form, "Lab5", ByWorkType(d.YokoSmax));
    SetArea(form, "Lab6", d.RequiredAs[1]);
}

void SetInsOryuokuDokei(LayoutForm& form) {
    const DesignData& d = Design;
    if (d.WorkType == 2) {
        SetForce(form, "Lab1", d.YokoMmax[2]);
        SetForce(form, "Lab2", d.YokoSmax[2]);
        SetArea(form, "Lab3", d.RequiredAs[1]);
    } else {
        SetForce(form, "Lab1", d.DesignMmax);
        SetForce(form, "Lab2", d.DesignSmax);
        SetArea(form, "Lab3", d.DesignAsReq);
    }
}

void SetInsKekkaHyouIkei(LayoutForm& form) {
    SetResultRow(form, 1, PrintCaseTate, 0);
    SetResultRow(form, 11, PrintCaseYoko, 1);
}

void SetInsKekkaHyouDokei(LayoutForm& form) {
    form.SetCaption("Label3", Design.WorkType == 2 ? " 横" : "縦横");
    SetResultRow(form, 1, PrintCaseYoko, 1);
}

namespace {

constexpr const char* kRedLine = "LabFailed";
// The red line's lines stand this far apart, in form twips: its 8.25-point
// letters and a little air.
constexpr int kRedLinePitch = 240;
constexpr double kTwipsPerPoint = 20;

// The line in the label LabFailed, and where the label's width cannot hold
// it whole, broken between names over labels LabFailed(1), LabFailed(2), …
// under it, all red. The label prints in a fixed-pitch face, a full-width
// letter as wide as its point size, so the width in columns is exact.
void PutRedLine(LayoutForm& form, const std::string& line, double scale) {
    if (line.empty()) return;
    FormLabel& first = Need(form, kRedLine);
    first.fontSize *= scale;
    first.height = static_cast<int>(std::ceil(first.height * scale));
    const int columns = static_cast<int>(2 * first.width / (first.fontSize * kTwipsPerPoint));
    const std::vector<std::string> pieces = BreakChecksLine(line, columns);
    Put(form, kRedLine, pieces.front());
    SetColor(form, kRedLine, true);
    const FormLabel shape = Need(form, kRedLine);
    auto at = std::find_if(form.items.begin(), form.items.end(), [](const FormItem& item) {
        const auto* label = std::get_if<FormLabel>(&item);
        return label && label->name == kRedLine;
    });
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        FormLabel next = shape;
        next.name = std::string(kRedLine) + "(" + std::to_string(i) + ")";
        next.caption = pieces[i];
        next.top = shape.top +
                   static_cast<int>(std::lround(static_cast<double>(i) * kRedLinePitch * scale));
        at = form.items.insert(std::next(at), next);
    }
}

}  // namespace

void PutFailedChecksLine(LayoutForm& form, double scale) {
    PutRedLine(form, FailedChecksLine(), scale);
}

void PutMissingEntriesLine(LayoutForm& form, double scale) {
    PutRedLine(form, MissingEntriesLine(), scale);
}

int RedLineBottom(const LayoutForm& form) {
    int bottom = 0;
    for (const FormItem& item : form.items) {
        const auto* label = std::get_if<FormLabel>(&item);
        if (!label || !label->name.starts_with(kRedLine) || label->caption.empty()) continue;
        bottom = std::max(bottom, label->top + label->height);
    }
    return bottom;
}

}  // namespace talvo::report
