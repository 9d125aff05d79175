// What every page filler uses: setting captions and colours by label name,
// the script ℓ pictures, bar lookup, per-work-type values and short number
// texts.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "report/engine/layoutform.h"
#include "shell/tables.h"

namespace talvo::report {

// The label of that name; a missing label throws FormError.
FormLabel& Need(LayoutForm& form, std::string_view name);

// The caption of the label of that name; a missing label throws FormError.
const std::string& Caption(LayoutForm& form, std::string_view name);

// Sets the caption of the label of that name; a missing label throws
// FormError.
void Put(LayoutForm& form, std::string_view name, std::string caption);

// Sets the caption to `text` through PadDecimal with `width` integer places;
// a missing label throws FormError.
void PutNum(LayoutForm& form, std::string_view name, std::string_view text, int width);

// Colours the label as a verdict: red when it failed, black otherwise. A
// missing label throws FormError.
void SetColor(LayoutForm& form, std::string_view name, bool red);

// As SetColor, but a missing label is left alone.
void SetColorIfPresent(LayoutForm& form, std::string_view name, bool red);

// The red line a form keeps for a check that failed: its labels LabOut(0),
// LabOut(1), … are empty in the form; they take `texts` in order and print
// red. A missing label throws FormError.
void PutOutLine(LayoutForm& form, const std::vector<std::string>& texts);

// Raises or lowers the labels LabOut(0), LabOut(1), … together, so that
// LabOut(0) stands at `top` and the others keep their places beside it: the
// red line takes the row of a sentence it replaces. A missing LabOut(0)
// throws FormError.
void MoveOutLineTo(LayoutForm& form, int top);

// A row of a form: its labels stand from kSuperscriptRise above its top (the
// superscripts) to kRowHeight below it.
inline constexpr int kSuperscriptRise = 60;
inline constexpr int kRowHeight = 195;

// Leaves out the rows of a form from `top` down to, not including,
// `bottom`, from `fromLeft` rightwards: the captions of the labels whose top
// lies there are emptied and the lines lying there wholly are hidden.
void ClearRows(LayoutForm& form, int top, int bottom, int fromLeft = 0);

// Leaves out the row of the label of that name, its superscripts included; a
// missing label throws FormError.
void ClearRowOf(LayoutForm& form, std::string_view name);

// A value in a table cell whose check failed or could not be made: the
// value red and, in the label `verdict` after it, a red "ＯＵＴ". A missing
// label throws FormError.
void MarkOut(LayoutForm& form, std::string_view value, std::string_view verdict);

// Loads the script ℓ into Pic_l(0) … Pic_l(count - 1); a missing picture
// throws FormError.
void LoadScriptL(LayoutForm& form, int count);

// As LoadScriptL, but a missing picture is skipped.
void LoadScriptLIfPresent(LayoutForm& form, int count);

// The bar of RebarSpecTable at that index; an index outside the table (99:
// no stirrup) names no bar and gives null.
const RebarSpec* Bar(int index);

// The entry of a per-work-type array for the design's work type; a work type
// outside 0 to 4 (none chosen yet) gives the empty text, so a design without
// a work type never reads past the array.
const std::string& ByWorkType(const std::array<std::string, 5>& values);

// A number as "0.##": at most two decimals, trailing zeros and a bare point
// dropped.
std::string UpToTwoDecimals(double value);

}  // namespace talvo::report
