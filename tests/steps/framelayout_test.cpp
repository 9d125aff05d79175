// The frame's shape and the grid of bolts or anchors on it: the totals, the
// missing vertical beam, the count conversions, the consistency marks and
// the grid rule, as the spans and layout steps use them.
#include "steps/framelayout.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

// DataChanged, RecalcLoad, RecalcForce, RecalcAnchorBar as one text.
std::string Flags() {
    return std::to_string(DataChanged) + std::to_string(RecalcLoad) + std::to_string(RecalcForce) +
           std::to_string(RecalcAnchorBar);
}

TEST(FrameTotals, FromTheFourValuesOfADirection) {
    struct Case {
        const char* count;
        const char* span;
        const char* end1;
        const char* end2;
        const char* total;  // as every entry of the frame stores it
    };
    const Case cases[] = {
        {"  3", " 2.000", " 0.500", " 0.500", "7.000"},
        {"  3", " 2.000", "  1.500", "", "7.500"},  // an empty value reads 0
        {" 12", " 2.000", "  1.500", "", "25.500"},
        {"  5", "  3.500", " 0.500", " 0.300", "18.300"},
        {"  5", "  2.500", "  0.500", "  0.750", "13.750"},
        {"  8", "  2.001", "  0.499", "  0.000", "16.507"},
        {"  0", "", "  1.500", "  0.000", "1.500"},  // no vertical span
        {"", "", "", "", "0.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.count) + " x " + c.span);
        EXPECT_EQ(FrameTotal(c.count, c.span, c.end1, c.end2), c.total);
        DesignData d;
        d.SpanCountY = c.count;
        d.SpanY = c.span;
        d.OverhangUpper = c.end1;
        d.OverhangLower = c.end2;
        EXPECT_EQ(FrameTotalY(d), c.total);
        d.SpanCountX = c.count;
        d.SpanX = c.span;
        d.OverhangLeft = c.end1;
        d.OverhangRight = c.end2;
        EXPECT_EQ(FrameTotalX(d), c.total);
    }
}

TEST(FrameTotals, NoVerticalBeamNeedsEveryPartEntered) {
    struct Case {
        const char* count;
        const char* upper;
        const char* lower;
        const char* total;
        bool none;
    };
    const Case cases[] = {
        {"  0", "  0.000", "  0.000", "  0.000", true},
        {"  0", "  0.000", "  0.500", "  0.500", false},
        {"  0", "", "  0.000", "  0.000", false},
        {"  0", "  0.000", "", "  0.000", false},
        {"", "  0.000", "  0.000", "  0.000", false},
        {"  1", "  0.000", "  0.000", "  0.000", false},
        // Texts of blanks, only from a damaged file, are not entered.
        {"   ", "  0.000", "  0.000", "  0.000", false},
        {"  0", "  ", "  0.000", "  0.000", false},
        {"  0", "  0.000", "  0.000", "", true},  // no total reads 0
    };
    for (const Case& c : cases) {
        DesignData d;
        d.SpanCountY = c.count;
        d.OverhangUpper = c.upper;
        d.OverhangLower = c.lower;
        d.TotalLengthY = c.total;
        EXPECT_EQ(NoVerticalBeam(d), c.none)
            << c.count << "|" << c.upper << "|" << c.lower << "|" << c.total;
    }
    EXPECT_TRUE(NoVerticalSpan(" 0"));
    EXPECT_TRUE(NoVerticalSpan("0.0"));
    EXPECT_FALSE(NoVerticalSpan(""));
    EXPECT_FALSE(NoVerticalSpan("   "));
    EXPECT_FALSE(NoVerticalSpan("  2"));
}

TEST(GridCounts, SpansAndAnchorsByTheGridRule) {
    struct Case {
        const char* spans;
        const char* anchors;
    };
    // n spans give n + 1 anchors.
    for (Case c : {Case{"  3", "  4"}, Case{" 4", "  5"}, Case{"  0", "  1"}, Case{" 98", " 99"},
                   Case{"", ""}, Case{"   ", ""}})
        EXPECT_EQ(AnchorCountOfSpans(c.spans), c.anchors) << "'" << c.spans << "'";
    // m anchors give m - 1 spans, vertical in two places, horizontal in three.
    EXPECT_EQ(SpanCountOfAnchors("  6", 0), " 5");
    EXPECT_EQ(SpanCountOfAnchors("  1", 0), " 0");
    EXPECT_EQ(SpanCountOfAnchors("  5", 1), "  4");
    EXPECT_EQ(SpanCountOfAnchors(" 99", 1), " 98");
    EXPECT_EQ(SpanCountOfAnchors("", 0), "");
    EXPECT_EQ(SpanCountOfAnchors("  ", 1), "");

    EXPECT_TRUE(SingleAnchor("  1"));
    EXPECT_FALSE(SingleAnchor("  2"));
    EXPECT_FALSE(SingleAnchor(""));
}

TEST(GridMarks, FrameAndAnchorValuesThatDoNotFit) {
    struct Case {
        const char* what;
        bool (*rule)(const std::string&, const std::string&);
        const char* frame;
        const char* anchor;
        bool red;
    };
    const Case cases[] = {
        {"6 anchors on 4 spans", TooManyAnchors, "  4", "  6", true},
        {"5 anchors on 4 spans", TooManyAnchors, "  4", "  5", false},
        {"3 anchors on 4 spans", TooManyAnchors, "  4", "  3", false},
        {"3 anchors on 1 span", TooManyAnchors, "  1", "  3", true},
        {"span count empty", TooManyAnchors, "", " 99", false},
        {"4.000 on 2.000", PitchOffSpan, "  2.000", "  4.000", false},
        {"3.000 on 2.000", PitchOffSpan, "  2.000", "  3.000", true},
        {"3.000 on 1.500", PitchOffSpan, "  1.500", "  3.000", false},
        {"4.000 on 1.500", PitchOffSpan, "  1.500", "  4.000", true},
        {"2.001 on 2.000", PitchOffSpan, "  2.000", "  2.001", true},
        {"2.001 on 2.001", PitchOffSpan, "  2.001", "  2.001", false},
        {"pitch empty", PitchOffSpan, "  2.000", "", false},
        {"pitch of blanks", PitchOffSpan, "  2.000", "   ", false},
        {"span of 0 from a file", PitchOffSpan, "0", "  2.000", true},
        {"span below half a millimetre", PitchOffSpan, "0.0004", "  2.000", true},
        {"anchor overhang shorter", AnchorOverhangShort, "  1.000", "  0.500", true},
        {"by a millimetre", AnchorOverhangShort, "  0.500", "  0.499", true},
        {"equal", AnchorOverhangShort, "  0.500", "  0.500", false},
        {"longer", AnchorOverhangShort, "  0.300", "  0.500", false},
        {"frame overhang empty", AnchorOverhangShort, "", "  0.200", false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.rule(c.frame, c.anchor), c.red) << c.what;
}

TEST(GridRule, ADirectionFollowsTheRule) {
    // The filled layout of a direction: 4 spans of 2.000, 0.500 overhangs.
    const LayoutDirection follows{"  4", "  2.000", "  0.500", "  0.500",
                                  "  5", "  2.000", "  0.500", "  0.500"};
    EXPECT_TRUE(FollowsGridRule(follows));
    struct Case {
        const char* what;
        std::string LayoutDirection::*field;
        const char* value;
        bool follows;
    };
    const Case cases[] = {
        {"pitch a multiple, not equal", &LayoutDirection::pitch, " 4.000", false},
        {"anchor count off", &LayoutDirection::anchorCount, " 3", false},
        {"second overhang off", &LayoutDirection::anchorOverhang2, " 0.400", false},
        {"first overhang off", &LayoutDirection::anchorOverhang1, " 0.600", false},
        // Counts are compared only when both are entered; lengths by value.
        {"anchor count empty", &LayoutDirection::anchorCount, "", true},
        {"span count empty", &LayoutDirection::spanCount, "", true},
        {"pitch the same value", &LayoutDirection::pitch, "2", true},
        {"pitch empty", &LayoutDirection::pitch, "", false},
    };
    for (const Case& c : cases) {
        LayoutDirection dir = follows;
        dir.*c.field = c.value;
        EXPECT_EQ(FollowsGridRule(dir), c.follows) << c.what;
    }
}

class GridRuleAtLoad : public ::testing::Test {
protected:
    void SetUp() override { FillDesign(4); }
    static std::vector<std::string> Anchors() {
        const DesignData& d = Design;
        return {d.AnchorCountY, d.PitchY, d.AnchorOverhangUpper, d.AnchorOverhangLower,
                d.AnchorCountX, d.PitchX, d.AnchorOverhangLeft,  d.AnchorOverhangRight};
    }
};

TEST_F(GridRuleAtLoad, TheAnchorsFollowTheFrame) {
    // A layout that agrees but for blanks keeps its texts: loading the step
    // changes nothing the design holds.
    const std::vector<std::string> filled = Anchors();
    DataChanged = 0;
    SetAllRecalc(false);
    ApplyGridRule(Design);
    EXPECT_EQ(Anchors(), filled);
    EXPECT_EQ(Flags(), "0000");

    // A differing value is replaced (a count by n + 1, a length without its
    // blanks) and marks the design changed; the others keep their texts.
    FillDesign(3);
    Design.PitchY = " 4.000";
    Design.AnchorCountX = " 9";
    DataChanged = 0;
    SetAllRecalc(false);
    ApplyGridRule(Design);
    EXPECT_EQ(Anchors(), (std::vector<std::string>{" 5", "2.000", " 0.500", " 0.500", "  4",
                                                   " 2.000", " 0.500", " 0.300"}));
    EXPECT_EQ(Flags(), "1110");

    // A new design has nothing to follow.
    ResetProgramState();
    ApplyGridRule(Design);
    EXPECT_EQ(Anchors(), std::vector<std::string>(8, ""));
    EXPECT_EQ(Flags(), "0000");
}

}  // namespace
}  // namespace talvo::test
