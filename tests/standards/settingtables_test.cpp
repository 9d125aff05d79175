// The settings tables without a display: load texts, the rules that keep
// related fields in order, the bar-name cut and the write-back with its flags.
#include "standards/settingtables.h"

#include <gtest/gtest.h>

#include "shell/codec.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/scripted_messages.h"

namespace talvo::standards {
namespace {

using test::ScriptedMessages;

class SettingTables : public ::testing::Test {
protected:
    void SetUp() override {
        InitAllTables();
        ResetProgramState();
    }
    ScriptedMessages messages;
};

std::string Flags() {
    return std::to_string(RecalcLoad) + std::to_string(RecalcForce) +
           std::to_string(RecalcAnchorBar) + std::to_string(RecalcResult);
}

TEST_F(SettingTables, WidthBoundsCascadeSoThatClassesZeroToFourIncrease) {
    struct Case {
        int edited;
        const char* value;
        std::array<const char*, 6> after;
        std::vector<int> moved;
    };
    const Case cases[] = {
        // Upper classes move above the entered bound, each above its neighbour.
        {1, "550", {"199", "550", "552", "554", "599", "1000"}, {2, 3}},
        // Lower classes move below it, each below its neighbour.
        {3, "150", {"144", "146", "148", "150", "599", "1000"}, {2, 1, 0}},
        // Class 1 is compared with the moved class 2, not with the entered bound.
        {5, "300", {"199", "292", "294", "296", "298", "300"}, {4, 3, 2, 1}},
        // Class 5 is never moved.
        {4, "998", {"199", "299", "399", "499", "998", "1000"}, {}},
        // In order already: nothing moves.
        {2, "350", {"199", "299", "350", "499", "599", "1000"}, {}},
        // The smallest bound of class 0 pushes the others up.
        {0, "990", {"990", "992", "994", "996", "998", "1000"}, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::array<std::string, 6> bounds{"199", "299", "399", "499", "599", "1000"};
        bounds[static_cast<std::size_t>(c.edited)] = c.value;
        EXPECT_EQ(CascadeWidthBounds(bounds, c.edited), c.moved);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(bounds[static_cast<std::size_t>(k)], c.after[static_cast<std::size_t>(k)])
                << k;
    }
}

TEST_F(SettingTables, MovedWidthBoundsStayWithinTheirLimits) {
    // Class 5 at its least: every lower class lands on its own least bound.
    std::array<std::string, 6> bounds{"199", "299", "399", "499", "599", "111"};
    CascadeWidthBounds(bounds, 5);
    EXPECT_EQ(bounds, (std::array<std::string, 6>{"101", "103", "105", "107", "109", "111"}));
    // Raising class 4 above class 5 afterwards leaves class 5.
    bounds[4] = "500";
    CascadeWidthBounds(bounds, 4);
    EXPECT_EQ(bounds[5], "111");
    // An empty bound is passed over; its neighbours are still kept in order.
    std::array<std::string, 6> gap{"199", "", "399", "499", "599", "1000"};
    gap[3] = "150";
    CascadeWidthBounds(gap, 3);
    EXPECT_EQ(gap, (std::array<std::string, 6>{"146", "", "148", "150", "599", "1000"}));
    EXPECT_EQ(NextClassText(" 199"), " 200 ～ 1000");
}

TEST_F(SettingTables, SnowLimitsAreComparedAsNumbersOnlyWhenBothAreFilled) {
    struct Case {
        const char* first;
        const char* second;
        int edited;
        int moved;
        const char* firstAfter;
        const char* secondAfter;
    };
    const Case cases[] = {
        {" 1.00", " 1.00", 0, 1, " 1.00", " 1.01"},
        {" 0.60", " 0.50", 1, 0, " 0.49", " 0.50"},
        {" 9.98", " 1.00", 0, 1, " 9.98", " 9.99"},
        {" 0.60", " 0.02", 1, 0, " 0.01", " 0.02"},
        {" 0.60", " 1.00", 0, -1, " 0.60", " 1.00"},
        // Emptying either limit moves nothing (never to " -0.01").
        {" 0.60", "", 1, -1, " 0.60", ""},
        {"", " 1.00", 0, -1, "", " 1.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + "|" + c.second);
        std::array<std::string, 2> limits{c.first, c.second};
        EXPECT_EQ(OrderSnowLimits(limits, c.edited), c.moved);
        EXPECT_EQ(limits[0], c.firstAfter);
        EXPECT_EQ(limits[1], c.secondAfter);
    }
}

TEST_F(SettingTables, StirrupSpacingsKeepTheMinimumAtOrBelowTheMaximum) {
    std::string mn = "  400", mx = "  300";
    EXPECT_EQ(OrderStirrupSpacing(mn, mx, true), 1);
    EXPECT_EQ(mx, "  400");
    mn = "  400";
    mx = "   50";
    EXPECT_EQ(OrderStirrupSpacing(mn, mx, false), 0);
    EXPECT_EQ(mn, "   50");
    mn = mx = "  300";
    EXPECT_EQ(OrderStirrupSpacing(mn, mx, true), -1);
    // An emptied maximum counts as 0 and empties the minimum too.
    mn = "  100";
    mx = "";
    EXPECT_EQ(OrderStirrupSpacing(mn, mx, false), 0);
    EXPECT_EQ(mn, "");
    mn = "";
    mx = "  300";
    EXPECT_EQ(OrderStirrupSpacing(mn, mx, true), -1);
}

TEST_F(SettingTables, BarNamesAreCutAtAWholeCharacter) {
    struct Case {
        const char* typed;
        bool message;
        const char* cell;
    };
    const Case cases[] = {
        {"D19", false, "        D19"},
        {"   D22", false, "        D22"},
        {"D100", true, "        D10"},
        {"ＤＥ", true, "        Ｄ"},   // two full-width characters: 4 bytes
        {"DＥ", false, "        DＥ"},  // 3 bytes
        {"DDＥ", true, "        DD"},   // never half of the full-width character
        {"", false, "        "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        if (c.message) messages.Expect(kBarNameTooLong);
        const std::string cell = CheckBarName(c.typed);
        EXPECT_EQ(cell, c.cell);
        EXPECT_TRUE(cp932::Representable(cell));
        EXPECT_LE(cp932::ByteCount(BarNameOf(cell)), 3u);
    }
}

TEST_F(SettingTables, BarRowsLoadWithDecimalsBySize) {
    EXPECT_EQ(RebarRowTexts(0),
              (std::array<std::string, 5>{"        D10", "       0.560", "       9.53",
                                          "       0.7133", "       3.0"}));
    EXPECT_EQ(RebarRowTexts(11),
              (std::array<std::string, 5>{"        D51", "      15.9", "      50.8", "      20.27",
                                          "      16.0"}));
}

TEST_F(SettingTables, BarTableCommitRefusesABlankNameAndRaisesFlagsByWorkType) {
    std::array<std::string, 12> names;
    std::array<std::array<std::string, 4>, 12> numbers;
    for (int i = 0; i < 12; ++i) {
        const auto t = RebarRowTexts(i);
        names[static_cast<std::size_t>(i)] = t[0];
        for (int k = 0; k < 4; ++k)
            numbers[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] =
                t[static_cast<std::size_t>(k + 1)];
    }
    auto blank = names;
    blank[4] = "        ";
    messages.Expect(kIncompleteMessage);
    EXPECT_FALSE(CommitRebarTable(blank, numbers));
    EXPECT_EQ(RebarSpecTable[4].Name, "D22");
    EXPECT_EQ(Flags(), "0000");

    const char* expected[6] = {"0011", "0011", "0011", "1001", "0001", "0001"};
    for (int type = 0; type <= 5; ++type) {
        SCOPED_TRACE(type);
        ResetProgramState();
        Design.WorkType = static_cast<std::int16_t>(type);
        names[2] = "        D1６";
        numbers[2][0] = "      12.5";
        EXPECT_TRUE(CommitRebarTable(names, numbers));
        EXPECT_EQ(Flags(), expected[type]);
        EXPECT_EQ(DataChanged, 0);
    }
    EXPECT_EQ(RebarSpecTable[2].Name, "D1");
    EXPECT_DOUBLE_EQ(RebarSpecTable[2].UnitMass, 12.5);
}

TEST_F(SettingTables, IntegerTablesTakeTheNearestInteger) {
    EXPECT_TRUE(CommitStirrups({"  150", "  350", "   25", "    4"}, false, 7, 11));
    EXPECT_EQ(StirrupDefaults.MinSpacing, 150);
    EXPECT_EQ(StirrupDefaults.ScFormula, 1);
    EXPECT_EQ(StirrupDefaults.BarIndex, 11);
    EXPECT_EQ(StirrupDefaults.MaxHalfDepth, 0);
    EXPECT_EQ(Flags(), "0001");
    StirrupDefaults.BarIndex = 40;  // damaged: the dialog shows the last bar
    EXPECT_EQ(StirrupBarIndex(), 11);
    EXPECT_EQ(SpanRowTexts(4), (std::array<std::string, 4>{" 1", " 9", "17", "28"}));
}

}  // namespace
}  // namespace talvo::standards
