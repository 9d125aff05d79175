// The five settings tables of the design program as their dialogs show and
// write them: the display texts at load, the field descriptors, the rules
// that keep related fields in order, and the write-back with the
// recalculation flags. The dialogs (standards/windows/) call these; none of
// them touches DataChanged, since the standard tables are not part of a
// design.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "standards/fields.h"

namespace talvo::standards {

// ---- Deformed-bar table ----

// Grid columns 2 to 5: unit mass, diameter, area, perimeter.
inline constexpr int kBarNumberColumns = 4;
// The descriptor of numeric column `col` (2 to 5).
FieldSpec RebarColumnSpec(int col);
// Eight blanks before the name, as the name cells show it.
inline constexpr const char* kBarNamePad = "        ";
inline constexpr std::size_t kBarNameBytes = 3;
inline constexpr const char* kBarNameTooLong = "文字数は半角で３文字までです。";
// The load text of entry `i`: column 1 the padded name, 2 to 5 the numbers.
std::array<std::string, 5> RebarRowTexts(int i);
// A typed name: leading blanks dropped; when it is longer than three bytes in
// code page 932 the message is shown; always cut at the last whole character
// within three bytes. Returns the cell text (eight blanks and the name).
std::string CheckBarName(std::string_view typed);
// The name a cell stores: trimmed, cut within three bytes.
std::string BarNameOf(std::string_view cell);
// Completeness and write-back from the name cells and the working copy
// (12 rows of the four number texts). Returns false (message shown, nothing
// written) when a trimmed name or a number is empty. Each Commit function of
// this header checks completeness first in the same way.
bool RebarTableComplete(const std::array<std::string, 12>& nameCells,
                        const std::array<std::array<std::string, 4>, 12>& numbers);
bool CommitRebarTable(const std::array<std::string, 12>& nameCells,
                      const std::array<std::array<std::string, 4>, 12>& numbers);

// ---- Design snow depth ----

FieldSpec SnowLimitSpec(int i);  // gradient limit 0 or 1
FieldSpec SnowPercentSpec();     // the three percentages
// The load texts: the two limits, then the three percentages.
std::array<std::string, 5> SnowTexts();
// Keeps the two limits strictly increasing after limit `edited` was entered:
// when both are filled and the first is not below the second, the other one
// becomes the entered value + 0.01 (first edited) or − 0.01 (second edited),
// kept within its own range and written as the dialog shows it. Returns the
// index of the moved limit, or -1.
int OrderSnowLimits(std::array<std::string, 2>& limits, int edited);
// Writes the five texts unchanged and raises RecalcLoad and RecalcForce.
bool CommitSnowRule(const std::array<std::string, 5>& texts);

// ---- Stirrup settings ----

// Text1 to Text4: minimum spacing, maximum spacing, rounding unit, count.
FieldSpec StirrupSpec(int box);
std::array<std::string, 4> StirrupTexts();
// After the minimum (minimumEdited) or the maximum was entered: a maximum
// below the minimum takes the minimum's text, or a minimum above the maximum
// takes the maximum's text (an empty text counts as 0). Returns the index
// (0 minimum, 1 maximum) of the changed text, or -1.
int OrderStirrupSpacing(std::string& minimum, std::string& maximum, bool minimumEdited);
// The bar index of the table kept inside the deformed-bar table.
int StirrupBarIndex();
bool CommitStirrups(const std::array<std::string, 4>& texts, bool maxHalfDepth, int scFormula,
                    int barIndex);

// ---- Mmax and Smax formulas ----

FieldSpec SpanCoefficientSpec();
// Row i: Mmax numerator, denominator, Smax numerator, denominator.
std::array<std::string, 4> SpanRowTexts(int i);
bool CommitSpanCoefficients(const std::array<std::array<std::string, 4>, 5>& rows);

// ---- Main-rebar count conditions ----

FieldSpec WidthBoundSpec(int c);  // 101 + 2c to 990 + 2c
FieldSpec ConditionSpec();        // 0 to 999, an emptied cell keeps its value
// Class c: the bound as its box shows it, then the four conditions as the
// grid shows them (rock-bolt and ground-anchor box-out, spacing, cover).
std::array<std::string, 5> CountRuleTexts(int c);
// The width grid's text for the class after `c`: a blank, bound + 1, " ～ 1000".
std::string NextClassText(std::string_view bound);
// Keeps the bounds of classes 0 to 4 increasing after bound `edited` was
// entered: walking down from it, each lower bound not below its (already
// moved) upper neighbour becomes that neighbour − 2; walking up to class 4,
// each upper bound not above its (already moved) lower neighbour becomes
// that neighbour + 2. Class 5 is never moved; a moved bound stays within its
// own limits; empty bounds are passed over. Moved bounds are written as plain
// integers. Returns the moved classes.
std::vector<int> CascadeWidthBounds(std::array<std::string, 6>& bounds, int edited);
// Writes the texts trimmed; rows[c] = bound, box-outs, spacing, cover.
bool CommitRebarCountRule(const std::array<std::array<std::string, 5>, 6>& rows);

}  // namespace talvo::standards
