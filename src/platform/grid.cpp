#include "platform/grid.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace talvo {

QColor FromWinColor(long value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

long ToWinColor(const QColor& color) {
    return static_cast<long>(color.red()) + 256L * color.green() + 65536L * color.blue();
}

Grid::Grid(int rows, int cols, QWidget* parent) : QTableWidget(rows, cols, parent) {
    SetEditMode(false);
}

QTableWidgetItem* Grid::Cell(int col, int row, bool create) {
    if (col < 1 || row < 1 || col > columnCount() || row > rowCount()) return nullptr;
    QTableWidgetItem* it = item(row - 1, col - 1);
    if (!it && create) {
        it = new QTableWidgetItem;
        it->setForeground(Qt::black);
        setItem(row - 1, col - 1, it);
    }
    return it;
}

QString Grid::TextAt(int col, int row) const {
    if (col < 1 || row < 1 || col > columnCount() || row > rowCount()) return QString();
    const QTableWidgetItem* it = item(row - 1, col - 1);
    return it ? it->text() : QString();
}

QString Grid::Text() const {
    return TextAt(Col, Row);
}

void Grid::SetText(const QString& text) {
    SetText(Col, Row, text);
}

void Grid::SetText(int col, int row, const QString& text) {
    if (QTableWidgetItem* it = Cell(col, row, true)) it->setText(text);
}

long Grid::ForeColorAt(int col, int row) const {
    if (col < 1 || row < 1 || col > columnCount() || row > rowCount()) return 0;
    const QTableWidgetItem* it = item(row - 1, col - 1);
    return it ? ToWinColor(it->foreground().color()) : 0;
}

long Grid::ForeColor() const {
    return ForeColorAt(Col, Row);
}

void Grid::Range(int& r0, int& r1, int& c0, int& c1) const {
    const auto span = [](int a, int b, int count, int& lo, int& hi) {
        if (a == -1 || b == -1) {
            lo = 0;
            hi = count - 1;
        } else {
            lo = std::min(a, b) - 1;
            hi = std::max(a, b) - 1;
        }
    };
    if (BlockMode) {
        span(Row, Row2, rowCount(), r0, r1);
        span(Col, Col2, columnCount(), c0, c1);
    } else {
        span(Row, Row, rowCount(), r0, r1);
        span(Col, Col, columnCount(), c0, c1);
    }
    r0 = std::max(r0, 0);
    c0 = std::max(c0, 0);
    r1 = std::min(r1, rowCount() - 1);
    c1 = std::min(c1, columnCount() - 1);
}

void Grid::SetForeColor(long color) {
    int r0, r1, c0, c1;
    Range(r0, r1, c0, c1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (QTableWidgetItem* it = Cell(c + 1, r + 1, true))
                it->setForeground(FromWinColor(color));
}

void Grid::SetEditMode(bool edit) {
    editMode_ = edit;
    if (edit) {
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
        setSelectionBehavior(QAbstractItemView::SelectItems);
        setSelectionMode(QAbstractItemView::SingleSelection);
    } else {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
    }
}

// ---- Cell entry ----

bool Grid::TakesEntries(int col, int row) const {
    if (editTriggers() == QAbstractItemView::NoEditTriggers) return false;
    const QModelIndex index = model()->index(row - 1, col - 1);
    if (!index.isValid()) return false;
    const Qt::ItemFlags flags = model()->flags(index);
    return (flags & Qt::ItemIsEditable) && (flags & Qt::ItemIsEnabled);
}

bool Grid::OpensEditor(const QModelIndex& index, EditTrigger trigger) const {
    if (!index.isValid() || state() == EditingState || indexWidget(index)) return false;
    const Qt::ItemFlags flags = model()->flags(index);
    if (!(flags & Qt::ItemIsEditable) || !(flags & Qt::ItemIsEnabled)) return false;
    if (trigger == AllEditTriggers) return true;
    // A click on the selected cell opens its editor later, if at all.
    if (trigger == SelectedClicked) return false;
    return (editTriggers() & trigger) != 0;
}

bool Grid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opens = OpensEditor(index, trigger);
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    // Before the editor reads the cell (and before a typed key reaches it).
    if (opens) emit CellEditMode(col, row, 1, false);
    const QString start = opens ? TextAt(col, row) : QString();
    const bool result = QTableWidget::edit(index, trigger, event);
    if (!opens) return result;
    if (QWidget* editor = indexWidget(index)) {
        editor_ = editor;
        editIndex_ = QPersistentModelIndex(index);
        startText_ = start;
        // Runs before the delegate's own filter, which ends the entry on
        // every focus-out.
        editor->installEventFilter(this);
    } else {
        // No editor after all: the cell leaves editing at once.
        emit CellEditMode(col, row, 0, TextAt(col, row) != start);
    }
    return result;
}

void Grid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!editor || editor != editor_) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    const QPersistentModelIndex index = editIndex_;
    editor_ = nullptr;
    editIndex_ = QPersistentModelIndex();
    editor->removeEventFilter(this);
    // The editor goes first, so that a message of the cell's check cannot
    // end the same entry a second time; the move that Tab or Shift+Tab asks
    // for comes after the check.
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (index.isValid()) {
        const int col = index.column() + 1;
        const int row = index.row() + 1;
        QPointer<Grid> self(this);
        emit CellEditMode(col, row, 0, TextAt(col, row) != startText_);
        if (!self) return;
    }
    const bool tab = hint == QAbstractItemDelegate::EditNextItem ||
                     hint == QAbstractItemDelegate::EditPreviousItem;
    if (tab && AtTabEdge(hint == QAbstractItemDelegate::EditNextItem)) {
        QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    if (hint != QAbstractItemDelegate::NoHint) QTableWidget::closeEditor(nullptr, hint);
}

