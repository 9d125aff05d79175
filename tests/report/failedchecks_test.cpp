// A failed check reaches the paper as such: the plate thinner than required,
// the anchorage length short of its bond lengths, the rock bolt's bar over a
// stress it must keep, the main anchor bar without a τs, the provided rebar
// short of the required area, the stirrups below their minimum spacing or not
// placeable at all, a bearing stress that could not be worked out, and in the
// short report every check beside the results, each study-table row with
// what it compared.
// Read from the operations the renderer records, as they print: texts, in
// drawing order, with colours and places.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "report/chapters/sequencer.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/engine/renderer.h"
#include "report/failing_designs.h"
#include "report/pages/anchordesign.h"
#include "report/pages/anchors.h"
#include "report/pages/checks.h"
#include "report/pages/results.h"
#include "results/checked_designs.h"
#include "results/resulttable.h"
#include "shell/codec.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using Texts = std::vector<std::string>;

constexpr std::uint32_t kRed = kVerdictRed;
constexpr const char* kPlateAdoption = "市場性を考慮して、プレートの厚さを";
constexpr const char* kAnchorBarUnchecked = "主アンカーを照査できない。・・・ ＯＵＴ";

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

// The first text printed red, or null.
const TextOp* FirstRed(const std::vector<TextOp>& texts) {
    for (const TextOp& t : texts)
        if (t.color == kRed) return &t;
    return nullptr;
}

