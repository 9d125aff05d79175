#include "standards/windows/Catalogue.h"

#include <QKeyEvent>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"

namespace talvo {

using namespace standards;

Catalogue::Catalogue(const QString& name, const QString& caption, int widthTwips, int heightTwips,
                     QWidget* parent)
    : GridDialog(name, caption, widthTwips, heightTwips, parent) {}

std::string Catalogue::PickedCell(int col) const {
    if (col < 1 || col > static_cast<int>(pickedCells_.size())) return "";
    return pickedCells_[static_cast<std::size_t>(col - 1)];
}

void Catalogue::AddButtons(int okLeft, int cancelLeft, int editLeft, int top, int width,
                           int height) {
    AddOkCancel(okLeft, cancelLeft, top, width, height);
    // The buttons act by mode: OK picks or stores the edits, Cancel closes
    // or drops the edits.
    disconnect(cmdOK, &QPushButton::clicked, nullptr, nullptr);
    disconnect(cmdCancel, &QPushButton::clicked, nullptr, nullptr);
    connect(cmdOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    cmdEdit = new QPushButton(QStr("編集(&E)"), this);
    cmdEdit->setObjectName("cmdEdit");
    PlaceTwips(cmdEdit, editLeft, top, width, height);
    cmdEdit->setFocusPolicy(Qt::TabFocus);
    cmdEdit->setAutoDefault(false);
    connect(cmdEdit, &QPushButton::clicked, this, [this] { EditClick(); });
}

void Catalogue::SetGrid(Grid* grid) {
    grid_ = grid;
    for (int col = 1; col <= grid->columnCount(); ++col)
        SetCellRoutine(grid, col,
                       [this, col](int row) { return discarding_ || CheckCell(col, row); });
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        // A double-click on a data row picks it; in edit mode it edits.
        if (!InEditMode() && row >= 0) OkClick();
    });
}

void Catalogue::Open() {
    inUse_ = InUse();
    ShowCatalogue();
    GridLock(grid_, false);
    PickByRows();
    ChooseRowInUse();
    // The table holds the focus from the start, so that the arrow keys move
    // the row chosen at once and Return picks it.
    grid_->setFocus(Qt::OtherFocusReason);
}

void Catalogue::ChooseRowInUse() {
    grid_->setCurrentCell(RowOfValuesInUse(PickRows(), inUse_) - 1, 0);
}

void Catalogue::PickByRows(bool picking) {
    // Picking, the table is one stop of the Tab key and the arrows move the
    // row: a Tab that walked the cells would carry the row picked with it.
    // Editing, Tab goes from cell to cell.
    grid_->setTabKeyNavigation(!picking);
}

int Catalogue::ActiveRow() const {
    const int row = grid_ ? grid_->currentRow() + 1 : 1;
    return row < 1 ? 1 : row > kCatalogueRows ? kCatalogueRows : row;
}

void Catalogue::EditClick() {
    if (InEditMode()) return;
    GridLock(grid_, true);
    PickByRows(false);
    cmdEdit->setEnabled(false);
    cmdOK->setText(QStr("編集 OK"));
    cmdCancel->setText(QStr("編集 ｷｬﾝｾﾙ"));
    EnteringEdit();
}

void Catalogue::LeaveEdit() {
    // The mode changes first: controls hidden now run no edit checks.
    cmdEdit->setEnabled(true);
    cmdOK->setText(QStr("OK"));
    cmdCancel->setText(QStr("キャンセル"));
    LeavingEdit();
    GridLock(grid_, false);
    PickByRows();
    ShowCatalogue();
}

void Catalogue::OkClick() {
    if (!InEditMode()) {
        Ok();
        return;
    }
    ClickPending = 1;
    // A refused entry stops the commit, as it stops OK in the settings
    // dialogs: the engineer sees the last good value back before storing.
    if (FinishEditing() && StoreEdits()) LeaveEdit();
    // A refused commit leaves nothing pending: only the next OK stores.
    ClickPending = 0;
}

