#include <gtest/gtest.h>

#include "shell/design.h"
#include "shell/globals.h"

namespace talvo {

TEST(DesignRecord, NewDesignHasNoWorkTypeAndNoRaisedFlags) {
    RecalcLoad = 1;
    ResultColor[1][10][5] = ColorOut;
    Design.WorkType = 2;
    InitDesignData();
    EXPECT_EQ(Design.WorkType, 5);
    EXPECT_EQ(RecalcLoad, 0);
    EXPECT_EQ(ResultColor[1][10][5], 0);
    EXPECT_EQ(Design.KekkaBar[6], 0);
    EXPECT_EQ(Design.KekkaBar[11], 5);
    EXPECT_EQ(Design.TusCoef[1], "0.60");
    EXPECT_EQ(Design.ShearXInput[4], "0.000");
}

}  // namespace talvo
