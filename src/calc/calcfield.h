// Small helpers shared by the calculation procedures: reading the texts of
// the design record, reading counts and lengths as whole units so that
// comparisons do not hang on binary noise, and storing computed values as
// pattern text.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo::calcfield {

// ---- Reading the record ----

using talvo::Present;

// Section sizes and thicknesses are entered in mm and computed in m.
inline double MmToM(const std::string& text) {
    return NumVal(text) / 1000;
}

inline bool ValidWorkType(int workType) {
    return workType >= 0 && workType <= 4;
}

// The current work type as an index into the work-type arrays, or -1 when no
// valid work type is chosen.
inline int WorkTypeIndex() {
    return ValidWorkType(Design.WorkType) ? Design.WorkType : -1;
}

// The element of a per-work-type array of the record for the current work
// type; null for a work type outside the arrays.
template <class T>
T* OfWorkType(std::array<T, 5>& field) {
    const int i = WorkTypeIndex();
    return i < 0 ? nullptr : &field[static_cast<std::size_t>(i)];
}

// ---- Whole units ----

// Nearest whole number, halves away from zero, with `value` first clamped to
// ±`limit` so that the conversion is always defined; not-a-number gives 0.
inline long long SaturatedRound(double value, double limit) {
    if (std::isnan(value)) return 0;
    if (value > limit) value = limit;
    if (value < -limit) value = -limit;
    return std::llround(value);
}

// Nearest whole number, halves away from zero, saturated far beyond any
// length or count a design holds.
inline long long Whole(double value) {
    return SaturatedRound(value, 9e15);
}

// A stored length in m as whole millimetres (halves away from zero).
inline long long WholeMm(std::string_view text) {
    return Whole(NumVal(text) * 1000.0);
}

// Lengths in half-millimetres for counts and comparisons. The inputs carry at
// most three decimals (m), and half of a section width in whole mm is still a
// whole number of half-millimetres, so sums and quotients of these are exact
// where binary doubles would put a beam lying on a boundary on the wrong side.
// Lengths beyond 1e9 m (far beyond any frame) are clamped there so that the
// integer arithmetic on them cannot overflow.
inline long long HalfMm(double metres) {
    return SaturatedRound(metres * 2000, 1e9 * 2000);
}
inline long long HalfMm(const std::string& text) {
    return HalfMm(NumVal(text));
}

// An already rounded value saturated to the 16-bit range of the record's
// counts; not-a-number gives 0.
inline std::int16_t SaturatedInt16(double rounded) {
    if (std::isnan(rounded)) return 0;
    if (rounded > 32767) return 32767;
    if (rounded < -32768) return -32768;
    return static_cast<std::int16_t>(rounded);
}

// A count held as text, as a whole number (halves away from zero) within the
// 16-bit range.
inline std::int16_t WholeCount(const std::string& text) {
    return SaturatedInt16(std::round(NumVal(text)));
}

// Nearest whole number, halves to even, within the 16-bit range, as the
// arguments of the coefficient formulas take it.
inline std::int16_t Int16HalvesEven(double value) {
    return SaturatedInt16(std::nearbyint(value));
}

// ---- Design values ----

// The design value of a beam from its span part and its overhang part: the
// larger magnitude, the overhang on a tie; an empty part counts as 0, so a
// single part that reads 0 still gives a design value of 0. False when both
// parts are empty (nothing was computed).
inline bool Governing(const std::string& span, const std::string& overhang, double& magnitude) {
    if (!Present(span) && !Present(overhang)) return false;
    const double s = std::fabs(NumVal(span));
    const double o = std::fabs(NumVal(overhang));
    magnitude = o >= s ? o : s;
    return true;
}

// ---- Storing results ----

// Stores a computed value as the text of a pattern. A value that is not a
// finite number (overflowing inputs, an impossible root) is not stored: the
// field keeps the empty text it was given at the start and the caller stops
// as for a missing input.
inline bool Store(std::string& field, double value, std::string_view pattern) {
    if (!std::isfinite(value)) return false;
    field = FormatPattern(value, pattern);
    return true;
}

// A computed value as pattern text; a value that is not finite has no
// display text and comes out empty like any value that could not be computed.
inline std::string Fixed(double value, std::string_view pattern) {
    return std::isfinite(value) ? FormatPattern(value, pattern) : std::string();
}

// Rounded up (mode 1) or down to `digits` decimals, then laid out by pattern.
inline std::string RoundedFixed(double value, int digits, int mode, std::string_view pattern) {
    return std::isfinite(value) ? FormatPattern(RoundValue(value, digits, mode), pattern)
                                : std::string();
}

}  // namespace talvo::calcfield
