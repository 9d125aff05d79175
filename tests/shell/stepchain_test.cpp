// The step chains and their names.
#include "shell/stepchain.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

using Chain = std::vector<std::string>;

struct ChainCase {
    int workType;
    int ptDirect;
    Chain windows;
};

const ChainCase kChains[] = {
    {0,
     0,
     {"N2danmen", "N3supan", "N4omosa", "N5koubai", "N6kusabi", "NCtatemoment", "NDtatesendan",
      "NEyokomoment", "NFyokosendan", "NGouryoku", "NHanchor", "NNkekka"}},
    // The direct design load changes nothing for the frame-only types.
    {1,
     1,
     {"N2danmen", "N3supan", "N4omosa", "N5koubai", "N7enko", "NCtatemoment", "NDtatesendan",
      "NEyokomoment", "NFyokosendan", "NGouryoku", "NHanchor", "NNkekka"}},
    {2,
     0,
     {"N2danmen", "N3supan", "N4omosa", "N5koubai", "NEyokomoment", "NFyokosendan", "NGouryoku",
      "NHanchor", "NNkekka"}},
    {3,
     0,
     {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "N8yokusi", "NIrockst", "NArock1", "NBrock2",
      "NJrocktb", "NKrockmoment", "NLrocksendan", "NGouryoku", "NNkekka"}},
    {3,
     1,
     {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "NJrocktb", "NKrockmoment", "NLrocksendan",
      "NGouryoku", "NNkekka"}},
    {4,
     0,
     {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "N8yokusi", "NIrockpt", "NAgrand1", "NBgrand2",
      "NJrocktb", "NKrockmoment", "NLrocksendan", "NGouryoku", "NMsiatu", "NMprate", "NNkekka"}},
    // Any value other than 0 counts as the direct design load.
    {4,
     -1,
     {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "NJrocktb", "NKrockmoment", "NLrocksendan",
      "NGouryoku", "NMsiatu", "NMprate", "NNkekka"}},
    {5, 0, {}},
    {-1, 0, {}},
};

TEST(StepChain, WindowsOfEveryWorkTypeAndTheirNamesLineUp) {
    for (const ChainCase& c : kChains) {
        SCOPED_TRACE(testing::Message() << "type " << c.workType << " pt " << c.ptDirect);
        EXPECT_EQ(StepChain(c.workType, c.ptDirect), c.windows);
        StepNameTable names;
        bool known = StepNamesFor(c.workType, c.ptDirect, names);
        EXPECT_EQ(known, !c.windows.empty());
        if (!known) continue;
        ASSERT_EQ(names.Count(), static_cast<int>(c.windows.size()));
        for (int i = 1; i <= names.Count(); ++i) {
            // Numbered 1 to n, and the icon name is the full name without its number.
            const std::string number = std::to_string(i) + ".";
            EXPECT_EQ(names.ShortName[i].rfind(number, 0), 0u) << names.ShortName[i];
            EXPECT_EQ(names.FullName[i], std::to_string(i) + names.IconName[i]);
        }
    }
}

struct NameCase {
    int workType;
    int ptDirect;
    int step;
    const char* shortName;
    const char* fullName;
    std::int32_t helpId;
};

