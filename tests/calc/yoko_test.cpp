#include "calc/yoko.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "calc/failureload.h"
#include "calc/wedge.h"
#include "calc_fixture.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "support/case_names.h"

namespace talvo {
namespace {

using Change = void (*)(DesignData&);

// ---- coefficient formulas -------------------------------------------------

struct SikiCase {
    const char* name;
    std::int16_t workType;
    std::int16_t direction;
    std::int16_t spans;
    double L, w;
    // Frame overhangs upper, lower, left, right and anchor-layout overhangs
    // in the same order.
    const char* frame[4];
    const char* anchor[4];
    double wantM, wantS;
    std::int16_t wantSpans;  // the caller's count afterwards
};

class SpanFormulas : public test::CalcTest, public ::testing::WithParamInterface<SikiCase> {};

TEST_P(SpanFormulas, MomentAndShear) {
    const SikiCase& c = GetParam();
    DesignData& d = Design;
    d.WorkType = c.workType;
    d.OverhangUpper = c.frame[0];
    d.OverhangLower = c.frame[1];
    d.OverhangLeft = c.frame[2];
    d.OverhangRight = c.frame[3];
    d.AnchorOverhangUpper = c.anchor[0];
    d.AnchorOverhangLower = c.anchor[1];
    d.AnchorOverhangLeft = c.anchor[2];
    d.AnchorOverhangRight = c.anchor[3];
    std::int16_t spans = c.spans;
    EXPECT_DOUBLE_EQ(CalcMmaxSiki(spans, c.L, c.w, c.direction), c.wantM);
    EXPECT_EQ(spans, c.wantSpans);
    spans = c.spans;
    EXPECT_DOUBLE_EQ(CalcSmaxSiki(spans, c.L, c.w, c.direction), c.wantS);
    EXPECT_EQ(spans, c.wantSpans);
}

// Default coefficients: M 1/2, 1/8, 1/8, 1/10, 1/9; S 1/1, 1/2, 5/8, 6/10, 17/28.
// Single span with overhangs a ≥ b: M = k·w/L²·((L + a)² − b²)·((L − a)² − b²),
// S = k·w/L·(L² + a² − b²); equal overhangs: M = k·w·(L² − 4a²), S = k·w·L.
INSTANTIATE_TEST_SUITE_P(
    Cases, SpanFormulas,
    ::testing::Values(
        // 1/8·3·4; 1/2·3·2
        SikiCase{"one_span", 0, 1, 1, 2.0, 3.0, {"", "", "", ""}, {"", "", "", ""}, 1.5, 3.0, 1},
        // 1/8·3/4·2.5²·1.5² = 1.318359375; 1/2·3/2·4.25 = 3.1875
        SikiCase{"one_span_one_overhang",
                 0,
                 1,
                 1,
                 2.0,
                 3.0,
                 {"", "", "0.500", ""},
                 {"", "", "", ""},
                 1.318359375,
                 3.1875,
                 1},
        // Overhang as a cantilever: 1/2·3·.25; 1·3·.5
        SikiCase{"overhang", 0, 1, 0, 0.5, 3.0, {"", "", "", ""}, {"", "", "", ""}, 0.375, 1.5, 0},
        // Equal overhangs beyond half the span turn the moment: 1/8·3·(4 − 5.76)
        SikiCase{"long_equal_overhangs",
                 0,
                 1,
                 1,
                 2.0,
                 3.0,
                 {"", "", "1.200", "1.200"},
                 {"", "", "", ""},
                 -0.66,
                 3.0,
                 1},
        SikiCase{"two_spans", 1, 1, 2, 2.0, 3.0, {"", "", "", ""}, {"", "", "", ""}, 1.5, 3.75, 2},
        SikiCase{"three_spans", 2, 1, 3, 2.0, 3.0, {"", "", "", ""}, {"", "", "", ""}, 1.2, 3.6, 3},
        // Seven spans take the four-or-more fractions: 1/9·12; 17/28·6
        SikiCase{"seven_spans",
                 0,
                 1,
                 7,
                 2.0,
                 3.0,
                 {"", "", "", ""},
                 {"", "", "", ""},
                 12.0 / 9,
                 17.0 / 28 * 6,
                 4},
        SikiCase{"many_spans",
                 0,
                 1,
                 32767,
                 2.0,
                 3.0,
                 {"", "", "", ""},
                 {"", "", "", ""},
                 12.0 / 9,
                 17.0 / 28 * 6,
                 4},
        // The vertical beam takes upper and lower.
        SikiCase{"vertical",
                 1,
                 0,
                 1,
                 2.0,
                 3.0,
                 {"0.500", "", "0.300", "0.300"},
                 {"", "", "", ""},
                 1.318359375,
                 3.1875,
                 1},
        // The anchored types take the anchor layout's overhangs.
        SikiCase{"anchored_vertical",
                 3,
                 0,
                 1,
                 2.0,
                 3.0,
                 {"", "", "", ""},
                 {"0.500", "", "", ""},
                 1.318359375,
                 3.1875,
                 1},
        SikiCase{"anchored_horizontal",
                 4,
                 1,
                 1,
                 2.0,
                 3.0,
                 {"", "", "0.500", "0.500"},
                 {"", "", "", "0.500"},
                 1.318359375,
                 3.1875,
                 1},
        // No work type: no overhangs.
        SikiCase{"no_work_type",
                 5,
                 1,
                 1,
                 2.0,
                 3.0,
                 {"", "", "0.500", ""},
                 {"", "", "", ""},
                 1.5,
                 3.0,
                 1},
        // A direction that is neither gives 0 for one span only.
        SikiCase{"other_direction_one_span",
                 0,
                 2,
                 1,
                 2.0,
                 3.0,
                 {"", "", "", ""},
                 {"", "", "", ""},
                 0.0,
                 0.0,
                 1},
        SikiCase{"other_direction_three_spans",
                 0,
                 2,
                 3,
                 2.0,
                 3.0,
                 {"", "", "", ""},
                 {"", "", "", ""},
                 1.2,
                 3.6,
                 3},
        // Not a count, and a zero span with unequal overhangs: 0, no division.
        SikiCase{
            "negative_count", 0, 1, -1, 2.0, 3.0, {"", "", "", ""}, {"", "", "", ""}, 0.0, 0.0, -1},
        SikiCase{"zero_span_unequal_overhangs",
                 0,
                 1,
                 1,
                 0.0,
                 3.0,
                 {"", "", "0.500", ""},
                 {"", "", "", ""},
                 0.0,
                 0.0,
                 1}),
    [](const ::testing::TestParamInfo<SikiCase>& info) { return info.param.name; });

class SpanTable : public test::CalcTest {};

// The fractions are read from the editable table, and a zero denominator
// (never accepted by the settings) gives 0 instead of dividing.
TEST_F(SpanTable, EditedCoefficientsAreUsed) {
    SpanCoefficients.MmaxNum[4] = 1;
    SpanCoefficients.MmaxDen[4] = 12;
    SpanCoefficients.SmaxNum[4] = 1;
    SpanCoefficients.SmaxDen[4] = 2;
    std::int16_t spans = 5;
    EXPECT_DOUBLE_EQ(CalcMmaxSiki(spans, 2.0, 3.0, 1), 1.0);  // 1/12·3·4
    EXPECT_DOUBLE_EQ(CalcSmaxSiki(spans, 2.0, 3.0, 1), 3.0);  // 1/2·3·2
    SpanCoefficients.MmaxDen[2] = 0;
    SpanCoefficients.SmaxDen[2] = 0;
    spans = 2;
    EXPECT_EQ(CalcMmaxSiki(spans, 2.0, 3.0, 1), 0.0);
    EXPECT_EQ(CalcSmaxSiki(spans, 2.0, 3.0, 1), 0.0);
}

// ---- shear check distance -------------------------------------------------

class ShearDistance : public test::CalcTest {};

TEST_F(ShearDistance, HalfTheSupportPlusHalfTheOwnHeight) {
    DesignData& d = Design;
    d.WorkType = 2;
    d.SectionBx = " 200";
    d.SectionHx = " 300";
    d.SectionBy = " 250";
    d.SectionHy = " 400";
    d.ShearXInput[2] = "0.350";
    struct Case {
        std::int16_t mode, direction;
        double want;
    };
    const Case cases[] = {
        {0, 0, 0.35}, {0, 1, 0.35},   // as entered
        {1, 0, 0.1},  {1, 1, 0.125},  // b_x/2, b_y/2
        {2, 0, 0.3},  {2, 1, 0.275},  // b_x/2 + h_y/2, b_y/2 + h_x/2
        {3, 0, 0},    {-1, 1, 0},     // no such mode
        {1, 2, 0},    {0, -1, 0},     // no such direction
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << "/" << c.direction);
        EXPECT_DOUBLE_EQ(CalcSendanX(c.mode, c.direction), c.want);
    }
    d.WorkType = 5;  // no work type: no entered distance to take
    EXPECT_EQ(CalcSendanX(0, 1), 0.0);
}

// ---- horizontal beam ------------------------------------------------------

struct YokoOut {
    const char *wc, *we, *ws, *w, *q, *loadW, *mSpan, *mOver, *mDesign, *shearX, *sSpan, *sOver,
        *sDesign;
};

void ExpectYoko(const YokoOut& e) {
    const DesignData& d = Design;
    EXPECT_EQ(d.YokoWc, e.wc);
    EXPECT_EQ(d.YokoWe, e.we);
    EXPECT_EQ(d.YokoWs, e.ws);
    EXPECT_EQ(d.YokoW, e.w);
    EXPECT_EQ(d.YokoQ, e.q);
    EXPECT_EQ(d.YokoLoadW, e.loadW);
    EXPECT_EQ(d.Mmax[1][0], e.mSpan);
    EXPECT_EQ(d.Mmax[1][1], e.mOver);
    EXPECT_EQ(d.YokoMmax[0], e.mDesign);
    EXPECT_EQ(d.YokoShearX[0], e.shearX);
    EXPECT_EQ(d.Smax[1][0], e.sSpan);
    EXPECT_EQ(d.Smax[1][1], e.sOver);
    EXPECT_EQ(d.YokoSmax[0], e.sDesign);
}

struct YokoCase {
    const char* name;
    Change change;
    YokoOut want;
};

class HorizontalBeam : public test::CalcTest, public ::testing::WithParamInterface<YokoCase> {};

TEST_P(HorizontalBeam, LoadsMomentAndShear) {
    test::FillDesign(0);
    Design.UseInfill = 0;
    Design.YokoShearX[0] = "9.999";  // rewritten whenever the shear is computed
    GetParam().change(Design);
    CalcYokoMmax();
    CalcYokoSmax();
    ExpectYoko(GetParam().want);
}

// The fixture frame without infill: b = h = 0.2 m, x = y = 2.0, n_x = 3,
// overhangs left 0.5 and right 0.3, γc 24, θ0 45, shear at b_y/2.
//   Wc = γc·h_y·y·b_y + γc·h_x·b_x·(x − b_y) = 1.92 + 1.728 = 3.648; Q = W·sin θ0;
//   w = Q/x; span M = 1/10·w·x², overhang M = 1/2·w·L²;
//   span S = 6/10·w·x − w·x_s, overhang S = w·L − w·x_s.
INSTANTIATE_TEST_SUITE_P(
    Cases, HorizontalBeam,
    ::testing::Values(
        // Q = 3.65·.70711 = 2.581; w = 1.29; M .516 and .16125; S 1.548 − .129 = 1.419,
        // .645 − .129 = .516
        YokoCase{"worked_example", [](DesignData&) {},
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.52", " 0.16", " 0.52",
                  "0.100", "1.42", "0.52", "1.42"}},
        // We = 1.8·1.8·.1·18 = 5.832; W = 9.48; Q = 6.703; w = 3.35; M 1.34, .41875;
        // S 4.02 − .335 = 3.685, 1.675 − .335 = 1.34
        YokoCase{"infill", [](DesignData& d) { d.UseInfill = 1; },
                 {"3.65", "5.83", "0.00", "9.48", "6.70", "3.35", " 1.34", " 0.42", " 1.34",
                  "0.100", "3.69", "1.34", "3.69"}},
        // h_x .3 > h_y: Wc = (y − b_x)·b_y·h_y·γc + γc·b_x·x·h_x = 1.728 + 2.88 = 4.608;
        // Q = 3.260; w = 1.63; M .652, .20375; S 1.956 − .163 = 1.793, .815 − .163
        YokoCase{"horizontal_beam_taller", [](DesignData& d) { d.SectionHx = " 300"; },
                 {"4.61", "0.00", "0.00", "4.61", "3.26", "1.63", " 0.65", " 0.20", " 0.65",
                  "0.100", "1.79", "0.65", "1.79"}},
        // One row of horizontal beams: the strip is the upper overhang, y = .5;
        // Wc = .48 + 1.728 = 2.208; Q = 1.563; w = .78; M .312, .0975; S .936 − .078, .39 − .078
        YokoCase{"single_row", [](DesignData& d) { d.SpanCountY = "0"; },
                 {"2.21", "0.00", "0.00", "2.21", "1.56", "0.78", " 0.31", " 0.10", " 0.31",
                  "0.100", "0.86", "0.31", "0.86"}},
        // One span with equal overhangs .5: M = 1/8·1.29·(4 − 1) = .48375; S = 1/2·1.29·2 − .129
        YokoCase{"one_span_equal_overhangs",
                 [](DesignData& d) {
                     d.SpanCountX = "1";
                     d.OverhangRight = "0.500";
                 },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.48", " 0.16", " 0.48",
                  "0.100", "1.16", "0.52", "1.16"}},
        // One span, overhangs .5 and .3: M = 1/8·1.29/4·(2.5² − .09)·(1.5² − .09) = .536382;
        // S = 1/2·1.29/2·(4 + .25 − .09) − .129 = 1.2126
        YokoCase{"one_span_unequal_overhangs", [](DesignData& d) { d.SpanCountX = "1"; },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.54", " 0.16", " 0.54",
                  "0.100", "1.21", "0.52", "1.21"}},
        // Equal overhangs 1.2 > x/2: span M = 1/8·1.29·(4 − 5.76) = −.2838, the overhang
        // M = 1/2·1.29·1.44 = .9288 governs; S 1.29 − .129 = 1.161, 1.548 − .129 = 1.419
        YokoCase{"long_equal_overhangs",
                 [](DesignData& d) {
                     d.SpanCountX = "1";
                     d.OverhangLeft = "1.200";
                     d.OverhangRight = "1.200";
                 },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " -0.28", " 0.93", " 0.93",
                  "0.100", "1.16", "1.42", "1.42"}},
        // Two spans: M = 1/8·1.29·4 = .645; S = 5/8·2.58 − .129 = 1.4835
        YokoCase{"two_spans", [](DesignData& d) { d.SpanCountX = "2"; },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.65", " 0.16", " 0.65",
                  "0.100", "1.48", "0.52", "1.48"}},
        // Seven spans use four-or-more: M = 1/9·5.16 = .5733; S = 17/28·2.58 − .129 = 1.4374
        YokoCase{"seven_spans", [](DesignData& d) { d.SpanCountX = "7"; },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.57", " 0.16", " 0.57",
                  "0.100", "1.44", "0.52", "1.44"}},
        // Overhangs only: the overhang parts are the design values.
        YokoCase{"overhangs_only", [](DesignData& d) { d.SpanCountX = "0"; },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", "", " 0.16", " 0.16", "0.100",
                  "", "0.52", "0.52"}},
        YokoCase{"spans_only",
                 [](DesignData& d) {
                     d.OverhangLeft = "0.000";
                     d.OverhangRight = "";
                 },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.52", "", " 0.52", "0.100",
                  "1.42", "", "1.42"}},
        // Neither part: no design values, but the check distance is written.
        YokoCase{"neither_part",
                 [](DesignData& d) {
                     d.SpanCountX = "0";
                     d.OverhangLeft = "0";
                     d.OverhangRight = "0";
                 },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", "", "", "", "0.100", "", "",
                  ""}},
        // Entered check distance .25: S 1.548 − .3225 = 1.2255, .645 − .3225 = .3225
        YokoCase{"shear_at_entered_distance",
                 [](DesignData& d) {
                     d.ShearXMode[0] = 0;
                     d.ShearXInput[0] = "0.250";
                 },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.52", " 0.16", " 0.52",
                  "0.250", "1.23", "0.32", "1.23"}},
        // b_y/2 + h_x/2 = .2: S 1.548 − .258 = 1.29, .645 − .258 = .387
        YokoCase{"shear_at_half_width_and_height", [](DesignData& d) { d.ShearXMode[0] = 2; },
                 {"3.65", "0.00", "0.00", "3.65", "2.58", "1.29", " 0.52", " 0.16", " 0.52",
                  "0.200", "1.29", "0.39", "1.29"}},
        // ---- stops ----
        // No span: nothing at all, and the check distance stays as it was.
        YokoCase{"span_empty", [](DesignData& d) { d.SpanX = ""; },
                 {"", "", "", "", "", "", "", "", "", "9.999", "", "", ""}},
        YokoCase{"infill_thickness_missing",
                 [](DesignData& d) {
                     d.UseInfill = 1;
                     d.InfillThick = "";
                 },
                 {"", "", "", "", "", "", "", "", "", "9.999", "", "", ""}},
        YokoCase{"snow_weight_missing",
                 [](DesignData& d) {
                     d.UseSnow = 1;
                     d.SnowGamma = "";
                 },
                 {"", "", "", "", "", "", "", "", "", "9.999", "", "", ""}},
        YokoCase{"snow_depth_missing",
                 [](DesignData& d) {
                     d.UseSnow = 1;
                     d.SnowDepth = "";
                 },
                 {"", "", "", "", "", "", "", "", "", "9.999", "", "", ""}},
        // θ0 .05°: Q = 3.65·.000873 = .0032 is stored as 0.00, so Q is left empty.
        YokoCase{"load_rounds_to_zero", [](DesignData& d) { d.SlopeAngle = "0.05"; },
                 {"3.65", "0.00", "0.00", "3.65", "", "", "", "", "", "9.999", "", "", ""}},
        // x 2.5, θ0 .1°: Wc = 1.92 + 2.208 = 4.128; Q = .0072 → 0.01; w = .004 → 0.00.
        YokoCase{"uniform_load_rounds_to_zero",
                 [](DesignData& d) {
                     d.SpanX = "2.500";
                     d.SlopeAngle = "0.10";
                 },
                 {"4.13", "0.00", "0.00", "4.13", "0.01", "0.00", "", "", "", "9.999", "", "",
                  ""}}),
    [](const ::testing::TestParamInfo<YokoCase>& info) { return info.param.name; });