// The first printed text of that exact caption, or null.
const TextOp* Find(const std::vector<TextOp>& texts, const std::string& text) {
    for (const TextOp& t : texts)
        if (t.text == text) return &t;
    return nullptr;
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

// The report of the open design, its rows 1 chosen: insFlg 0 the short
// report, 1 the full one.
struct ReportRun {
    explicit ReportRun(std::int16_t insFlg) : report(ChapterOf(Design.WorkType)) {
        Design.KekkaPrintRow = {1, 1};
        PrintCaseTate = 0;
        PrintCaseYoko = 6;
        report.DrawReport(out, insFlg);
        EXPECT_TRUE(out.Document().ended);
    }
    int Pages() const { return static_cast<int>(out.Document().pages.size()); }
    // The texts of page n (from 1), empty ones left out.
    std::vector<TextOp> Texts(int n) const {
        std::vector<TextOp> texts;
        for (const DrawOp& op : out.Document().pages.at(static_cast<std::size_t>(n - 1)).ops) {
            const auto* t = std::get_if<TextOp>(&op);
            if (t && !t->text.empty()) texts.push_back(*t);
        }
        return texts;
    }
    // The texts of the page that holds `form`.
    std::vector<TextOp> TextsOf(const char* form) const {
        for (const PlacedBlock& b : report.Blocks())
            if (b.form == form) return Texts(b.page);
        ADD_FAILURE() << "no " << form;
        return {};
    }
    // The lowest horizontal rule of page n.
    LineOp LowestRule(int n) const {
        LineOp lowest;
        for (const DrawOp& op : out.Document().pages.at(static_cast<std::size_t>(n - 1)).ops) {
            const auto* l = std::get_if<LineOp>(&op);
            if (l && l->y1 == l->y2 && l->y1 >= lowest.y1) lowest = *l;
        }
        return lowest;
    }
    ChapterReport report;
    RecordingOutput out;
};

// ---- the short report

// Page 1 names every failed check beside the results in one red line under
// its result table, at the table's left edge; the table of page 2 marks the
// value of each failed check red with a red ＯＵＴ after it.
TEST_F(FailedChecks, ShortReportMarksTheChecksBesideTheResults) {
    const Texts bar = {"    26.0", "ＯＵＴ"};
    struct Case {
        const char* what;
        void (*design)();
        const char* line;
        int pages;
        Texts secondPageRed;
    };
    const Case cases[] = {
        {"wedge, τs over τsa", test::WedgeBarOverstressed, "ＯＵＴ：主アンカーの検討", 2, bar},
        {"wedge, no τsa", test::WedgeBarWithoutAllowable, "ＯＵＴ：主アンカーの検討", 2, bar},
        {"greening, τs over τsa", test::GreeningBarOverstressed, "ＯＵＴ：主アンカーの検討", 2,
         bar},
        {"rock bolt, La under La1",
         test::RockBoltTooShort,
         "ＯＵＴ：ロックボルト長",
         2,
         {"     0.5", "ＯＵＴ"}},
        // τ is not in the table: the allowable it was held against is marked,
        // and τ is written in its row.
        {"rock bolt, τ over τsa",
         test::RockBoltOverstressed,
         "ＯＵＴ：ロックボルト鋼材の選定",
         2,
         {"    30", "ＯＵＴ", "τ＝41.3＞τsa"}},
        {"ground anchor, weak tendon",
         test::WeakTendonAnchor,
         "ＯＵＴ：テンドンの選定",
         2,
         {"    40.0", "ＯＵＴ", "0.60Tus＝24.00＜Ｐt＝29.5", "    34.0", "ＯＵＴ",
          "0.75Tys＝25.50＜Ｐt＝29.5"}},
        // Pt entered: the short report is page 1 alone.
        {"ground anchor, thin plate",
         test::ThinPlateDirectAnchor,
         "ＯＵＴ：アンカープレートの検討",
         1,
         {}},
        {"ground anchor, plate narrower than its box-out",
         test::NarrowPlateAnchor,
         "ＯＵＴ：支圧応力度の検討、アンカープレートの検討",
         2,
         {}},
        {"wedge, passing", [] { test::PassingDesign(0); }, "", 2, {}},
        {"ground anchor, passing", [] { test::PassingDesign(4); }, "", 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.design();
        ResetHeadingNumbers();
        const ReportRun run(0);
        ASSERT_EQ(run.Pages(), c.pages);

        const std::vector<TextOp> first = run.Texts(1);
        Texts outs;
        for (const TextOp& t : first)
            if (t.text.find("ＯＵＴ") != std::string::npos) outs.push_back(t.text);
        EXPECT_EQ(outs, c.line[0] ? Texts{c.line} : Texts{});
        if (const TextOp* line = c.line[0] ? Find(first, c.line) : nullptr) {
            EXPECT_EQ(line->color, kRed);
            const LineOp bottom = run.LowestRule(1);
            EXPECT_NEAR(line->x, bottom.x1, 1);
            EXPECT_GT(line->y, bottom.y1);
            EXPECT_LT(line->y, bottom.y1 + 400);
        }
        if (c.pages > 1) {
            EXPECT_EQ(RedTexts(run.Texts(2)), c.secondPageRed);
        }
    }
}

// A row of a study table whose check failed reads on its own: beside the
// allowable, marked as before, it names in red what was compared with it,
// in the item column after the item and flush against the symbol column, on
// the row's line.
TEST_F(FailedChecks, StudyTableRowsShowWhatAFailedCheckCompared) {
    using Fill = void (*)(LayoutForm&);
    struct Case {
        const char* what;
        std::int16_t workType;
        std::function<void()> change;
        Texts red;
    };
    const Case cases[] = {
        {"bolt, τ over τsa", 3, [] { Design.RockTauSa = " 30"; },
         Texts{"    30", "ＯＵＴ", "τ＝41.3＞τsa"}},
        {"bolt, σ over σsa", 3, [] { Design.RockSigmaSa = " 50"; },
         Texts{"    50", "ＯＵＴ", "σ＝58.5＞σsa"}},
        // No τ worked out: nothing to write in its place.
        {"bolt, no τ", 3, [] { Design.RockTau = ""; }, Texts{"    80", "ＯＵＴ", "照査できない"}},
        {"bolt, holding", 3, [] {}, Texts{}},
        {"tendon, tensile only", 4, [] { Design.TusAllow = "  29.00"; },
         Texts{"   183.0", "ＯＵＴ", "0.60Tus＝29.00＜Ｐt＝29.5"}},
        // Loads of three figures: the whole wording would not fit its cell.
        {"tendon, large loads", 4,
         [] {
             Design.Pt = " 295.0";
             Design.TysAllow = " 240.00";
         },
         Texts{"   183.0", "ＯＵＴ", "0.60Tus 109.80＜Ｐt 295.0", "   156.0", "ＯＵＴ",
               "0.75Tys 240.00＜Ｐt 295.0"}},
        {"tendon, holding", 4, [] {}, Texts{}},
    };
    // The half-width column of the forms' 8.25 pt fixed-pitch face.
    constexpr double kColumn = 82.5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PassingDesign(c.workType);
        c.change();
        auto form = LoadForm(c.workType == 3 ? "InsRockKento" : "InsAnchorKento");
        const Fill fill = c.workType == 3 ? SetInsRockKento : SetInsAnchorKento;
        fill(*form);
        // Rows 10 and 11 of the table: item, allowable, comparison.
        const struct {
            const char *item, *allowable, *compared;
        } rows[] = {{c.workType == 3 ? "Label66" : "Label65", "Label22", "Cmp22"},
                    {c.workType == 3 ? "Label71" : "Label68", "Label25", "Cmp25"}};
        for (const auto& r : rows) {
            ASSERT_NE(form->Label(r.compared), nullptr) << r.compared;
            const FormLabel& item = *form->Label(r.item);
            const FormLabel& compared = *form->Label(r.compared);
            if (compared.caption.empty()) continue;
            EXPECT_EQ(compared.top, form->Label(r.allowable)->top);
            EXPECT_NEAR(
                compared.left + kColumn * static_cast<double>(cp932::ByteCount(compared.caption)),
                item.left + item.width, 1);
            EXPECT_GT(compared.left,
                      item.left + kColumn * static_cast<double>(cp932::ByteCount(item.caption)));
        }
        EXPECT_EQ(RedTexts(Printed(std::move(form))), c.red);
    }
}

// The full report keeps its page 1 as it was: its own pages mark the checks.
TEST_F(FailedChecks, FullReportHasNoLineOfFailedChecksOnPage1) {
    test::RockBoltTooShort();
    const ReportRun run(1);
    for (const TextOp& t : run.Texts(1)) EXPECT_EQ(t.text.find("ＯＵＴ"), std::string::npos);
}

// ---- the bearing stress

// A plate of 130 mm over a box-out of 150 mm has no bearing area: the page
// prints no row whose result is missing, and in place of the comparison a
// red line that the bearing stress could not be checked. No thickness is
// required of such a plate, so its page says it could not check it either.
TEST_F(FailedChecks, BearingWithoutABearingAreaCannotBeChecked) {
    test::NarrowPlateAnchor();
    ASSERT_EQ(Design.BoxOutD, "150");
    EXPECT_EQ(Design.Ap, "");
    EXPECT_EQ(Design.SigmaB, "");
    EXPECT_EQ(Design.PlateTReq, "");
    const ReportRun run(1);

    const std::vector<TextOp> bearing = run.TextsOf("InsSiatu");
    EXPECT_EQ(RedTexts(bearing), Texts{"支圧応力度を照査できない。・・・ ＯＵＴ"});
    // What was given or computed still prints: u and D in the area formula
    // and A.
    EXPECT_TRUE(PrintsText(bearing, " 130"));
    EXPECT_TRUE(PrintsText(bearing, " 150"));
    EXPECT_TRUE(PrintsText(bearing, " 40000"));
    // No row with a missing result is left: the "(mm" of Ap, the "(N/mm" of
    // every stress, the Pt × 10³ / Ap of σb, the sentence that announces σba
    // and the comparison with its verdict are all left out.
    const auto count = [](const std::vector<TextOp>& texts, const std::string& text) {
        return std::count_if(texts.begin(), texts.end(),
                             [&](const TextOp& t) { return t.text == text; });
    };
    EXPECT_EQ(count(bearing, "(mm"), 1);    // the row of A
    EXPECT_EQ(count(bearing, "(N/mm"), 1);  // the row of σck
    for (const char* gone : {"10", "は、以下の値となる。", "ＯＫ", "・・・"})
        EXPECT_FALSE(PrintsText(bearing, gone)) << gone;

    const std::vector<TextOp> plate = run.TextsOf("InsPrate");
    EXPECT_EQ(RedTexts(plate), Texts{"プレートの厚さを照査できない。・・・ ＯＵＴ"});
    EXPECT_FALSE(PrintsText(plate, "市場性を考慮して、プレートの厚さを"));
    EXPECT_EQ(count(plate, "(mm)"), 2);  // u and D: no required thickness
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
    // Where the adoption and the required thickness print on a passing plate.
    test::PassingDesign(4);
    const std::vector<TextOp> passing = PrintedForm("InsPrate", SetInsPrate);
    const TextOp* adoption = Find(passing, kPlateAdoption);
    ASSERT_NE(adoption, nullptr);
    const double adoptionY = adoption->y;
    const double requiredY = Find(passing, "  8.5")->y;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PassingDesign(4);
        Design.PlateTReq = c.required;
        Design.PlateT = c.adopted;
        const std::vector<TextOp> printed = PrintedForm("InsPrate", SetInsPrate);
        EXPECT_EQ(RedTexts(printed), c.red);
        // A failing check adopts nothing: its red line takes the row of the
        // adoption, or of the missing required thickness above it.
        EXPECT_EQ(PrintsText(printed, kPlateAdoption), c.red.empty());
        if (c.red.empty()) continue;
        EXPECT_EQ(FirstRed(printed)->y, c.required[0] ? adoptionY : requiredY);
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
    // The first row of the adoption of each form, and where a passing design
    // prints it.
    const auto adoptionOf = [](std::string_view form) {
        return form == "InsRockTyou"     ? "したがって、ロックボルトの定着長を"
               : form == "InsAnchorTyou" ? "したがって、アンカーの定着長を"
                                         : "　ここで、グラウンドアンカー設計・施工基準，同解説で、"
                                           "「定着長は原則として 3ｍ以上";
    };
    const auto adoptionY = [&](const Case& c) {
        test::PassingDesign(c.workType);
        const std::vector<TextOp> printed = PrintedForm(c.form, c.fill);
        const TextOp* t = Find(printed, adoptionOf(c.form));
        return t ? t->y : -1.0;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double y = adoptionY(c);
        ASSERT_GT(y, 0);
        test::PassingDesign(c.workType);
        (c.workType == 3 ? Design.RockLa : Design.AnchorLa) = c.la;
        Design.BondLa1Up = c.up1;
        Design.BondLa2Up = c.up2;
        const std::vector<TextOp> printed = PrintedForm(c.form, c.fill);
        EXPECT_EQ(RedTexts(printed), c.red);
        // A length short of its bond lengths is not adopted: the red line,
        // which names it, stands alone in the adoption's row.
        EXPECT_EQ(PrintsText(printed, adoptionOf(c.form)), c.red.empty());
        EXPECT_EQ(PrintsText(printed, "とする。"), c.red.empty());
        if (!c.red.empty()) {
            EXPECT_EQ(FirstRed(printed)->y, y);
        }
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

// ---- the rock-bolt steel

// A bar that fails a stress check is not adopted: the sentence that names it
// for use is left out, whichever check fails, and the failing line is red.
TEST_F(FailedChecks, RockBoltBarFailingAStressCheckIsNotAdopted) {
    struct Case {
        const char* what;
        void (*change)();
        Texts red;
    };
    const Case cases[] = {
        {"τ over τsa", [] { Design.RockTauSa = " 30"; }, Texts{" 41.3", "ＯＵＴ"}},
        {"σ over σsa", [] { Design.RockSigmaSa = " 50"; }, Texts{" 58.5", "ＯＵＴ"}},
        {"both holding", [] {}, Texts{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PassingDesign(3);
        c.change();
        ResetHeadingNumbers();
        const std::vector<TextOp> printed = PrintedForm("InsRockTyou", SetInsRockTyou);
        EXPECT_EQ(RedTexts(printed), c.red);
        const bool adopted = c.red.empty();
        for (const char* sentence : {"(断面積 As", "を使用する。"})
            EXPECT_EQ(PrintsText(printed, sentence), adopted) << sentence;
        // The checks themselves and the lengths below them all still print.
        EXPECT_TRUE(PrintsText(printed, "・せん断応力度"));
        EXPECT_TRUE(PrintsText(printed, "・引張応力度"));
        EXPECT_TRUE(PrintsText(printed, "したがって、ロックボルトの定着長を"));
    }
}

// The bolt overstressed in its report: its steel page adopts no bar.
TEST_F(FailedChecks, OverstressedRockBoltInItsFullReport) {
    test::RockBoltOverstressed();
    const ReportRun run(1);
    const std::vector<TextOp> page = run.TextsOf("InsRockTyou");
    EXPECT_FALSE(PrintsText(page, "を使用する。"));
    EXPECT_EQ(RedTexts(page), (Texts{" 41.3", "ＯＵＴ"}));
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
         "", Texts{kAnchorBarUnchecked}},
        {"no τsa", test::WedgeBarWithoutAllowable, "   26.0", Texts{kAnchorBarUnchecked}},
        // A real zero load computes τs = 0.0, which passes.
        {"zero load",
         [] {
             test::PassingDesign(0);
             Design.YokoQ = "0.00";
             RecalcAnchorBar = 1;
             RunResultsActivation();
         },
         "    0.0", Texts{}},
        {"as filled", [] { test::PassingDesign(0); }, "   26.0", Texts{}},
    };
    // Where a passing bar prints its comparison.
    test::PassingDesign(0);
    const std::vector<TextOp> passing = PrintedForm("InsSyuAncBar", SetInsSyuAncBar);
    const TextOp* stress = Find(passing, " 26.0");
    ASSERT_NE(stress, nullptr);
    const double checkY = stress->y;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.design();
        EXPECT_EQ(Design.AncBarTauS, c.tauS);
        ResetHeadingNumbers();
        const std::vector<TextOp> printed = PrintedForm("InsSyuAncBar", SetInsSyuAncBar);
        EXPECT_EQ(RedTexts(printed), c.red);
        EXPECT_EQ(PrintsText(printed, "ＯＫ"), c.red.empty());
        // The red line takes the comparison's row; nothing else of it is left.
        EXPECT_EQ(PrintsText(printed, "・・・"), c.red.empty());
        if (!c.red.empty()) {
            EXPECT_EQ(FirstRed(printed)->y, checkY);
        }
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

// Rebar rules under which no bar fits the frame (a cover of 100 mm each
// side of a 200 mm beam): the results show a count of 0 in red, and so does
// the paper, in the sentence of the bars used as on the line of the area
// they provide.
TEST_F(FailedChecks, NoBarFittingPrintsItsCountOfZeroAsFailed) {
    test::PassingDesign(0);
    for (std::string& cover : RebarCountRule.Cover) cover = "100";
    SetAllRecalc(true);
    RunResultsActivation();
    // One section for both frames: the shared set, its first row.
    ASSERT_EQ(Design.SameSection, 1);
    ASSERT_EQ(Design.KekkaBarCount[6], "0");
    ASSERT_EQ(CellColor(1, ColBarCount, 6), ColorOut);
    const Texts red = RedTextsOfReportPage("InsTekkinRyo");
    const Texts expected = {" 0", " 0", "    ", "＜", "・・・", "ＯＵＴ"};
    EXPECT_EQ(red, expected);
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
