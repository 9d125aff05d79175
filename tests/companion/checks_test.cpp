#include "companion/checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "companion/study.h"
#include "fixture.h"
#include "shell/tables.h"
#include "support/scripted_messages.h"

namespace talvo::companion {
namespace {

using talvo::test::ScriptedMessages;

TEST(CompanionRecord, StartValues) {
    InitAllTables();
    InitCompanion();
    EXPECT_EQ(ShapeMode, 0);
    EXPECT_EQ(FailDepth[0], "0.5");
    EXPECT_EQ(FailDepth[3], "2.0");
    EXPECT_EQ(PatSpanYoko[0], " 1.200");
    EXPECT_EQ(PatSpanTate[1], " 2.000");
    EXPECT_EQ(PatWidth[0], "  200");
    EXPECT_EQ(PatHeight[1], "  300");
    EXPECT_EQ(PatEffHeight[0], "  155");
    EXPECT_EQ(PatEffHeight[1], "  235");
    EXPECT_EQ(PatOverhang[1], "0.000");
    EXPECT_EQ(PatInfillThick[0], "100");
    EXPECT_EQ(PatBarIndex[0], 0);
    EXPECT_EQ(PatBarIndex[1], 1);
    EXPECT_DOUBLE_EQ(PatBarArea[1], 1.267);
    EXPECT_EQ(PatBarCount[1], "2");
    EXPECT_EQ(SlopeAngle, "");
    EXPECT_EQ(SigmaSa, "");
    EXPECT_EQ(InfillMode, 1);
    EXPECT_EQ(StdRemark[5], "D22×4本～D29×4本");
    EXPECT_EQ(StdSection[6], "");
    for (const auto& row : KekkaL)
        for (const auto& cell : row) EXPECT_EQ(cell, "");
    EXPECT_DOUBLE_EQ(Pi, 3.14159265);
}

TEST(CompanionText, FormatKeta) {
    struct Case {
        const char* text;
        int places, decimals;
        const char* expected;
    };
    const Case cases[] = {
        {"1.2", 6, 3, "     1.200"},      {"200", 10, 0, "       200"}, {"2.5", 2, 2, " 2.50"},
        {"12.5", 2, 2, "12.50"},          {"123.4", 2, 2, "123.40"},    {"", 6, 3, ""},
        {"9.996", 2, 2, " 10.00"},        {"007.50", 3, 1, "  7.5"},    {"abc", 3, 2, "  0.00"},
        {" 1.200", 8, 3, "       1.200"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatKeta(c.text, c.places, c.decimals), c.expected) << c.text;
}

TEST(CompanionChecks, CellCheckCodes) {
    struct Case {
        const char* text;
        double min, max;
        int expected;
    };
    const Case cases[] = {
        {"   ", 1, 10, 0},         {"abc", 1, 10, 1},       {"0.05", 0.1, 9.9, 2},
        {"12.3456", 1, 100, 3},    {"150.0", 100, 1000, 3}, {"150.5", 100, 1000, 3},
        {"1000", 100, 1000, 0},    {"150", 100, 1000, 0},   {"10.500", 1, 100, 0},
        {"1.2.3", 1, 10, 1},       {"- 5", -10, 10, 0},     {"-12.5", -100, 100, 0},
        {"-123.5", -1000, 100, 3}, {"2.5", 1, 10, 0},       {"11", 1, 10, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellCheck(c.text, c.min, c.max, 2, 3), c.expected) << c.text;
}

TEST(CompanionChecks, ValueCheckInteractive) {
    struct Case {
        const char* text;
        int decimals;
        bool ok;
        const char* after;
        const char* message;
    };
    const Case cases[] = {
        {"１８．５", 1, true, "18.5", nullptr},
        {"18.26", 1, true, "18.3", nullptr},
        {"18", 1, true, "18", nullptr},
        {"", 1, true, "", nullptr},
        {"1.2.3", 1, false, nullptr, "値が正しくありません。"},
        {"12a", 1, false, nullptr, "値が正しくありません。"},
        {"100", 1, false, "100", "値が有効範囲にありません。\r有効範囲（0.1～99.9）"},
    };
    for (const Case& c : cases) {
        ScriptedMessages messages;
        if (c.message) messages.Expect(c.message);
        std::string text = c.text;
        EXPECT_EQ(ValueCheck(0, text, 0.1, 99.9, c.decimals), c.ok) << c.text;
        if (c.after) {
            EXPECT_EQ(text, c.after) << c.text;
        }
    }
}

TEST(CompanionChecks, ValueCheckSilentRefusesEmptyAndBlanks) {
    ScriptedMessages none;
    std::string empty, padded = " 1.200", wide = "２．０", letters = "x";
    EXPECT_FALSE(ValueCheck(1, empty, 0, 10, 0));
    EXPECT_FALSE(ValueCheck(1, padded, 0, 10, 0));  // callers trim first
    EXPECT_TRUE(ValueCheck(1, wide, 0, 10, 0));
    EXPECT_EQ(wide, "2.0");
    EXPECT_FALSE(ValueCheck(1, letters, 0, 10, 0));
}

class DataCheckTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpStudy(); }
};

TEST_F(DataCheckTest, DefaultPatternsWithTheirBlanksAreUsable) {
    EXPECT_TRUE(DataCheck());
    EXPECT_EQ(PatUsable[0], 1);
    EXPECT_EQ(PatUsable[1], 1);
}

TEST_F(DataCheckTest, ConditionsDepthsAndPatterns) {
    struct Case {
        const char* what;
        std::function<void()> change;
        bool ok;
        int usable0, usable1;
    };
    const std::vector<Case> cases = {
        {"no conditions at start", [] { InitCompanion(); }, false, 1, 1},
        {"empty infill weight, infill considered", [] { InfillWeight.clear(); }, false, 1, 1},
        {"empty infill weight, infill ignored",
         [] {
             InfillWeight.clear();
             InfillMode = 0;
         },
         true, 1, 1},
        {"angle out of range though ratio input", [] { SlopeAngle = "90"; }, false, 1, 1},
        {"all depths bad",
         [] {
             FailDepth = {"", "0.05", "x", "10.0", ""};
         },
         false, 1, 1},
        {"one depth good",
         [] {
             FailDepth = {"", "0.05", " 1.5", "10.0", ""};
         },
         true, 1, 1},
        {"pattern 2 width out of range", [] { PatWidth[1] = "1200"; }, true, 1, 0},
        {"both patterns unusable",
         [] {
             PatBarCount[0] = "";
             PatInfillThick[1] = "-5";
         },
         false, 0, 0},
    };
    for (const Case& c : cases) {
        test::SetUpStudy();
        c.change();
        EXPECT_EQ(DataCheck(), c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(PatUsable[0], c.usable0) << c.what;
            EXPECT_EQ(PatUsable[1], c.usable1) << c.what;
        }
    }
}

TEST_F(DataCheckTest, BarFit) {
    struct Case {
        int p;
        const char* width;
        const char* height;
        const char* eff;
        int bar;
        const char* count;
        bool fits;
    };
    const Case cases[] = {
        {0, "200", "200", "155", 0, "3", true},   {0, "200", "200", "155", 0, "4", false},
        {0, "200", "200", "155", 0, "1", true},   {1, "300", "300", "235", 1, "4", true},
        {1, "300", "300", "235", 1, "5", false},  {0, "200", "200", "156", 0, "2", false},
        {0, "100", "200", "100", 11, "1", false},  // not one bar fits
    };
    for (const Case& c : cases) {
        PatWidth[c.p] = c.width;
        PatHeight[c.p] = c.height;
        PatEffHeight[c.p] = c.eff;
        PatBarIndex[c.p] = static_cast<std::int16_t>(c.bar);
        PatBarCount[c.p] = c.count;
        EXPECT_EQ(TekkinCheck(c.p), c.fits) << c.width << " " << c.count << " " << c.eff;
    }
}

// The section rules that leaving a row of pattern 1's column runs, with the
// start section 200 × 200 (effective 155, infill 100, 2 × D10): the rows each
// rule colours, whether it is broken, and what it then says.
TEST_F(DataCheckTest, SectionMarksAfterAnEntry) {
    struct Mark {
        std::vector<int> rows;
        bool inError;
        const char* message;  // when in error
    };
    const char* bars = "鉄筋本数が最大主鉄筋本数を超えています。";
    const char* height = "有効高が枠高と同じか、超えています";
    const char* infill = "中詰め材の厚さが枠高を超えています";
    struct Case {
        const char* what;
        std::function<void()> change;
        int row;
        bool barCellsFilled;
        std::vector<Mark> marks;
    };
    const std::vector<Case> cases = {
        {"a span has no rule", [] {}, 1, true, {}},
        {"the bar names have none", [] {}, 8, true, {}},
        {"width: bars fit", [] {}, 4, true, {{{9}, false, nullptr}}},
        {"width: four bars do not fit",
         [] { PatBarCount[0] = "4"; },
         4,
         false,
         {{{9}, true, bars}}},
        {"count: four bars do not fit", [] { PatBarCount[0] = "4"; }, 9, true, {{{9}, true, bars}}},
        {"count without a width shown: no rule", [] { PatBarCount[0] = "4"; }, 9, false, {}},
        {"height equal to the effective height",
         [] { PatHeight[0] = "155"; },
         5,
         true,
         {{{6, 5}, true, height}, {{7}, false, nullptr}}},
        {"height below the infill",
         [] { PatHeight[0] = "99"; },
         5,
         true,
         {{{6, 5}, true, height}, {{7}, true, infill}}},
        {"height equal to the infill",
         [] { PatHeight[0] = "100"; },
         5,
         true,
         {{{6, 5}, true, height}, {{7}, false, nullptr}}},
        {"emptied height: neither rule",
         [] { PatHeight[0] = ""; },
         5,
         true,
         {{{6, 5}, false, nullptr}, {{7}, false, nullptr}}},
        {"effective height above the height",
         [] { PatEffHeight[0] = "201"; },
         6,
         true,
         {{{6, 5}, true, height}}},
        {"emptied effective height",
         [] { PatEffHeight[0] = ""; },
         6,
         true,
         {{{6, 5}, false, nullptr}}},
        {"infill thicker than the frame",
         [] { PatInfillThick[0] = "250"; },
         7,
         true,
         {{{7}, true, infill}}},
        {"infill not considered: still marked",
         [] {
             PatInfillThick[0] = "250";
             InfillMode = 0;
         },
         7,
         true,
         {{{7}, true, infill}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::SetUpStudy();
        c.change();
        const std::vector<SectionMark> marks = MarksAfterEntry(0, c.row, c.barCellsFilled);
        ASSERT_EQ(marks.size(), c.marks.size());
        for (std::size_t i = 0; i < marks.size(); ++i) {
            EXPECT_EQ(marks[i].rows, c.marks[i].rows);
            EXPECT_EQ(marks[i].inError, c.marks[i].inError);
            if (!c.marks[i].inError) continue;
            EXPECT_EQ(marks[i].message.text, c.marks[i].message);
            EXPECT_EQ(marks[i].message.title, kTitle);
            EXPECT_EQ(marks[i].message.icon, MsgIcon::Exclamation);
            EXPECT_EQ(marks[i].message.buttons, MsgButtons::Ok);
            // Only the bar fit offers its help page.
            EXPECT_EQ(marks[i].message.helpButton, c.marks[i].message == bars);
        }
    }
}

// Results of every case (both patterns, both shapes) before a cell is left.
void FillResults() {
    for (auto* table : {&KekkaL, &KekkaH})
        for (int c = 0; c < 4; ++c)
            for (int j = 0; j < 4; ++j) (*table)[c][j] = "1.00";
}

// Which patterns still have their results (either shape).
std::pair<bool, bool> ResultsKept() {
    return {!KekkaL[0][0].empty() && !KekkaL[2][0].empty(),
            !KekkaL[1][0].empty() && !KekkaL[3][0].empty()};
}

// Leaving a cell of the pattern grid or the depth grid, each case on the
// study as it starts: the refusal, what the cell then shows, what is stored,
// and whose results survive.
TEST_F(DataCheckTest, LeavingAResultsWindowCell) {
    struct Case {
        int p;    // -1: the depth grid
        int row;  // pattern-grid row, or depth 0-3
        const char* typed;
        const char* range;  // the refusal's range line, or nullptr
        const char* shown;
        const char* stored;
        bool kept0, kept1;
    };
    const Case cases[] = {
        {0, 4, "150.5", "有効範囲（100～1000)", "         200", "  200", true, true},
        {0, 4, "150", nullptr, "         150", "150", false, true},
        {0, 1, "abc", "有効範囲（1～10）", "       1.200", " 1.200", true, true},
        {0, 1, "1.2000", nullptr, "       1.200", "1.2000", true, true},
        {1, 1, "1.5", nullptr, "       1.500", "1.5", true, false},
        {0, 2, "0", nullptr, "       0.000", "0", false, true},
        {0, 3, "10.5", "有効範囲（0～10)", "       0.000", "0.000", true, true},
        {0, 9, "2.5", nullptr, "           3", "           3", false, true},
        {0, 9, "2.0", nullptr, "           2", "2.0", true, true},
        {0, 6, "155.4", "有効範囲（50～1000)", "         155", "  155", true, true},
        {1, 5, "   ", nullptr, "", "", true, false},
        {1, 7, "1000", nullptr, "        1000", "1000", true, false},
        {-1, 1, "1.25", nullptr, "           1.25", "1.25", false, false},
        {-1, 0, "0.125", nullptr, "           0.125", "0.125", false, false},
        {-1, 2, "2", nullptr, "           2.0", "2", false, false},
        {-1, 3, "2.0", nullptr, "           2.0", "2.0", true, true},
        {-1, 1, "10", "有効範囲（0.1～9.9）", "           1.0", "1.0", true, true},
        {-1, 1, "", nullptr, "", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p << " " << c.row << " " << c.typed);
        test::SetUpStudy();
        FillResults();
        ScriptedMessages none;  // the window shows the message, not the check
        const CellLeft left =
            c.p < 0 ? LeaveDepthCell(c.row, c.typed) : LeaveFrameCell(c.p, c.row, c.typed);
        EXPECT_EQ(left.accepted, c.range == nullptr);
        if (c.range) {
            EXPECT_EQ(left.message.text, std::string("値が有効範囲にありません。\r\n") + c.range);
            EXPECT_EQ(left.message.title, kTitle);
            EXPECT_EQ(left.message.icon, MsgIcon::Exclamation);
            EXPECT_FALSE(left.message.helpButton);
        }
        EXPECT_EQ(left.shown, c.shown);
        const PatText* fields[] = {&PatSpanYoko,    &PatSpanTate, &PatOverhang,
                                   &PatWidth,       &PatHeight,   &PatEffHeight,
                                   &PatInfillThick, nullptr,      &PatBarCount};
        EXPECT_EQ(c.p < 0 ? FailDepth[c.row] : (*fields[c.row - 1])[c.p], c.stored);
        if (c.p >= 0) {
            EXPECT_EQ(FrameCellShown(c.p, c.row), c.shown);
        } else {
            EXPECT_EQ(DepthShown(FailDepth[c.row]), c.shown);
        }
        EXPECT_EQ(ResultsKept(), std::make_pair(c.kept0, c.kept1));
    }
}

// A standard row assigned to a pattern of the start study: whether the
// pattern's results go, and how its infill row is marked afterwards.
TEST_F(DataCheckTest, AssigningAStandardRow) {
    const StandardRow row2{"200", "200", "155", "1.200", "1.200", 0, "2"};
    const StandardRow row3{"300", "300", "235", "2.000", "2.000", 1, "2"};
    const StandardRow row6{"600", "600", "510", "3.000", "3.000", 4, "4"};
    struct Case {
        const char* what;
        std::function<void()> before;
        int p;
        StandardRow row;
        bool same;
        bool changed;
        bool infillRed;
    };
    const std::vector<Case> cases = {
        {"the start pattern 1 again", [] {}, 0, row2, false, false, false},
        {"the start pattern 2 again", [] {}, 1, row3, false, false, false},
        {"another section", [] {}, 1, row6, false, true, false},
        {"the bar stepped to D13", [] { PatBarIndex[0] = 1; }, 0, row2, false, true, false},
        {"another count", [] { PatBarCount[0] = "3"; }, 0, row2, false, true, false},
        {"a count written otherwise", [] { PatBarCount[0] = "2.0"; }, 0, row2, false, true, false},
        {"the infill taking the height", [] {}, 0, row2, true, true, false},
        {"the infill at the height already", [] { PatInfillThick[0] = "200"; }, 0, row2, true,
         false, false},
        {"an infill thicker than the new frame", [] { PatInfillThick[0] = "250"; }, 0, row2, false,
         false, true},
        {"an infill thinner than the new frame", [] { PatInfillThick[0] = "250"; }, 0, row3, false,
         true, false},
        {"an infill thicker, taking the height", [] { PatInfillThick[0] = "250"; }, 0, row2, true,
         true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::SetUpStudy();
        FillResults();
        c.before();
        const std::string overhang = PatOverhang[c.p], infill = PatInfillThick[c.p];
        EXPECT_EQ(AssignStandardRow(c.p, c.row, c.same), c.changed);
        EXPECT_EQ(ResultsKept(),
                  c.p == 0 ? std::make_pair(!c.changed, true) : std::make_pair(true, !c.changed));
        EXPECT_EQ(PatWidth[c.p], c.row.width);
        EXPECT_EQ(PatHeight[c.p], c.row.height);
        EXPECT_EQ(PatEffHeight[c.p], c.row.effHeight);
        EXPECT_EQ(PatSpanYoko[c.p], c.row.spanYoko);
        EXPECT_EQ(PatSpanTate[c.p], c.row.spanTate);
        EXPECT_EQ(PatBarIndex[c.p], c.row.barIndex);
        EXPECT_EQ(PatBarCount[c.p], c.row.barCount);
        EXPECT_EQ(PatInfillThick[c.p], c.same ? c.row.height : infill);
        EXPECT_EQ(PatOverhang[c.p], overhang);
        const SectionMark mark = InfillAfterAssignment(c.p, c.same);
        EXPECT_EQ(mark.rows, std::vector<int>{7});
        EXPECT_EQ(mark.inError, c.infillRed);
    }
}

// Leaving a box of the conditions dialog, each case on the conditions as the
// dialog opens on them: what the box then shows, what is pending, and the
// gradient converted into the other slope box.
TEST_F(DataCheckTest, LeavingAConditionBox) {
    struct Case {
        int entry;
        const char* typed;
        const char* message;  // the refusal, or nullptr
        const char* shown;
        const char* pending;
        int otherEntry;  // -1: no conversion
        const char* otherPending;
        const char* otherShown;
    };
    const char* range = "値が有効範囲にありません。\r有効範囲（";
    const Case cases[] = {
        {EntryRatio, "1.5", nullptr, "  1.50", "1.50", EntryAngle, "33.69", "    33.69"},
        {EntryRatio, " 9.99 ", nullptr, "  9.99", "9.99", EntryAngle, "5.72", "     5.72"},
        {EntryAngle, "45", nullptr, "    45.00", "45", EntryRatio, "1.00", "  1.00"},
        {EntryAngle, "３０", nullptr, "    30.00", "30", EntryRatio, "1.73", "  1.73"},
        {EntryAngle, "5.71", "5.72～89.71）", "    45.00", "45.00", -1, "1.00", nullptr},
        {EntryRatio, "", nullptr, "", "", -1, "45.00", nullptr},
        {EntryFrame, "24.56", nullptr, "    24.6", "24.6", -1, nullptr, nullptr},
        {EntryFrame, "100", "0.1～99.9）", "    24.0", "24.0", -1, nullptr, nullptr},
        {EntryIron, "１８０", nullptr, "   180", "180", -1, nullptr, nullptr},
        {EntryDistance, "1.5", nullptr, "     1.500", "1.500", -1, nullptr, nullptr},
        {EntryDistance, "", nullptr, "", "", -1, nullptr, nullptr},
        {EntrySafety, "0.2.1", "", "     0.20", "0.20", -1, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        test::SetUpStudy();
        OpenConditions();
        const std::string committed = ConditionCommitted(c.entry);
        ScriptedMessages messages;
        if (c.message)
            messages.Expect(*c.message ? std::string(range) + c.message : "値が正しくありません。");
        const ConditionLeft left = LeaveCondition(c.entry, c.typed);
        EXPECT_EQ(left.accepted, c.message == nullptr);
        EXPECT_EQ(left.shown, c.shown);
        EXPECT_EQ(ConditionPending(c.entry), c.pending);
        EXPECT_EQ(left.otherEntry, c.otherEntry);
        if (c.otherPending) {
            const int other = c.entry == EntryRatio ? EntryAngle : EntryRatio;
            EXPECT_EQ(ConditionPending(other), c.otherPending);
        }
        if (c.otherShown) {
            EXPECT_EQ(left.otherShown, c.otherShown);
        }
        // Nothing is committed by leaving a box.
        EXPECT_EQ(ConditionCommitted(c.entry), committed);
    }
}

// OK of the conditions dialog: whether what is pending counts as a change,
// which clears the results of both patterns; everything is committed either
// way.
TEST_F(DataCheckTest, CommittingTheConditions) {
    struct Case {
        const char* what;
        std::function<void()> edit;  // on the pending fields
        bool changed;
    };
    const std::vector<Case> cases = {
        {"nothing", [] {}, false},
        {"the same number written otherwise", [] { EditSoilWeight = "18"; }, false},
        {"a unit weight", [] { EditFrameWeight = "23.5"; }, true},
        {"the distance 0 cleared", [] { EditArcTopDistance = ""; }, true},
        {"the infill switched off", [] { EditInfillMode = 0; }, true},
        {"the input switched to the angle", [] { EditSlopeInputMode = 1; }, true},
        {"the angle, while the ratio is entered", [] { EditSlopeAngle = "30.00"; }, false},
        {"the ratio, while the ratio is entered", [] { EditSlopeRatio = "1.50"; }, true},
        {"the ratio, while the angle is entered",
         [] {
             SlopeInputMode = 1;
             EditSlopeInputMode = 1;
             EditSlopeRatio = "1.50";
         },
         false},
        {"σsa", [] { EditSigmaSa = "200"; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::SetUpStudy();
        OpenConditions();
        KekkaL[0][0] = KekkaL[3][0] = "1.00";
        c.edit();
        const std::string ratio = EditSlopeRatio, angle = EditSlopeAngle;
        EXPECT_EQ(CommitConditions(), c.changed);
        EXPECT_EQ(KekkaL[0][0].empty(), c.changed);
        EXPECT_EQ(KekkaL[3][0].empty(), c.changed);
        EXPECT_EQ(SlopeRatio, ratio);
        EXPECT_EQ(SlopeAngle, angle);
        for (int i = 0; i < kConditionEntries; ++i)
            EXPECT_EQ(ConditionCommitted(i), ConditionPending(i)) << i;
        EXPECT_EQ(InfillMode, EditInfillMode);
        EXPECT_EQ(SlopeInputMode, EditSlopeInputMode);
    }
}

TEST(CompanionResults, ClearKekkaOnePatternOrBoth) {
    InitCompanion();
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 4; ++i) {
            KekkaL[c][i] = "1.00";
            KekkaH[c][i] = "0.71";
        }
    std::vector<std::pair<int, int>> cleared;
    SetResultCellClear([&](int col, int row) { cleared.emplace_back(col, row); });
    ClearKekka(1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(KekkaL[0][i], "1.00");
        EXPECT_EQ(KekkaL[2][i], "1.00");
        EXPECT_EQ(KekkaL[1][i], "");
        EXPECT_EQ(KekkaH[3][i], "");
    }
    for (auto [col, row] : cleared) {
        EXPECT_TRUE(col == 3 || col == 4);
        EXPECT_TRUE(row >= 1 && row <= 4);
    }
    EXPECT_FALSE(cleared.empty());
    cleared.clear();
    ClearKekka(2);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(KekkaL[c][2], "");
    EXPECT_EQ(cleared.size(), 32u);  // four columns of four rows, for both shapes
    SetResultCellClear({});
}

}  // namespace
}  // namespace talvo::companion