// Snow: the percentage of the depth falls with the gradient (defaults: below
// 0.6 none, from 0.6 to below 1.0 half, from 1.0 all).
struct SnowCase {
    const char* slopeN;
    std::int16_t wantClass;
    const char *depth, *ws, *w, *q, *loadW, *mSpan, *sSpan;
};

class SnowLoad : public test::CalcTest, public ::testing::WithParamInterface<SnowCase> {};

TEST_P(SnowLoad, DepthByGradient) {
    const SnowCase& c = GetParam();
    test::FillDesign(0);
    Design.UseInfill = 0;
    Design.UseSnow = 1;
    Design.SlopeN = c.slopeN;
    Design.SnowClass = 7;
    CalcYokoMmax();
    CalcYokoSmax();
    EXPECT_EQ(Design.SnowClass, c.wantClass);
    EXPECT_EQ(Design.YokoSnowDepth, c.depth);
    EXPECT_EQ(Design.YokoWc, "3.65");
    EXPECT_EQ(Design.YokoWe, "0.00");
    EXPECT_EQ(Design.YokoWs, c.ws);
    EXPECT_EQ(Design.YokoW, c.w);
    EXPECT_EQ(Design.YokoQ, c.q);
    EXPECT_EQ(Design.YokoLoadW, c.loadW);
    EXPECT_EQ(Design.Mmax[1][0], c.mSpan);
    EXPECT_EQ(Design.Smax[1][0], c.sSpan);
}

