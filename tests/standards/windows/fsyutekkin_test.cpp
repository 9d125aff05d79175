// The main-rebar count dialog: the width classes and conditions at load, the
// bounds of classes 0 to 4 kept increasing, the condition cells, and what OK
// writes.
#include "shell/numtext.h"
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

class FSyutekkinTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        w = Show(new FSyutekkin);
    }
    // The six bounds as their working texts, "199 299 ...".
    std::string Bounds() const {
        std::string out;
        for (int c = 0; c < 6; ++c) {
            if (c) out += ' ';
            out += TrimBlanks(w->Working(c * 5));
        }
        return out;
    }
    std::string WidthRows() const {
        std::string out;
        for (int r = 2; r <= 7; ++r) out += Cell(w->sprWidth, 1, r) + "|";
        return out;
    }
    FSyutekkin* w = nullptr;
};

TEST_F(FSyutekkinTest, ShowsTheClassesAndConditions) {
    SaveShotIfAsked(w, "FSyutekkin");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("主鉄筋本数の算出条件"));
    EXPECT_EQ(w->Working(0), " 199");
    EXPECT_EQ(Str(w->Text4[5]->text()), "1000");
    EXPECT_EQ(Cell(w->sprWidth, 1, 1), "のり枠幅");
    EXPECT_EQ(WidthRows(),
              " 100 ～| 200 ～ 1000| 300 ～ 1000| 400 ～ 1000| 500 ～ 1000| 600 ～ 1000|");
    const char* row[4] = {"       60", "      150", "       40", "       40"};
    for (int col = 1; col <= 4; ++col) {
        EXPECT_EQ(Cell(w->sprCondition, col, 6), row[col - 1]);
        EXPECT_EQ(w->Working(5 * 5 + col), row[col - 1]);
    }
    EXPECT_EQ(Cell(w->vaSpread1[2], 2, 1), "ｸﾞﾗｳﾝﾄﾞｱﾝｶｰ工");
}

TEST_F(FSyutekkinTest, BoundsOfClassesZeroToFourStayIncreasing) {
    struct Step {
        int c;
        const char* typed;
        std::string message;
    };
    struct Case {
        std::vector<Step> steps;
        const char* bounds;
        const char* widths;  // rows 2 to 7 of the width grid afterwards
    };
    const Case cases[] = {
        {{{1, "550", ""}},
         "199 550 552 554 599 1000",
         " 100 ～| 200 ～ 1000| 551 ～ 1000| 553 ～ 1000| 555 ～ 1000| 600 ～ 1000|"},
        {{{3, "150", ""}},
         "144 146 148 150 599 1000",
         " 100 ～| 145 ～ 1000| 147 ～ 1000| 149 ～ 1000| 151 ～ 1000| 600 ～ 1000|"},
        // Each lower bound below its moved neighbour: no gap for the size class.
        {{{5, "300", ""}},
         "199 292 294 296 298 300",
         " 100 ～| 200 ～ 1000| 293 ～ 1000| 295 ～ 1000| 297 ～ 1000| 299 ～ 1000|"},
        // Raising class 4 above class 5 leaves class 5.
        {{{5, "300", ""}, {4, "500", ""}}, "199 292 294 296 500 300", nullptr},
        {{{0, "100", "値が有効範囲にありません。\r有効範囲（101～990）"}},
         "199 299 399 499 599 1000",
         nullptr},
        {{{4, "1000", "値が有効範囲にありません。\r有効範囲（109～998）"}},
         "199 299 399 499 599 1000",
         nullptr},
        {{{5, "1000", ""}, {0, "990", ""}}, "990 992 994 996 998 1000", nullptr},
        {{{2, "１２０", ""}}, "116 118 120 499 599 1000", nullptr},
        {{{2, "350.5",
           "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。"}},
         "199 299 399 499 599 1000",
         nullptr},
        // An emptied bound comes back without a message.
        {{{2, "", ""}}, "199 299 399 499 599 1000", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bounds);
        InitRebarCountRule();
        w = Show(new FSyutekkin);
        for (const Step& s : c.steps) {
            if (!s.message.empty()) messages.Expect(s.message);
            Enter(w->Text4[static_cast<std::size_t>(s.c)], s.typed, w->sprCondition);
        }
        EXPECT_EQ(Bounds(), c.bounds);
        if (c.widths) {
            EXPECT_EQ(WidthRows(), c.widths);
        }
        // Each box shows its bound as the working copy holds it.
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(Str(w->Text4[static_cast<std::size_t>(k)]->text()), w->Working(k * 5));
    }
}

TEST_F(FSyutekkinTest, ConditionCellsKeepTheirLastGoodValueWhenEmptied) {
    EditCell(w->sprCondition, 1, 1, "0");
    EXPECT_EQ(Cell(w->sprCondition, 1, 1), "        0");
    EditCell(w->sprCondition, 3, 2, "９９９");
    EXPECT_EQ(Cell(w->sprCondition, 3, 2), "      999");
    messages.Expect("値が有効範囲にありません。\r有効範囲（0～999）");
    EditCell(w->sprCondition, 4, 6, "1000");
    EXPECT_EQ(Cell(w->sprCondition, 4, 6), "       40");
    EditCell(w->sprCondition, 2, 3, "");
    EXPECT_EQ(Cell(w->sprCondition, 2, 3), "");
    EXPECT_EQ(w->Working(2 * 5 + 2), "      150");
    // OK writes the last good value of the emptied cell, every text trimmed.
    Enter(w->Text4[1], "250", w->sprCondition);
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(RebarCountRule.BoxOutDia[0][0], "0");
    EXPECT_EQ(RebarCountRule.ClearSpacing[1], "999");
    EXPECT_EQ(RebarCountRule.BoxOutDia[1][2], "150");
    EXPECT_EQ(RebarCountRule.Cover[5], "40");
    EXPECT_EQ(RebarCountRule.WidthClassMax,
              (std::array<std::string, 6>{"199", "250", "399", "499", "599", "1000"}));
    EXPECT_EQ(Flags(), "00010");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(FSyutekkinTest, ATableThatHeldAnEmptyTextStopsOk) {
    RebarCountRule.Cover[3] = "";
    const std::string before = Tables();
    w = Show(new FSyutekkin);
    messages.Expect(standards::kIncompleteMessage);
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
