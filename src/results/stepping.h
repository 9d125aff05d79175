// Stepping the bar arrangement of a result row by hand: one click of an
// up-down arrow over the main-bar size, the bar count, the stirrup size or
// the stirrup legs of a row, in the result grid or in the print-row grid.
#pragma once

namespace talvo {

enum class StepQuantity { BarSize, BarCount, StirrupSize, StirrupCount };
enum class StepWay { Down, Up };

// One step of `quantity` of table row `row` of result set `set`; returns true
// when the row changed (re-checked), so that the window repaints it from the
// record. The record and `ResultColor` take everything at once:
//   - the bar size steps within 0 to 11; at a bound it stays but the row is
//     re-checked all the same. Column 1 turns blue; column 2 blue while the
//     count fits across the frame with the new size, red when it does not.
//   - the bar count steps within 1 to 99 (a count of 0 only goes up); column
//     2 blue, red when the new count does not fit. At a bound nothing happens.
//   - the stirrup size (0 to 11) and legs (1 to 99) step only on a row that
//     shows stirrups; column 8 or 9 turns blue. At a bound nothing happens.
// The row is then re-checked as `chgkekkacolor` does. Stepping changes no
// recalculation flag and leaves DataChanged alone: the results table is not
// part of the design file.
bool StepResultRow(int set, int row, StepQuantity quantity, StepWay way);

}  // namespace talvo
