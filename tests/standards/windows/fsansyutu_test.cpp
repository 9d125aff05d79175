// The Mmax/Smax dialog: the fractions at load, the range 1 to 99 of every
// number, and what OK writes.
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

class FSansyutuTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        w = Show(new FSansyutu);
    }
    FSansyutu* w = nullptr;
};

TEST_F(FSansyutuTest, ShowsTheDefaultFractions) {
    SaveShotIfAsked(w, "FSansyutu");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("最大曲げモーメント・最大せん断力の算出式"));
    const char* mmax[5] = {" 1/ 2", " 1/ 8", " 1/ 8", " 1/10", " 1/ 9"};
    const char* smax[5] = {" 1/ 1", " 1/ 2", " 5/ 8", " 6/10", "17/28"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w->Working(i * 4) + "/" + w->Working(i * 4 + 1), mmax[i]);
        EXPECT_EQ(w->Working(i * 4 + 2) + "/" + w->Working(i * 4 + 3), smax[i]);
    }
    EXPECT_EQ(Str(w->Text4[4]->text()), "28");
    const char* headings[5] = {"0 スパン\r\n片持梁", "1 スパン", "2 スパン", "3 スパン",
                               "4 スパン\r\n以上"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Cell(w->vaSpread1[1], 1, i + 1), headings[i]);
    EXPECT_EQ(Cell(w->vaSpread1[0], 2, 1), "Mmax 算出式");
}

TEST_F(FSansyutuTest, EveryNumberIsAWholeNumberFrom1To99) {
    const std::string range = "値が有効範囲にありません。\r有効範囲（1～99）";
    struct Case {
        const char* typed;
        std::string message;
        const char* working;
    };
    const Case cases[] = {
        {"99", "", "99"},
        {"1", "", " 1"},
        {"１７", "", "17"},  // a numerator above its denominator is fine
        {"100", range, " 5"},
        {"0", range, " 5"},
        {"1.5", "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。", " 5"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        w = Show(new FSansyutu);
        if (!c.message.empty()) messages.Expect(c.message);
        Enter(w->Text3[2], c.typed, w->Text1[0]);  // the Smax numerator of two spans (5/8)
        EXPECT_EQ(w->Working(2 * 4 + 2), c.working);
        EXPECT_EQ(Str(w->Text3[2]->text()), c.working);
    }
}

TEST_F(FSansyutuTest, OkWritesTheFractionsAndRaisesLoadAndForce) {
    Enter(w->Text1[0], "17", w->Text2[0]);
    Type(w->Text4[4], "30");
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(SpanCoefficients.MmaxNum[0], 17);
    EXPECT_EQ(SpanCoefficients.MmaxDen[0], 2);
    EXPECT_EQ(SpanCoefficients.SmaxDen[4], 30);
    EXPECT_EQ(SpanCoefficients.SmaxNum[4], 17);
    EXPECT_EQ(Flags(), "11000");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(FSansyutuTest, AnEmptiedBoxStopsOk) {
    const std::string before = Tables();
    Enter(w->Text2[3], "", w->Text1[0]);
    messages.Expect(standards::kIncompleteMessage);
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
