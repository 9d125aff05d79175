// The recalculation chain with the rebuild of the results, and the redisplay.
#include "results/rebuild.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "results/fitting.h"
#include "results/resulttable.h"
#include "results/stepping.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

// What the results leave in the program: the record and the program-wide
// arrays beside it. (StirrupSpacingCap is a working value of the last check
// with stirrups, read at once by its colour rule, not a result.)
struct Snapshot {
    DesignData design;
    decltype(ResultColor) colors;
    decltype(StirrupNeeded) needed;
};

Snapshot Take() {
    return {Design, ResultColor, StirrupNeeded};
}

// Field by field, the results first by name, then everything else at once.
void ExpectSame(const Snapshot& got, const Snapshot& want) {
    const DesignData& g = got.design;
    const DesignData& w = want.design;
#define TALVO_SAME(field) EXPECT_EQ(g.field, w.field) << #field
    TALVO_SAME(KekkaTab);
    TALVO_SAME(KekkaBar);
    TALVO_SAME(KekkaBarCount);
    TALVO_SAME(KekkaAs);
    TALVO_SAME(KekkaSigmaS);
    TALVO_SAME(KekkaSigmaC);
    TALVO_SAME(KekkaTauC);
    TALVO_SAME(KekkaTauO);
    TALVO_SAME(KekkaStirrupBar);
    TALVO_SAME(KekkaStirrupCount);
    TALVO_SAME(KekkaStirrupPitch);
    TALVO_SAME(KekkaStirrupPitchReq);
    TALVO_SAME(KekkaPrintRow);
    TALVO_SAME(RequiredAs);
    TALVO_SAME(TateBarFit);
    TALVO_SAME(YokoBarFit);
    TALVO_SAME(KekkaP);
    TALVO_SAME(KekkaK);
    TALVO_SAME(KekkaJ);
    TALVO_SAME(KekkaM);
    TALVO_SAME(KekkaSc);
    TALVO_SAME(KekkaSs);
    TALVO_SAME(DesignMmax);
    TALVO_SAME(DesignSmax);
    TALVO_SAME(DesignAsReq);
    TALVO_SAME(TateMmax);
    TALVO_SAME(TateSmax);
    TALVO_SAME(YokoMmax);
    TALVO_SAME(YokoSmax);
    TALVO_SAME(Pt);
#undef TALVO_SAME
    EXPECT_TRUE(g == w) << "a field outside the results differs";
    EXPECT_EQ(got.colors, want.colors) << "ResultColor";
    EXPECT_EQ(got.needed, want.needed) << "StirrupNeeded";
}

// The result texts, required areas and colours, to tell whether a change
// reached them.
std::vector<std::string> Outcome(const Snapshot& s) {
    const DesignData& d = s.design;
    std::vector<std::string> out{std::to_string(d.RequiredAs[0]), std::to_string(d.RequiredAs[1]),
                                 std::to_string(d.DesignAsReq)};
    for (const auto& set : s.colors)
        for (const auto& column : set)
            for (std::int32_t c : column) out.push_back(std::to_string(c));
    for (std::size_t k = 0; k < 12; ++k) {
        for (const std::string* f :
             {&d.KekkaBarCount[k], &d.KekkaAs[k], &d.KekkaSigmaS[k], &d.KekkaSigmaC[k],
              &d.KekkaTauC[k], &d.KekkaTauO[k], &d.KekkaStirrupPitchReq[k]})
            out.push_back(*f);
    }
    return out;
}

// A filled design with a section per frame; the anchored types with the
// design load computed or entered directly.
void Base(std::int16_t workType, bool directPt) {
    FillDesign(workType);
    Design.SameSection = 0;
    Design.SectionBx = " 250";
    Design.SectionHx = " 250";
    Design.SectionDx = " 190";
    if (directPt) {
        Design.PtDirect = 1;
        Design.PtInput = "  30.0";
    }
}

struct Change {
    const char* name;
    std::function<void()> apply;
    // The flags the input step raises for it.
    std::vector<std::int16_t*> flags;
    bool directPtOnly = false;
};

