// Small number helpers shared by the calculation procedures: storing a
// computed value as display text, and reading counts and lengths as whole
// units so that comparisons do not hang on binary noise.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/numtext.h"

namespace talvo::calc {

// A value that overflowed or came from an impossible root has no display
// text; it is stored empty like any other value that could not be computed.
inline std::string Fixed(double value, std::string_view pattern) {
    return std::isfinite(value) ? FormatPattern(value, pattern) : std::string();
}

// Stores a computed value; false (and the field left as it was, empty) when
// the value overflowed, so that the caller stops as for a missing input.
inline bool Store(std::string& field, double value, std::string_view pattern) {
    if (!std::isfinite(value)) return false;
    field = FormatPattern(value, pattern);
    return true;
}

inline std::string Rounded(double value, int digits, int mode) {
    return std::isfinite(value) ? RoundValue(value, digits, mode) : std::string();
}

// Rounded up (mode 1) or down to `digits` decimals, then laid out by pattern.
inline std::string RoundedFixed(double value, int digits, int mode, std::string_view pattern) {
    return std::isfinite(value) ? FormatPattern(RoundValue(value, digits, mode), pattern)
                                : std::string();
}

// Nearest whole number, halves away from zero, saturated far beyond any
// length or count a design holds so that the conversion is always defined.
inline long long Whole(double value) {
    constexpr double kLimit = 9e15;
    if (!(value > -kLimit)) return value != value ? 0 : -static_cast<long long>(kLimit);
    if (value > kLimit) return static_cast<long long>(kLimit);
    return std::llround(value);
}

// A stored length in m as whole millimetres.
inline long long WholeMm(std::string_view text) {
    return Whole(NumVal(text) * 1000.0);
}

// Nearest whole number, halves to even, saturated to the 16-bit range of the
// record's counts and the arguments of the coefficient formulas.
inline std::int16_t ToInt16(double value) {
    if (value != value) return 0;
    double r = std::nearbyint(value);
    if (r > 32767.0) return 32767;
    if (r < -32768.0) return -32768;
    return static_cast<std::int16_t>(r);
}

inline bool ValidWorkType(int workType) {
    return workType >= 0 && workType <= 4;
}

}  // namespace talvo::calc
