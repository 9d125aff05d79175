#include "calc/failureload.h"

#include <gtest/gtest.h>

#include <string>

#include "calc_fixture.h"
#include "shell/design.h"

namespace talvo {
namespace {

using Change = void (*)(DesignData&);

// Wedge outputs in the order the procedure writes them.
struct WedgeOut {
    const char *n, *wcy, *wcx, *wc, *we, *wt, *w, *p, *pr, *mmax;
};

void ExpectWedge(const WedgeOut& e) {
    const DesignData& d = Design;
    EXPECT_EQ(d.HoukaiN, e.n);
    EXPECT_EQ(d.HoukaiWcy, e.wcy);
    EXPECT_EQ(d.HoukaiWcx, e.wcx);
    EXPECT_EQ(d.HoukaiWc, e.wc);
    EXPECT_EQ(d.HoukaiWe, e.we);
    EXPECT_EQ(d.HoukaiWt, e.wt);
    EXPECT_EQ(d.HoukaiW, e.w);
    EXPECT_EQ(d.HoukaiP, e.p);
    EXPECT_EQ(d.HoukaiPr, e.pr);
    EXPECT_EQ(d.Mmax[0][0], e.mmax);
    // The shear is Pr itself.
    EXPECT_EQ(d.Smax[0][0], e.pr);
    EXPECT_EQ(d.TateMmax[0], e.mmax);
    EXPECT_EQ(d.TateSmax[0], e.pr);
}

struct WedgeCase {
    const char* name;
    Change change;
    WedgeOut want;
};

class WedgeLoads : public test::CalcTest, public ::testing::WithParamInterface<WedgeCase> {};

TEST_P(WedgeLoads, StoresEveryStep) {
    test::FillDesign(0);
    GetParam().change(Design);
    CalcHoukaiKusabi();
    ExpectWedge(GetParam().want);
}

// The fixture frame: b = h = 0.2 m, x = y = 2.0, n_y = 4, c = 0.5, L_y = 9.0,
// γc 24, γt 18, infill 0.1 m of 18, ΔFs 0.2, θ0 45; wedge L1 5.000, L2 2.000,
// H 3.536, α 32.57. Each later value is computed from the stored texts above it.
INSTANTIATE_TEST_SUITE_P(
    Cases, WedgeLoads,
    ::testing::Values(
        // N = int((5 − 0.5)/2) + 1 = 3; Wcy = .2·.2·5·24 = 4.80;
        // Wcx = .2·.2·1.8·3·24 = 5.184; Wc = 9.98; We = (5 − .6)·1.8·.1·18 = 14.256;
        // Wt = 2·2·3.536/2·18 = 127.296; W = 151.54;
        // P = .2·151.54·sin32.57 = 16.316; Pr = 16.32·sin12.43 = 3.513; M = 5/3·3.51
        WedgeCase{
            "base",
            [](DesignData&) {},
            {"3", "4.80", "5.18", "9.98", "14.26", "127.30", "151.54", "16.32", "3.51", "5.85"}},
        // W = 127.30 + 9.98 = 137.28; P = 14.780; Pr = 14.78·sin12.43 = 3.181; M = 5.30
        WedgeCase{
            "no_infill",
            [](DesignData& d) { d.UseInfill = 0; },
            {"3", "4.80", "5.18", "9.98", "0.00", "127.30", "137.28", "14.78", "3.18", "5.30"}},
        // L1 0.4 above the first beam: N = 0, Wcy = .2·.2·.4·24 = 0.384;
        // We = .4·1.8·.1·18 = 1.296; W = 128.98; P = 13.887; Pr = 2.990; M = .4/3·2.99
        WedgeCase{
            "above_first_beam",
            [](DesignData& d) { d.KusabiL1 = "0.400"; },
            {"0", "0.38", "0.00", "0.38", "1.30", "127.30", "128.98", "13.89", "2.99", "0.40"}},
        // n_y 3: int((9 − .5)/2) + 1 = 5 capped at 4; Wcy = .2·.2·9·24 = 8.64;
        // Wcx = .144·1.8·4 = 6.912; We = (9 − .8)·.324 = 26.568; W = 169.42;
        // P = 18.241; Pr = 3.926; M = 3·3.93
        WedgeCase{
            "past_last_beam",
            [](DesignData& d) {
                d.KusabiL1 = "9.000";
                d.SpanCountY = "3";
            },
            {"4", "8.64", "6.91", "15.55", "26.57", "127.30", "169.42", "18.24", "3.93", "11.79"}},
        // c 0.05 < b_y/2: counted from 0.1, int((2.09 − .1)/2) + 1 = 1 (from 0.05 it
        // would be 2); Wcy = .04·2.09·24 = 2.0064; Wcx = .144·1.8 = 1.728;
        // We = 1.89·.324 = 6.1236; W = 137.16; P = 14.767; Pr = 3.179; M = 2.09/3·3.18
        WedgeCase{
            "overhang_below_half_width",
            [](DesignData& d) {
                d.KusabiL1 = "2.090";
                d.OverhangUpper = "0.050";
            },
            {"1", "2.01", "1.73", "3.74", "6.12", "127.30", "137.16", "14.77", "3.18", "2.22"}},
        // The slip plane exactly on the second beam: (2.3 − 0.3)/2 = 1, N = 2;
        // Wcy = .04·2.3·24 = 2.208; Wcx = .144·1.8·2 = 3.456; We = 1.9·.324 = 6.156;
        // W = 139.13; P = 14.980; Pr = 3.224; M = 2.3/3·3.22
        WedgeCase{
            "plane_on_a_beam",
            [](DesignData& d) {
                d.KusabiL1 = "2.300";
                d.OverhangUpper = "0.300";
            },
            {"2", "2.21", "3.46", "5.67", "6.16", "127.30", "139.13", "14.98", "3.22", "2.47"}},
        // h_x 0.3 > h_y: Wcy = .04·(5 − .6)·24 = 4.224; Wcx = .2·.3·2·3·24 = 8.64;
        // W = 154.42; P = 16.626; Pr = 3.580; M = 5/3·3.58
        WedgeCase{
            "horizontal_beam_taller",
            [](DesignData& d) { d.SectionHx = " 300"; },
            {"3", "4.22", "8.64", "12.86", "14.26", "127.30", "154.42", "16.63", "3.58", "5.97"}},
        // No beam spacing: one beam; Wcx = .144·1.8 = 1.728; We = 4.8·.324 = 15.552;
        // W = 149.38; P = 16.083; Pr = 3.461; M = 5/3·3.46
        WedgeCase{
            "no_spacing",
            [](DesignData& d) { d.SpanY = ""; },
            {"1", "4.80", "1.73", "6.53", "15.55", "127.30", "149.38", "16.08", "3.46", "5.77"}}),
    [](const ::testing::TestParamInfo<WedgeCase>& info) { return info.param.name; });

struct StopCase {
    const char* name;
    Change change;
};

class WedgeStops : public test::CalcTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(WedgeStops, LeaveEveryOutputEmpty) {
    test::FillDesign(0);
    CalcHoukaiKusabi();  // a previous result that must not survive
    ASSERT_EQ(Design.TateMmax[0], "5.85");
    GetParam().change(Design);
    CalcHoukaiKusabi();
    ExpectWedge({"", "", "", "", "", "", "", "", "", ""});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WedgeStops,
    ::testing::Values(StopCase{"l1_empty", [](DesignData& d) { d.KusabiL1 = ""; }},
                      StopCase{"l2_zero", [](DesignData& d) { d.KusabiL2 = "0.000"; }},
                      StopCase{"length_empty", [](DesignData& d) { d.TotalLengthY = ""; }},
                      StopCase{"wedge_below_frame", [](DesignData& d) { d.KusabiL1 = "9.001"; }},
                      StopCase{"infill_thickness_empty", [](DesignData& d) { d.InfillThick = ""; }},
                      StopCase{"infill_weight_empty", [](DesignData& d) { d.InfillGamma = ""; }}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return info.param.name; });

// The wedge reaching exactly to the foot of the frame still lies on it.
class FailureLoad : public test::CalcTest {};

TEST_F(FailureLoad, WedgeAsLongAsTheFrameIsAccepted) {
    test::FillDesign(0);
    Design.TotalLengthY = "6.300";
    Design.KusabiL1 = "6.300";
    CalcHoukaiKusabi();
    // int((6.3 − 0.5)/2) + 1 = 3
    EXPECT_EQ(Design.HoukaiN, "3");
}

// Arc outputs in the order the procedure writes them.
struct ArcOut {
    const char *n, *r, *angle, *wt, *we, *w, *p, *pr, *mmax, *smax;
};

void ExpectArc(const ArcOut& e) {
    const DesignData& d = Design;
    EXPECT_EQ(d.HoukaiN, e.n);
    EXPECT_EQ(d.EnkoRadius, e.r);
    EXPECT_EQ(d.EnkoAngle, e.angle);
    EXPECT_EQ(d.HoukaiWt, e.wt);
    EXPECT_EQ(d.HoukaiWe, e.we);
    EXPECT_EQ(d.HoukaiW, e.w);
    EXPECT_EQ(d.HoukaiP, e.p);
    EXPECT_EQ(d.HoukaiPr, e.pr);
    EXPECT_EQ(d.Mmax[0][0], e.mmax);
    EXPECT_EQ(d.Smax[0][0], e.smax);
    EXPECT_EQ(d.TateMmax[1], e.mmax);
    EXPECT_EQ(d.TateSmax[1], e.smax);
}

struct ArcCase {
    const char* name;
    Change change;
    ArcOut want;
};

class ArcLoads : public test::CalcTest, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(ArcLoads, StoresEveryStep) {
    test::FillDesign(1);
    // The arc has no frame-weight outputs and leaves the wedge's alone.
    Design.HoukaiWc = "1.23";
    GetParam().change(Design);
    CalcHoukaiEnko();
    ExpectArc(GetParam().want);
    EXPECT_EQ(Design.HoukaiWc, "1.23");
}

// The fixture frame (beams at 0.5, 2.5, 4.5, 6.5, 8.5 m from the top) and the
// arc L1 6.000, L2 1.500, L3 1.000. Hand values:
//   R = (L2² + L1²/4)/(2·L2); t = L1/(2R); θc = 2·atan(t/√(1 − t²));
//   Wt = x·(R²·θc·π/360 − L1/2·(R − L2))·γt; We = (L1 − b_x·N)·(x − b_y)·h_e·γe;
//   P = ΔFs·W·sin θ0; Pr = P·cos((180 − θc)/2); M = 4/(9√6)·Pr·L1; S = 2/3·Pr
INSTANTIATE_TEST_SUITE_P(
    Cases, ArcLoads,
    ::testing::Values(
        // beams 2.5, 4.5, 6.5 in [1, 7]: A = 1, G = 4, N = 3; R = 11.25/3 = 3.75;
        // t = .8, θc = 106.260; Wt = 2·(14.0625·106.26·π/360 − 3·2.25)·18 = 226.442;
        // We = 5.4·1.8·1.8 = 17.496; W = 243.94; P = 34.498; Pr = 34.5·cos36.87 = 27.600;
        // M = .181444·27.6·6 = 30.047; S = 18.40
        ArcCase{"base",
                [](DesignData&) {},
                {"3", "3.750", "106.26", "226.44", "17.50", "243.94", "34.50", "27.60", "30.05",
                 "18.40"}},
        // W = 226.44; P = 32.023; Pr = 32.02·.8 = 25.616; M = 27.892; S = 17.08
        ArcCase{"no_infill",
                [](DesignData& d) { d.UseInfill = 0; },
                {"3", "3.750", "106.26", "226.44", "0.00", "226.44", "32.02", "25.62", "27.89",
                 "17.08"}},
        // Half circle: R = 18/6 = 3, t = 1, θc = 180; Wt = 2·(9·π/2 − 0)·18 = 508.938;
        // W = 526.44; P = 74.450; Pr = P; M = 81.051; S = 49.633
        ArcCase{"half_circle",
                [](DesignData& d) { d.EnkoL2 = "3.000"; },
                {"3", "3.000", "180.00", "508.94", "17.50", "526.44", "74.45", "74.45", "81.05",
                 "49.63"}},
        // Top exactly on the beam at 2.5: A = 2, G = 5, N = 3, and that beam joins:
        // N = 4, A = 1; We = 5.2·1.8·1.8 = 16.848; W = 243.29; P = 34.406;
        // Pr = 27.528; M = 29.971; S = 18.353
        ArcCase{"top_on_a_beam",
                [](DesignData& d) { d.EnkoL3 = "2.500"; },
                {"4", "3.750", "106.26", "226.44", "16.85", "243.29", "34.41", "27.53", "29.97",
                 "18.35"}},
        // Same with n_y 3: N capped at n_y + 1 − A = 3
        ArcCase{"top_on_a_beam_capped",
                [](DesignData& d) {
                    d.EnkoL3 = "2.500";
                    d.SpanCountY = "3";
                },
                {"3", "3.750", "106.26", "226.44", "17.50", "243.94", "34.50", "27.60", "30.05",
                 "18.40"}},
        // Top above the first beam (L3 0.3 < c): A = 0, G = int(5.8/2) + 1 = 3
        ArcCase{"top_above_first_beam",
                [](DesignData& d) { d.EnkoL3 = "0.300"; },
                {"3", "3.750", "106.26", "226.44", "17.50", "243.94", "34.50", "27.60", "30.05",
                 "18.40"}},
        // L1 + L3 = 4.2 + 2.1 is exactly L_y = 6.3 and fits. A = 1, G = 3, N = 2;
        // R = (1 + 4.41)/2 = 2.705; t = .77634, θc = 101.853;
        // Wt = 2·(7.317025·101.85·π/360 − 2.1·1.705)·18 = 105.226; We = 3.8·.324 = 12.312;
        // W = 117.54; P = 16.623; Pr = 16.62·cos39.075 = 12.902; M = 9.831; S = 8.60
        ArcCase{"fits_exactly",
                [](DesignData& d) {
                    d.EnkoL1 = "4.200";
                    d.EnkoL2 = "1.000";
                    d.EnkoL3 = "2.100";
                    d.TotalLengthY = "6.300";
                },
                {"2", "2.705", "101.85", "105.23", "12.31", "117.54", "16.62", "12.90", "9.83",
                 "8.60"}},
        // Foot above the first beam (0.4 < c): N = 0; R = .08/.4 = .2, θc = 180;
        // Wt = 2·.04·π/2·18 = 2.262; We = .4·.324 = 1.296; W = 3.56; P = .503;
        // Pr = .50; M = .0363; S = .333
        ArcCase{"foot_above_first_beam",
                [](DesignData& d) {
                    d.EnkoL1 = "0.400";
                    d.EnkoL2 = "0.200";
                    d.EnkoL3 = "0.000";
                },
                {"0", "0.200", "180.00", "2.26", "1.30", "3.56", "0.50", "0.50", "0.04", "0.33"}},
        // Foot exactly on the first beam: N = 1; R = .125/.5 = .25, θc = 180;
        // Wt = 2·.0625·π/2·18 = 3.534; We = .3·.324 = .972; W = 4.50; P = .636;
        // M = .181444·.64·.5 = .058; S = .427
        ArcCase{"foot_on_first_beam",
                [](DesignData& d) {
                    d.EnkoL1 = "0.500";
                    d.EnkoL2 = "0.250";
                    d.EnkoL3 = "0.000";
                },
                {"1", "0.250", "180.00", "3.53", "0.97", "4.50", "0.64", "0.64", "0.06", "0.43"}},
        // No beam spacing and L3 > c: N = 0; We = 6·.324 = 19.44; W = 245.88;
        // P = 34.773; Pr = 27.816; M = 30.287; S = 18.547
        ArcCase{"no_spacing_below_beam",
                [](DesignData& d) { d.SpanY = ""; },
                {"0", "3.750", "106.26", "226.44", "19.44", "245.88", "34.77", "27.82", "30.29",
                 "18.55"}},
        // No beam spacing and L3 ≤ c: N = 1; We = 5.8·.324 = 18.792; W = 245.23;
        // P = 34.681; Pr = 27.744; M = 30.199; S = 18.493
        ArcCase{"no_spacing_above_beam",
                [](DesignData& d) {
                    d.SpanY = "";
                    d.EnkoL3 = "0.300";
                },
                {"1", "3.750", "106.26", "226.44", "18.79", "245.23", "34.68", "27.74", "30.20",
                 "18.49"}}),
    [](const ::testing::TestParamInfo<ArcCase>& info) { return info.param.name; });

class ArcStops : public test::CalcTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ArcStops, LeaveEveryOutputEmpty) {
    test::FillDesign(1);
    CalcHoukaiEnko();
    ASSERT_EQ(Design.TateMmax[1], "30.05");
    GetParam().change(Design);
    CalcHoukaiEnko();
    ExpectArc({"", "", "", "", "", "", "", "", "", ""});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArcStops,
    ::testing::Values(StopCase{"deeper_than_half_chord", [](DesignData& d) { d.EnkoL2 = "3.001"; }},
                      StopCase{"below_frame_foot", [](DesignData& d) { d.EnkoL3 = "3.001"; }},
                      StopCase{"spacing_empty", [](DesignData& d) { d.SpanX = ""; }},
                      StopCase{"l1_zero", [](DesignData& d) { d.EnkoL1 = "0"; }},
                      StopCase{"l2_empty", [](DesignData& d) { d.EnkoL2 = ""; }},
                      StopCase{"length_empty", [](DesignData& d) { d.TotalLengthY = ""; }},
                      StopCase{"infill_thickness_empty",
                               [](DesignData& d) { d.InfillThick = ""; }}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return info.param.name; });

}  // namespace
}  // namespace talvo
