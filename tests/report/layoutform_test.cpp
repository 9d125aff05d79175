#include "report/engine/layoutform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace talvo::report {
namespace {

std::vector<std::string> Names(const LayoutForm& f) {
    std::vector<std::string> out;
    for (const FormItem& item : f.items)
        std::visit([&](const auto& i) { out.push_back(i.name); }, item);
    return out;
}

TEST(FormFormat, ItemsDefaultsAndOrder) {
    LayoutForm f = ParseForm(R"(form InsSample   # the name
# a comment line

line Line1 0 60 8100 60 w=2
label Label1 60 0 2000 "２．１ \"見出し\" \\ 表" bold
font "ＭＳ ゴシック" 6
label Label2(3) 600 300 120 "x"
label Label3 600 600 120 255 "y" size=8.25 font="ＭＳ 明朝" align=right color=255
pic Pic_l(0) 1200 600
pic Pic_l(1) 1200 900 270 390
hrules Line2 180 8100 360 300 3 w=2
vrules Line3 360 1200 540 600 2
frac Line4 2000 2600 1500 Label4 "ｗ" Label5 "2"
)");
    EXPECT_EQ(f.name, "InsSample");
    EXPECT_EQ(Names(f),
              (std::vector<std::string>{"Line1", "Label1", "Label2(3)", "Label3", "Pic_l(0)",
                                        "Pic_l(1)", "Line2(0)", "Line2(1)", "Line2(2)", "Line3(0)",
                                        "Line3(1)", "Label4", "Line4", "Label5"}));

    const auto& line1 = std::get<FormLine>(f.items[0]);
    EXPECT_EQ(line1.borderWidth, 2);
    EXPECT_EQ(line1.borderStyle, 1);
    EXPECT_TRUE(line1.visible);

    const FormLabel* l1 = f.Label("Label1");
    ASSERT_TRUE(l1);
    EXPECT_EQ(l1->caption, "２．１ \"見出し\" \\ 表");
    EXPECT_EQ(l1->fontName, "ＭＳ 明朝");
    EXPECT_EQ(l1->fontSize, 8.25);
    EXPECT_EQ(l1->height, 195);
    EXPECT_TRUE(l1->fontBold);
    EXPECT_EQ(l1->foreColor, kWindowTextColor);
    EXPECT_TRUE(l1->enabled);

    const FormLabel* l2 = f.Label("Label2(3)");  // under the font directive: 6 pt, 135 high
    EXPECT_EQ(l2->fontName, "ＭＳ ゴシック");
    EXPECT_EQ(l2->fontSize, 6);
    EXPECT_EQ(l2->height, 135);

    const FormLabel* l3 = f.Label("Label3");  // explicit height, options override
    EXPECT_EQ(l3->height, 255);
    EXPECT_EQ(l3->fontName, "ＭＳ 明朝");
    EXPECT_EQ(l3->alignment, TextAlign::Right);
    EXPECT_EQ(l3->foreColor, 255u);

    EXPECT_EQ(f.Picture("Pic_l(0)")->width, 135);
    EXPECT_EQ(f.Picture("Pic_l(0)")->height, 195);
    EXPECT_EQ(f.Picture("Pic_l(1)")->height, 390);

    const auto& rule = std::get<FormLine>(f.items[8]);  // Line2(2)
    EXPECT_EQ(rule.y1, 960);
    EXPECT_EQ(rule.y2, 960);
    EXPECT_EQ(rule.x2, 8100);
    EXPECT_EQ(rule.borderWidth, 2);
    const auto& upright = std::get<FormLine>(f.items[10]);  // Line3(1)
    EXPECT_EQ(upright.x1, 1140);
    EXPECT_EQ(upright.y2, 1200);

    // The fraction: numerator 120 above the row, denominator 120 below, bar between.
    EXPECT_EQ(f.Label("Label4")->top, 1380);
    EXPECT_EQ(f.Label("Label5")->top, 1620);
    EXPECT_EQ(std::get<FormLine>(f.items[12]).y1, 1597);

    EXPECT_EQ(f.ItemExtent().right, 8100);
    EXPECT_EQ(f.ItemExtent().bottom, 1755);  // Label5 at 6 pt under the font line: 1620 + 135
}

TEST(FormFormat, FaultsNameTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"label A 0 0 10 \"x\"", "line 1"},            // no form line first
        {"form F\nform G", "line 2"},                  // a second name
        {"form F\nline A 0 0 10", "line 2"},           // missing end
        {"form F\n\nline A 0 0 10 x", "line 3"},       // not a number
        {"form F\nline A 0 0 10 10 w=", "line 2"},     // empty option
        {"form F\nline A 0 0 10 10 thick", "line 2"},  // unknown option
        {"form F\nlabel A 0 0 10 \"open", "line 2"},   // unterminated caption
        {"form F\nlabel A 0 0 \"x\"", "line 2"},       // no width
        {"form F\nlabel A 0 0 10 \"x\" align=middle", "line 2"},
        {"form F\nlabel A 0 0 10.5 \"x\"", "line 2"},  // half a twip
        {"form F\nhrules A 0 10 0 300 0", "line 2"},   // no lines
        {"form F\nbox A 0 0 10 10", "line 2"},         // unknown item
        {"# only a comment", "no name"},
    };
    for (auto [text, where] : cases) {
        try {
            ParseForm(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const FormError& e) {
            EXPECT_NE(std::string(e.what()).find(where), std::string::npos)
                << text << " → " << e.what();
        }
    }
}

