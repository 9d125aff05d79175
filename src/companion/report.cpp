#include "companion/report.h"

#include <memory>
#include <string>

#include "companion/checks.h"
#include "companion/search.h"
#include "companion/study.h"
#include "report/engine/renderer.h"
#include "report/pages/failureshape.h"
#include "shell/angles.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::companion {

namespace {

using report::LayoutForm;

constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlack = 0;
constexpr const char* kDash7 = "     － ";
constexpr const char* kDash10 = "        －";

void Set(LayoutForm& form, const std::string& name, const std::string& caption) {
    form.SetCaption(name, caption);
}

void Colour(LayoutForm& form, const std::string& name, bool red) {
    if (auto* label = form.Label(name)) label->foreColor = red ? kRed : kBlack;
}

std::string Indexed(const char* name, int i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

}  // namespace

void SetInsatuTitleKusabi(LayoutForm& jouken) {
    Set(jouken, "Label2", "抑止可能な崩壊の規模 -くさび形-");
    Set(jouken, "Label73", kDash7);
}

void SetInsatuTitleEnko(LayoutForm& jouken) {
    Set(jouken, "Label2", "抑止可能な崩壊の規模 -円弧形-");
    Set(jouken, "Label73", PadDecimal(ArcTopDistance, 7));
}

void SetInsatuJouken(LayoutForm& jouken) {
    Set(jouken, "Label67", PadDecimal(SoilWeight, 7));
    Set(jouken, "Label68", InfillMode == 1 ? PadDecimal(InfillWeight, 7) : std::string(kDash7));
    Set(jouken, "Label70", PadDecimal(FrameWeight, 7));
    Set(jouken, "Label71", PadDecimal(DeltaFs, 7));
    Set(jouken, "Label72", PadDecimal(SlopeAngle, 7));
    Set(jouken, "Label74", PadDecimal(SigmaCa, 7));
    Set(jouken, "Label75", PadDecimal(SigmaSa, 7));
}

void SetInsatuKekka(LayoutForm& kekka) {
    for (int j = 0; j < 4; ++j) Set(kekka, Indexed("Label30", j), TrimBlanks(FailDepth[j]));
    for (int p = 0; p < 2; ++p) {
        Set(kekka, Indexed("Label6", p), FormatKeta(PatSpanYoko[p], 6, 3));
        Set(kekka, Indexed("Label18", p), FormatKeta(PatSpanTate[p], 6, 3));
        Set(kekka, Indexed("Label21", p), FormatKeta(PatOverhang[p], 6, 3));
        Set(kekka, Indexed("Label22", p), FormatKeta(PatWidth[p], 10, 0));
        Set(kekka, Indexed("Label24", p), FormatKeta(PatEffHeight[p], 10, 0));
        Set(kekka, Indexed("Label23", p), FormatKeta(PatHeight[p], 10, 0));
        const bool tooHigh = Present(PatHeight[p]) && Present(PatEffHeight[p]) &&
                             !(NumVal(PatHeight[p]) > NumVal(PatEffHeight[p]));
        Colour(kekka, Indexed("Label23", p), tooHigh);
        Colour(kekka, Indexed("Label24", p), tooHigh);
        Set(kekka, Indexed("Label8", p),
            InfillMode == 1 ? FormatKeta(PatInfillThick[p], 10, 0) : std::string(kDash10));
        Colour(kekka, Indexed("Label8", p),
               Present(PatInfillThick[p]) && Present(PatHeight[p]) &&
                   NumVal(PatInfillThick[p]) > NumVal(PatHeight[p]));
        const int bar = PatBarIndex[p] < 0 ? 0 : PatBarIndex[p] > 11 ? 11 : PatBarIndex[p];
        Set(kekka, Indexed("Label26", p), RebarSpecTable[bar].Name);
        Set(kekka, Indexed("Label28", p), FormatKeta(PatBarCount[p], 10, 0));
        Colour(kekka, Indexed("Label28", p), !TekkinCheck(p));

        const int c = p + 2 * (ShapeMode != 0 ? 1 : 0);
        const char* lName = p == 0 ? "Label31" : "Label33";
        const char* hName = p == 0 ? "Label32" : "Label34";
        for (int j = 0; j < 4; ++j) {
            const std::string& l = KekkaL[c][j];
            const std::string& h = KekkaH[c][j];
            Set(kekka, Indexed(lName, j), l == kFailsAtOnceText ? l + "*" : l);
            if (ShapeMode != 0) {
                Set(kekka, Indexed(hName, j), "  " + h + "  ");
            } else {
                Set(kekka, Indexed(hName, j), h == kFailsAtOnceText ? h + "*" : h);
            }
        }
    }
}

void DrawKakudo(report::PageOutput& out, int left, int top, double wr, double hr) {
    struct Arc {
        double x, y, r, from, to;
    };
    // One degree in radians with the companion's π (3.14159265 / 180); the
    // ends are scaled by it.
    const double deg = Radians(1, Pi);
    out.SetPenStyle(report::PenStyle::Solid);
    out.SetPenWidth(1);
    auto draw = [&](const Arc& a) {
        report::DrawArc(out, {left / wr + a.x, top / hr + a.y}, a.r, a.from * deg, a.to * deg, wr,
                        hr);
    };
    // Centres in twips of the figure block: the angle mark about the toe of
    // the slope, where face and base meet; the failure arc with its ends on
    // the face, at the leaders of the L dimension.
    if (ShapeMode == 1) {
        draw({1188, 1434, 990, -29, 92});
        draw({912, 2790, 264, -62, 0});
    } else {
        draw({948, 2790, 264, -62, 0});
    }
}

void DrawCompanionReport(report::PageOutput& out) {
    report::ReportPrint print;
    print.SetPrintPage(0);
    print.DrawCorrect(out);
    out.StartDoc();
    const bool arc = ShapeMode != 0;
    auto jouken = report::LoadForm("InsatuJouken");
    if (arc)
        SetInsatuTitleEnko(*jouken);
    else
        SetInsatuTitleKusabi(*jouken);
    SetInsatuJouken(*jouken);
    print.DrawFrm(out, jouken, print.Left(), print.Top());
    auto kekka = report::LoadForm("InsatuKekka");
    SetInsatuKekka(*kekka);
    print.DrawFrm(out, kekka, print.Left(), print.BlockTop(4500));
    auto figure = report::LoadForm(arc ? "InsatuEnko" : "InsatuKusabi");
    const int figureTop = print.BlockTop(9800);
    print.DrawFrm(out, figure, print.Left(), figureTop);
    // The marks go over the figure where it was drawn, whatever the page's
    // margins put above it.
    DrawKakudo(out, print.Left(), figureTop, print.WidthRatio(), print.HeightRatio());
    out.EndDoc();
}

}  // namespace talvo::companion
