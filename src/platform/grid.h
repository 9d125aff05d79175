// The spreadsheet grid of both programs' windows and dialogs, over
// QTableWidget, with the members the windows use: a current cell or block
// addressed by Col and Row (Col2 and Row2 with BlockMode), its Text and
// ForeColor, SetText of one cell, and the two modes of the catalogues (edit:
// cells edited one by one; pick: a row is chosen). Rows and columns count
// from 1; -1 addresses every row or every column.
//
// Colours are Windows colour values (R + 256·G + 65536·B), as the windows
// keep them in the design record: red 255, blue 0xFF0000.
//
// Cell entry. A window learns of typed cells from one signal, CellEditMode,
// whichever way the engineer ends the entry: Return, Tab, Shift+Tab, an
// arrow key (Left at the start of the text, Right at its end), a click on
// another cell or on another control, or FinishEdit() (the OK buttons).
// Escape drops the typed text; the cell is still reported, unchanged. Delete
// on a cell that takes entries (not while it is being edited) empties it, as
// if the engineer had typed it empty. Switching to another application or
// opening a popup ends nothing: the editor stays open. Tab and Shift+Tab go
// from cell to cell; from the last cell (Shift+Tab: the first) they leave the
// grid for the next control, so the keyboard never stays caught in it.
#pragma once

#include <QAbstractItemDelegate>
#include <QColor>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <QTableWidget>

namespace talvo {

// Windows colour value <-> QColor.
QColor FromWinColor(long value);
long ToWinColor(const QColor& color);

class Grid : public QTableWidget {
    Q_OBJECT
public:
    Grid(int rows, int cols, QWidget* parent = nullptr);

    // ---- The addressed cell or block ----
    int Col = 1;
    int Row = 1;
    int Col2 = 1;
    int Row2 = 1;
    bool BlockMode = false;

    // Text of the addressed cell ("" outside the grid).
    QString Text() const;
    void SetText(const QString& text);
    // Writes one cell directly; the addressed cell stays.
    void SetText(int col, int row, const QString& text);
    QString TextAt(int col, int row) const;

    // Text colour of the addressed cell, or of every cell of the block.
    long ForeColor() const;
    void SetForeColor(long color);
    long ForeColorAt(int col, int row) const;

    // Edit mode: each cell can be edited; pick mode: the grid is one block
    // and a click chooses a row.
    void SetEditMode(bool edit);
    bool EditMode() const { return editMode_; }

    // ---- Cell entry ----

    using QTableWidget::edit;
    // Whether cell (col, row) can be typed into now.
    bool TakesEntries(int col, int row) const;
    // Ends the open entry as leaving the cell would (the typed text is kept
    // and reported). Returns false when no editor was open.
    bool FinishEdit();

signals:
    // Cell (col, row) enters editing (mode 1) or leaves it (mode 0). Mode 1
    // comes before the editor takes the cell's text, so a handler may still
    // change that text; mode 0 comes once the editor is closed and its text
    // is in the cell, before the current cell moves on. changeMade tells
    // whether the cell's text differs from the one it entered editing with.
    void CellEditMode(int col, int row, int mode, bool changeMade);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Whether Tab (next) or Shift+Tab from the current cell would go round
    // to the other end of the grid.
    bool AtTabEdge(bool next);
    QTableWidgetItem* Cell(int col, int row, bool create);
    // The rows and columns the addressing covers, as 0-based ranges.
    void Range(int& r0, int& r1, int& c0, int& c1) const;
    // Whether edit(index, trigger) opens an editor now.
    bool OpensEditor(const QModelIndex& index, EditTrigger trigger) const;
    // Ends the open entry and, for an arrow key, moves to the neighbour.
    void LeaveByArrow(int key);

    bool editMode_ = false;
    QPointer<QWidget> editor_;
    QPersistentModelIndex editIndex_;
    QString startText_;
};

// The grid helpers of the windows.
// Makes (col, row) the current cell and trims its text of blanks.
void GridCellTrim(Grid* grid, int col, int row);
// Edit mode (true) or pick mode (false), addressing the whole grid.
void GridLock(Grid* grid, bool flag);
// The whole grid as one block.
void GridSelectAll(Grid* grid);
// The block from (col, row) to (col2, row2).
void GridSelectBlock(Grid* grid, int col, int row, int col2, int row2);

}  // namespace talvo
