#include "report/pages/anchorloads.h"

#include <string>
#include <string_view>

#include "report/engine/headings.h"
#include "report/pages/fill.h"
#include "report/pages/restraint.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

constexpr std::int16_t kRockBolts = 3;
constexpr std::int16_t kGroundAnchors = 4;

// The design-load block of all four forms; `tan` prints tan φ in place of
// the angle φ, `rockBolt` adds the shear force per bolt.
void FillSekkei(LayoutForm& form, bool rockBolt, bool tan) {
    const DesignData& d = Design;
    Put(form, "Label1", ChapterTitle(rockBolt ? "ロックボルトの設計荷重" : "アンカーの設計荷重"));
    LoadScriptL(form, 2);
    const std::string beta = BetaText();
    Put(form, "Lab12", PadDecimal(d.PlanFs, 1));
    Put(form, "Lab13", PadDecimal(d.SekkeiW, 4));
    Put(form, "Lab66", PadDecimal(d.SpanX, 3));
    Put(form, "Lab17", PadDecimal(d.SlipAngle, 3));
    Put(form, "Lab18", PadDecimal(d.SekkeiW, 4));
    Put(form, "Lab65", PadDecimal(d.SpanX, 3));
    Put(form, "Lab22", PadDecimal(d.SlipAngle, 3));
    Put(form, "Lab26", PadDecimal(tan ? d.TanPhi : d.FrictionAngle, 2));
    Put(form, "Lab29", PadDecimal(d.DeltaPrCalc, 4));
    // A negative increase is printed as computed, and the note says it is not
    // added; an empty text reads as 0 and needs no note.
    Put(form, "Lab9",
        NumVal(d.DeltaPrCalc) < 0 ? "　ここで、ΔＰr ＜ 0 となるので、必要抑止力の増分は考慮しない。"
                                  : "");
    Put(form, "Lab3", PadDecimal(beta, 2));
    if (rockBolt) {
        Put(form, "Label9", PadDecimal(d.Pr, 4));
        Put(form, "Label22", PadDecimal(d.DeltaPr, 4));
        Put(form, "Label10", PadDecimal(d.HorizSpacing, 2));
        Put(form, "Label11", PadDecimal(d.RowCount, 2));
        Put(form, "Label12", PadDecimal(d.RockS, 4));
    }
}

// The control names of the two head lines that name the bolt or the anchor.
struct HeadLines {
    const char* first;
    const char* second;
};

// Title, pictures and the head lines by work type (any other work type keeps
// the form's own texts).
void FillPatternHead(LayoutForm& form, HeadLines head) {
    Put(form, "Label9", ChapterTitle("等分布荷重"));
    LoadScriptL(form, 2);
    const std::int16_t workType = Design.WorkType;
    if (workType == kRockBolts) {
        Put(form, head.first,
            "　ロックボルトの荷重によって生ずる地盤反力が、のり枠に等分布荷重として作用するものと"
            "し、");
        Put(form, head.second, "ロックボルト打設位置を支点とする梁のモデルとする。");
    } else if (workType == kGroundAnchors) {
        Put(form, head.first,
            "　アンカーの荷重によって生ずる地盤反力が、のり枠に等分布荷重として作用するものとし、");
        Put(form, head.second, "アンカー打設位置を支点とする梁のモデルとする。");
    }
}

// The line patterns: Ｐt (or Ｐt/2) on each frame's share length.
void FillLinePattern(LayoutForm& form, HeadLines head, int loadWidth, int perLengthWidth) {
    const DesignData& d = Design;
    FillPatternHead(form, head);
    Put(form, "Label2", PadDecimal(d.Pt, loadWidth));
    Put(form, "Label4", PadDecimal(d.TateShareL, 2));
    Put(form, "Label7", PadDecimal(d.TateToubunpu, perLengthWidth));
    Put(form, "Label15", PadDecimal(d.Pt, loadWidth));
    Put(form, "Label16", PadDecimal(d.YokoShareL, 2));
    Put(form, "Label18", PadDecimal(d.YokoToubunpu, perLengthWidth));
}

}  // namespace

void SetInsSekkeiAncFai(LayoutForm& form) {
    FillSekkei(form, false, false);
}

