#include "shell/codec.h"

#include <gtest/gtest.h>

#include <string>

namespace talvo::cp932 {
namespace {

struct Pair {
    const char* utf8;
    const char* cp932;
};

// Characters that must keep their code-page-932 bytes both ways: the
// full-width forms, the NEC and IBM extensions and a half-width katakana.
TEST(Cp932, CharactersRoundTripAsTheCodePageDefinesThem) {
    // clang-format off
    const Pair cases[] = {
        {"～", "\x81\x60"},  {"－", "\x81\x7C"}, {"∥", "\x81\x61"}, {"￢", "\x81\xCA"},
        {"￠", "\x81\x91"},  {"￡", "\x81\x92"}, {"①", "\x87\x40"}, {"ｱ", "\xB1"},
        {"ﾟ", "\xDF"},       {"髙", "\xFB\xFC"}, {"ⅰ", "\xFA\x40"}, {"Ⅰ", "\x87\x54"},
        {"地区", "\x92\x6E\x8B\xE6"},           {"　", "\x81\x40"},
        {"A-1.5", "A-1.5"},  {"", ""},
    };
    // clang-format on
    for (const Pair& c : cases) {
        EXPECT_EQ(FromUtf8(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(ToUtf8(c.cp932), c.utf8) << c.utf8;
    }
}

// Look-alikes that users type for the characters above are written as them;
// reading gives back the code page's own character.
TEST(Cp932, LookAlikesAreWrittenAsTheCharacterTheyResemble) {
    // clang-format off
    const Pair cases[] = {
        {"\u301C", "\x81\x60"}, {"\u2016", "\x81\x61"}, {"\u2212", "\x81\x7C"},
        {"\u00A2", "\x81\x91"}, {"\u00A3", "\x81\x92"}, {"\u00AC", "\x81\xCA"},
        {"1\u301C2", "1\x81\x60\x32"},
    };
    // clang-format on
    for (const Pair& c : cases) {
        std::size_t replaced = 99;
        EXPECT_EQ(FromUtf8(c.utf8, &replaced), c.cp932) << c.utf8;
        EXPECT_EQ(replaced, 0u) << c.utf8;
        EXPECT_TRUE(Representable(c.utf8)) << c.utf8;
    }
    EXPECT_EQ(ToUtf8("\x81\x60"), "～");
}

TEST(Cp932, UnrepresentableCharactersBecomeQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string cp932;
        std::size_t replaced;
        std::string sanitized;
    };
    const Case cases[] = {
        {"a😀b", "a?b", 1, "a?b"},
        {"地😀区", "\x92\x6E?\x8B\xE6", 1, "地?区"},
        {"한글", "??", 2, "??"},
        {"\u301C😀", "\x81\x60?", 1, "\u301C?"},  // the wave dash itself stays as typed
        {"x\xFFy", "x?y", 1, "x?y"},             // not UTF-8 at all
        {"\xE3\x81", "?", 1, "?"},               // cut sequence at the end
        {std::string("a\0b", 3), std::string("a\0b", 3), 0, std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        std::size_t replaced = 99;
        EXPECT_EQ(FromUtf8(c.utf8, &replaced), c.cp932) << c.utf8;
        EXPECT_EQ(replaced, c.replaced) << c.utf8;
        EXPECT_EQ(Representable(c.utf8), c.replaced == 0) << c.utf8;
        EXPECT_EQ(Sanitize(c.utf8), c.sanitized) << c.utf8;
        EXPECT_EQ(ByteCount(c.utf8), c.cp932.size()) << c.utf8;
    }
}

TEST(Cp932, UndefinedBytesBecomeReplacementCharacters) {
    const Pair cases[] = {
        {"\xA0", "\uFFFD"},
        {"\x80", "\uFFFD"},
        {"a\xFF"
         "b",
         "a\uFFFD"
         "b"},
        {"\x85\x80", "\uFFFD"},  // unassigned pair
        {"\x81"
         " A",
         "\uFFFD"
         " A"},                        // stray lead byte: the ASCII after it is kept
        {"\x92\x6E\x8B", "地\uFFFD"},  // cut at the end
    };
    for (const Pair& c : cases) EXPECT_EQ(ToUtf8(c.utf8), c.cp932) << c.utf8;
}

// What a name box shows once left is what the file gives back.
TEST(Cp932, AsStoredIsTheTextTheFileGivesBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"Café 〜 地区", "Caf? ～ 地区"},
        {"北地区 ｶﾅ ①", "北地区 ｶﾅ ①"},
        {"−5 ∥ ¬", "－5 ∥ ￢"},
        {"", ""},
    };
    for (const auto& [typed, stored] : cases) {
        EXPECT_EQ(AsStored(typed), stored) << typed;
        EXPECT_EQ(AsStored(stored), stored) << stored;  // stable once stored
    }
}

TEST(Cp932, CutToBytesKeepsWholeCharacters) {
    struct Case {
        const char* utf8;
        std::size_t max;
        const char* cut;
    };
    const Case cases[] = {
        {"地区名", 4, "地区"}, {"地区名", 5, "地区"}, {"地区名", 6, "地区名"}, {"aｱ地", 2, "aｱ"},
        {"aｱ地", 3, "aｱ"},     {"aｱ地", 4, "aｱ地"},   {"a😀b", 2, "a😀"},  // counted as its "?"
        {"abc", 0, ""},        {"", 5, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutToBytes(c.utf8, c.max), c.cut) << c.utf8 << " " << c.max;
    }
}

TEST(Cp932, LongTextsConvertWhole) {
    // Longer than the converter's working buffer, with a refusal in the middle.
    std::string utf8, cp;
    for (int i = 0; i < 2000; ++i) {
        utf8 += "地ｱ";
        cp += "\x92\x6E\xB1";
    }
    EXPECT_EQ(ToUtf8(FromUtf8(utf8 + "😀" + utf8)), utf8 + "?" + utf8);
    EXPECT_EQ(FromUtf8(utf8), cp);
}

}  // namespace
}  // namespace talvo::cp932