// Snow depth 1.00 m of 3.0 kN/m³: Ws = x·y·depth·γs = 4·depth·3.
//   50 %: Ws 6.00, W 9.65, Q 6.824, w 3.41, M .1·3.41·4 = 1.364, S 4.092 − .341 = 3.751
//   100 %: Ws 12.00, W 15.65, Q 11.066, w 11.07/2 = 5.535, M 2.216, S 6.648 − .554 = 6.094
INSTANTIATE_TEST_SUITE_P(
    Gradients, SnowLoad,
    ::testing::Values(
        SnowCase{"0.50", 0, "0.000", "0.00", "3.65", "2.58", "1.29", " 0.52", "1.42"},
        SnowCase{"0.59", 0, "0.000", "0.00", "3.65", "2.58", "1.29", " 0.52", "1.42"},
        SnowCase{"0.60", 1, "0.500", "6.00", "9.65", "6.82", "3.41", " 1.36", "3.75"},
        SnowCase{"0.99", 1, "0.500", "6.00", "9.65", "6.82", "3.41", " 1.36", "3.75"},
        SnowCase{"1.00", 2, "1.000", "12.00", "15.65", "11.07", "5.54", " 2.22", "6.09"},
        SnowCase{"1.50", 2, "1.000", "12.00", "15.65", "11.07", "5.54", " 2.22", "6.09"}),
    [](const ::testing::TestParamInfo<SnowCase>& info) {
        return "slope_" + test::CaseName(info.param.slopeN);
    });

