// The slope gradient: the ratio 1 : n and the angle θ0 derived from each
// other as shown, and the slope height from the slope length.
#include "steps/gradient.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/globals.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

class Gradient : public ::testing::Test {
protected:
    void SetUp() override { ResetCalcState(); }
};

TEST_F(Gradient, EachFormFromTheOtherAndTheHeight) {
    struct Case {
        const char* ratio;  // entered, or derived from the angle
        const char* angle;
        const char* height;  // with L = 10.000
    };
    const Case fromRatio[] = {
        // H from the shown 33.69°, not from atan(1 / 1.5).
        {"  1.50", " 33.69", "  5.547"},
        {"  2.00", " 26.57", "  4.473"},
        {"  9.99", "  5.72", "  0.997"},
        {"1.00", " 45.00", "  7.071"},
    };
    for (const Case& c : fromRatio) {
        SCOPED_TRACE(c.ratio);
        const std::string angle = SlopeAngleOfRatio(c.ratio, Pi);
        EXPECT_EQ(angle, c.angle);
        EXPECT_EQ(SlopeHeight(" 10.000", angle), c.height);
    }
    const Case fromAngle[] = {
        {"  1.73", " 30.00", "  5.000"},
        {" 10.00", "  5.71", "  0.995"},
        {"5729.58", "  0.01", "  0.002"},
        {"  0.00", " 89.99", " 10.000"},
    };
    for (const Case& c : fromAngle) {
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(SlopeRatioOfAngle(c.angle, Pi), c.ratio);
        EXPECT_EQ(SlopeHeight(" 10.000", c.angle), c.height);
    }
    EXPECT_EQ(SlopeHeight("  9.000", "45.00"), "  6.364");
    EXPECT_EQ(SlopeHeight("  9.000", " 30.00"), "  4.500");
    EXPECT_EQ(SlopeHeight("  0.000", " 26.57"), "  0.000");
    // A gradient of 0 (only from a damaged file): the angle of a vertical face.
    EXPECT_EQ(SlopeAngleOfRatio("0", Pi), " 90.00");
}

TEST_F(Gradient, HeightOnActivationNeedsALengthAndARatio) {
    struct Case {
        const char* length;
        const char* ratio;
        const char* angle;
        const char* height;
    };
    const Case cases[] = {
        {"  9.000", "1.00", "45.00", "  6.364"},
        {" 12.000", "1.00", "45.00", "  8.485"},
        {"", "1.00", "45.00", ""},         // no slope length
        {"  0.000", "1.00", "45.00", ""},  // a slope length of 0
        {"  9.000", "", "45.00", ""},      // no ratio
    };
    for (const Case& c : cases)
        EXPECT_EQ(SlopeHeightOnActivation(c.length, c.ratio, c.angle), c.height)
            << c.length << " / " << c.ratio;
}

}  // namespace
}  // namespace talvo::test
