// The design pages of the anchored chapters: tendon and lengths of the ground
// anchor, steel and lengths of the rock bolt, bearing pressure and plate;
// their fillers on calculated designs and the blocks of their pages.

#include "report/pages/anchordesign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calc/anchorage.h"
#include "report/chapters/pageprocs.h"
#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/pages/results.h"
#include "report/report_fixture.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "steps/groundanchor.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using fixture::Captions;
using fixture::ExpectCaptions;
using fixture::Filled;
using Fill = void (*)(LayoutForm&);

constexpr std::uint32_t kUnset = kWindowTextColor;

// A design of the work type with every result calculated. The ground anchor
// gets a plate wider than its box-out (the plain fixture's plate is as wide
// as the box-out, which leaves no bearing area) and the allowable tendon
// loads its tendon step stores.
void Calculated(std::int16_t workType) {
    test::FillDesign(workType);
    if (workType == 4) Design.PlateU = " 250";
    SetAllRecalc(true);
    ASSERT_TRUE(RunResultsActivation());
    if (workType == 4) {
        Design.TusAllow = TendonAllowable(Design.TusCoef[1], Design.Tus);
        Design.TysAllow = TendonAllowable(Design.TysCoef[1], Design.Tys);
    }
    ResetHeadingNumbers();
}

std::uint32_t ColourOf(LayoutForm& form, const char* name) {
    const FormLabel* label = form.Label(name);
    return label ? label->foreColor : 0xFFFFFFFFu;
}

// ---- the worked values, from the calculated designs

