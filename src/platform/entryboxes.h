// Entry boxes of the windows: the numeric entry check, the name entry with
// its byte limit, select-all on focus, and the deferred button action.
//
// A numeric box is checked when it loses the focus: its trimmed text goes
// through CheckValue; an accepted text is shown through FormatNum and, only
// when it differs from the stored field, is stored with DataChanged and the
// box's recalculation flags raised; a refused text gets the stored value back
// and (normally) the focus. A button that must wait for the box being edited
// runs that box's check itself and acts only when it passed (RunDeferred), so
// nothing depends on the order in which the toolkit delivers focus events.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace talvo {

// ---- Control helpers ----

// Unless the box is read-only: its text loses its leading blanks and is
// selected whole. A read-only box is left alone.
void SelectAllText(QLineEdit* txt);
// Enables or disables the box; its background is white when enabled and the
// button-face colour when not.
void SetTextEnabled(QLineEdit* txt, bool value);

// ---- Per-box configuration ----

struct NumBox {
    double min = 0.0;  // both bounds belong to the range
    double max = 0.0;
    int decimals = 0;
    int places = 0;                    // integer places of FormatNum
    std::string* field = nullptr;      // the field of Design the box shows
    std::vector<std::int16_t*> flags;  // raised (set to 1) with DataChanged on a change
    bool refocusOnRefusal = true;      // a refused entry takes the focus back
    bool compareTrimmed = true;        // compare with the field trimmed of blanks
    std::function<void()> onChanged;   // after a changed value is stored: dependents
    std::function<void()> onRefused;   // after a refusal has restored the box
    std::function<void()> onAccepted;  // after every accepted entry, changed or not
    // A rule the value must keep with another entry, run on a text CheckValue
    // accepted (as it rewrote it): a message refuses the entry as a failed
    // check does (shown with the exclamation icon; the stored value returns).
    std::function<std::string(const std::string& text)> pairCheck;
};

struct NameBox {
    std::size_t maxBytes = 0;      // code-page-932 bytes
    std::string message;           // shown (exclamation, OK) for a longer text
    std::string* field = nullptr;  // where the (cut) text is stored on leaving
    bool refocusOnCut = false;     // a cut text takes the focus back
    // true: every change of the text, also one made by the program, sets
    // DataChanged (the box's change event); false: only a stored text that
    // differs from the field does.
    bool anyChangeRaisesDataChanged = true;
    std::function<void()> onStored;  // after the text has been stored
    // true: a text equal to the stored field (exactly, blanks included) is
    // left alone, with no byte check, even when the stored text is longer
    // than the limit; any other text sets DataChanged before it is checked.
    bool unchangedLeftAlone = false;
};

// One numeric entry box of a window's layout table: where it stands (twips,
// in the parent given to AddNumbers), the field it shows, its range, its
// decimals and integer places (FormatNum), and the flags a change raises.
// Further options of a box (callbacks, refocus) are set through Rule().
struct NumEntry {
    QString name;  // object name, "txtWidth(0)"
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string* field = nullptr;
    double min = 0.0;
    double max = 0.0;
    int decimals = 0;
    int places = 0;
    std::vector<std::int16_t*> flags;
    std::function<std::string(const std::string& text)> pairCheck;  // NumBox::pairCheck
};

// The row of a layout table for the box `box` of the step `step`: its name,
// field, range, decimals, places, flags and pair rule as the step's entry
// table (steps/entrytable.h) declares them, at the place given (twips).
// A box the table does not hold is a fault of the program: it stops.
NumEntry PlaceEntry(const std::string& step, const std::string& box, int left, int top, int width,
                    int height);

// The entry boxes of one window. Each box is watched for getting and losing
// the focus; focus moves caused by switching application or opening a menu
// run no check, and a check never runs inside another one (its message box
// and the refocus after it move the focus too).
class EntryGroup : public QObject {
    Q_OBJECT
public:
    explicit EntryGroup(QWidget* owner);
    ~EntryGroup() override;

    void AddNumber(QLineEdit* box, NumBox config);
    // Creates the boxes of a layout table in `parent`, each checked as a
    // numeric box; returns them in the table's order.
    std::vector<QLineEdit*> AddNumbers(QWidget* parent, const std::vector<NumEntry>& table);
    // The rule of a numeric box added before (null for any other box), to
    // set its further options after the table has made it.
    NumBox* Rule(QLineEdit* box);
    void AddName(QLineEdit* box, NameBox config);

    // How a refusal brings the window to the front before the box takes the
    // focus back (a step window activates its MDI child).
    void SetBringToFront(std::function<void()> bringToFront);

    // Shows the stored field of a numeric box through FormatNum (no check, no
    // store); ShowAllStored does so for every numeric box.
    void ShowStored(QLineEdit* box);
    void ShowAllStored();

    // Runs the leave check of `box` now, as losing the focus would. Returns
    // true when the entry was accepted (or the box is not a checked box).
    bool CheckBox(QLineEdit* box);

    // Runs the check of the box being edited (the box of this group that
    // holds the focus) and tells whether an action waiting for it may go on:
    // false when that check refused, or when the press of `button` itself
    // moved the focus away from an entry that was refused.
    bool CommitPending(const QWidget* button = nullptr);
    // The deferred action of `button`: CommitPending, then `action` only
    // when it passed. Returns whether the action ran.
    bool RunDeferred(const std::function<void()>& action, const QWidget* button = nullptr);

    // From now on a press on `control` (a check box, an option or a button
    // that takes the focus) whose focus move was refused by an entry of this
    // group is dropped, so its release clicks nothing: the refused entry
    // keeps the window, its value and the focus. A press that finds a box of
    // the group still holding the focus (a control that takes none) checks
    // and stores it first, and is dropped when that check refuses.
    void HoldAfterRefusal(QAbstractButton* control);

    // While suspended (the window is being unloaded) no box is checked.
    void SetSuspended(bool suspended) { suspended_ = suspended; }

    // True while any entry check of the program is running.
    static bool Checking();

    // The check of the box being edited anywhere in the program, as a
    // command that saves, opens, closes, prints or ends must run it first:
    // the box holding the focus or, while a menu or toolbar holds it, the
    // box that last had the focus inside `window`. An accepted value is
    // stored (and marks the design changed) before the command acts. Returns
    // false when the check refused: the command stops.
    static bool CommitEditedEntry(QWidget* window = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry;
    Entry* Watch(QLineEdit* box, int kind);
    Entry* Find(const QObject* box) const;
    bool CheckNumber(Entry& e);
    bool CheckName(Entry& e);
    void Refocus(Entry& e);

    QWidget* owner_;
    std::vector<Entry*> entries_;
    std::function<void()> bringToFront_;
    bool suspended_ = false;
};

}  // namespace talvo