TEST(RunResultsActivation, AChangedInputGivesTheResultsOfAFreshCalculation) {
    const Change changes[] = {
        {"vertical section",
         [] {
             Design.SectionBy = " 300";
             Design.SectionHy = " 300";
             Design.SectionDy = " 230";
         },
         {&RecalcLoad, &RecalcForce, &RecalcAnchorBar}},
        {"span",
         [] {
             Design.SpanX = " 2.500";
             Design.TotalLengthX = " 8.300";
         },
         {&RecalcLoad, &RecalcForce, &RecalcAnchorBar}},
        {"σsa", [] { Design.SigmaSa = "140"; }, {&RecalcResult}},
        {"average shear stress", [] { Design.ShearStressMode = 0; }, {&RecalcResult}},
        {"one section", [] { Design.SameSection = 1; }, {&RecalcResult}},
        {"design load entered", [] { Design.PtInput = "  45.0"; }, {&RecalcLoad}, true},
    };
    struct Design_ {
        std::int16_t workType;
        bool directPt;
    };
    const Design_ designs[] = {{0, false}, {1, false}, {2, false}, {3, false},
                               {4, false}, {3, true},  {4, true}};
    for (const Design_& des : designs) {
        for (const Change& change : changes) {
            if (change.directPtOnly && !des.directPt) continue;
            SCOPED_TRACE(std::string("work type ") + std::to_string(des.workType) +
                         (des.directPt ? " (Pt entered), " : ", ") + change.name);
            // Fresh: every flag raised, as after reading the changed design.
            Base(des.workType, des.directPt);
            change.apply();
            SetAllRecalc(true);
            EXPECT_TRUE(RunResultsActivation());
            const Snapshot fresh = Take();

            // The base design brought up to date, then changed by the step.
            Base(des.workType, des.directPt);
            SetAllRecalc(true);
            EXPECT_TRUE(RunResultsActivation());
            const Snapshot before = Take();
            change.apply();
            for (std::int16_t* flag : change.flags) *flag = 1;
            EXPECT_TRUE(RunResultsActivation());
            ExpectSame(Take(), fresh);
            EXPECT_EQ(RecalcKusabi + RecalcLoad + RecalcForce + RecalcAnchorBar + RecalcResult, 0);

            // The change reached the results, so the rebuild had work to do.
            // Work type 2 has horizontal beams only, and one result set
            // whatever the sections.
            const std::string name = change.name;
            if (des.workType != 2 || (name != "vertical section" && name != "one section")) {
                EXPECT_NE(Outcome(Take()), Outcome(before));
            }
        }
    }
}

TEST(RunResultsActivation, WithoutRaisedFlagsOnlyTheAnchorageIsWorkedOut) {
    for (std::int16_t type : {0, 3, 4}) {
        SCOPED_TRACE(type);
        Base(type, false);
        SetAllRecalc(true);
        RunResultsActivation();
        Design.KekkaPrintRow = {2, 3};
        Design.KekkaSigmaS[0] = "stale";
        CellColor(0, ColBar, 0) = ColorStepped;
        Design.BondLa1 = Design.RockLength = Design.AnchorLength = "stale";

        EXPECT_FALSE(RunResultsActivation());
        EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{2, 3}));
        EXPECT_EQ(Design.KekkaSigmaS[0], "stale");
        EXPECT_EQ(CellColor(0, ColBar, 0), ColorStepped);
        EXPECT_EQ(Design.BondLa1 == "stale", type == 0);
    }
}

TEST(RunResultsActivation, WhichFlagsRebuild) {
    struct Case {
        const char* name;
        std::int16_t workType;
        std::int16_t* flag;
        bool rebuilt;
    };
    const Case cases[] = {
        // The main anchor bar's shear stress is worked out, the results stand.
        {"anchor bar", 0, &RecalcAnchorBar, false},
        // Work type 2 has no load to compute, yet its results may have changed.
        {"load of work type 2", 2, &RecalcLoad, true},
        {"wedge", 0, &RecalcKusabi, true},
        {"horizontal forces of an anchored type", 3, &RecalcForce, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Base(c.workType, false);
        SetAllRecalc(true);
        RunResultsActivation();
        Design.KekkaSigmaS[6] = "stale";
        Design.AncBarTauS = "stale";
        *c.flag = 1;
        EXPECT_EQ(RunResultsActivation(), c.rebuilt);
        EXPECT_EQ(Design.KekkaSigmaS[6] != "stale", c.rebuilt);
        EXPECT_EQ(Design.AncBarTauS != "stale", c.flag == &RecalcAnchorBar);
        EXPECT_EQ(*c.flag, 0);
    }
}

TEST(RebuildResults, TwoSetsStartOnTheVerticalFrameWithNothingChosen) {
    Base(0, false);
    SetAllRecalc(true);
    RunResultsActivation();
    Design.KekkaTab = 1;
    Design.KekkaPrintRow = {2, 5};
    Design.KekkaBar[7] = 3;
    StepResultRow(1, 7, StepQuantity::BarCount, StepWay::Up);

    RecalcResult = 1;
    RunResultsActivation();
    EXPECT_EQ(Design.KekkaTab, 0);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{0, 0}));
    // The stepped size stays; its count and blue marks do not.
    EXPECT_EQ(Design.KekkaBar[7], 3);
    EXPECT_EQ(CellColor(1, ColBar, 7), 0);
    EXPECT_EQ(CellColor(1, ColBarCount, 7), 0);
    EXPECT_NE(Design.RequiredAs[0], 0);
    // Both sets fitted: a row has bars unless its size does not fit across
    // its frame (D22 and D25 are too deep for the vertical 200 × 200, d 150).
    for (int row = 0; row < 12; ++row) {
        const int set = row / 6;
        const auto& fit = set == 0 ? Design.TateBarFit : Design.YokoBarFit;
        const bool fits = fit[static_cast<std::size_t>(Design.KekkaBar[row])] > 0;
        EXPECT_EQ(Design.KekkaBarCount[row] != "0", fits) << row;
        EXPECT_EQ(CellColor(set, ColBarCount, row) == ColorOut, !fits) << row;
    }
}