// Extents of the catalogue (right-most and lowest item edge in twips), every
// form of the design program and of the companion.
// clang-format off
const std::map<std::string, LayoutForm::Extent> kCatalogueExtent = {
    {"InsHoukaiHyou", {8100, 8895}},
    {"InsHeiyouHyou", {8100, 8895}},
    {"InsOryuokuIkei", {8100, 1575}},
    {"InsOryuokuDokei", {8100, 1560}},
    {"InsKekkaHyouIkei", {8115, 1815}},  // the line of failed checks under it
    {"InsKekkaHyouDokei", {8115, 1515}},
    {"InsHoukaiKusabi", {8100, 7200}},
    {"InsHoukaiEnko", {8100, 7200}},
    {"InsAncBarKento", {8100, 2175}},
    {"InsAnchorKento", {8100, 8160}},
    {"InsRockKento", {8100, 8160}},
    {"InsKusabiJyuuryo", {7755, 11175}},
    {"InsKusabiJyuuryoY", {7395, 11175}},
    {"InsKusabiKajyuu", {7875, 4605}},
    {"InsEnkoJyuuryo", {8130, 10275}},
    {"InsEnkoKajyuu", {7695, 4815}},
    {"InsKusabiMmaxSmax", {7755, 5175}},
    {"InsEnkoMmaxSmax", {7755, 5895}},
    {"InsYokoJyuuryo", {6990, 4695}},
    {"InsYokoSouJyuuryo", {5715, 1095}},
    {"InsYokoYukiNasi", {5715, 2055}},
    {"InsYokoYukiKouryo", {5715, 3315}},
    {"InsYokoKajyuu", {5835, 3015}},
    {"InsSekkeiJyuuryo", {6225, 7695}},
    {"InsSekkeiJyuuryoY", {6525, 7695}},
    {"InsSekkeiYukiKouryo", {5715, 3315}},
    {"InsMmtSdrSupan", {5055, 4635}},
    {"InsMmtSdrOne", {5070, 4635}},
    {"InsMmtSdrOneHari", {7635, 5055}},
    {"InsMmtSdrNasi", {4350, 4635}},
    {"InsMmtSdrHari", {5070, 4635}},
    {"InsMmtSdrHyou", {7020, 2640}},
    {"InsMmaxSmax", {5775, 1215}},
    {"InsMmaxSmax2", {5775, 3075}},
    {"InsTekkinRyo", {6375, 3075}},
    {"InsTekkinHi", {6810, 6495}},
    {"InsOrkHippari", {6615, 2655}},
    {"InsOrkAssyuku", {6615, 1695}},
    {"InsOrkSendan", {6615, 1695}},
    {"InsOrkSendanX", {6615, 1695}},
    {"InsOrkFutyaku", {8025, 2115}},
    {"InsOrkFutyakuStar", {7815, 2655}},
    {"InsOrkStarLap", {7215, 7995}},
    {"InsSekkeiAncFai", {7470, 3195}},
    {"InsSekkeiAncTan", {7395, 3195}},
    {"InsSekkeiRockFai", {7470, 5175}},
    {"InsSekkeiRockTan", {7395, 5175}},
    {"InsHikiAF", {5715, 2475}},
    {"InsHikiAT", {5655, 2475}},
    {"InsSimeA", {6735, 2415}},
    {"InsSimeAP", {6975, 2475}},
    {"InsHikiSimeAF", {6045, 1395}},
    {"InsHikiSimeAT", {5745, 1395}},
    {"InsHikiSimeAFP", {6585, 1395}},
    {"InsHikiSimeATP", {6285, 1395}},
    {"InsHikiRF", {5835, 2835}},
    {"InsHikiRT", {5835, 2835}},
    {"InsSimeR", {6615, 2835}},
    {"InsSimeRP", {6615, 2835}},
    {"InsHikiSimeRF", {5040, 1755}},
    {"InsHikiSimeRT", {4740, 1755}},
    {"InsHikiSimeRFP", {5640, 1755}},
    {"InsHikiSimeRTP", {5340, 1755}},
    {"InsAnchorKouzai", {7815, 4995}},
    {"InsAnchorTyou", {5040, 4395}},
    {"InsAnchorTeityaku", {7215, 4755}},
    {"InsAnchorNagasa", {6075, 1095}},
    {"InsRockTyou", {6435, 8295}},
    {"InsRockNagasa", {7755, 1455}},
    {"InsToubunpuZennaga", {4395, 1215}},
    {"InsToubunpuPitti", {6975, 1215}},
    {"InsToubunpuCross", {7335, 6555}},
    {"InsToubunpuCrossB", {7335, 6555}},
    {"InsToubunpuLine", {7335, 8175}},
    {"InsToubunpuLineHalf", {7335, 8175}},
    {"InsToubunpuPt", {2535, 735}},
    {"InsSiatu", {7530, 9675}},
    {"InsPrate", {7575, 10215}},
    {"InsSyuAncBar", {7275, 4395}},
    // the companion program's four forms
    {"InsatuJouken", {8100, 3780}},
    {"InsatuKekka", {8150, 5070}},
    {"InsatuKusabi", {4728, 3060}},
    {"InsatuEnko", {4752, 3096}},
};
// clang-format on

