#include "report/pages/fill.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "report/pages/results.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

FormLabel& Need(LayoutForm& form, std::string_view name) {
    FormLabel* label = form.Label(name);
    if (!label) throw FormError(form.name + ": no label " + std::string(name));
    return *label;
}

const std::string& Caption(LayoutForm& form, std::string_view name) {
    return Need(form, name).caption;
}

void Put(LayoutForm& form, std::string_view name, std::string caption) {
    Need(form, name).caption = std::move(caption);
}

void PutNum(LayoutForm& form, std::string_view name, std::string_view text, int width) {
    Put(form, name, PadDecimal(text, width));
}

void SetColor(LayoutForm& form, std::string_view name, bool red) {
    Need(form, name).foreColor = red ? kVerdictRed : kVerdictBlack;
}

void SetColorIfPresent(LayoutForm& form, std::string_view name, bool red) {
    if (FormLabel* label = form.Label(name)) label->foreColor = red ? kVerdictRed : kVerdictBlack;
}

void PutOutLine(LayoutForm& form, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string name = "LabOut(" + std::to_string(i) + ")";
        Put(form, name, texts[i]);
        SetColor(form, name, true);
    }
}

void MoveOutLineTo(LayoutForm& form, int top) {
    const int shift = top - Need(form, "LabOut(0)").top;
    for (FormItem& item : form.items) {
        auto* label = std::get_if<FormLabel>(&item);
        if (label && label->name.starts_with("LabOut(")) label->top += shift;
    }
}

void ClearRows(LayoutForm& form, int top, int bottom, int fromLeft) {
    const auto inside = [&](int y) { return y >= top && y < bottom; };
    for (FormItem& item : form.items) {
        if (auto* label = std::get_if<FormLabel>(&item)) {
            if (inside(label->top) && label->left >= fromLeft) label->caption.clear();
        } else if (auto* line = std::get_if<FormLine>(&item)) {
            if (inside(line->y1) && inside(line->y2) && std::min(line->x1, line->x2) >= fromLeft)
                line->visible = false;
        }
    }
}

void ClearRowOf(LayoutForm& form, std::string_view name) {
    const int top = Need(form, name).top;
    ClearRows(form, top - kSuperscriptRise, top + kRowHeight);
}

void MarkOut(LayoutForm& form, std::string_view value, std::string_view verdict) {
    SetColor(form, value, true);
    Put(form, verdict, "ＯＵＴ");
    SetColor(form, verdict, true);
}

namespace {

std::string ScriptLName(int index) {
    return "Pic_l(" + std::to_string(index) + ")";
}

}  // namespace

void LoadScriptL(LayoutForm& form, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string name = ScriptLName(i);
        FormPicture* pic = form.Picture(name);
        if (!pic) throw FormError(form.name + ": no picture " + name);
        pic->picture = kScriptLPicture;
    }
}

void LoadScriptLIfPresent(LayoutForm& form, int count) {
    for (int i = 0; i < count; ++i) {
        if (FormPicture* pic = form.Picture(ScriptLName(i))) pic->picture = kScriptLPicture;
    }
}

const RebarSpec* Bar(int index) {
    if (index < 0 || index >= static_cast<int>(RebarSpecTable.size())) return nullptr;
    return &RebarSpecTable[static_cast<std::size_t>(index)];
}

const std::string& ByWorkType(const std::array<std::string, 5>& values) {
    static const std::string none;
    const int w = Design.WorkType;
    return w >= 0 && w < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(w)]
                                                         : none;
}

std::string UpToTwoDecimals(double value) {
    std::string text = FormatPattern(value, "0.00");
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace talvo::report
