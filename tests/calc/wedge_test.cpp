#include "calc/wedge.h"

#include <gtest/gtest.h>

#include <string>

#include "calc_fixture.h"
#include "shell/design.h"

namespace talvo {
namespace {

// Fields the engineer did not enter start as a stale value, so that each case
// shows whether the procedure rewrote them or emptied them.
constexpr const char* kStale = "99.999";

struct WedgeCase {
    const char* name;
    std::int16_t mode;
    const char* theta;
    // Entered values; nullptr: the field starts stale.
    const char* l1;
    const char* l2;
    const char* h;
    const char* alpha;
    // Expected texts after the run.
    const char* wantL1;
    const char* wantL2;
    const char* wantH;
    const char* wantAlpha;
};

std::string In(const char* v) {
    return v ? v : kStale;
}

class WedgeShape : public test::CalcTest, public ::testing::WithParamInterface<WedgeCase> {};

TEST_P(WedgeShape, DerivesTheMissingPair) {
    const WedgeCase& c = GetParam();
    Design.SlopeAngle = c.theta;
    Design.KusabiInputMode = c.mode;
    Design.KusabiL1 = In(c.l1);
    Design.KusabiL2 = In(c.l2);
    Design.KusabiH = In(c.h);
    Design.KusabiAlpha = In(c.alpha);
    CalcKusabiKeijyou();
    EXPECT_EQ(Design.KusabiL1, c.wantL1);
    EXPECT_EQ(Design.KusabiL2, c.wantL2);
    EXPECT_EQ(Design.KusabiH, c.wantH);
    EXPECT_EQ(Design.KusabiAlpha, c.wantAlpha);
}

// Hand values (degrees; every length rounded to three decimals, L2 to two,
// α to two, then right-aligned in 3 or 4 integer places):
INSTANTIATE_TEST_SUITE_P(
    Modes, WedgeShape,
    ::testing::Values(
        // H = 10·sin45 = 7.0711; α = atan(7.0711/(7.0711 + 5)) = 30.36
        WedgeCase{"m0", 0, "45.00", "10.000", "5.000", nullptr, nullptr, "10.000", "5.000",
                  "  7.071", "  30.36"},
        // H = 4.3·sin45 = 3.0406 → 3.041; α from the unrounded H:
        // atan(3.04056/(3.04056 + 1)) = 36.96 (the rounded H would give 36.97)
        WedgeCase{"m0_unrounded_h", 0, "45.00", "4.300", "1.000", nullptr, nullptr, "4.300",
                  "1.000", "  3.041", "  36.96"},
        // L2 empty: H only
        WedgeCase{"m0_no_l2", 0, "45.00", "10.000", "", nullptr, nullptr, "10.000", "", "  7.071",
                  ""},
        // L2 = 7.0711/tan30 − 10·cos45 = 12.2474 − 7.0711 = 5.1764 → 5.18 → 5.180
        WedgeCase{"m1", 1, "45.00", "10.000", nullptr, nullptr, "30.00", "10.000", "  5.180",
                  "  7.071", "30.00"},
        // H = 3.04056 → 3.041; L2 = 3.04056/tan10 − 4.3·cos45 = 14.2033 → 14.20
        // (the rounded H would give 14.21)
        WedgeCase{"m1_unrounded_h", 1, "45.00", "4.300", nullptr, nullptr, "10.00", "4.300",
                  " 14.200", "  3.041", "10.00"},
        // α = θ0: the slip plane never leaves the face; H only
        WedgeCase{"m1_alpha_at_theta", 1, "45.00", "10.000", nullptr, nullptr, "45.00", "10.000",
                  "", "  7.071", "45.00"},
        WedgeCase{"m1_alpha_empty", 1, "45.00", "10.000", nullptr, nullptr, "", "10.000", "",
                  "  7.071", ""},
        WedgeCase{"m1_l1_empty", 1, "45.00", "", nullptr, nullptr, "30.00", "", "", "", "30.00"},
        // L1 = 2.5/sin30 = 5; α = atan(2.5/(2.5/tan30 + 1)) = atan(2.5/5.3301) = 25.128
        WedgeCase{"m2", 2, "30.00", nullptr, "1.000", "2.500", nullptr, "  5.000", "1.000", "2.500",
                  "  25.13"},
        WedgeCase{"m2_theta_empty", 2, "", nullptr, "1.000", "2.500", nullptr, "", "1.000", "2.500",
                  ""},
        WedgeCase{"m2_no_l2", 2, "30.00", nullptr, "", "2.500", nullptr, "  5.000", "", "2.500",
                  ""},
        // L1 = 5; L2 = 2.5/tan20 − 2.5/tan30 = 6.8687 − 4.3301 = 2.5386 → 2.54
        WedgeCase{"m3", 3, "30.00", nullptr, nullptr, "2.500", "20.00", "  5.000", "  2.540",
                  "2.500", "20.00"},
        WedgeCase{"m3_alpha_above_theta", 3, "30.00", nullptr, nullptr, "2.500", "31.00", "  5.000",
                  "", "2.500", "31.00"},
        // L1 = 5·sin30/sin15 = 9.6593; H = 9.6593·sin45 = 6.8301
        WedgeCase{"m4", 4, "45.00", nullptr, "5.000", nullptr, "30.00", "  9.659", "5.000",
                  "  6.830", "30.00"},
        // L1 = 4.3·sin25/sin5 = 20.8507; H from it: 20.8507·sin30 = 10.4254 → 10.425
        // (the rounded L1 would give 10.426)
        WedgeCase{"m4_unrounded_l1", 4, "30.00", nullptr, "4.300", nullptr, "25.00", " 20.851",
                  "4.300", " 10.425", "25.00"},
        WedgeCase{"m4_alpha_empty", 4, "45.00", nullptr, "5.000", nullptr, "", "", "5.000", "", ""},
        WedgeCase{"m4_alpha_at_theta", 4, "45.00", nullptr, "5.000", nullptr, "45.00", "", "5.000",
                  "", "45.00"},
        // Any other mode changes nothing.
        WedgeCase{"m5", 5, "45.00", "10.000", "5.000", "1.000", "30.00", "10.000", "5.000", "1.000",
                  "30.00"}),
    [](const ::testing::TestParamInfo<WedgeCase>& info) { return info.param.name; });

// A level slope (θ0 = 0) has no face: nothing is derived from a division by
// sin θ0 or tan θ0, and α = 0 gives no L2 from H/tan α.
class WedgeShapeAngles : public test::CalcTest {};

TEST_F(WedgeShapeAngles, ZeroAnglesLeaveDerivedValuesEmpty) {
    struct Case {
        std::int16_t mode;
        const char* theta;
        const char* alpha;
        const char* wantL1;
        const char* wantL2;
        const char* wantH;
    };
    const Case cases[] = {
        {2, "0", "", "", "1.000", "2.500"},
        {3, "0", "-5.00", "", "", "2.500"},
        {1, "45.00", "0", "10.000", "", "  7.071"},
        {3, "45.00", "0", "  3.536", "", "2.500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Design.KusabiInputMode = c.mode;
        Design.SlopeAngle = c.theta;
        Design.KusabiL1 = "10.000";
        Design.KusabiL2 = "1.000";
        Design.KusabiH = "2.500";
        Design.KusabiAlpha = c.alpha;
        CalcKusabiKeijyou();
        EXPECT_EQ(Design.KusabiL1, c.wantL1);
        EXPECT_EQ(Design.KusabiL2, c.wantL2);
        EXPECT_EQ(Design.KusabiH, c.wantH);
    }
}

}  // namespace
}  // namespace talvo
