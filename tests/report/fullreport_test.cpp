// The full report built by the real page procedures on filled designs: the
// pages in order with the headings they number.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/chapters/sequencer.h"
#include "report/engine/recorder.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

// True for a heading: full-width digits, optionally ".digits", then a space.
bool IsHeading(const std::string& text) {
    static const std::string kDigits[] = {"０", "１", "２", "３", "４",
                                          "５", "６", "７", "８", "９"};
    std::size_t i = 0;
    int digits = 0;
    for (;;) {
        bool matched = false;
        for (const std::string& d : kDigits) {
            if (text.compare(i, d.size(), d) == 0) {
                i += d.size();
                ++digits;
                matched = true;
                break;
            }
        }
        if (matched) continue;
        if (digits > 0 && i < text.size() && text[i] == '.') {
            ++i;
            continue;
        }
        break;
    }
    return digits > 0 && i < text.size() && text[i] == ' ';
}

std::vector<std::string> Headings(const RecordedPage& page) {
    std::vector<std::string> h;
    for (const DrawOp& op : page.ops)
        if (const auto* t = std::get_if<TextOp>(&op))
            if (IsHeading(t->text)) h.push_back(t->text);
    return h;
}

// The page's headings joined by " / ".
std::string Joined(const std::vector<std::string>& headings) {
    std::string s;
    for (const std::string& h : headings) s += (s.empty() ? "" : " / ") + h;
    return s;
}

struct Config {
    int workType;
    int sameSection;
    int ptDirect;
    bool stirrups;  // the first row of each set, the one printed, needs stirrups
};

struct Case {
    Config config;
    std::vector<std::string> pages;  // the headings of each page
};

// Filled designs with their results; the frames without anchors have one
// horizontal span with overhangs of 0.5 on both sides.
void Prepare(const Config& c) {
    test::FillDesign(static_cast<std::int16_t>(c.workType));
    if (c.workType <= 2) {
        Design.SpanCountX = "1";
        Design.OverhangLeft = "0.500";
        Design.OverhangRight = "0.500";
    }
    Design.PtDirect = static_cast<std::int16_t>(c.ptDirect);
    Design.SameSection = static_cast<std::int16_t>(c.sameSection);
    SetAllRecalc(true);
    RunResultsActivation();
    Design.KekkaPrintRow = {1, 1};
    PrintCaseTate = 0;
    PrintCaseYoko = 6;
    StirrupNeeded = {};
    StirrupNeeded[0][0] = StirrupNeeded[1][0] = c.stirrups;
}

