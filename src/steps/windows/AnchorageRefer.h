// The "参考値..." buttons of the two anchorage-length steps, one procedure
// for both: NBrock2 (rock bolts) and NBgrand2 (ground anchors) differ only in
// the dialog a button opens and in how its pick is written into the box.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;
class QWidget;

namespace talvo {

class EntryGroup;

// Opens a reference dialog modally over `parent` and gives its pick as the
// text for the box, or nothing when the dialog was cancelled.
using ReferencePick = std::function<std::optional<std::string>(QWidget* parent)>;

// The pick of a dialog of type D: `read` turns the closed dialog into the
// box's text.
template <class D, class Read>
ReferencePick DialogPick(Read read) {
    return [read](QWidget* parent) -> std::optional<std::string> {
        D dialog(parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return read(dialog);
    };
}

// One reference button, the box it fills and its dialog.
struct ReferenceButton {
    QPushButton* button = nullptr;
    QLineEdit* target = nullptr;
    ReferencePick pick;
};

// The press of a reference button. The entry being edited is finished first:
// when its check refuses (or the press itself took the focus from a refused
// entry), no dialog opens. Otherwise the dialog's pick goes into the box and
// the box's own check stores it exactly as a typed value (after a cancel it
// finds nothing changed); an accepted value gives the focus back to the
// button, a refused one keeps it in the box.
void ReferClick(EntryGroup& entries, const ReferenceButton& ref, QWidget* parent);

}  // namespace talvo
