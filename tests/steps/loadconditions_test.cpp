// The design-load conditions of the anchored frames: φ and tan φ from each
// other, the staggering test with the spacing it gives, and the marks of
// the rows and of the installation angle.
#include "steps/loadconditions.h"

#include <gtest/gtest.h>

#include <string>

#include "support/filled_design.h"

namespace talvo::test {
namespace {

class LoadConditions : public ::testing::Test {
protected:
    void SetUp() override { ResetCalcState(); }
};

TEST_F(LoadConditions, FrictionAsAngleOrTangent) {
    struct Case {
        const char* angle;
        const char* tan;
    };
    for (Case c : {Case{"   30.00", "    0.57735"}, Case{"   45.00", "    1.00000"},
                   Case{"   89.99", " 5729.57789"}})
        EXPECT_EQ(TanPhiOfAngle(c.angle), c.tan) << c.angle;
    for (Case c : {Case{"   26.57", "    0.50000"}, Case{"   84.29", "    9.99999"},
                   Case{"   45.00", "    1.00000"}})
        EXPECT_EQ(FrictionAngleOfTan(c.tan), c.angle) << c.tan;
}

TEST_F(LoadConditions, StaggeringTestAndSpacing) {
    struct Case {
        const char* spanX;
        const char* spanY;
        const char* pitchX;
        const char* pitchY;
        bool possible;
        const char* spacing;        // not ticked
        const char* tickedSpacing;  // ticked
    };
    const Case cases[] = {
        {" 1.500", " 1.500", " 3.000", " 3.000", true, "    3.000", "    1.500"},
        {" 1.500", " 1.500", " 6.000", " 3.000", true, "    6.000", "    3.000"},
        {" 1.500", " 1.500", " 4.500", " 3.000", false, "    4.500", "    4.500"},  // ratio 3
        {" 1.500", " 1.500", " 3.000", " 4.500", false, "    3.000", "    3.000"},
        {" 1.500", " 1.500", " 2.000", " 3.000", false, "    2.000", "    2.000"},  // no multiple
        {" 1.500", " 1.500", " 3.000", " 2.000", false, "    3.000", "    3.000"},
        {" 1.500", "", " 3.000", " 3.000", false, "    3.000", "    3.000"},
        {" 1.500", " 1.500", " 3.000", "", false, "    3.000", "    3.000"},
        // Without a horizontal span or pitch there is no spacing at all.
        {"", " 1.500", " 3.000", " 3.000", false, "", ""},
        {" 1.500", " 1.500", "", " 3.000", false, "", ""},
        // Only a damaged file holds a span of 0.
        {"0", " 1.500", " 3.000", " 3.000", false, "    3.000", "    3.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.spanX) + "/" + c.spanY + "/" + c.pitchX + "/" + c.pitchY);
        DesignData d;
        d.SpanX = c.spanX;
        d.SpanY = c.spanY;
        d.PitchX = c.pitchX;
        d.PitchY = c.pitchY;
        const Staggering plain = TestStagger(d, false);
        EXPECT_EQ(plain.possible, c.possible);
        EXPECT_EQ(plain.spacing, c.spacing);
        const Staggering ticked = TestStagger(d, true);
        EXPECT_EQ(ticked.possible, c.possible);
        EXPECT_EQ(ticked.spacing, c.tickedSpacing);
    }
    // A number beyond any pitch (a damaged file) is compared, not overflowed.
    EXPECT_FALSE(StaggerPossible(" 1.500", " 1.500", "1e300", " 3.000"));
    EXPECT_FALSE(StaggerPossible(" 1.500", "-1e300", " 3.000", " 3.000"));

    // The staggering box itself halves whatever pitch is stored.
    EXPECT_EQ(HorizontalSpacing(" 3.000", true), "    1.500");
    EXPECT_EQ(HorizontalSpacing(" 3.000", false), "    3.000");
    EXPECT_EQ(HorizontalSpacing("", true), "    0.000");
    EXPECT_EQ(HorizontalSpacing("", false), "");
}

TEST_F(LoadConditions, RowsAndInstallationAngle) {
    EXPECT_TRUE(FewerRowsThanAnchors(" 4", "    3"));
    EXPECT_FALSE(FewerRowsThanAnchors(" 4", "    4"));
    EXPECT_FALSE(FewerRowsThanAnchors(" 9", ""));
    EXPECT_FALSE(FewerRowsThanAnchors("", "    1"));

    struct Case {
        int type;
        const char* angle;
        bool outside;
    };
    const Case cases[] = {
        {4, "15.0", false}, {4, "10.00", false}, {4, "45.00", false}, {4, "", false},
        {4, "9.99", true},  {4, "45.01", true},  {3, "50.00", false}, {3, "5", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InstallAngleOutsideStandard(c.type, c.angle), c.outside)
            << c.type << " " << c.angle;
}

}  // namespace
}  // namespace talvo::test
