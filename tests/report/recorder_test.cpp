#include "report/engine/recorder.h"

#include <gtest/gtest.h>

namespace talvo::report {
namespace {

TEST(Recorder, PagesHoldTheirOperationsInOrder) {
    RecordingOutput out;
    out.StartDoc();
    out.SetPenWidth(10);
    out.DrawLine(1, 2, 3, 4);
    out.SetCurrentX(100.5);
    out.SetCurrentY(200.25);
    out.SetFontName("ＭＳ ゴシック");
    out.SetFontSize(7);
    out.SetFontUnderline(true);
    out.SetTextColor(255);
    out.PrintText("ＯＵＴ");
    out.NewPage();
    out.SetPenStyle(PenStyle::Dot);
    out.DrawRectangle(0, 0, 50, 60);
    out.DrawPicture("L-prn.bmp", 1, 2, 3, 4);
    out.EndDoc();

    const RecordedDocument& doc = out.Document();
    EXPECT_TRUE(doc.ended);
    EXPECT_EQ(out.PageCount(), 2);
    ASSERT_EQ(doc.pages[0].ops.size(), 2u);
    const auto& line = std::get<LineOp>(doc.pages[0].ops[0]);
    EXPECT_EQ(line.pen, (PenSpec{PenStyle::Solid, 10, 0}));
    const auto& text = std::get<TextOp>(doc.pages[0].ops[1]);
    EXPECT_EQ(text.x, 100.5);
    EXPECT_EQ(text.y, 200.25);
    EXPECT_EQ(text.text, "ＯＵＴ");
    EXPECT_EQ(text.font, (FontSpec{"ＭＳ ゴシック", 7, false, false, true}));
    EXPECT_EQ(text.color, 255u);
    ASSERT_EQ(doc.pages[1].ops.size(), 2u);
    EXPECT_EQ(std::get<RectOp>(doc.pages[1].ops[0]).pen.style, PenStyle::Dot);
    EXPECT_EQ(std::get<RectOp>(doc.pages[1].ops[0]).pen.width, 10);  // the pen carries over pages
    EXPECT_EQ(std::get<PictureOp>(doc.pages[1].ops[1]).name, "L-prn.bmp");
}

TEST(Recorder, EveryBuildStartsAfreshAndDrawingOpensAPage) {
    RecordingOutput out;
    out.DrawLine(0, 0, 1, 1);  // before StartDoc: page 1 opens
    EXPECT_EQ(out.PageCount(), 1);
    out.StartDoc();
    EXPECT_EQ(out.PageCount(), 1);
    EXPECT_TRUE(out.Document().pages[0].ops.empty());
    EXPECT_FALSE(out.Document().ended);
    out.NewPage();
    out.NewPage();
    EXPECT_EQ(out.PageCount(), 3);

    RecordedDocument taken = out.TakeDocument();
    EXPECT_EQ(taken.pages.size(), 3u);
    EXPECT_EQ(out.PageCount(), 0);
    EXPECT_EQ(out.PageWidth(), kA4WidthTwips);
}

TEST(Recorder, SystemColoursPrintBlack) {
    EXPECT_EQ(ResolveColor(kWindowTextColor), 0u);
    EXPECT_EQ(ResolveColor(0x8000000Fu), 0u);
    EXPECT_EQ(ResolveColor(255), 255u);
    EXPECT_EQ(ResolveColor(0x01FF0000u), 0xFF0000u);
}

TEST(Recorder, InstalledOutputAndItsDefault) {
    PageOutput& fallback = CurrentPageOutput();
    EXPECT_EQ(fallback.PageWidth(), kA4WidthTwips);
    fallback.PrintText("nothing happens");
    RecordingOutput out;
    EXPECT_EQ(SetPageOutput(&out), nullptr);
    EXPECT_EQ(&CurrentPageOutput(), &out);
    EXPECT_EQ(SetPageOutput(nullptr), &out);
    EXPECT_EQ(&CurrentPageOutput(), &fallback);
}

}  // namespace
}  // namespace talvo::report
