#include "shell/tables.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

TEST(StandardTables, DefaultsThatTheCalculationsLeanOn) {
    InitAllTables();

    // The stirrup bar points at D13.
    EXPECT_EQ(StirrupDefaults.BarIndex, 1);
    EXPECT_EQ(RebarSpecTable[StirrupDefaults.BarIndex].Name, "D13");
    EXPECT_DOUBLE_EQ(RebarSpecTable[1].Diameter, 12.7);
    // D51 follows D41 directly.
    EXPECT_EQ(RebarSpecTable[10].Name, "D41");
    EXPECT_EQ(RebarSpecTable[11].Name, "D51");
    EXPECT_DOUBLE_EQ(RebarSpecTable[11].Area, 20.27);
    EXPECT_DOUBLE_EQ(RebarSpecTable[0].Area, 0.7133);

    // The snow group holds one value, without a name.
    EXPECT_EQ(UnitWeightTable[2][0].Name, "");
    EXPECT_EQ(UnitWeightTable[2][0].Value, "3.5");
    EXPECT_EQ(UnitWeightTable[2][1].Value, "");
    EXPECT_EQ(UnitWeightTable[3][4].Name, "軟岩");

    // Two ground-anchor rows share their remark and differ in the factor.
    EXPECT_EQ(PullOutSafetyTable[1][2].Name, "永久アンカー（地震時）");
    EXPECT_EQ(PullOutSafetyTable[1][3].Name, "永久アンカー（地震時）");
    EXPECT_EQ(PullOutSafetyTable[1][2].Value, "1.5");
    EXPECT_EQ(PullOutSafetyTable[1][3].Value, "2.0");
    EXPECT_EQ(PullOutSafetyTable[1][4].Name, "");

    // Fractions stay unreduced; four or more spans take 1/9 and 17/28.
    EXPECT_EQ(SpanCoefficients.SmaxNum[3], 6);
    EXPECT_EQ(SpanCoefficients.SmaxDen[3], 10);
    EXPECT_EQ(SpanCoefficients.MmaxDen[4], 9);
    EXPECT_EQ(SpanCoefficients.SmaxNum[4], 17);
    EXPECT_EQ(SpanCoefficients.SmaxDen[4], 28);

    // The standard names begin with the half-width "(参考)".
    EXPECT_EQ(StandardName[0], "(参考)全国特定法面保護協会");
    EXPECT_EQ(AllowableStressTable[1][0].SigmaCk, "");
    EXPECT_EQ(AllowableStressTable[1][1].SigmaSa, "180");
    EXPECT_EQ(AllowableStressTable[3][4].TauCa, "");
    EXPECT_EQ(RebarCountRule.WidthClassMax[5], "1000");
    EXPECT_EQ(RebarCountRule.BoxOutDia[1][3], "150");
    EXPECT_EQ(SteelStressTable[1].Name, "SD 295");
    EXPECT_EQ(PlateStressTable[1].Value, "210");
}

TEST(StandardTables, StirrupBuilderLeavesTheShearFormulaAlone) {
    StirrupDefaults = {};
    StirrupDefaults.ScFormula = 1;
    InitStirrupDefaults();
    EXPECT_EQ(StirrupDefaults.ScFormula, 1);
    EXPECT_EQ(StirrupDefaults.MinSpacing, 100);
    EXPECT_EQ(StirrupDefaults.MaxSpacing, 300);
    EXPECT_EQ(StirrupDefaults.SpacingStep, 50);
    EXPECT_EQ(StirrupDefaults.BarCount, 2);
    EXPECT_EQ(StirrupDefaults.MaxHalfDepth, 1);
    StirrupDefaults.ScFormula = 0;
}

TEST(StandardTables, EachBuilderOverwritesOnlyItsTable) {
    InitAllTables();
    RebarSpecTable[0].Name = "X";
    SnowRule.GradientLimit[0] = "9";
    UnitWeightTable[0][4] = {"leftover", "1"};  // a row the defaults leave empty
    InitRebarSpecTable();
    InitUnitWeightTable();
    EXPECT_EQ(RebarSpecTable[0].Name, "D10");
    EXPECT_EQ(UnitWeightTable[0][4].Name, "");
    EXPECT_EQ(UnitWeightTable[0][4].Value, "");
    EXPECT_EQ(SnowRule.GradientLimit[0], "9");
    InitAllTables();
}

}  // namespace
}  // namespace talvo