TEST(EmbeddedForms, EveryFormLoadsWithItsCatalogueExtent) {
    std::vector<std::string> names = FormNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::unique_ptr<LayoutForm> form;
        ASSERT_NO_THROW(form = LoadForm(name));
        EXPECT_EQ(form->name, name) << "the file and its form line disagree";
        auto it = kCatalogueExtent.find(name);
        ASSERT_NE(it, kCatalogueExtent.end()) << "not in the catalogue table of this test";
        EXPECT_EQ(form->ItemExtent().right, it->second.right);
        EXPECT_EQ(form->ItemExtent().bottom, it->second.bottom);
    }
}

// The result table of a common section has the header of the separate
// sections' table (the catalogue's 16 lines and 44 labels): only the caption
// over the row captions differs, " 枠" for "枠", and it has one row.
TEST(EmbeddedForms, TheCommonSectionResultTableHasTheFullHeader) {
    struct Count {
        int lines = 0, labels = 0;
        std::vector<std::string> header;  // captions above the rows, in order
    };
    auto count = [](const LayoutForm& f) {
        Count c;
        for (const FormItem& item : f.items) {
            if (std::holds_alternative<FormLine>(item)) ++c.lines;
            if (const auto* l = std::get_if<FormLabel>(&item)) {
                ++c.labels;
                if (l->top < 900) c.header.push_back(l->caption);
            }
        }
        return c;
    };
    const Count dokei = count(*LoadForm("InsKekkaHyouDokei"));
    Count ikei = count(*LoadForm("InsKekkaHyouIkei"));
    EXPECT_EQ(dokei.lines, 16);
    EXPECT_EQ(dokei.labels, 45);
    // The separate sections' 枠 stands among the column captions.
    auto frame = std::find(ikei.header.begin(), ikei.header.end(), "枠");
    ASSERT_NE(frame, ikei.header.end());
    *frame = " 枠";
    std::vector<std::string> a = dokei.header, b = ikei.header;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);
}

TEST(EmbeddedForms, EveryUseIsAFreshInstance) {
    auto first = LoadForm("InsOryuokuDokei");
    ASSERT_TRUE(first->SetCaption("Lab1", "  12.5"));
    EXPECT_FALSE(first->SetCaption("Lab99", "x"));
    first.reset();
    auto again = LoadForm("InsOryuokuDokei");
    EXPECT_EQ(again->Label("Lab1")->caption, "Lab1");
}

TEST(EmbeddedForms, UnknownNameIsAnError) {
    EXPECT_THROW(LoadForm("InsNothing"), FormError);
    EXPECT_THROW(LoadForm(""), FormError);
}

}  // namespace
}  // namespace talvo::report
