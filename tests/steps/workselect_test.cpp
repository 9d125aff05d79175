// The work-type selection: what a change of the work type or of the direct
// load entry reruns and resets, and where the results open.
#include "steps/workselect.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/design.h"
#include "shell/globals.h"

namespace talvo {
namespace {

// RecalcKusabi, RecalcLoad, RecalcForce, RecalcAnchorBar, DataChanged.
std::string Flags() {
    return std::to_string(RecalcKusabi) + std::to_string(RecalcLoad) + std::to_string(RecalcForce) +
           std::to_string(RecalcAnchorBar) + std::to_string(DataChanged);
}

class WorkSelect : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Design.WorkType = 1;
        Design.KekkaPrintRow = {1, 1};
        Design.KekkaBar[3] = 9;
    }
    static bool ChoicesReset() {
        return Design.KekkaPrintRow == std::array<std::int16_t, 2>{0, 0} &&
               Design.KekkaBar[3] == 3 && Design.KekkaBar[9] == 3;
    }
};

TEST_F(WorkSelect, AnotherWorkTypeRerunsEverything) {
    ChooseWorkType(1, false);  // the stored type
    EXPECT_EQ(Flags(), "00000");
    EXPECT_FALSE(ChoicesReset());

    ChooseWorkType(3, true);  // while loading: no change of the design
    EXPECT_EQ(Design.WorkType, 3);
    EXPECT_EQ(Flags(), "11110");
    EXPECT_TRUE(ChoicesReset());

    ChooseWorkType(4, false);
    EXPECT_EQ(Flags(), "11111");
}

TEST_F(WorkSelect, DirectLoadOfTheAnchoredTypes) {
    for (int type = 0; type <= 4; ++type) EXPECT_EQ(TakesDirectLoad(type), type >= 3) << type;
    ChooseDirectLoad(false);
    EXPECT_EQ(Flags(), "00000");
    EXPECT_FALSE(ChoicesReset());
    ChooseDirectLoad(true);
    EXPECT_EQ(Design.PtDirect, 1);
    EXPECT_EQ(Flags(), "01001");
    EXPECT_TRUE(ChoicesReset());
}

TEST_F(WorkSelect, ResultsOpenOnTheHorizontalBeamsWhereThereAreNoOthers) {
    struct Case {
        std::int16_t type;
        std::int16_t same;
        std::int16_t tab;
    };
    for (Case c : {Case{0, 0, 0}, Case{0, 1, 1}, Case{2, 0, 1}, Case{4, 0, 0}, Case{3, 1, 1}}) {
        Design.WorkType = c.type;
        Design.SameSection = c.same;
        EXPECT_EQ(FirstResultTab(Design), c.tab) << c.type << " " << c.same;
    }
}

}  // namespace
}  // namespace talvo
