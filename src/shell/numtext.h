// Number text: the only code that reads or writes the numbers of a design.
//
// Every number of a design is kept as its display text. A stored text is read
// by its leading number (blanks skipped, 0 when there is none) and computed
// values are written back through a plain or pattern form, so the rounding of
// each stored intermediate is part of the result.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvo {

// A stored value is present when its text is not empty ("0" is present, and
// so is a text of blanks).
inline bool Present(const std::string& text) {
    return !text.empty();
}

// The number a text holds: leading blanks skipped, then an optional sign,
// digits with at most one point and an optional exponent (E or e, signed
// integer); reading stops at the first other character. No number reads as 0.
// A number beyond the range of a double reads as the largest double (with its
// sign), one too small as 0.
double NumVal(std::string_view text);

// The text starts with a number after its blanks: a sign may lead, and a
// digit must follow at once or after the point. A value that was never
// computed (empty, blanks, "Err") holds none, and a check that reads it as
// NumVal's 0 must not pass.
bool HoldsNumber(std::string_view text);

// Plain number text: the shortest decimal form with at most 15 significant
// digits, no trailing zeros, no point for a whole value, "0." before a value
// below 1, a leading minus when negative ("0.56", "3", "-2.5"). From 1E+15
// upwards and below 1E-15 the form is "1.5E+16" / "1.5E-16". -0 is "0"; an
// infinity or NaN, which no text can hold, is written "0".
std::string NumStr(double value);

// Pattern formatting: blanks, then "#" placeholders and a final "0",
// optionally "." and one "0" per decimal (" 0.00", "0.000", "##0"). Rounds
// halves away from zero on the 15-significant-digit decimal text of the
// value, so 2.675 with "0.00" gives "2.68". A value that rounds to zero gets
// no minus. The text form reads the text's leading number first.
std::string FormatPattern(double value, std::string_view pattern);
std::string FormatPattern(std::string_view text, std::string_view pattern);

// The text without the half-width blanks at either end. Tabs and full-width
// spaces stay: entries and stored texts are padded with half-width blanks.
std::string TrimBlanks(std::string_view text);

// What is left of `text` when the characters of `blanks` are taken off both
// ends, as a view into it.
std::string_view TrimmedView(std::string_view text, std::string_view blanks);

// Reads the byte at `at` of a UTF-8 text and moves `at` past what it read: a
// full-width digit "０"-"９" or point "．" (three bytes) reads as its
// half-width form, any other byte as itself.
char ReadHalfWidth(std::string_view text, std::size_t& at);

// The text with every full-width digit and "．" in its half-width form;
// everything else is kept.
std::string HalfWidthDigits(std::string_view text);

// Checks a typed entry: digits, one point, a leading minus; full-width digits
// and "．" are converted in place (up to a refused character, which and all
// after it stay as typed). Range (both bounds included), then decimals.
// Shows one of the fixed messages and returns false on refusal; on success the
// text is rewritten in normal form with exactly `decimals` decimals. A text of
// only "-" and/or "." reads as 0 and becomes the 0 of the pattern ("0", "0.0").
bool CheckValue(std::string& text, double min, double max, int decimals);

// What CheckValue finds wrong with a text, without a message: None for a
// text it takes (rewritten as CheckValue rewrites it), else the first fault.
enum class ValueFault { None, Characters, Range, Precision };
ValueFault CheckValueQuiet(std::string& text, double min, double max, int decimals);

// Rounds to `digits` decimals: mode 1 up toward +infinity, any other mode down
// toward -infinity. The value is scaled in decimal, so a value already on the
// grid stays where it is. Result in plain number text.
std::string RoundValue(double value, int digits, int mode);
std::string RoundValue(std::string_view text, int digits, int mode);

// Right-aligned fixed-width number text: intDigits integer places and exactly
// decDigits decimals; a negative value is one blank and two decimals. An empty
// text gives an empty result.
std::string FormatNum(std::string_view text, int intDigits, int decDigits);

// Pads a number text with leading blanks so that the part before its last
// point (or the whole text) is `width` characters long.
std::string PadDecimal(std::string_view text, int width);
std::string PadDecimal(double value, int width);

}  // namespace talvo
