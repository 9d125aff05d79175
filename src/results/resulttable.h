// The results table as the results window and the report see it: the two
// result sets, the texts of a row in the columns of the result grids with
// their colours, and the values shown under the grid.
//
// Set 0 is the vertical frame (縦枠, table rows 0 to 5), set 1 the horizontal
// frame (横枠, rows 6 to 11). Row r of the table is grid row r − 6·set + 1 of
// its set. The record (`Design`, `ResultColor`, `StirrupNeeded`) is the one
// truth: the procedures of this folder write the texts and the colours of
// both sets whether a set is shown or not, and a window only paints them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/design.h"

namespace talvo {

inline constexpr int kRowsPerSet = 6;
inline constexpr int kResultColumns = 11;

// The columns of both result grids, 1 to 11; element (set, column − 1,
// grid row − 1) of `ResultColor` is the text colour of a cell.
enum ResultColumn : int {
    ColBar = 1,       // main-bar size (鉄筋)
    ColBarCount,      // number of main bars (本数)
    ColAs,            // provided area As
    ColSigmaS,        // rebar tensile stress σs
    ColSigmaC,        // concrete compressive stress σc
    ColTauC,          // concrete shear stress τc
    ColTauO,          // bond stress τo
    ColStirrupBar,    // stirrup size
    ColStirrupCount,  // stirrup legs
    ColPitch,         // adopted stirrup spacing
    ColPitchReq,      // required stirrup spacing, between brackets; "―" without stirrups
};

// The stirrup bar of a row without stirrups.
inline constexpr int kNoStirrup = 99;

// What the required-spacing cell shows for a row without stirrups, in black:
// no spacing is required, as the report's stirrup columns say.
inline constexpr const char* kNoSpacingRequired = "―";

// Blue marks a value the engineer stepped by hand; red (ColorOut) a value
// over its limit; 0 is plain black.
inline constexpr std::int32_t ColorStepped = ColorOk;

// Set 0 or 1 and a table row of that set.
bool ValidResultRow(int set, int row);

// The colour of a cell of table row `row` of `set` (column 1 to 11).
std::int32_t& CellColor(int set, int column, int row);

// One result set only: work type 2 (horizontal frame only) or one section for
// both frames. Only set 1 is then shown, computed by the rebuild and printed.
bool SingleSetMode();

// The caption of the one tab shown in single-set mode.
std::string SingleSetCaption();

// The design moment and shear (texts as the calculations stored them) that a
// set is checked with, and its required main-bar area (mm²).
const std::string& SetMmax(int set);
const std::string& SetSmax(int set);
double SetRequiredAs(int set);

// One cell of a result grid: its text and its text colour.
struct ResultCell {
    std::string text;
    std::int32_t color = 0;
};
using ResultRowCells = std::array<ResultCell, kResultColumns>;

// The eleven cells of a table row as both result grids show it (index
// column − 1). An invalid row gives empty cells.
ResultRowCells KekkaRowCells(int set, int row);

// What the grids under the result grid show for a set: the design moment and
// shear ("" when not computed), the required area, and the allowable σsa,
// σca, τca and τoa, which the colour rules compare with.
struct ResultDisplays {
    std::string mmax, smax, requiredAs;
    std::array<std::string, 4> allowables;
};
ResultDisplays ResultDisplaysOf(int set);

// A row without bars, or checked without a design moment or shear, shows
// no results: its area, stresses and stirrups are emptied (stirrup bar 99).
// The ratios p, k, j, m and the shear parts Sc and Ss stay as they are.
void EmptyRowResults(int set, int row);

}  // namespace talvo
