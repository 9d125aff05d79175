// The stirrup dialog: its fields, the minimum kept at or below the maximum,
// the bar chooser, the formula choice, and what OK writes.
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

class FStarrapTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        w = Show(new FStarrap);
    }
    FStarrap* w = nullptr;
};

TEST_F(FStarrapTest, ShowsTheSettings) {
    SaveShotIfAsked(w, "FStarrap");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("スターラップの設定"));
    EXPECT_EQ(w->WorkingCopy(), (std::vector<std::string>{"  100", "  300", "   50", "    2"}));
    EXPECT_EQ(Str(w->Text2->text()), "  300");
    EXPECT_EQ(Str(w->Text7->text()), "   D13");
    EXPECT_TRUE(w->Text7->isReadOnly());
    EXPECT_TRUE(w->Check1->isChecked());
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_EQ(w->FormulaChoice(), 0);
    // Any stored formula other than 0 shows as the second option.
    StirrupDefaults.ScFormula = 5;
    StirrupDefaults.MaxHalfDepth = 0;
    w = Show(new FStarrap);
    EXPECT_TRUE(w->Option2->isChecked());
    EXPECT_FALSE(w->Check1->isChecked());
    EXPECT_EQ(w->FormulaChoice(), 1);
}

TEST_F(FStarrapTest, EntriesAndTheOrderOfTheSpacings) {
    const std::string integer =
        "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。";
    struct Step {
        int box;  // 0 minimum, 1 maximum, 2 rounding, 3 count
        const char* typed;
        std::string message;
        std::vector<std::string> working;  // afterwards
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"minimum above maximum raises it, then maximum below minimum lowers it",
         {{0, "400", "", {"  400", "  400", "   50", "    2"}},
          {1, "50", "", {"   50", "   50", "   50", "    2"}}}},
        {"equal limits change nothing", {{0, "300", "", {"  300", "  300", "   50", "    2"}}}},
        {"an emptied maximum empties the minimum", {{1, "", "", {"", "", "   50", "    2"}}}},
        {"an emptied minimum leaves the maximum", {{0, "", "", {"", "  300", "   50", "    2"}}}},
        {"limits of the rounding and the count",
         {{2, "100", "", {"  100", "  300", "  100", "    2"}},
          {2,
           "101",
           "値が有効範囲にありません。\r有効範囲（1～100）",
           {"  100", "  300", "  100", "    2"}},
          {3, "９９", "", {"  100", "  300", "  100", "   99"}},
          {3,
           "100",
           "値が有効範囲にありません。\r有効範囲（1～99）",
           {"  100", "  300", "  100", "   99"}},
          {3, "12.5", integer, {"  100", "  300", "  100", "   99"}},
          {0, "999", "", {"  999", "  999", "  100", "   99"}},
          {1,
           "1000",
           "値が有効範囲にありません。\r有効範囲（1～999）",
           {"  999", "  999", "  100", "   99"}},
          {1,
           "0",
           "値が有効範囲にありません。\r有効範囲（1～999）",
           {"  999", "  999", "  100", "   99"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitStirrupDefaults();
        w = Show(new FStarrap);
        QLineEdit* boxes[4] = {w->Text1, w->Text2, w->Text3, w->Text4};
        for (const Step& s : c.steps) {
            SCOPED_TRACE(s.typed);
            if (!s.message.empty()) messages.Expect(s.message);
            Enter(boxes[s.box], s.typed, w->Check1);
            EXPECT_EQ(w->WorkingCopy(), s.working);
            // The boxes show their working texts (none holds the focus).
            for (int b = 0; b < 4; ++b)
                EXPECT_EQ(Str(boxes[b]->text()), s.working[static_cast<std::size_t>(b)]);
        }
    }
}

TEST_F(FStarrapTest, TheBarChooserStopsAtBothEndsOfTheTable) {
    StirrupDefaults.BarIndex = 0;
    w = Show(new FStarrap);
    emit w->UpDown1->DownClick();
    EXPECT_EQ(w->BarIndex(), 0);
    EXPECT_EQ(Str(w->Text7->text()), "   D10");
    emit w->UpDown1->UpClick();
    EXPECT_EQ(Str(w->Text7->text()), "   D13");
    EXPECT_EQ(QApplication::focusWidget(), w->UpDown1);
    // The arrow keys step the bar in its box; other keys type nothing.
    w->Text7->setFocus();
    for (int i = 0; i < 15; ++i) QTest::keyClick(w->Text7, Qt::Key_Up);
    EXPECT_EQ(w->BarIndex(), 11);
    EXPECT_EQ(Str(w->Text7->text()), "   D51");
    QTest::keyClick(w->Text7, Qt::Key_Down);
    QTest::keyClicks(w->Text7, "x1");
    QTest::keyClick(w->Text7, Qt::Key_Backspace);
    EXPECT_EQ(Str(w->Text7->text()), "   D41");
    EXPECT_EQ(QApplication::focusWidget(), w->Text7);
    RebarSpecTable[10].Name = "Ｄ4";
    QTest::keyClick(w->Text7, Qt::Key_Up);
    QTest::keyClick(w->Text7, Qt::Key_Down);
    EXPECT_EQ(Str(w->Text7->text()), "   Ｄ4");
}

TEST_F(FStarrapTest, OkWritesIntegersTheChoicesAndRaisesResult) {
    Enter(w->Text1, "120", w->Text3);
    Enter(w->Text3, "25", w->Text4);
    Type(w->Text4, "3");  // still in the box at OK
    w->Check1->setChecked(false);
    w->Option2->setChecked(true);
    emit w->UpDown1->UpClick();
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(StirrupDefaults.MinSpacing, 120);
    EXPECT_EQ(StirrupDefaults.MaxSpacing, 300);
    EXPECT_EQ(StirrupDefaults.SpacingStep, 25);
    EXPECT_EQ(StirrupDefaults.BarCount, 3);
    EXPECT_EQ(StirrupDefaults.MaxHalfDepth, 0);
    EXPECT_EQ(StirrupDefaults.ScFormula, 1);
    EXPECT_EQ(StirrupDefaults.BarIndex, 2);
    EXPECT_EQ(Flags(), "00010");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(FStarrapTest, AnEmptiedBoxStopsOk) {
    const std::string before = Tables();
    Enter(w->Text4, "", w->Text1);
    messages.Expect(standards::kIncompleteMessage);
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
