// Fields of the settings and reference dialogs, without a display.
//
// A dialog of the standard tables shows one table as text boxes or grid
// cells. Each editable field is described once by a FieldSpec: how its entry
// is checked (the common numeric check, or a column's own range test with its
// own message), its range, its decimals and integer places, and what an
// emptied entry does. CheckEntry applies the description to a typed text and
// tells the window what to show; the window keeps the last good text of every
// field (its working copy) and commits from that copy only when OK passes the
// completeness check (FirstIncomplete / WarnIfIncomplete).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace talvo::standards {

// The message of the completeness check at OK.
inline constexpr const char* kIncompleteMessage = "未入力のテキストがあります。値を入れて下さい。";

// How a typed entry is checked.
enum class FieldCheck {
    // CheckValue(text, min, max, decimals): digits (full-width ones are made
    // half-width), one point, a leading minus; its own messages.
    Value,
    // The column's own range test: a text that is not empty fails when its
    // leading number lies outside min..max, and `rangeMessage` is shown.
    // Full-width digits and points are read as their half-width forms.
    Range,
};

// What an emptied entry does (an empty text always passes the check).
enum class EmptyEntry {
    Accept,    // the field and its working-copy element become empty (OK then refuses)
    KeepLast,  // the field stays empty on screen; the element keeps its last good text
    Restore,   // the field gets its element back at once, without a message
};

// One field, or one column of a grid whose cells are all alike.
struct FieldSpec {
    FieldCheck check = FieldCheck::Value;
    double min = 0.0;  // both bounds belong to the range
    double max = 0.0;
    int decimals = 0;  // decimals of the check and of the display
    int places = 0;    // integer places of the display (FormatNum)
    // Range check only: the message shown for a value outside the range.
    std::string rangeMessage;
    // Display decimals chosen by the value (null: `decimals`), for columns
    // whose decimals depend on the size of the number.
    std::function<int(double)> decimalsFor;
    EmptyEntry empty = EmptyEntry::Accept;
    // A refused entry takes the focus back into its field.
    bool refocusOnRefusal = false;
};

// A field of the common numeric check with its range, decimals and places.
FieldSpec ValueSpec(double min, double max, int decimals, int places);

enum class EntryOutcome {
    Accepted,  // `shown` holds the formatted text; it becomes the element
    Emptied,   // the entry was empty: see FieldSpec::empty
    Refused,   // a message was shown; the field gets its element back
};

// Checks a typed entry against its field. The text is trimmed of blanks on
// both sides first. On Accepted, `shown` receives FormatNum(text, places,
// decimals of the value). Messages go through the message interface.
EntryOutcome CheckEntry(std::string_view typed, const FieldSpec& spec, std::string* shown);

// The display text of a field for a stored text (FormatNum with the field's
// places and decimals; an empty text stays empty).
std::string DisplayText(std::string_view stored, const FieldSpec& spec);

// Index of the first empty text, or -1 when every text holds something.
int FirstEmpty(const std::vector<std::string>& texts);

// Shows kIncompleteMessage (exclamation, OK) when `incomplete` is true.
// Returns true when the commit may go on (nothing was incomplete).
bool WarnIfIncomplete(bool incomplete);

}  // namespace talvo::standards
