#include "standards/windows/GridDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QTimer>
#include <algorithm>

#include "platform/entryboxes.h"
#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "shell/globals.h"

namespace talvo {

GridDialog::GridDialog(const QString& name, const QString& caption, int widthTwips, int heightTwips,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips));
}

GridDialog::~GridDialog() {
    closing_ = true;
}

void GridDialog::AddOkCancel(int okLeft, int cancelLeft, int top, int width, int height) {
    cmdOK = new QPushButton(QStr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    PlaceTwips(cmdOK, okLeft, top, width, height);
    cmdCancel = new QPushButton(QStr("キャンセル"), this);
    cmdCancel->setObjectName("cmdCancel");
    PlaceTwips(cmdCancel, cancelLeft, top, width, height);
    // A click leaves the focus where it is: OK finishes the edited entry
    // itself, and Cancel must not check it at all.
    cmdOK->setFocusPolicy(Qt::TabFocus);
    cmdCancel->setFocusPolicy(Qt::TabFocus);
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { Ok(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// ---- Fields ----

int GridDialog::AddBoxField(QLineEdit* box, const standards::FieldSpec& spec) {
    Field f;
    f.box = box;
    f.spec = spec;
    fields_.push_back(std::move(f));
    box->installEventFilter(this);
    return static_cast<int>(fields_.size()) - 1;
}

void GridDialog::Watch(Grid* grid) {
    if (std::find(grids_.begin(), grids_.end(), grid) != grids_.end()) return;
    grids_.push_back(grid);
    // The grid reports every way an entry ends, so every one is checked here.
    connect(grid, &Grid::CellEditMode, this, [this, grid](int col, int row, int mode, bool) {
        if (closing_) return;
        if (mode == 1)
            CellEntered(grid, col, row);
        else
            CellLeft(grid, col, row);
    });
}

int GridDialog::AddCellField(Grid* grid, int col, int row, const standards::FieldSpec& spec) {
    Watch(grid);
    Field f;
    f.grid = grid;
    f.col = col;
    f.row = row;
    f.spec = spec;
    fields_.push_back(std::move(f));
    return static_cast<int>(fields_.size()) - 1;
}

void GridDialog::SetCellRoutine(Grid* grid, int col, std::function<bool(int row)> routine) {
    Watch(grid);
    routines_.push_back({grid, col, std::move(routine)});
}

void GridDialog::SetRule(int id, std::function<void()> rule) {
    if (id >= 0 && id < FieldCount()) fields_[static_cast<std::size_t>(id)].rule = std::move(rule);
}

const standards::FieldSpec& GridDialog::Spec(int id) const {
    return fields_.at(static_cast<std::size_t>(id)).spec;
}

const std::string& GridDialog::Working(int id) const {
    return fields_.at(static_cast<std::size_t>(id)).working;
}

std::vector<std::string> GridDialog::WorkingCopy() const {
    std::vector<std::string> out;
    out.reserve(fields_.size());
    for (const Field& f : fields_) out.push_back(f.working);
    return out;
}

QLineEdit* GridDialog::Box(int id) const {
    return fields_.at(static_cast<std::size_t>(id)).box;
}

std::string GridDialog::Shown(int id) const {
    const Field& f = fields_.at(static_cast<std::size_t>(id));
    if (f.box) return StdStr(f.box->text());
    return StdStr(f.grid->TextAt(f.col, f.row));
}

void GridDialog::Put(int id, const std::string& text) {
    Field& f = fields_.at(static_cast<std::size_t>(id));
    if (f.box) {
        f.box->setText(QStr(text));
    } else {
        f.grid->SetText(f.col, f.row, QStr(text));
    }
    // The element is what the control shows, read back.
    f.working = Shown(id);
}

int GridDialog::FindBox(const QObject* box) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].box && fields_[i].box == box) return static_cast<int>(i);
    return -1;
}

int GridDialog::FindCell(const Grid* grid, int col, int row) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].grid == grid && fields_[i].col == col && fields_[i].row == row)
            return static_cast<int>(i);
    return -1;
}