class SnowRuleTableUse : public test::CalcTest {};

// The limits and percentages come from the editable table.
TEST_F(SnowRuleTableUse, EditedLimitsAndPercentages) {
    SnowRule.GradientLimit = {"0.30", "0.80"};
    SnowRule.DepthPercent = {"10", "40", "70"};
    const struct {
        double n;
        std::int16_t cls;
        double percent;
    } cases[] = {{0.29, 0, 10}, {0.3, 1, 40}, {0.79, 1, 40}, {0.8, 2, 70}, {1.0, 2, 70}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        std::int16_t cls = -1;
        EXPECT_DOUBLE_EQ(SnowDepthPercent(c.n, cls), c.percent);
        EXPECT_EQ(cls, c.cls);
    }
}

class HorizontalBeamState : public test::CalcTest {};

// Snow not considered leaves the snow depth and class as they were.
TEST_F(HorizontalBeamState, SnowOffKeepsDepthAndClass) {
    test::FillDesign(0);
    Design.UseInfill = 0;
    Design.YokoSnowDepth = "0.500";
    Design.SnowClass = 1;
    EXPECT_NEAR(CalcYokoKajyuu(), 3.65 * std::sqrt(0.5), 1e-12);  // unrounded Q
    EXPECT_EQ(Design.YokoWs, "0.00");
    EXPECT_EQ(Design.YokoSnowDepth, "0.500");
    EXPECT_EQ(Design.SnowClass, 1);
}