TEST(RebuildResults, OneSetLeavesTheVerticalSetEmpty) {
    for (std::int16_t type : {2, 4}) {
        SCOPED_TRACE(type);
        FillDesign(type);
        Design.SameSection = type == 2 ? 0 : 1;
        // Beams wide enough for a bar either side of the anchor box-out.
        if (type == 4) Design.SectionBx = Design.SectionBy = " 300";
        // What an earlier design or mode left behind.
        Design.KekkaBarCount[0] = "3";
        Design.KekkaSigmaS[0] = "stale";
        Design.RequiredAs[0] = 123;
        Design.TateBarFit[2] = 4;
        StirrupNeeded[0][0] = true;
        CellColor(0, ColAs, 0) = ColorOut;
        SetAllRecalc(true);

        EXPECT_TRUE(RunResultsActivation());
        EXPECT_EQ(Design.KekkaTab, 1);
        EXPECT_EQ(Design.RequiredAs[0], 0);
        EXPECT_EQ(Design.TateBarFit, (std::array<std::int16_t, 12>{}));
        EXPECT_EQ(Design.KekkaBarCount[0], "0");
        EXPECT_EQ(Design.KekkaSigmaS[0], "");
        EXPECT_FALSE(StirrupNeeded[0][0]);
        EXPECT_EQ(CellColor(0, ColAs, 0), 0);
        EXPECT_NE(Design.KekkaBarCount[6], "0");
        // One section: the governing forces of the two frames.
        if (type == 4) {
            EXPECT_NE(Design.DesignMmax, "");
        }
        EXPECT_EQ(SingleSetCaption(), type == 2 ? "横　枠" : "縦　横");
    }
}

TEST(RedisplayResults, RefitsBothSetsAndKeepsThePrintRows) {
    Base(0, false);
    SetAllRecalc(true);
    RunResultsActivation();
    const Snapshot fitted = Take();
    Design.KekkaPrintRow = {1, 2};
    StepResultRow(0, 0, StepQuantity::BarCount, StepWay::Up);
    StepResultRow(1, 7, StepQuantity::BarCount, StepWay::Up);

    RedisplayResults();
    Snapshot again = Take();
    EXPECT_EQ(again.design.KekkaPrintRow, (std::array<std::int16_t, 2>{1, 2}));
    // Apart from the print rows, the fitting as it was.
    again.design.KekkaPrintRow = fitted.design.KekkaPrintRow;
    ExpectSame(again, fitted);
}

TEST(RedisplayResults, InOneSetModeTheVerticalSetIsWorkedOutToo) {
    // With no bar fits computed for it, every vertical row is a size that
    // does not fit: count 0 and red, and nothing of it is printed.
    FillDesign(0);
    SetAllRecalc(true);
    RunResultsActivation();
    Design.KekkaPrintRow = {0, 1};
    const std::string horizontal = Design.KekkaSigmaS[6];
    RedisplayResults();
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(Design.KekkaBarCount[row], "0");
        EXPECT_EQ(CellColor(0, ColBarCount, row), ColorOut);
    }
    EXPECT_EQ(Design.KekkaSigmaS[6], horizontal);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{0, 1}));
}

TEST(InitDesignData, ForgetsWhichRowsNeededStirrups) {
    StirrupNeeded[1][5] = true;
    InitDesignData();
    EXPECT_FALSE(StirrupNeeded[1][5]);
}

}  // namespace
}  // namespace talvo::test
