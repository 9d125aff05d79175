// The design-load steps: the restraint term the formula shows, the note of
// a negative ΔPr, and the two choices, which recompute the load at once
// when they change and do nothing when they do not.
#include "steps/designload.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/anchorload.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

TEST(DesignLoadCaption, RestraintTermByModeOptionAndKind) {
    struct Case {
        int mode;
        int usePlanFs;
        const char* rockBolt;
        const char* groundAnchor;
    };
    const Case cases[] = {
        // Tightening has no cos β term for PFs to act on.
        {0, 0, "sinβ･tanφ", "sinβ･tanφ"},
        {0, 1, "sinβ･tanφ", "sinβ･tanφ"},
        {1, 0, "cosβ", "cosβ"},
        {1, 1, "cosβ･ＰＦs", "cosβ･PFs"},
        {2, 0, "sinβ･tanφ＋cosβ", "sinβ･tanφ＋cosβ"},
        {2, 1, "sinβ･tanφ＋cosβ･ＰＦs", "sinβ･tanφ＋cosβ･PFs"},
        {3, 1, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.usePlanFs));
        EXPECT_EQ(RestraintTermCaption(c.mode, c.usePlanFs, DesignLoadKind::RockBolt), c.rockBolt);
        EXPECT_EQ(RestraintTermCaption(c.mode, c.usePlanFs, DesignLoadKind::GroundAnchor),
                  c.groundAnchor);
    }
    EXPECT_FALSE(PlanFsOptionOpen(0));
    EXPECT_TRUE(PlanFsOptionOpen(1));
    EXPECT_TRUE(PlanFsOptionOpen(2));
}

TEST(DesignLoadCaption, UnitNoteShowsOnlyANegativeComputedIncrease) {
    struct Case {
        const char* computed;
        const char* note;
    };
    // A negative value is written as it is kept, with one decimal.
    for (Case c : {Case{"", "(kN/m)"}, Case{"0.0", "(kN/m)"}, Case{"5.0", "(kN/m)"},
                   Case{"-1.3", "<-1.3>  (kN/m)"}, Case{"-0.1", "<-0.1>  (kN/m)"},
                   Case{"-12.0", "<-12.0>  (kN/m)"}})
        EXPECT_EQ(DeltaPrUnitNote(c.computed), c.note) << c.computed;
    EXPECT_EQ(LoadValueText("110.0"), "   110.0");
    EXPECT_EQ(LoadValueText("0.0"), "     0.0");
    EXPECT_EQ(LoadValueText(""), "");
}

// The worked design with each restraint choice, for rock bolts and ground
// anchors: S = (Pr + ΔPr)·＠ / n = (50.0 + 5.0)·2.000 / 1 = 110.0 and
// Pt = S / c (bolts), Pt = (Pr + ΔPr) / c·＠ / n (anchors), the same here.
struct LoadCase {
    int mode;
    int usePlanFs;
    const char* pt;
    const char* arithmetic;
};
const LoadCase kLoads[] = {
    {1, 0, "155.6", "c = cos 45° = 0.70711; 110.0 / 0.70711 = 155.56"},
    {1, 1, "86.4", "c = cos 45°·1.80 = 1.27279; 110.0 / 1.27279 = 86.42"},
    {0, 0, "269.4", "c = sin 45°·tan 30° = 0.40825; 110.0 / 0.40825 = 269.44"},
    {0, 1, "269.4", "PFs has no cos β term to act on"},
    {2, 0, "98.6", "c = 0.40825 + 0.70711 = 1.11536; 110.0 / 1.11536 = 98.62"},
    {2, 1, "65.4", "c = 0.40825 + 1.27279 = 1.68104; 110.0 / 1.68104 = 65.44"},
};

class DesignLoadChoice : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        FillWorkedAnchorDesign(static_cast<std::int16_t>(GetParam()));
        RecalcRock();
        DataChanged = 0;
        SetAllRecalc(false);
    }
};

