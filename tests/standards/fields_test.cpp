// The field check of the standard-table dialogs: the common numeric check,
// a column's own range test, emptied entries and the completeness check.
#include "standards/fields.h"

#include <gtest/gtest.h>

#include "shell/numtext.h"
#include "support/scripted_messages.h"

namespace talvo::standards {
namespace {

using test::ScriptedMessages;

const char* const kRange = "値が有効範囲にありません。\r有効範囲（1～99）";
const char* const kInteger =
    "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。";

FieldSpec IntegerField() {
    FieldSpec s;
    s.min = 1;
    s.max = 99;
    s.decimals = 0;
    s.places = 5;
    return s;
}

FieldSpec OwnRangeColumn() {
    // Decimals by size, as the bar table's mass column.
    FieldSpec s;
    s.check = FieldCheck::Range;
    s.min = 0.001;
    s.max = 99.9;
    s.places = 8;
    s.rangeMessage = "値が有効範囲にありません。(有効範囲　0.001～99.9)";
    s.decimalsFor = [](double v) { return v >= 10 ? 1 : v >= 1 ? 2 : 3; };
    return s;
}

struct EntryCase {
    const char* typed;
    bool ownRange;
    const char* message;  // "" when none
    EntryOutcome outcome;
    const char* shown;  // on Accepted
};

TEST(FieldCheck, EntriesAtTheirLimitsAndJustOutside) {
    const EntryCase cases[] = {
        {"1", false, "", EntryOutcome::Accepted, "    1"},
        {"99", false, "", EntryOutcome::Accepted, "   99"},
        {" 42 ", false, "", EntryOutcome::Accepted, "   42"},
        {"０", false, kRange, EntryOutcome::Refused, ""},
        {"１００", false, kRange, EntryOutcome::Refused, ""},
        {"９９", false, "", EntryOutcome::Accepted, "   99"},
        {"1.5", false, kInteger, EntryOutcome::Refused, ""},
        {"1a", false, "値が正しくありません。", EntryOutcome::Refused, ""},
        {"", false, "", EntryOutcome::Emptied, ""},
        {"   ", false, "", EntryOutcome::Emptied, ""},
        // The own range test reads the leading number; decimals by size.
        {"10", true, "", EntryOutcome::Accepted, "      10.0"},
        {"9.99", true, "", EntryOutcome::Accepted, "       9.99"},
        {"0.999", true, "", EntryOutcome::Accepted, "       0.999"},
        {"0.001", true, "", EntryOutcome::Accepted, "       0.001"},
        {"99.9", true, "", EntryOutcome::Accepted, "      99.9"},
        {"99.91", true, "値が有効範囲にありません。(有効範囲　0.001～99.9)", EntryOutcome::Refused,
         ""},
        {"0.0009", true, "値が有効範囲にありません。(有効範囲　0.001～99.9)", EntryOutcome::Refused,
         ""},
        {"abc", true, "値が有効範囲にありません。(有効範囲　0.001～99.9)", EntryOutcome::Refused,
         ""},
        {"１２．５", true, "", EntryOutcome::Accepted, "      12.5"},
        {"12.5kg", true, "", EntryOutcome::Accepted, "      12.5"},
        {"", true, "", EntryOutcome::Emptied, ""},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedMessages messages;
        if (*c.message) messages.Expect(c.message);
        std::string shown = "unchanged";
        EXPECT_EQ(CheckEntry(c.typed, c.ownRange ? OwnRangeColumn() : IntegerField(), &shown),
                  c.outcome);
        if (c.outcome == EntryOutcome::Accepted) {
            EXPECT_EQ(shown, c.shown);
        }
    }
}

TEST(FieldCheck, CompletenessFindsTheFirstEmptyText) {
    EXPECT_EQ(FirstEmpty({"1", "2"}), -1);
    EXPECT_EQ(FirstEmpty({"1", "", ""}), 1);
    EXPECT_EQ(FirstEmpty({" "}), -1);  // a blank is a text
    {
        ScriptedMessages messages;
        messages.Expect(kIncompleteMessage);
        EXPECT_FALSE(WarnIfIncomplete(true));
    }
    ScriptedMessages none;
    EXPECT_TRUE(WarnIfIncomplete(false));
}

TEST(FieldCheck, DisplayAndTextHelpers) {
    EXPECT_EQ(DisplayText("0.6",
                          [] {
                              FieldSpec s;
                              s.places = 2;
                              s.decimals = 2;
                              return s;
                          }()),
              " 0.60");
    EXPECT_EQ(DisplayText("", IntegerField()), "");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(HalfWidthDigits("Ｄ１９．５"), "Ｄ19.5");
}

}  // namespace
}  // namespace talvo::standards
