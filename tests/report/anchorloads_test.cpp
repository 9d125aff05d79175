// The design-load, tension and uniform-load blocks of the anchored reports:
// their fillers on worked designs of both anchored work types, the page
// procedures that choose and place them, and their forms.

#include "report/pages/anchorloads.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calc/anchorload.h"
#include "report/chapters/pageprocs.h"
#include "report/chapters/sequencer.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/pages/restraint.h"
#include "report/report_fixture.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using fixture::Captions;
using fixture::ExpectCaptions;
using fixture::Filled;
using Filler = void (*)(LayoutForm&);

constexpr const char* kTighteningNote =
    "ここで、抑止機能として締め付け効果を期待し、cosβの項を無視する。";
constexpr const char* kHoldingNote =
    "ここで、抑止機能として引き止め効果を期待し、sinβ・tanφの項を無視する。";
constexpr const char* kNegativeNote =
    "　ここで、ΔＰr ＜ 0 となるので、必要抑止力の増分は考慮しない。";

// A worked design of an anchored work type with its loads computed, changed
// first by `change`; the heading counters start again.
void Prepare(std::int16_t workType, const std::function<void(DesignData&)>& change = {}) {
    test::FillDesign(workType);
    if (change) change(Design);
    RecalcRock();
    ResetHeadingNumbers();
}

// None of these fillers colours anything, and every ℓ is the installation's.
void ExpectPlainBlock(const LayoutForm& form) {
    for (const FormItem& item : form.items) {
        if (const auto* label = std::get_if<FormLabel>(&item)) {
            EXPECT_EQ(label->foreColor, kWindowTextColor) << form.name << " " << label->name;
        } else if (const auto* pic = std::get_if<FormPicture>(&item)) {
            EXPECT_EQ(pic->picture, kScriptLPicture) << form.name << " " << pic->name;
        }
    }
}

