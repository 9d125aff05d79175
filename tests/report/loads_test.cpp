// The load pages: the weights and loads of the vertical frame, the
// horizontal frame's weights with the snow blocks and its load, the design
// weights of the anchored reports, and the page procedures that place them.

#include "report/pages/loads.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "report/chapters/pageprocs.h"
#include "report/chapters/sequencer.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/engine/renderer.h"
#include "report/pages/designloads.h"
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
using Fill = void (*)(LayoutForm&);

// ---- the forms

TEST(LoadForms, ExtentsAndItemCountsOfTheCatalogue) {
    struct Row {
        const char* form;
        int right, bottom;
        int lines, labels, pictures;
    };
    const Row rows[] = {
        {"InsKusabiJyuuryo", 7755, 11175, 2, 171, 3},
        {"InsKusabiJyuuryoY", 7395, 11175, 2, 179, 3},
        {"InsKusabiKajyuu", 7875, 4605, 0, 46, 0},
        {"InsEnkoJyuuryo", 8130, 10275, 10, 189, 2},
        {"InsEnkoKajyuu", 7695, 4815, 2, 48, 0},
        {"InsYokoJyuuryo", 6990, 4695, 0, 95, 4},
        {"InsYokoSouJyuuryo", 5715, 1095, 0, 13, 0},
        {"InsYokoYukiNasi", 5715, 2055, 0, 17, 0},
        {"InsYokoYukiKouryo", 5715, 3315, 0, 53, 2},
        {"InsYokoKajyuu", 5835, 3015, 2, 29, 1},
        {"InsSekkeiJyuuryo", 6225, 7695, 0, 135, 2},
        {"InsSekkeiJyuuryoY", 6525, 7695, 0, 144, 2},
        {"InsSekkeiYukiKouryo", 5715, 3315, 0, 54, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.form);
        const auto form = LoadForm(row.form);
        EXPECT_EQ(form->ItemExtent().right, row.right);
        EXPECT_EQ(form->ItemExtent().bottom, row.bottom);
        int lines = 0, labels = 0, pictures = 0;
        std::set<std::string> names;
        for (const FormItem& item : form->items) {
            std::visit(
                [&](const auto& it) {
                    EXPECT_TRUE(names.insert(it.name).second) << "twice: " << it.name;
                    using T = std::decay_t<decltype(it)>;
                    if constexpr (std::is_same_v<T, FormLine>) {
                        ++lines;
                        EXPECT_EQ(it.y1, it.y2) << "a fraction bar lies flat: " << it.name;
                    } else if constexpr (std::is_same_v<T, FormLabel>) {
                        ++labels;
                        EXPECT_TRUE(it.fontSize == 8.25 || it.fontSize == 6) << it.name;
                    } else {
                        ++pictures;
                        EXPECT_EQ(it.picture, kScriptLPicture);
                    }
                },
                item);
        }
        EXPECT_EQ(lines, row.lines);
        EXPECT_EQ(labels, row.labels);
        EXPECT_EQ(pictures, row.pictures);
        for (int i = 0; i < row.pictures; ++i)
            EXPECT_NE(form->Picture("Pic_l(" + std::to_string(i) + ")"), nullptr) << i;
    }
}

// ---- worked values
//
// A design whose dimensions all differ, so that a label showing the wrong
// field shows: horizontal beam 250 × 300, vertical beam 200 × 400 (the
// vertical one is the higher section), ℓx = 2.000, ℓy = 1.500, Ly = 7.000,
// frame 24.5, infill 120 mm of 19.0, snow 1.00 m of 3.0 at 50 percent, on a
// 1:1.00 slope (θ0 = 45°), and the calculations run.
void WorkedDesign(std::int16_t workType) {
    test::FillDesign(workType);
    DesignData& d = Design;
    d.SectionBx = " 250";
    d.SectionHx = " 300";
    d.SectionBy = " 200";
    d.SectionHy = " 400";
    d.SpanY = " 1.500";
    d.TotalLengthY = " 7.000";
    d.InfillThick = " 120";
    d.InfillGamma = "19.0";
    d.FrameGamma = "24.5";
    d.UseSnow = 1;
    SnowRule.DepthPercent = {"50", "50", "50"};
    SetAllRecalc(true);
    RunResultsActivation();
    ResetHeadingNumbers();
}

