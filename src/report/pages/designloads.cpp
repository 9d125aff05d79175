#include "report/pages/designloads.h"

#include <string>
#include <string_view>

#include "report/engine/headings.h"
#include "report/pages/fill.h"
#include "report/pages/loads.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

constexpr int kWeightWidth = 4;     // design weights on the weight block
constexpr int kSnowBlockWidth = 3;  // the same weights on the snow block

void Headings(LayoutForm& form) {
    Put(form, "Label74", ChapterTitle("設計荷重の算出"));
    Put(form, "Label1", SectionTitle("枠にかかる重量"));
    LoadScriptLIfPresent(form, 2);
}

// From the horizontal frame's weight to the infill weight: the lines both
// weight blocks share.
void SetCommonLines(LayoutForm& form) {
    const DesignData& d = Design;
    const std::string bx = MetreText(d.SectionBx);
    PutNum(form, "Label41", d.SekkeiWcx, kWeightWidth);
    PutNum(form, "Label46", d.SekkeiWcy, kWeightWidth);
    PutNum(form, "Label47", d.SekkeiWcx, kWeightWidth);
    PutNum(form, "Label48", d.SekkeiWc, kWeightWidth);
    // An infill that is not considered prints zeros; its stored weight is
    // "0.00" then.
    const bool infill = d.UseInfill != 0;
    PutNum(form, "Label65", d.TotalLengthY, 2);
    PutNum(form, "Label64", bx, 1);
    PutNum(form, "Label62", d.YokoCount, 2);
    PutNum(form, "Label59", d.SpanX, 2);
    PutNum(form, "Label58", MetreText(d.SectionBy), 1);
    PutNum(form, "Label44", infill ? MetreText(d.InfillThick) : "0.000", 1);
    PutNum(form, "Label56", infill ? d.InfillGamma : "0.0", 2);
    PutNum(form, "Label55", d.SekkeiWe, kWeightWidth);
}

}  // namespace

void SetInsSekkeiJyuuryo(LayoutForm& form) {
    const DesignData& d = Design;
    Headings(form);
    const std::string by = MetreText(d.SectionBy);
    PutNum(form, "Label12", by, 1);
    PutNum(form, "Label13", MetreText(d.SectionHy), 1);
    PutNum(form, "Label14", d.TotalLengthY, 2);
    PutNum(form, "Label16", d.FrameGamma, 2);
    PutNum(form, "Label18", d.SekkeiWcy, kWeightWidth);
    PutNum(form, "Label32", MetreText(d.SectionBx), 1);
    PutNum(form, "Label33", MetreText(d.SectionHx), 1);
    PutNum(form, "Label36", d.SpanX, 2);
    PutNum(form, "Label37", by, 1);
    PutNum(form, "Label39", d.YokoCount, 2);
    PutNum(form, "Label40", d.FrameGamma, 2);
    SetCommonLines(form);
}

void SetInsSekkeiJyuuryoY(LayoutForm& form) {
    const DesignData& d = Design;
    Headings(form);
    const std::string bx = MetreText(d.SectionBx);
    PutNum(form, "Label8", bx, 1);
    PutNum(form, "Label27", d.YokoCount, 2);
    PutNum(form, "Label12", MetreText(d.SectionBy), 1);
    PutNum(form, "Label13", MetreText(d.SectionHy), 1);
    PutNum(form, "Label14", d.TotalLengthY, 2);
    PutNum(form, "Label16", d.FrameGamma, 2);
    PutNum(form, "Label18", d.SekkeiWcy, kWeightWidth);
    PutNum(form, "Label32", bx, 1);
    PutNum(form, "Label33", MetreText(d.SectionHx), 1);
    PutNum(form, "Label36", d.SpanX, 2);
    PutNum(form, "Label39", d.YokoCount, 2);
    PutNum(form, "Label40", d.FrameGamma, 2);
    SetCommonLines(form);
}

void SetInsSekkeiYukiKouryo(LayoutForm& form) {
    const DesignData& d = Design;
    LoadScriptLIfPresent(form, 1);
    const std::string share = SnowShareText();
    PutNum(form, "Label39", d.SlopeN, 1);
    PutNum(form, "Label41", SnowPercentText(), 3);
    PutNum(form, "Label43", share, 1);
    PutNum(form, "Label46", share, 1);
    PutNum(form, "Label27", d.TotalLengthY, 2);
    PutNum(form, "Label28", d.SpanX, 2);
    PutNum(form, "Label29", d.SnowDepth, 1);
    PutNum(form, "Label30", d.SnowGamma, 1);
    PutNum(form, "Label31", d.SekkeiWs, kSnowBlockWidth);
    PutNum(form, "Label34", d.SekkeiWc, kSnowBlockWidth);
    PutNum(form, "Label35", d.SekkeiWe, kSnowBlockWidth);
    PutNum(form, "Label36", d.SekkeiWs, kSnowBlockWidth);
    PutNum(form, "Label37", d.SekkeiW, kSnowBlockWidth);
}

}  // namespace talvo::report
