// The reinforced-concrete check of one result row: a singly reinforced
// rectangular section by allowable stresses with the modular ratio n = 15.
//
// From the design moment and shear of the row's frame, the frame's section
// and the row's main bars (bar size, count and the area As the caller has
// set) it stores p, k, j, m, σs, σc, τc, Sc, Ss and τo, whether the row
// needs stirrups (`StirrupNeeded`) and, when it does, the stirrup size and
// legs, the required and adopted stirrup spacing and whether bars and
// stirrups fit the section. Each value is stored as text and read back, so
// the later formulas use the rounded values. It colours nothing and decides
// no verdict: that is the fitting's part (results/fitting.h).
#pragma once

#include <cstdint>

namespace talvo {

// Checks table row `row` (0 to 11) of result set `set` (0 vertical frame,
// rows 0 to 5; 1 horizontal frame, rows 6 to 11); any other pair does
// nothing.
//
// A check that cannot go on (b·d = 0, As = 0 or p stored as "0.0000", no bar
// perimeter, j = 0, no shear left to the stirrups, or a value that is no
// number) stops there: what it stored before stays, and every field it
// would have written afterwards is emptied (stirrup bar 99 and
// `StirrupNeeded` false unless the stop comes after the stirrups were
// chosen), so no value of an earlier check is left beside the new ones.
void SikiKekka(int set, int row);

// Empties everything a check of the row writes, as for a row that cannot be
// checked at all: p, k, j, m, the stresses, Sc, Ss and the stirrups (stirrup
// bar 99, `StirrupNeeded` false).
void EmptyCheckResults(int set, int row);

// The cap of the stirrup spacing for the effective depth d (mm): half the
// depth (whole mm) when the settings limit it and it is below the maximum
// spacing, else the maximum spacing.
std::int16_t StirrupSpacingCapOf(double depth);

// The adopted stirrup spacing of a required one (whole mm): at most `cap`,
// rounded down to the spacing step when above the step.
double AdoptedStirrupSpacing(double required, double cap);

}  // namespace talvo
