// Main-bar fitting and the verdict colours of a result row, and the texts
// the result grids show for it.
#include "results/fitting.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "calc/rebar.h"
#include "results/resulttable.h"
#include "results_fixture.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::test {
namespace {

constexpr std::int32_t R = ColorOut;

// The eleven cells of a row: texts and colours.
struct Cells {
    std::array<std::string, 11> text;
    std::array<std::int32_t, 11> color;
};

Cells CellsOf(int set, int row) {
    Cells out;
    const ResultRowCells cells = KekkaRowCells(set, row);
    for (int c = 0; c < 11; ++c) {
        out.text[c] = cells[c].text;
        out.color[c] = cells[c].color;
    }
    return out;
}

// The worked section with its required area (10⁷/(180·7/8·230) = 276.1 mm²)
// and the bar fits of the vertical frame (D13: 4).
void WorkedFitting() {
    WorkedDesign();
    Design.RequiredAs[0] = NumVal(CalcHituyouAs(0));
    CalcSyutekkinTate();
}

class FittingTest : public ResultsTest {
protected:
    void SetUp() override { WorkedFitting(); }
};

TEST_F(FittingTest, BarsAreAddedOneAtATimeUntilTheRowPasses) {
    ASSERT_EQ(Design.RequiredAs[0], 276.1);
    ASSERT_EQ(Design.TateBarFit[1], 4);
    // Limiting the fit to 1, 2 and 3 bars stops the fitting at each try, so
    // each line is what that try left. Allowables as shown: σsa 180, σca 6.0,
    // τca 0.39, τoa 0.8; cap ⌊230/2⌋ = 115; minimum spacing 100.
    //   1 bar:  As 126.7 < 276.1; p 0.0018, k 0.207, j 0.931, m 57.50,
    //           σs 10⁷/(126.7·0.931·230) = 368.59 → 368.6, σc 368.6/57.5 =
    //           6.410 → 6.42, τc 0.4348/0.931 → 0.468, τo 30000/(40·230·
    //           0.931)/2 = 1.751 → 1.76, a = ⌊558.97⌋; all of it OUT.
    //   2 bars: the worked row; As 253.4 still short, σs 189.4 and τo 0.90
    //           over; σc 4.97 passes.
    //   3 bars: As 380.1; p 0.0055, k 0.332, j 0.889, m 30.18, σs 128.7,
    //           σc 4.27, τc 0.490, τo 120 mm of perimeter → 0.62, a 517:
    //           everything passes but τc (stirrups) and the required spacing
    //           above the cap, so the fitting stops at 3 of the 4 that fit.
    struct Try {
        std::int16_t fit;
        Cells cells;
    };
    const Try tries[] = {
        {1,
         {{"D13", "  1", "   126.7", "   368.6", "     6.42", "     0.468", "     1.76", "D13",
           "  2", "100", "[558]"},
          {0, 0, R, R, R, R, R, 0, 0, 0, R}}},
        {2,
         {{"D13", "  2", "   253.4", "   189.4", "     4.97", "     0.480", "     0.90", "D13",
           "  2", "100", "[533]"},
          {0, 0, R, R, 0, R, R, 0, 0, 0, R}}},
        {3,
         {{"D13", "  3", "   380.1", "   128.7", "     4.27", "     0.490", "     0.62", "D13",
           "  2", "100", "[517]"},
          {0, 0, 0, 0, 0, R, 0, 0, 0, 0, R}}},
        {4,
         {{"D13", "  3", "   380.1", "   128.7", "     4.27", "     0.490", "     0.62", "D13",
           "  2", "100", "[517]"},
          {0, 0, 0, 0, 0, R, 0, 0, 0, 0, R}}},
    };
    for (const Try& t : tries) {
        SCOPED_TRACE(t.fit);
        WorkedFitting();
        Design.TateBarFit[1] = t.fit;
        Sikikekkacolor(0, 0);
        const Cells got = CellsOf(0, 0);
        EXPECT_EQ(got.text, t.cells.text);
        EXPECT_EQ(got.color, t.cells.color);
    }
}

TEST_F(FittingTest, TheFittingEndsAtTheFitOrAtTheFirstCountThatPasses) {
    // 40 kN·m is too much for four D13 (σs over σsa): the count stops at the
    // fit with σs red. A small moment and shear pass with one bar.
    Design.TateMmax[0] = "40.00";
    Design.RequiredAs[0] = NumVal(CalcHituyouAs(0));
    Sikikekkacolor(0, 0);
    EXPECT_EQ(Design.KekkaBarCount[0], "4");
    EXPECT_EQ(CellColor(0, ColSigmaS, 0), R);
    EXPECT_EQ(CellColor(0, ColBarCount, 0), 0);

    WorkedFitting();
    Design.TateMmax[0] = "1.00";
    Design.TateSmax[0] = "5.00";
    Design.RequiredAs[0] = NumVal(CalcHituyouAs(0));
    Sikikekkacolor(0, 0);
    const Cells got = CellsOf(0, 0);
    EXPECT_EQ(Design.KekkaBarCount[0], "1");
    // No stirrups: cells 8 to 10 empty, and no spacing required: "―" in
    // black, so the row that passes shows no red at all.
    EXPECT_EQ(got.text[7] + got.text[8] + got.text[9] + got.text[10], "―");
    EXPECT_EQ(got.color, (std::array<std::int32_t, 11>{}));
}

TEST_F(FittingTest, ASizeThatDoesNotFitLeavesNoResultOfAnEarlierCheck) {
    // A stepped count and the blue marks go, the old results too.
    Sikikekkacolor(0, 0);
    ASSERT_EQ(Design.KekkaBarCount[0], "3");
    MakeRowStale(0, 0);
    CellColor(0, ColBar, 0) = ColorStepped;
    Design.TateBarFit[1] = 0;
    Sikikekkacolor(0, 0);
    EXPECT_EQ(Design.KekkaBarCount[0], "0");
    EXPECT_EQ(Design.KekkaAs[0], "");
    EXPECT_EQ(ViewRow(0, 0),
              (RowView{"", "", "", "", "", "", "", "", "", "", "99", "", "", "", false}));
    const Cells got = CellsOf(0, 0);
    EXPECT_EQ(got.text,
              (std::array<std::string, 11>{"D13", "  0", "", "", "", "", "", "", "", "", "―"}));
    EXPECT_EQ(got.color, (std::array<std::int32_t, 11>{0, R, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(FittingTest, ARowWithoutADesignForceShowsNoResults) {
    // One bar is fitted (no moment needs no area) but the row shows no
    // stresses; p, k, j, m, Sc and Ss stay for the report.
    Design.TateMmax[0] = "";
    Design.TateSmax[0] = "";
    Design.RequiredAs[0] = NumVal(CalcHituyouAs(0));
    Sikikekkacolor(0, 0);
    EXPECT_EQ(Design.KekkaBarCount[0], "1");
    const RowView v = ViewRow(0, 0);
    EXPECT_EQ(Design.KekkaAs[0], "");
    EXPECT_EQ(v.sigmaS + v.sigmaC + v.tauC + v.tauO + v.stirrupCount + v.pitch + v.pitchReq, "");
    EXPECT_EQ(v.stirrupBar, "99");
    EXPECT_EQ(v.p, "0.0018");
    EXPECT_FALSE(v.needed);
}

TEST_F(FittingTest, VerdictsLetTiesPassAndCompareWithTheShownAllowables) {
    // Required area 276.1, σsa 180, σca 6.0, τca 0.39, τoa 0.80, minimum
    // spacing 100, cap 115.
    struct Case {
        const char* name;
        std::function<void(DesignData&)> set;
        int column;
        std::int32_t color;
    };
    const Case cases[] = {
        {"As tie", [](DesignData& d) { d.KekkaAs[0] = "276.1"; }, ColAs, 0},
        {"As short", [](DesignData& d) { d.KekkaAs[0] = "276.0"; }, ColAs, R},
        {"σs tie", [](DesignData& d) { d.KekkaSigmaS[0] = "180.0"; }, ColSigmaS, 0},
        {"σs over", [](DesignData& d) { d.KekkaSigmaS[0] = "180.1"; }, ColSigmaS, R},
        // σsa 180.4 is shown as 180, and that is what σs is held against.
        {"σs against the shown σsa",
         [](DesignData& d) {
             d.SigmaSa = "180.4";
             d.KekkaSigmaS[0] = "180.3";
         },
         ColSigmaS, R},
        {"σc tie", [](DesignData& d) { d.KekkaSigmaC[0] = "6.00"; }, ColSigmaC, 0},
        {"σc over", [](DesignData& d) { d.KekkaSigmaC[0] = "6.01"; }, ColSigmaC, R},
        {"τc tie", [](DesignData& d) { d.KekkaTauC[0] = "0.390"; }, ColTauC, 0},
        {"τc over", [](DesignData& d) { d.KekkaTauC[0] = "0.391"; }, ColTauC, R},
        {"τo tie", [](DesignData& d) { d.KekkaTauO[0] = "0.80"; }, ColTauO, 0},
        {"τo over", [](DesignData& d) { d.KekkaTauO[0] = "0.81"; }, ColTauO, R},
        {"spacing at the minimum", [](DesignData& d) { d.KekkaStirrupPitch[0] = "100"; }, ColPitch,
         0},
        {"spacing below the minimum", [](DesignData& d) { d.KekkaStirrupPitch[0] = "99"; },
         ColPitch, R},
        {"spacing Err", [](DesignData& d) { d.KekkaStirrupPitch[0] = "Err"; }, ColPitch, R},
        {"no spacing", [](DesignData& d) { d.KekkaStirrupPitch[0] = ""; }, ColPitch, 0},
        {"required at the cap", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = "115"; },
         ColPitchReq, 0},
        {"required at the minimum", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = "100"; },
         ColPitchReq, 0},
        {"required above the cap", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = "116"; },
         ColPitchReq, R},
        {"required below the minimum", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = "99"; },
         ColPitchReq, R},
        {"required ***", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = "***"; }, ColPitchReq, R},
        {"required Err", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = "Err"; }, ColPitchReq, R},
        {"no required spacing", [](DesignData& d) { d.KekkaStirrupPitchReq[0] = ""; }, ColPitchReq,
         R},
        // Without stirrups there is no spacing to require.
        {"no stirrups",
         [](DesignData& d) {
             d.KekkaStirrupBar[0] = 99;
             d.KekkaStirrupPitchReq[0] = "";
         },
         ColPitchReq, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedFitting();
        StirrupSpacingCap = 115;
        Design.KekkaStirrupBar[0] = 1;  // a row with stirrups, unless the case takes them
        c.set(Design);
        ColourCheckedCells(0, 0);
        EXPECT_EQ(CellColor(0, c.column, 0), c.color);
    }
}