bool HasCaption(const LayoutForm& form, const std::string& text) {
    for (const FormItem& item : form.items) {
        if (const auto* label = std::get_if<FormLabel>(&item); label && label->caption == text) {
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- design load

TEST(DesignLoadBlocks, EveryValueOfTheFourForms) {
    // W = 8.64 + 8.64 + 25.92 = 43.20 kN on ℓx = 2.000 m, 21.6 kN/m;
    // ΔＰr = 1.20·21.6·sin30° − 21.6·cos30°·tan30° = 12.96 − 10.80 = 2.16;
    // with tan φ entered as 0.577: 12.96 − 21.6·0.8660·0.577 = 2.17; both
    // "2.2". Ｓ = (50.0 + 2.2)·2.000/5 = 20.88.
    const Captions common = {
        {"Lab12", "1.20"},    {"Lab13", "  43.20"}, {"Lab66", "  2.000"}, {"Lab17", " 30.0"},
        {"Lab18", "  43.20"}, {"Lab65", "  2.000"}, {"Lab22", " 30.0"},   {"Lab29", "   2.2"},
        {"Lab9", ""},         {"Lab3", "45.00"},
    };
    const Captions shear = {{"Label9", "  50.0"},
                            {"Label22", "   2.2"},
                            {"Label10", " 2.000"},
                            {"Label11", " 5"},
                            {"Label12", "  20.9"}};
    struct Case {
        std::int16_t workType;
        std::int16_t frictionMode;
        const char* form;
        Filler fill;
        const char* title;
        const char* friction;
    };
    const std::vector<Case> cases = {
        {4, 0, "InsSekkeiAncFai", SetInsSekkeiAncFai, "１ アンカーの設計荷重", "30.0"},
        {4, 1, "InsSekkeiAncTan", SetInsSekkeiAncTan, "１ アンカーの設計荷重", " 0.577"},
        {3, 0, "InsSekkeiRockFai", SetInsSekkeiRockFai, "１ ロックボルトの設計荷重", "30.0"},
        {3, 1, "InsSekkeiRockTan", SetInsSekkeiRockTan, "１ ロックボルトの設計荷重", " 0.577"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        Prepare(c.workType, [&](DesignData& d) {
            d.FrictionInputMode = c.frictionMode;
            d.TanPhi = "0.577";
        });
        SectionTitle("before");  // the chapter restarts the sections
        auto form = Filled(c.form, c.fill);
        ExpectCaptions(*form, common);
        ExpectCaptions(*form, {{"Label1", c.title}, {"Lab26", c.friction}});
        if (c.workType == 3) {
            ExpectCaptions(*form, shear);
        } else {
            EXPECT_EQ(form->Label("Label12"), nullptr) << "the anchor block has no shear";
        }
        EXPECT_EQ(ChapterNo(), 1);
        EXPECT_EQ(SectionNo(), 0);
        ExpectPlainBlock(*form);
    }
}

TEST(DesignLoadBlocks, IncreaseAndItsNote) {
    struct Case {
        const char* deltaPrCalc;
        const char* printed;
        bool note;
    };
    const std::vector<Case> cases = {
        {"-1.2", "  -1.2", true},  // −1 padded to four columns
        {"0.0", "   0.0", false},
        {"1.5", "   1.5", false},
        {"", "    ", false},  // never computed: blanks, and an empty text reads as 0
    };
    for (const Case& c : cases) {
        Prepare(4);
        Design.DeltaPrCalc = c.deltaPrCalc;
        auto form = Filled("InsSekkeiAncFai", SetInsSekkeiAncFai);
        ExpectCaptions(*form, {{"Lab29", c.printed}, {"Lab9", c.note ? kNegativeNote : ""}});
    }
}

TEST(DesignLoadBlocks, NegativeIncreaseOfARockBolt) {
    // φ = 45°: ΔＰr = 12.96 − 21.6·cos30°·tan45° = 12.96 − 18.71 = −5.75;
    // the increase as used is 0, so Ｓ = 50.0·2.000/5 = 20.0.
    Prepare(3, [](DesignData& d) { d.FrictionAngle = "45.0"; });
    auto form = Filled("InsSekkeiRockFai", SetInsSekkeiRockFai);
    ExpectCaptions(*form, {{"Lab29", "  -5.7"},
                           {"Lab9", kNegativeNote},
                           {"Label22", "   0.0"},
                           {"Label12", "  20.0"}});
}

TEST(DesignLoadBlocks, BetaFromBothAngles) {
    struct Case {
        const char* slip;
        const char* install;
        const char* beta;
    };
    const std::vector<Case> cases = {
        {"30", "15", "45.00"},    {"30", "", "  "},        // a missing angle leaves β blank
        {"", "15", "  "},         {"abc", "15", "15.00"},  // no number reads as 0
        {"7.5", "2.25", " 9.75"},
    };
    for (const Case& c : cases) {
        Prepare(3);
        Design.SlipAngle = c.slip;
        Design.InstallAngle = c.install;
        auto block = Filled("InsSekkeiRockTan", SetInsSekkeiRockTan);
        EXPECT_EQ(block->Label("Lab3")->caption, c.beta) << c.slip << " + " << c.install;
        auto tension = Filled("InsHikiSimeRF", SetInsHikiSimeRF);
        ExpectCaptions(*tension, {{"Label43", c.beta}, {"Label50", c.beta}});
    }
}

// ------------------------------------------------------------ tension blocks

// Runs one page procedure on a fresh A4 page of the given chapter.
struct PageRun {
    RecordingOutput out;
    ReportPrint print;
    std::vector<PlacedBlock> placed;

    void Run(PageId id, ChapterKind chapter) {
        print.SetPrintPage(0);
        print.DrawCorrect(out);
        out.StartDoc();
        print.SetCurPage(1);
        PageContext page(out, print, chapter, id, placed);
        PageProc proc = AnchorLoadPageProc(id);
        ASSERT_TRUE(proc) << PageName(id);
        proc(page);
    }

    // "form@top" of every block, in drawing order.
    std::string Blocks() const {
        std::string s;
        for (const PlacedBlock& b : placed) {
            s += (s.empty() ? "" : " ") + b.form + "@" + std::to_string(b.top);
        }
        return s;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const RecordedPage& page : out.Document().pages) {
            for (const DrawOp& op : page.ops) {
                if (const auto* t = std::get_if<TextOp>(&op)) texts.push_back(t->text);
            }
        }
        return texts;
    }

    bool Prints(const std::string& text) const {
        for (const std::string& t : Texts()) {
            if (t == text) return true;
        }
        return false;
    }

    // Where the first text of that caption starts across; -1 when none.
    double XOf(const std::string& text) const {
        for (const RecordedPage& page : out.Document().pages) {
            for (const DrawOp& op : page.ops) {
                const auto* t = std::get_if<TextOp>(&op);
                if (t && t->text == text) return t->x;
            }
        }
        return -1;
    }
};

TEST(TensionBlocks, FormByRestraintPlannedFactorAndFriction) {
    struct Case {
        bool rockBolt;
        std::int16_t restraint, planFs, friction;
        const char* form;
    };
    // Tightening ignores ＰＦs (it multiplies the cosβ term only); holding
    // has no friction term, so no φ or tan φ variant.
    const std::vector<Case> cases = {
        {false, 0, 0, 0, "InsHikiAF"},      {false, 0, 0, 1, "InsHikiAT"},
        {false, 0, 1, 0, "InsHikiAF"},      {false, 0, 1, 1, "InsHikiAT"},
        {false, 1, 0, 0, "InsSimeA"},       {false, 1, 0, 1, "InsSimeA"},
        {false, 1, 1, 0, "InsSimeAP"},      {false, 1, 1, 1, "InsSimeAP"},
        {false, 2, 0, 0, "InsHikiSimeAF"},  {false, 2, 0, 1, "InsHikiSimeAT"},
        {false, 2, 1, 0, "InsHikiSimeAFP"}, {false, 2, 1, 1, "InsHikiSimeATP"},
        {true, 0, 0, 0, "InsHikiRF"},       {true, 0, 0, 1, "InsHikiRT"},
        {true, 0, 1, 0, "InsHikiRF"},       {true, 0, 1, 1, "InsHikiRT"},
        {true, 1, 0, 0, "InsSimeR"},        {true, 1, 0, 1, "InsSimeR"},
        {true, 1, 1, 0, "InsSimeRP"},       {true, 1, 1, 1, "InsSimeRP"},
        {true, 2, 0, 0, "InsHikiSimeRF"},   {true, 2, 0, 1, "InsHikiSimeRT"},
        {true, 2, 1, 0, "InsHikiSimeRFP"},  {true, 2, 1, 1, "InsHikiSimeRTP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        Prepare(c.rockBolt ? 3 : 4, [&](DesignData& d) {
            d.RestraintMode = c.restraint;
            d.UsePlanFs = c.planFs;
            d.FrictionInputMode = c.friction;
            d.TanPhi = "0.577";
        });
        PageRun run;
        run.Run(c.rockBolt ? PageId::PrnSekkeiRock : PageId::PrnSekkeiAnc,
                c.rockBolt ? ChapterKind::Rockbolt : ChapterKind::Anchor);
        const std::string load = std::string(c.rockBolt ? "InsSekkeiRock" : "InsSekkeiAnc") +
                                 (c.friction == 0 ? "Fai" : "Tan");
        // A4: the design tops scale by 11906 / 9739.2.
        const std::string top = c.rockBolt ? "7579" : "5501";
        EXPECT_EQ(run.Blocks(), load + "@505 " + c.form + "@" + top);
        // The rock bolt's forces are one list: the tension stands under the
        // shear force, as far in.
        if (c.rockBolt) {
            EXPECT_EQ(run.XOf("・引張力（設計荷重）"), run.XOf("・せん断力"));
        }

        // The fixed sentence of the reduced forms, and the values each form
        // carries: the force, β where its term is kept, φ or tan φ beside
        // sinβ, ＰＦs beside cosβ in the P forms, and Ｐt.
        const TensionBlock block = ChooseTensionBlock(c.rockBolt);
        ASSERT_TRUE(block);
        auto form = Filled(block.form, block.fill);
        EXPECT_EQ(HasCaption(*form, kTighteningNote), c.restraint == 0);
        EXPECT_EQ(HasCaption(*form, kHoldingNote), c.restraint == 1);
        EXPECT_EQ(HasCaption(*form, "・引張力（設計荷重）"), c.rockBolt);
        const bool sinTerm = c.restraint != 1;
        const bool cosTerm = c.restraint != 0;
        const bool planFsShown = cosTerm && c.planFs != 0;
        const std::map<std::string, std::string> values = {
            {"Label9", "  50.0"},
            {"Label22", "   2.2"},
            {"Label10", " 2.000"},
            {"Label11", " 5"},
            {"Label52", "  20.9"},
            {"Label43", "45.00"},
            {"Label47", c.friction == 0 ? "30.0" : " 0.577"},
            {"Label50", "45.00"},
            {"Label2", "1.20"},
            {"Label6", "1.20"},
        };
        const std::map<std::string, bool> carried = {
            {"Label9", !c.rockBolt},
            {"Label22", !c.rockBolt},
            {"Label10", !c.rockBolt},
            {"Label11", !c.rockBolt},
            {"Label52", c.rockBolt},
            {"Label43", sinTerm},
            {"Label47", sinTerm},
            {"Label50", cosTerm},
            {"Label2", !c.rockBolt && planFsShown},
            {"Label6", c.rockBolt && planFsShown},
        };
        for (const auto& [name, shown] : carried) {
            const FormLabel* label = form->Label(name);
            EXPECT_EQ(label != nullptr, shown) << name;
            if (label) {
                EXPECT_EQ(label->caption, values.at(name)) << name;
            }
        }
        ASSERT_NE(form->Label("Label16"), nullptr);
        EXPECT_EQ(form->Label("Label16")->caption, PadDecimal(Design.Pt, 4));
        ExpectPlainBlock(*form);
        EXPECT_EQ(ChapterNo(), 1) << "the tension block numbers no heading";
    }
}

// The number line of the rock bolt's full form, left to right.
TEST(TensionBlocks, NumberLineOfTheTangentFormWithThePlannedFactor) {
    Prepare(3, [](DesignData& d) {
        d.RestraintMode = 2;
        d.FrictionInputMode = 1;
        d.UsePlanFs = 1;
        d.TanPhi = "0.577";
    });
    ASSERT_STREQ(ChooseTensionBlock(true).form, "InsHikiSimeRTP");
    auto form = Filled("InsHikiSimeRTP", SetInsHikiSimeRTP);
    const FormLabel* shear = form->Label("Label52");
    ASSERT_NE(shear, nullptr);
    // The denominator: the labels one row under the numerator Ｓ.
    std::map<int, std::string> row;
    for (const FormItem& item : form->items) {
        const auto* label = std::get_if<FormLabel>(&item);
        if (label && label->top == shear->top + 240) row[label->left] = label->caption;
    }
    std::vector<std::string> read;
    for (const auto& [left, text] : row) read.push_back(text);
    EXPECT_EQ(read, (std::vector<std::string>{"sin", "(", "45.00", ")", "×", " 0.577", "＋", "cos",
                                              "(", "45.00", ")", "×", "1.20"}));
}

TEST(TensionBlocks, StoredTextsPrintAsStored) {
    Prepare(4, [](DesignData& d) { d.RestraintMode = 2; });
    Design.DeltaPr = "0.0";  // the increase not considered
    Design.PlanFs = "1.20";
    Design.InstallAngle.clear();
    auto form = Filled("InsHikiSimeAFP", SetInsHikiSimeAFP);
    ExpectCaptions(*form, {{"Label22", "   0.0"},
                           {"Label2", "1.20"},
                           {"Label43", "  "},
                           {"Label50", "  "},
                           {"Label47", "30.0"}});
}

// ----------------------------------------------------- the worked values

TEST(AnchorLoadValues, WorkedDesignsPrintTheirArithmetic) {
    struct Case {
        const char* what;
        std::int16_t workType;
        std::function<void(DesignData&)> change;
        const char* form;
        Filler fill;
        const char* label;
        const char* text;
    };
    auto mode = [](std::int16_t restraint, std::int16_t planFs, std::int16_t toubunpu) {
        return [=](DesignData& d) {
            d.RestraintMode = restraint;
            d.UsePlanFs = planFs;
            d.ToubunpuMode = toubunpu;
        };
    };
    // c = sin45°·tan30° = 0.40825 (tightening), cos45° = 0.70711 (holding),
    // ℓ1 = 9.000 / 5 = 1.800, ℓ2 = 6.800 / 4 = 1.700.
    const std::vector<Case> cases = {
        {"Ｐt anchor, holding: 52.2 / 0.70711 · 2.000 / 5 = 29.53", 4, mode(1, 0, 0), "InsSimeA",
         SetInsSimeA, "Label16", "  29.5"},
        {"Ｐt anchor, tightening: 52.2 / 0.40825 · 0.4 = 51.15", 4, mode(0, 1, 0), "InsHikiAF",
         SetInsHikiAF, "Label16", "  51.1"},
        {"Ｐt anchor, both with ＰＦs: 52.2 / (0.40825 + 0.70711·1.20) · 0.4 = 16.61", 4,
         mode(2, 1, 0), "InsHikiSimeAFP", SetInsHikiSimeAFP, "Label16", "  16.6"},
        {"Ｓ rock bolt: (50.0 + 2.2) · 2.000 / 5 = 20.88", 3, mode(1, 0, 0), "InsSimeR",
         SetInsSimeR, "Label52", "  20.9"},
        {"Ｐt rock bolt, holding: 20.9 / 0.70711 = 29.56", 3, mode(1, 0, 0), "InsSimeR",
         SetInsSimeR, "Label16", "  29.6"},
        {"Ｐt rock bolt, both: 20.9 / (0.40825 + 0.70711) = 18.74", 3, mode(2, 0, 0),
         "InsHikiSimeRF", SetInsHikiSimeRF, "Label16", "  18.7"},
        {"ｗ cross: 29.5 / (1.800 + 1.700) = 8.43", 4, mode(1, 0, 0), "InsToubunpuCross",
         SetInsToubunpuCross, "Label7", "  8.43"},
        {"ｗ cross less b: 29.5 / (3.500 − 0.200) = 8.94", 4, mode(1, 0, 1), "InsToubunpuCrossB",
         SetInsToubunpuCrossB, "Label7", "  8.94"},
        {"b = 200 mm / 1000", 4, mode(1, 0, 1), "InsToubunpuCrossB", SetInsToubunpuCrossB,
         "Label10", " 0.200"},
        {"ｗy line: 29.5 / 1.800 = 16.39", 4, mode(1, 0, 2), "InsToubunpuLine", SetInsToubunpuLine,
         "Label7", " 16.39"},
        {"ｗx line: 29.5 / 1.700 = 17.35", 4, mode(1, 0, 2), "InsToubunpuLine", SetInsToubunpuLine,
         "Label18", " 17.35"},
        {"ｗy half: (29.5 / 2) / 1.800 = 8.19", 4, mode(1, 0, 3), "InsToubunpuLineHalf",
         SetInsToubunpuLineHalf, "Label7", " 8.19"},
        {"ｗx half: (29.5 / 2) / 1.700 = 8.68", 4, mode(1, 0, 3), "InsToubunpuLineHalf",
         SetInsToubunpuLineHalf, "Label18", " 8.68"},
        {"ｗ rock bolt cross: 29.6 / 3.500 = 8.46", 3, mode(1, 0, 0), "InsToubunpuCross",
         SetInsToubunpuCross, "Label7", "  8.46"},
    };
    for (const Case& c : cases) {
        Prepare(c.workType, c.change);
        auto form = Filled(c.form, c.fill);
        const FormLabel* label = form->Label(c.label);
        ASSERT_NE(label, nullptr) << c.what;
        EXPECT_EQ(label->caption, c.text) << c.what;
    }
}

// ------------------------------------------------------- uniform load

TEST(UniformLoadBlocks, ShareLengthBlockOfEachFrame) {
    struct Case {
        std::int16_t workType;
        std::int16_t tateMode, yokoMode;
        std::int16_t direction;
        const char* form;
        Captions captions;
    };
    const char* anchorPitch = "1本あたりの設計荷重をアンカーピッチで均等配分する｡";
    const char* rockPitch = "1本あたりの設計荷重をロックボルトピッチで均等配分する｡";
    const std::vector<Case> cases = {
        {4,
         0,
         1,
         0,
         "InsToubunpuZennaga",
         {{"Label3", "縦枠"},
          {"Lab1(0)", "1"},
          {"Lab1(1)", "y"},
          {"Lab1(2)", "y"},
          {"Label10", "  9.000"},
          {"Label9", " 5"},
          {"Label7", " 1.800"}}},
        {4,
         0,
         1,
         1,
         "InsToubunpuPitti",
         {{"Label3", "横枠"},
          {"Lab1(0)", "2"},
          {"Lab1(1)", "px"},
          {"Label1", anchorPitch},
          {"Label7", " 2.000"}}},
        {4,
         0,
         0,
         1,
         "InsToubunpuZennaga",
         {{"Label3", "横枠"},
          {"Lab1(0)", "2"},
          {"Lab1(1)", "x"},
          {"Lab1(2)", "x"},
          {"Label10", "  6.800"},
          {"Label9", " 4"},
          {"Label7", " 1.700"}}},
        {3,
         1,
         0,
         0,
         "InsToubunpuPitti",
         {{"Label3", "縦枠"},
          {"Lab1(0)", "1"},
          {"Lab1(1)", "py"},
          {"Label1", rockPitch},
          {"Label7", " 2.000"}}},
        // Any share mode but 0 is the pitch; this one has no share length.
        {3, 5, 0, 0, "InsToubunpuPitti", {{"Label3", "縦枠"}, {"Label7", "  "}}},
    };
    for (const Case& c : cases) {
        Prepare(c.workType, [&](DesignData& d) {
            d.TateShareMode = c.tateMode;
            d.YokoShareMode = c.yokoMode;
        });
        std::unique_ptr<LayoutForm> form = SetInsToubunpu(c.direction);
        ASSERT_EQ(form->name, c.form) << c.workType << " direction " << c.direction;
        ExpectCaptions(*form, c.captions);
        ExpectPlainBlock(*form);
        EXPECT_EQ(ChapterNo(), 0) << "the share blocks number no heading";
    }
}

TEST(UniformLoadBlocks, PatternHeadsByWorkType) {
    const char* anchor1 =
        "　アンカーの荷重によって生ずる地盤反力が、のり枠に等分布荷重として作用するものとし、";
    const char* anchor2 = "アンカー打設位置を支点とする梁のモデルとする。";
    const char* rock1 =
        "　ロックボルトの荷重によって生ずる地盤反力が、のり枠に等分布荷重として作用するものとし、";
    const char* rock2 = "ロックボルト打設位置を支点とする梁のモデルとする。";
    struct Case {
        const char* form;
        Filler fill;
        const char* first;
        const char* second;
        Captions values;  // of the worked anchor design
    };
    const std::vector<Case> cases = {
        {"InsToubunpuCross",
         SetInsToubunpuCross,
         "Label11",
         "Label12",
         {{"Label2", "  29.5"}, {"Label4", " 1.800"}, {"Label6", " 1.700"}}},
        {"InsToubunpuCrossB",
         SetInsToubunpuCrossB,
         "Label15",
         "Label12",
         {{"Label2", "  29.5"}, {"Label4", " 1.800"}, {"Label6", " 1.700"}, {"Lab1", ""}}},
        {"InsToubunpuLine",
         SetInsToubunpuLine,
         "Label6",
         "Label12",
         {{"Label2", "  29.5"},
          {"Label4", " 1.800"},
          {"Label15", "  29.5"},
          {"Label16", " 1.700"}}},
        // Half the load: Ｐt one column and the loads one column narrower.
        {"InsToubunpuLineHalf",
         SetInsToubunpuLineHalf,
         "Label25",
         "Label27",
         {{"Label2", " 29.5"}, {"Label4", " 1.800"}, {"Label15", " 29.5"}, {"Label16", " 1.700"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        for (std::int16_t workType : {3, 4, 5}) {
            Prepare(workType == 5 ? 4 : workType);
            Design.WorkType = workType;
            auto design = LoadForm(c.form);
            const std::string designFirst = design->Label(c.first)->caption;
            const std::string designSecond = design->Label(c.second)->caption;
            auto form = Filled(c.form, c.fill);
            ExpectCaptions(*form, {{"Label9", "１ 等分布荷重"}});
            if (workType == 3) {
                ExpectCaptions(*form, {{c.first, rock1}, {c.second, rock2}});
            } else if (workType == 4) {
                ExpectCaptions(*form, {{c.first, anchor1}, {c.second, anchor2}});
                ExpectCaptions(*form, c.values);
            } else {  // no anchored work type: the form's own texts
                ExpectCaptions(*form, {{c.first, designFirst}, {c.second, designSecond}});
            }
            ExpectPlainBlock(*form);
        }
    }
}

TEST(UniformLoadBlocks, WiderFrameWidthOfTheSecondCrossing) {
    struct Case {
        const char* bx;
        const char* by;
        const char* subscript;
        const char* b;
    };
    const std::vector<Case> cases = {
        {"300", "400", "y", " 0.400"},
        {"300", "300", "", " 0.300"},
        {"500", "400", "x", " 0.500"},
        {"", "250", "y", " 0.250"},  // no number compares as 0
    };
    for (const Case& c : cases) {
        Prepare(4, [](DesignData& d) { d.ToubunpuMode = 1; });
        Design.SectionBx = c.bx;
        Design.SectionBy = c.by;
        auto form = Filled("InsToubunpuCrossB", SetInsToubunpuCrossB);
        ExpectCaptions(*form, {{"Lab1", c.subscript}, {"Label10", c.b}});
    }
}

TEST(UniformLoadBlocks, DirectLoadBlock) {
    struct Case {
        std::int16_t workType;
        const char* title;
        int chapters;
    };
    const std::vector<Case> cases = {
        {3, "１ ロックボルトの設計荷重", 1},
        {4, "１ アンカーの設計荷重", 1},
        {5, "アンカーの設計荷重", 0},  // no anchored work type: no chapter
    };
    for (const Case& c : cases) {
        Prepare(c.workType == 3 ? 3 : 4, [](DesignData& d) {
            d.PtDirect = 1;
            d.PtInput = "35.0";
        });
        Design.WorkType = c.workType;
        auto form = Filled("InsToubunpuPt", SetInsToubunpuPt);
        ExpectCaptions(*form, {{"Label1", c.title}, {"Label16", "  35.0"}});
        EXPECT_EQ(ChapterNo(), c.chapters);
    }
}

// ------------------------------------------------------- page procedures

TEST(AnchorLoadPages, ShareBlocksUnderThePattern) {
    struct Case {
        std::int16_t tateMode, yokoMode;
        const char* blocks;
        const char* tateLength;  // ℓ1: the pitch, or 9.000 / 5
    };
    // A4: 3000 and 4300 design twips scale to 3667 and 5257, the page origin is 505.
    const std::vector<Case> cases = {
        {1, 0, "InsToubunpuPitti@3667 InsToubunpuZennaga@5257 InsToubunpuCross@505", " 2.000"},
        {0, 0, "InsToubunpuZennaga@3667 InsToubunpuZennaga@5257 InsToubunpuCross@505", " 1.800"},
    };
    for (const Case& c : cases) {
        Prepare(4, [&](DesignData& d) {
            d.TateShareMode = c.tateMode;
            d.YokoShareMode = c.yokoMode;
        });
        PageRun run;
        run.Run(PageId::PrnToubunpu, ChapterKind::Anchor);
        EXPECT_EQ(run.Blocks(), c.blocks);
        // Each share block is filled for its own frame.
        EXPECT_TRUE(run.Prints("縦枠"));
        EXPECT_TRUE(run.Prints("横枠"));
        EXPECT_TRUE(run.Prints(c.tateLength));
        EXPECT_TRUE(run.Prints(" 1.700"));
        EXPECT_TRUE(run.Prints("  6.800"));
        EXPECT_TRUE(run.Prints("１ 等分布荷重"));
    }
}

TEST(AnchorLoadPages, ModesOutOfRangeDrawNoBlock) {
    struct Case {
        const char* what;
        std::int16_t workType;
        PageId page;
        std::function<void(DesignData&)> change;
        const char* blocks;
        int chapters;
    };
    const std::vector<Case> cases = {
        {"friction mode 2: an empty page", 4, PageId::PrnSekkeiAnc,
         [](DesignData& d) { d.FrictionInputMode = 2; }, "", 0},
        {"friction mode -1, rock bolt", 3, PageId::PrnSekkeiRock,
         [](DesignData& d) { d.FrictionInputMode = -1; }, "", 0},
        {"restraint mode 3: the design load alone", 4, PageId::PrnSekkeiAnc,
         [](DesignData& d) { d.RestraintMode = 3; }, "InsSekkeiAncFai@505", 1},
        {"restraint mode -1, rock bolt", 3, PageId::PrnSekkeiRock,
         [](DesignData& d) { d.RestraintMode = -1; }, "InsSekkeiRockFai@505", 1},
        {"pattern 4: the share blocks alone", 4, PageId::PrnToubunpu,
         [](DesignData& d) { d.ToubunpuMode = 4; },
         "InsToubunpuZennaga@3667 InsToubunpuZennaga@5257", 0},
        {"pattern -1 with Ｐt entered", 3, PageId::PrnToubunpuPt,
         [](DesignData& d) {
             d.ToubunpuMode = -1;
             d.PtDirect = 1;
             d.PtInput = "35.0";
         },
         "InsToubunpuPt@505 InsToubunpuZennaga@5012 InsToubunpuZennaga@6479", 1},
    };
    for (const Case& c : cases) {
        Prepare(c.workType, c.change);
        PageRun run;
        run.Run(c.page, c.workType == 3 ? ChapterKind::Rockbolt : ChapterKind::Anchor);
        EXPECT_EQ(run.Blocks(), c.blocks) << c.what;
        EXPECT_EQ(ChapterNo(), c.chapters) << c.what;
        EXPECT_FALSE(run.Prints("１ 等分布荷重")) << c.what;
    }
}

TEST(AnchorLoadPages, EnteredLoadNumbersTwoChapters) {
    struct Case {
        std::int16_t workType;
        ChapterKind chapter;
        const char* first;
    };
    const std::vector<Case> cases = {
        {4, ChapterKind::Anchor, "１ アンカーの設計荷重"},
        {3, ChapterKind::Rockbolt, "１ ロックボルトの設計荷重"},
    };
    for (const Case& c : cases) {
        Prepare(c.workType, [](DesignData& d) {
            d.PtDirect = 1;
            d.PtInput = "35.0";
            d.ToubunpuMode = 2;
        });
        PageRun run;
        run.Run(PageId::PrnToubunpuPt, c.chapter);
        // 1900, 4100 and 5300 design twips on A4.
        EXPECT_EQ(run.Blocks(),
                  "InsToubunpuPt@505 InsToubunpuZennaga@5012 InsToubunpuZennaga@6479 "
                  "InsToubunpuLine@2323");
        EXPECT_TRUE(run.Prints(c.first));
        EXPECT_TRUE(run.Prints("２ 等分布荷重"));
        EXPECT_TRUE(run.Prints("  35.0"));  // Ｐt, the entered load
        EXPECT_EQ(ChapterNo(), 2);
    }
}

TEST(AnchorLoadPages, OtherPagesAreNotThisGroups) {
    for (PageId id : {PageId::PrnSekkeiJyuuryo, PageId::PrnAnchorKouzai, PageId::PrnMmtSdrTate}) {
        EXPECT_FALSE(AnchorLoadPageProc(id)) << PageName(id);
    }
}

// ------------------------------------------------------------------ forms

TEST(AnchorLoadForms, ExtentsAndItemsOfTheCatalogue) {
    struct Case {
        const char* form;
        int right, bottom;
        int lines, labels, pictures;
    };
    const std::vector<Case> cases = {
        {"InsSekkeiAncFai", 7470, 3195, 4, 47, 2},    {"InsSekkeiAncTan", 7395, 3195, 4, 44, 2},
        {"InsSekkeiRockFai", 7470, 5175, 6, 70, 2},   {"InsSekkeiRockTan", 7395, 5175, 6, 67, 2},
        {"InsHikiAF", 5715, 2475, 6, 50, 0},          {"InsHikiAT", 5655, 2475, 6, 47, 0},
        {"InsSimeA", 6735, 2415, 6, 43, 0},           {"InsSimeAP", 6975, 2475, 6, 49, 0},
        {"InsHikiSimeAF", 6045, 1395, 4, 41, 0},      {"InsHikiSimeAT", 5745, 1395, 4, 38, 0},
        {"InsHikiSimeAFP", 6585, 1395, 4, 45, 0},     {"InsHikiSimeATP", 6285, 1395, 4, 42, 0},
        {"InsHikiRF", 5835, 2835, 3, 30, 0},          {"InsHikiRT", 5835, 2835, 3, 27, 0},
        {"InsSimeR", 6615, 2835, 3, 23, 0},           {"InsSimeRP", 6615, 2835, 3, 29, 0},
        {"InsHikiSimeRF", 5040, 1755, 2, 28, 0},      {"InsHikiSimeRT", 4740, 1755, 2, 25, 0},
        {"InsHikiSimeRFP", 5640, 1755, 2, 32, 0},     {"InsHikiSimeRTP", 5340, 1755, 2, 29, 0},
        {"InsToubunpuZennaga", 4395, 1215, 2, 15, 1}, {"InsToubunpuPitti", 6975, 1215, 0, 9, 2},
        {"InsToubunpuCross", 7335, 6555, 2, 20, 2},   {"InsToubunpuCrossB", 7335, 6555, 2, 29, 2},
        {"InsToubunpuLine", 7335, 8175, 4, 30, 2},    {"InsToubunpuLineHalf", 7335, 8175, 4, 38, 2},
        {"InsToubunpuPt", 2535, 735, 0, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        std::unique_ptr<LayoutForm> form;
        ASSERT_NO_THROW(form = LoadForm(c.form));
        EXPECT_EQ(form->ItemExtent().right, c.right);
        EXPECT_EQ(form->ItemExtent().bottom, c.bottom);
        int lines = 0, labels = 0, pictures = 0;
        for (const FormItem& item : form->items) {
            lines += std::holds_alternative<FormLine>(item);
            labels += std::holds_alternative<FormLabel>(item);
            pictures += std::holds_alternative<FormPicture>(item);
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(pictures, c.pictures);
    }
}

// The pattern forms leave their middle open for the share blocks that the
// page draws there, both below the computed and below the entered Ｐt.
TEST(AnchorLoadForms, PatternMiddleTakesTheShareBlocks) {
    Prepare(4);
    RecordingOutput out;
    ReportPrint print;
    print.DrawCorrect(out);
    const double hr = print.HeightRatio();
    struct Page {
        int patternTop;  // page twips
        int firstShareTop, secondShareBottom;
    };
    const int shareHeight = LoadForm("InsToubunpuZennaga")->ItemExtent().bottom;
    const std::vector<Page> pages = {
        {print.Top(), print.BlockTop(3000), print.BlockTop(4300) + int(shareHeight * hr)},
        {print.BlockTop(1900), print.BlockTop(4100), print.BlockTop(5300) + int(shareHeight * hr)},
    };
    for (const char* name :
         {"InsToubunpuCross", "InsToubunpuCrossB", "InsToubunpuLine", "InsToubunpuLineHalf"}) {
        auto form = LoadForm(name);
        // The last head line and the line that follows the gap.
        int headBottom = 0, resumeTop = 1 << 30;
        for (const FormItem& item : form->items) {
            const auto* label = std::get_if<FormLabel>(&item);
            if (!label) continue;
            if (label->caption == "荷重を分担するのり枠長さを次のように考える。") {
                headBottom = label->top + label->height;
            }
            if (label->name == "Label1") resumeTop = label->top;
        }
        for (const Page& p : pages) {
            EXPECT_LT(p.patternTop + headBottom * hr, p.firstShareTop) << name;
            EXPECT_GT(p.patternTop + resumeTop * hr, p.secondShareBottom) << name;
        }
    }
}

}  // namespace
}  // namespace talvo::report
