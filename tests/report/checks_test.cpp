// The member-check pages: the maximum member forces, the required rebar, the
// stress checks, the stirrup check and the main anchor bar check, filled from
// calculated designs, and the blocks their page procedures place.

#include "report/pages/checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "report/chapters/sequencer.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/engine/renderer.h"
#include "report/pages/anchors.h"
#include "report/pages/results.h"
#include "report/report_fixture.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using fixture::Captions;
using fixture::ExpectCaptions;
using fixture::Filled;

constexpr std::uint32_t kRed = kVerdictRed;
constexpr std::uint32_t kBlack = kVerdictBlack;

std::uint32_t ColorOf(LayoutForm& form, const std::string& name) {
    const FormLabel* label = form.Label(name);
    EXPECT_NE(label, nullptr) << form.name << " " << name;
    return label ? label->foreColor : 0xFFFFFFFF;
}

std::unique_ptr<LayoutForm> Filled(const char* name, void (*fill)(LayoutForm&, int), int dir) {
    auto form = LoadForm(name);
    fill(*form, dir);
    return form;
}

// A design of the work type with its results calculated, and the first row
// of each set chosen for printing.
void Calculated(std::int16_t workType, std::int16_t sameSection) {
    test::FillDesign(workType);
    Design.SameSection = sameSection;
    // The 200 mm beams leave no room for a bar beside the anchor head's
    // 150 mm box-out; one of 100 leaves room for a D10 either side.
    if (workType == 4) RebarCountRule.BoxOutDia[1][1] = "100";
    SetAllRecalc(true);
    ASSERT_TRUE(RunResultsActivation());
    Design.KekkaPrintRow = {1, 1};
    PrintCaseTate = 0;
    PrintCaseYoko = 6;
    ResetHeadingNumbers();
}

class Checks : public ::testing::Test {
protected:
    void TearDown() override { test::ResetCalcState(); }
};

// ---- the forms

TEST(CheckForms, ExtentsMatchTheCatalogue) {
    const std::map<std::string, LayoutForm::Extent> catalogue = {
        {"InsMmtSdrHyou", {7020, 2640}},     {"InsMmaxSmax", {5775, 1215}},
        {"InsMmaxSmax2", {5775, 3075}},      {"InsTekkinRyo", {6375, 3075}},
        {"InsTekkinHi", {6810, 6495}},       {"InsOrkHippari", {6615, 2655}},
        {"InsOrkAssyuku", {6615, 1695}},     {"InsOrkSendan", {6615, 1695}},
        {"InsOrkSendanX", {6615, 1695}},     {"InsOrkFutyaku", {8025, 2115}},
        {"InsOrkFutyakuStar", {7815, 2655}}, {"InsOrkStarLap", {7215, 7995}},
        {"InsSyuAncBar", {7275, 4395}},
    };
    for (const auto& [name, extent] : catalogue) {
        std::unique_ptr<LayoutForm> form;
        ASSERT_NO_THROW(form = LoadForm(name)) << name;
        EXPECT_EQ(form->ItemExtent().right, extent.right) << name;
        EXPECT_EQ(form->ItemExtent().bottom, extent.bottom) << name;
    }
}

// ---- maximum member forces

TEST_F(Checks, DecisionTableOfACalculatedWedge) {
    Calculated(0, 1);
    auto table = Filled("InsMmtSdrHyou", SetInsMmtSdrHyou);
    ExpectCaptions(*table, {{"Label1", "１ 最大曲げモーメント・最大せん断力の決定"},
                            {"Label3(0)", "　 崩壊部"},
                            {"Label3(2)", "第一内部支点"},
                            {"Label4", "  5.85"},
                            {"Label5", "  3.51"},
                            {"Label6", "  1.34"},
                            {"Label7", "  3.69"},
                            // the vertical frame of the wedge has no overhang part
                            {"Label11", "　―　"},
                            {"Label12", "　―　"},
                            {"Label13", "  0.42"},
                            {"Label14", "  1.34"}});
    ExpectCaptions(*Filled("InsMmaxSmax", SetInsMmaxSmax),
                   {{"Label17", "  5.85"}, {"Label25", "  3.69"}});
}

