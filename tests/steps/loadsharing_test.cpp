// The load-sharing step: the option texts of the two kinds, the three
// choices (each recomputes the uniform loads at once when it changes), and
// the single-row rule that closes the vertical pitch.
#include "steps/loadsharing.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/anchorload.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

TEST(LoadSharingTexts, OptionTextsNameBoltsOrAnchors) {
    const ShareOptionTexts bolts = ShareOptionTextsFor(3);
    EXPECT_EQ(bolts.tate[0], "= 縦枠の全長÷ロックボルト数");
    EXPECT_EQ(bolts.tate[1], "= ロックボルト縦ピッチ");
    EXPECT_EQ(bolts.yoko[0], "= 横枠の全長÷ロックボルト数");
    EXPECT_EQ(bolts.yoko[1], "= ロックボルト横ピッチ");
    const ShareOptionTexts anchors = ShareOptionTextsFor(4);
    EXPECT_EQ(anchors.tate[0], "= 縦枠の全長÷アンカー数");
    EXPECT_EQ(anchors.tate[1], "= アンカー縦ピッチ");
    EXPECT_EQ(anchors.yoko[0], "= 横枠の全長÷アンカー数");
    EXPECT_EQ(anchors.yoko[1], "= アンカー横ピッチ");

    EXPECT_EQ(ShareLoadText("12.3"), "   12.3");
    EXPECT_EQ(ShareLoadText("155.6"), "  155.6");
    EXPECT_EQ(ShareLoadText(""), "");
}

TEST(LoadSharingTexts, OneAnchorDownTheSlopeIsASingleRow) {
    for (const char* one : {"  1", "1", " 1"}) EXPECT_TRUE(SingleAnchorRow(one)) << one;
    for (const char* other : {"", "  0", "  2", " 10"})
        EXPECT_FALSE(SingleAnchorRow(other)) << other;
}

class LoadSharing : public ::testing::Test {
protected:
    void SetUp() override {
        FillWorkedAnchorDesign(3);
        RecalcRock();
        ASSERT_EQ(Design.Pt, "155.6");
        DataChanged = 0;
        SetAllRecalc(false);
    }
};

// Pt = 155.6 kN (holding, β = 45°). ℓ1: 16.000 / 5 = 3.200 (option 0) or
// the pitch 3.500; ℓ2: 6.800 / 4 = 1.700 or the pitch 2.000; b = 0.200.
TEST_F(LoadSharing, EveryChoiceRecomputesTheUniformLoadsAtOnce) {
    struct Step {
        ShareChoice choice;
        int index;
        const char* tateL;
        const char* yokoL;
        const char* tateW;
        const char* yokoW;
        const char* arithmetic;
    };
    const Step steps[] = {
        {ShareChoice::LoadPattern, 1, "3.200", "1.700", "33.11", "33.11",
         "155.6 / (3.200 + 1.700 − 0.200) = 33.106"},
        {ShareChoice::LoadPattern, 2, "3.200", "1.700", "48.63", "91.53",
         "155.6 / 3.200 = 48.625; 155.6 / 1.700 = 91.529"},
        {ShareChoice::LoadPattern, 3, "3.200", "1.700", "24.31", "45.76",
         "77.8 / 3.200 = 24.3125; 77.8 / 1.700 = 45.765"},
        {ShareChoice::TateLength, 1, "  3.500", "1.700", "22.23", "45.76", "77.8 / 3.500 = 22.229"},
        {ShareChoice::YokoLength, 1, "  3.500", " 2.000", "22.23", "38.90",
         "77.8 / 2.000 = 38.900"},
        {ShareChoice::LoadPattern, 0, "  3.500", " 2.000", "28.29", "28.29",
         "155.6 / (3.500 + 2.000) = 28.291"},
    };
    // A new design shares by the total lengths with pattern 0:
    // 155.6 / (3.200 + 1.700) = 31.755.
    EXPECT_EQ(Design.TateToubunpu, "31.76");
    for (const Step& s : steps) {
        SCOPED_TRACE(s.arithmetic);
        DataChanged = 0;
        RecalcResult = 0;
        EXPECT_TRUE(ChooseShareOption(s.choice, s.index));
        EXPECT_EQ(StoredShareOption(s.choice), s.index);
        EXPECT_EQ(Design.TateShareL, s.tateL);
        EXPECT_EQ(Design.YokoShareL, s.yokoL);
        EXPECT_EQ(Design.TateToubunpu, s.tateW);
        EXPECT_EQ(Design.YokoToubunpu, s.yokoW);
        EXPECT_EQ(DataChanged, 1);
        EXPECT_EQ(RecalcResult, 1);
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_NE(Design.TateMmax[3], "");
    }
}

TEST_F(LoadSharing, TheOptionInForceChangesNothing) {
    Design.TateToubunpu = "stale";
    for (ShareChoice c :
         {ShareChoice::TateLength, ShareChoice::YokoLength, ShareChoice::LoadPattern})
        EXPECT_FALSE(ChooseShareOption(c, 0));
    EXPECT_EQ(Design.TateToubunpu, "stale");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcResult, 0);
}

TEST_F(LoadSharing, ADirectLoadIsSharedAsEntered) {
    // Pt entered as 12.3: 12.3 / (3.200 + 1.700) = 2.510.
    Design.PtDirect = 1;
    Design.PtInput = "   12.3";
    EXPECT_TRUE(ChooseShareOption(ShareChoice::LoadPattern, 2));
    EXPECT_EQ(Design.Pt, "   12.3");
    // 12.3 / 3.200 = 3.844; 12.3 / 1.700 = 7.235.
    EXPECT_EQ(Design.TateToubunpu, "3.84");
    EXPECT_EQ(Design.YokoToubunpu, "7.24");
    // An emptied Pt leaves no loads.
    Design.PtInput.clear();
    EXPECT_TRUE(ChooseShareOption(ShareChoice::LoadPattern, 0));
    EXPECT_EQ(Design.Pt, "");
    EXPECT_EQ(Design.TateToubunpu, "");
    EXPECT_EQ(Design.YokoToubunpu, "");
}

TEST_F(LoadSharing, SingleRowRuleSwitchesThePitchToTheTotalLength) {
    struct Case {
        const char* count;
        int stored;
        bool closed;
        int after;
        std::int16_t changed;
    };
    const Case cases[] = {
        {"  1", 1, true, 0, 1},  // the pitch is switched off: a real change
        {"  1", 0, true, 0, 0},  // already the total length: nothing changes
        {"  2", 1, false, 1, 0},
        {"", 1, false, 1, 0},  // no count: the pitch stays open
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("count '") + c.count + "' mode " + std::to_string(c.stored));
        Design.AnchorCountY = c.count;
        Design.TateShareMode = static_cast<std::int16_t>(c.stored);
        DataChanged = 0;
        EXPECT_EQ(ApplySingleRowRule(), c.closed);
        EXPECT_EQ(Design.TateShareMode, c.after);
        EXPECT_EQ(DataChanged, c.changed);
    }
    // One anchor down the slope: ℓ1 = 16.000 / 1.
    Design.AnchorCountY = "  1";
    Design.TateShareMode = 1;
    ApplySingleRowRule();
    EXPECT_EQ(Design.TateShareL, "16.000");
}

}  // namespace
}  // namespace talvo::test
