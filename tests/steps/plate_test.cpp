// The anchor-plate rules of the ground anchors: the bearing verdict, the
// plate width against the box-out and the beam, the thickness against the
// required thickness, and what the two steps compute on activation.
#include "steps/plate.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

TEST(PlateRules, BearingVerdictOnTheShownTexts) {
    struct Case {
        const char *sigmaB, *sigmaBa;
        const char *sign, *mark;
        bool out;
    };
    const Case cases[] = {
        {"    6.83", "    9.00", "≦", "･･･ok", false},
        {"    9.00", "    9.00", "≦", "･･･ok", false},   // a tie passes
        {"    9.01", "    9.00", "＞", "･･･out", true},  // one step past
        {"   18.92", "    9.00", "＞", "･･･out", true},
        {"", "    9.00", "", "･･･", false},
        {"    6.83", "", "", "･･･", false},
        {"", "", "", "･･･", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sigmaB) + " / " + c.sigmaBa);
        const BearingVerdict v = JudgeBearing(c.sigmaB, c.sigmaBa);
        EXPECT_EQ(v.sign, c.sign);
        EXPECT_EQ(v.mark, c.mark);
        EXPECT_EQ(v.out, c.out);
    }
}

TEST(PlateRules, PlateWidthAgainstBoxOutAndBeam) {
    using F = PlateWidthFault;
    struct Case {
        const char *u, *d, *b;
        F fault;
    };
    const Case cases[] = {
        {"", "150", " 200", F::None},
        {"    149", "150", " 200", F::UnderBoxOut},
        {"    150", "150", " 200", F::None},  // as wide as the box-out: no fault
        {"    200", "150", " 200", F::None},  // as wide as the beam: no fault
        {"    201", "150", " 200", F::OverFrame},
        // A plate both narrower than the box-out and wider than the beam is
        // told of the box-out.
        {"    250", "300", " 200", F::UnderBoxOut},
        {"    999", "", "", F::None},
        {"     10", "", " 200", F::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.u) + " D" + c.d + " b" + c.b);
        EXPECT_EQ(JudgePlateWidth(c.u, c.d, c.b), c.fault);
    }
    EXPECT_EQ(PlateWidthWarning(F::UnderBoxOut), "アンカーの箱抜き径を下回っています。");
    EXPECT_EQ(PlateWidthWarning(F::OverFrame), "のり枠の幅を超えています。");
    EXPECT_EQ(PlateWidthWarning(F::None), "");
}

TEST(PlateRules, ThicknessAgainstTheRequiredThickness) {
    struct Case {
        const char *required, *t;
        bool thin;
    };
    const Case cases[] = {
        {"12.0", "      12", false},                              // equal: enough
        {"12.0", "      11", true},  {"12.1", "      12", true},  // any shortfall counts
        {"11.9", "      12", false}, {"", "      12", false},  // nothing required to compare with
        {"12.0", "", false},                                   // no thickness given yet
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlateTooThin(c.required, c.t), c.thin) << c.required << " / " << c.t;
}

// The bearing example: b = 300 (class 2), its box-out set to 100, u = 150,
// σck = 18, Pt = 100.0. A = 90 000; Ap = 150² − π·100²/4 = 14 646.0… → 14646;
// σba1 = (0.25 + 0.05·90 000/14 646)·18 = 10.03… and σba2 = 9.00 governs;
// σb = 100 000/14 646 = 6.827… → 6.83 (up).
void BearingExample() {
    FillDesign(4);
    Design.SectionBx = Design.SectionBy = " 300";
    RebarCountRule.BoxOutDia[1][2] = "100";
    Design.PlateU = "    150";
    Design.Pt = "100.0";
}

TEST(PlateActivation, BearingRunsTheAnchorLoadOnlyWhileItIsRaised) {
    BearingExample();
    SetAllRecalc(false);
    DataChanged = 0;
    RunBearingOnActivation();
    EXPECT_EQ(Design.SiatuFrameB, " 300");
    EXPECT_EQ(Design.BoxOutD, "100");
    EXPECT_EQ(Design.SiatuA, "90000");
    EXPECT_EQ(Design.Ap, "14646");
    EXPECT_EQ(Design.SigmaBa, "9.00");
    EXPECT_EQ(Design.SigmaB, "6.83");
    EXPECT_EQ(RecalcResult, 0);

    // Raised: Pt follows the restraint conditions and the 300 mm beams of the
    // design (29.6 kN): σb = 29 600/14 646 = 2.021… → 2.03 (up).
    RecalcLoad = 1;
    RunBearingOnActivation();
    EXPECT_EQ(Design.Pt, "29.6");
    EXPECT_EQ(Design.SigmaB, "2.03");
    EXPECT_EQ(RecalcLoad, 0);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(DataChanged, 0);
}

TEST(PlateActivation, PlateRunsTheAnchorLoadOnlyWhileItIsRaised) {
    // D 150 (200 mm beams), u 150, σpa 185: with Pt 150.0, M = 75 000·150/4
    // = 2 812 500 and t = √(6·2 812 500/(150·185)) = 24.65… → 24.7; with the
    // design's own Pt 29.5, M = 553 125 and t = 10.93… → 11.0.
    FillDesign(4);
    Design.Pt = "150.0";
    SetAllRecalc(false);
    DataChanged = 0;
    RunPlateOnActivation();
    EXPECT_EQ(Design.PlateM, "2812500");
    EXPECT_EQ(Design.PlateTReq, "24.7");
    EXPECT_EQ(RecalcResult, 0);

    RecalcLoad = 1;
    RunPlateOnActivation();
    EXPECT_EQ(Design.Pt, "29.5");
    EXPECT_EQ(Design.PlateM, "553125");
    EXPECT_EQ(Design.PlateTReq, "11.0");
    EXPECT_EQ(RecalcLoad, 0);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(DataChanged, 0);
}

}  // namespace
}  // namespace talvo::test
