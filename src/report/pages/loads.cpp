#include "report/pages/loads.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "report/engine/headings.h"
#include "report/pages/fill.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::report {

namespace {

struct Infill {
    std::string thick;  // h_e in metres
    std::string gamma;  // γ_e
};

// h_e and γ_e; an infill that is not considered prints zeros with the given
// unit-weight text (the stored weight is then "0.00" as well).
Infill InfillPair(std::string_view zeroGamma) {
    const DesignData& d = Design;
    if (d.UseInfill != 0) return {MetreText(d.InfillThick), d.InfillGamma};
    return {"0.000", std::string(zeroGamma)};
}

// The length of vertical frame that one horizontal span carries: the span
// y, or the upper overhang c when the vertical frame has no span.
struct VerticalLength {
    const char* subscript;
    std::string value;
};

VerticalLength VerticalSpan() {
    const DesignData& d = Design;
    if (NumVal(d.SpanCountY) != 0) return {"y", d.SpanY};
    return {"c", d.OverhangUpper};
}

// The wedge pages' lines from the infill weight to the total load.
void SetWedgeInfillAndSoil(LayoutForm& form) {
    const DesignData& d = Design;
    const Infill infill = InfillPair("0.00");
    PutNum(form, "Label39", d.KusabiL1, 2);
    PutNum(form, "Label40", MetreText(d.SectionBx), 1);
    PutNum(form, "Label41", d.HoukaiN, 2);
    PutNum(form, "Label47", d.SpanX, 2);
    PutNum(form, "Label48", MetreText(d.SectionBy), 1);
    PutNum(form, "Label52", infill.thick, 1);
    PutNum(form, "Label53", infill.gamma, 2);
    PutNum(form, "Label44", d.HoukaiWe, 4);
    PutNum(form, "Label58", d.KusabiL2, 2);
    PutNum(form, "Label63", d.KusabiH, 2);
    PutNum(form, "Label57", d.SpanX, 2);
    PutNum(form, "Label56", d.SoilGamma, 2);
    PutNum(form, "Label55", d.HoukaiWt, 4);
    PutNum(form, "Label64", d.HoukaiWc, 4);
    PutNum(form, "Label65", d.HoukaiWe, 4);
    PutNum(form, "Label66", d.HoukaiWt, 4);
    PutNum(form, "Label37", d.HoukaiW, 4);
}

void WeightHeadings(LayoutForm& form, std::string_view chapter, std::string_view chapterLabel,
                    std::string_view sectionLabel, int pictures) {
    Put(form, chapterLabel, ChapterTitle(chapter));
    Put(form, sectionLabel, SectionTitle("枠にかかる重量"));
    LoadScriptLIfPresent(form, pictures);
}

// The three weights of a snow-free total: Wc, We and W.
void SetTotalWeight(LayoutForm& form, const std::string& wc, const std::string& we,
                    const std::string& w, int width) {
    PutNum(form, "Label34", wc, width);
    PutNum(form, "Label35", we, width);
    PutNum(form, "Label37", w, width);
}

// The frame weights of the wedge pages of the vertical frame. The frame that
// runs through the crossings counts its full length, the other only the
// length between them: with the horizontal frame through, the vertical
// frame's length takes off N widths b_x (Label14 and Label26); with the
// vertical frame through, the horizontal frame's span takes off the width
// b_y (Label26), and Label14 keeps the form's own text.
void WedgeFrameWeight(LayoutForm& form, bool horizontalThrough) {
    const DesignData& d = Design;
    WeightHeadings(form, "作用荷重の算出（縦枠）", "Label1", "Label2", 3);
    const std::string by = MetreText(d.SectionBy);
    const std::string bx = MetreText(d.SectionBx);
    if (horizontalThrough) PutNum(form, "Label14", d.HoukaiN, 2);
    PutNum(form, "Label15", by, 1);
    PutNum(form, "Label16", MetreText(d.SectionHy), 1);
    PutNum(form, "Label17", d.KusabiL1, 2);
    PutNum(form, "Label18", d.FrameGamma, 2);
    PutNum(form, "Label19", d.HoukaiWcy, 4);
    PutNum(form, "Label23", bx, 1);
    PutNum(form, "Label24", MetreText(d.SectionHx), 1);
    PutNum(form, "Label25", d.SpanX, 2);
    PutNum(form, "Label26", horizontalThrough ? bx : by, 1);
    PutNum(form, "Label27", d.HoukaiN, 2);
    PutNum(form, "Label33", d.FrameGamma, 2);
    PutNum(form, "Label28", d.HoukaiWcx, 4);
    PutNum(form, "Label29", d.HoukaiWcy, 4);
    PutNum(form, "Label30", d.HoukaiWcx, 4);
    PutNum(form, "Label31", d.HoukaiWc, 4);
    SetWedgeInfillAndSoil(form);
}

constexpr int kSpanWeightWidth = 4;    // weights per span of the failure-load reports
constexpr int kDesignWeightWidth = 3;  // design weights of the anchored reports

}  // namespace

