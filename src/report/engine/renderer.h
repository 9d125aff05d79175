// The renderer: the page set-up that scales the layout forms' design twips to
// the paper, and the drawing of one filled form onto the current page.
#pragma once

#include <memory>

#include "report/engine/layoutform.h"
#include "report/engine/pageoutput.h"

namespace talvo::report {

// The design page that the forms were laid out on, in twips.
inline constexpr double kDesignPageWidth = 9739.2;
inline constexpr double kDesignPageHeight = 13992;
// Where the first block of a page starts, in design twips. On paper with the
// output's margins 0 these offsets are the report's margins.
inline constexpr double kDesignLeftOffset = 620;
inline constexpr double kDesignTopOffset = 420;

inline constexpr double kRatioUnset = -1E+308;
inline constexpr int kPageUnset = -32768;

// Nearest whole number, a half going to the even neighbour.
int RoundHalfEven(double value);

// The page procedures' view of the pen styles of the forms: a form numbers its
// line styles 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot,
// 5 dash-dot-dot, 6 inside solid; anything else draws solid.
PenStyle PenStyleFor(int borderStyle);
// Solid lines are as thick as the form asks (5 twips per unit); the others
// are drawn with the thinnest pen, as a pattern on a thick pen would blur.
int PenWidthFor(int borderStyle, int borderWidth);

// The font rules of a label: the four report faces go through unchanged; a
// lone "l" (the script ℓ of the "MT Extra" face) prints in "ＭＳ 明朝"
// unless it asks for that face; any other face prints where the system has
// it, else in "ＭＳ 明朝".
std::string FontFor(const FormLabel& label, const PageOutput& out);

// The scales, the page counters and the page origin of one report build.
class ReportPrint {
public:
    double CharRatio() const { return charRatio_; }
    double WidthRatio() const { return widthRatio_; }
    double HeightRatio() const { return heightRatio_; }
    int CurPage() const { return curPage_; }
    int PrintPage() const { return printPage_; }
    int Left() const { return left_; }
    int Top() const { return top_; }

    void SetCurPage(int page) { curPage_ = page; }
    // The page to output: 0 every page, n only page n.
    void SetPrintPage(int page) { printPage_ = page; }

    // The page set-up at the start of every build: the scales from the paper,
    // the page origin from the margins, and the heading counters back to 0.
    void DrawCorrect(const PageOutput& out);

    // Where a lower block of a page starts: its design top scaled across, as
    // the page layouts were measured (WidthRatio, without the page's Top).
    int BlockTop(int designTop) const { return RoundHalfEven(widthRatio_ * designTop); }

    // Whether a block drawn now reaches the output (the page filter).
    bool PageShown() const { return printPage_ == 0 || printPage_ == curPage_; }

    // Draws the form with its top-left at (scLeft, scTop) page twips and
    // releases it, drawn or filtered out: the next use loads it afresh. A
    // fault in one item skips that item only.
    void DrawFrm(PageOutput& out, std::unique_ptr<LayoutForm>& form, int scLeft, int scTop) const;

private:
    void DrawItems(PageOutput& out, const LayoutForm& form, int scLeft, int scTop) const;

    double charRatio_ = kRatioUnset;
    double widthRatio_ = kRatioUnset;
    double heightRatio_ = kRatioUnset;
    int curPage_ = kPageUnset;
    int printPage_ = kPageUnset;
    int left_ = kPageUnset;
    int top_ = kPageUnset;
};

}  // namespace talvo::report
