// Heading numbers and the small number texts of the report.
#pragma once

#include <string>
#include <string_view>

namespace talvo::report {

// The counters of the headings issued in the current build. The page set-up
// resets both, so every build (preview, each print) numbers from chapter 1.
int ChapterNo();
int SectionNo();
void ResetHeadingNumbers();

// "１ title": the next chapter number in full-width digits, a half-width space
// and the title. Restarts the section count.
std::string ChapterTitle(std::string_view title);
// "１.２ title": chapter and next section number in full-width digits, joined
// by a half-width point. Before any chapter the chapter number is ０.
std::string SectionTitle(std::string_view title);

// The decimal digits of n in their full-width forms ("１２"); a negative
// number gets a full-width minus.
std::string ZenkakuNum(int n);

// A number right-aligned on its point: rounded to `decimals` places (a half to
// the even neighbour), padded in front so that the integer part is `width`
// characters, the minus sign just before the digits or, for a short number,
// `signCol` + 1 places left of the point. `emptyValue` gives the empty text;
// 0 decimals writes no point.
std::string NumToFixStr(double value, double emptyValue, int signCol, int width, int decimals);

// Centres a text in n half-width columns, counting every character as two
// columns, by putting half-width spaces in front.
std::string CenterStr(std::string_view text, int n);

}  // namespace talvo::report
