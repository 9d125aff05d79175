// A failed check reaches the paper as such: the plate thinner than required,
// the anchorage length short of its bond lengths, the main anchor bar without
// a τs, the provided rebar short of the required area and the stirrups below
// their minimum spacing or not placeable at all. Read from the operations the
// renderer records, as they print: texts, in drawing order, with colours.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calc/calc_fixture.h"
#include "report/chapters/sequencer.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/engine/renderer.h"
#include "report/pages/anchordesign.h"
#include "report/pages/anchors.h"
#include "report/pages/checks.h"
#include "report/pages/results.h"
#include "results/checked_designs.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"

namespace talvo::report {
namespace {

using Texts = std::vector<std::string>;

constexpr std::uint32_t kRed = kVerdictRed;

// The texts a filled form prints, in drawing order, empty ones left out.
std::vector<TextOp> Printed(std::unique_ptr<LayoutForm> form) {
    RecordingOutput out;
    out.StartDoc();
    ReportPrint print;
    print.DrawCorrect(out);
    print.SetPrintPage(0);
    print.SetCurPage(1);
    print.DrawFrm(out, form, print.Left(), print.Top());
    std::vector<TextOp> texts;
    for (const DrawOp& op : out.Document().pages.at(0).ops) {
        const auto* t = std::get_if<TextOp>(&op);
        if (t && !t->text.empty()) texts.push_back(*t);
    }
    return texts;
}

Texts RedTexts(const std::vector<TextOp>& texts) {
    Texts red;
    for (const TextOp& t : texts)
        if (t.color == kRed) red.push_back(t.text);
    return red;
}

bool PrintsText(const std::vector<TextOp>& texts, const std::string& text) {
    for (const TextOp& t : texts)
        if (t.text == text) return true;
    return false;
}

template <class Fill>
std::vector<TextOp> PrintedForm(const char* name, const Fill& fill) {
    auto form = LoadForm(name);
    fill(*form);
    return Printed(std::move(form));
}

class FailedChecks : public ::testing::Test {
protected:
    void SetUp() override { ResetHeadingNumbers(); }
    void TearDown() override { test::ResetCalcState(); }
};

// The full report of the open design, its rows 1 chosen; the red texts of
// the page that holds `form`, in drawing order.
Texts RedTextsOfReportPage(const char* form) {
    Design.KekkaPrintRow = {1, 1};
    PrintCaseTate = 0;
    PrintCaseYoko = 6;
    ChapterReport report(ChapterOf(Design.WorkType));
    RecordingOutput out;
    report.DrawReport(out, 1);
    EXPECT_TRUE(out.Document().ended);
    int page = 0;
    for (const PlacedBlock& b : report.Blocks())
        if (b.form == form) page = b.page;
    EXPECT_GT(page, 0) << form;
    if (page <= 0) return {};
    Texts red;
    for (const DrawOp& op : out.Document().pages.at(static_cast<std::size_t>(page - 1)).ops) {
        const auto* t = std::get_if<TextOp>(&op);
        if (t && !t->text.empty() && t->color == kRed) red.push_back(t->text);
    }
    return red;
}

// ---- the plate thickness

TEST_F(FailedChecks, PlateThinnerThanRequiredPrintsARedLine) {
    const Texts thin12 = {"t", "＝", " 12.0", "(mm)", "＜", " 13.6", "(mm)", "・・・", "ＯＵＴ"};
    const Texts unchecked = {"プレートの厚さを照査できない。・・・ ＯＵＴ"};
    struct Case {
        const char *what, *required, *adopted;
        Texts red;
    };
    const Case cases[] = {
        {"12.0 under 13.6", "13.6", "12.0", thin12},
        {"as thick as required", "13.6", "13.6", {}},
        {"thicker", "8.5", "12.0", {}},
        {"no thickness adopted", "13.6", "", unchecked},
        {"no thickness worked out", "", "12.0", unchecked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PassingDesign(4);
        Design.PlateTReq = c.required;
        Design.PlateT = c.adopted;
        EXPECT_EQ(RedTexts(PrintedForm("InsPrate", SetInsPrate)), c.red);
    }
}

// The ground anchor with Pt entered on a plate of 12.0 mm that needs 13.6:
// its plate page, the last of the report.
TEST_F(FailedChecks, DirectAnchorWithAThinPlate) {
    test::ThinPlateDirectAnchor();
    ASSERT_EQ(Design.PlateTReq, "13.6");
    EXPECT_EQ(RedTextsOfReportPage("InsPrate"),
              (Texts{"t", "＝", " 12.0", "(mm)", "＜", " 13.6", "(mm)", "・・・", "ＯＵＴ"}));
}

// ---- the anchorage length

TEST_F(FailedChecks, AnchorageShortOfItsBondLengthsPrintsARedLine) {
    const auto shortLine = [](const char* la, const char* required) {
        return Texts{"L", "a", "＝", la, "(m)", "＜", required, "(m)", "・・・", "ＯＵＴ"};
    };
    const Texts unchecked = {"定着長を照査できない。・・・ ＯＵＴ"};
    using Fill = void (*)(LayoutForm&);
    struct Case {
        const char* what;
        std::int16_t workType;
        const char* form;
        Fill fill;
        const char *la, *up1, *up2;
        Texts red;
    };
    const Case cases[] = {
        {"under both: the longer governs", 4, "InsAnchorTyou", SetInsAnchorTyou, " 2.5", "3.3",
         "4.5", shortLine("2.5", "4.5")},
        {"under the ground–grout length only", 4, "InsAnchorTyou", SetInsAnchorTyou, " 4.0", "4.5",
         "3.3", shortLine("4.0", "4.5")},
        {"as long as both", 4, "InsAnchorTyou", SetInsAnchorTyou, " 3.3", "3.3", "3.3", {}},
        {"no anchorage length", 4, "InsAnchorTyou", SetInsAnchorTyou, "", "0.7", "1.0", unchecked},
        {"no grout–tendon length: the rule's form", 4, "InsAnchorTeityaku", SetInsAnchorTeityaku,
         " 3.0", "0.7", "", unchecked},
        {"rock bolt under La1", 3, "InsRockTyou", SetInsRockTyou, " 1.8", "1.9", "0.3",
         shortLine("1.8", "1.9")},
        {"rock bolt as filled", 3, "InsRockTyou", SetInsRockTyou, " 2.0", "1.9", "0.3", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PassingDesign(c.workType);
        (c.workType == 3 ? Design.RockLa : Design.AnchorLa) = c.la;
        Design.BondLa1Up = c.up1;
        Design.BondLa2Up = c.up2;
        EXPECT_EQ(RedTexts(PrintedForm(c.form, c.fill)), c.red);
    }
}

// The ground anchor whose La of 2.5 m falls below bond lengths of 4.1 and
// 3.3 m: its tendon and length page.
TEST_F(FailedChecks, ComputedAnchorWithAShortAnchorage) {
    test::ShortAnchorage();
    ASSERT_EQ(Design.BondLa1Up, "4.1");
    ASSERT_EQ(Design.BondLa2Up, "3.3");
    EXPECT_EQ(RedTextsOfReportPage("InsAnchorTyou"),
              (Texts{"L", "a", "＝", "2.5", "(m)", "＜", "4.1", "(m)", "・・・", "ＯＵＴ"}));
}

// ---- the main anchor bar

TEST_F(FailedChecks, MainAnchorBarWithoutATauSFails) {
    struct Case {
        const char* what;
        std::function<void()> design;
        const char* tauS;
        Texts red;
    };
    const Case cases[] = {
        // The results compute τs without a safety factor: none, no pass.
        {"no Fs",
         [] {
             test::PassingDesign(0);
             Design.AncBarFs = "";
             RecalcAnchorBar = 1;
             RunResultsActivation();
         },
         "", Texts{"   ", "ＯＵＴ"}},
        // A real zero load computes τs = 0.0, which passes.
        {"zero load",
         [] {
             test::PassingDesign(0);
             Design.YokoQ = "0.00";
             RecalcAnchorBar = 1;
             RunResultsActivation();
         },
         "0.0", Texts{}},
        {"as filled", [] { test::PassingDesign(0); }, "26.0", Texts{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.design();
        EXPECT_EQ(Design.AncBarTauS, c.tauS);
        ResetHeadingNumbers();
        const std::vector<TextOp> printed = PrintedForm("InsSyuAncBar", SetInsSyuAncBar);
        EXPECT_EQ(RedTexts(printed), c.red);
        EXPECT_EQ(PrintsText(printed, "ＯＫ"), c.red.empty());
    }
}

// ---- the required rebar

TEST_F(FailedChecks, ProvidedRebarShortOfTheRequiredArea) {
    struct Case {
        const char* what;
        const char* provided;
        double required;
        const char* sign;
        Texts red;
    };
    const Case cases[] = {
        {"short", " 214.0", 278.6, "＜", {" 214.0", "＜", "・・・", "ＯＵＴ"}},
        {"equal", " 278.6", 278.6, "≦", {}},
        {"more", " 285.3", 278.6, "＞", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FillDesign(0);
        Design.SameSection = 0;
        Design.KekkaBar[0] = 0;  // D10
        Design.KekkaBarCount[0] = "3";
        Design.KekkaAs[0] = c.provided;
        Design.RequiredAs[0] = c.required;
        PrintCaseTate = 0;
        auto form = LoadForm("InsTekkinRyo");
        SetInsTekkinRyo(*form, 0);
        const int asLeft = form->Label("Label63")->left;
        const int barLeft = form->Label("Label21")->left;
        const std::vector<TextOp> printed = Printed(std::move(form));
        EXPECT_EQ(RedTexts(printed), c.red);
        // Short of the area, the bars no longer "satisfy" it: the sentence
        // starts at the bar's name.
        const bool satisfied = c.red.empty();
        EXPECT_EQ(PrintsText(printed, "を満足するように"), satisfied);
        EXPECT_EQ(barLeft == asLeft, !satisfied);
        EXPECT_TRUE(PrintsText(printed, "本使用する。"));
        EXPECT_TRUE(PrintsText(printed, c.sign));
    }
}

// ---- the stirrups

TEST_F(FailedChecks, StirrupSpacingBelowTheMinimumOrNotPlaceable) {
    struct Case {
        const char* what;
        const char* pitch;
        Texts red;
    };
    const Case cases[] = {
        // 49 × 14053 / (160 × 150 × 0.878) = 32.678 → 32.68 under 253.40:
        // the areas pass, the spacing does not.
        {"below the minimum",
         "49",
         {"Ｓp", "＝", " 49", "(mm)", "＜", "100", "(mm)", "・・・", "ＯＵＴ"}},
        {"at the minimum", "100", {}},
        {"not placeable", "Err", {"スターラップを配置できない。・・・ ＯＵＴ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FillDesign(0);
        DesignData& d = Design;
        d.SameSection = 0;
        d.SectionDx = " 150";
        d.SigmaSa = "160";
        d.YokoSmax[0] = "18.40";
        d.KekkaSc[6] = "4347";
        d.KekkaSs[6] = "14053";
        d.KekkaStirrupPitch[6] = c.pitch;
        d.KekkaStirrupCount[6] = "2";
        d.KekkaStirrupBar[6] = 1;  // D13
        d.KekkaJ[1][6] = "0.878";
        PrintCaseYoko = 6;
        const std::vector<TextOp> printed =
            PrintedForm("InsOrkStarLap", [](LayoutForm& form) { SetInsOrkStarLap(form, 1); });
        EXPECT_EQ(RedTexts(printed), c.red);
        // Nothing is worked out from "Err", and no line holds an empty
        // operand; Sv, worked out before the spacing, still prints.
        EXPECT_TRUE(PrintsText(printed, "14053"));
        for (const TextOp& t : printed) EXPECT_EQ(t.text.find("Err"), std::string::npos);
        EXPECT_EQ(PrintsText(printed, "mm とすれば、必要鉄筋量"), c.pitch != std::string("Err"));
    }
}

}  // namespace
}  // namespace talvo::report