// The shear is computed from the stored loads, and the other work types'
// results are not touched.
TEST_F(HorizontalBeamState, ShearUsesStoredLoadsOfItsWorkType) {
    test::FillDesign(2);
    Design.UseInfill = 0;
    Design.YokoMmax[0] = "keep";
    Design.YokoSmax[0] = "keep";
    Design.YokoQ = "2.58";
    Design.YokoLoadW = "1.00";  // not what the weights would give
    CalcYokoSmax();
    // x_s .1: 6/10·1·2 − .1 = 1.10, 1·.5 − .1 = .40
    EXPECT_EQ(Design.YokoShearX[2], "0.100");
    EXPECT_EQ(Design.Smax[1][0], "1.10");
    EXPECT_EQ(Design.Smax[1][1], "0.40");
    EXPECT_EQ(Design.YokoSmax[2], "1.10");
    EXPECT_EQ(Design.YokoSmax[0], "keep");
    CalcYokoMmax();
    EXPECT_EQ(Design.YokoMmax[2], " 0.52");
    EXPECT_EQ(Design.YokoMmax[0], "keep");
}

// ---- any record ------------------------------------------------------------

// Texts a record read from anywhere may hold.
const char* const kHostileTexts[] = {"",         "0",      "-0",     "-1",       "-2.5", "0.0004",
                                     "1e308",    "-1e308", "1e-308", "4.9e-324", "abc",  "  12.5",
                                     "99999999", "1e999",  "-1e999", "2",        "0.5",  "45"};
