// The settings reader's line-up worked out over the full table of line pairs,
// every layout line against every file line: slow, but with nothing left out,
// so that the reader's band of pairs can be held against it.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "shell/settingslineup.h"

namespace talvo {

// As settings_detail::LineUpShapes: for each layout line, the index of the
// file line read as it, or -1.
std::array<int, settings_detail::kBodyLines> FullTableLineUp(
    const std::vector<std::string_view>& fileShapes);

}  // namespace talvo
