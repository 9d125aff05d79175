// How the rules of the input steps read a stored text, beyond NumVal and
// Present (shell/numtext.h).
#pragma once

#include <string>

namespace talvo {

// A text holding more than blanks. The frame-layout and wedge rules take a
// text of blanks (only a damaged file holds one) as not entered, where
// Present would take it as entered.
bool NotBlank(const std::string& text);

// A length in metres as a whole number of thousandths (millimetres), halves
// away from zero. The input lengths carry three decimals; comparing them so
// keeps 0.1 + 0.2 equal to 0.3. A damaged file may hold any number: the
// count is kept inside ±1E+15.
long long Thousandths(const std::string& metres);

}  // namespace talvo