std::string MetreText(std::string_view millimetres) {
    if (millimetres.empty()) return {};
    return FormatPattern(NumVal(millimetres) / 1000, "0.000");
}

std::string SnowPercentText() {
    const int snowClass = Design.SnowClass;
    if (snowClass < 0 || static_cast<std::size_t>(snowClass) >= SnowRule.DepthPercent.size())
        return {};
    return SnowRule.DepthPercent[static_cast<std::size_t>(snowClass)];
}

std::string SnowShareText() {
    return FormatPattern(NumVal(SnowPercentText()) / 100, "0.00");
}

// ---- vertical frame, failure-load reports

void SetInsKusabiJyuuryo(LayoutForm& form) {
    WedgeFrameWeight(form, /*horizontalThrough=*/false);
}

void SetInsKusabiJyuuryoY(LayoutForm& form) {
    WedgeFrameWeight(form, /*horizontalThrough=*/true);
}

void SetInsKusabiKajyuu(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label55", SectionTitle("作用重量"));
    PutNum(form, "Label27", d.HoukaiW, 4);
    PutNum(form, "Label37", d.DeltaFs, 1);
    PutNum(form, "Label39", d.KusabiAlpha, 2);
    PutNum(form, "Label41", d.HoukaiP, 4);
    PutNum(form, "Label49", d.HoukaiP, 4);
    PutNum(form, "Label51", d.SlopeAngle, 2);
    PutNum(form, "Label52", d.KusabiAlpha, 2);
    PutNum(form, "Label53", d.HoukaiPr, 4);
}

void SetInsEnkoJyuuryo(LayoutForm& form) {
    const DesignData& d = Design;
    WeightHeadings(form, "作用荷重の算出（縦枠）", "Label1", "Label2", 2);
    const Infill infill = InfillPair("0.0");
    PutNum(form, "Label39", d.EnkoL1, 2);
    PutNum(form, "Label40", MetreText(d.SectionBx), 1);
    PutNum(form, "Label41", d.HoukaiN, 2);
    PutNum(form, "Label47", d.SpanX, 2);
    PutNum(form, "Label48", MetreText(d.SectionBy), 1);
    PutNum(form, "Label52", infill.thick, 1);
    PutNum(form, "Label53", infill.gamma, 2);
    PutNum(form, "Label44", d.HoukaiWe, 4);
    PutNum(form, "Label27", d.EnkoL2, 2);
    PutNum(form, "Label28", d.EnkoL1, 2);
    PutNum(form, "Label29", d.EnkoL2, 2);
    PutNum(form, "Label30", d.EnkoRadius, 3);
    PutNum(form, "Label33", d.EnkoL1, 2);
    PutNum(form, "Label32", d.EnkoRadius, 3);
    PutNum(form, "Label49", d.EnkoAngle, 3);
    // The numerator over "360" keeps its place: a two-digit angle one
    // leading space, a one-digit angle one as well.
    PutNum(form, "Label56", d.EnkoAngle, NumVal(d.EnkoAngle) >= 10 ? 3 : 2);
    PutNum(form, "Label57", d.EnkoRadius, 3);
    PutNum(form, "Label58", d.EnkoL1, 2);
    PutNum(form, "Label59", d.EnkoRadius, 3);
    PutNum(form, "Label60", d.EnkoL2, 2);
    PutNum(form, "Label61", d.SpanX, 2);
    PutNum(form, "Label62", d.SoilGamma, 2);
    PutNum(form, "Label63", d.HoukaiWt, 4);
    PutNum(form, "Label64", d.HoukaiWe, 4);
    PutNum(form, "Label65", d.HoukaiWt, 4);
    PutNum(form, "Label66", d.HoukaiW, 4);
}

void SetInsEnkoKajyuu(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label55", SectionTitle("作用重量"));
    PutNum(form, "Label5", d.HoukaiW, 4);
    PutNum(form, "Label8", d.DeltaFs, 1);
    PutNum(form, "Label13", d.SlopeAngle, 2);
    PutNum(form, "Label14", d.HoukaiP, 4);
    PutNum(form, "Label15", d.HoukaiP, 4);
    PutNum(form, "Label17", d.EnkoAngle, 1);
    PutNum(form, "Label20", d.HoukaiPr, 3);
}

// ---- horizontal frame

