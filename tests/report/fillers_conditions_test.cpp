#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "report/engine/layoutform.h"
#include "report/pages/conditions.h"
#include "report/pages/results.h"
#include "results/rebuild.h"
#include "shell/globals.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using Captions = std::vector<std::pair<const char*, const char*>>;
// Label name and expected colour; kWindowTextColor: not set by the filler.
using Colors = std::vector<std::pair<const char*, std::uint32_t>>;
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kUnset = kWindowTextColor;

void ExpectCaptions(LayoutForm& form, const Captions& expected) {
    for (const auto& [name, caption] : expected) {
        const FormLabel* label = form.Label(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->caption, caption) << name;
    }
}

void ExpectColors(LayoutForm& form, const Colors& expected) {
    for (const auto& [name, color] : expected) {
        const FormLabel* label = form.Label(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->foreColor, color) << name;
    }
}

std::unique_ptr<LayoutForm> Filled(const char* formName, void (*filler)(LayoutForm&)) {
    auto form = LoadForm(formName);
    filler(*form);
    return form;
}

// ---- design-condition tables

const Captions kFrameRows = {
    {"Lab0(0)", "試験地区"}, {"Lab0(1)", "No.1"},    {"Lab0(2)", ""},        {"Lab1", "     4"},
    {"Lab2", "     2.000"},  {"Lab3", "     0.500"}, {"Lab4", "     0.500"}, {"Lab5", "     9.000"},
    {"Lab6", "     3"},      {"Lab7", "     2.000"}, {"Lab8", "     0.500"}, {"Lab9", "     0.300"},
    {"Lab10", "     6.800"}, {"Lab11", "   200"},    {"Lab12", "   200"},    {"Lab13", "   150"},
    {"Lab14", "   200"},     {"Lab15", "   200"},    {"Lab16", "   150"},    {"Lab17", "    24.0"},
    {"Lab18", "    18.0"},   {"Lab19", "     ―"},    {"Lab21", "    18"},    {"Lab22", "     6.0"},
    {"Lab23", "     0.33"},  {"Lab24", "     0.80"}, {"Lab25", "   160"},    {"Lab28", ""},
};

