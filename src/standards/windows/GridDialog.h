// GridDialog: the base of the dialogs that show one standard table, as text
// boxes laid out like a table or as the cells of a grid.
//
// How to build a dialog on it:
//   1. Derive, pass the form's name, caption and client size in twips, place
//      the controls with the form kit (platform/formkit.h) and the buttons
//      with AddOkCancel().
//   2. Register every editable field with its descriptor (standards/fields.h):
//      AddBoxField(box, spec) for a text box, AddCellField(grid, col, row,
//      spec) for a grid cell. A grid column that is not a number (a name) gets
//      its own routine with SetCellRoutine(grid, col, routine). A rule that
//      keeps fields consistent (two limits in order) is attached with
//      SetRule(id, rule); it runs after each accepted entry of that field and
//      changes other fields with Put().
//   3. Fill each field with Load(id, display text): the control shows the text
//      and the text becomes the field's working-copy element (its last good
//      text).
//   4. Implement Commit(): write the working copy (Working(id)) into the table
//      and raise the dialog's recalculation flags. Override Complete() when
//      the completeness check must look at more than the working copy.
//
// The protocol the base runs:
//   - A text box selects its whole text when it gets the focus and is checked
//     (CheckEntry) when it loses it; a grid cell is trimmed when it enters
//     editing and checked each time it leaves editing, whichever way the
//     entry ends (the ways are listed in platform/grid.h); Delete empties a
//     cell and checks it as an emptied entry. A passed entry is
//     shown formatted and stored in the working copy; a refused one gets its
//     last good text back (and the focus, when its spec asks for it).
//     Switching application or opening a menu runs no check, and no check
//     runs inside another one.
//   - OK (Ok()) first finishes the entry being edited, as leaving it would; a
//     refused entry stops OK there. Then Complete() runs; an incomplete table
//     shows "未入力のテキストがあります。値を入れて下さい。" and nothing is
//     written and nothing stays pending: only a later OK commits again. When
//     complete, Commit() writes the table, the dialog closes with Accepted.
//     ClickPending is 1 only while OK runs.
//   - Cancel, Escape and the close box close the dialog with Rejected: no
//     check runs, the working copy is dropped, the table keeps its values.
//     Neither button takes the focus on a click, so clicking them never runs
//     the check of the box being edited before they act.
//   - A dialog writes nothing but its own table: a dialog that returns a
//     choice (a catalogue pick) keeps it in members that the opener reads
//     after exec(); it never writes into another window's controls.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "platform/grid.h"
#include "standards/fields.h"

namespace talvo {

class GridDialog : public QDialog {
    Q_OBJECT
public:
    // `name` is the form's name (the dialog's object name), `caption` its
    // title; the client area is widthTwips x heightTwips.
    GridDialog(const QString& name, const QString& caption, int widthTwips, int heightTwips,
               QWidget* parent = nullptr);
    ~GridDialog() override;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // ---- Fields ----

    // Registers a field; returns its id (0, 1, 2 ... in the order of adding),
    // which is also its place in WorkingCopy().
    int AddBoxField(QLineEdit* box, const standards::FieldSpec& spec);
    int AddCellField(Grid* grid, int col, int row, const standards::FieldSpec& spec);
    // A column of `grid` checked by its own routine, called with the row each
    // time one of its cells leaves editing (the cell is then the grid's
    // current cell); it returns false when it refused the entry. The cells of
    // such a column have no working copy.
    void SetCellRoutine(Grid* grid, int col, std::function<bool(int row)> routine);
    // A rule run after each accepted (or accepted empty) entry of field `id`.
    void SetRule(int id, std::function<void()> rule);

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    const standards::FieldSpec& Spec(int id) const;
    // The field's working-copy element (its last good text).
    const std::string& Working(int id) const;
    std::vector<std::string> WorkingCopy() const;
    // What the field's control shows now.
    std::string Shown(int id) const;
    // Shows `text` in the field and makes it its element (loading).
    void Load(int id, const std::string& text) { Put(id, text); }
    // Writes `text` into the field's control and its element (rules).
    void Put(int id, const std::string& text);
    QLineEdit* Box(int id) const;

    // ---- Checks ----

    // Runs the check of field `id` now, as leaving it would. Returns false
    // when the entry was refused.
    bool CheckField(int id);
    // Finishes the entry being edited: the box of this dialog holding the
    // focus is checked, an open grid editor is committed and its cell checked.
    // Returns false when that check refused the entry.
    bool FinishEditing();

    // ---- OK ----

    // The OK button's action: finish the edit, check completeness, commit
    // and close. Returns true when the table was written.
    bool Ok();

protected:
    // Adds OK ("OK") and Cancel ("キャンセル") at the given places (twips).
    void AddOkCancel(int okLeft, int cancelLeft, int top, int width, int height);
    // Completeness: the default refuses when any working-copy element is empty.
    virtual bool Complete();
    // Writes the working copy into the table and raises the flags (or, in a
    // catalogue's pick mode, keeps the chosen row for the opener).
    virtual void Commit() = 0;
    // Whether a successful OK closes the dialog (Accepted). A catalogue in
    // its edit mode answers false: the edit is saved and the dialog stays.
    // Cancel, Escape and the close box end in reject(), which a dialog with
    // an edit mode may override to leave that mode instead.
    virtual bool CloseOnCommit() const { return true; }

    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QLineEdit* box = nullptr;
        Grid* grid = nullptr;
        int col = 0;
        int row = 0;
        standards::FieldSpec spec;
        std::string working;
        std::function<void()> rule;
    };
    struct Routine {
        Grid* grid = nullptr;
        int col = 0;
        std::function<bool(int)> routine;
    };
    int FindBox(const QObject* box) const;
    int FindCell(const Grid* grid, int col, int row) const;
    // Checks the cells of `grid` as they enter and leave editing.
    void Watch(Grid* grid);
    void CellEntered(Grid* grid, int col, int row);
    bool CellLeft(Grid* grid, int col, int row);
    void Refocus(QLineEdit* box);

    std::vector<Field> fields_;
    std::vector<Routine> routines_;
    std::vector<Grid*> grids_;
    bool checking_ = false;
    bool closing_ = false;
    bool lastCheckPassed_ = true;
};

}  // namespace talvo