void SetInsYokoJyuuryo(LayoutForm& form) {
    const DesignData& d = Design;
    WeightHeadings(form, "作用荷重の算出（横枠）", "Label1", "Label2", 4);
    const std::string bx = MetreText(d.SectionBx);
    const std::string hx = MetreText(d.SectionHx);
    const std::string by = MetreText(d.SectionBy);
    const std::string hy = MetreText(d.SectionHy);
    const Infill infill = InfillPair("0.00");
    const VerticalLength v = VerticalSpan();

    // The member with the taller section runs through the crossing at full
    // length; the other counts only between the crossings.
    if (NumVal(d.SectionHx) > NumVal(d.SectionHy)) {
        for (const char* name : {"Lab1(0)", "Lab1(1)", "Lab1(2)", "Lab1(3)"}) Put(form, name, "x");
        Put(form, "Lab2(1)", "y");
        Put(form, "Lab2(2)", "y");
        Put(form, "Lab2(0)", v.subscript);
        PutNum(form, "Label15", v.value, 2);
        PutNum(form, "Label12", d.SpanX, 2);
        PutNum(form, "Label13", bx, 1);
        PutNum(form, "Label14", hx, 1);
        PutNum(form, "Label16", bx, 1);
        PutNum(form, "Label17", by, 1);
        PutNum(form, "Label51", hy, 1);
    } else {
        for (const char* name : {"Lab1(1)", "Lab1(2)", "Lab1(3)"}) Put(form, name, "y");
        for (const char* name : {"Lab2(0)", "Lab2(1)", "Lab2(2)"}) Put(form, name, "x");
        Put(form, "Lab1(0)", v.subscript);
        PutNum(form, "Label12", v.value, 2);
        PutNum(form, "Label13", by, 1);
        PutNum(form, "Label14", hy, 1);
        PutNum(form, "Label15", d.SpanX, 2);
        PutNum(form, "Label16", by, 1);
        PutNum(form, "Label17", bx, 1);
        PutNum(form, "Label51", hx, 1);
    }
    PutNum(form, "Label52", d.FrameGamma, 2);
    PutNum(form, "Label18", d.YokoWc, kSpanWeightWidth);
    PutNum(form, "Label20", d.SpanX, 2);
    PutNum(form, "Label21", by, 1);
    Put(form, "Lab2(3)", v.subscript);
    PutNum(form, "Label22", v.value, 2);
    PutNum(form, "Label23", bx, 1);
    PutNum(form, "Label24", infill.thick, 1);
    PutNum(form, "Label25", infill.gamma, 2);
    PutNum(form, "Label26", d.YokoWe, kSpanWeightWidth);
}

void SetInsYokoSouJyuuryoHoukai(LayoutForm& form) {
    const DesignData& d = Design;
    SetTotalWeight(form, d.YokoWc, d.YokoWe, d.YokoW, kSpanWeightWidth);
}

void SetInsYokoSouJyuuryo(LayoutForm& form) {
    const DesignData& d = Design;
    SetTotalWeight(form, d.SekkeiWc, d.SekkeiWe, d.SekkeiW, kDesignWeightWidth);
}

void SetInsYokoYukiNasiHoukai(LayoutForm& form) {
    const DesignData& d = Design;
    PutNum(form, "Label39", d.SlopeN, 1);
    SetTotalWeight(form, d.YokoWc, d.YokoWe, d.YokoW, kSpanWeightWidth);
}

void SetInsYokoYukiNasi(LayoutForm& form) {
    const DesignData& d = Design;
    PutNum(form, "Label39", d.SlopeN, 1);
    SetTotalWeight(form, d.SekkeiWc, d.SekkeiWe, d.SekkeiW, kDesignWeightWidth);
}

void SetInsYokoYukiKouryo(LayoutForm& form) {
    const DesignData& d = Design;
    LoadScriptLIfPresent(form, 2);
    const std::string share = SnowShareText();
    const VerticalLength v = VerticalSpan();
    PutNum(form, "Label39", d.SlopeN, 1);
    PutNum(form, "Label41", SnowPercentText(), 3);
    PutNum(form, "Label43", share, 1);
    PutNum(form, "Label46", share, 1);
    PutNum(form, "Label27", d.SpanX, 2);
    Put(form, "Label54(3)", v.subscript);
    PutNum(form, "Label28", v.value, 2);
    PutNum(form, "Label29", d.SnowDepth, 1);
    PutNum(form, "Label30", d.SnowGamma, 2);
    PutNum(form, "Label31", d.YokoWs, kSpanWeightWidth);
    PutNum(form, "Label34", d.YokoWc, kSpanWeightWidth);
    PutNum(form, "Label35", d.YokoWe, kSpanWeightWidth);
    PutNum(form, "Label36", d.YokoWs, kSpanWeightWidth);
    PutNum(form, "Label37", d.YokoW, kSpanWeightWidth);
}

void SetInsYokoKajyuu(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label1", SectionTitle("作用荷重"));
    LoadScriptLIfPresent(form, 1);
    PutNum(form, "Label8", d.YokoW, 4);
    PutNum(form, "Label10", d.SlopeAngle, 2);
    PutNum(form, "Label12", d.YokoQ, 4);
    PutNum(form, "Label17", d.YokoQ, 4);
    PutNum(form, "Label18", d.SpanX, 3);
    PutNum(form, "Label19", d.YokoLoadW, 3);
}

}  // namespace talvo::report