TEST_P(DesignLoadChoice, WorkedDesignUnderEveryRestraint) {
    ASSERT_EQ(Design.DeltaPrCalc, "5.0");
    ASSERT_EQ(Design.DeltaPr, "5.0");
    for (const LoadCase& c : kLoads) {
        SCOPED_TRACE(c.arithmetic);
        Design.RestraintMode = static_cast<std::int16_t>(c.mode);
        Design.UsePlanFs = static_cast<std::int16_t>(c.usePlanFs);
        RecalcRock();
        EXPECT_EQ(Design.Pt, c.pt);
        EXPECT_EQ(Design.PtCalc, c.pt);
        EXPECT_EQ(Design.RockS, GetParam() == 3 ? "110.0" : "");
    }
    // As the step shows them.
    Design.RestraintMode = 1;
    Design.UsePlanFs = 0;
    RecalcRock();
    EXPECT_EQ(LoadValueText(Design.RockS), GetParam() == 3 ? "   110.0" : "");
    EXPECT_EQ(LoadValueText(Design.DeltaPr), "     5.0");
    EXPECT_EQ(LoadValueText(Design.Pt), "   155.6");
}

TEST_P(DesignLoadChoice, AChangedChoiceRecomputesAtOnceAndTheOneInForceDoesNothing) {
    // The mode in force: nothing stored, nothing recomputed.
    Design.Pt = "stale";
    EXPECT_FALSE(ChooseRestraintMode(1));
    EXPECT_FALSE(ChoosePlanFs(false));
    EXPECT_EQ(Design.Pt, "stale");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcResult, 0);

    EXPECT_TRUE(ChooseRestraintMode(0));
    EXPECT_EQ(Design.RestraintMode, 0);
    EXPECT_EQ(Design.Pt, "269.4");
    EXPECT_EQ(DataChanged, 1);
    // The chain asks for the results again; the load flag is not touched.
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(RecalcLoad, 0);

    // PFs ticked in tightening: stored and marked, the load unchanged.
    DataChanged = 0;
    EXPECT_TRUE(ChoosePlanFs(true));
    EXPECT_EQ(Design.UsePlanFs, 1);
    EXPECT_EQ(Design.Pt, "269.4");
    EXPECT_EQ(DataChanged, 1);

    // Holding again takes the kept option.
    EXPECT_TRUE(ChooseRestraintMode(1));
    EXPECT_EQ(Design.Pt, "86.4");
    EXPECT_TRUE(ChoosePlanFs(false));
    EXPECT_EQ(Design.Pt, "155.6");
}

TEST_P(DesignLoadChoice, ARestraintAtRightAnglesGivesNoLoad) {
    // β = 30° + 60° = 90°: holding has cos β = 0, so there is no load (and
    // no shear force of the bolt) rather than a huge one.
    Design.InstallAngle = "   60.00";
    RecalcRock();
    EXPECT_EQ(Design.Pt, "");
    EXPECT_EQ(LoadValueText(Design.Pt), "");
    // Tightening still holds: sin 90°·tan 30° = 0.57735; 110.0 / 0.57735 = 190.53.
    EXPECT_TRUE(ChooseRestraintMode(0));
    EXPECT_EQ(Design.Pt, "190.5");
}

TEST_P(DesignLoadChoice, ANegativeIncreaseIsTakenAsZero) {
    // PFs = 0.80: ΔPr = 0.80·12.5·0.5 − 6.25 = −1.25, shown as −1.3 beside
    // a ΔPr of 0.0; Pt = 50.0·2.000 / 1 / cos 45° = 141.42.
    Design.PlanFs = "    0.80";
    RecalcRock();
    EXPECT_EQ(Design.DeltaPrCalc, "-1.3");
    EXPECT_EQ(DeltaPrUnitNote(Design.DeltaPrCalc), "<-1.3>  (kN/m)");
    EXPECT_EQ(LoadValueText(Design.DeltaPr), "     0.0");
    EXPECT_EQ(Design.Pt, "141.4");
}

INSTANTIATE_TEST_SUITE_P(BoltsAndAnchors, DesignLoadChoice, ::testing::Values(3, 4),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 3 ? std::string("RockBolts")
                                                    : std::string("GroundAnchors");
                         });

}  // namespace
}  // namespace talvo::test
