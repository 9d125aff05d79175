// The snow-depth dialog: its texts, the two limits kept in order, the
// percentages, and what OK writes.
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

class FSekisetuTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        w = Show(new FSekisetu);
    }
    std::string Limits() const {
        return Str(w->Text1[0]->text()).append("|").append(Str(w->Text1[1]->text()));
    }
    FSekisetu* w = nullptr;
};

TEST_F(FSekisetuTest, ShowsTheRuleAsItsBoxesFormatIt) {
    SaveShotIfAsked(w, "FSekisetu");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("設計積雪深の設定"));
    EXPECT_EQ(w->WorkingCopy(),
              (std::vector<std::string>{" 0.60", " 1.00", "    0", "   50", "  100"}));
    EXPECT_EQ(Str(w->Text1[1]->text()), " 1.00");
    EXPECT_EQ(Str(w->Text2[2]->text()), "  100");
    EXPECT_EQ(Str(w->Label3[0]->text()), " 0.60");
    EXPECT_EQ(Str(w->Label3[1]->text()), " 1.00");
}

TEST_F(FSekisetuTest, LimitsStayStrictlyIncreasing) {
    struct Case {
        int box;
        const char* typed;
        const char* message;
        const char* limits;  // both boxes afterwards
    };
    const Case cases[] = {
        {0, "1.00", "", " 1.00| 1.01"},
        {1, "0.5", "", " 0.49| 0.50"},
        {0, "9.98", "", " 9.98| 9.99"},
        {1, "0.02", "", " 0.01| 0.02"},
        {0, "0.70", "", " 0.70| 1.00"},
        {0, "９．５", "", " 9.50| 9.51"},
        {0, "9.99", "値が有効範囲にありません。\r有効範囲（0.01～9.98）", "0.60| 1.00"},
        {1, "0.01", "値が有効範囲にありません。\r有効範囲（0.02～9.99）", " 0.60|1.00"},
        {0, "0.605",
         "入力値が有効精度を超えています。\r有効精度内（小数第2位）に変更してください。",
         "0.60| 1.00"},
        // Emptying a limit moves nothing; the other one never becomes " -0.01".
        {1, "", "", " 0.60|"},
        {0, "", "", "| 1.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        InitSnowRule();
        w = Show(new FSekisetu);
        QLineEdit* box = w->Text1[static_cast<std::size_t>(c.box)];
        if (*c.message) messages.Expect(c.message);
        Enter(box, c.typed, w->Text2[1]);
        PumpEvents();
        EXPECT_EQ(Limits(), c.limits);
        EXPECT_EQ(Str(w->Label3[0]->text()), w->Working(0));
        EXPECT_EQ(Str(w->Label3[1]->text()), w->Working(1));
        // A refused limit keeps the focus (its text selected without the blank).
        if (*c.message) {
            EXPECT_EQ(QApplication::focusWidget(), box);
        }
    }
}

TEST_F(FSekisetuTest, PercentagesAreWholeNumbersUpTo100) {
    struct Case {
        const char* typed;
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"100", "", "  100"},
        {"0", "", "    0"},
        {"５０", "", "   50"},
        {"101", "値が有効範囲にありません。\r有効範囲（0～100）", "50"},
        {"-1", "値が有効範囲にありません。\r有効範囲（0～100）", "50"},
        {"50.5", "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。",
         "50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        if (*c.message) messages.Expect(c.message);
        Enter(w->Text2[1], c.typed, w->Text2[0]);
        PumpEvents();
        EXPECT_EQ(Str(w->Text2[1]->text()), c.shown);
        if (!*c.message) {
            EXPECT_EQ(w->Working(3), c.shown);
        } else {
            EXPECT_EQ(w->Working(3), "   50");
        }
        InitSnowRule();
        w = Show(new FSekisetu);
    }
}

TEST_F(FSekisetuTest, OkWritesTheTextsAsShownAndRaisesLoadAndForce) {
    Enter(w->Text1[0], "0.8", w->Text2[0]);
    Enter(w->Text2[0], "10", w->Text2[1]);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(SnowRule.GradientLimit, (std::array<std::string, 2>{" 0.80", " 1.00"}));
    EXPECT_EQ(SnowRule.DepthPercent, (std::array<std::string, 3>{"   10", "   50", "  100"}));
    EXPECT_EQ(Flags(), "11000");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(FSekisetuTest, AnEmptiedBoxStopsOk) {
    const std::string before = Tables();
    Enter(w->Text2[2], "", w->Text2[0]);
    messages.Expect(standards::kIncompleteMessage);
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