void Catalogue::CancelClick() {
    if (!InEditMode()) {
        reject();
        return;
    }
    // A cell still being edited is closed unchecked, so that its text cannot
    // reach the grid after the catalogue has been shown again.
    discarding_ = true;
    FinishEditing();
    discarding_ = false;
    LeaveEdit();
}

bool Catalogue::Complete() {
    if (InEditMode()) return false;
    if (!RowHoldsAValue(PickRows()[static_cast<std::size_t>(ActiveRow() - 1)], inUse_)) {
        MsgBox(kNoValueInRow, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void Catalogue::Commit() {
    pickedRow_ = ActiveRow();
    std::vector<std::string> shown;
    for (int col = 1; col <= grid_->columnCount(); ++col)
        shown.push_back(StdStr(grid_->TextAt(col, pickedRow_)));
    pickedCells_.clear();
    for (int col = 1; col <= grid_->columnCount(); ++col)
        pickedCells_.push_back(PickedText(shown, inUse_, col));
    Picked(pickedRow_);
}

void Catalogue::keyPressEvent(QKeyEvent* event) {
    // Escape in edit mode drops the edits, as 編集 ｷｬﾝｾﾙ does.
    if (event->key() == Qt::Key_Escape && InEditMode()) {
        CancelClick();
        return;
    }
    GridDialog::keyPressEvent(event);
}

// ---- RowCatalogue ----

RowCatalogue::RowCatalogue(const QString& name, const QString& caption, int widthTwips,
                           int heightTwips, CatalogueKind kind, int group, QWidget* parent)
    : Catalogue(name, caption, widthTwips, heightTwips, parent),
      kind_(kind),
      group_(group),
      layout_(LayoutOf(kind)) {}

void RowCatalogue::ShowCatalogue() {
    const CatalogueRows rows = ReadCatalogue(kind_, group_);
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const auto cells = RowCells(layout_, rows[static_cast<std::size_t>(r - 1)]);
        for (int c = 1; c <= layout_.Columns(); ++c)
            CatalogueGrid()->SetText(c, r, QStr(cells[static_cast<std::size_t>(c - 1)]));
    }
}

bool RowCatalogue::CheckCell(int col, int row) {
    Grid* grid = CatalogueGrid();
    grid->Col = col;
    grid->Row = row;
    const std::string typed = StdStr(grid->TextAt(col, row));
    if (col == 1) {
        grid->SetText(col, row, QStr(CheckName(typed, layout_.name)));
        return true;
    }
    if (col - 2 >= static_cast<int>(layout_.values.size())) return true;
    const CatalogueRows committed = ReadCatalogue(kind_, group_);
    const auto& stored = committed[static_cast<std::size_t>(row - 1)];
    const std::string restore = static_cast<std::size_t>(col - 1) < stored.size()
                                    ? stored[static_cast<std::size_t>(col - 1)]
                                    : std::string();
    bool refused = false;
    grid->SetText(col, row,
                  QStr(CheckCatalogueValue(typed, layout_.values[static_cast<std::size_t>(col - 2)],
                                           restore, &refused)));
    return !refused;
}

ValuesInUse RowCatalogue::InUse() const {
    return ValuesInUseOf(kind_, group_, Design.WorkType);
}

CatalogueRows RowCatalogue::GridRows() const {
    CatalogueRows rows;
    for (int r = 1; r <= kCatalogueRows; ++r)
        for (int c = 1; c <= layout_.Columns(); ++c)
            rows[static_cast<std::size_t>(r - 1)].push_back(StdStr(CatalogueGrid()->TextAt(c, r)));
    return rows;
}

bool RowCatalogue::StoreEdits() {
    const CatalogueRows rows = GridRows();
    if (!WarnIfNameEmptied(ReadCatalogue(kind_, group_), rows)) return false;
    StoreCatalogue(kind_, group_, rows);
    return true;
}

}  // namespace talvo
