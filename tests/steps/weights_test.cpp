// The weights step: the infill thickness against the frame heights, what a
// changed choice of infill or snow reruns, and where moving soil applies.
#include "steps/weights.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/globals.h"

namespace talvo {
namespace {

TEST(Weights, InfillThickerThanAFrameHeight) {
    struct Case {
        const char* infill;
        const char* hy;
        const char* hx;
        bool thicker;
    };
    const Case cases[] = {
        {"  150", " 200", " 150", false},  // equal to the smaller height
        {"  151", " 200", " 150", true},
        {"  151", " 150", " 300", true},
        {"  200", " 200", " 200", false},
        {"  999", " 200", "", false},  // without both heights, never
        {"  999", "", " 200", false},
        {"", " 200", " 150", false},
        {"  100", "0", " 150", true},  // a height of 0 from a file
    };
    for (const Case& c : cases)
        EXPECT_EQ(InfillThickerThanFrame(c.infill, c.hy, c.hx), c.thicker)
            << c.infill << " in " << c.hy << "/" << c.hx;
}

TEST(Weights, AChangedChoiceRerunsEveryLoad) {
    ResetProgramState();
    std::int16_t use = 0;
    SetConsidered(use, false);
    EXPECT_EQ(use, 0);
    EXPECT_EQ(DataChanged + RecalcLoad + RecalcForce + RecalcAnchorBar, 0);
    SetConsidered(use, true);
    EXPECT_EQ(use, 1);
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(RecalcLoad, 1);
    EXPECT_EQ(RecalcForce, 1);
    EXPECT_EQ(RecalcAnchorBar, 1);
    EXPECT_EQ(RecalcResult, 0);
}

TEST(Weights, MovingSoilBearsOnTheFailureTypesOnly) {
    for (int type = 0; type <= 4; ++type) EXPECT_EQ(MovingSoilApplies(type), type < 2) << type;
}

}  // namespace
}  // namespace talvo
