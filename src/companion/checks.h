// The companion's number text, its entry checks, the rules its windows mark
// and the clearing of results: what the windows show and ask is decided here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/message.h"

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

// ---- Cells of the results window ----

// What leaving a cell leaves behind.
struct CellLeft {
    bool accepted = false;
    MessageRequest message;  // the range message, shown when refused
    std::string shown;       // the cell's text: its stored value, formatted
};

// A value of pattern p's column (rows 1-7 and 9 of the pattern grid) as its
// cell shows it.
std::string FrameCellShown(int p, int row);
// Leaving that cell with `typed` in it: CellCheck in the row's range; an
// accepted text is stored as typed (blanks only empty it). In rows 5, 6, 7
// and 9 a stored value with decimals that the cell's format drops becomes
// the shown text. A value that changed clears the pattern's results.
CellLeft LeaveFrameCell(int p, int row, const std::string& typed);

// A failure depth as its cell shows it and the search uses it: one decimal
// at least, and every decimal the entry holds.
std::string DepthShown(const std::string& stored);
// Leaving the cell of depth i (0-3): as a frame cell, a changed depth
// clearing the results of both patterns.
CellLeft LeaveDepthCell(int i, const std::string& typed);

// ---- Section rules of the pattern grid ----

// One rule between the section values of a pattern, as the results window
// marks it in the pattern's column: the rows it colours, red while the rule
// is broken and black otherwise, and the message that says so.
struct SectionMark {
    std::vector<int> rows;  // rows of the pattern grid, in the order they are coloured
    bool inError = false;
    MessageRequest message;  // shown before the colouring when in error
};

// The main bars of pattern p do not fit its section (row 9).
SectionMark BarFitMark(int p);
// The effective height is not below the frame height (rows 6 and 5).
SectionMark EffectiveHeightMark(int p);
// The infill is thicker than the frame height (row 7).
SectionMark InfillThicknessMark(int p);

// The rules that leaving row `row` of pattern p's column runs, in their
// order: rows 4 and 9 the bar fit (row 9 only with `barCellsFilled`, the
// width and count cells both showing a value), rows 5 and 6 the effective
// height, rows 5 and 7 the infill thickness.
std::vector<SectionMark> MarksAfterEntry(int p, int row, bool barCellsFilled);

// ---- The standard frame spans ----

// A row of the standard frame-span table as the dialog assigns it: its
// section and spans as texts (trimmed), and its main bars.
struct StandardRow {
    std::string width, height, effHeight, spanYoko, spanTate;
    int barIndex = 0;  // into RebarSpecTable
    std::string barCount;
};
// Pattern p takes the row; with `sameInfill` its infill thickness takes the
// frame height. When any of these differs from the pattern's own, the
// pattern's results are cleared first; true then.
bool AssignStandardRow(int p, const StandardRow& row, bool sameInfill);
// The infill row of pattern p after an assignment: black when the thickness
// took the frame height, else red while it is greater than the frame height.
SectionMark InfillAfterAssignment(int p, bool sameInfill);
// Whether pattern p holds the row's section and spans (as numbers, none of
// them empty): the dialog opens on such a row.
bool PatternHoldsRow(int p, const StandardRow& row);

// ---- The reference dialogs of the conditions ----

// The row (1 to 5) of standard `standard` whose σca and σsa are the given
// ones (as numbers), 0 when none or when either is empty.
int StressRowOf(int standard, const std::string& sigmaCa, const std::string& sigmaSa);
// The standard whose rows hold σca and σsa: `preferred` when it holds them,
// else the first that does, else `preferred`.
int StressStandardOf(int preferred, const std::string& sigmaCa, const std::string& sigmaSa);
// The row (1 to 5) of unit-weight group `group` whose weight is `weight` (as
// numbers), 0 when none or when it is empty.
int WeightRowOf(int group, const std::string& weight);

// ---- The conditions dialog ----

// Its entries, in the order of its boxes.
enum ConditionEntry {
    EntryRatio,
    EntryAngle,
    EntrySafety,
    EntryDistance,
    EntryFrame,
    EntryPack,
    EntryMass,
    EntryConcrete,
    EntryIron,
    kConditionEntries
};

// An entry's value as its box shows it.
std::string ConditionShown(int entry, const std::string& value);
// The committed and the pending field of an entry.
std::string& ConditionCommitted(int entry);
std::string& ConditionPending(int entry);

// Opening: every pending field, the two switches included, takes its
// committed value.
void OpenConditions();

// What leaving a box leaves behind.
struct ConditionLeft {
    bool accepted = false;
    std::string shown;    // the box's text: its pending value, formatted
    int otherEntry = -1;  // the other slope box, when the gradient was converted
    std::string otherShown;
};
// Leaving a box with `typed` in it: ValueCheck (with its messages) in the
// entry's range; an accepted text becomes the pending value, and a slope
// entry converts the gradient into the other slope field. A refused text
// leaves the pending value as it was.
ConditionLeft LeaveCondition(int entry, const std::string& typed);

// OK: commits every pending field; when any of them differs from what it
// replaces, the results of both patterns are cleared first. True then.
bool CommitConditions();

}  // namespace talvo::companion
