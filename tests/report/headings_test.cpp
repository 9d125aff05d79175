#include "report/engine/headings.h"

#include <gtest/gtest.h>

namespace talvo::report {
namespace {

TEST(Headings, NumberChaptersAndSections) {
    ResetHeadingNumbers();
    EXPECT_EQ(SectionTitle("前置き"), "０.１ 前置き");  // a section before any chapter
    EXPECT_EQ(ChapterTitle("荷重"), "１ 荷重");
    ChapterTitle("b");
    ChapterTitle("c");
    EXPECT_EQ(SectionTitle("x"), "３.１ x");
    SectionTitle("x");
    SectionTitle("x");
    EXPECT_EQ(SectionTitle("x"), "３.４ x");
    EXPECT_EQ(ChapterTitle("d"), "４ d");
    EXPECT_EQ(SectionTitle("e"), "４.１ e");
    ChapterTitle("f");
    SectionTitle("g");
    EXPECT_EQ(SectionTitle("スターラップの検討"), "５.２ スターラップの検討");
    ResetHeadingNumbers();
    EXPECT_EQ(ChapterTitle("again"), "１ again");
}

TEST(Headings, ZenkakuNum) {
    EXPECT_EQ(ZenkakuNum(0), "０");
    EXPECT_EQ(ZenkakuNum(10), "１０");
    EXPECT_EQ(ZenkakuNum(1234567890), "１２３４５６７８９０");
    EXPECT_EQ(ZenkakuNum(-3), "－３");
}

TEST(NumberText, NumToFixStr) {
    struct Case {
        double value;
        int signCol, width, decimals;
        const char* want;
    };
    const Case cases[] = {
        {3.14159, 1, 8, 2, "       3.14"},
        {-0.5, 1, 8, 2, "      -0.50"},
        {123456789.5, 1, 8, 2, "123456789.50"},  // wider than the width: no padding
        {-123456789.5, 1, 8, 2, "-123456789.50"},
        {-12345.5, 1, 8, 1, "  -12345.5"},  // sign right before the digits
        {-5, 3, 8, 1, "    -  5.0"},        // short number: sign at signCol + 1
        {0, 1, 8, 3, "       0.000"},
        {2.5, 1, 8, 1, "       2.5"},
        {0.25, 1, 8, 1, "       0.2"},  // a half to even
        {7, 1, 4, 0, "   7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumToFixStr(c.value, -1E+308, c.signCol, c.width, c.decimals), c.want) << c.value;
    EXPECT_EQ(NumToFixStr(-1E+308, -1E+308, 1, 8, 2), "");
    EXPECT_EQ(NumToFixStr(4, 4, 1, 8, 2), "");
}

TEST(NumberText, CenterStr) {
    EXPECT_EQ(CenterStr("ABC", 28), std::string(11, ' ') + "ABC");
    EXPECT_EQ(CenterStr("計算結果", 28), std::string(10, ' ') + "計算結果");
    EXPECT_EQ(CenterStr("あいうえおかきくけこさしすせそ", 28), "あいうえおかきくけこさしすせそ");
    EXPECT_EQ(CenterStr("ABCDEFGHIJKLMN", 28), "ABCDEFGHIJKLMN");
    EXPECT_EQ(CenterStr("", 28), std::string(14, ' '));
    EXPECT_EQ(CenterStr("AB", 7), " AB");  // (7 - 4) / 2 = 1.5, rounded down
}

}  // namespace
}  // namespace talvo::report