TEST_F(FittingTest, ARecheckKeepsTheCountAndTheStepMarks) {
    Sikikekkacolor(0, 0);
    Design.KekkaBarCount[0] = "2";
    CellColor(0, ColBarCount, 0) = ColorStepped;
    chgkekkacolor(0, 0);
    EXPECT_EQ(Design.KekkaBarCount[0], "2");
    EXPECT_EQ(Design.KekkaAs[0], "253.4");
    EXPECT_EQ(Design.KekkaSigmaS[0], "189.4");
    EXPECT_EQ(CellColor(0, ColBarCount, 0), ColorStepped);
    EXPECT_EQ(CellColor(0, ColSigmaS, 0), R);
    EXPECT_EQ(CellColor(0, ColSigmaC, 0), 0);
}

TEST_F(FittingTest, TheRequiredSpacingAboveTheLimitIsShownBetweenBrackets) {
    Design.KekkaBarCount[0] = "2";
    Design.KekkaStirrupBar[0] = 1;
    Design.KekkaStirrupCount[0] = " 4";
    chgkekkacolor(0, 0);
    const Cells got = CellsOf(0, 0);
    EXPECT_EQ(got.text[9], "100");
    EXPECT_EQ(got.text[10], "[***]");
    EXPECT_EQ(got.color[10], R);
}

TEST_F(FittingTest, TheDisplaysOfASet) {
    const ResultDisplays shown = ResultDisplaysOf(0);
    EXPECT_EQ(shown.mmax, "   10.00");
    EXPECT_EQ(shown.smax, "   30.00");
    EXPECT_EQ(shown.requiredAs, "   276.1");
    EXPECT_EQ(shown.allowables,
              (std::array<std::string, 4>{"   180", "     6.0", "     0.39", "     0.8"}));
    // An empty design force is shown empty, not as 0.00.
    Design.YokoSmax[0] = "";
    Design.YokoMmax[0] = "  5.5";
    EXPECT_EQ(ResultDisplaysOf(1).smax, "");
    EXPECT_EQ(ResultDisplaysOf(1).mmax, "    5.50");
}

}  // namespace
}  // namespace talvo::test