// Every work type's full report: the pages in order, each with the chapter
// and section headings it numbers (the summary and study pages have none).
// Every page draws something.
TEST(FullReport, PagesAndHeadingsOfEveryChapter) {
    // clang-format off
    const std::vector<Case> cases = {
        {{0, 0, 0, true},
         {"",
          "",
          "１ 作用荷重の算出（縦枠） / １.１ 枠にかかる重量",
          "１.２ 作用重量",
          "２ 曲げモーメント・せん断力の算出（縦枠） / ２.１ 崩壊部",
          "３ 作用荷重の算出（横枠） / ３.１ 枠にかかる重量 / ３.２ 作用荷重",
          "４ 曲げモーメント・せん断力の算出（横枠） / ４.１ スパン中央部 / ４.２ 張出し部",
          "５ 最大曲げモーメント・最大せん断力の決定",
          "６ 応力の検討（縦枠） / ６.１ 鉄筋量の算出 / ６.２ 応力度の検討",
          "",
          "６.３ スターラップの検討",
          "７ 応力の検討（横枠） / ７.１ 鉄筋量の算出 / ７.２ 応力度の検討",
          "",
          "７.３ スターラップの検討",
          "８ 主アンカーの検討"}},
        {{0, 1, 0, true},
         {"",
          "",
          "１ 作用荷重の算出（縦枠） / １.１ 枠にかかる重量",
          "１.２ 作用重量",
          "２ 曲げモーメント・せん断力の算出（縦枠） / ２.１ 崩壊部",
          "３ 作用荷重の算出（横枠） / ３.１ 枠にかかる重量 / ３.２ 作用荷重",
          "４ 曲げモーメント・せん断力の算出（横枠） / ４.１ スパン中央部 / ４.２ 張出し部",
          "５ 最大曲げモーメント・最大せん断力の決定",
          "６ 応力の検討（縦横） / ６.１ 鉄筋量の算出 / ６.２ 応力度の検討",
          "",
          "６.３ スターラップの検討",
          "７ 主アンカーの検討"}},
        {{1, 0, 0, false},
         {"",
          "",
          "１ 作用荷重の算出（縦枠） / １.１ 枠にかかる重量",
          "１.２ 作用重量",
          "２ 曲げモーメント・せん断力の算出（縦枠） / ２.１ 崩壊部",
          "３ 作用荷重の算出（横枠） / ３.１ 枠にかかる重量 / ３.２ 作用荷重",
          "４ 曲げモーメント・せん断力の算出（横枠） / ４.１ スパン中央部 / ４.２ 張出し部",
          "５ 最大曲げモーメント・最大せん断力の決定",
          "６ 応力の検討（縦枠） / ６.１ 鉄筋量の算出 / ６.２ 応力度の検討",
          "",
          "７ 応力の検討（横枠） / ７.１ 鉄筋量の算出 / ７.２ 応力度の検討",
          "",
          "８ 主アンカーの検討"}},
        {{2, 0, 0, true},
         {"",
          "",
          "１ 作用荷重の算出（横枠） / １.１ 枠にかかる重量 / １.２ 作用荷重",
          "２ 曲げモーメント・せん断力の算出（横枠） / ２.１ スパン中央部 / ２.２ 張出し部",
          "３ 最大曲げモーメント・最大せん断力の決定",
          "４ 応力の検討（横枠） / ４.１ 鉄筋量の算出 / ４.２ 応力度の検討",
          "",
          "４.３ スターラップの検討",
          "５ 主アンカーの検討"}},
        {{3, 0, 0, false},
         {"",
          "",
          "１ 設計荷重の算出 / １.１ 枠にかかる重量",
          "２ ロックボルトの設計荷重",
          "３ ロックボルトの検討 / ３.１ ロックボルト鋼材の選定 / ３.２ ロックボルト長",
          "４ 等分布荷重",
          "５ 曲げモーメント・せん断力の算出（縦枠） / ５.１ 第一内部支点 / ５.２ 張出し部",
          "６ 曲げモーメント・せん断力の算出（横枠） / ６.１ 第一内部支点 / ６.２ 張出し部",
          "７ 最大曲げモーメント・最大せん断力の決定",
          "８ 応力の検討（縦枠） / ８.１ 鉄筋量の算出 / ８.２ 応力度の検討",
          "",
          "９ 応力の検討（横枠） / ９.１ 鉄筋量の算出 / ９.２ 応力度の検討",
          ""}},
        {{4, 0, 0, false},
         {"",
          "",
          "１ 設計荷重の算出 / １.１ 枠にかかる重量",
          "２ アンカーの設計荷重",
          "３ アンカーの検討 / ３.１ テンドンの選定 / ３.２ アンカー長",
          "４ 等分布荷重",
          "５ 曲げモーメント・せん断力の算出（縦枠） / ５.１ 第一内部支点 / ５.２ 張出し部",
          "６ 曲げモーメント・せん断力の算出（横枠） / ６.１ 第一内部支点 / ６.２ 張出し部",
          "７ 最大曲げモーメント・最大せん断力の決定",
          "８ 応力の検討（縦枠） / ８.１ 鉄筋量の算出 / ８.２ 応力度の検討",
          "",
          "９ 応力の検討（横枠） / ９.１ 鉄筋量の算出 / ９.２ 応力度の検討",
          "",
          "１０ 支圧応力度の検討 / １０.１ 許容支圧応力度 / １０.２ 支圧応力度",
          "１１ アンカープレートの検討 / １１.１ 曲げモーメント / １１.２ プレートの厚さ"}},
        {{4, 0, 1, false},
         {"",
          "１ アンカーの設計荷重 / ２ 等分布荷重",
          "３ 曲げモーメント・せん断力の算出（縦枠） / ３.１ 第一内部支点 / ３.２ 張出し部",
          "４ 曲げモーメント・せん断力の算出（横枠） / ４.１ 第一内部支点 / ４.２ 張出し部",
          "５ 最大曲げモーメント・最大せん断力の決定",
          "６ 応力の検討（縦枠） / ６.１ 鉄筋量の算出 / ６.２ 応力度の検討",
          "",
          "７ 応力の検討（横枠） / ７.１ 鉄筋量の算出 / ７.２ 応力度の検討",
          "",
          "８ 支圧応力度の検討 / ８.１ 許容支圧応力度 / ８.２ 支圧応力度",
          "９ アンカープレートの検討 / ９.１ 曲げモーメント / ９.２ プレートの厚さ"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Config& k = c.config;
        SCOPED_TRACE(testing::Message()
                     << "work type " << k.workType << ", common section " << k.sameSection
                     << ", Pt entered " << k.ptDirect << ", stirrups " << k.stirrups);
        Prepare(k);
        auto report = MakeChapterReport(k.workType);
        RecordingOutput out;
        report->DrawReport(out, 1);
        const RecordedDocument& doc = out.Document();
        ASSERT_EQ(doc.pages.size(), c.pages.size());
        EXPECT_TRUE(doc.ended);
        for (std::size_t i = 0; i < doc.pages.size(); ++i) {
            EXPECT_EQ(Joined(Headings(doc.pages[i])), c.pages[i]) << "page " << i + 1;
            EXPECT_FALSE(doc.pages[i].ops.empty()) << "page " << i + 1;
        }
    }
}

}  // namespace
}  // namespace talvo::report
