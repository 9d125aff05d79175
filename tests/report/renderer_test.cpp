#include "report/engine/renderer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "report/engine/headings.h"
#include "report/engine/recorder.h"

namespace talvo::report {
namespace {

// A paper on which one design twip is one page twip.
constexpr double kUnitWidth = kDesignPageWidth;
constexpr double kUnitHeight = kDesignPageHeight;

std::unique_ptr<LayoutForm> Form(std::string_view text) {
    return std::make_unique<LayoutForm>(ParseForm(text));
}

template <class Op>
std::vector<Op> OpsOf(const RecordedPage& page) {
    std::vector<Op> out;
    for (const DrawOp& op : page.ops)
        if (const Op* p = std::get_if<Op>(&op)) out.push_back(*p);
    return out;
}

ReportPrint Prepared(const PageOutput& out, int printPage = 0, int curPage = 1) {
    ReportPrint print;
    print.SetPrintPage(printPage);
    print.DrawCorrect(out);
    print.SetCurPage(curPage);
    return print;
}

TEST(PageSetup, A4ScalesAndOrigin) {
    RecordingOutput out;  // A4, margins 0
    ReportPrint print = Prepared(out);
    EXPECT_NEAR(print.WidthRatio(), 1.2224823, 5e-8);
    EXPECT_NEAR(print.HeightRatio(), 1.2034019, 5e-8);
    EXPECT_EQ(print.CharRatio(), print.HeightRatio());  // A4 is relatively wider
    EXPECT_EQ(print.Left(), 757);
    EXPECT_EQ(print.Top(), 505);
    EXPECT_EQ(print.BlockTop(9800), 11980);   // 11980.33: WidthRatio, no Top
    EXPECT_EQ(print.BlockTop(11500), 14059);  // 14058.55
}

TEST(PageSetup, RatiosAndRounding) {
    // Relatively taller paper takes the width for text; equal ratios too.
    EXPECT_EQ(Prepared(RecordingOutput(kUnitWidth, 2 * kUnitHeight)).CharRatio(), 1.0);
    EXPECT_EQ(Prepared(RecordingOutput(kUnitWidth, kUnitHeight)).CharRatio(), 1.0);
    EXPECT_EQ(Prepared(RecordingOutput(2 * kUnitWidth, kUnitHeight)).CharRatio(), 1.0);
    // Origins round down: 1954.9 + 620 = 2574.9 gives 2574.
    ReportPrint p = Prepared(RecordingOutput(kUnitWidth, kUnitHeight, 1954.9, 100.99));
    EXPECT_EQ(p.Left(), 2574);
    EXPECT_EQ(p.Top(), 520);
}

TEST(PageSetup, RestartsHeadingNumbers) {
    ChapterTitle("a");
    SectionTitle("b");
    RecordingOutput out;
    Prepared(out);
    EXPECT_EQ(ChapterNo(), 0);
    EXPECT_EQ(SectionNo(), 0);
}

TEST(DrawFrm, LabelLandsScaledFromTheOrigin) {
    RecordingOutput out;
    ReportPrint print = Prepared(out);
    out.StartDoc();
    auto form = Form("form F\nlabel Label1 600 1440 900 \"最大せん断力\"\n");
    print.DrawFrm(out, form, print.Left(), print.Top());
    EXPECT_EQ(form, nullptr);
    auto texts = OpsOf<TextOp>(out.Document().pages.at(0));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].x, 1490.49, 0.005);
    EXPECT_NEAR(texts[0].y, 2237.90, 0.005);
    EXPECT_EQ(texts[0].text, "最大せん断力");
    EXPECT_DOUBLE_EQ(texts[0].font.size, 8.25 * print.CharRatio());
    EXPECT_EQ(texts[0].font.name, "ＭＳ 明朝");
    EXPECT_EQ(texts[0].color, 0u);  // window text prints black
}

TEST(DrawFrm, LabelsIgnoreVisibleAndAlignmentAndPrintNothingWhenDisabled) {
    RecordingOutput out(kUnitWidth, kUnitHeight);
    ReportPrint print = Prepared(out);
    auto form = Form(R"(form F
label A 100 200 900 "hidden" hidden
label B 100 500 900 "centred" align=center
label C 100 800 900 "off" disabled color=255 bold size=6
)");
    print.DrawFrm(out, form, 0, 0);
    auto t = OpsOf<TextOp>(out.Document().pages.at(0));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].text, "hidden");
    EXPECT_EQ(t[1].x, 100);
    EXPECT_EQ(t[1].align, TextAlign::Left);
    // The disabled label still takes position, size, colour and font.
    EXPECT_EQ(t[2].text, "");
    EXPECT_EQ(t[2].y, 800);
    EXPECT_EQ(t[2].color, 255u);
    EXPECT_TRUE(t[2].font.bold);
    EXPECT_EQ(t[2].font.size, 6);
}

