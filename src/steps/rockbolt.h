// The rules of the two rock-bolt steps (work type 3): the bolt bar chosen by
// stepping through the deformed-bar table, its nominal area and diameter as
// the steps show them, the verdict of a bolt stress against its allowable
// value, and the check of the anchorage length against the two required
// bond lengths.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// ---- The bolt bar ----

// The bar one row up (+1) or down (-1) the deformed-bar table from `index`;
// at either end of the table, and for an index outside it, the index stays.
std::int16_t StepBarIndex(std::int16_t index, int step);

// What the bar box shows of row `index`: three blanks and the bar's name;
// empty for an index outside the table.
std::string BarBoxText(std::int16_t index);

// The nominal area of row `index` in mm² (the table holds cm²), written with
// more decimals the smaller it is, so that a small bar still shows four
// significant digits: "506.7", "71.33", "7.133", "0.7133". Empty for an index
// outside the table.
std::string BarAreaText(std::int16_t index);

// The nominal diameter of row `index` in mm as plain number text ("25.4");
// empty for an index outside the table.
std::string BarDiameterText(std::int16_t index);

// ---- Verdicts ----

// A bolt stress against its allowable value, both as stored: "" while
// either is empty, "out" when the stress is greater, "ok" otherwise (a tie
// passes).
std::string StressVerdict(const std::string& stress, const std::string& allowable);
inline constexpr const char* kVerdictOk = "ok";
inline constexpr const char* kVerdictOut = "out";

// The anchorage length La against the required bond lengths raised to the
// next 0.1 m: short (true) when La is entered and is less than either, or
// when either required length is missing, so that a length is never passed
// unchecked. An empty La is not judged.
bool AnchorageLengthShort(const std::string& la, const std::string& la1Up,
                          const std::string& la2Up);
// The same in the step, where the design load Pt may not exist yet: without
// it there are no bond lengths to hold La against, and La is not judged.
bool AnchorageLengthShort(const std::string& la, const std::string& la1Up, const std::string& la2Up,
                          const std::string& pt);

}  // namespace talvo
