// The moment and shear pages: the span and overhang blocks of both kinds of
// report, the failure-part blocks of the vertical frame, and the page
// procedures that choose and place them.

#include "report/pages/moments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "calc/recalc.h"
#include "report/chapters/pageprocs.h"
#include "report/chapters/sequencer.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/engine/renderer.h"
#include "report/report_fixture.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using fixture::Captions;
using fixture::ExpectCaptions;
using fixture::Filled;
using Fill = std::function<void(LayoutForm&)>;
using Change = std::function<void(DesignData&)>;

constexpr const char* kTate = "曲げモーメント・せん断力の算出（縦枠）";
constexpr const char* kYoko = "曲げモーメント・せん断力の算出（横枠）";

Fill Anchored(void (*fill)(LayoutForm&, int), int direction) {
    return [fill, direction](LayoutForm& f) { fill(f, direction); };
}

void NoChange(DesignData&) {}

// The filled design of a work type with its results brought up to date.
void Calculated(std::int16_t workType, const Change& change = NoChange) {
    test::FillDesign(workType);
    change(Design);
    SetAllRecalc(true);
    RunResultsActivation();
    ResetHeadingNumbers();
}

std::string Trimmed(const std::string& text) {
    const auto start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

class MomentPages : public ::testing::Test {
protected:
    void SetUp() override { ResetHeadingNumbers(); }
    void TearDown() override {
        test::ResetCalcState();
        ResetHeadingNumbers();
    }
};

// ---- helpers of the page tests

struct PageRun {
    std::string blocks;  // "form left,top; …"
    RecordedDocument doc;
};

// Runs one page procedure on a paper whose WidthRatio (1.2) differs from its
// HeightRatio (1.5): a lower block stands at CInt(1.2 × y), the first block
// at the page origin (Left 620 × 1.2, Top 420 × 1.5).
PageRun RunPage(PageId id, ChapterKind chapter) {
    RecordingOutput out(kDesignPageWidth * 1.2, kDesignPageHeight * 1.5);
    ReportPrint print;
    print.DrawCorrect(out);
    print.SetPrintPage(0);
    print.SetCurPage(1);
    out.StartDoc();
    std::vector<PlacedBlock> placed;
    PageContext context(out, print, chapter, id, placed);
    PageProc proc = MomentPageProc(id);
    EXPECT_TRUE(proc) << PageName(id);
    if (proc) proc(context);
    out.EndDoc();
    PageRun run;
    for (const PlacedBlock& b : placed)
        run.blocks += (run.blocks.empty() ? "" : "; ") + b.form + " " + std::to_string(b.left) +
                      "," + std::to_string(b.top);
    run.doc = out.TakeDocument();
    return run;
}

// ---- the forms

TEST(MomentForms, ExtentsAndItemsOfTheCatalogue) {
    struct Case {
        const char* form;
        int right, bottom;
        int lines, labels, pictures;
    };
    const Case cases[] = {
        {"InsMmtSdrSupan", 5055, 4635, 4, 50, 2},     {"InsMmtSdrOne", 5070, 4635, 4, 64, 3},
        {"InsMmtSdrOneHari", 7635, 5055, 4, 120, 11}, {"InsMmtSdrNasi", 4350, 4635, 2, 44, 2},
        {"InsMmtSdrHari", 5070, 4635, 4, 50, 2},      {"InsKusabiMmaxSmax", 7755, 5175, 2, 32, 0},
        {"InsEnkoMmaxSmax", 7755, 5895, 12, 42, 0},
    };
    // The coefficient labels, above and below the fraction bars, are the
    // centred labels of these forms.
    const std::set<std::string> coefficients = {"Label5",  "Label14", "Label26", "Label27",
                                                "Label18", "Label19", "Label20", "Label21"};
    int centred = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        auto form = LoadForm(c.form);
        EXPECT_EQ(form->ItemExtent().right, c.right);
        EXPECT_EQ(form->ItemExtent().bottom, c.bottom);
        int lines = 0, labels = 0, pictures = 0;
        std::set<std::string> names;
        for (const FormItem& item : form->items) {
            if (std::holds_alternative<FormLine>(item)) ++lines;
            if (std::holds_alternative<FormPicture>(item)) ++pictures;
            if (const auto* label = std::get_if<FormLabel>(&item)) {
                ++labels;
                EXPECT_TRUE(names.insert(label->name).second) << "twice: " << label->name;
                if (label->alignment == TextAlign::Center) {
                    ++centred;
                    EXPECT_TRUE(coefficients.count(label->name)) << label->name;
                }
                EXPECT_TRUE(label->fontSize == 8.25 || label->fontSize == 6) << label->name;
            }
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(pictures, c.pictures);
    }
    EXPECT_EQ(centred, 36);
}

// ---- worked values: the printed numbers put into the printed formula give
// the printed result (rounded to two decimals, halves away from zero)

TEST_F(MomentPages, WorkedValuesRepeatTheirFormula) {
    struct Case {
        const char* what;
        std::int16_t workType;
        Change change;
        const char* form;
        Fill fill;
        Captions captions;
        double mmax;  // the formula with the printed numbers
        double smax;
        const char* mmaxLabel;
        const char* smaxLabel;
    };
    auto oneSpan = [](const char* right) {
        return [right](DesignData& d) {
            d.SpanCountX = " 1";
            d.OverhangRight = right;
        };
    };
    auto twoAnchors = [](DesignData& d) {
        d.AnchorCountX = " 2";
        d.AnchorCountY = " 2";
    };
    const Case cases[] = {
        // 3 spans of 2.000 m, w = 3.35 kN/m, x = 0.100 m: row 3 (1/10, 6/10).
        {"wedge, three spans",
         0,
         NoChange,
         "InsMmtSdrSupan",
         SetInsMmtSdrSupanHoukai,
         {{"Label5", " 1"},
          {"Label14", "10"},
          {"Label18", " 6"},
          {"Label19", "10"},
          {"Label15", "  3.35"},
          {"Label16", " 2.000"},
          {"Label17", "  1.34"},
          {"Label25", "  3.69"},
          {"Label22", "  3.35"},
          {"Label23", " 0.100"}},
         1.0 / 10 * 3.35 * 2.0 * 2.0,           // 1.34
         6.0 / 10 * 3.35 * 2.0 - 3.35 * 0.100,  // 4.02 − 0.335 = 3.685
         "Label17",
         "Label25"},
        // The longer overhang a = 0.500 (b = 0.300): 1/2·w·a², w·a − w·x.
        {"arc, overhang block",
         1,
         NoChange,
         "InsMmtSdrNasi",
         SetInsMmtSdrNasiHoukai,
         {{"Lab1(0)", "a"},
          {"Label16", " 0.500"},
          {"Label15", " 3.35"},
          {"Label17", " 0.42"},
          {"Label25", " 1.34"}},
         1.0 / 2 * 3.35 * 0.5 * 0.5,  // 0.41875
         3.35 * 0.5 - 3.35 * 0.100,   // 1.34
         "Label17",
         "Label25"},
        // One span, equal overhangs c = 0.500: 1/8·w·(ℓ² − 4c²).
        {"greening, one span with equal overhangs",
         2,
         oneSpan(" 0.500"),
         "InsMmtSdrOne",
         SetInsMmtSdrOneHoukai,
         {{"Lab1(2)", "a"},
          {"Label28", " 0.500"},
          {"Label14", " 8"},
          {"Label19", " 2"},
          {"Label17", " 1.26"},
          {"Label25", " 3.02"}},
         1.0 / 8 * 3.35 * (2.0 * 2.0 - 4 * 0.5 * 0.5),  // 1.25625
         1.0 / 2 * 3.35 * 2.0 - 3.35 * 0.100,           // 3.015
         "Label17",
         "Label25"},
        // One span, a = 0.800 (right, the longer) and b = 0.500:
        // 1/(8ℓ²)·w·{(ℓ+a)² − b²}·{(ℓ−a)² − b²}, 1/(2ℓ)·w·(ℓ² + a² − b²) − w·x.
        {"wedge, one span with unequal overhangs",
         0,
         oneSpan(" 0.800"),
         "InsMmtSdrOneHari",
         SetInsMmtSdrOneHariHoukai,
         {{"Lab1(1)", "b"},
          {"Label29", " 0.800"},
          {"Label41", " 0.500"},
          {"Label17", " 0.95"},
          {"Label25", " 3.34"}},
         1.0 / (8 * 2.0 * 2.0) * 3.35 * (2.8 * 2.8 - 0.25) * (1.2 * 1.2 - 0.25),  // 0.94555
         1.0 / (2 * 2.0) * 3.35 * (4.0 + 0.64 - 0.25) - 3.35 * 0.100,             // 3.341625
         "Label17",
         "Label25"},
        // Five anchors at 2.000 m on the vertical frame: 4 spans, row 4
        // (1/9, 17/28), w = 8.46 kN/m.
        {"rock bolts, vertical frame",
         3,
         NoChange,
         "InsMmtSdrSupan",
         Anchored(SetInsMmtSdrSupan, 0),
         {{"Lab1(0)", "py"},
          {"Label14", " 9"},
          {"Label18", "17"},
          {"Label19", "28"},
          {"Label15", " 8.46"},
          {"Label17", " 3.76"},
          {"Label25", " 9.43"}},
         1.0 / 9 * 8.46 * 2.0 * 2.0,             // 3.76
         17.0 / 28 * 8.46 * 2.0 - 8.46 * 0.100,  // 9.4268…
         "Label17",
         "Label25"},
        // Two anchors on the horizontal frame, pa = 0.500 longer than pb =
        // 0.300, w = 5.67 kN/m.
        {"ground anchors, horizontal frame of one span",
         4,
         [](DesignData& d) { d.AnchorCountX = " 2"; },
         "InsMmtSdrOneHari",
         Anchored(SetInsMmtSdrOneHari, 1),
         {{"Lab1(1)", "pa"},
          {"Lab1(2)", "pb"},
          {"Label15", "  5.67"},
          {"Label17", "  2.36"},
          {"Label25", "  5.33"}},
         1.0 / (8 * 2.0 * 2.0) * 5.67 * (2.5 * 2.5 - 0.09) * (1.5 * 1.5 - 0.09),  // 2.3576
         1.0 / (2 * 2.0) * 5.67 * (4.0 + 0.25 - 0.09) - 5.67 * 0.100,             // 5.3298
         "Label17",
         "Label25"},
        // Two anchors on the vertical frame with equal overhangs 0.500.
        {"ground anchors, vertical frame of one span",
         4,
         twoAnchors,
         "InsMmtSdrOne",
         Anchored(SetInsMmtSdrOne, 0),
         {{"Lab1(2)", "pc"}, {"Label15", "  3.73"}, {"Label17", "  1.40"}, {"Label25", "  3.36"}},
         1.0 / 8 * 3.73 * (4.0 - 4 * 0.25),  // 1.39875
         1.0 / 2 * 3.73 * 2.0 - 3.73 * 0.1,  // 3.357
         "Label17",
         "Label25"},
        // Wedge: L1/3·Pr and Pr, with Pr = 3.51 kN and L1 = 5.000 m.
        {"wedge failure part",
         0,
         NoChange,
         "InsKusabiMmaxSmax",
         SetInsKusabiMmaxSmax,
         {{"Label8", "  3.51"}, {"Label9", " 5.000"}, {"Label10", "  5.85"}, {"Label12", "  3.51"}},
         1.0 / 3 * 3.51 * 5.0,  // 5.85
         3.51,
         "Label10",
         "Label12"},
        // Arc: 4/(9√6)·Pr·L1 and 2/3·Pr, with Pr = 27.60 kN and L1 = 6.000 m;
        // Pr printed twice.
        {"arc failure part",
         1,
         NoChange,
         "InsEnkoMmaxSmax",
         SetInsEnkoMmaxSmax,
         {{"Label8", " 27.60"},
          {"Label9", " 6.000"},
          {"Label10", " 30.05"},
          {"Label12", " 27.60"},
          {"Label15", " 18.40"}},
         4 / (9 * std::sqrt(6.0)) * 27.60 * 6.0,  // 30.047…
         2.0 / 3 * 27.60,                         // 18.4
         "Label10",
         "Label15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.workType, c.change);
        auto form = Filled(c.form, c.fill);
        ExpectCaptions(*form, c.captions);
        EXPECT_EQ(FormatPattern(c.mmax, "0.00"), Trimmed(form->Label(c.mmaxLabel)->caption));
        EXPECT_EQ(FormatPattern(c.smax, "0.00"), Trimmed(form->Label(c.smaxLabel)->caption));
    }
}

// ---- headings

TEST_F(MomentPages, HeadingsOpenOrContinueTheChapter) {
    struct Case {
        const char* what;
        std::int16_t workType;
        Change change;
        std::vector<std::pair<const char*, Fill>> blocks;  // filled in this order
        std::vector<Captions> captions;                    // of each block
    };
    const std::string ch3 = std::string("３ ");
    const Case cases[] = {
        {"failure load: one span without overhang is the span centre, the overhang block "
         "never opens a chapter",
         0,
         [](DesignData& d) { d.SpanCountX = " 1"; },
         {{"InsMmtSdrSupan", SetInsMmtSdrSupanHoukai}, {"InsMmtSdrHari", SetInsMmtSdrHariHoukai}},
         {{{"Label1", ch3 + kYoko}, {"Label9", "３.１ スパン中央部"}, {"Lab1(0)", "x"}},
          {{"Label1", ""}, {"Label9", "３.２ 張出し部"}}}},
        {"failure load: two spans are the first interior support",
         2,
         [](DesignData& d) { d.SpanCountX = " 2"; },
         {{"InsMmtSdrSupan", SetInsMmtSdrSupanHoukai}},
         {{{"Label9", "３.１ 第一内部支点"}}}},
        {"anchored: the multi-span block is always the first interior support",
         3,
         [](DesignData& d) { d.AnchorCountY = " 2"; },
         {{"InsMmtSdrSupan", Anchored(SetInsMmtSdrSupan, 0)},
          {"InsMmtSdrNasi", Anchored(SetInsMmtSdrNasi, 0)}},
         {{{"Label1", ch3 + kTate}, {"Label9", "３.１ 第一内部支点"}, {"Lab1(1)", "py"}},
          {{"Label1", ""}, {"Label9", "３.２ 張出し部"}}}},
        {"anchored: a single anchor's overhang block opens the chapter",
         4,
         [](DesignData& d) { d.AnchorCountX = " 1"; },
         {{"InsMmtSdrHari", Anchored(SetInsMmtSdrHari, 1)}},
         {{{"Label1", ch3 + kYoko}, {"Label9", "３.１ 張出し部"}}}},
        {"unequal overhangs: the span centre, not the design caption",
         4,
         NoChange,
         {{"InsMmtSdrOneHari", Anchored(SetInsMmtSdrOneHari, 0)}},
         {{{"Label1", ch3 + kTate}, {"Label9", "３.１ スパン中央部"}}}},
        {"failure part of the vertical frame",
         1,
         NoChange,
         {{"InsEnkoMmaxSmax", SetInsEnkoMmaxSmax}},
         {{{"Label1", ch3 + kTate}, {"Label16", "３.１ 崩壊部"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.workType, c.change);
        ChapterTitle("one");
        SectionTitle("a");
        ChapterTitle("two");
        for (std::size_t i = 0; i < c.blocks.size(); ++i)
            ExpectCaptions(*Filled(c.blocks[i].first, c.blocks[i].second), c.captions[i]);
    }
}

// A direction other than the two frames fills nothing and numbers nothing.
TEST_F(MomentPages, OtherDirectionKeepsTheDesignCaptions) {
    Calculated(4);
    const std::pair<const char*, void (*)(LayoutForm&, int)> fillers[] = {
        {"InsMmtSdrSupan", SetInsMmtSdrSupan},     {"InsMmtSdrOne", SetInsMmtSdrOne},
        {"InsMmtSdrOneHari", SetInsMmtSdrOneHari}, {"InsMmtSdrNasi", SetInsMmtSdrNasi},
        {"InsMmtSdrHari", SetInsMmtSdrHari},
    };
    for (const auto& [name, fill] : fillers) {
        for (int direction : {-1, 2, 7}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(direction));
            auto form = LoadForm(name);
            fill(*form, direction);
            ExpectCaptions(*form, {{"Label1", kYoko},
                                   {"Label14", "14"},
                                   {"Label17", "017.00"},
                                   {"Label23", "23.000"},
                                   {"Labx(0)", "－"}});
        }
    }
    EXPECT_EQ(ChapterNo(), 0);
    EXPECT_EQ(SectionNo(), 0);
}

// ---- the coefficient row of the multi-span block

TEST_F(MomentPages, MultiSpanCoefficientRow) {
    // Rows of the default table by their denominators (moment, shear).
    const std::pair<const char*, const char*> row[] = {
        {" 2", " 1"}, {" 8", " 2"}, {" 8", " 8"}, {"10", "10"}, {" 9", "28"}};
    struct Case {
        const char* count;
        bool anchored;
        int row;
    };
    const Case cases[] = {
        // anchors: spans = anchors − 1, more than 3 the last row
        {"", true, 0},
        {" 1", true, 0},
        {" 2", true, 1},
        {" 3", true, 2},
        {" 4", true, 3},
        {" 5", true, 4},
        {"12", true, 4},
        {"2.5", true, 2},  // 1.5 spans round to 2
        {"3.5", true, 2},  // 2.5 spans: the half goes to the even row
        // A damaged file: no anchors or fewer take row 0, not a row before
        // the table.
        {" 0", true, 0},
        {"-3", true, 0},
        {"-40000", true, 0},
        // failure-load spans, more than 4 the last row
        {"", false, 0},
        {"0.4", false, 0},
        {" 1", false, 1},
        {" 2", false, 2},
        {" 4", false, 4},
        {" 7", false, 4},
        {"1.5", false, 2},
        {"-1", false, 0},
        {"-1E+300", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.anchored ? "anchors " : "spans ") + "\"" + c.count + "\"");
        Calculated(c.anchored ? 4 : 0,
                   [&c](DesignData& d) { (c.anchored ? d.AnchorCountY : d.SpanCountX) = c.count; });
        auto form = Filled("InsMmtSdrSupan", c.anchored ? Anchored(SetInsMmtSdrSupan, 0)
                                                        : Fill(SetInsMmtSdrSupanHoukai));
        const auto [moment, shear] = row[c.row];
        ExpectCaptions(
            *form,
            {{"Label14", moment}, {"Label27", moment}, {"Label19", shear}, {"Label21", shear}});
        if (!c.anchored)
            ExpectCaptions(*form,
                           {{"Label9", c.row == 1 ? "１.１ スパン中央部" : "１.１ 第一内部支点"}});
    }
}

// A changed table prints as changed; the one-span block reads row 1 alone.
TEST_F(MomentPages, CoefficientsComeFromTheTable) {
    Calculated(2, [](DesignData& d) {
        d.SpanCountX = " 1";
        d.OverhangRight = " 0.500";
    });
    SpanCoefficients.MmaxNum = {7, 3, 9, 9, 9};
    SpanCoefficients.MmaxDen = {11, 16, 9, 9, 9};
    SpanCoefficients.SmaxNum = {3, 5, 9, 9, 9};
    SpanCoefficients.SmaxDen = {4, 12, 9, 9, 9};
    ExpectCaptions(*Filled("InsMmtSdrOne", SetInsMmtSdrOneHoukai), {{"Label5", " 3"},
                                                                    {"Label26", " 3"},
                                                                    {"Label14", "16"},
                                                                    {"Label27", "16"},
                                                                    {"Label18", " 5"},
                                                                    {"Label20", " 5"},
                                                                    {"Label19", "12"},
                                                                    {"Label21", "12"}});
    ExpectCaptions(*Filled("InsMmtSdrHari", SetInsMmtSdrHariHoukai), {{"Label5", " 7"},
                                                                      {"Label14", "11"},
                                                                      {"Label18", " 3"},
                                                                      {"Label19", " 4"},
                                                                      {"Label20", " 3"},
                                                                      {"Label21", " 4"}});
}

// ---- padding of the values

TEST_F(MomentPages, ValuesArePaddedOnTheirPoint) {
    struct Case {
        const char* what;
        std::int16_t workType;
        Change change;  // after the calculation
        const char* form;
        Fill fill;
        Captions captions;
    };
    auto load = [](const char* w) {
        return [w](DesignData& d) {
            d.YokoToubunpu = w;
            d.YokoLoadW = w;
        };
    };
    auto results = [](const char* m, const char* s) {
        return [m, s](DesignData& d) {
            d.Mmax[1][0] = m;
            d.Smax[1][0] = s;
        };
    };
    const Case cases[] = {
        {"w 2.50 on the anchored one-span block (3 places)",
         4,
         load("2.50"),
         "InsMmtSdrOne",
         Anchored(SetInsMmtSdrOne, 1),
         {{"Label15", "  2.50"}, {"Label12", "  2.50"}}},
        {"w 2.50 on the failure-load one-span block (2 places)",
         0,
         load("2.50"),
         "InsMmtSdrOne",
         SetInsMmtSdrOneHoukai,
         {{"Label15", " 2.50"}, {"Label22", " 2.50"}}},
        {"w 2.50 on the anchored multi-span block (2 places)",
         3,
         load("2.50"),
         "InsMmtSdrSupan",
         Anchored(SetInsMmtSdrSupan, 1),
         {{"Label15", " 2.50"}, {"Label22", " 2.50"}}},
        {"w 2.50 on the failure-load multi-span block (3 places)",
         2,
         load("2.50"),
         "InsMmtSdrSupan",
         SetInsMmtSdrSupanHoukai,
         {{"Label15", "  2.50"}, {"Label22", "  2.50"}}},
        {"12.34 at 2 places unchanged",
         4,
         results("12.34", "12.34"),
         "InsMmtSdrSupan",
         Anchored(SetInsMmtSdrSupan, 1),
         {{"Label17", "12.34"}, {"Label25", "12.34"}}},
        {"12.34 at 3 places",
         1,
         results("12.34", "12.34"),
         "InsMmtSdrSupan",
         SetInsMmtSdrSupanHoukai,
         {{"Label17", " 12.34"}, {"Label25", " 12.34"}}},
        {"a minus sign is one of the places",
         3,
         results("-1.23", "-0.50"),
         "InsMmtSdrOneHari",
         Anchored(SetInsMmtSdrOneHari, 1),
         {{"Label17", " -1.23"}, {"Label25", " -0.50"}}},
        {"an empty result prints as the width's spaces",
         0,
         results("", ""),
         "InsMmtSdrOneHari",
         SetInsMmtSdrOneHariHoukai,
         {{"Label17", "  "}, {"Label25", "  "}}},
        {"an overhang 0.500 gets one space from either filler",
         2,
         [](DesignData& d) { d.OverhangLeft = d.AnchorOverhangLeft = "0.500"; },
         "InsMmtSdrOne",
         SetInsMmtSdrOneHoukai,
         {{"Label28", " 0.500"}}},
        {"the failure part, empty Pr",
         0,
         [](DesignData& d) { d.HoukaiPr.clear(); },
         "InsKusabiMmaxSmax",
         SetInsKusabiMmaxSmax,
         {{"Label8", "   "}, {"Label12", "  3.51"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.workType);
        c.change(Design);
        ExpectCaptions(*Filled(c.form, c.fill), c.captions);
    }
}

// ---- the − w·x term of the shear

TEST_F(MomentPages, ShearDistanceTermFollowsItsOwnFrame) {
    const Captions shown = {{"Labx(0)", "－"}, {"Labx(1)", "ｗ"}, {"Labx(2)", "・"},
                            {"Labx(3)", "ｘ"}, {"Labx(4)", "－"}, {"Labx(5)", "×"}};
    const Captions hidden = {{"Labx(0)", ""}, {"Labx(1)", ""}, {"Labx(2)", ""}, {"Labx(3)", ""},
                             {"Labx(4)", ""}, {"Labx(5)", ""}, {"Label22", ""}, {"Label23", ""}};
    struct Case {
        const char* tateX;
        const char* yokoX;
        int direction;  // 2: the failure-load filler
        bool expectShown;
        const char* x;  // the printed distance
    };
    const Case cases[] = {
        {"0.150", "0.000", 0, true, " 0.150"},
        {"0.150", "0.000", 1, false, ""},
        {"0.000", "0.150", 0, false, ""},
        {"0.000", "0.150", 1, true, " 0.150"},
        {"", "", 1, false, ""},
        {"0.150", "", 2, false, ""},
        {"", "12.5", 2, true, "12.5"},
    };
    using Filler = std::pair<const char*, Fill>;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tateX) + " / " + c.yokoX + " direction " +
                     std::to_string(c.direction));
        Calculated(c.direction == 2 ? 1 : 3);
        Design.TateShearX[Design.WorkType] = c.tateX;
        Design.YokoShearX[Design.WorkType] = c.yokoX;
        std::vector<Filler> fillers;
        if (c.direction == 2) {
            fillers = {{"InsMmtSdrSupan", SetInsMmtSdrSupanHoukai},
                       {"InsMmtSdrOne", SetInsMmtSdrOneHoukai},
                       {"InsMmtSdrOneHari", SetInsMmtSdrOneHariHoukai},
                       {"InsMmtSdrNasi", SetInsMmtSdrNasiHoukai},
                       {"InsMmtSdrHari", SetInsMmtSdrHariHoukai}};
        } else {
            fillers = {{"InsMmtSdrSupan", Anchored(SetInsMmtSdrSupan, c.direction)},
                       {"InsMmtSdrOne", Anchored(SetInsMmtSdrOne, c.direction)},
                       {"InsMmtSdrOneHari", Anchored(SetInsMmtSdrOneHari, c.direction)},
                       {"InsMmtSdrNasi", Anchored(SetInsMmtSdrNasi, c.direction)},
                       {"InsMmtSdrHari", Anchored(SetInsMmtSdrHari, c.direction)}};
        }
        for (const auto& [name, fill] : fillers) {
            SCOPED_TRACE(name);
            auto form = Filled(name, fill);
            if (c.expectShown) {
                ExpectCaptions(*form, shown);
                ExpectCaptions(*form,
                               {{"Label22", form->Label("Label12")->caption}, {"Label23", c.x}});
            } else {
                ExpectCaptions(*form, hidden);
            }
        }
    }
}

// A design without a work type (5) prints through the anchored report: the
// work-type arrays have no entry for it, so no distance and no results.
TEST_F(MomentPages, NoWorkTypeReadsNoWorkTypeEntry) {
    Calculated(4);
    Design.WorkType = 5;
    auto form = Filled("InsMmtSdrSupan", Anchored(SetInsMmtSdrSupan, 0));
    ExpectCaptions(*form, {{"Labx(0)", ""}, {"Label22", ""}, {"Label23", ""}});
    const PageRun run = RunPage(PageId::PrnMmtSdrTate, ChapterOf(5));
    EXPECT_EQ(run.blocks, "InsMmtSdrSupan 744,630; InsMmtSdrNasi 744,6720");
}

// ---- which overhang is named or shown

TEST_F(MomentPages, WhichOverhangIsNamed) {
    struct Case {
        const char* what;
        int direction;  // 2: the failure-load fillers
        const char* first;
        const char* second;  // upper/lower or left/right
        Captions oneHari;    // the longer first
        Captions overhang;   // the longer, the second on a tie
    };
    const Case cases[] = {
        {"vertical, upper longer",
         0,
         "0.800",
         "0.500",
         {{"Lab1(1)", "pc"}, {"Label29", " 0.800"}, {"Lab1(10)", "pd"}, {"Label47", " 0.500"}},
         {{"Lab1(0)", "pc"}, {"Label16", " 0.800"}}},
        {"vertical, lower longer",
         0,
         "0.500",
         "0.800",
         {{"Lab1(4)", "pd"}, {"Label43", " 0.800"}, {"Lab1(5)", "pc"}, {"Label44", " 0.500"}},
         {{"Lab1(1)", "pd"}, {"Label13", " 0.800"}}},
        {"vertical, equal lengths in different texts",
         0,
         "0.50",
         "0.500",
         {{"Lab1(1)", "pc"}, {"Label29", " 0.50"}},
         {{"Lab1(0)", "pd"}, {"Label16", " 0.500"}}},
        {"vertical, only the upper one",
         0,
         "0.300",
         "",
         {{"Lab1(9)", "pc"}, {"Label41", "  "}},
         {{"Lab1(0)", "pc"}, {"Label16", " 0.300"}}},
        {"horizontal, right longer",
         1,
         "0.300",
         "0.500",
         {{"Lab1(1)", "pb"}, {"Lab1(2)", "pa"}},
         {{"Lab1(0)", "pb"}}},
        {"failure load, left longer",
         2,
         "0.500",
         "0",
         {{"Lab1(1)", "a"}, {"Label41", " 0"}},
         {{"Lab1(0)", "a"}, {"Label16", " 0.500"}}},
        {"failure load, equal", 2, "0.500", "0.500", {{"Lab1(1)", "a"}}, {{"Lab1(0)", "b"}}},
        {"failure load, a text that is no number counts 0 and prints unchanged",
         2,
         "abc",
         "0.300",
         {{"Lab1(1)", "b"}, {"Label29", " 0.300"}, {"Label41", "abc"}},
         {{"Lab1(0)", "b"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.direction == 2 ? 0 : 4);
        DesignData& d = Design;
        std::string& first = c.direction == 0   ? d.AnchorOverhangUpper
                             : c.direction == 1 ? d.AnchorOverhangLeft
                                                : d.OverhangLeft;
        std::string& second = c.direction == 0   ? d.AnchorOverhangLower
                              : c.direction == 1 ? d.AnchorOverhangRight
                                                 : d.OverhangRight;
        first = c.first;
        second = c.second;
        if (c.direction == 2) {
            ExpectCaptions(*Filled("InsMmtSdrOneHari", SetInsMmtSdrOneHariHoukai), c.oneHari);
            ExpectCaptions(*Filled("InsMmtSdrNasi", SetInsMmtSdrNasiHoukai), c.overhang);
            ExpectCaptions(*Filled("InsMmtSdrHari", SetInsMmtSdrHariHoukai), c.overhang);
        } else {
            ExpectCaptions(*Filled("InsMmtSdrOneHari", Anchored(SetInsMmtSdrOneHari, c.direction)),
                           c.oneHari);
            ExpectCaptions(*Filled("InsMmtSdrNasi", Anchored(SetInsMmtSdrNasi, c.direction)),
                           c.overhang);
            ExpectCaptions(*Filled("InsMmtSdrHari", Anchored(SetInsMmtSdrHari, c.direction)),
                           c.overhang);
        }
    }
}

// ---- the page procedures

std::vector<std::string> Texts(const RecordedDocument& doc) {
    std::vector<std::string> texts;
    for (const RecordedPage& page : doc.pages)
        for (const DrawOp& op : page.ops)
            if (const auto* t = std::get_if<TextOp>(&op)) texts.push_back(t->text);
    return texts;
}

TEST_F(MomentPages, PagesChooseTheirFormsAndTops) {
    const std::string top = " 744,630";
    const std::string lower = " 744,6720";  // CInt(1.2 × 5600)
    struct Case {
        const char* what;
        std::int16_t workType;
        Change change;
        PageId page;
        std::string blocks;
    };
    auto horizontal = [](const char* spans, const char* left, const char* right) {
        return [=](DesignData& d) {
            d.SpanCountX = spans;
            d.OverhangLeft = left;
            d.OverhangRight = right;
        };
    };
    auto anchors = [](bool vertical, const char* count, const char* p1, const char* p2) {
        return [=](DesignData& d) {
            (vertical ? d.AnchorCountY : d.AnchorCountX) = count;
            (vertical ? d.AnchorOverhangUpper : d.AnchorOverhangLeft) = p1;
            (vertical ? d.AnchorOverhangLower : d.AnchorOverhangRight) = p2;
        };
    };
    auto shearCoefficient = [](std::int16_t num, std::int16_t den, Change then) {
        return [=](DesignData& d) {
            SpanCoefficients.SmaxNum[0] = num;
            SpanCoefficients.SmaxDen[0] = den;
            then(d);
        };
    };
    const std::string one = "InsMmtSdrOne" + top;
    const std::string oneHari = "InsMmtSdrOneHari" + top;
    const std::string supan = "InsMmtSdrSupan" + top;
    const std::string nasi = "; InsMmtSdrNasi" + lower;
    const std::string hari = "; InsMmtSdrHari" + lower;
    const Case cases[] = {
        {"wedge", 0, NoChange, PageId::PrnKusabiMmaxSmax, "InsKusabiMmaxSmax" + top},
        {"arc", 1, NoChange, PageId::PrnEnkoMmaxSmax, "InsEnkoMmaxSmax" + top},
        // the horizontal frame of the failure-load reports
        {"one span 0.5/0.5", 0, horizontal(" 1", "0.5", "0.5"), PageId::PrnMmtSdr, one + nasi},
        {"one span 0.5/0.8", 1, horizontal(" 1", "0.5", "0.8"), PageId::PrnMmtSdr, oneHari + nasi},
        {"one span 0.5/0.50 equal by value", 2, horizontal(" 1", "0.5", "0.50"), PageId::PrnMmtSdr,
         one + nasi},
        {"one span \"0\" and \"\"", 2, horizontal(" 1", "0", ""), PageId::PrnMmtSdr, supan},
        {"three spans with an overhang", 0, horizontal(" 3", "", "0.3"), PageId::PrnMmtSdr,
         supan + nasi},
        {"three spans without", 1, horizontal(" 3", "", ""), PageId::PrnMmtSdr, supan},
        {"overhang shear coefficient 1/2", 2,
         shearCoefficient(1, 2, horizontal(" 1", "0.5", "0.5")), PageId::PrnMmtSdr, one + hari},
        {"overhang shear coefficient 3/3", 0, shearCoefficient(3, 3, horizontal(" 2", "0.5", "0")),
         PageId::PrnMmtSdr, supan + nasi},
        {"negative span count", 0, horizontal("-2", "0.5", "0"), PageId::PrnMmtSdr, supan + nasi},
        // both frames of the anchored reports
        {"vertical, one anchor, no overhang", 3, anchors(true, " 1", "0", ""),
         PageId::PrnMmtSdrTate, ""},
        {"horizontal, one anchor, no overhang", 4, anchors(false, "1", "", "0.000"),
         PageId::PrnMmtSdrYoko, ""},
        {"vertical, one anchor with an overhang", 4, anchors(true, " 1", "0.5", ""),
         PageId::PrnMmtSdrTate, "InsMmtSdrNasi" + top},
        {"horizontal, one anchor with an overhang, coefficient 3/4", 3,
         shearCoefficient(3, 4, anchors(false, " 1", "", "0.4")), PageId::PrnMmtSdrYoko,
         "InsMmtSdrHari" + top},
        {"vertical, two anchors 1.5 and 1.50", 3, anchors(true, " 2", "1.5", "1.50"),
         PageId::PrnMmtSdrTate, one + nasi},
        {"horizontal, two anchors 0.5 and 0.3", 4, anchors(false, " 2", "0.5", "0.3"),
         PageId::PrnMmtSdrYoko, oneHari + nasi},
        {"horizontal, two anchors without overhangs", 4, anchors(false, " 2", "", "0"),
         PageId::PrnMmtSdrYoko, supan},
        {"vertical, three anchors with an overhang", 4, anchors(true, " 3", "0", "0.5"),
         PageId::PrnMmtSdrTate, supan + nasi},
        {"horizontal, three anchors with an overhang, coefficient 1/2", 3,
         shearCoefficient(1, 2, anchors(false, " 3", "0.5", "0.5")), PageId::PrnMmtSdrYoko,
         supan + hari},
        {"vertical, no anchor count", 4, anchors(true, "", "0.5", "0.5"), PageId::PrnMmtSdrTate,
         supan + nasi},
        {"vertical, anchor count 0 from a damaged file", 3, anchors(true, "0", "", ""),
         PageId::PrnMmtSdrTate, supan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.workType, c.change);
        const PageRun run = RunPage(c.page, ChapterOf(c.workType));
        EXPECT_EQ(run.blocks, c.blocks);
        ASSERT_EQ(run.doc.pages.size(), 1u);
        if (c.blocks.empty()) {
            EXPECT_TRUE(run.doc.pages[0].ops.empty());
        }
        // Nothing on these pages has a verdict: every text prints black.
        for (const DrawOp& op : run.doc.pages[0].ops)
            if (const auto* t = std::get_if<TextOp>(&op)) {
                EXPECT_EQ(t->color, 0u) << t->text;
            }
    }
}

// The page's texts as the reader meets them: the chapter once, the sections
// in order, the ℓ pictures drawn.
TEST_F(MomentPages, PageTextsAndPictures) {
    struct Case {
        const char* what;
        std::int16_t workType;
        Change change;
        PageId page;
        std::vector<std::string> headings;  // the texts that carry a number
        int pictures;
    };
    const Case cases[] = {
        {"single anchor: the overhang block carries the chapter",
         4,
         [](DesignData& d) {
             d.AnchorCountX = " 1";
             d.AnchorOverhangLeft = "";
         },
         PageId::PrnMmtSdrYoko,
         {std::string("１ ") + kYoko, "１.１ 張出し部"},
         2},
        {"span and overhang blocks share one chapter",
         0,
         NoChange,
         PageId::PrnMmtSdr,
         {std::string("１ ") + kYoko, "１.１ 第一内部支点", "１.２ 張出し部"},
         4},
        {"unequal overhangs",
         3,
         [](DesignData& d) {
             d.AnchorCountY = " 2";
             d.AnchorOverhangLower = " 0.300";
         },
         PageId::PrnMmtSdrTate,
         {std::string("１ ") + kTate, "１.１ スパン中央部", "１.２ 張出し部"},
         13},
        {"arc failure part",
         1,
         NoChange,
         PageId::PrnEnkoMmaxSmax,
         {std::string("１ ") + kTate, "１.１ 崩壊部"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.workType, c.change);
        const PageRun run = RunPage(c.page, ChapterOf(c.workType));
        std::vector<std::string> headings;
        for (const std::string& t : Texts(run.doc))
            if (t.rfind("１", 0) == 0) headings.push_back(t);
        EXPECT_EQ(headings, c.headings);
        int pictures = 0;
        for (const DrawOp& op : run.doc.pages.at(0).ops)
            if (const auto* p = std::get_if<PictureOp>(&op)) {
                ++pictures;
                EXPECT_EQ(p->name, kScriptLPicture);
            }
        EXPECT_EQ(pictures, c.pictures);
    }
}

// In the whole report each page runs in its place of the chapter's order.
TEST_F(MomentPages, PagesOfTheFullReport) {
    struct Case {
        std::int16_t workType;
        std::vector<std::pair<PageId, std::string>> pages;  // page and its forms
    };
    const Case cases[] = {
        {0,
         {{PageId::PrnKusabiMmaxSmax, "InsKusabiMmaxSmax"},
          {PageId::PrnMmtSdr, "InsMmtSdrSupan InsMmtSdrNasi"}}},
        {1,
         {{PageId::PrnEnkoMmaxSmax, "InsEnkoMmaxSmax"},
          {PageId::PrnMmtSdr, "InsMmtSdrSupan InsMmtSdrNasi"}}},
        {2, {{PageId::PrnMmtSdr, "InsMmtSdrSupan InsMmtSdrNasi"}}},
        {3,
         {{PageId::PrnMmtSdrTate, "InsMmtSdrSupan InsMmtSdrNasi"},
          {PageId::PrnMmtSdrYoko, "InsMmtSdrSupan InsMmtSdrNasi"}}},
        {4,
         {{PageId::PrnMmtSdrTate, "InsMmtSdrSupan InsMmtSdrNasi"},
          {PageId::PrnMmtSdrYoko, "InsMmtSdrSupan InsMmtSdrNasi"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workType);
        Calculated(c.workType);
        Design.KekkaPrintRow = {1, 1};
        PrintCaseTate = 0;
        PrintCaseYoko = 6;
        const ChapterKind kind = ChapterOf(c.workType);
        const std::vector<PageId> order = PageOrder(kind, CurrentConditions(1));
        ChapterReport report(kind);
        RecordingOutput out;
        report.DrawReport(out, 1);
        for (const auto& [page, forms] : c.pages) {
            SCOPED_TRACE(PageName(page));
            int number = 0;
            for (std::size_t i = 0; i < order.size(); ++i)
                if (order[i] == page) number = static_cast<int>(i) + 1;
            ASSERT_NE(number, 0);
            std::string placed;
            for (const PlacedBlock& b : report.Blocks())
                if (b.page == number) placed += (placed.empty() ? "" : " ") + b.form;
            EXPECT_EQ(placed, forms);
        }
    }
}

TEST(MomentPageProcs, OtherPagesAreNotOfThisGroup) {
    for (PageId id : {PageId::PrnHoukaiHyou, PageId::PrnYokoJyuuryo, PageId::PrnMmtSdrHyou,
                      PageId::PrnSekkeiJyuuryo})
        EXPECT_FALSE(MomentPageProc(id)) << PageName(id);
}

}  // namespace
}  // namespace talvo::report