TEST_F(Checks, DecisionTableRowCaptions) {
    struct Case {
        std::int16_t workType;
        const char *spans, *anchorsY, *anchorsX;
        const char *first, *second;
    };
    const Case cases[] = {
        {0, " 3", "", "", "　 崩壊部", "第一内部支点"},
        {1, " 1", "", "", "　 崩壊部", "スパン中央部"},
        {2, "1.0", "", "", "　 崩壊部", "スパン中央部"},
        {3, " 1", " 2", " 5", "スパン中央部", "第一内部支点"},
        {4, " 1", "2.0", " 2", "スパン中央部", "スパン中央部"},
        {4, " 1", " 3", "", "第一内部支点", "第一内部支点"},
    };
    for (const Case& c : cases) {
        test::FillDesign(c.workType);
        Design.SpanCountX = c.spans;
        Design.AnchorCountY = c.anchorsY;
        Design.AnchorCountX = c.anchorsX;
        ExpectCaptions(*Filled("InsMmtSdrHyou", SetInsMmtSdrHyou),
                       {{"Label3(0)", c.first}, {"Label3(2)", c.second}});
    }
}

TEST_F(Checks, TableDropsTheSignWhileTheClosingFormsKeepIt) {
    test::FillDesign(4);
    Design.Mmax = {{{"-12.345", ""}, {"   ", "0.5"}}};
    Design.Smax = {{{"7", "-0.004"}, {"", ""}}};
    Design.DesignMmax = "-12.35";
    Design.DesignSmax = "";
    ExpectCaptions(*Filled("InsMmtSdrHyou", SetInsMmtSdrHyou),
                   {{"Label4", " 12.35"},  // |−12.345| with two decimals
                    {"Label11", "　―　"},  // empty: not computed
                    {"Label6", "  0.00"},  // blanks are a value that reads 0
                    {"Label13", "  0.50"},
                    {"Label5", "  7.00"},
                    {"Label12", "  0.00"},  // |−0.004| rounds to 0.00
                    {"Label7", "　―　"},
                    {"Label14", "　―　"}});
    ExpectCaptions(*Filled("InsMmaxSmax", SetInsMmaxSmax),
                   {{"Label17", "-12.35"}, {"Label25", "   "}});
}

TEST_F(Checks, ClosingFormsByWorkType) {
    struct Case {
        std::int16_t workType;
        const char* form;
        void (*fill)(LayoutForm&);
        Captions expected;
    };
    const Case cases[] = {
        // work type 2 prints its horizontal frame whatever SameSection holds
        {2, "InsMmaxSmax", SetInsMmaxSmax, {{"Label17", "  2.25"}, {"Label25", "  4.5"}}},
        {0, "InsMmaxSmax", SetInsMmaxSmax, {{"Label17", "  9.99"}, {"Label25", "  8.8"}}},
        {1,
         "InsMmaxSmax2",
         SetInsMmaxSmax2,
         {{"Label17", "  1.11"},
          {"Label25", "  2.22"},
          {"Label7", "  3.33"},
          {"Label5", "  4.44"}}},
        // no work type chosen yet: the per-work-type values are not there
        {5,
         "InsMmaxSmax2",
         SetInsMmaxSmax2,
         {{"Label17", "   "}, {"Label25", "   "}, {"Label7", "   "}, {"Label5", "   "}}},
    };
    for (const Case& c : cases) {
        test::FillDesign(c.workType);
        Design.SameSection = 1;
        Design.DesignMmax = "9.99";
        Design.DesignSmax = "8.8";
        Design.TateMmax = {"1.11", "1.11", "1.11", "1.11", "1.11"};
        Design.TateSmax = {"2.22", "2.22", "2.22", "2.22", "2.22"};
        Design.YokoMmax = {"3.33", "3.33", "2.25", "3.33", "3.33"};
        Design.YokoSmax = {"4.44", "4.44", "4.5", "4.44", "4.44"};
        ExpectCaptions(*Filled(c.form, c.fill), c.expected);
    }
}

// ---- required rebar and rebar ratio

