// Main-rebar count per bar size, frame-width class and required rebar area.
#include "calc/rebar.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "calc_fixture.h"
#include "shell/design.h"
#include "shell/tables.h"

namespace talvo {
namespace {

using test::CalcTest;
using test::FillDesign;
using Counts = std::array<std::int16_t, 12>;

TEST_F(CalcTest, SizeClassOfTheDefaultBounds) {
    struct Case {
        std::int16_t width, cls;
    };
    const Case cases[] = {{0, 0},   {199, 0},  {200, 1},  {299, 1}, {300, 2},   {599, 4},
                          {600, 5}, {1000, 5}, {1001, 0}, {-1, 0},  {32767, 0}, {-32768, 0}};
    for (const Case& c : cases) EXPECT_EQ(GetSizeClass(c.width), c.cls) << c.width;
}

TEST_F(CalcTest, SizeClassEndsAtOneThousandAndRoundsItsBoundsHalfToEven) {
    RebarCountRule.WidthClassMax[5] = "1200";
    EXPECT_EQ(GetSizeClass(1100), 0);
    EXPECT_EQ(GetSizeClass(1000), 5);

    // 198.5 is taken as 198, 199.5 as 200.
    RebarCountRule.WidthClassMax[0] = "198.5";
    EXPECT_EQ(GetSizeClass(198), 0);
    EXPECT_EQ(GetSizeClass(199), 1);
    RebarCountRule.WidthClassMax[0] = "199.5";
    EXPECT_EQ(GetSizeClass(200), 0);
    EXPECT_EQ(GetSizeClass(201), 1);

    // A bound below its predecessor leaves a class empty.
    InitRebarCountRule();
    RebarCountRule.WidthClassMax[2] = "250";
    EXPECT_EQ(GetSizeClass(260), 1);
    EXPECT_EQ(GetSizeClass(300), 3);
}

TEST_F(CalcTest, SizeClassOfANumberRoundsToWholeMillimetres) {
    struct Case {
        double width;
        std::int16_t cls;
    };
    const Case cases[] = {{199.4, 0}, {199.5, 1},  {198.5, 0},  {1000.4, 5},
                          {1e6, 0},   {-1e300, 0}, {32767.6, 0}};
    for (const Case& c : cases) EXPECT_EQ(SizeClassOf(c.width), c.cls) << c.width;
}

TEST_F(CalcTest, BarCountsPerSizeAndWorkType) {
    struct Case {
        const char* name;
        std::int16_t workType;
        const char *b, *h, *d;
        std::int16_t cls;
        Counts counts;
    };
    // count = ⌊2·(((b − D)/2 − c − φ)/(φ + s) + 1)⌋ with c = s = 40, and 0 when
    // d + c + φ/2 > h; 300 mm is class 2 (300–399), all classes with the
    // default conditions alike. D13 at b 300, D 40:
    // 2·((130 − 40 − 12.7)/52.7 + 1) = 4.93 → 4; D10 5.
    // Unknown work type: no gap. d 260: 260 + 40 + 4.765 > 300 for every
    // size. 249.5 × 299.6, d 240.4 count as 250 × 300, d 240 (halves to even).
    const Case cases[] = {
        {"frame", 0, " 300", " 300", " 240", 2, {5, 4, 4, 4, 4, 3, 3, 3, 3, 3, 0, 0}},
        {"too deep", 0, " 300", " 300", " 260", 2, {}},
        {"no work type", 7, " 300", " 300", " 240", 2, {6, 5, 5, 5, 4, 4, 4, 4, 4, 3, 0, 0}},
        {"narrow", 1, " 200", " 200", " 150", 1, {3, 3, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"half mm", 2, "249.5", "299.6", "240.4", 1, {4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 0, 0}},
        {"no section", 0, "", "", "", 0, {}},
    };
    for (const Case& c : cases) {
        FillDesign(c.workType == 7 ? 0 : c.workType);
        Design.WorkType = c.workType;
        Design.SectionBy = c.b;
        Design.SectionHy = c.h;
        Design.SectionDy = c.d;
        Design.SizeClass = 9;
        Design.TateBarFit.fill(77);
        CalcSyutekkinTate();
        EXPECT_EQ(Design.TateBarFit, c.counts) << c.name;
        EXPECT_EQ(Design.SizeClass, c.cls) << c.name;

        // The horizontal beam is counted the same way from its own section.
        Design.SectionBx = c.b;
        Design.SectionHx = c.h;
        Design.SectionDx = c.d;
        Design.SectionBy = " 999";
        Design.SizeClass = 9;
        CalcSyutekkinYoko();
        EXPECT_EQ(Design.YokoBarFit, c.counts) << c.name;
        EXPECT_EQ(Design.SizeClass, c.cls) << c.name;
    }
}

TEST_F(CalcTest, BarCountsAroundABoxOutAreWholeBarsInEachHalf) {
    struct Case {
        const char* name;
        std::int16_t workType;
        const char *b, *h, *d;
        Counts counts;
    };
    // Either side of the box-out of a bolt (D 60) or anchor head (D 150) lies
    // (b − D)/2 of the width, and each side holds only whole bars:
    // count = 2·⌊((b − D)/2 − c − φ)/(φ + s) + 1⌋ with c = s = 40. Ground
    // anchor in 300: 75 − 40 − 34.9 = 0.1 still holds one D35 a side, D38
    // none. Rock bolt in 300: (120 − 40 − 19.1)/59.1 = 1.03 holds two D19 a
    // side, (120 − 40 − 22.2)/62.2 = 0.93 one D22. Ground anchor in 500:
    // (175 − 40 − 9.53)/49.53 = 2.53, three D10 a side, where a count rounded
    // down after doubling would give 7. d 240 leaves no room in the height
    // for D41 and D51 (240 + 40 + 20.65 > 300). The frame without anchors
    // keeps its one-clear-spacing gap and a count that may be odd.
    const Case cases[] = {
        {"anchor 300", 4, " 300", " 300", " 200", {2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 0}},
        {"bolt 300", 3, " 300", " 300", " 200", {4, 4, 4, 4, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"anchor 400", 4, " 400", " 400", " 300", {4, 4, 4, 4, 4, 2, 2, 2, 2, 2, 2, 2}},
        {"bolt 400", 3, " 400", " 400", " 300", {6, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 2}},
        {"anchor 500", 4, " 500", " 500", " 400", {6, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 2}},
        {"anchor 600", 4, " 600", " 500", " 400", {8, 8, 8, 6, 6, 6, 6, 6, 6, 4, 4, 4}},
        {"bolt, d 240", 3, " 300", " 300", " 240", {4, 4, 4, 4, 2, 2, 2, 2, 2, 2, 0, 0}},
        {"anchor, d 240", 4, " 300", " 300", " 240", {2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 0}},
        {"frame", 0, " 300", " 300", " 200", {5, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3, 2}},
    };
    for (const Case& c : cases) {
        FillDesign(c.workType);
        Design.SectionBy = Design.SectionBx = c.b;
        Design.SectionHy = Design.SectionHx = c.h;
        Design.SectionDy = Design.SectionDx = c.d;
        Design.TateBarFit.fill(77);
        Design.YokoBarFit.fill(77);
        CalcSyutekkinTate();
        CalcSyutekkinYoko();
        EXPECT_EQ(Design.TateBarFit, c.counts) << c.name;
        EXPECT_EQ(Design.YokoBarFit, c.counts) << c.name;
    }
}

TEST_F(CalcTest, BarCountsAreDecidedOnTheDecimalValues) {
    // Count conditions edited to a clear spacing of 0 and a cover of 20 for
    // the widest class: D19 (19.1) across 804 mm of a frame-only beam gives
    // 2·((402 − 20 − 19.1)/19.1 + 1) = 2·(19 + 1) = 40 exactly, where the
    // binary quotient comes out a hair below 19 and would floor to 39. The
    // same with an anchor box-out (gap), 20 whole bars a side, and with a
    // cover in tenths; a width one millimetre short really holds 39, and
    // around the box-out 19 a side.
    struct Case {
        const char* name;
        std::int16_t workType;
        const char *b, *cover, *boxOut;
        std::int16_t d19;
    };
    const Case cases[] = {
        {"frame", 0, " 804", "20", "60", 40},
        {"one mm short", 0, " 803", "20", "60", 39},
        {"anchor box-out", 4, " 864", "20", "60", 40},
        {"anchor box-out, one mm short", 4, " 863", "20", "60", 38},
        {"cover in tenths", 0, " 805", "20.5", "60", 40},
    };
    for (const Case& c : cases) {
        FillDesign(c.workType);
        RebarCountRule.ClearSpacing[5] = "0";
        RebarCountRule.Cover[5] = c.cover;
        RebarCountRule.BoxOutDia[1][5] = c.boxOut;
        Design.SectionBy = c.b;
        Design.SectionHy = " 900";
        Design.SectionDy = " 800";
        CalcSyutekkinTate();
        EXPECT_EQ(Design.TateBarFit[3], c.d19) << c.name;
    }
}

TEST_F(CalcTest, HituyouAsFromTheDesignMoment) {
    struct Case {
        const char* name;
        std::int16_t workType, sameSection, direction;
        const char *tate, *yoko, *common, *sigmaSa, *dy, *dx;
        const char* expected;
    };
    // As = M·10⁶/(σsa·7/8·d): 10.00 kN·m, 180, 240 mm → 264.55… → 264.6;
    // 4.00 kN·m, 160, 150 mm → 190.47… → 190.5.
    const Case cases[] = {
        {"vertical", 0, 0, 0, " 10.00", " 4.00", "", "180", "240", "150", "264.6"},
        {"horizontal", 0, 0, 1, " 10.00", " 4.00", "", "160", "240", "150", "190.5"},
        {"other direction", 3, 0, 7, " 10.00", " 4.00", "", "160", "240", "150", "190.5"},
        {"common section", 4, 1, 0, " 4.00", " 4.00", " 10.00", "180", "100", "240", "264.6"},
        {"no stress", 0, 0, 0, " 10.00", " 4.00", "", "", "240", "150", ""},
        {"no depth", 0, 0, 0, " 10.00", " 4.00", "", "180", "0", "150", ""},
        {"no moment", 2, 0, 0, "", "", "", "180", "240", "150", "0.0"},
        {"no work type", 5, 0, 0, " 10.00", " 4.00", "", "180", "240", "150", ""},
    };
    for (const Case& c : cases) {
        FillDesign(0);
        Design.WorkType = c.workType;
        Design.SameSection = c.sameSection;
        if (c.workType >= 0 && c.workType <= 4) {
            Design.TateMmax[c.workType] = c.tate;
            Design.YokoMmax[c.workType] = c.yoko;
        }
        Design.DesignMmax = c.common;
        Design.SigmaSa = c.sigmaSa;
        Design.SectionDy = c.dy;
        Design.SectionDx = c.dx;
        EXPECT_EQ(CalcHituyouAs(c.direction), c.expected) << c.name;
    }
}

TEST_F(CalcTest, PickDesignMomentTakesTheLargerDirection) {
    struct Case {
        const char* name;
        std::int16_t workType;
        const char *tateM, *yokoM, *tateS, *yokoS;
        const char* designM;
        double asReq;
        const char* designS;
    };
    // σsa 160, d_x 150 (one common section): As = M·10⁶/21000.
    // 4.20 → 200.0; 3.15 → 150.0; 2.10 → 100.0.
    const Case cases[] = {
        {"vertical larger", 0, " 4.20", " 2.10", " 6.30", " 3.15", " 4.20", 200.0, " 6.30"},
        {"horizontal larger", 1, " 2.10", " 4.20", " 3.15", " 6.30", " 4.20", 200.0, " 6.30"},
        {"tie to horizontal", 3, "4.2", " 4.20", "6.3", " 6.30", " 4.20", 200.0, " 6.30"},
        {"signed values", 4, "-4.20", " 2.10", "-6.30", " 3.15", " 2.10", 100.0, " 3.15"},
        {"one missing", 0, "", " 3.15", " 6.30", "", "", 0.0, ""},
        {"type 2 without vertical", 2, "", " 3.15", "", " 2.10", " 3.15", 150.0, " 2.10"},
        {"type 2 without horizontal", 2, " 3.15", "", " 2.10", "", "", 0.0, ""},
        {"zero texts are present", 0, "0", "0", "0", "0", "0", 0.0, "0"},
    };
    for (const Case& c : cases) {
        FillDesign(c.workType);
        Design.TateMmax[c.workType] = c.tateM;
        Design.YokoMmax[c.workType] = c.yokoM;
        Design.TateSmax[c.workType] = c.tateS;
        Design.YokoSmax[c.workType] = c.yokoS;
        Design.DesignMmax = Design.DesignSmax = "old";
        Design.DesignAsReq = 99;
        Design.SigmaSa = "160";
        PickDesignMoment();
        EXPECT_EQ(Design.DesignMmax, c.designM) << c.name;
        EXPECT_DOUBLE_EQ(Design.DesignAsReq, c.asReq) << c.name;
        EXPECT_EQ(Design.DesignSmax, c.designS) << c.name;
    }
}

TEST_F(CalcTest, PickDesignMomentWithoutAWorkType) {
    FillDesign(0);
    Design.WorkType = 5;
    Design.DesignMmax = Design.DesignSmax = "old";
    Design.DesignAsReq = 9;
    PickDesignMoment();
    EXPECT_EQ(Design.DesignMmax, "");
    EXPECT_EQ(Design.DesignSmax, "");
    EXPECT_EQ(Design.DesignAsReq, 0);
}

}  // namespace
}  // namespace talvo