TEST(LoadFillers, WorkedValuesOfTheVerticalFrame) {
    struct Case {
        std::int16_t workType;
        const char* form;
        Fill fill;
        Captions captions;
    };
    const std::vector<Case> cases = {
        // Wedge, N = 4 horizontal frames in the failure part:
        // Wcy = L1·by·hy·γc = 5.000 × 0.200 × 0.400 × 24.5 = 9.80
        // Wcx = (ℓx − by)·bx·hx·N·γc = 1.800 × 0.250 × 0.300 × 4 × 24.5 = 13.23
        // Wc = 9.80 + 13.23 = 23.03
        // We = (L1 − bx·N)·(ℓx − by)·he·γe = 4.000 × 1.800 × 0.120 × 19.0 = 16.42
        // Wt = L2·H/2·ℓx·γt = 2.000 × 3.536 / 2 × 2.000 × 18.0 = 127.30
        // W = 23.03 + 16.42 + 127.30 = 166.75
        {0,
         "InsKusabiJyuuryo",
         SetInsKusabiJyuuryo,
         {{"Label1", "１ 作用荷重の算出（縦枠）"},
          {"Label2", "１.１ 枠にかかる重量"},
          {"Label15", "0.200"},
          {"Label16", "0.400"},
          {"Label17", " 5.000"},
          {"Label18", "24.5"},
          {"Label19", "   9.80"},
          {"Label23", "0.250"},
          {"Label24", "0.300"},
          {"Label25", " 2.000"},
          {"Label26", "0.200"},
          {"Label27", " 4"},
          {"Label33", "24.5"},
          {"Label28", "  13.23"},
          {"Label29", "   9.80"},
          {"Label30", "  13.23"},
          {"Label31", "  23.03"},
          {"Label39", " 5.000"},
          {"Label40", "0.250"},
          {"Label41", " 4"},
          {"Label47", " 2.000"},
          {"Label48", "0.200"},
          {"Label52", "0.120"},
          {"Label53", "19.0"},
          {"Label44", "  16.42"},
          {"Label58", " 2.000"},
          {"Label63", " 3.536"},
          {"Label57", " 2.000"},
          {"Label56", "18.0"},
          {"Label55", " 127.30"},
          {"Label64", "  23.03"},
          {"Label65", "  16.42"},
          {"Label66", " 127.30"},
          {"Label37", " 166.75"}}},
        // The layout for a higher horizontal frame names bx and N on the
        // vertical frame's line: {L1 − (bx·N)}·by·hy·γc.
        {0,
         "InsKusabiJyuuryoY",
         SetInsKusabiJyuuryoY,
         {{"Label17", " 5.000"},
          {"Label26", "0.250"},
          {"Label14", " 4"},
          {"Label15", "0.200"},
          {"Label16", "0.400"},
          {"Label23", "0.250"},
          {"Label24", "0.300"},
          {"Label25", " 2.000"},
          {"Label27", " 4"},
          {"Label19", "   9.80"},
          {"Label28", "  13.23"},
          {"Label37", " 166.75"}}},
        // P = ΔFs·W·sin α = 0.20 × 166.75 × sin 32.57° = 17.95
        // Pr = P·sin(θ0 − α) = 17.95 × sin 12.43° = 3.86, one place wider
        // than its placeholder.
        {0,
         "InsKusabiKajyuu",
         SetInsKusabiKajyuu,
         {{"Label55", "０.１ 作用重量"},
          {"Label27", " 166.75"},
          {"Label37", "0.20"},
          {"Label39", "32.57"},
          {"Label41", "  17.95"},
          {"Label49", "  17.95"},
          {"Label51", "45.00"},
          {"Label52", "32.57"},
          {"Label53", "   3.86"}}},
        // Arc: We = (6.000 − 0.250 × 4) × 1.800 × 0.120 × 19.0 = 20.52;
        // R = (1.500² + 6.000²/4) / (2 × 1.500) = 3.750,
        // α = 2·sin⁻¹(6.000 / 7.500) = 106.26°; Wt as stored 226.44;
        // W = 20.52 + 226.44 = 246.96.
        {1,
         "InsEnkoJyuuryo",
         SetInsEnkoJyuuryo,
         {{"Label1", "１ 作用荷重の算出（縦枠）"},
          {"Label2", "１.１ 枠にかかる重量"},
          {"Label39", " 6.000"},
          {"Label40", "0.250"},
          {"Label41", " 4"},
          {"Label47", " 2.000"},
          {"Label48", "0.200"},
          {"Label52", "0.120"},
          {"Label53", "19.0"},
          {"Label44", "  20.52"},
          {"Label27", " 1.500"},
          {"Label28", " 6.000"},
          {"Label29", " 1.500"},
          {"Label30", "  3.750"},
          {"Label33", " 6.000"},
          {"Label32", "  3.750"},
          {"Label49", "106.26"},
          {"Label56", "106.26"},
          {"Label57", "  3.750"},
          {"Label58", " 6.000"},
          {"Label59", "  3.750"},
          {"Label60", " 1.500"},
          {"Label61", " 2.000"},
          {"Label62", "18.0"},
          {"Label63", " 226.44"},
          {"Label64", "  20.52"},
          {"Label65", " 226.44"},
          {"Label66", " 246.96"}}},
        // P = 0.20 × 246.96 × sin 45° = 34.93;
        // Pr = P·cos((180 − α)/2) = 34.93 × cos 36.87° = 27.94.
        {1,
         "InsEnkoKajyuu",
         SetInsEnkoKajyuu,
         {{"Label55", "０.１ 作用重量"},
          {"Label5", " 246.96"},
          {"Label8", "0.20"},
          {"Label13", "45.00"},
          {"Label14", "  34.93"},
          {"Label15", "  34.93"},
          {"Label17", "106.26"},
          {"Label20", " 27.94"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        WorkedDesign(c.workType);
        ExpectCaptions(*Filled(c.form, c.fill), c.captions);
    }
}

TEST(LoadFillers, WorkedValuesOfTheHorizontalFrameAndTheDesignWeights) {
    struct Case {
        std::int16_t workType;
        const char* form;
        Fill fill;
        Captions captions;
    };
    const std::vector<Case> cases = {
        // The vertical beam is higher (case B): it runs through the crossing.
        // Wc = {ℓy·by·hy + (ℓx − by)·bx·hx}·γc
        //    = {1.500 × 0.200 × 0.400 + 1.800 × 0.250 × 0.300} × 24.5 = 6.25
        // We = (ℓx − by)·(ℓy − bx)·he·γe = 1.800 × 1.250 × 0.120 × 19.0 = 5.13
        {2,
         "InsYokoJyuuryo",
         SetInsYokoJyuuryo,
         {{"Label1", "１ 作用荷重の算出（横枠）"},
          {"Label2", "１.１ 枠にかかる重量"},
          {"Lab1(0)", "y"},
          {"Lab1(1)", "y"},
          {"Lab1(2)", "y"},
          {"Lab1(3)", "y"},
          {"Lab2(0)", "x"},
          {"Lab2(1)", "x"},
          {"Lab2(2)", "x"},
          {"Label12", " 1.500"},
          {"Label13", "0.200"},
          {"Label14", "0.400"},
          {"Label15", " 2.000"},
          {"Label16", "0.200"},
          {"Label17", "0.250"},
          {"Label51", "0.300"},
          {"Label52", "24.5"},
          {"Label18", "   6.25"},
          {"Label20", " 2.000"},
          {"Label21", "0.200"},
          {"Lab2(3)", "y"},
          {"Label22", " 1.500"},
          {"Label23", "0.250"},
          {"Label24", "0.120"},
          {"Label25", "19.0"},
          {"Label26", "   5.13"}}},
        // Ws = ℓx·ℓy·(hs·0.50)·γs = 2.000 × 1.500 × (1.00 × 0.50) × 3.0 = 4.50
        // W = 6.25 + 5.13 + 4.50 = 15.88
        {2,
         "InsYokoYukiKouryo",
         SetInsYokoYukiKouryo,
         {{"Label39", "1.00"},
          {"Label41", " 50"},
          {"Label43", "0.50"},
          {"Label46", "0.50"},
          {"Label27", " 2.000"},
          {"Label54(3)", "y"},
          {"Label28", " 1.500"},
          {"Label29", "1.00"},
          {"Label30", " 3.0"},
          {"Label31", "   4.50"},
          {"Label34", "   6.25"},
          {"Label35", "   5.13"},
          {"Label36", "   4.50"},
          {"Label37", "  15.88"}}},
        {2,
         "InsYokoSouJyuuryo",
         SetInsYokoSouJyuuryoHoukai,
         {{"Label34", "   6.25"}, {"Label35", "   5.13"}, {"Label37", "  15.88"}}},
        {2,
         "InsYokoYukiNasi",
         SetInsYokoYukiNasiHoukai,
         {{"Label39", "1.00"}, {"Label34", "   6.25"}, {"Label35", "   5.13"}}},
        // Q = W·sin θ0 = 15.88 × sin 45° = 11.23; w = Q / ℓx = 11.23 / 2.000
        // = 5.62; ℓx one place wider than its placeholder.
        {2,
         "InsYokoKajyuu",
         SetInsYokoKajyuu,
         {{"Label1", "０.１ 作用荷重"},
          {"Label8", "  15.88"},
          {"Label10", "45.00"},
          {"Label12", "  11.23"},
          {"Label17", "  11.23"},
          {"Label18", "  2.000"},
          {"Label19", "  5.62"}}},
        // Anchored, Nx = 5 horizontal frames over Ly = 7.000:
        // Wcy = Ly·by·hy·γc = 7.000 × 0.200 × 0.400 × 24.5 = 13.72
        // Wcx = (ℓx − by)·bx·hx·Nx·γc = 1.800 × 0.250 × 0.300 × 5 × 24.5 = 16.54
        // We = (Ly − bx·Nx)·(ℓx − by)·he·γe = 5.750 × 1.800 × 0.120 × 19.0 = 23.60
        {3,
         "InsSekkeiJyuuryo",
         SetInsSekkeiJyuuryo,
         {{"Label74", "１ 設計荷重の算出"},
          {"Label1", "１.１ 枠にかかる重量"},
          {"Label12", "0.200"},
          {"Label13", "0.400"},
          {"Label14", " 7.000"},
          {"Label16", "24.5"},
          {"Label18", "  13.72"},
          {"Label32", "0.250"},
          {"Label33", "0.300"},
          {"Label36", " 2.000"},
          {"Label37", "0.200"},
          {"Label39", " 5"},
          {"Label40", "24.5"},
          {"Label41", "  16.54"},
          {"Label46", "  13.72"},
          {"Label47", "  16.54"},
          {"Label48", "  30.26"},
          {"Label65", " 7.000"},
          {"Label64", "0.250"},
          {"Label62", " 5"},
          {"Label59", " 2.000"},
          {"Label58", "0.200"},
          {"Label44", "0.120"},
          {"Label56", "19.0"},
          {"Label55", "  23.60"}}},
        {4,
         "InsSekkeiJyuuryoY",
         SetInsSekkeiJyuuryoY,
         {{"Label8", "0.250"},
          {"Label27", " 5"},
          {"Label12", "0.200"},
          {"Label14", " 7.000"},
          {"Label32", "0.250"},
          {"Label39", " 5"},
          {"Label48", "  30.26"},
          {"Label55", "  23.60"}}},
        // Ws = Ly·ℓx·(hs·0.50)·γs = 7.000 × 2.000 × (1.00 × 0.50) × 3.0 = 21.00
        // W = 30.26 + 23.60 + 21.00 = 74.86, the weights three places wide
        // and γs one.
        {3,
         "InsSekkeiYukiKouryo",
         SetInsSekkeiYukiKouryo,
         {{"Label39", "1.00"},
          {"Label41", " 50"},
          {"Label43", "0.50"},
          {"Label46", "0.50"},
          {"Label27", " 7.000"},
          {"Label28", " 2.000"},
          {"Label29", "1.00"},
          {"Label30", "3.0"},
          {"Label31", " 21.00"},
          {"Label34", " 30.26"},
          {"Label35", " 23.60"},
          {"Label36", " 21.00"},
          {"Label37", " 74.86"}}},
        {4,
         "InsYokoSouJyuuryo",
         SetInsYokoSouJyuuryo,
         {{"Label34", " 30.26"}, {"Label35", " 23.60"}, {"Label37", " 74.86"}}},
        {4,
         "InsYokoYukiNasi",
         SetInsYokoYukiNasi,
         {{"Label39", "1.00"},
          {"Label34", " 30.26"},
          {"Label35", " 23.60"},
          {"Label37", " 74.86"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        WorkedDesign(c.workType);
        ExpectCaptions(*Filled(c.form, c.fill), c.captions);
    }
}

// ---- derived texts and widths on stored texts

TEST(LoadFillers, DerivedTextsAndWidths) {
    struct Case {
        const char* what;
        std::int16_t workType;
        std::function<void(DesignData&)> change;
        const char* form;
        Fill fill;
        Captions captions;
    };
    const std::vector<Case> cases = {
        {"infill not considered, wedge",
         0,
         [](DesignData& d) { d.UseInfill = 0; },
         "InsKusabiJyuuryo",
         SetInsKusabiJyuuryo,
         {{"Label52", "0.000"}, {"Label53", " 0.00"}}},
        {"infill not considered, arc",
         1,
         [](DesignData& d) { d.UseInfill = 0; },
         "InsEnkoJyuuryo",
         SetInsEnkoJyuuryo,
         {{"Label52", "0.000"}, {"Label53", " 0.0"}}},
        {"infill not considered, horizontal frame",
         2,
         [](DesignData& d) { d.UseInfill = 0; },
         "InsYokoJyuuryo",
         SetInsYokoJyuuryo,
         {{"Label24", "0.000"}, {"Label25", " 0.00"}}},
        {"infill not considered, design weights",
         3,
         [](DesignData& d) { d.UseInfill = 0; },
         "InsSekkeiJyuuryo",
         SetInsSekkeiJyuuryo,
         {{"Label44", "0.000"}, {"Label56", " 0.0"}}},
        {"empty infill thickness stays a blank",
         3,
         [](DesignData& d) { d.InfillThick.clear(); },
         "InsSekkeiJyuuryoY",
         SetInsSekkeiJyuuryoY,
         {{"Label44", " "}}},
        {"empty dimension and weights print blanks of their widths",
         0,
         [](DesignData& d) {
             d.SectionBy.clear();
             d.HoukaiW.clear();
         },
         "InsKusabiJyuuryo",
         SetInsKusabiJyuuryo,
         {{"Label15", " "}, {"Label26", " "}, {"Label48", " "}, {"Label37", "    "}}},
        {"a weight wider than its place prints whole",
         0,
         [](DesignData& d) { d.HoukaiW = "12345.67"; },
         "InsKusabiKajyuu",
         SetInsKusabiKajyuu,
         {{"Label27", "12345.67"}}},
        {"a one-digit central angle over 360",
         1,
         [](DesignData& d) { d.EnkoAngle = "9.50"; },
         "InsEnkoJyuuryo",
         SetInsEnkoJyuuryo,
         {{"Label56", " 9.50"}, {"Label49", "  9.50"}}},
        {"a two-digit central angle over 360",
         1,
         [](DesignData& d) { d.EnkoAngle = "49.00"; },
         "InsEnkoJyuuryo",
         SetInsEnkoJyuuryo,
         {{"Label56", " 49.00"}, {"Label49", " 49.00"}}},
        {"a three-digit central angle over 360",
         1,
         [](DesignData& d) { d.EnkoAngle = "120.00"; },
         "InsEnkoKajyuu",
         SetInsEnkoKajyuu,
         {{"Label17", "120.00"}}},
        {"millimetres as metres, not as written",
         2,
         [](DesignData& d) {
             d.SectionBx = "  75";
             d.SectionHx = "1250";
         },
         "InsYokoJyuuryo",
         SetInsYokoJyuuryo,
         {{"Label13", "0.075"}, {"Label14", "1.250"}}},
        {"the full percentage, no leading space",
         2,
         [](DesignData& d) {
             d.SnowClass = 2;
             SnowRule.DepthPercent = {"0", "50", "100"};
         },
         "InsYokoYukiKouryo",
         SetInsYokoYukiKouryo,
         {{"Label41", "100"}, {"Label43", "1.00"}, {"Label46", "1.00"}}},
        {"the share of a fractional percentage",
         3,
         [](DesignData& d) {
             d.SnowClass = 1;
             SnowRule.DepthPercent = {"0", "37.5", "100"};
         },
         "InsSekkeiYukiKouryo",
         SetInsSekkeiYukiKouryo,
         {{"Label41", " 37.5"}, {"Label43", "0.38"}}},
        {"a snow class outside the table takes no share",
         2,
         [](DesignData& d) { d.SnowClass = 3; },
         "InsYokoYukiKouryo",
         SetInsYokoYukiKouryo,
         {{"Label41", "   "}, {"Label43", "0.00"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FillDesign(c.workType);
        c.change(Design);
        ExpectCaptions(*Filled(c.form, c.fill), c.captions);
    }
}

// The member with the taller section runs through the crossing; the vertical
// length is the span y, or the upper overhang c without a vertical span.
TEST(LoadFillers, FrameCasesOfTheHorizontalFrameWeights) {
    struct Case {
        const char* hx;
        const char* hy;
        const char* spanCountY;
        Captions captions;
    };
    const std::vector<Case> cases = {
        {" 400",
         " 400",
         " 4",
         {{"Lab1(0)", "y"},
          {"Lab1(3)", "y"},
          {"Lab2(0)", "x"},
          {"Lab2(2)", "x"},
          {"Label12", " 1.500"},
          {"Label13", "0.200"},
          {"Label14", "0.400"},
          {"Label15", " 2.000"},
          {"Label17", "0.250"},
          {"Label51", "0.400"},
          {"Lab2(3)", "y"},
          {"Label22", " 1.500"}}},
        {" 401",
         " 400",
         " 4",
         {{"Lab1(0)", "x"},
          {"Lab1(1)", "x"},
          {"Lab1(2)", "x"},
          {"Lab1(3)", "x"},
          {"Lab2(0)", "y"},
          {"Lab2(1)", "y"},
          {"Lab2(2)", "y"},
          {"Label12", " 2.000"},
          {"Label13", "0.250"},
          {"Label14", "0.401"},
          {"Label15", " 1.500"},
          {"Label16", "0.250"},
          {"Label17", "0.200"},
          {"Label51", "0.400"}}},
        {" 401",
         " 400",
         "",
         {{"Lab2(0)", "c"}, {"Label15", " 0.700"}, {"Lab2(3)", "c"}, {"Label22", " 0.700"}}},
        {" 300", " 400", "0", {{"Lab1(0)", "c"}, {"Label12", " 0.700"}, {"Lab2(0)", "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hx) + " / " + c.hy + " / " + c.spanCountY);
        test::FillDesign(2);
        Design.SectionBx = " 250";
        Design.SectionHx = c.hx;
        Design.SectionHy = c.hy;
        Design.SpanY = " 1.500";
        Design.OverhangUpper = " 0.700";
        Design.SpanCountY = c.spanCountY;
        ExpectCaptions(*Filled("InsYokoJyuuryo", SetInsYokoJyuuryo), c.captions);
        if (NumVal(c.spanCountY) == 0) {
            Design.UseSnow = 1;
            SnowRule.DepthPercent = {"50", "50", "50"};
            ExpectCaptions(*Filled("InsYokoYukiKouryo", SetInsYokoYukiKouryo),
                           {{"Label54(3)", "c"}, {"Label28", " 0.700"}});
        }
    }
}

// ---- the page procedures

// Runs the chapter's full report with only the load pages doing anything and
// lists their blocks: "page form" for a block at the page origin, "page
// form@y" for a lower one (the paper is the design page, so y is the
// design top), and the heading captions drawn.
struct LoadRun {
    std::string blocks;
    std::vector<std::string> headings;
};

LoadRun RunLoadPages(ChapterKind kind) {
    ChapterReport report(kind);
    for (int i = 0; i < kPageIdCount; ++i) {
        const auto id = static_cast<PageId>(i);
        if (!LoadPageProc(id)) report.SetPageProc(id, [](PageContext&) {});
    }
    RecordingOutput out(kDesignPageWidth, kDesignPageHeight, 0, 0);
    report.DrawReport(out, 1);
    LoadRun run;
    for (const PlacedBlock& b : report.Blocks()) {
        if (!run.blocks.empty()) run.blocks += "; ";
        run.blocks += std::to_string(b.page) + " " + b.form;
        if (b.top != report.Print().Top()) run.blocks += "@" + std::to_string(b.top);
    }
    for (const RecordedPage& page : out.Document().pages)
        for (const DrawOp& op : page.ops)
            if (const auto* text = std::get_if<TextOp>(&op))
                if (text->text.find("作用") != std::string::npos ||
                    text->text.find("重量") != std::string::npos ||
                    text->text.find("荷重の算出") != std::string::npos)
                    if (text->text.rfind("１", 0) == 0 || text->text.rfind("２", 0) == 0)
                        run.headings.push_back(text->text);
    return run;
}

TEST(LoadPages, OnlyTheLoadPagesHaveProcedures) {
    const std::set<PageId> mine = {PageId::PrnKusabiJyuuryo, PageId::PrnEnkoJyuuryo,
                                   PageId::PrnKusabiKajyuu,  PageId::PrnEnkoKajyuu,
                                   PageId::PrnYokoJyuuryo,   PageId::PrnSekkeiJyuuryo};
    for (int i = 0; i < kPageIdCount; ++i) {
        const auto id = static_cast<PageId>(i);
        EXPECT_EQ(static_cast<bool>(LoadPageProc(id)), mine.count(id) == 1) << PageName(id);
    }
}

TEST(LoadPages, FormsAndBlockTopsByChapterSectionsAndSnow) {
    enum Snow { Off, NoShare, Share };
    struct Case {
        ChapterKind kind;
        const char* hx;
        Snow snow;
        std::string blocks;
    };
    const std::string wedge = "3 InsKusabiJyuuryo; 4 InsKusabiKajyuu; ";
    const std::string wedgeY = "3 InsKusabiJyuuryoY; 4 InsKusabiKajyuu; ";
    const std::string arc = "3 InsEnkoJyuuryo; 4 InsEnkoKajyuu; ";
    const Case cases[] = {
        // the failure-load reports: snow block at 5600, load block below it
        {ChapterKind::Wedge, " 500", Off,
         wedge + "6 InsYokoJyuuryo; 6 InsYokoSouJyuuryo@5600; 6 InsYokoKajyuu@7000"},
        {ChapterKind::Wedge, " 600", NoShare,
         wedgeY + "6 InsYokoJyuuryo; 6 InsYokoYukiNasi@5600; 6 InsYokoKajyuu@8000"},
        {ChapterKind::Wedge, " 501", Share,
         wedgeY + "6 InsYokoJyuuryo; 6 InsYokoYukiKouryo@5600; 6 InsYokoKajyuu@9200"},
        {ChapterKind::Arc, " 600", Off,
         arc + "6 InsYokoJyuuryo; 6 InsYokoSouJyuuryo@5600; 6 InsYokoKajyuu@6860"},
        {ChapterKind::Arc, " 500", NoShare,
         arc + "6 InsYokoJyuuryo; 6 InsYokoYukiNasi@5600; 6 InsYokoKajyuu@7800"},
        {ChapterKind::Arc, " 500", Share,
         arc + "6 InsYokoJyuuryo; 6 InsYokoYukiKouryo@5600; 6 InsYokoKajyuu@9060"},
        {ChapterKind::FrameSide, " 500", Off,
         "3 InsYokoJyuuryo; 3 InsYokoSouJyuuryo@5600; 3 InsYokoKajyuu@7000"},
        {ChapterKind::FrameSide, " 500", NoShare,
         "3 InsYokoJyuuryo; 3 InsYokoYukiNasi@5600; 3 InsYokoKajyuu@8000"},
        {ChapterKind::FrameSide, " 500", Share,
         "3 InsYokoJyuuryo; 3 InsYokoYukiKouryo@5600; 3 InsYokoKajyuu@9260"},
        // the anchored reports: one page, the snow block at 8800 or 8700
        {ChapterKind::Anchor, " 500", Off, "3 InsSekkeiJyuuryo; 3 InsYokoSouJyuuryo@8800"},
        {ChapterKind::Anchor, " 600", NoShare, "3 InsSekkeiJyuuryoY; 3 InsYokoYukiNasi@8800"},
        {ChapterKind::Anchor, " 500", Share, "3 InsSekkeiJyuuryo; 3 InsSekkeiYukiKouryo@8800"},
        {ChapterKind::Rockbolt, " 500", Off, "3 InsSekkeiJyuuryo; 3 InsYokoSouJyuuryo@8700"},
        {ChapterKind::Rockbolt, " 500", NoShare, "3 InsSekkeiJyuuryo; 3 InsYokoYukiNasi@8700"},
        {ChapterKind::Rockbolt, " 600", Share, "3 InsSekkeiJyuuryoY; 3 InsSekkeiYukiKouryo@8700"},
    };
    const std::int16_t workType[] = {0, 1, 2, 3, 4};  // by ChapterKind
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ChapterName(c.kind)) + " hx" + c.hx + " snow " +
                     std::to_string(c.snow));
        test::FillDesign(workType[static_cast<int>(c.kind)]);
        Design.SectionHx = c.hx;
        Design.SectionHy = " 500";
        Design.UseSnow = c.snow == Off ? 0 : 1;
        // Every class takes the same percentage, so the gradient's class
        // does not matter; a percentage that reads as 0 takes no share.
        const char* percent = c.snow == Share ? "50" : "0.0";
        SnowRule.DepthPercent = {percent, percent, percent};
        EXPECT_EQ(RunLoadPages(c.kind).blocks, c.blocks);
    }
}

TEST(LoadPages, SnowClassOutsideTheTableTakesNoShare) {
    test::FillDesign(0);
    Design.UseSnow = 1;
    Design.SnowClass = 3;
    SnowRule.DepthPercent = {"50", "50", "50"};
    EXPECT_EQ(RunLoadPages(ChapterKind::Wedge).blocks,
              "3 InsKusabiJyuuryo; 4 InsKusabiKajyuu; 6 InsYokoJyuuryo; "
              "6 InsYokoYukiNasi@5600; 6 InsYokoKajyuu@8000");
    Design.SnowClass = -1;
    EXPECT_EQ(RunLoadPages(ChapterKind::Anchor).blocks,
              "3 InsSekkeiJyuuryo; 3 InsYokoYukiNasi@8800");
}

// The weight page opens the chapter and the load page adds its second
// section; the horizontal frame opens the next chapter.
TEST(LoadPages, HeadingsAcrossThePages) {
    test::FillDesign(0);
    EXPECT_EQ(RunLoadPages(ChapterKind::Wedge).headings,
              (std::vector<std::string>{"１ 作用荷重の算出（縦枠）", "１.１ 枠にかかる重量",
                                        "１.２ 作用重量", "２ 作用荷重の算出（横枠）",
                                        "２.１ 枠にかかる重量", "２.２ 作用荷重"}));
    test::FillDesign(1);
    EXPECT_EQ(RunLoadPages(ChapterKind::Arc).headings,
              (std::vector<std::string>{"１ 作用荷重の算出（縦枠）", "１.１ 枠にかかる重量",
                                        "１.２ 作用重量", "２ 作用荷重の算出（横枠）",
                                        "２.１ 枠にかかる重量", "２.２ 作用荷重"}));
    test::FillDesign(3);
    EXPECT_EQ(RunLoadPages(ChapterKind::Rockbolt).headings,
              (std::vector<std::string>{"１ 設計荷重の算出", "１.１ 枠にかかる重量"}));
}

}  // namespace
}  // namespace talvo::report