TEST_F(Checks, RequiredRebarOfEachDirectionCase) {
    struct Case {
        std::int16_t workType, sameSection;
        int dir;
        Captions ryo, hi;
    };
    const Case cases[] = {
        {0,
         0,
         0,
         {{"Label2", "１ 応力の検討（縦枠）"},
          {"Lab1", "y"},
          {"Label9", "  5.85"},
          {"Label15", "150"},
          {"Label16", " 278.6"},
          {"Label32", " 278.6"},
          {"Label21", "D10"},
          {"Label24", "  71.33"},
          {"Label28", "  71.33"},
          {"Label26", " 3"},
          {"Label29", " 3"},
          {"Label30", " 214.0"},
          {"Label12", "160"},
          {"Label31", "＜"}},
         {{"Label1", "１.２ 応力度の検討"},
          {"Lab1(0)", "y"},
          {"Label9", " 200"},
          {"Label10", " 150"},
          {"Label11", " 214.0"},
          {"Label12", "0.0071"},
          {"Label24", "15"},
          {"Label30", "0.367"},
          {"Label34", "0.878"},
          {"Label37", "25.85"}}},
        {0,
         0,
         1,
         {{"Label2", "１ 応力の検討（横枠）"},
          {"Lab1", "x"},
          {"Label9", "  1.34"},
          {"Label16", "  63.8"},
          {"Label26", " 2"},
          {"Label30", " 142.7"},
          {"Label31", "＞"}},
         {{"Lab1(1)", "x"}}},
        // a shared section: no subscript, the common design values
        {0,
         1,
         1,
         {{"Label2", "１ 応力の検討（縦横）"},
          {"Lab1", ""},
          {"Label9", "  5.85"},
          {"Label16", " 278.6"}},
         {{"Lab1(0)", ""}, {"Lab1(1)", ""}}},
        // rock bolts on one section: 179.0 required, 71.33 × 2 = 142.7 provided
        {3,
         1,
         1,
         {{"Label2", "１ 応力の検討（縦横）"},
          {"Label9", "  3.76"},
          {"Label16", " 179.0"},
          {"Label30", " 142.7"},
          {"Label31", "＜"}},
         {{"Lab1(0)", ""}}},
        // work type 2 keeps the horizontal frame and its subscript
        {2,
         1,
         1,
         {{"Label2", "１ 応力の検討（横枠）"},
          {"Lab1", "x"},
          {"Label9", "  1.34"},
          {"Label16", "  63.8"}},
         {{"Lab1(0)", "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.workType) + "/" + std::to_string(c.sameSection) + "/" +
                     std::to_string(c.dir));
        Calculated(c.workType, c.sameSection);
        ExpectCaptions(*Filled("InsTekkinRyo", SetInsTekkinRyo, c.dir), c.ryo);
        ExpectCaptions(*Filled("InsTekkinHi", SetInsTekkinHi, c.dir), c.hi);
    }
}

// Bar areas in "0.##": the table's cm² × 100 through the number text, so an
// area of binary noise prints its decimals and an integral one no point.
TEST_F(Checks, BarAreaAndRelationSign) {
    struct Case {
        double area;          // cm² of the chosen bar
        const char* printed;  // area × 100, "0.##", width 4
        const char* provided;
        double required;
        const char* sign;
    };
    const Case cases[] = {
        {1.267, " 126.7", " 253.4", 253.4, "≦"},     // 126.69999… → 126.7; equal areas
        {0.7133, "  71.33", " 142.7", 142.6, "＞"},  // provided above required
        {1.0, " 100", " 200.0", 200.05, "＜"},       // 100, not "100."; 200.05 prints 200.1
        {3.871, " 387.1", "", 0, "≦"},               // nothing provided, nothing required
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        test::FillDesign(0);
        RebarSpecTable[1].Area = c.area;
        Design.KekkaBar[6] = 1;
        Design.KekkaBarCount[6] = "2";
        Design.KekkaAs[6] = c.provided;
        Design.RequiredAs[1] = c.required;
        Design.SameSection = 0;
        PrintCaseYoko = 6;
        ExpectCaptions(*Filled("InsTekkinRyo", SetInsTekkinRyo, 1),
                       {{"Label24", c.printed}, {"Label28", c.printed}, {"Label31", c.sign}});
    }
}

TEST_F(Checks, RowOutsideTheSetPrintsNothingOfAnotherRow) {
    test::FillDesign(0);
    Design.SameSection = 0;
    Design.KekkaAs = {"111.1", "", "", "", "", "", "666.6", "", "", "", "", ""};
    for (int row : {-1, 6, 12}) {
        SCOPED_TRACE(row);
        PrintCaseTate = static_cast<std::int16_t>(row);
        auto form = Filled("InsTekkinRyo", SetInsTekkinRyo, 0);
        ExpectCaptions(*form, {{"Label30", "    "}, {"Label21", "   "}});
        ExpectCaptions(*Filled("InsOrkHippari", SetInsOrkHippari, 0),
                       {{"Label39", "    "}, {"Label49", "ＯＵＴ"}});
    }
}

// ---- stress checks

struct CheckLine {
    const char* form;
    void (*fill)(LayoutForm&, int);
    std::function<void(DesignData&, const char*)> stress, allowable;
    const char *stressLabel, *allowLabel, *signLabel, *verdictLabel;
};

std::vector<CheckLine> CheckLines() {
    return {
        {"InsOrkHippari", SetInsOrkHippari,
         [](DesignData& d, const char* s) { d.KekkaSigmaS[6] = s; },
         [](DesignData& d, const char* s) { d.SigmaSa = s; }, "Label44", "Label47", "Label46",
         "Label49"},
        {"InsOrkAssyuku", SetInsOrkAssyuku,
         [](DesignData& d, const char* s) { d.KekkaSigmaC[6] = s; },
         [](DesignData& d, const char* s) { d.SigmaCa = s; }, "Label9", "Label11", "Label10",
         "Label12"},
        {"InsOrkSendan", SetInsOrkSendan, [](DesignData& d, const char* s) { d.KekkaTauC[6] = s; },
         [](DesignData& d, const char* s) { d.TauCa = s; }, "Label21", "Label23", "Label22",
         "Label24"},
        {"InsOrkSendanX", SetInsOrkSendanX,
         [](DesignData& d, const char* s) { d.KekkaTauC[6] = s; },
         [](DesignData& d, const char* s) { d.TauCa = s; }, "Label21", "Label23", "Label22",
         "Label24"},
        {"InsOrkFutyaku", SetInsOrkFutyaku,
         [](DesignData& d, const char* s) { d.KekkaTauO[6] = s; },
         [](DesignData& d, const char* s) { d.TauOa = s; }, "Label19", "Label21", "Label20",
         "Label22"},
        {"InsOrkFutyakuStar", SetInsOrkFutyakuStar,
         [](DesignData& d, const char* s) { d.KekkaTauO[6] = s; },
         [](DesignData& d, const char* s) { d.TauOa = s; }, "Label19", "Label21", "Label20",
         "Label22"},
    };
}

TEST_F(Checks, VerdictOfEveryStressCheck) {
    struct Case {
        const char *what, *stress, *allowable;
        bool ok;
    };
    const Case cases[] = {
        {"equal, decimals differ", "0.80", "0.8", true},
        {"below", "0.5", "0.80", true},
        {"above", "0.81", "0.80", false},
        {"empty allowable", "0.01", "", false},
        {"zero against empty allowable", "0", "", true},
        // the section check stopped before the stress: nothing shows it passes
        {"empty stress", "", "0.80", false},
        {"stress of blanks", "   ", "0.80", false},
        {"stress without a number", "Err", "0.80", false},
    };
    for (const CheckLine& line : CheckLines()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(line.form) + ": " + c.what);
            test::FillDesign(2);
            PrintCaseYoko = 6;
            line.stress(Design, c.stress);
            line.allowable(Design, c.allowable);
            auto form = Filled(line.form, line.fill, 1);
            ExpectCaptions(*form, {{line.signLabel, c.ok ? "≦" : "＞"},
                                   {line.verdictLabel, c.ok ? "ＯＫ" : "ＯＵＴ"}});
            EXPECT_EQ(ColorOf(*form, line.verdictLabel), c.ok ? kBlack : kRed);
            EXPECT_EQ(ColorOf(*form, line.stressLabel), c.ok ? kBlack : kRed);
            // the allowable value and the sign keep the form's colour
            EXPECT_EQ(ColorOf(*form, line.allowLabel), kWindowTextColor);
            EXPECT_EQ(ColorOf(*form, line.signLabel), kWindowTextColor);
        }
    }
}