// ---- Checks ----

bool GridDialog::CheckField(int id) {
    if (id < 0 || id >= FieldCount()) return true;
    if (checking_) return lastCheckPassed_;
    checking_ = true;
    Field& f = fields_[static_cast<std::size_t>(id)];
    if (f.grid) {
        f.grid->Col = f.col;
        f.grid->Row = f.row;
    }
    std::string shown;
    bool passed = true;
    switch (standards::CheckEntry(Shown(id), f.spec, &shown)) {
        case standards::EntryOutcome::Accepted:
            Put(id, shown);
            if (f.rule) f.rule();
            break;
        case standards::EntryOutcome::Emptied:
            if (f.spec.empty == standards::EmptyEntry::Accept) {
                Put(id, "");
                if (f.rule) f.rule();
            } else if (f.spec.empty == standards::EmptyEntry::KeepLast) {
                const std::string keep = f.working;
                Put(id, "");
                f.working = keep;
            } else {
                Put(id, f.working);
            }
            break;
        case standards::EntryOutcome::Refused:
            Put(id, f.working);
            passed = false;
            if (f.box && f.spec.refocusOnRefusal) Refocus(f.box);
            break;
    }
    lastCheckPassed_ = passed;
    checking_ = false;
    return passed;
}

void GridDialog::Refocus(QLineEdit* box) {
    // The focus is on its way elsewhere while a focus-out is handled; send
    // it back once that move is over.
    QPointer<QLineEdit> target(box);
    QTimer::singleShot(0, this, [this, target] {
        if (closing_ || !target) return;
        checking_ = true;  // the box the focus leaves again is not checked
        target->setFocus(Qt::OtherFocusReason);
        checking_ = false;
        SelectAllText(target);
    });
}

void GridDialog::CellEntered(Grid* grid, int col, int row) {
    GridCellTrim(grid, col, row);
}

bool GridDialog::CellLeft(Grid* grid, int col, int row) {
    if (closing_) return true;
    grid->Col = col;
    grid->Row = row;
    for (const Routine& r : routines_) {
        if (r.grid == grid && r.col == col) {
            if (checking_) return true;
            checking_ = true;
            lastCheckPassed_ = r.routine(row);
            checking_ = false;
            return lastCheckPassed_;
        }
    }
    return CheckField(FindCell(grid, col, row));
}

bool GridDialog::FinishEditing() {
    for (Grid* grid : grids_) {
        lastCheckPassed_ = true;
        if (grid->FinishEdit()) return lastCheckPassed_;
    }
    const int id = FindBox(QApplication::focusWidget());
    if (id < 0) return true;
    return CheckField(id);
}

bool GridDialog::Complete() {
    return standards::WarnIfIncomplete(standards::FirstEmpty(WorkingCopy()) >= 0);
}

bool GridDialog::Ok() {
    if (checking_ || closing_) return false;
    ClickPending = 1;
    bool written = false;
    if (FinishEditing() && Complete()) {
        Commit();
        written = true;
    }
    // A refused OK leaves nothing waiting: only the next OK commits.
    ClickPending = 0;
    if (written && CloseOnCommit()) accept();
    return written;
}

void GridDialog::done(int result) {
    closing_ = true;
    QDialog::done(result);
}

void GridDialog::showEvent(QShowEvent* event) {
    // Every button of the dialog is made by now, its own ones too.
    PressButtonsOnReturn(this);
    QDialog::showEvent(event);
}

bool GridDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const int id = FindBox(watched);
        if (id >= 0 && !closing_) {
            auto* box = fields_[static_cast<std::size_t>(id)].box;
            if (event->type() == QEvent::FocusIn) {
                // After the toolkit's own focus handling, which places the cursor.
                QPointer<QLineEdit> target(box);
                QTimer::singleShot(0, this, [target] {
                    if (target && target->hasFocus()) SelectAllText(target);
                });
            } else {
                const auto reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                    !checking_)
                    CheckField(id);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace talvo