const NameCase kNames[] = {
    {0, 0, 1, "1.枠断面", "1.のり枠断面の形状寸法", 1010},
    {0, 0, 6, "6.縦枠Ｍmax", "6.縦枠に発生する曲げモーメント", 1060},
    {0, 0, 11, "11.主ｱﾝｶｰ", "11.主アンカーの検討", 1110},
    {0, 0, 12, "12.計算結果", "12.計算結果", 1120},
    {1, 0, 7, "7.縦枠Smax", "7.縦枠に発生するせん断力", 1270},
    {1, 0, 11, "11.主アンカー", "11.主アンカーの検討", 1310},
    {1, 0, 12, "12.計算結果", "12.計算結果", 1320},
    {2, 0, 5, "5.横枠Mmax", "5.横枠に発生する曲げモーメント", 1450},
    {2, 0, 9, "9.計算結果", "9.計算結果", 1490},
    {3, 0, 4, "4.のり断面", "4.のり面の断面形状", 1840},
    {3, 0, 7, "7.鋼材の選定", "7.ロックボルト鋼材の選定", 1680},
    {3, 0, 13, "13.計算結果", "13.計算結果", 1740},
    {3, 1, 5, "5.等分布荷重", "5.等分布荷重", 1700},
    {3, 1, 6, "6.Mmax", "6.枠に発生する曲げモーメント", 1710},
    {4, 0, 6, "6.設計荷重", "6.設計荷重", 1870},
    {4, 0, 14, "14.プレート厚さ", "14.アンカープレートの厚さ", 1950},
    {4, 1, 9, "9.支圧応力度", "9.支圧応力度の検討", 1940},
    {4, 1, 11, "11.計算結果", "11.計算結果", 1960},
};

TEST(StepChain, NamesAndHelpIds) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(testing::Message()
                     << "type " << c.workType << " pt " << c.ptDirect << " step " << c.step);
        StepNameTable names;
        ASSERT_TRUE(StepNamesFor(c.workType, c.ptDirect, names));
        EXPECT_EQ(names.ShortName[c.step], c.shortName);
        EXPECT_EQ(names.FullName[c.step], c.fullName);
        EXPECT_EQ(names.HelpId[c.step], c.helpId);
    }
}

TEST(StepChain, HelpIdsRunInStepsOfTen) {
    struct Run {
        int workType, ptDirect, first;
    };
    for (Run r : {Run{1, 0, 1210}, Run{2, 0, 1410}}) {
        StepNameTable names;
        ASSERT_TRUE(StepNamesFor(r.workType, r.ptDirect, names));
        for (int i = 1; i <= names.Count(); ++i) EXPECT_EQ(names.HelpId[i], r.first + 10 * (i - 1));
    }
}

TEST(StepChain, UnknownWorkTypeLeavesTheNamesAsTheyWere) {
    StepNameTable names;
    ASSERT_TRUE(StepNamesFor(2, 0, names));
    EXPECT_FALSE(StepNamesFor(5, 0, names));
    EXPECT_EQ(names.Count(), 9);
    EXPECT_EQ(names.FullName[9], "9.計算結果");
}

TEST(StepChain, IconCaptionsUseHexadecimalAccessKeys) {
    struct Case {
        int i;
        const char* name;
        const char* caption;
    };
    for (Case c : {Case{1, ".のり枠断面の形状寸法", "&1 .のり枠断面の形状寸法"},
                   Case{9, ".横枠に発生するせん断力", "&9 .横枠に発生するせん断力"},
                   Case{10, ".設計基準強度と許容応力度", "&A .設計基準強度と許容応力度"},
                   Case{15, ".計算結果", "&F .計算結果"}})
        EXPECT_EQ(StepIconCaption(c.i, c.name), c.caption);
    EXPECT_EQ(StepIconId(12), "ID_アイコン12");
}

TEST(StepChain, FocusSinksAndTabWrapTargets) {
    struct Case {
        const char* window;
        const char* sink;
        const char* wrap;
    };
    for (Case c : {Case{"N2danmen", "Text6", ""}, Case{"N3supan", "Text9", "txtSpanNum(0)"},
                   Case{"N5koubai", "Text1", "cmdBegin"}, Case{"N6kusabi", "Text4", "cmdIndicate"},
                   Case{"NIrockst", "Text1", ""}, Case{"NBgrand2", "Text10", "txtds"},
                   Case{"NHanchor", "Text2", "Text7"}, Case{"NMprate", "Text3", "txtStress"},
                   Case{"NDtatesendan", "", ""}, Case{"NEyokomoment", "", ""},
                   Case{"NNkekka", "", ""}, Case{"N0select", "", ""}}) {
        EXPECT_EQ(FocusSinkOf(c.window), c.sink) << c.window;
        EXPECT_EQ(TabWrapTargetOf(c.window), c.wrap) << c.window;
    }
}

}  // namespace
}  // namespace talvo