void SetInsSekkeiAncTan(LayoutForm& form) {
    FillSekkei(form, false, true);
}

void SetInsSekkeiRockFai(LayoutForm& form) {
    FillSekkei(form, true, false);
}

void SetInsSekkeiRockTan(LayoutForm& form) {
    FillSekkei(form, true, true);
}

std::unique_ptr<LayoutForm> SetInsToubunpu(std::int16_t direction) {
    const DesignData& d = Design;
    const bool vertical = direction == 0;
    const bool byPitch = (vertical ? d.TateShareMode : d.YokoShareMode) != 0;
    std::unique_ptr<LayoutForm> form =
        LoadForm(byPitch ? "InsToubunpuPitti" : "InsToubunpuZennaga");
    LoadScriptL(*form, byPitch ? 2 : 1);
    Put(*form, "Lab1(0)", vertical ? "1" : "2");
    if (byPitch) {
        Put(*form, "Lab1(1)", vertical ? "py" : "px");
    } else {
        Put(*form, "Lab1(1)", vertical ? "y" : "x");
        Put(*form, "Lab1(2)", vertical ? "y" : "x");
    }
    Put(*form, "Label3", vertical ? "縦枠" : "横枠");
    if (byPitch) {
        if (d.WorkType == kRockBolts) {
            Put(*form, "Label1", "1本あたりの設計荷重をロックボルトピッチで均等配分する｡");
        } else if (d.WorkType == kGroundAnchors) {
            Put(*form, "Label1", "1本あたりの設計荷重をアンカーピッチで均等配分する｡");
        }
    } else {
        Put(*form, "Label10", PadDecimal(vertical ? d.TotalLengthY : d.TotalLengthX, 3));
        Put(*form, "Label9", PadDecimal(vertical ? d.AnchorCountY : d.AnchorCountX, 2));
    }
    Put(*form, "Label7", PadDecimal(vertical ? d.TateShareL : d.YokoShareL, 2));
    return form;
}

void SetInsToubunpuCross(LayoutForm& form) {
    const DesignData& d = Design;
    FillPatternHead(form, {"Label11", "Label12"});
    Put(form, "Label2", PadDecimal(d.Pt, 4));
    Put(form, "Label4", PadDecimal(d.TateShareL, 2));
    Put(form, "Label6", PadDecimal(d.YokoShareL, 2));
    Put(form, "Label7", PadDecimal(d.TateToubunpu, 3));
}

void SetInsToubunpuCrossB(LayoutForm& form) {
    const DesignData& d = Design;
    FillPatternHead(form, {"Label15", "Label12"});
    // b: the wider of the two frame widths in metres, its subscript naming
    // the wider frame (none when both are as wide).
    const double bx = NumVal(d.SectionBx);
    const double by = NumVal(d.SectionBy);
    const double b = (bx < by ? by : bx) / 1000.0;
    Put(form, "Lab1", bx < by ? "y" : (bx > by ? "x" : ""));
    Put(form, "Label2", PadDecimal(d.Pt, 4));
    Put(form, "Label4", PadDecimal(d.TateShareL, 2));
    Put(form, "Label6", PadDecimal(d.YokoShareL, 2));
    Put(form, "Label7", PadDecimal(d.TateToubunpu, 3));
    Put(form, "Label10", PadDecimal(FormatPattern(b, "0.000"), 2));
}

void SetInsToubunpuLine(LayoutForm& form) {
    FillLinePattern(form, {"Label6", "Label12"}, 4, 3);
}

void SetInsToubunpuLineHalf(LayoutForm& form) {
    FillLinePattern(form, {"Label25", "Label27"}, 3, 2);
}

void SetInsToubunpuPt(LayoutForm& form) {
    const std::int16_t workType = Design.WorkType;
    if (workType == kRockBolts) {
        Put(form, "Label1", ChapterTitle("ロックボルトの設計荷重"));
    } else if (workType == kGroundAnchors) {
        Put(form, "Label1", ChapterTitle("アンカーの設計荷重"));
    }
    // The load is printed whatever the work type, so that the form's
    // placeholder never stands in for it.
    Put(form, "Label16", PadDecimal(Design.Pt, 4));
}

}  // namespace talvo::report