TEST(DrawFrm, LinesMapPensAndRoundEndsHalfToEven) {
    // WidthRatio 1.5 and HeightRatio 1: 5 → 7.5 → 8, 3 → 4.5 → 4.
    RecordingOutput out(1.5 * kUnitWidth, kUnitHeight);
    ReportPrint print = Prepared(out);
    auto form = Form(R"(form F
line A 5 10 3 10 w=2
line B 0 0 10 0 w=2 style=3
line C 0 0 10 0 hidden
line D 0 0 30000 0
line E 0 0 10 0 style=9
)");
    print.DrawFrm(out, form, 0, 0);
    auto lines = OpsOf<LineOp>(out.Document().pages.at(0));
    ASSERT_EQ(lines.size(), 3u);  // C is hidden, D runs off the 16-bit range
    EXPECT_EQ(lines[0].x1, 8);
    EXPECT_EQ(lines[0].x2, 4);
    EXPECT_EQ(lines[0].pen, (PenSpec{PenStyle::Solid, 10, 0}));
    EXPECT_EQ(lines[1].pen, (PenSpec{PenStyle::Dot, 0, 0}));
    EXPECT_EQ(lines[2].pen, (PenSpec{PenStyle::Solid, 0, 0}));
}

TEST(DrawFrm, PenStyleMapping) {
    const std::pair<int, PenStyle> table[] = {
        {1, PenStyle::Solid},       {3, PenStyle::Dot},        {2, PenStyle::Dash},
        {4, PenStyle::DashDot},     {5, PenStyle::DashDotDot}, {0, PenStyle::None},
        {6, PenStyle::InsideFrame}, {7, PenStyle::Solid},      {-1, PenStyle::Solid}};
    for (auto [border, pen] : table) EXPECT_EQ(PenStyleFor(border), pen) << border;
    EXPECT_EQ(PenWidthFor(1, 3), 15);
    EXPECT_EQ(PenWidthFor(2, 3), 0);
}

TEST(DrawFrm, PicturesStretchUnrounded) {
    RecordingOutput out;
    ReportPrint print = Prepared(out);
    auto form = Form("form F\npic Pic_l(0) 1200 600\n");
    print.DrawFrm(out, form, 10, 20);
    auto pics = OpsOf<PictureOp>(out.Document().pages.at(0));
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_EQ(pics[0].name, "L-prn.bmp");
    EXPECT_DOUBLE_EQ(pics[0].x, 1200 * print.WidthRatio() + 10);
    EXPECT_DOUBLE_EQ(pics[0].y, 600 * print.HeightRatio() + 20);
    EXPECT_DOUBLE_EQ(pics[0].width, 135 * print.WidthRatio());
    EXPECT_DOUBLE_EQ(pics[0].height, 195 * print.HeightRatio());
}

TEST(DrawFrm, PageFilterDrawsOnlyThePageAskedFor) {
    for (int printPage : {0, 3}) {
        RecordingOutput out;
        ReportPrint print = Prepared(out, printPage);
        out.StartDoc();
        int drawn = 0;
        for (int page = 1; page <= 4; ++page) {
            print.SetCurPage(page);
            auto form = Form("form F\nlabel A 0 0 100 \"x\"\n");
            print.DrawFrm(out, form, 0, 0);
            EXPECT_EQ(form, nullptr) << "released also when filtered out";
            int now = static_cast<int>(out.Document().pages[0].ops.size());
            if (now > drawn) {
                EXPECT_TRUE(printPage == 0 || page == printPage) << page;
            }
            drawn = now;
        }
        EXPECT_EQ(drawn, printPage == 0 ? 4 : 1);
    }
}

TEST(DrawFrm, FontRules) {
    RecordingOutput out;
    out.SetInstalledFonts({"Small Fonts", "MT Extra"});
    RecordingOutput bare;
    struct Case {
        const char* face;
        const char* caption;
        const char* withFonts;
        const char* withoutFonts;
    };
    const Case cases[] = {
        {"ＭＳ ゴシック", "x", "ＭＳ ゴシック", "ＭＳ ゴシック"},
        {"ＭＳ Ｐ明朝", "l", "ＭＳ Ｐ明朝", "ＭＳ Ｐ明朝"},
        {"Small Fonts", "x", "Small Fonts", "ＭＳ 明朝"},
        {"Small Fonts", "l", "ＭＳ 明朝", "ＭＳ 明朝"},
        {"MT Extra", "l", "MT Extra", "ＭＳ 明朝"},
        {"ms 明朝", "x", "ＭＳ 明朝", "ＭＳ 明朝"},
    };
    for (const Case& c : cases) {
        FormLabel label;
        label.fontName = c.face;
        label.caption = c.caption;
        EXPECT_EQ(FontFor(label, out), c.withFonts) << c.face << " " << c.caption;
        EXPECT_EQ(FontFor(label, bare), c.withoutFonts) << c.face << " " << c.caption;
    }
}

// An output whose lines fail: the labels after a failing line still print.
class FailingLines : public RecordingOutput {
public:
    void DrawLine(int, int, int, int) override { throw std::runtime_error("printer"); }
};

TEST(DrawFrm, AFailingItemSkipsOnlyItself) {
    FailingLines out;
    ReportPrint print = Prepared(out);
    auto form = Form("form F\nline L 0 0 10 0\nlabel A 0 0 100 \"after\"\n");
    EXPECT_NO_THROW(print.DrawFrm(out, form, 0, 0));
    auto t = OpsOf<TextOp>(out.Document().pages.at(0));
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "after");
}

}  // namespace
}  // namespace talvo::report
