// Small helpers shared by the procedures of the results folder; not for the
// windows.
#pragma once

#include <cstdint>
#include <string>

#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::results_detail {

// Position 0 to 5 of a table row within its set.
inline int GridRow(int set, int row) {
    return row - 6 * set;
}

// A bar size of the table; an index outside it (the stirrup marker 99 or a
// damaged value) is a bar of no size, so no check divides by what it lacks.
inline const RebarSpec& Spec(int index) {
    static const RebarSpec kNoBar{};
    if (index < 0 || index >= static_cast<int>(RebarSpecTable.size())) return kNoBar;
    return RebarSpecTable[static_cast<std::size_t>(index)];
}

inline std::string BarName(int index) {
    return Spec(index).Name;
}

// A text with nothing but blanks holds no value.
inline bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// A computed length as the decimal number it stands for: the binary noise
// beyond 15 significant digits is dropped, so sums of table diameters that
// reach a width exactly compare equal to it.
inline double Exact(double value) {
    return NumVal(NumStr(value));
}

}  // namespace talvo::results_detail