TEST(AnchorDesignFillers, WorkedValuesOfBothWorkTypes) {
    struct Case {
        std::int16_t workType;
        const char* form;
        Fill fill;
        const char* label;
        const char* caption;
        const char* arithmetic;
    };
    const std::vector<Case> cases = {
        // Ground anchor: Pt 29.5 kN, Fs 2.5, da 115 mm, τ 0.30, ds 12.7 mm, τb 0.80.
        {4, "InsAnchorKouzai", SetInsAnchorKouzai, "Label11", "0.60", "permanent anchor (kind 1)"},
        {4, "InsAnchorKouzai", SetInsAnchorKouzai, "Label18", " 109.80", "0.60 × 183.0"},
        {4, "InsAnchorKouzai", SetInsAnchorKouzai, "Label20", " 117.00", "0.75 × 156.0"},
        {4, "InsAnchorKouzai", SetInsAnchorKouzai, "Label23", "  29.5", "Pt"},
        {4, "InsAnchorTeityaku", SetInsAnchorTeityaku, "Label10", " 681",
         "29.5e3 × 2.5 / (π × 115 × 0.30) = 680.5 mm, stored up to 0.681 m"},
        {4, "InsAnchorTeityaku", SetInsAnchorTeityaku, "Label11", "0.7", "0.681 up to 0.1 m"},
        {4, "InsAnchorTeityaku", SetInsAnchorTeityaku, "Label17", " 925",
         "29.5e3 / (π × 12.7 × 0.80) = 924.2 mm, stored up to 0.925 m"},
        {4, "InsAnchorTeityaku", SetInsAnchorTeityaku, "Label18", "1.0", "0.925 up to 0.1 m"},
        {4, "InsAnchorTeityaku", SetInsAnchorTeityaku, "Label12", " 29.5", "Pt at width 3"},
        {4, "InsAnchorTyou", SetInsAnchorTyou, "Label12", "  29.5", "Pt at width 4"},
        {4, "InsAnchorNagasa", SetInsAnchorNagasa, "Label25", " 7.0", "4.0 + 3.0"},
        {4, "InsSiatu", SetInsSiatu, "Label8", " 40000", "A = 200²"},
        {4, "InsSiatu", SetInsSiatu, "Label9", " 44829", "Ap = 250² − π × 150² / 4 = 44828.5"},
        {4, "InsSiatu", SetInsSiatu, "Label19", " 5.30",
         "(0.25 + 0.05 × 40000 / 44829) × 18 = 5.303, down to 0.01"},
        {4, "InsSiatu", SetInsSiatu, "Label20", " 9.00", "0.5 × 18"},
        {4, "InsSiatu", SetInsSiatu, "Label22", " 5.30", "the smaller of the two"},
        {4, "InsSiatu", SetInsSiatu, "Label30", " 0.66", "29.5e3 / 44829 = 0.658, up to 0.01"},
        {4, "InsPrate", SetInsPrate, "Label30", " 14750", "29.5e3 / 2"},
        {4, "InsPrate", SetInsPrate, "Label10", " 553125", "14750 × 150 / 4"},
        {4, "InsPrate", SetInsPrate, "Label17", "  8.5", "√(6 × 553125 / (250 × 185)) = 8.47"},
        // Rock bolt: Pt 29.6 kN, S 20.9 kN, bar D25 (506.7 mm², 25.4 mm),
        // Fs 2.5, da 65 mm, τ 0.20, τb 1.60.
        {3, "InsRockTyou", SetInsRockTyou, "Lab17", "D25", "bar index 5"},
        {3, "InsRockTyou", SetInsRockTyou, "Lab38", " 506.7", "5.067 cm² × 100"},
        {3, "InsRockTyou", SetInsRockTyou, "Lab59", " 41.3", "20.9e3 / 506.7 = 41.25, up to 0.1"},
        {3, "InsRockTyou", SetInsRockTyou, "Lab60", " 58.5", "29.6e3 / 506.7 = 58.42, up to 0.1"},
        {3, "InsRockTyou", SetInsRockTyou, "Label10", "1812",
         "29.6e3 × 2.5 / (π × 65 × 0.20) = 1811.9 mm, up to 1.812 m"},
        {3, "InsRockTyou", SetInsRockTyou, "Label11", "1.9", "1.812 up to 0.1 m"},
        {3, "InsRockTyou", SetInsRockTyou, "Label17", " 232",
         "29.6e3 / (π × 25.4 × 1.60) = 231.8 mm, up to 0.232 m"},
        {3, "InsRockTyou", SetInsRockTyou, "Label14", " 25.4", "the bar's diameter"},
        {3, "InsRockNagasa", SetInsRockNagasa, "Label25", " 3.5", "1.5 + 2.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.label + ": " + c.arithmetic);
        Calculated(c.workType);
        ExpectCaptions(*Filled(c.form, c.fill), {{c.label, c.caption}});
    }
}

// ---- every label of each filler

TEST(AnchorDesignFillers, TendonPageLabels) {
    Calculated(4);
    auto form = Filled("InsAnchorKouzai", SetInsAnchorKouzai);
    ExpectCaptions(
        *form, {{"Label1", "１ アンカーの検討"},
                {"Label13", "１.１ テンドンの選定"},
                {"Label6", "PC鋼より線"},
                {"Label9", "SWPR7BL 1S12.7"},
                {"Label11", "0.60"},
                {"Label14", "0.60"},
                {"Label12", "0.75"},
                {"Label15", "0.75"},
                {"Label16", " 183.0"},
                {"Label3", " 183.0"},
                {"Label17", " 156.0"},
                {"Label7", " 156.0"},
                {"Label18", " 109.80"},
                {"Label20", " 117.00"},
                {"Label23", "  29.5"},
                {"Label24", "  29.5"},
                {"Label21", "≧"},
                {"Label22", "≧"},
                {"Label33", "ＯＫ"},
                {"Label34", "ＯＫ"},
                {"Label10(0)",
                 "　上の場合の許容応力は、引張強度 Tus 、降伏強度 Tys "
                 "に対してそれぞれ以下のよう"},
                {"Label10(1)", "に示される。"},
                {"Label10(2)", "以上より、このテンドンは、設計アンカー力に対して安全である。"}});
}

TEST(AnchorDesignFillers, LengthPagesLabels) {
    Calculated(4);
    auto tyou = Filled("InsAnchorTyou", SetInsAnchorTyou);
    const Captions bond = {{"Label1", "  29.5"}, {"Label9", "2.5"},   {"Label5", "115"},
                           {"Label6", "0.30"},   {"Label10", " 681"}, {"Label11", "0.7"},
                           {"Label14", " 12.7"}, {"Label16", "0.80"}, {"Label17", " 925"},
                           {"Label18", "1.0"},   {"Label19", "3.0"}};
    ExpectCaptions(*tyou, bond);
    ExpectCaptions(*tyou, {{"Label13", "０.１ アンカー長"}, {"Label12", "  29.5"}});
    auto teityaku = Filled("InsAnchorTeityaku", SetInsAnchorTeityaku);
    ExpectCaptions(*teityaku, bond);
    ExpectCaptions(*teityaku, {{"Label13", "０.２ アンカー長"}, {"Label12", " 29.5"}});
    ExpectCaptions(
        *Filled("InsAnchorNagasa", SetInsAnchorNagasa),
        {{"Label26", " 4.0"}, {"Label22", " 4.0"}, {"Label23", " 3.0"}, {"Label25", " 7.0"}});
}

TEST(AnchorDesignFillers, RockBoltPageLabels) {
    Calculated(3);
    auto form = Filled("InsRockTyou", SetInsRockTyou);
    ExpectCaptions(*form, {{"Label27", "１ ロックボルトの検討"},
                           {"Label13(0)", "１.１ ロックボルト鋼材の選定"},
                           {"Label13(1)", "１.２ ロックボルト長"},
                           {"Lab17", "D25"},
                           {"Lab38", " 506.7"},
                           {"Lab22", " 506.7"},
                           {"Lab24", " 506.7"},
                           {"Lab23", "  20.9"},
                           {"Lab59", " 41.3"},
                           {"Lab29", " 80"},
                           {"Lab28", "≦"},
                           {"Lab31", "ＯＫ"},
                           {"Lab25", "  29.6"},
                           {"Lab60", " 58.5"},
                           {"Lab56", "160"},
                           {"Lab55", "≦"},
                           {"Lab58", "ＯＫ"},
                           {"Label1", "  29.6"},
                           {"Label12", "  29.6"},
                           {"Label9", "2.5"},
                           {"Label5", " 65"},
                           {"Label6", "0.20"},
                           {"Label10", "1812"},
                           {"Label11", "1.9"},
                           {"Label14", " 25.4"},
                           {"Label16", "1.60"},
                           {"Label17", " 232"},
                           {"Label18", "0.3"},
                           {"Label19", "2.0"}});
    ExpectCaptions(
        *Filled("InsRockNagasa", SetInsRockNagasa),
        {{"Label26", " 1.5"}, {"Label22", " 1.5"}, {"Label23", " 2.0"}, {"Label25", " 3.5"}});
}

TEST(AnchorDesignFillers, BearingAndPlatePageLabels) {
    Calculated(4);
    auto siatu = Filled("InsSiatu", SetInsSiatu);
    ExpectCaptions(*siatu, {{"Label27", "１ 支圧応力度の検討"},
                            {"Label13", "１.１ 許容支圧応力度"},
                            {"Label23", "１.２ 支圧応力度"},
                            {"Label2", "  18"},
                            {"Label3", " 250"},
                            {"Label12", " 250"},
                            {"Label5", " 150"},
                            {"Label14", " 150"},
                            {"Label6", " 200"},
                            {"Label10", " 200"},
                            {"Label8", " 40000"},
                            {"Label16", " 40000"},
                            {"Label9", " 44829"},
                            {"Label17", " 44829"},
                            {"Label25", " 44829"},
                            {"Label18", " 18"},
                            {"Label21", " 18"},
                            {"Label19", " 5.30"},
                            {"Label20", " 9.00"},
                            {"Label22", " 5.30"},
                            {"Label29", " 5.30"},
                            {"Label28", " 29.5"},
                            {"Label30", " 0.66"},
                            {"Label32", "≦"},
                            {"Label31", "ＯＫ"}});
    auto plate = Filled("InsPrate", SetInsPrate);
    ExpectCaptions(*plate, {{"Label27", "２ アンカープレートの検討"},
                            {"Label13", "２.１ 曲げモーメント"},
                            {"Label11", "２.２ プレートの厚さ"},
                            {"Label2", " 185"},
                            {"Label14", "185"},
                            {"Label3", " 250"},
                            {"Label16", " 250"},
                            {"Label5", " 150"},
                            {"Label9", " 150"},
                            {"Label28", " 29.5"},
                            {"Label30", " 14750"},
                            {"Label8", " 14750"},
                            {"Label10", " 553125"},
                            {"Label12", " 553125"},
                            {"Label17", "  8.5"},
                            {"Label18", " 12.0"}});
}

// ---- verdicts: equality passes, one step over fails, a value never
// computed fails

struct Verdict {
    const char* sign;
    const char* verdict;
    std::uint32_t colour;  // of the verdict and the coloured value
};
constexpr Verdict kOkCheck{"≦", "ＯＫ", kVerdictBlack};
constexpr Verdict kOutCheck{"＞", "ＯＵＴ", kVerdictRed};
constexpr Verdict kOkCapacity{"≧", "ＯＫ", kVerdictBlack};
constexpr Verdict kOutCapacity{"＜", "ＯＵＴ", kVerdictRed};

void ExpectVerdict(LayoutForm& form, const char* sign, const char* verdict, const char* value,
                   const Verdict& want) {
    ExpectCaptions(form, {{sign, want.sign}, {verdict, want.verdict}});
    EXPECT_EQ(ColourOf(form, verdict), want.colour) << verdict;
    EXPECT_EQ(ColourOf(form, value), want.colour) << value;
}

TEST(AnchorDesignFillers, TendonChecksAndTheirClosingSentence) {
    const std::string safe = "以上より、このテンドンは、設計アンカー力に対して安全である。";
    const std::string unsafe = "以上より、このテンドンは、設計アンカー力に対して安全ではない。";
    struct Case {
        const char* what;
        const char* tusAllow;
        const char* tysAllow;
        const char* pt;
        Verdict tensile, yield;
        bool safe;
    };
    const std::vector<Case> cases = {
        {"both equal to Pt", " 109.80", "109.8", "109.8", kOkCapacity, kOkCapacity, true},
        {"Pt over both by 0.1", " 109.80", " 109.80", "109.9", kOutCapacity, kOutCapacity, false},
        {"tensile out, yield ok", " 100.00", " 117.00", "109.8", kOutCapacity, kOkCapacity, false},
        {"tensile ok, yield out", " 117.00", " 100.00", "109.8", kOkCapacity, kOutCapacity, false},
        {"Pt never computed", " 109.80", " 117.00", "", kOutCapacity, kOutCapacity, false},
        {"allowable never computed", "", " 117.00", "29.5", kOutCapacity, kOkCapacity, false},
        {"allowable of blanks", "   ", " 117.00", "29.5", kOutCapacity, kOkCapacity, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(4);
        Design.TusAllow = c.tusAllow;
        Design.TysAllow = c.tysAllow;
        Design.Pt = c.pt;
        auto form = Filled("InsAnchorKouzai", SetInsAnchorKouzai);
        ExpectVerdict(*form, "Label21", "Label33", "Label18", c.tensile);
        ExpectVerdict(*form, "Label22", "Label34", "Label20", c.yield);
        ExpectCaptions(*form, {{"Label10(2)", c.safe ? safe : unsafe}});
        EXPECT_EQ(ColourOf(*form, "Label10(2)"), c.safe ? kVerdictBlack : kVerdictRed);
    }
}

TEST(AnchorDesignFillers, RockBoltStressChecks) {
    struct Case {
        const char* what;
        const char* tau;
        const char* tauSa;
        const char* sigma;
        const char* sigmaSa;
        Verdict shear, tensile;
    };
    const std::vector<Case> cases = {
        {"both equal", "80.0", " 80", "160.0", "160", kOkCheck, kOkCheck},
        {"shear over by 0.1", "80.1", " 80", "58.5", "160", kOutCheck, kOkCheck},
        {"tension over by 0.1", "41.3", " 80", "160.1", "160", kOkCheck, kOutCheck},
        {"stresses never computed", "", " 80", "", "160", kOutCheck, kOutCheck},
        {"allowables never entered", "41.3", "", "58.5", "", kOutCheck, kOutCheck},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(3);
        Design.RockTau = c.tau;
        Design.RockTauSa = c.tauSa;
        Design.RockSigma = c.sigma;
        Design.RockSigmaSa = c.sigmaSa;
        auto form = Filled("InsRockTyou", SetInsRockTyou);
        ExpectVerdict(*form, "Lab28", "Lab31", "Lab59", c.shear);
        ExpectVerdict(*form, "Lab55", "Lab58", "Lab60", c.tensile);
    }
}

TEST(AnchorDesignFillers, BearingStressCheck) {
    struct Case {
        const char* what;
        const char* sigmaB;
        const char* sigmaBa;
        Verdict verdict;
    };
    // Without a number on either side the comparison is left out: a red line
    // says the bearing stress could not be checked.
    constexpr Verdict kUnchecked{"", "", kUnset};
    const std::vector<Case> cases = {
        {"equal", "5.30", " 5.30", kOkCheck},
        {"over by 0.01", "5.31", "5.30", kOutCheck},
        {"under", "0.66", "5.30", kOkCheck},
        {"bearing stress never computed", "", "5.30", kUnchecked},
        {"neither computed", "", "", kUnchecked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(4);
        Design.SigmaB = c.sigmaB;
        Design.SigmaBa = c.sigmaBa;
        auto form = Filled("InsSiatu", SetInsSiatu);
        ExpectVerdict(*form, "Label32", "Label31", "Label30", c.verdict);
        const bool unchecked = c.verdict.sign[0] == '\0';
        ExpectCaptions(*form,
                       {{"LabOut(0)", unchecked ? "支圧応力度を照査できない。・・・ ＯＵＴ" : ""}});
        EXPECT_EQ(ColourOf(*form, "LabOut(0)"), unchecked ? kVerdictRed : kUnset);
    }
}

// The bearing page prints the allowable it is given, and the plate page its
// two thicknesses as they arrive, uncoloured (a thickness short of the
// required one is not adopted: a red line takes the adoption's row, see
// failedchecks_test).
TEST(AnchorDesignFillers, ValuesPrintAsTheyArrive) {
    Calculated(4);
    Design.SigmaBa1 = "9.50";
    Design.SigmaBa2 = "9.00";
    Design.SigmaBa = "9.00";
    Design.PlateT = "9.0";
    auto siatu = Filled("InsSiatu", SetInsSiatu);
    ExpectCaptions(*siatu, {{"Label19", " 9.50"}, {"Label20", " 9.00"}, {"Label22", " 9.00"}});
    auto plate = Filled("InsPrate", SetInsPrate);
    ExpectCaptions(*plate, {{"Label17", "  8.5"}, {"Label18", "  9.0"}});
    for (const char* name : {"Label17", "Label18"}) EXPECT_EQ(ColourOf(*plate, name), kUnset);
}

// ---- empty and out-of-table inputs

TEST(AnchorDesignFillers, LengthsNotComputed) {
    struct Case {
        const char* what;
        std::int16_t workType;
        const char* form;
        Fill fill;
        std::function<void(DesignData&)> change;
        Captions expected;
    };
    const std::vector<Case> cases = {
        {"anchor: no grout–tendon length, bond form",
         4,
         "InsAnchorTyou",
         SetInsAnchorTyou,
         [](DesignData& d) { d.BondLa2.clear(); },
         {{"Label17", ""}}},
        {"anchor: no grout–tendon length, rule form",
         4,
         "InsAnchorTeityaku",
         SetInsAnchorTeityaku,
         [](DesignData& d) { d.BondLa2.clear(); },
         {{"Label17", "   0"}}},
        {"anchor: no ground–grout length",
         4,
         "InsAnchorTyou",
         SetInsAnchorTyou,
         [](DesignData& d) {
             d.BondLa1.clear();
             d.BondLa1Up.clear();
         },
         {{"Label10", "   0"}, {"Label11", " "}}},
        {"anchor: 1.234 m",
         4,
         "InsAnchorTyou",
         SetInsAnchorTyou,
         [](DesignData& d) {
             d.BondLa1 = "1.234";
             d.BondLa1Up = "1.3";
         },
         {{"Label10", "1234"}, {"Label11", "1.3"}}},
        {"anchor: Pt of three integer places",
         4,
         "InsAnchorTeityaku",
         SetInsAnchorTeityaku,
         [](DesignData& d) { d.Pt = "123.4"; },
         {{"Label1", " 123.4"}, {"Label12", "123.4"}}},
        {"anchor: Pt of three integer places, bond form",
         4,
         "InsAnchorTyou",
         SetInsAnchorTyou,
         [](DesignData& d) { d.Pt = "123.4"; },
         {{"Label1", " 123.4"}, {"Label12", " 123.4"}}},
        {"rock bolt: no ground–grout length",
         3,
         "InsRockTyou",
         SetInsRockTyou,
         [](DesignData& d) {
             d.BondLa1.clear();
             d.BondLa1Up.clear();
         },
         {{"Label10", ""}, {"Label11", " "}}},
        {"rock bolt: no grout–steel length",
         3,
         "InsRockTyou",
         SetInsRockTyou,
         [](DesignData& d) { d.BondLa2.clear(); },
         {{"Label17", ""}, {"Label18", "0.3"}}},
        {"rock bolt: bar D19",
         3,
         "InsRockTyou",
         SetInsRockTyou,
         [](DesignData& d) { d.RockBarIndex = 3; },
         {{"Lab17", "D19"},
          {"Lab38", " 286.5"},
          {"Lab22", " 286.5"},
          {"Lab24", " 286.5"},
          {"Label14", " 19.1"}}},
        {"rock bolt: bar index past the table",
         3,
         "InsRockTyou",
         SetInsRockTyou,
         [](DesignData& d) { d.RockBarIndex = 12; },
         {{"Lab17", "   "}, {"Lab38", "    "}, {"Label14", "   "}}},
        {"rock bolt: negative bar index",
         3,
         "InsRockTyou",
         SetInsRockTyou,
         [](DesignData& d) { d.RockBarIndex = -1; },
         {{"Lab17", "   "}, {"Lab22", "    "}}},
        {"anchor: kind past the factor lists",
         4,
         "InsAnchorKouzai",
         SetInsAnchorKouzai,
         [](DesignData& d) { d.AnchorKind = 3; },
         {{"Label11", " "},
          {"Label14", " "},
          {"Label12", " "},
          {"Label15", " "},
          {"Label18", " 109.80"}}},
        {"anchor: negative kind",
         4,
         "InsAnchorKouzai",
         SetInsAnchorKouzai,
         [](DesignData& d) { d.AnchorKind = -1; },
         {{"Label11", " "}, {"Label15", " "}}},
        {"anchor: temporary kind",
         4,
         "InsAnchorKouzai",
         SetInsAnchorKouzai,
         [](DesignData& d) { d.AnchorKind = 0; },
         {{"Label14", "0.65"}, {"Label15", "0.80"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(c.workType);
        c.change(Design);
        ExpectCaptions(*Filled(c.form, c.fill), c.expected);
    }
}

// ---- headings across the pages

TEST(AnchorDesignFillers, EachPageOpensItsChapterAndRestartsItsSections) {
    Calculated(4);
    auto kouzai = Filled("InsAnchorKouzai", SetInsAnchorKouzai);
    auto tyou = Filled("InsAnchorTyou", SetInsAnchorTyou);
    auto nagasa = Filled("InsAnchorNagasa", SetInsAnchorNagasa);
    auto siatu = Filled("InsSiatu", SetInsSiatu);
    auto plate = Filled("InsPrate", SetInsPrate);
    ExpectCaptions(*kouzai, {{"Label1", "１ アンカーの検討"}, {"Label13", "１.１ テンドンの選定"}});
    ExpectCaptions(*tyou, {{"Label13", "１.２ アンカー長"}});
    EXPECT_EQ(ChapterNo(), 3);
    ExpectCaptions(*siatu, {{"Label27", "２ 支圧応力度の検討"},
                            {"Label13", "２.１ 許容支圧応力度"},
                            {"Label23", "２.２ 支圧応力度"}});
    ExpectCaptions(*plate, {{"Label27", "３ アンカープレートの検討"},
                            {"Label13", "３.１ 曲げモーメント"},
                            {"Label11", "３.２ プレートの厚さ"}});
}

// ---- the page procedures

struct PageRun {
    std::vector<std::string> forms;  // "name@top"
    std::vector<std::string> texts;
};

// Runs one page procedure on a paper whose width ratio is 1.2 and height
// ratio 1.5; the lower blocks stand at CInt(1.2 × design top).
PageRun RunPage(PageId id, ChapterKind chapter) {
    RecordingOutput out(9739.2 * 1.2, 13992 * 1.5);
    out.StartDoc();
    ReportPrint print;
    print.DrawCorrect(out);
    print.SetPrintPage(0);
    print.SetCurPage(1);
    std::vector<PlacedBlock> placed;
    PageContext page(out, print, chapter, id, placed);
    PageProc proc = AnchorDesignPageProc(id);
    EXPECT_TRUE(proc) << PageName(id);
    if (proc) proc(page);
    PageRun run;
    for (const PlacedBlock& b : placed) {
        EXPECT_TRUE(b.drawn);
        EXPECT_EQ(b.left, print.Left());
        run.forms.push_back(b.form + "@" + std::to_string(b.top == print.Top() ? 0 : b.top));
    }
    for (const RecordedPage& p : out.Document().pages)
        for (const DrawOp& op : p.ops)
            if (const auto* t = std::get_if<TextOp>(&op)) run.texts.push_back(t->text);
    return run;
}

TEST(AnchorDesignPages, TendonPageChoosesItsLengthBlockAtThreeMetres) {
    using Forms = std::vector<std::string>;
    struct Case {
        const char* what;
        const char* up1;
        const char* up2;
        const char* la;
        const char* lf;
        Forms forms;
    };
    const std::vector<Case> cases = {
        {"ground–grout length 3.0",
         "3.0",
         "1.0",
         "3.0",
         " 4.0",
         {"InsAnchorKouzai@0", "InsAnchorTyou@6840", "InsAnchorNagasa@12120"}},
        {"grout–tendon length 3.0",
         "0.7",
         "3.0",
         "3.5",
         " 4.0",
         {"InsAnchorKouzai@0", "InsAnchorTyou@6840", "InsAnchorNagasa@12120"}},
        {"anchorage 3.0, bond lengths short",
         "2.9",
         "2.9",
         "3.0",
         " 4.0",
         {"InsAnchorKouzai@0", "InsAnchorTeityaku@6840", "InsAnchorNagasa@12480"}},
        {"anchorage 2.9",
         "0.7",
         "1.0",
         "2.9",
         " 4.0",
         {"InsAnchorKouzai@0", "InsAnchorTyou@6840", "InsAnchorNagasa@12120"}},
        {"no free length",
         "0.7",
         "1.0",
         "3.0",
         "",
         {"InsAnchorKouzai@0", "InsAnchorTeityaku@6840"}},
        {"free length 0",
         "0.7",
         "1.0",
         "3.0",
         "0.0",
         {"InsAnchorKouzai@0", "InsAnchorTeityaku@6840"}},
        // The red line of a short anchorage takes the row of the adoption it
        // replaces: the total length stays where it is.
        {"anchorage short of its bond lengths",
         "3.3",
         "4.5",
         "2.5",
         " 4.0",
         {"InsAnchorKouzai@0", "InsAnchorTyou@6840", "InsAnchorNagasa@12120"}},
        {"anchorage 0", "0.7", "1.0", "0", " 4.0", {"InsAnchorKouzai@0", "InsAnchorTyou@6840"}},
        {"no anchorage", "0.7", "1.0", "", " 4.0", {"InsAnchorKouzai@0", "InsAnchorTyou@6840"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Calculated(4);
        Design.BondLa1Up = c.up1;
        Design.BondLa2Up = c.up2;
        Design.AnchorLa = c.la;
        Design.AnchorLf = c.lf;
        const PageRun run = RunPage(PageId::PrnAnchorKouzai, ChapterKind::Anchor);
        EXPECT_EQ(run.forms, c.forms);
    }
}

TEST(AnchorDesignPages, RockBoltPageAddsTheTotalLengthWhenBothLengthsAreGiven) {
    struct Case {
        const char* la;
        const char* lf;
        bool total;
    };
    for (const Case& c : std::vector<Case>{{" 2.0", " 1.5", true},
                                           {" 2.0", "", false},
                                           {" 2.0", "0.0", false},
                                           {"0", " 1.5", false},
                                           {"", " 1.5", false}}) {
        SCOPED_TRACE(std::string(c.la) + " / " + c.lf);
        Calculated(3);
        Design.RockLa = c.la;
        Design.RockLf = c.lf;
        const PageRun run = RunPage(PageId::PrnRockTyou, ChapterKind::Rockbolt);
        std::vector<std::string> want = {"InsRockTyou@0"};
        if (c.total) want.push_back("InsRockNagasa@10800");
        EXPECT_EQ(run.forms, want);
    }
}

TEST(AnchorDesignPages, BearingAndPlatePagesDrawOneBlockEach) {
    Calculated(4);
    ResetHeadingNumbers();
    const PageRun siatu = RunPage(PageId::PrnSiatu, ChapterKind::Anchor);
    EXPECT_EQ(siatu.forms, std::vector<std::string>{"InsSiatu@0"});
    const PageRun plate = RunPage(PageId::PrnPrate, ChapterKind::Anchor);
    EXPECT_EQ(plate.forms, std::vector<std::string>{"InsPrate@0"});
    // DrawCorrect starts the heading numbers again, so each page alone opens
    // chapter 1.
    EXPECT_NE(std::find(plate.texts.begin(), plate.texts.end(), "１ アンカープレートの検討"),
              plate.texts.end());
}

TEST(AnchorDesignPages, OtherPagesAreNotOfThisGroup) {
    for (PageId id :
         {PageId::PrnHoukaiHyou, PageId::PrnSekkeiAnc, PageId::PrnToubunpu, PageId::PrnSyuAncBar}) {
        EXPECT_FALSE(AnchorDesignPageProc(id)) << PageName(id);
    }
}

// ---- the forms against the catalogue

TEST(AnchorDesignForms, ExtentsAndItemsOfTheCatalogue) {
    struct Row {
        const char* form;
        int right, bottom;
        int lines, labels, pictures;
    };
    const std::vector<Row> catalogue = {
        {"InsAnchorKouzai", 7815, 4995, 0, 51, 0},   {"InsAnchorTyou", 5040, 4395, 4, 75, 0},
        {"InsAnchorTeityaku", 7215, 4755, 4, 76, 0}, {"InsAnchorNagasa", 6075, 1095, 0, 22, 0},
        {"InsRockTyou", 6435, 8295, 8, 139, 0},      {"InsRockNagasa", 7755, 1455, 0, 23, 0},
        {"InsSiatu", 7530, 9675, 6, 157, 0},         {"InsPrate", 7575, 10215, 56, 91, 0},
    };
    for (const Row& r : catalogue) {
        SCOPED_TRACE(r.form);
        auto form = LoadForm(r.form);
        EXPECT_EQ(form->ItemExtent().right, r.right);
        EXPECT_EQ(form->ItemExtent().bottom, r.bottom);
        int lines = 0, labels = 0, pictures = 0;
        for (const FormItem& item : form->items) {
            lines += std::holds_alternative<FormLine>(item);
            labels += std::holds_alternative<FormLabel>(item);
            pictures += std::holds_alternative<FormPicture>(item);
        }
        EXPECT_EQ(lines, r.lines);
        EXPECT_EQ(labels, r.labels);
        EXPECT_EQ(pictures, r.pictures);
    }
}

// Every label a filler writes is on its form (a missing one throws), and the
// fixed texts the fillers leave alone print as designed.
TEST(AnchorDesignForms, FixedTextsOfTheForms) {
    Calculated(4);
    auto teityaku = Filled("InsAnchorTeityaku", SetInsAnchorTeityaku);
    ExpectCaptions(*teityaku,
                   {{"Label2(2)",
                     "　ここで、グラウンドアンカー設計・施工基準，同解説で、「定着長は原則として "
                     "3ｍ以上"},
                    {"Label2(4)", "とする。」と規定されていることから、定着長を"}});
    EXPECT_NO_THROW(Filled("InsAnchorNagasa", SetInsAnchorNagasa));
    ExpectCaptions(*Filled("InsSiatu", SetInsSiatu),
                   {{"Label153", "局部載荷の場合、許容支圧応力度"}});
    Calculated(3);
    EXPECT_NO_THROW(Filled("InsRockNagasa", SetInsRockNagasa));
}

}  // namespace
}  // namespace talvo::report
