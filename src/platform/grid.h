// The spreadsheet grid of the results window and the catalogue dialogs, over
// QTableWidget, with the members the windows use: a current cell or block
// addressed by Col and Row (Col2 and Row2 with BlockMode), its Text and
// ForeColor, SetText of one cell, and the two modes of the catalogues (edit:
// cells edited one by one; pick: a row is chosen). Rows and columns count
// from 1; -1 addresses every row or every column.
//
// Colours are Windows colour values (R + 256·G + 65536·B), as the windows
// keep them in the design record: red 255, blue 0xFF0000.
#pragma once

#include <QColor>
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

private:
    QTableWidgetItem* Cell(int col, int row, bool create);
    // The rows and columns the addressing covers, as 0-based ranges.
    void Range(int& r0, int& r1, int& c0, int& c1) const;

    bool editMode_ = false;
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