const std::int16_t kHostileInts[] = {0, 1, 2, 3, 4, 5, -1, 32767, -32768};

// Every text field the procedures above read.
std::vector<std::string*> InputTexts(DesignData& d) {
    std::vector<std::string*> f = {&d.SectionBx,
                                   &d.SectionHx,
                                   &d.SectionBy,
                                   &d.SectionHy,
                                   &d.SpanCountX,
                                   &d.SpanCountY,
                                   &d.SpanX,
                                   &d.SpanY,
                                   &d.OverhangUpper,
                                   &d.OverhangLower,
                                   &d.OverhangLeft,
                                   &d.OverhangRight,
                                   &d.SoilGamma,
                                   &d.SnowDepth,
                                   &d.SnowGamma,
                                   &d.InfillThick,
                                   &d.InfillGamma,
                                   &d.FrameGamma,
                                   &d.SlopeN,
                                   &d.SlopeAngle,
                                   &d.TotalLengthY,
                                   &d.KusabiL1,
                                   &d.KusabiL2,
                                   &d.KusabiH,
                                   &d.KusabiAlpha,
                                   &d.EnkoL1,
                                   &d.EnkoL2,
                                   &d.EnkoL3,
                                   &d.DeltaFs,
                                   &d.YokoQ,
                                   &d.YokoLoadW,
                                   &d.AnchorOverhangUpper,
                                   &d.AnchorOverhangLower,
                                   &d.AnchorOverhangLeft,
                                   &d.AnchorOverhangRight};
    for (auto& s : d.ShearXInput) f.push_back(&s);
    for (auto& s : SnowRule.GradientLimit) f.push_back(&s);
    for (auto& s : SnowRule.DepthPercent) f.push_back(&s);
    return f;
}

