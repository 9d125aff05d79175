#include "shell/numtext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "support/case_names.h"
#include "support/scripted_messages.h"

namespace talvo {
namespace {

// --- reading the leading number ---------------------------------------------

struct ValCase {
    const char* text;
    double expected;
};

TEST(NumVal, ReadsTheLeadingNumberOnly) {
    const ValCase cases[] = {
        {"", 0},
        {"  12.5", 12.5},
        {"\t7", 7},
        {"12.5abc", 12.5},
        {"abc", 0},
        {"-3", -3},
        {"+4", 4},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"1 2", 1},
        {"- 5", 0},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {"1E3", 1000},
        {"1e-3", 0.001},
        {"2.5E+2", 250},
        {"12E", 12},
        {"12E+", 12},
        {"12Ex", 12},
        {"E5", 0},
        {"0.1", 0.1},
        {"007", 7},
        {"１２", 0},  // full-width digits are converted by the entry check, not here
        {"1e-999", 0},
        {"1e999", DBL_MAX},
        {"-1e999", -DBL_MAX},
        {"1e99999999999999999999", DBL_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumVal(c.text), c.expected) << '"' << c.text << '"';
    }
}

// --- plain number text ----------------------------------------------------

struct StrCase {
    double value;
    const char* expected;
};

TEST(NumStr, FifteenSignificantDigitsWithoutTrailingZeros) {
    const StrCase cases[] = {
        {0.56, "0.56"},
        {3, "3"},
        {-2.5, "-2.5"},
        {100, "100"},
        {0.05, "0.05"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-0.0, "0"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E+16"},
        {1e15, "1E+15"},
        {-1e20, "-1E+20"},
        {1234567890123456789.0, "1.23456789012346E+18"},
        {1e-15, "0.000000000000001"},
        {1.5e-16, "1.5E-16"},
        {std::numeric_limits<double>::infinity(), "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumStr(c.value), c.expected) << c.value;
    }
}

TEST(NumStr, ReadsBackToTheSameText) {
    for (double v : {0.56, -2.5, 1.0 / 3, 1e15, 1.5e-16, 1234567890123456789.0, -7e-300}) {
        std::string s = NumStr(v);
        EXPECT_EQ(NumStr(NumVal(s)), s);
    }
}

// --- pattern formatting ---------------------------------------------------

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(FormatPattern, RoundsHalvesAwayFromZeroOnTheDecimalText) {
    const PatternCase cases[] = {
        // Each of these lies just below the half in binary.
        {2.675, "0.00", "2.68"},
        {6.265, "0.00", "6.27"},
        {1.005, "0.00", "1.01"},
        {1.45, "0.0", "1.5"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {0.25, "0.0", "0.3"},
        {9.995, "0.00", "10.00"},
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
        {1.5, "0.000", "1.500"},
        {-0.004, "0.00", "0.00"},  // no minus on a value that rounds to zero
        {-0.0, "0", "0"},
        {1e20, "0", "100000000000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
    }
}

TEST(FormatPattern, PlaceholdersBlanksAndMinus) {
    const PatternCase cases[] = {
        {12.5, " ##0.00", " 12.50"},
        {7, " ##0", " 7"},  // a "#" without a digit prints nothing
        {0.5, "  #0.0", "  0.5"},
        {1234, "#0", "1234"},  // more digits than places: the field
                               // grows
        {-12.5, "  ##0.0", "  -12.5"},
        {-1.5, "  ##0.0", "  -1.5"},
        {0, "0", "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
    }
}

TEST(FormatPattern, TextIsReadByItsLeadingNumber) {
    EXPECT_EQ(FormatPattern("  3.14159", "0.00"), "3.14");
    EXPECT_EQ(FormatPattern("2.675", "0.00"), "2.68");
    EXPECT_EQ(FormatPattern("abc", "0.0"), "0.0");
}

// --- the entry check ------------------------------------------------------

const char* const kInvalid = "値が正しくありません。";
const char* const kInteger =
    "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。";
const char* const kDecimal1 =
    "入力値が有効精度を超えています。\r有効精度内（小数第1位）に変更してください。";
const char* const kDecimal2 =
    "入力値が有効精度を超えています。\r有効精度内（小数第2位）に変更してください。";
const char* const kRange100 = "値が有効範囲にありません。\r有効範囲（100～1000）";
const char* const kRange01 = "値が有効範囲にありません。\r有効範囲（0.1～99.9）";

struct CheckCase {
    const char* text;
    double min;
    double max;
    int decimals;
    const char* result;   // the rewritten text when accepted
    const char* message;  // the message when refused
};

class CheckValueTest : public ::testing::TestWithParam<CheckCase> {};

std::string CheckCaseName(const ::testing::TestParamInfo<CheckCase>& info) {
    return test::CaseName(info.param.text);
}

TEST_P(CheckValueTest, AcceptsInNormalFormOrRefusesWithItsMessage) {
    const CheckCase& c = GetParam();
    test::ScriptedMessages messages;
    if (c.message) {
        messages.Expect(c.message, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
    }
    std::string text = c.text;
    bool accepted = CheckValue(text, c.min, c.max, c.decimals);
    EXPECT_EQ(accepted, c.message == nullptr);
    if (accepted) {
        EXPECT_EQ(text, c.result);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, CheckValueTest,
    ::testing::Values(
        CheckCase{"", 100, 1000, 0, "", nullptr},
        CheckCase{"１２．５", 0.1, 99.9, 1, "12.5", nullptr},
        CheckCase{"１００", 100, 1000, 0, "100", nullptr},
        CheckCase{"100", 100, 1000, 0, "100", nullptr},
        CheckCase{"1000", 100, 1000, 0, "1000", nullptr},
        CheckCase{"0.1", 0.1, 99.9, 1, "0.1", nullptr},
        CheckCase{"99.9", 0.1, 99.9, 1, "99.9", nullptr},
        CheckCase{"5.", 0, 100, 1, "5.0", nullptr}, CheckCase{"5．", 0, 100, 1, "5.0", nullptr},
        CheckCase{"007", 0, 100, 0, "7", nullptr}, CheckCase{".5", 0, 10, 1, "0.5", nullptr},
        CheckCase{"5", 0, 10, 2, "5.00", nullptr}, CheckCase{"2.67", 0, 10, 2, "2.67", nullptr},
        CheckCase{"-5", -10, 10, 0, "-5", nullptr}, CheckCase{"-0.5", -1, 1, 1, "-0.5", nullptr},
        CheckCase{"-0", -1, 1, 0, "0", nullptr},
        // No digit at all: reads as 0, written as the 0 of the pattern.
        CheckCase{"-", -10, 10, 0, "0", nullptr}, CheckCase{".", 0, 10, 1, "0.0", nullptr},
        CheckCase{"-.", -1, 1, 2, "0.00", nullptr}),
    CheckCaseName);

INSTANTIATE_TEST_SUITE_P(BadCharacters, CheckValueTest,
                         ::testing::Values(CheckCase{"1.2.3", -1e9, 1e9, 3, nullptr, kInvalid},
                                           CheckCase{"1.2．3", -1e9, 1e9, 3, nullptr, kInvalid},
                                           CheckCase{"１．２．３", -1e9, 1e9, 3, nullptr, kInvalid},
                                           CheckCase{"1-2", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"--1", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"+1", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"1E3", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"1,000", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"1 2", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{" 12", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"－1", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"abc", -1e9, 1e9, 0, nullptr, kInvalid},
                                           CheckCase{"1\xff", -1e9, 1e9, 0, nullptr, kInvalid},
                                           // The characters are checked before the range.
                                           CheckCase{"9999x", 100, 1000, 0, nullptr, kInvalid}),
                         CheckCaseName);

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, CheckValueTest,
    ::testing::Values(
        CheckCase{"99", 100, 1000, 0, nullptr, kRange100},
        CheckCase{"1001", 100, 1000, 0, nullptr, kRange100},
        // The range is checked before the decimals.
        CheckCase{"1000.5", 100, 1000, 0, nullptr, kRange100},
        CheckCase{"0.05", 0.1, 99.9, 1, nullptr, kRange01},
        CheckCase{"99.95", 0.1, 99.9, 1, nullptr, kRange01},
        CheckCase{"-", 100, 1000, 0, nullptr, kRange100},
        CheckCase{"-5", 0, 10, 0, nullptr, "値が有効範囲にありません。\r有効範囲（0～10）"},
        CheckCase{"0.5", 1, 2, 2, nullptr, "値が有効範囲にありません。\r有効範囲（1.00～2.00）"}),
    CheckCaseName);

INSTANTIATE_TEST_SUITE_P(TooManyDecimals, CheckValueTest,
                         ::testing::Values(CheckCase{"5.", 0, 100, 0, nullptr, kInteger},
                                           CheckCase{"5．", 0, 100, 0, nullptr, kInteger},
                                           CheckCase{"5.0", 0, 100, 0, nullptr, kInteger},
                                           CheckCase{"12.50", 0.1, 99.9, 1, nullptr, kDecimal1},
                                           CheckCase{"１２．５０", 0.1, 99.9, 1, nullptr,
                                                     kDecimal1},
                                           CheckCase{"12.345", 0, 100, 2, nullptr, kDecimal2}),
                         CheckCaseName);

// --- rounding up and down -------------------------------------------------

struct RoundCase {
    double value;
    int digits;
    int mode;
    const char* expected;
};

TEST(RoundValue, UpTowardPlusAndDownTowardMinusInfinity) {
    const RoundCase cases[] = {
        {2.341, 1, 1, "2.4"},       {2.341, 1, 0, "2.3"},
        {2.341, 1, 2, "2.3"},  // any mode but 1 rounds down
        {2.0, 1, 1, "2"},           {-2.341, 1, 1, "-2.3"},
        {-2.341, 1, 0, "-2.4"},     {12.3, 0, 1, "13"},
        {0.1 + 0.2, 1, 1, "0.3"},   {9.99, 1, 1, "10"},
        {-9.99, 1, 0, "-10"},       {0.001, 2, 1, "0.01"},
        {-0.01, 1, 1, "0"},         {0.01, 1, 0, "0"},
        {123456.7, 0, 0, "123456"}, {0.1234567891, 9, 1, "0.12345679"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundValue(c.value, c.digits, c.mode), c.expected)
            << c.value << " digits " << c.digits << " mode " << c.mode;
    }
}

TEST(RoundValue, ValueOnTheGridStaysPut) {
    // Each of these times 10^digits lands just beside a whole number in binary.
    const RoundCase cases[] = {
        {1.1, 2, 1, "1.1"},   {0.29, 2, 0, "0.29"},   {4.35, 2, 0, "4.35"},   {0.57, 2, 0, "0.57"},
        {1.15, 2, 1, "1.15"}, {-4.35, 2, 1, "-4.35"}, {0.7 * 3, 1, 1, "2.1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundValue(c.value, c.digits, c.mode), c.expected)
            << c.value << " digits " << c.digits << " mode " << c.mode;
    }
}

TEST(RoundValue, TextIsReadByItsLeadingNumber) {
    EXPECT_EQ(RoundValue("2.341", 1, 1), "2.4");
    EXPECT_EQ(RoundValue(" 12.3", 0, 1), "13");
    EXPECT_EQ(RoundValue("abc", 2, 1), "0");
}

// --- fixed-width number text ----------------------------------------------

struct FormatCase {
    const char* text;
    int intDigits;
    int decDigits;
    const char* expected;
};

TEST(FormatNum, RightAlignsInItsPlaces) {
    const FormatCase cases[] = {
        {"", 3, 1, ""},
        {"150", 4, 0, " 150"},
        {"75", 4, 0, "  75"},
        {"1000", 4, 0, "1000"},
        {"12345", 4, 0, "12345"},
        {"12.5", 3, 2, " 12.50"},
        {"0.5", 3, 1, "  0.5"},
        {"  12.5", 3, 2, " 12.50"},
        {"2.675", 1, 2, "2.68"},
        {"5", 0, 1, "5.0"},
        {"abc", 3, 1, "  0.0"},
        // The blanks come from the unrounded value.
        {"9.96", 2, 1, " 10.0"},
        {" 10.0", 2, 1, "10.0"},
        // A negative value ignores places and decimals.
        {"-1.5", 3, 1, " -1.50"},
        {"-12.345", 5, 0, " -12.35"},
        {"-0.001", 3, 1, " 0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNum(c.text, c.intDigits, c.decDigits), c.expected)
            << '"' << c.text << "\" " << c.intDigits << " " << c.decDigits;
    }
}

TEST(FormatNum, OwnOutputComesBackUnchanged) {
    const FormatCase cases[] = {
        {"150", 4, 0, nullptr},  {"12.5", 3, 2, nullptr},  {"0.5", 3, 1, nullptr},
        {"-1.5", 3, 2, nullptr}, {"12345", 4, 0, nullptr},
    };
    for (const auto& c : cases) {
        std::string once = FormatNum(c.text, c.intDigits, c.decDigits);
        EXPECT_EQ(FormatNum(once, c.intDigits, c.decDigits), once) << c.text;
    }
}

// --- decimal alignment ----------------------------------------------------

struct PadCase {
    const char* text;
    int width;
    const char* expected;
};

TEST(PadDecimal, LinesUpThePoints) {
    const PadCase cases[] = {
        {"12.5", 4, "  12.5"},  {"3", 4, "   3"},       {"12345.6", 4, "12345.6"},
        {"12345", 4, "12345"},  {"  7.25", 2, " 7.25"}, {"-1.5", 4, "  -1.5"},
        {"1.2.3", 4, " 1.2.3"},  // measured before the last point
        {"１.5", 3, "  １.5"},   // characters, not bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadDecimal(c.text, c.width), c.expected) << '"' << c.text << "\" " << c.width;
    }
}

TEST(PadDecimal, NumberIsWrittenAsPlainText) {
    EXPECT_EQ(PadDecimal(12.5, 4), "  12.5");
    EXPECT_EQ(PadDecimal(0.1 + 0.2, 3), "  0.3");
    EXPECT_EQ(PadDecimal(3.0, 2), " 3");
}

// --- blanks and full-width digits ---------------------------------------------

TEST(TrimBlanks, TakesOnlyHalfWidthBlanksOffBothEnds) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},       {"   ", ""},        {"  1.5 ", "1.5"},
        {"a b", "a b"}, {"\t1\t", "\t1\t"}, {"\u3000積雪地 ", "\u3000積雪地"},
    };
    for (const auto& [text, trimmed] : cases) EXPECT_EQ(TrimBlanks(text), trimmed) << text;
    EXPECT_EQ(TrimmedView("x-a-x", "x"), "-a-");
    EXPECT_EQ(TrimmedView(" \t\r\n", " \t\r\n"), "");
}

TEST(HalfWidthDigits, FoldsDigitsAndThePointOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"０１２３４５６７８９", "0123456789"},
        {"１．５", "1.5"},
        {"－１", "－1"},           // the full-width minus is not a digit
        {"Ｄ１０ 本", "Ｄ10 本"},  // other full-width letters stay
        {"12.5", "12.5"},
    };
    for (const auto& [text, folded] : cases) EXPECT_EQ(HalfWidthDigits(text), folded) << text;

    const std::string mixed = "１a";
    std::size_t at = 0;
    EXPECT_EQ(ReadHalfWidth(mixed, at), '1');
    EXPECT_EQ(at, 3u);
    EXPECT_EQ(ReadHalfWidth(mixed, at), 'a');
    EXPECT_EQ(at, 4u);
}

}  // namespace
}  // namespace talvo
