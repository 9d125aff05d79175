#include "report/engine/renderer.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "report/engine/headings.h"

namespace talvo::report {

namespace {

constexpr const char* kMincho = "ＭＳ 明朝";

// A line end as the output takes it: whole twips within 16 bits; a point off
// that range cannot be drawn.
std::optional<int> LineEnd(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double r = std::nearbyint(value);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(r);
}

}  // namespace

int RoundHalfEven(double value) {
    // The default floating-point rounding mode is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

PenStyle PenStyleFor(int borderStyle) {
    switch (borderStyle) {
        case 1:
            return PenStyle::Solid;
        case 3:
            return PenStyle::Dot;
        case 2:
            return PenStyle::Dash;
        case 4:
            return PenStyle::DashDot;
        case 5:
            return PenStyle::DashDotDot;
        case 0:
            return PenStyle::None;
        case 6:
            return PenStyle::InsideFrame;
        default:
            return PenStyle::Solid;
    }
}

int PenWidthFor(int borderStyle, int borderWidth) {
    return borderStyle == 1 ? 5 * borderWidth : 0;
}

std::string FontFor(const FormLabel& label, const PageOutput& out) {
    const std::string& face = label.fontName;
    if (face == "ＭＳ 明朝" || face == "ＭＳ Ｐ明朝" || face == "ＭＳ ゴシック" ||
        face == "ＭＳ Ｐゴシック")
        return face;
    if (label.caption == "l" && face != "MT Extra") return kMincho;
    return out.FontInstalled(face) ? face : kMincho;
}

void ReportPrint::DrawCorrect(const PageOutput& out) {
    ResetHeadingNumbers();
    widthRatio_ = out.PageWidth() / kDesignPageWidth;
    heightRatio_ = out.PageHeight() / kDesignPageHeight;
    // Text scales with the smaller of the two, so that it never outgrows its
    // cell; equal ratios take the width.
    charRatio_ = widthRatio_ > heightRatio_ ? heightRatio_ : widthRatio_;
    left_ = static_cast<int>(std::floor((out.MarginLeft() + kDesignLeftOffset) * widthRatio_));
    top_ = static_cast<int>(std::floor((out.MarginTop() + kDesignTopOffset) * heightRatio_));
}

void ReportPrint::DrawFrm(PageOutput& out, std::unique_ptr<LayoutForm>& form, int scLeft,
                          int scTop) const {
    std::unique_ptr<LayoutForm> owned = std::move(form);  // released on every path
    if (!owned || !PageShown()) return;
    DrawItems(out, *owned, scLeft, scTop);
}

void ReportPrint::DrawItems(PageOutput& out, const LayoutForm& form, int scLeft, int scTop) const {
    const double wr = widthRatio_, hr = heightRatio_;
    for (const FormItem& item : form.items) {
        // One item's failure (an output that throws, a line off the page)
        // must not cost the rest of the block.
        try {
            if (const auto* line = std::get_if<FormLine>(&item)) {
                if (!line->visible) continue;
                auto x1 = LineEnd(line->x1 * wr + scLeft), y1 = LineEnd(line->y1 * hr + scTop);
                auto x2 = LineEnd(line->x2 * wr + scLeft), y2 = LineEnd(line->y2 * hr + scTop);
                out.SetPenStyle(PenStyleFor(line->borderStyle));
                out.SetPenWidth(PenWidthFor(line->borderStyle, line->borderWidth));
                if (x1 && y1 && x2 && y2) out.DrawLine(*x1, *y1, *x2, *y2);
            } else if (const auto* label = std::get_if<FormLabel>(&item)) {
                // A hidden label prints, and every text starts at the label's
                // left edge whatever its alignment: the forms were laid out so.
                out.SetCurrentX(label->left * wr + scLeft);
                out.SetCurrentY(label->top * hr + scTop);
                out.SetFontSize(label->fontSize * charRatio_);
                out.SetTextColor(label->foreColor);
                out.SetFontName(FontFor(*label, out));
                out.SetFontBold(label->fontBold);
                out.SetFontItalic(label->fontItalic);
                out.SetTextAlign(TextAlign::Left);
                out.PrintText(label->enabled ? std::string_view(label->caption)
                                             : std::string_view());
            } else if (const auto* pic = std::get_if<FormPicture>(&item)) {
                if (pic->picture.empty()) continue;
                out.DrawPicture(pic->picture, pic->left * wr + scLeft, pic->top * hr + scTop,
                                pic->width * wr, pic->height * hr);
            }
        } catch (...) {
        }
    }
}

}  // namespace talvo::report