// The calculated designs: formula values, subscripts and the verdicts the
// results lead to.
TEST_F(Checks, StressChecksOfCalculatedDesigns) {
    struct Case {
        std::int16_t workType, sameSection;
        int dir;
        const char* form;
        void (*fill)(LayoutForm&, int);
        Captions captions;
        const char* verdictLabel;
        bool ok;
    };
    const Case cases[] = {
        // σs = 5.85·10⁶ / (214.0 × 0.878 × 150) = 207.6 > 160
        {0,
         0,
         0,
         "InsOrkHippari",
         SetInsOrkHippari,
         {{"Lab1", "y"},
          {"Label42", "  5.85"},
          {"Label39", " 214.0"},
          {"Label40", "0.878"},
          {"Label41", " 150"},
          {"Label44", "207.6"},
          {"Label47", "160"}},
         "Label49",
         false},
        // σc = 207.6 / 25.85 = 8.04 > 6.0
        {0,
         0,
         0,
         "InsOrkAssyuku",
         SetInsOrkAssyuku,
         {{"Label6", "207.6"}, {"Label8", "25.85"}, {"Label9", " 8.04"}, {"Label11", " 6.0"}},
         "Label12",
         false},
        // τc = 3.51·10³ / (200 × 0.878 × 150) = 0.134 ≦ 0.33
        {0,
         0,
         0,
         "InsOrkSendanX",
         SetInsOrkSendanX,
         {{"Lab1(0)", "y"},
          {"Label20", "  3.51"},
          {"Label18", " 200"},
          {"Label1", "0.878"},
          {"Label19", " 150"},
          {"Label21", "0.134"},
          {"Label23", "0.33"}},
         "Label24",
         true},
        // τo = 3.51·10³ / ((30 × 3) × 0.878 × 150) = 0.30 ≦ 0.80
        {0,
         0,
         0,
         "InsOrkFutyaku",
         SetInsOrkFutyaku,
         {{"Lab1", "y"},
          {"Label15", "  3.51"},
          {"Label11", " 30"},
          {"Label12", " 3"},
          {"Label13", "0.878"},
          {"Label14", " 150"},
          {"Label19", "0.30"},
          {"Label21", "0.80"}},
         "Label22",
         true},
        {0,
         1,
         1,
         "InsOrkHippari",
         SetInsOrkHippari,
         {{"Lab1", ""}, {"Label42", "  5.85"}},
         "Label49",
         false},
        {0,
         1,
         1,
         "InsOrkSendan",
         SetInsOrkSendan,
         {{"Lab1(0)", ""}, {"Lab1(1)", ""}, {"Label20", "  3.69"}},
         "Label24",
         true},
        {2,
         1,
         1,
         "InsOrkFutyaku",
         SetInsOrkFutyaku,
         {{"Lab1", "x"}, {"Label15", "  3.69"}},
         "Label22",
         true},
        // ground anchors on one section: σs = 3.75·10⁶ / (142.7 × 0.895 × 150) = 195.8 > 160
        {4,
         1,
         1,
         "InsOrkHippari",
         SetInsOrkHippari,
         {{"Lab1", ""},
          {"Label42", "  3.75"},
          {"Label39", " 142.7"},
          {"Label40", "0.895"},
          {"Label44", "195.8"}},
         "Label49",
         false},
        // the stored τo of a row with stirrups is already halved: printed as stored
        {4,
         1,
         1,
         "InsOrkFutyakuStar",
         SetInsOrkFutyakuStar,
         {{"Label15", "  9.39"}, {"Label11", " 30"}, {"Label12", " 2"}, {"Label19", "0.59"}},
         "Label22",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + std::to_string(c.workType));
        Calculated(c.workType, c.sameSection);
        auto form = Filled(c.form, c.fill, c.dir);
        ExpectCaptions(*form, c.captions);
        ExpectCaptions(*form, {{c.verdictLabel, c.ok ? "ＯＫ" : "ＯＵＴ"}});
        EXPECT_EQ(ColorOf(*form, c.verdictLabel), c.ok ? kBlack : kRed);
    }
}

