// The rules of the rock-bolt steps: bar stepping, the bar's area and
// diameter as shown, the stress verdicts and the anchorage-length check.
#include "steps/rockbolt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell/tables.h"

namespace talvo {
namespace {

class RockBoltTest : public ::testing::Test {
protected:
    void SetUp() override { InitAllTables(); }
    void TearDown() override { InitAllTables(); }
};

TEST_F(RockBoltTest, BarStepsStopAtBothEndsOfTheTable) {
    struct Case {
        std::int16_t index;
        int step;
        std::int16_t next;
    };
    const Case cases[] = {
        {5, +1, 6},
        {5, -1, 4},
        {0, -1, 0},
        {0, +1, 1},
        {11, +1, 11},
        {11, -1, 10},
        // An index outside the table (only a damaged file holds one) stays.
        {12, -1, 12},
        {-1, +1, -1},
        {99, -1, 99},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepBarIndex(c.index, c.step), c.next) << c.index << " " << c.step;
    }
}

TEST_F(RockBoltTest, BarTextsOfTheDefaultTable) {
    struct Case {
        std::int16_t index;
        const char *box, *area, *diameter;
    };
    const Case cases[] = {
        {0, "   D10", "71.33", "9.53"},
        {4, "   D22", "387.1", "22.2"},
        {5, "   D25", "506.7", "25.4"},
        {11, "   D51", "2027.0", "50.8"},
        {-1, "", "", ""},
        {12, "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BarBoxText(c.index), c.box) << c.index;
        EXPECT_EQ(BarAreaText(c.index), c.area) << c.index;
        EXPECT_EQ(BarDiameterText(c.index), c.diameter) << c.index;
    }
}

TEST_F(RockBoltTest, AreaDecimalsFollowTheSize) {
    // cm² in the table, mm² shown; the decimals change at 100, 10 and 1 mm².
    struct Case {
        double cm2;
        const char* shown;
    };
    const Case cases[] = {
        {1.0, "100.0"},     {0.9999, "99.99"}, {0.1, "10.00"},
        {0.09999, "9.999"}, {0.01, "1.000"},   {0.009999, "0.9999"},
        {0.0001, "0.0100"}, {0.0, "0.0000"},   {99.99, "9999.0"},
    };
    for (const Case& c : cases) {
        RebarSpecTable[3].Area = c.cm2;
        EXPECT_EQ(BarAreaText(3), c.shown) << c.cm2;
    }
}

TEST_F(RockBoltTest, StressVerdictComparesTheStoredTexts) {
    struct Case {
        const char *stress, *allowable, *verdict;
    };
    const Case cases[] = {
        {"80.0", "    80", "ok"},   // a tie passes
        {"80.1", "    80", "out"},  // one step past it
        {"79.9", "    80", "ok"},
        {"0.0", "     1", "ok"},
        {"", "    80", ""},
        {"19.8", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StressVerdict(c.stress, c.allowable), c.verdict)
            << c.stress << " / " << c.allowable;
    }
}

TEST_F(RockBoltTest, AnchorageLengthAgainstTheBondLengths) {
    struct Case {
        const char *la, *la1, *la2;
        bool isShort;
    };
    const Case cases[] = {
        {"  2.0", "2.0", "0.8", false},  // equal to the larger
        {"  1.9", "2.0", "0.8", true},
        {"  0.7", "0.5", "0.8", true},  // short of the grout-to-steel length
        {"", "2.0", "0.8", false},      // no length, no check
        {"", "", "", false},
        // Without a required length there is nothing to pass the length.
        {"  2.0", "", "", true},
        {"  2.0", "2.0", "", true},
        {"  2.0", "", "0.8", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnchorageLengthShort(c.la, c.la1, c.la2), c.isShort)
            << c.la << " " << c.la1 << " " << c.la2;
        // The step judges the same once a design load exists...
        EXPECT_EQ(AnchorageLengthShort(c.la, c.la1, c.la2, "100.0"), c.isShort)
            << c.la << " " << c.la1 << " " << c.la2;
    }
    // ...and before it does there are no bond lengths to hold La against.
    EXPECT_FALSE(AnchorageLengthShort("  2.0", "", "", ""));
}

}  // namespace
}  // namespace talvo
