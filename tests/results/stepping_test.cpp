// Stepping the bar arrangement of a result row: bounds, the blue marks, the
// fit of the count and the immediate re-check.
#include "results/stepping.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "calc/rebar.h"
#include "results/fitting.h"
#include "results/resulttable.h"
#include "results_fixture.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo::test {
namespace {

constexpr std::int32_t R = ColorOut;
constexpr std::int32_t B = ColorStepped;
using Q = StepQuantity;
using W = StepWay;

// Rows 0 and 6 of the worked section fitted: three D13 with two legs of D13
// stirrups (D13 fits 4 times across either frame, D16 too).
void FittedRows() {
    WorkedDesign();
    Design.RequiredAs[0] = NumVal(CalcHituyouAs(0));
    Design.RequiredAs[1] = NumVal(CalcHituyouAs(1));
    CalcSyutekkinTate();
    CalcSyutekkinYoko();
    Sikikekkacolor(0, 0);
    Sikikekkacolor(1, 6);
}

struct StepCase {
    const char* name;
    std::function<void()> setup;
    int set, row;
    Q quantity;
    W way;
    bool stepped;
    // After the click: bar size, count, stirrup size and legs, and the
    // colours of columns 1, 2, 8 and 9.
    std::int16_t bar;
    const char* count;
    std::int16_t stirrupBar;
    const char* stirrupCount;
    std::array<std::int32_t, 4> marks;
};

TEST(StepResultRow, OneClick) {
    const auto none = [] {};
    const StepCase cases[] = {
        {"size up", none, 0, 0, Q::BarSize, W::Up, true, 2, "3", 1, " 2", {B, B, 0, 0}},
        {"size down", none, 0, 0, Q::BarSize, W::Down, true, 0, "3", 1, " 2", {B, B, 0, 0}},
        // D16 fits twice only: the count of 3 does not fit, the cell is red.
        {"size up past the fit",
         [] { Design.TateBarFit[2] = 2; },
         0,
         0,
         Q::BarSize,
         W::Up,
         true,
         2,
         "3",
         1,
         " 2",
         {B, R, 0, 0}},
        {"size up to one that does not fit",
         [] { Design.TateBarFit[2] = 0; },
         0,
         0,
         Q::BarSize,
         W::Up,
         true,
         2,
         "3",
         1,
         " 2",
         {B, R, 0, 0}},
        // At either end the size stays, but the row is marked and re-checked;
        // D51 fits twice across the frame.
        {"size at the lowest",
         [] { Design.KekkaBar[0] = 0; },
         0,
         0,
         Q::BarSize,
         W::Down,
         true,
         0,
         "3",
         1,
         " 2",
         {B, B, 0, 0}},
        {"size at the highest",
         [] { Design.KekkaBar[0] = 11; },
         0,
         0,
         Q::BarSize,
         W::Up,
         true,
         11,
         "3",
         1,
         " 2",
         {B, R, 0, 0}},
        {"count down", none, 0, 0, Q::BarCount, W::Down, true, 1, "2", 1, " 2", {0, B, 0, 0}},
        {"count up past the fit",
         [] { Design.KekkaBarCount[0] = "4"; },
         0,
         0,
         Q::BarCount,
         W::Up,
         true,
         1,
         "5",
         1,
         " 2",
         {0, R, 0, 0}},
        {"count of 1 down",
         [] { Design.KekkaBarCount[0] = "1"; },
         0,
         0,
         Q::BarCount,
         W::Down,
         false,
         1,
         "1",
         1,
         " 2",
         {0, 0, 0, 0}},
        {"count of 99 up",
         [] { Design.KekkaBarCount[0] = "99"; },
         0,
         0,
         Q::BarCount,
         W::Up,
         false,
         1,
         "99",
         1,
         " 2",
         {0, 0, 0, 0}},
        {"cleared count down",
         [] { Design.KekkaBarCount[0] = "0"; },
         0,
         0,
         Q::BarCount,
         W::Down,
         false,
         1,
         "0",
         1,
         " 2",
         {0, 0, 0, 0}},
        {"cleared count up",
         [] { Design.KekkaBarCount[0] = "0"; },
         0,
         0,
         Q::BarCount,
         W::Up,
         true,
         1,
         "1",
         1,
         " 2",
         {0, B, 0, 0}},
        {"stirrup size down",
         none,
         0,
         0,
         Q::StirrupSize,
         W::Down,
         true,
         1,
         "3",
         0,
         " 2",
         {0, 0, B, 0}},
        {"stirrup size at the lowest",
         [] { Design.KekkaStirrupBar[0] = 0; },
         0,
         0,
         Q::StirrupSize,
         W::Down,
         false,
         1,
         "3",
         0,
         " 2",
         {0, 0, 0, 0}},
        {"stirrup size at the highest",
         [] { Design.KekkaStirrupBar[0] = 11; },
         0,
         0,
         Q::StirrupSize,
         W::Up,
         false,
         1,
         "3",
         11,
         " 2",
         {0, 0, 0, 0}},
        {"legs up", none, 0, 0, Q::StirrupCount, W::Up, true, 1, "3", 1, "3", {0, 0, 0, B}},
        {"one leg down",
         [] { Design.KekkaStirrupCount[0] = "1"; },
         0,
         0,
         Q::StirrupCount,
         W::Down,
         false,
         1,
         "3",
         1,
         "1",
         {0, 0, 0, 0}},
        {"99 legs up",
         [] { Design.KekkaStirrupCount[0] = "99"; },
         0,
         0,
         Q::StirrupCount,
         W::Up,
         false,
         1,
         "3",
         1,
         "99",
         {0, 0, 0, 0}},
        // A row without stirrups shows no stirrup cells to step.
        {"stirrup size of a row without",
         [] { Design.KekkaStirrupBar[0] = 99; },
         0,
         0,
         Q::StirrupSize,
         W::Up,
         false,
         1,
         "3",
         99,
         " 2",
         {0, 0, 0, 0}},
        {"legs of a row without",
         [] { Design.KekkaStirrupBar[0] = 99; },
         0,
         0,
         Q::StirrupCount,
         W::Up,
         false,
         1,
         "3",
         99,
         " 2",
         {0, 0, 0, 0}},
        // The horizontal set (the print row when the vertical one is shown).
        {"horizontal row", none, 1, 6, Q::BarCount, W::Down, true, 1, "2", 1, " 2", {0, B, 0, 0}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        FittedRows();
        c.setup();
        const auto k = static_cast<std::size_t>(c.row);
        Design.KekkaSigmaS[k] = "old";
        DataChanged = 0;
        SetAllRecalc(false);

        EXPECT_EQ(StepResultRow(c.set, c.row, c.quantity, c.way), c.stepped);
        EXPECT_EQ(Design.KekkaBar[k], c.bar);
        EXPECT_EQ(Design.KekkaBarCount[k], c.count);
        EXPECT_EQ(Design.KekkaStirrupBar[k], c.stirrupBar);
        EXPECT_EQ(Design.KekkaStirrupCount[k], c.stirrupCount);
        const std::array<std::int32_t, 4> marks{
            CellColor(c.set, ColBar, c.row), CellColor(c.set, ColBarCount, c.row),
            CellColor(c.set, ColStirrupBar, c.row), CellColor(c.set, ColStirrupCount, c.row)};
        EXPECT_EQ(marks, c.marks);
        // A step re-checks the row at once; no step leaves it alone.
        EXPECT_EQ(Design.KekkaSigmaS[k] != "old", c.stepped);
        EXPECT_EQ(DataChanged, 0);
        EXPECT_EQ(RecalcResult + RecalcLoad + RecalcForce + RecalcKusabi + RecalcAnchorBar, 0);
    }
}

TEST(StepResultRow, TheRecheckFollowsTheNewArrangement) {
    // Three D13 → three D16: As 3·198.6 = 595.8 and every verdict anew.
    FittedRows();
    StepResultRow(0, 0, Q::BarSize, W::Up);
    EXPECT_EQ(Design.KekkaAs[0], "595.8");
    EXPECT_EQ(CellColor(0, ColAs, 0), 0);

    // One bar less than the fitting chose: the worked row's σs 189.4 is OUT.
    FittedRows();
    StepResultRow(0, 0, Q::BarCount, W::Down);
    EXPECT_EQ(Design.KekkaSigmaS[0], "189.4");
    EXPECT_EQ(CellColor(0, ColSigmaS, 0), R);

    // D10 stirrups (0.7133 cm²): a = ⌊142.66·180·230·0.889/18038⌋ = 291.
    FittedRows();
    StepResultRow(0, 0, Q::StirrupSize, W::Down);
    EXPECT_EQ(Design.KekkaStirrupPitchReq[0], "291");
    EXPECT_EQ(KekkaRowCells(0, 0)[ColStirrupBar - 1].text, "D10");
}

TEST(StepResultRow, AStepThatRemovesTheStirrupsEmptiesThem) {
    // Smax 24.00: with three D13 τc = 0.3478/0.889 → 0.392 needs stirrups,
    // with two 0.3478/0.906 → 0.384 does not.
    FittedRows();
    Design.TateSmax[0] = "24.00";
    Sikikekkacolor(0, 0);
    ASSERT_EQ(Design.KekkaBarCount[0], "3");
    ASSERT_TRUE(StirrupNeeded[0][0]);
    StepResultRow(0, 0, Q::BarCount, W::Down);
    EXPECT_FALSE(StirrupNeeded[0][0]);
    EXPECT_EQ(Design.KekkaStirrupBar[0], 99);
    EXPECT_EQ(Design.KekkaStirrupCount[0], "");
    EXPECT_EQ(KekkaRowCells(0, 0)[ColPitchReq - 1].text, "―");
    EXPECT_EQ(CellColor(0, ColPitchReq, 0), 0);
}

}  // namespace
}  // namespace talvo::test