TEST_F(Checks, BondBlocksPrintThePerimeterInMillimetres) {
    struct Case {
        double perimeter;   // cm
        const char* plain;  // "0", width 3
        const char* star;   // the number's own text, width 3
    };
    const Case cases[] = {
        {3.0, " 30", " 30"},
        {3.99, " 40", " 39.9"},  // 39.900000000000006 prints as 39.9
        {4.0, " 40", " 40"},
        {15.95, "160", "159.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.perimeter);
        test::FillDesign(0);
        RebarSpecTable[0].Perimeter = c.perimeter;
        Design.KekkaBar[6] = 0;
        PrintCaseYoko = 6;
        ExpectCaptions(*Filled("InsOrkFutyaku", SetInsOrkFutyaku, 1), {{"Label11", c.plain}});
        ExpectCaptions(*Filled("InsOrkFutyakuStar", SetInsOrkFutyakuStar, 1),
                       {{"Label11", c.star}});
    }
}

// ---- stirrups

struct StirrupRow {
    const char *pitch = "150", *sv = "14053", *sigmaSa = "160", *d = " 150", *j = "0.878";
    int bar = 1;  // D13
    const char* legs = "2";
};

void SetStirrupRow(const StirrupRow& s) {
    test::FillDesign(0);
    DesignData& d = Design;
    d.SameSection = 0;
    d.SectionDx = s.d;
    d.SigmaSa = s.sigmaSa;
    d.YokoSmax[0] = "18.40";
    d.KekkaSc[6] = "4347";
    d.KekkaSs[6] = s.sv;
    d.KekkaStirrupPitch[6] = s.pitch;
    d.KekkaStirrupCount[6] = s.legs;
    d.KekkaStirrupBar[6] = static_cast<std::int16_t>(s.bar);
    d.KekkaJ[1][6] = s.j;
    PrintCaseYoko = 6;
}

TEST_F(Checks, StirrupAreaAndVerdict) {
    struct Case {
        const char* what;
        StirrupRow row;
        const char *required, *provided, *sign;
        bool ok;
    };
    const Case cases[] = {
        // 150 × 14053 / (160 × 150 × 0.878) = 100.0356 → up to 100.04; 126.7 × 2 = 253.40
        {"passes", {}, " 100.04", " 253.40", "≧", true},
        // 100 × 14266 / (100 × 100 × 1) = 142.66 against 71.33 × 2 = 142.66
        {"equal areas",
         {.pitch = "100", .sv = "14266", .sigmaSa = "100", .d = " 100", .j = "1", .bar = 0},
         " 142.66",
         " 142.66",
         "≧",
         true},
        // 300 × 14053 / 21072 = 200.0712 → up to 200.08 against 71.33 × 2 = 142.66
        {"too little", {.pitch = "300", .bar = 0}, " 200.08", " 142.66", "＜", false},
        // σsa × d × j = 0: no required area can be worked out
        {"no j", {.j = ""}, "", " 253.40", "＜", false},
        {"no σsa", {.sigmaSa = ""}, "", " 253.40", "＜", false},
        // D13 with three legs: 126.7 × 3 = 380.10
        {"three legs", {.legs = "3"}, " 100.04", " 380.10", "≧", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetStirrupRow(c.row);
        auto form = Filled("InsOrkStarLap", SetInsOrkStarLap, 1);
        ExpectCaptions(*form, {{"Label33", c.required},
                               {"Label47", c.required},
                               {"Label45", c.provided},
                               {"Label46", c.sign},
                               {"Label50", c.ok ? "ＯＫ" : "ＯＵＴ"},
                               {"Label23", c.row.pitch},  // as stored, "Err" too
                               {"Label29", c.row.pitch}});
        EXPECT_EQ(ColorOf(*form, "Label50"), c.ok ? kBlack : kRed);
        EXPECT_EQ(ColorOf(*form, "Label45"), c.ok ? kBlack : kRed);
        EXPECT_EQ(ColorOf(*form, "Label47"), kWindowTextColor);
    }
}

TEST_F(Checks, StirrupPageTexts) {
    SetStirrupRow({});
    ResetHeadingNumbers();
    ChapterTitle("応力の検討（横枠）");
    SectionTitle("鉄筋量の算出");
    SectionTitle("応力度の検討");
    auto form = Filled("InsOrkStarLap", SetInsOrkStarLap, 1);
    ExpectCaptions(*form, {{"Label1", "１.３ スターラップの検討"},
                           {"Lab1(0)", "x"},
                           {"Lab1(2)", "x"},
                           {"Label9", "0.33"},
                           {"Label10", " 200"},
                           {"Label11", " 150"},
                           {"Label31", " 150"},
                           {"Label19", " 18.40"},
                           {"Label12", " 4347"},
                           {"Label20", " 4347"},
                           {"Label21", "14053"},
                           {"Label30", "14053"},
                           {"Label28", "160"},
                           {"Label32", "0.878"},
                           {"Label36", "D13"},
                           {"Label38", " 126.7"},   // "0.0#"
                           {"Label44", " 126.70"},  // "0.00"
                           {"Label41", " 2"},
                           {"Label43", " 2"},
                           {"Labx(0)", "・"},
                           {"Labx(1)", "×"},
                           {"Labx(2)", "j"},
                           {"Label52", "0.878"}});

    // Sc without j: the factor leaves both Sc lines, the required area keeps j.
    StirrupDefaults.ScFormula = 1;
    form = Filled("InsOrkStarLap", SetInsOrkStarLap, 1);
    ExpectCaptions(*form, {{"Labx(0)", ""},
                           {"Labx(1)", ""},
                           {"Labx(2)", ""},
                           {"Label52", ""},
                           {"Label32", "0.878"},
                           {"Label33", " 100.04"}});

    // The shared section: no subscripts, the common design shear.
    StirrupDefaults.ScFormula = 0;
    Design.SameSection = 1;
    Design.DesignSmax = "21.5";
    form = Filled("InsOrkStarLap", SetInsOrkStarLap, 1);
    ExpectCaptions(*form,
                   {{"Lab1(0)", ""}, {"Lab1(1)", ""}, {"Lab1(2)", ""}, {"Label19", " 21.5"}});
}

// The arc's calculated vertical frame needs stirrups that do not fit: the
// page must not pass it, and works nothing out from the spacing "Err".
TEST_F(Checks, CalculatedStirrupsThatDoNotFitFail) {
    Calculated(1, 0);
    ASSERT_TRUE(PrintRowNeedsStirrups(0));
    ASSERT_EQ(Design.KekkaStirrupPitch[0], "Err");
    auto form = Filled("InsOrkStarLap", SetInsOrkStarLap, 0);
    ExpectCaptions(*form, {{"Label21", "14053"},
                           {"Label23", ""},
                           {"Label33", ""},
                           {"Label45", ""},
                           {"Label46", ""},
                           {"Label50", ""},
                           {"LabOutText", "スターラップを配置できない。・・・ ＯＵＴ"}});
    EXPECT_EQ(ColorOf(*form, "LabOutText"), kRed);
}

TEST_F(Checks, StirrupFlagOfThePrintRow) {
    struct Case {
        std::int16_t printRow;
        int flagged;  // row 1 to 6 marked as needing stirrups, 0 none
        bool needs;
    };
    const Case cases[] = {{1, 1, true},  {2, 1, false}, {6, 6, true},
                          {0, 1, false}, {7, 6, false}, {-1, 1, false}};
    for (const Case& c : cases) {
        for (int dir : {0, 1}) {
            test::ResetCalcState();
            Design.KekkaPrintRow[static_cast<std::size_t>(dir)] = c.printRow;
            StirrupNeeded[static_cast<std::size_t>(dir)][static_cast<std::size_t>(c.flagged - 1)] =
                true;
            EXPECT_EQ(PrintRowNeedsStirrups(dir), c.needs) << c.printRow << " dir " << dir;
            EXPECT_FALSE(PrintRowNeedsStirrups(1 - dir)) << c.printRow << " dir " << dir;
        }
    }
}

// ---- main anchor bar

TEST_F(Checks, MainAnchorBarCheck) {
    struct Case {
        const char *tauS, *tauSa, *printed;
        const char *sign, *verdict;
        std::uint32_t color;
    };
    const Case cases[] = {
        {"140.0", "140", "140.0", "≦", "ＯＫ", kBlack},
        {"42.6", "140", " 42.6", "≦", "ＯＫ", kBlack},
        {"140.1", "140", "140.1", "＞", "ＯＵＴ", kRed},
        // never computed, or nothing to compare with: no pass, and in place
        // of the comparison the red line that the bar could not be checked
        {"", "140", "", "", "", kRed},
        {"42.6", "", "", "", "", kRed},
    };
    for (const Case& c : cases) {
        test::FillDesign(0);
        Design.AncBarIndex = 4;  // D22, 3.871 cm²
        Design.YokoQ = "3.69";
        Design.AncBarFs = "1.5";
        Design.AncBarTauSa = c.tauSa;
        Design.AncBarTauS = c.tauS;
        ResetHeadingNumbers();
        auto form = Filled("InsSyuAncBar", SetInsSyuAncBar);
        ExpectCaptions(*form, {{"Label2", "１ 主アンカーの検討"},
                               {"Label21", "D22"},
                               {"Label24", " 387.1"},
                               {"Label13", " 387.1"},
                               {"Label34", "  3.69"},
                               {"Label30", "  3.69"},
                               {"Label6", "  1.5"},
                               {"Label27", "1.5"},
                               {"Label19", c.printed},
                               {"Label16", c.sign},
                               {"Label11", c.verdict}});
        const bool compared = c.verdict[0] != '\0';
        ExpectCaptions(*form,
                       {{"LabOut(0)", compared ? "" : "主アンカーを照査できない。・・・ ＯＵＴ"}});
        EXPECT_EQ(ColorOf(*form, compared ? "Label11" : "LabOut(0)"), c.color);
        if (compared) {
            EXPECT_EQ(ColorOf(*form, "Label19"), c.color);
        }
    }
}

// ---- page procedures

const std::set<std::string> kCheckForms = {
    "InsMmtSdrHyou",     "InsMmaxSmax",   "InsMmaxSmax2", "InsTekkinRyo",  "InsTekkinHi",
    "InsOrkHippari",     "InsOrkAssyuku", "InsOrkSendan", "InsOrkSendanX", "InsOrkFutyaku",
    "InsOrkFutyakuStar", "InsOrkStarLap", "InsSyuAncBar"};

// The member-check blocks of a full report as "form@top" with the top in
// design twips ("top" for the page origin), pages split by "|".
std::string CheckBlocks(const ChapterReport& report) {
    const ReportPrint& print = report.Print();
    std::string s;
    int page = 0;
    for (const PlacedBlock& b : report.Blocks()) {
        if (!kCheckForms.count(b.form)) continue;
        if (page != 0) s += b.page == page ? " " : " | ";
        page = b.page;
        EXPECT_EQ(b.left, print.Left()) << b.form;
        std::string top = "?";
        if (b.top == print.Top()) {
            top = "top";
        } else {
            for (int y : {3500, 3700, 4200, 5700, 7800}) {
                if (b.top == static_cast<int>(std::lround(print.WidthRatio() * y))) {
                    top = std::to_string(y);
                }
            }
        }
        s += b.form + "@" + top;
    }
    return s;
}

TEST_F(Checks, BlocksOfTheMemberCheckPages) {
    const std::string tekkin = "InsTekkinRyo@top InsTekkinHi@4200";
    const std::string ork = "InsOrkHippari@top InsOrkAssyuku@3700 InsOrkSendanX@5700";
    struct Case {
        std::int16_t workType, sameSection, shearMode;
        std::string blocks;
    };
    const Case cases[] = {
        {0, 1, 1,
         "InsMmtSdrHyou@top InsMmaxSmax@3700 | " + tekkin + " | " + ork +
             " InsOrkFutyaku@7800 | InsSyuAncBar@top"},
        {0, 0, 0,
         "InsMmtSdrHyou@top InsMmaxSmax2@3700 | " + tekkin +
             " | InsOrkHippari@top InsOrkAssyuku@3700 InsOrkSendan@5700 InsOrkFutyaku@7800 | " +
             tekkin +
             " | InsOrkHippari@top InsOrkAssyuku@3700 InsOrkSendan@5700 InsOrkFutyaku@7800 | "
             "InsSyuAncBar@top"},
        // the arc's vertical frame: compression 200 higher, stirrups needed
        {1, 0, 1,
         "InsMmtSdrHyou@top InsMmaxSmax2@3700 | " + tekkin +
             " | InsOrkHippari@top InsOrkAssyuku@3500 InsOrkSendanX@5700 "
             "InsOrkFutyakuStar@7800 | InsOrkStarLap@top | " +
             tekkin + " | " + ork + " InsOrkFutyaku@7800 | InsSyuAncBar@top"},
        // horizontal frames only: one design pair whatever SameSection holds
        {2, 0, 1,
         "InsMmtSdrHyou@top InsMmaxSmax@3700 | " + tekkin + " | " + ork +
             " InsOrkFutyaku@7800 | InsSyuAncBar@top"},
        {4, 1, 1,
         "InsMmtSdrHyou@top InsMmaxSmax@3700 | " + tekkin + " | " + ork +
             " InsOrkFutyakuStar@7800 | InsOrkStarLap@top"},
        {3, 0, 1,
         "InsMmtSdrHyou@top InsMmaxSmax2@3700 | " + tekkin + " | " + ork +
             " InsOrkFutyakuStar@7800 | InsOrkStarLap@top | " + tekkin + " | " + ork +
             " InsOrkFutyakuStar@7800 | InsOrkStarLap@top"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.workType) + "/" + std::to_string(c.sameSection));
        Calculated(c.workType, c.sameSection);
        Design.ShearStressMode = c.shearMode;
        ChapterReport report(ChapterOf(Design.WorkType));
        RecordingOutput out(kDesignPageWidth * 1.2, kDesignPageHeight * 1.5, 1, 1);
        report.DrawReport(out, 1);
        ASSERT_TRUE(out.Document().ended);
        EXPECT_EQ(CheckBlocks(report), c.blocks);
    }
}

// A failing check reaches the paper as a red ＯＵＴ next to its red value.
TEST_F(Checks, FailingCheckPrintsRed) {
    Calculated(0, 0);
    ChapterReport report(ChapterKind::Wedge);
    RecordingOutput out;
    report.DrawReport(out, 1);
    int hippariPage = 0;
    for (const PlacedBlock& b : report.Blocks()) {
        if (b.form == "InsOrkHippari") {
            hippariPage = b.page;
            break;
        }
    }
    ASSERT_GT(hippariPage, 0);
    std::set<std::pair<std::string, std::uint32_t>> texts;
    for (const DrawOp& op : out.Document().pages[static_cast<std::size_t>(hippariPage - 1)].ops) {
        if (const auto* text = std::get_if<TextOp>(&op)) texts.insert({text->text, text->color});
    }
    EXPECT_TRUE(texts.count({"207.6", kRed}));  // σs above σsa
    EXPECT_TRUE(texts.count({" 8.04", kRed}));  // σc above σca
    EXPECT_TRUE(texts.count({"ＯＵＴ", kRed}));
    EXPECT_FALSE(texts.count({"ＯＵＴ", kBlack}));
    EXPECT_TRUE(texts.count({"0.134", kBlack}));  // τc within τca
    EXPECT_TRUE(texts.count({"ＯＫ", kBlack}));
    EXPECT_FALSE(texts.count({"ＯＫ", kRed}));
}

}  // namespace
}  // namespace talvo::report