bool Grid::AtTabEdge(bool next) {
    const QModelIndex from = currentIndex();
    if (!from.isValid()) return true;
    const QModelIndex to = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
    if (!to.isValid() || to == from) return true;
    const bool later =
        to.row() > from.row() || (to.row() == from.row() && to.column() > from.column());
    return next ? !later : later;
}

bool Grid::focusNextPrevChild(bool next) {
    if (tabKeyNavigation() && editor_.isNull() && AtTabEdge(next))
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
}

bool Grid::FinishEdit() {
    QWidget* editor = editor_;
    if (!editor) return false;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void Grid::LeaveByArrow(int key) {
    FinishEdit();
    CursorAction action = MoveDown;
    if (key == Qt::Key_Up) action = MoveUp;
    if (key == Qt::Key_Left) action = MoveLeft;
    if (key == Qt::Key_Right) action = MoveRight;
    const QModelIndex to = moveCursor(action, Qt::NoModifier);
    if (to.isValid()) setCurrentIndex(to);
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (editor_ && watched == editor_) {
        if (event->type() == QEvent::FocusOut) {
            // Another application or a popup took the focus: the entry goes on.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                return true;
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            const auto* line = qobject_cast<QLineEdit*>(editor_.data());
            bool leave = false;
            if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) leave = true;
            // Left and Right move the caret within the text and leave the
            // cell only from its ends.
            if (plain && line && !line->hasSelectedText()) {
                if (key->key() == Qt::Key_Left && line->cursorPosition() == 0) leave = true;
                if (key->key() == Qt::Key_Right && line->cursorPosition() == line->text().size())
                    leave = true;
            }
            if (leave) {
                LeaveByArrow(key->key());
                return true;
            }
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void Grid::keyPressEvent(QKeyEvent* event) {
    // Delete empties the chosen cell as typing it empty would.
    if (event->key() == Qt::Key_Delete &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !editor_) {
        const QModelIndex index = currentIndex();
        if (index.isValid() && TakesEntries(index.column() + 1, index.row() + 1)) {
            const int col = index.column() + 1;
            const int row = index.row() + 1;
            emit CellEditMode(col, row, 1, false);
            const QString start = TextAt(col, row);
            SetText(col, row, QString());
            emit CellEditMode(col, row, 0, !start.isEmpty());
            event->accept();
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

void GridCellTrim(Grid* grid, int col, int row) {
    if (!grid) return;
    grid->Col = col;
    grid->Row = row;
    // Half-width blanks only, as the catalogues pad their cells with them.
    QString t = grid->Text();
    qsizetype a = 0, b = t.size();
    while (a < b && t[a] == QLatin1Char(' ')) ++a;
    while (b > a && t[b - 1] == QLatin1Char(' ')) --b;
    grid->SetText(t.mid(a, b - a));
    if (col >= 1 && row >= 1) grid->setCurrentCell(row - 1, col - 1);
}

void GridLock(Grid* grid, bool flag) {
    if (!grid) return;
    grid->Col = grid->Row = grid->Col2 = grid->Row2 = -1;
    grid->BlockMode = !flag;
    grid->SetEditMode(flag);
}

void GridSelectAll(Grid* grid) {
    if (!grid) return;
    grid->Col = -1;
    grid->Row = -1;
    grid->BlockMode = true;
}

void GridSelectBlock(Grid* grid, int col, int row, int col2, int row2) {
    if (!grid) return;
    grid->Col = col;
    grid->Col2 = col2;
    grid->Row = row;
    grid->Row2 = row2;
    grid->BlockMode = true;
}

}  // namespace talvo
