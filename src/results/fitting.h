// Main-bar fitting and the colours of a result row.
//
// The colours go straight into `ResultColor` (red ColorOut for a value over
// its limit, 0 for a plain or passing one) for the set of the row, shown or
// not; a window paints them from there. Every comparison lets a tie pass, and
// the allowable stresses are compared as the window shows them (σsa whole,
// σca and τoa with one decimal, τca with two).
#pragma once

#include <string>

namespace talvo {

// The adopted stirrup spacing of a row fails: "Err" (the bars and stirrups
// do not fit the section) or a spacing below the minimum of the stirrup
// settings. A row without stirrups (no spacing) has none to fail. The grid's
// red and the stirrup page's red line both follow it.
bool AdoptedSpacingOut(const std::string& pitch);

// Fits the row anew: from 0 bars of the row's bar size it adds one bar at a
// time and checks the section (SikiKekka) until As, σs, σc and τo all pass
// or no more bars fit across the frame; τc over τca is answered by stirrups,
// never by bars. Columns 1 to 11 of the row are reset first (a stepped blue
// mark goes), then column 2 is red when no bar of the size fits, and columns
// 3 to 7, 10 and 11 take their verdicts. A size that does not fit runs no
// check: the row keeps count "0" and every result of it is emptied.
void Sikikekkacolor(int set, int row);

// Re-checks a row with its bar count as it stands (after the engineer
// stepped it): As from the bar size and count, the section check, and the
// verdicts of columns 3 to 7, 10 and 11; columns 1, 2, 8 and 9 keep their
// colours. Used for the rows of the result grid and for the print row alike.
void chgkekkacolor(int set, int row);

// The verdicts of columns 3 to 7, 10 and 11 of a row from the texts it holds
// and the cap of the stirrup spacing the last check left.
void ColourCheckedCells(int set, int row);

}  // namespace talvo
