// How the settings reader lines the lines of a file up with the lines it
// writes, open to the tests that hold it against a full table of line pairs.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace talvo::settings_detail {

// The lines that follow the signature line (lines 2 to 148).
inline constexpr int kBodyLines = 147;

// The kinds of a line's items in order, e.g. "QBBBB": 'Q' a text between
// double quotes, 'B' a bare item, 'X' an item that is neither.
std::string LineShape(std::string_view line);

// The shapes of the lines the writer writes after the signature line.
const std::vector<std::string>& LayoutShapes();

// For each of those lines, the index of the file line (the signature line
// left out) that is read as it, or -1 when none is.
std::array<int, kBodyLines> LineUpShapes(const std::vector<std::string_view>& fileShapes);

}  // namespace talvo::settings_detail
