#include "report/pages/conditions.h"

#include <string>
#include <string_view>

#include "report/pages/fill.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

// Every number and every dash of the table stands in six integer places.
constexpr int kValueWidth = 6;
constexpr const char* kDash = "―";

void SetValue(LayoutForm& form, std::string_view label, const std::string& text) {
    form.SetCaption(label, PadDecimal(text, kValueWidth));
}

void SetDash(LayoutForm& form, std::string_view label) {
    form.SetCaption(label, PadDecimal(kDash, kValueWidth));
}

// The value when it applies, the dash when it does not.
void SetValueOrDash(LayoutForm& form, std::string_view label, const std::string& text,
                    bool applies) {
    if (applies) {
        SetValue(form, label, text);
    } else {
        SetDash(form, label);
    }
}

void SetPresentOrDash(LayoutForm& form, std::string_view label, const std::string& text) {
    SetValueOrDash(form, label, text, Present(text));
}

// A name in parentheses when it is shown and not empty, else nothing.
void SetName(LayoutForm& form, std::string_view label, const std::string& name, bool shown,
             std::string_view open, std::string_view close) {
    std::string caption;
    if (shown && Present(name)) {
        caption.append(open).append(name).append(close);
    }
    form.SetCaption(label, std::move(caption));
}

// What both tables share: the site texts, the frame outline, the sections,
// the unit weights with their names and the allowable stresses. The moving
// soil is left to the caller.
void SetCommonRows(LayoutForm& form, std::string_view open, std::string_view close) {
    const DesignData& d = Design;
    form.SetCaption("Lab0(0)", d.DistrictName);
    form.SetCaption("Lab0(1)", d.LineName);
    form.SetCaption("Lab0(2)", d.Remarks);

    SetValue(form, "Lab1", d.SpanCountY);
    SetValueOrDash(form, "Lab2", d.SpanY, NumVal(d.SpanCountY) != 0);
    SetPresentOrDash(form, "Lab3", d.OverhangUpper);
    SetPresentOrDash(form, "Lab4", d.OverhangLower);
    SetValue(form, "Lab5", d.TotalLengthY);
    SetValue(form, "Lab6", d.SpanCountX);
    SetValue(form, "Lab7", d.SpanX);
    SetPresentOrDash(form, "Lab8", d.OverhangLeft);
    SetPresentOrDash(form, "Lab9", d.OverhangRight);
    SetValue(form, "Lab10", d.TotalLengthX);

    SetValue(form, "Lab11", d.SectionHy);
    SetValue(form, "Lab12", d.SectionBy);
    SetValue(form, "Lab13", d.SectionDy);
    SetValue(form, "Lab14", d.SectionHx);
    SetValue(form, "Lab15", d.SectionBx);
    SetValue(form, "Lab16", d.SectionDx);

    SetValue(form, "Lab17", d.FrameGamma);
    SetValueOrDash(form, "Lab18", d.InfillGamma, d.UseInfill != 0);
    SetValueOrDash(form, "Lab19", d.SnowGamma, d.UseSnow != 0);
    SetName(form, "Lab26", d.FrameMaterial, true, open, close);
    SetName(form, "Lab27", d.InfillName, d.UseInfill == 1, open, close);
    SetName(form, "Lab28", d.SnowRemarks, d.UseSnow == 1, open, close);

    SetValue(form, "Lab21", d.SigmaCk);
    SetValue(form, "Lab22", d.SigmaCa);
    SetValue(form, "Lab23", d.TauCa);
    SetValue(form, "Lab24", d.TauOa);
    SetValue(form, "Lab25", d.SigmaSa);
}

}  // namespace

void SetInsHoukaiHyou(LayoutForm& form) {
    const DesignData& d = Design;
    LoadScriptLIfPresent(form, 6);
    SetCommonRows(form, "（", "）");
    // Greening foundation work (2) has no failing soil mass.
    const bool soil = d.WorkType != 2;
    SetValueOrDash(form, "Lab20", d.SoilGamma, soil);
    SetName(form, "Lab29", d.SoilName, soil, "（", "）");
}

void SetInsHeiyouHyou(LayoutForm& form) {
    const DesignData& d = Design;
    LoadScriptLIfPresent(form, 12);
    SetCommonRows(form, "(", ")");
    SetDash(form, "Lab20");
    form.SetCaption("Lab29", "");

    SetValue(form, "lab31", d.AnchorCountY);
    SetValueOrDash(form, "Lab32", d.PitchY, NumVal(d.AnchorCountY) > 1);
    SetPresentOrDash(form, "Lab33", d.AnchorOverhangUpper);
    SetPresentOrDash(form, "Lab34", d.AnchorOverhangLower);
    SetValue(form, "Lab36", d.AnchorCountX);
    SetValue(form, "Lab37", d.PitchX);
    SetPresentOrDash(form, "Lab38", d.AnchorOverhangLeft);
    SetPresentOrDash(form, "Lab39", d.AnchorOverhangRight);

    const char* countCaption = d.WorkType == 3   ? "ﾛｯｸﾎﾞﾙﾄ数"
                               : d.WorkType == 4 ? "アンカー数"
                                                 : nullptr;
    if (countCaption != nullptr) {
        form.SetCaption("Lab35(0)", countCaption);
        form.SetCaption("Lab40(0)", countCaption);
    }
}

}  // namespace talvo::report
