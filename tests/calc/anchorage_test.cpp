// Bond lengths, total length, bearing pressure and plate thickness of the
// rock bolts and ground anchors. Expected texts are worked out by hand from
// the formulas; the intermediate values stand in the tables.
#include "calc/anchorage.h"

#include <gtest/gtest.h>

#include <string>

#include "calc_fixture.h"
#include "shell/design.h"
#include "shell/tables.h"

namespace talvo {
namespace {

using test::CalcTest;
using test::FillDesign;

TEST(RoundUpTenthTest, RaisesToTheNextTenthInWholeThousandths) {
    struct Case {
        double length;
        const char* expected;
    };
    // 0.301, 0.601 and 0.701 stay on the lower step when the rounding is done
    // as (La − 0.001)/0.1 in binary doubles.
    const Case cases[] = {
        {2.000, "2.0"}, {2.001, "2.1"}, {2.002, "2.1"}, {2.050, "2.1"}, {2.150, "2.2"},
        {0.301, "0.4"}, {0.601, "0.7"}, {0.701, "0.8"}, {3.537, "3.6"}, {0.100, "0.1"},
        {0.000, "0.0"}, {0.001, "0.1"}, {9.399, "9.4"}, {12.9, "12.9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundUpTenth(c.length), c.expected) << c.length;
    }
}

class TeityakuTest : public CalcTest {};

TEST_F(TeityakuTest, GroundAnchorWorkedExample) {
    // T = 300 000 N; La1 = T·2.5/(π·0.135·0.5e6) = 3.5368… → 3.537 → 3.6;
    // La2 = T/(π·0.0127·0.8e6) = 9.3987… → 9.399 → 9.4 (no safety factor).
    FillDesign(4);
    Design.Pt = " 300.0";
    Design.AnchorDa = "135";
    Design.AnchorTauG = "0.50";
    Design.AnchorFs = "2.5";
    Design.AnchorDs = "12.7";
    Design.AnchorTauB = "0.80";
    CalcTeityaku();
    EXPECT_EQ(Design.BondLa1, "3.537");
    EXPECT_EQ(Design.BondLa1Up, "3.6");
    EXPECT_EQ(Design.BondLa2, "9.399");
    EXPECT_EQ(Design.BondLa2Up, "9.4");
}

TEST_F(TeityakuTest, RockBoltTakesTheBarDiameterFromTheTable) {
    // Pt 29.6 kN, da 65 mm, τ 0.20, Fs 2.5: La1 = 29 600·2.5/(π·0.065·0.2e6)
    // = 1.8117… → 1.812 → 1.9; D25 (25.4 mm), τb 1.60: La2 = 0.2318… → 0.232
    // → 0.3; D13 (12.7 mm): La2 = 0.4637… → 0.464 → 0.5.
    struct Case {
        std::int16_t bar;
        const char *la2, *la2Up;
    };
    const Case cases[] = {{5, "0.232", "0.3"}, {1, "0.464", "0.5"}, {99, "", ""}, {-1, "", ""}};
    for (const Case& c : cases) {
        FillDesign(3);
        Design.Pt = "29.6";
        Design.RockBarIndex = c.bar;
        CalcTeityaku();
        EXPECT_EQ(Design.BondLa1, "1.812") << c.bar;
        EXPECT_EQ(Design.BondLa1Up, "1.9") << c.bar;
        EXPECT_EQ(Design.BondLa2, c.la2) << c.bar;
        EXPECT_EQ(Design.BondLa2Up, c.la2Up) << c.bar;
    }
}

TEST_F(TeityakuTest, MissingInputsLeaveTheirLengthEmpty) {
    struct Case {
        const char* name;
        std::int16_t workType;
        void (*change)();
        const char *la1, *la1Up, *la2, *la2Up;
    };
    // Fixture ground anchor with Pt 29.5: La1 = 0.6805… → 0.681 → 0.7,
    // La2 = 0.9242… → 0.925 → 1.0.
    const Case cases[] = {
        {"complete", 4, [] {}, "0.681", "0.7", "0.925", "1.0"},
        {"no load", 4, [] { Design.Pt = ""; }, "", "", "", ""},
        {"no drill hole", 4, [] { Design.AnchorDa = ""; }, "", "", "0.925", "1.0"},
        {"zero friction", 4, [] { Design.AnchorTauG = "0"; }, "", "", "0.925", "1.0"},
        {"no tendon", 4, [] { Design.AnchorDs = " "; }, "0.681", "0.7", "", ""},
        {"zero bond", 4, [] { Design.AnchorTauB = "0.00"; }, "0.681", "0.7", "", ""},
        {"no safety factor", 4, [] { Design.AnchorFs = ""; }, "0.000", "0.0", "0.925", "1.0"},
        {"frame only", 2, [] {}, "", "", "", ""},
        {"no work type", 5, [] {}, "", "", "", ""},
    };
    for (const Case& c : cases) {
        FillDesign(4);
        Design.Pt = "29.5";
        Design.BondLa1 = Design.BondLa2 = Design.BondLa1Up = Design.BondLa2Up = "old";
        Design.WorkType = c.workType;
        c.change();
        CalcTeityaku();
        EXPECT_EQ(Design.BondLa1, c.la1) << c.name;
        EXPECT_EQ(Design.BondLa1Up, c.la1Up) << c.name;
        EXPECT_EQ(Design.BondLa2, c.la2) << c.name;
        EXPECT_EQ(Design.BondLa2Up, c.la2Up) << c.name;
    }
}

TEST_F(CalcTest, ZentyouAddsAnchorageAndFreeLength) {
    struct Case {
        std::int16_t workType;
        const char *la, *lf;
        const char *rock, *anchor;
    };
    const Case cases[] = {
        {3, " 2.0", " 1.5", "3.5", "old"}, {4, " 3.0", " 4.0", "old", "7.0"},
        {3, "", " 1.5", "", "old"},        {4, " 3.0", "", "old", ""},
        {3, "0", "0", "0.0", "old"},       {2, " 2.0", " 1.5", "old", "old"},
    };
    for (const Case& c : cases) {
        FillDesign(c.workType);
        Design.RockLa = Design.AnchorLa = c.la;
        Design.RockLf = Design.AnchorLf = c.lf;
        Design.RockLength = Design.AnchorLength = "old";
        CalcZentyou();
        EXPECT_EQ(Design.RockLength, c.rock) << c.workType << c.la << c.lf;
        EXPECT_EQ(Design.AnchorLength, c.anchor) << c.workType << c.la << c.lf;
    }
}

TEST_F(CalcTest, SiatuBearingUnderThePlate) {
    struct Case {
        const char *bx, *by, *u, *ck, *pt;
        const char *frameB, *boxOut, *a, *ap, *ba1, *ba2, *ba, *b;
    };
    // b = the narrower beam; class 1 (200–299) and class 5 both have D 150.
    // Ap = u² − π·150²/4: 200 → 22328.5… → 22329; 160 → 7928.5… → 7929.
    // σba1 = (0.25 + 0.05·62500/22329)·18 = 7.0191… → 7.01 (down);
    // σb = 150 000/22329 = 6.7177… → 6.72 (up). With b 600 and u 160:
    // σba1 = (0.25 + 0.05·360000/7929)·18 = 45.36…, so σba2 = 9.00 governs.
    const Case cases[] = {
        {" 300", " 250", " 200", "18", "150.0", " 250", "150", "62500", "22329", "7.01", "9.00",
         "7.01", "6.72"},
        {" 250", " 300", " 200", "18", "150.0", " 250", "150", "62500", "22329", "7.01", "9.00",
         "7.01", "6.72"},
        {" 600", " 600", " 160", "18", "150.0", " 600", "150", "360000", "7929", "45.36", "9.00",
         "9.00", "18.92"},
        // A plate as wide as its box-out bears on its corners: Ap = 22 500 −
        // 17 671.4… → 4829, σba1 = (0.25 + 0.05·62500/4829)·18 = 16.148… →
        // 16.14, σb = 150 000/4829 = 31.062… → 31.07. One narrower bears on
        // nothing.
        {" 300", " 250", " 150", "18", "150.0", " 250", "150", "62500", "4829", "16.14", "9.00",
         "9.00", "31.07"},
        {" 300", " 250", " 149", "18", "150.0", " 250", "150", "62500", "", "", "", "", ""},
        {" 300", " 250", "", "18", "150.0", " 250", "150", "62500", "", "", "", "", ""},
        // No load: the bearing stress is 0.
        {" 300", " 250", " 200", "18", "", " 250", "150", "62500", "22329", "7.01", "9.00", "7.01",
         "0.00"},
    };
    for (const Case& c : cases) {
        FillDesign(4);
        Design.SectionBx = c.bx;
        Design.SectionBy = c.by;
        Design.PlateU = c.u;
        Design.SigmaCk = c.ck;
        Design.Pt = c.pt;
        CalcSiatu();
        SCOPED_TRACE(::testing::Message() << c.bx << "/" << c.by << " u" << c.u);
        EXPECT_EQ(Design.SiatuFrameB, c.frameB);
        EXPECT_EQ(Design.BoxOutD, c.boxOut);
        EXPECT_EQ(Design.SiatuA, c.a);
        EXPECT_EQ(Design.Ap, c.ap);
        EXPECT_EQ(Design.SigmaBa1, c.ba1);
        EXPECT_EQ(Design.SigmaBa2, c.ba2);
        EXPECT_EQ(Design.SigmaBa, c.ba);
        EXPECT_EQ(Design.SigmaB, c.b);
    }
}

TEST_F(CalcTest, SiatuBoxOutFollowsTheWidthClassWithoutLeadingBlanks) {
    FillDesign(4);
    RebarCountRule.BoxOutDia[1][0] = "  90";  // class 0: up to 199
    Design.SectionBx = " 180";
    Design.SectionBy = " 250";
    Design.PlateU = " 200";
    CalcSiatu();
    EXPECT_EQ(Design.SiatuFrameB, " 180");
    EXPECT_EQ(Design.BoxOutD, "90");
    // Ap = 200² − π·90²/4 = 33638.2… → 33638
    EXPECT_EQ(Design.Ap, "33638");
}

TEST_F(CalcTest, PrateRequiredThickness) {
    struct Case {
        const char *pt, *u, *sigma;
        const char *half, *m, *t;
    };
    // D 150: Pt/2 = 75 000 N, M = 75 000·150/4 = 2 812 500 N·mm,
    // t = √(6·2 812 500/(200·140)) = 24.549… → 24.6.
    // Fixture anchor Pt 29.5, u 150, σ 185: M = 14 750·150/4 = 553 125,
    // t = √(6·553 125/(150·185)) = 10.935… → 11.0.
    const Case cases[] = {
        {"150.0", " 200", "140", "75000", "2812500", "24.6"},
        {"29.5", " 150", "185", "14750", "553125", "11.0"},
        {"150.0", "", "140", "75000", "2812500", ""},
        {"150.0", " 200", "", "75000", "2812500", ""},
        // A plate narrower than its box-out bears on nothing: no thickness
        // is required of it.
        {"150.0", " 130", "140", "75000", "2812500", ""},
        {"", " 200", "140", "0", "0", "0.0"},
    };
    for (const Case& c : cases) {
        FillDesign(4);
        Design.Pt = c.pt;
        Design.PlateU = c.u;
        Design.PlateSigma = c.sigma;
        CalcPrate();
        EXPECT_EQ(Design.PlateHalfPt, c.half) << c.pt << c.u << c.sigma;
        EXPECT_EQ(Design.PlateM, c.m) << c.pt << c.u << c.sigma;
        EXPECT_EQ(Design.PlateTReq, c.t) << c.pt << c.u << c.sigma;
    }
}

TEST_F(CalcTest, PrateDerivesTheBoxOutFromThisDesignsBeams) {
    // A bearing check of an earlier design left a wide beam and its box-out;
    // the plate of this design (200 mm beams, class 1, D 150) must not use them.
    FillDesign(4);
    RebarCountRule.BoxOutDia[1][5] = "300";
    Design.SiatuFrameB = " 800";
    Design.BoxOutD = "300";
    Design.Pt = "150.0";
    Design.PlateU = " 200";
    Design.PlateSigma = "140";
    CalcPrate();
    EXPECT_EQ(Design.SiatuFrameB, " 200");
    EXPECT_EQ(Design.BoxOutD, "150");
    EXPECT_EQ(Design.PlateM, "2812500");
    EXPECT_EQ(Design.PlateTReq, "24.6");
}

}  // namespace
}  // namespace talvo