std::vector<std::int16_t*> InputInts(DesignData& d) {
    std::vector<std::int16_t*> f = {&d.WorkType, &d.KusabiInputMode, &d.UseInfill, &d.UseSnow};
    for (auto& m : d.ShearXMode) f.push_back(&m);
    for (auto* table : {&SpanCoefficients.MmaxNum, &SpanCoefficients.MmaxDen,
                        &SpanCoefficients.SmaxNum, &SpanCoefficients.SmaxDen})
        for (auto& v : *table) f.push_back(&v);
    return f;
}

// Every text field the procedures write.
std::vector<const std::string*> OutputTexts(const DesignData& d) {
    std::vector<const std::string*> f = {
        &d.KusabiL1,  &d.KusabiL2,      &d.KusabiH,   &d.KusabiAlpha, &d.HoukaiN, &d.HoukaiWcy,
        &d.HoukaiWcx, &d.HoukaiWc,      &d.HoukaiWe,  &d.HoukaiWt,    &d.HoukaiW, &d.HoukaiP,
        &d.HoukaiPr,  &d.EnkoRadius,    &d.EnkoAngle, &d.YokoWc,      &d.YokoWe,  &d.YokoWs,
        &d.YokoW,     &d.YokoSnowDepth, &d.YokoQ,     &d.YokoLoadW};
    for (const auto& dir : d.Mmax)
        for (const auto& s : dir) f.push_back(&s);
    for (const auto& dir : d.Smax)
        for (const auto& s : dir) f.push_back(&s);
    for (const auto* arr : {&d.TateMmax, &d.TateSmax, &d.YokoMmax, &d.YokoSmax, &d.YokoShearX})
        for (const auto& s : *arr) f.push_back(&s);
    return f;
}

