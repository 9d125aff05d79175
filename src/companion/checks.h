// The companion's number text, its entry checks and the clearing of results.
#pragma once

#include <cstdint>
#include <string>

namespace talvo::companion {

// A number text right-aligned in `places` integer places with exactly
// `decimals` decimals; the blanks are chosen from the unrounded value and a
// longer integer part is shown whole. Empty gives empty; a text that is not a
// number shows as 0.
std::string FormatKeta(const std::string& text, int places, int decimals);

// Empties the results of pattern 0, pattern 1 or (2) both, for both shapes,
// in the record and in the results grid.
void ClearKekka(int which);

// Check of a grid cell: 0 accepted (also empty), 1 not numeric, 2 out of
// range, 3 too many integer digits (before a point) or decimals.
std::int16_t CellCheck(const std::string& text, double minimum, double maximum, int places,
                       int decimals);

// Check of a numeric entry. Full-width digits and "．" become half-width in
// `text`. Mode 1 is silent and gives false for an empty text; mode 0 shows the
// message of a refusal, accepts an empty text and rewrites an accepted text
// in the format "0" or "0.00…".
bool ValueCheck(int mode, std::string& text, double minimum, double maximum, int decimals);

// Whether the study can be calculated; sets PatUsable of both patterns.
bool DataCheck();

// Whether the main bars of pattern p fit its frame section.
bool TekkinCheck(int p);

}  // namespace talvo::companion