TEST(SetInsHoukaiHyou, FilledDesignOfEachFailureWorkType) {
    struct Case {
        std::int16_t workType;
        Captions soil;
    };
    const std::vector<Case> cases = {
        {0,
         {{"Lab20", "    18.0"},
          {"Lab29", "（砂質土）"},
          {"Lab26", "（コンクリート）"},
          {"Lab27", "（土砂）"}}},
        {1, {{"Lab20", "    18.0"}, {"Lab29", "（砂質土）"}}},
        {2, {{"Lab20", "     ―"}, {"Lab29", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workType);
        test::FillDesign(c.workType);
        Design.SoilName = "砂質土";  // work type 2 drops it even when stored
        auto form = LoadForm("InsHoukaiHyou");
        for (int i = 0; i < 6; ++i)
            form->Picture("Pic_l(" + std::to_string(i) + ")")->picture.clear();
        SetInsHoukaiHyou(*form);
        ExpectCaptions(*form, kFrameRows);
        ExpectCaptions(*form, c.soil);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(form->Picture("Pic_l(" + std::to_string(i) + ")")->picture, "L-prn.bmp") << i;
    }
}

TEST(SetInsHoukaiHyou, DashesAndNames) {
    struct Case {
        const char* what;
        std::function<void(DesignData&)> change;
        Captions expected;
    };
    const std::vector<Case> cases = {
        {"empty upper overhang", [](DesignData& d) { d.OverhangUpper = ""; }, {{"Lab3", "     ―"}}},
        {"zero overhang",
         [](DesignData& d) { d.OverhangRight = "0.000"; },
         {{"Lab9", "     0.000"}}},
        {"no vertical spans",
         [](DesignData& d) { d.SpanCountY = "0"; },
         {{"Lab1", "     0"}, {"Lab2", "     ―"}}},
        {"empty vertical count",
         [](DesignData& d) { d.SpanCountY = ""; },
         {{"Lab1", "      "}, {"Lab2", "     ―"}}},
        {"no horizontal spans",
         [](DesignData& d) { d.SpanCountX = "0"; },
         {{"Lab6", "     0"}, {"Lab7", "     2.000"}}},
        {"infill off",
         [](DesignData& d) { d.UseInfill = 0; },
         {{"Lab18", "     ―"}, {"Lab27", ""}}},
        {"infill without name",
         [](DesignData& d) { d.InfillName = ""; },
         {{"Lab18", "    18.0"}, {"Lab27", ""}}},
        {"snow on",
         [](DesignData& d) {
             d.UseSnow = 1;
             d.SnowRemarks = "多雪地域";
         },
         {{"Lab19", "     3.0"}, {"Lab28", "（多雪地域）"}}},
        {"snow off keeps remark out",
         [](DesignData& d) { d.SnowRemarks = "多雪地域"; },
         {{"Lab28", ""}}},
        {"no material name", [](DesignData& d) { d.FrameMaterial = ""; }, {{"Lab26", ""}}},
        {"remarks", [](DesignData& d) { d.Remarks = " 備考 "; }, {{"Lab0(2)", " 備考 "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FillDesign(0);
        c.change(Design);
        ExpectCaptions(*Filled("InsHoukaiHyou", SetInsHoukaiHyou), c.expected);
    }
}

TEST(SetInsHeiyouHyou, FilledDesignOfEachAnchoredWorkType) {
    const Captions anchors = {
        {"lab31", "     5"},     {"Lab32", "     2.000"},     {"Lab33", "     0.500"},
        {"Lab34", "     0.500"}, {"Lab36", "     4"},         {"Lab37", "     2.000"},
        {"Lab38", "     0.500"}, {"Lab39", "     0.300"},     {"Lab20", "     ―"},
        {"Lab29", ""},           {"Lab26", "(コンクリート)"}, {"Lab27", "(土砂)"},
    };
    const std::vector<std::pair<std::int16_t, const char*>> cases = {{3, "ﾛｯｸﾎﾞﾙﾄ数"},
                                                                     {4, "アンカー数"}};
    for (const auto& [workType, countCaption] : cases) {
        SCOPED_TRACE(workType);
        test::FillDesign(workType);
        auto form = LoadForm("InsHeiyouHyou");
        for (int i = 0; i < 12; ++i)
            form->Picture("Pic_l(" + std::to_string(i) + ")")->picture.clear();
        SetInsHeiyouHyou(*form);
        ExpectCaptions(*form, kFrameRows);
        ExpectCaptions(*form, anchors);
        ExpectCaptions(*form, {{"Lab35(0)", countCaption}, {"Lab40(0)", countCaption}});
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(form->Picture("Pic_l(" + std::to_string(i) + ")")->picture, "L-prn.bmp") << i;
    }
}

TEST(SetInsHeiyouHyou, AnchorDashes) {
    struct Case {
        const char* what;
        std::function<void(DesignData&)> change;
        Captions expected;
    };
    const std::vector<Case> cases = {
        {"one anchor",
         [](DesignData& d) { d.AnchorCountY = "1"; },
         {{"lab31", "     1"}, {"Lab32", "     ―"}}},
        {"no horizontal anchors",
         [](DesignData& d) { d.AnchorCountX = "0"; },
         {{"Lab37", "     2.000"}}},
        {"empty anchor overhangs",
         [](DesignData& d) {
             d.AnchorOverhangLower = "";
             d.AnchorOverhangLeft = "";
         },
         {{"Lab34", "     ―"}, {"Lab38", "     ―"}}},
        {"soil stays out",
         [](DesignData& d) { d.SoilGamma = "19.0"; },
         {{"Lab20", "     ―"}, {"Lab29", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FillDesign(4);
        c.change(Design);
        ExpectCaptions(*Filled("InsHeiyouHyou", SetInsHeiyouHyou), c.expected);
    }
}

// ---- member-force summary and result tables

void Calculated(std::int16_t workType, std::int16_t sameSection) {
    test::FillDesign(workType);
    Design.SameSection = sameSection;
    // The 200 mm beams leave no room for a bar beside the anchor head's
    // 150 mm box-out; one of 100 leaves room for a D10 either side.
    if (workType == 4) RebarCountRule.BoxOutDia[1][1] = "100";
    SetAllRecalc(true);
    ASSERT_TRUE(RunResultsActivation());
    PrintCaseTate = 0;
    PrintCaseYoko = 6;
}

TEST(ResultFillers, SeparateSectionsOfWorkType0) {
    Calculated(0, 0);
    ExpectCaptions(*Filled("InsOryuokuIkei", SetInsOryuokuIkei), {{"Lab1", "   5.85"},
                                                                  {"Lab2", "   3.51"},
                                                                  {"Lab3", " 278.6"},
                                                                  {"Lab4", "   1.34"},
                                                                  {"Lab5", "   3.69"},
                                                                  {"Lab6", "  63.8"}});
    auto table = Filled("InsKekkaHyouIkei", SetInsKekkaHyouIkei);
    ExpectCaptions(
        *table, {{"Lab1", "  D10"},   {"Lab2", "  3"},     {"Lab3", " 214.0"},  {"Lab4", " 207.6"},
                 {"Lab5", "  8.04"},  {"Lab6", " 0.134"},  {"Lab7", "  0.30"},  {"Lab8", "  ―"},
                 {"Lab9", " ―"},      {"Lab10", " ―"},     {"Lab11", "  D10"},  {"Lab12", "  2"},
                 {"Lab13", " 142.7"}, {"Lab14", "  70.0"}, {"Lab15", "  2.15"}, {"Lab16", " 0.138"},
                 {"Lab17", "  0.46"}, {"Lab18", "  ―"},    {"Lab19", " ―"},     {"Lab20", " ―"}});
    ExpectColors(*table, {{"Lab1", kUnset},
                          {"Lab2", kBlack},
                          {"Lab3", kRed},
                          {"Lab4", kRed},
                          {"Lab5", kRed},
                          {"Lab6", kBlack},
                          {"Lab7", kBlack},
                          {"Lab10", kUnset},
                          {"Lab12", kBlack},
                          {"Lab13", kBlack},
                          {"Lab14", kBlack},
                          {"Lab15", kBlack},
                          {"Lab16", kBlack},
                          {"Lab17", kBlack},
                          {"Lab20", kUnset}});
}

TEST(ResultFillers, SeparateSectionsOfWorkType4) {
    Calculated(4, 0);
    ExpectCaptions(*Filled("InsOryuokuIkei", SetInsOryuokuIkei), {{"Lab1", "   3.75"},
                                                                  {"Lab2", "   9.39"},
                                                                  {"Lab3", " 178.6"},
                                                                  {"Lab4", "   3.37"},
                                                                  {"Lab5", "   9.27"},
                                                                  {"Lab6", " 160.5"}});
    auto table = Filled("InsKekkaHyouIkei", SetInsKekkaHyouIkei);
    ExpectCaptions(*table, {{"Lab2", "  2"},
                            {"Lab3", " 142.7"},
                            {"Lab4", " 195.8"},
                            {"Lab7", "  0.59"},
                            {"Lab8", "  D13"},
                            {"Lab9", "  2"},
                            {"Lab10", " Err"},
                            {"Lab14", " 176.0"}});
    ExpectColors(*table, {{"Lab2", kBlack},
                          {"Lab3", kRed},
                          {"Lab4", kRed},
                          {"Lab6", kRed},
                          {"Lab7", kBlack},
                          {"Lab10", kRed},
                          {"Lab20", kRed}});
}

TEST(ResultFillers, OneSection) {
    struct Case {
        std::int16_t workType;
        Captions summary;
        Captions row;
        Colors colors;
    };
    const std::vector<Case> cases = {
        {1,
         {{"Lab1", "  30.05"}, {"Lab2", "  18.40"}, {"Lab3", "1431.0"}},
         {{"Label3", "縦横"},
          {"Lab1", "  D10"},
          {"Lab2", "  3"},
          {"Lab3", " 214.0"},
          {"Lab4", "1066.3"},
          {"Lab5", " 41.25"},
          {"Lab6", " 0.699"},
          {"Lab7", "  0.78"},
          {"Lab8", "  D13"},
          {"Lab9", "  2"},
          {"Lab10", " Err"}},
         {{"Lab2", kBlack},
          {"Lab3", kRed},
          {"Lab4", kRed},
          {"Lab5", kRed},
          {"Lab6", kRed},
          {"Lab7", kBlack},
          {"Lab10", kRed}}},
        {2,
         {{"Lab1", "   1.34"}, {"Lab2", "   3.69"}, {"Lab3", "  63.8"}},
         {{"Label3", " 横"},
          {"Lab2", "  2"},
          {"Lab3", " 142.7"},
          {"Lab8", "  ―"},
          {"Lab9", " ―"},
          {"Lab10", " ―"}},
         {{"Lab2", kBlack}, {"Lab3", kBlack}, {"Lab4", kBlack}, {"Lab10", kUnset}}},
        {3,
         {{"Lab1", "   3.76"}, {"Lab2", "   9.43"}, {"Lab3", " 179.0"}},
         {{"Label3", "縦横"},
          {"Lab2", "  2"},
          {"Lab4", " 196.3"},
          {"Lab5", "  6.01"},
          {"Lab6", " 0.352"}},
         {{"Lab2", kBlack}, {"Lab3", kRed}, {"Lab4", kRed}, {"Lab5", kRed}, {"Lab6", kRed}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workType);
        Calculated(c.workType, 1);
        ExpectCaptions(*Filled("InsOryuokuDokei", SetInsOryuokuDokei), c.summary);
        auto table = Filled("InsKekkaHyouDokei", SetInsKekkaHyouDokei);
        ExpectCaptions(*table, c.row);
        ExpectColors(*table, c.colors);
    }
}

// The limits of the colour tests, on a stored row of the common section.
TEST(SetInsKekkaHyouDokei, LimitsOfTheColourTests) {
    struct Case {
        const char* what;
        std::function<void(DesignData&)> change;
        const char* label;
        const char* caption;
        std::uint32_t color;
    };
    const std::vector<Case> cases = {
        {"count equal to fit", [](DesignData& d) { d.KekkaBarCount[6] = "3"; }, "Lab2", "  3",
         kBlack},
        {"count one over fit", [](DesignData& d) { d.KekkaBarCount[6] = "4"; }, "Lab2", "  4",
         kRed},
        {"area under unrounded need", [](DesignData& d) { d.RequiredAs[1] = 214.04; }, "Lab3",
         " 214.0", kRed},
        {"area equal to need", [](DesignData& d) { d.RequiredAs[1] = 214.0; }, "Lab3", " 214.0",
         kBlack},
        {"empty area", [](DesignData& d) { d.KekkaAs[6] = ""; }, "Lab3", "    ", kRed},
        {"sigma s equal to allowable", [](DesignData& d) { d.KekkaSigmaS[6] = "160.0"; }, "Lab4",
         " 160.0", kBlack},
        {"sigma s over allowable", [](DesignData& d) { d.KekkaSigmaS[6] = "160.1"; }, "Lab4",
         " 160.1", kRed},
        {"sigma c without number", [](DesignData& d) { d.KekkaSigmaC[6] = ""; }, "Lab5", "   ",
         kRed},
        {"tau c of blanks", [](DesignData& d) { d.KekkaTauC[6] = "   "; }, "Lab6", "  ", kRed},
        {"tau o equal to allowable", [](DesignData& d) { d.KekkaTauO[6] = "0.8"; }, "Lab7", "  0.8",
         kBlack},
        {"spacing at minimum", [](DesignData& d) { d.KekkaStirrupPitch[6] = "100"; }, "Lab10",
         " 100", kBlack},
        {"spacing under minimum", [](DesignData& d) { d.KekkaStirrupPitch[6] = " 95"; }, "Lab10",
         "  95", kRed},
        {"spacing Err", [](DesignData& d) { d.KekkaStirrupPitch[6] = " Err "; }, "Lab10", "Err ",
         kRed},
        {"empty spacing", [](DesignData& d) { d.KekkaStirrupPitch[6] = ""; }, "Lab10", "    ",
         kBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FillDesign(0);
        DesignData& d = Design;
        d.KekkaBar[6] = 0;
        d.YokoBarFit[0] = 3;
        d.KekkaBarCount[6] = "3";
        d.KekkaAs[6] = "214.0";
        d.RequiredAs[1] = 200.0;
        d.KekkaSigmaS[6] = "150.0";
        d.KekkaSigmaC[6] = "5.00";
        d.KekkaTauC[6] = "0.300";
        d.KekkaTauO[6] = "0.50";
        d.KekkaStirrupBar[6] = 1;
        d.KekkaStirrupCount[6] = "2";
        d.KekkaStirrupPitch[6] = "150";
        PrintCaseYoko = 6;
        c.change(d);
        auto table = Filled("InsKekkaHyouDokei", SetInsKekkaHyouDokei);
        ExpectCaptions(*table, {{c.label, c.caption}});
        ExpectColors(*table, {{c.label, c.color}});
    }
}

}  // namespace
}  // namespace talvo::report