void RunAll() {
    CalcKusabiKeijyou();
    CalcHoukaiKusabi();
    CalcHoukaiEnko();
    CalcYokoMmax();
    CalcYokoSmax();
    CalcYokoSmax();  // alone, on whatever the moment step left
    CalcYokoKajyuu();
    CalcYokoW();
    for (std::int16_t dir : {std::int16_t{-1}, std::int16_t{0}, std::int16_t{1}}) {
        for (std::int16_t spans : kHostileInts) {
            for (const char* t : {"0", "2", "1e308", "-1"}) {
                std::int16_t s = spans;
                CalcMmaxSiki(s, NumVal(t), 3.0, dir);
                s = spans;
                CalcSmaxSiki(s, NumVal(t), 3.0, dir);
            }
        }
        for (std::int16_t mode : kHostileInts) CalcSendanX(mode, dir);
    }
}

// Runs everything and checks that nothing divided by zero and what was
// written: a stored result is empty or a
// plain finite number in pattern form. Fields that still hold the text they
// were given were not written (the entered wedge values, the stored loads).
void RunAllAndCheck(const char* what) {
    std::vector<std::string> before;
    for (const std::string* s : OutputTexts(Design)) before.push_back(*s);
    std::feclearexcept(FE_ALL_EXCEPT);
    RunAll();
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO)) << what << ": a division by zero";
    static const std::regex number(R"(^ ?-?[0-9]+(\.[0-9]+)?$)");
    // The derived wedge values are right-aligned with several blanks.
    static const std::regex aligned(R"(^ *-?[0-9]+(\.[0-9]+)?$)");
    const auto outputs = OutputTexts(Design);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::string& s = *outputs[i];
        if (s.empty() || s == before[i]) continue;
        const bool wedge = &s == &Design.KusabiL1 || &s == &Design.KusabiL2 ||
                           &s == &Design.KusabiH || &s == &Design.KusabiAlpha;
        EXPECT_TRUE(std::regex_match(s, wedge ? aligned : number)) << what << ": " << s;
        EXPECT_TRUE(std::isfinite(NumVal(s))) << what << ": " << s;
    }
}

class AnyRecord : public test::CalcTest {};

// Whatever the record and the tables hold, nothing divides by zero, indexes
// outside an array or stores a value that is not a number (the sanitizer
// build catches the first two).
TEST_F(AnyRecord, EveryProcedureStaysInBounds) {
    // Uniform records: every text the same, every switch the same.
    for (const char* t : kHostileTexts) {
        for (std::int16_t i : kHostileInts) {
            test::FillDesign(0);
            for (std::string* f : InputTexts(Design)) *f = t;
            for (std::int16_t* f : InputInts(Design)) *f = i;
            RunAllAndCheck(t);
        }
    }
    // Mixed records from the fixtures of every work type.
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    for (int round = 0; round < 3000; ++round) {
        test::FillDesign(static_cast<std::int16_t>(round % 5));
        for (std::string* f : InputTexts(Design))
            if (next() % 3 == 0) *f = kHostileTexts[next() % std::size(kHostileTexts)];
        for (std::int16_t* f : InputInts(Design))
            if (next() % 4 == 0) *f = kHostileInts[next() % std::size(kHostileInts)];
        RunAllAndCheck("mixed");
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace talvo
