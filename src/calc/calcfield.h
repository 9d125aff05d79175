// Small helpers shared by the calculation procedures: reading the texts of
// the design record and storing computed values as pattern text.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo::calcfield {

// A value is present when its text is not empty ("0" is present).
inline bool Present(const std::string& text) {
    return !text.empty();
}

// Section sizes and thicknesses are entered in mm and computed in m.
inline double MmToM(const std::string& text) {
    return NumVal(text) / 1000;
}

// Lengths in half-millimetres for counts and comparisons. The inputs carry at
// most three decimals (m), and half of a section width in whole mm is still a
// whole number of half-millimetres, so sums and quotients of these are exact
// where binary doubles would put a beam lying on a boundary on the wrong side.
// Absurd magnitudes are clamped so that the integer arithmetic cannot overflow.
inline long long HalfMm(double metres) {
    constexpr double kLimit = 1e9;  // m; far beyond any frame
    if (std::isnan(metres)) return 0;
    if (metres > kLimit) metres = kLimit;
    if (metres < -kLimit) metres = -kLimit;
    return std::llround(metres * 2000);
}
inline long long HalfMm(const std::string& text) {
    return HalfMm(NumVal(text));
}

// A count held as text, as a whole number within the 16-bit range.
inline std::int16_t WholeCount(const std::string& text) {
    double v = NumVal(text);
    if (std::isnan(v)) return 0;
    v = std::round(v);
    if (v > 32767) return 32767;
    if (v < -32768) return -32768;
    return static_cast<std::int16_t>(v);
}

// Stores a computed value as the text of a pattern. A value that is not a
// finite number (overflowing inputs) is not stored: the field keeps the empty
// text it was given at the start and the caller stops.
inline bool Put(std::string& field, double value, std::string_view pattern) {
    if (!std::isfinite(value)) return false;
    field = FormatPattern(value, pattern);
    return true;
}

// The current work type as an index into the work-type arrays, or -1 when no
// valid work type is chosen.
inline int WorkTypeIndex() {
    return Design.WorkType >= 0 && Design.WorkType <= 4 ? Design.WorkType : -1;
}

// Degrees to radians with the program-wide π.
inline double Radians(double degrees) {
    return degrees * Pi / 180;
}

}  // namespace talvo::calcfield
