// The catalogues of reference values (design strengths, steel stresses,
// pull-out safety factors, plate bending stresses, unit weights) as their
// dialogs show, check, store and pick them, without a display.
//
// A catalogue row is a list of texts, name first; the tables keep them as
// texts. Edits of a catalogue never touch DataChanged: the catalogues belong
// to the program and reach the settings file at exit, not the design file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "standards/fields.h"

namespace talvo::standards {

// One catalogue shown in a grid of five rows.
enum class CatalogueKind { Steel, PullOut, Plate, UnitWeight };

inline constexpr int kCatalogueRows = 5;

// The name column's byte limit (code page 932) and its message.
struct NameRule {
    std::size_t maxBytes = 0;
    std::string message;
};

// A catalogue in its dialog: the name rule of column 1 and the descriptor of
// every value column (column 2 on).
struct CatalogueLayout {
    NameRule name;
    std::vector<FieldSpec> values;
    int Columns() const { return 1 + static_cast<int>(values.size()); }
};

CatalogueLayout LayoutOf(CatalogueKind kind);

// The group of the pull-out catalogue that a design of `workType` uses:
// 0 rock bolts (work type 3), 1 ground anchors (work type 4 and any other).
int PullOutGroup(int workType);
// The unit-weight group kept within 0 to 3.
int WeightGroup(int group);

// The committed rows of a catalogue (texts as stored; name first). `group`
// selects the pull-out or unit-weight group, and is ignored otherwise.
using CatalogueRows = std::array<std::vector<std::string>, kCatalogueRows>;
CatalogueRows ReadCatalogue(CatalogueKind kind, int group);
// Stores every row's texts exactly as given (the edit commit).
void StoreCatalogue(CatalogueKind kind, int group, const CatalogueRows& rows);

// The cell texts of a committed row: the name as stored, each value in its
// column's layout (an empty value stays empty).
std::vector<std::string> RowCells(const CatalogueLayout& layout,
                                  const std::vector<std::string>& row);

// A name leaving its cell or box: blanks at both ends dropped; a name longer
// than the limit shows the rule's message (exclamation) and is cut at the
// last whole character within the limit, so that no half of a double-byte
// character is ever stored. Returns the name to show.
std::string CheckName(std::string_view typed, const NameRule& rule);

// A value leaving its cell: the trimmed text through CheckValue. Returns the
// cell's new text: the formatted value when it passed, empty when it was
// emptied, and `restore` (a stored text, put into the column's layout) after
// a refusal, whose message has been shown (`refused`, when given, tells).
std::string CheckCatalogueValue(std::string_view typed, const FieldSpec& spec,
                                std::string_view restore, bool* refused = nullptr);

// The edit commit's one refusal: a row whose name was emptied while it still
// holds a value. `before` are the committed names, `after` the grid's rows.
// Returns the first such row (0 to 4) or -1. A row emptied whole, or a name
// that was already empty in the catalogue, is no refusal.
int FirstEmptiedName(const CatalogueRows& before, const CatalogueRows& after);
// Shows kIncompleteMessage for an emptied name; true when the commit may go on.
bool WarnIfNameEmptied(const CatalogueRows& before, const CatalogueRows& after);

// ---- The step that opened a catalogue ----

// What the step that opened a catalogue takes from a picked row, and what it
// holds now: the grid columns of the values a pick writes, with the design's
// text of each, and the name column a pick writes too (0 for none).
struct ValuesInUse {
    std::vector<int> columns;
    std::vector<std::string> current;
    int nameColumn = 0;
    std::string currentName;
};

// The values in use of a row catalogue opened in a design of `workType`:
// the steel stresses of the rock-bolt step (work type 3 or more: τsa and
// σsa) or of the main anchor bar (τsa); the pull-out safety factor of the
// group; the plate's bending stress; the unit weight and name of the group.
ValuesInUse ValuesInUseOf(CatalogueKind kind, int group, int workType);
// The design's five allowable stresses (columns 1 to 5 of the standards).
ValuesInUse StressValuesInUse();

// The message of a pick of a row that holds none of the values the step
// takes.
inline constexpr const char* kNoValueInRow = "選択した行には値がありません。";

// Whether a row (its cell texts, column 1 first) holds a value the step takes.
bool RowHoldsAValue(const std::vector<std::string>& row, const ValuesInUse& inUse);
// The grid row (1 to 5) of the values in use: the row whose values are the
// design's (a value the row does not hold counts as neither equal nor
// different), with the most of them equal; among equals the first, preferring
// one whose name is the design's. Row 1 when no row holds a value in use.
int RowOfValuesInUse(const CatalogueRows& rows, const ValuesInUse& inUse);
// The text a pick gives for column `col` of a row: the cell's text, or, for
// a value or a name the row does not hold, the design's text, so that the
// step keeps it. A pick never writes an empty text over a value or a name.
std::string PickedText(const std::vector<std::string>& row, const ValuesInUse& inUse, int col);

// ---- Design strengths and allowable stresses (four standards) ----

inline constexpr int kStandards = 4;
inline constexpr std::size_t kStandardNameBytes = 28;
NameRule StandardNameRule();
// Grid columns 1 to 5: σck, σca, τca, τoa, σsa.
FieldSpec StressColumnSpec(int col);
using StressWork = std::array<std::array<std::array<std::string, 5>, kCatalogueRows>, kStandards>;
// The catalogue as the dialog keeps it while open: each value in its grid
// layout without the leading blanks (an empty value stays empty).
StressWork StressWorkFromTable();
// The edit commit: the working copy and the four names into the catalogue.
void StoreStressWork(const StressWork& work, const std::array<std::string, kStandards>& names);
// The standard's rows as the pick reads them, column 1 (σck) first.
CatalogueRows StressRows(int standard);
// The standard the values in use came from: the one with the row that
// matches them best (as RowOfValuesInUse counts a match), the standard
// `shown` on a tie or when no standard holds them.
int StandardOfValuesInUse(int shown, const ValuesInUse& inUse);
// The pick: the row's texts into the design's allowable stresses (a value
// the row does not hold keeps the design's), RecalcResult and DataChanged
// raised. A standard or row outside the table picks nothing and returns false.
bool PickStressSet(int standard, int row);

// ---- Unit weights ----

// The window caption and the name column's heading of a group.
std::string WeightCaption(int group);
std::string WeightNameHeading(int group);
// The pick: the group's weight field takes FormatNum(value, 5, 1) (an empty
// value keeps the weight) and its name field the name unchanged (an empty
// name keeps the name); DataChanged, RecalcLoad, RecalcForce and
// RecalcAnchorBar are raised, as a typed weight raises them.
void PickUnitWeight(int group, const std::string& name, const std::string& value);
// The design's name and weight fields of a group (0 frame, 1 infill, 2 snow,
// 3 moving soil).
std::string& WeightNameField(int group);
std::string& WeightValueField(int group);

// ---- Fixed tables of bond stress and skin friction ----

// Grout and tendon (ground anchors): 10 rows x 5 columns.
inline constexpr const char* kNoValueCell = "    ―";
std::string AnchorBondCell(int col, int row);  // col 1-5, row 1-10
// Ground-anchor skin friction: 14 rows x 3 columns (lower, "～", upper).
std::string AnchorFrictionCell(int col, int row);  // col 1-3, row 1-14
// Rock-bolt skin friction: 15 rows (the last one the cohesive soil).
std::string RockFrictionCell(int row);  // row 1-15
// Grout and steel (rock bolts): 1 row x 4 columns.
std::string RockBondCell(int col);  // col 1-4

// The cohesive-soil cell before and after a cohesion is entered; factor
// "1.0" (ground anchors) or "0.8" (rock bolts), applied to c.
std::string CohesionCell(std::string_view factor);
std::string CohesionCell(std::string_view factor, std::string_view cohesion);
// A cohesion entry (0.0001 to 9.9999, four decimals). Returns true when it
// was accepted; `shown` is then its text (FormatNum(c, 1, 4), or empty when
// the entry was empty).
bool CheckCohesion(std::string_view typed, std::string* shown);
// The last four characters of a cell: the value a range or cohesion cell picks.
std::string LastFourChars(std::string_view cell);
// The value a pick takes from a cell: the friction after the "=" of a
// cohesion cell, whole (a friction of 10.00 or more is five characters long,
// and its last four would read 0.00), otherwise the last four characters.
std::string PickedFriction(std::string_view cell);

}  // namespace talvo::standards
