// Grids of the standard-table dialogs laid out in twips: fixed column widths
// and row heights, a fixed-pitch face so that the blanks of the number texts
// line the decimal points up, and no scroll bars (the table fits).
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

#include "platform/grid.h"

namespace talvo {

// A grid of `rows` x `cols` at (left, top), its columns `colWidths` twips
// wide and its rows `rowHeight` twips high. With `headers` the grid shows its
// column headings (headerHeight twips) and row numbers (rowNumberWidth
// twips); otherwise every cell is a body cell.
Grid* AddDialogGrid(QWidget* parent, const QString& name, int rows, int cols, int left, int top,
                    std::initializer_list<int> colWidths, int rowHeight, bool headers = false,
                    int headerHeight = 0, int rowNumberWidth = 0);

// A grid that only shows texts: nothing can be typed or chosen in it.
void MakeDisplayOnly(Grid* grid);
// Aligns the text of every cell that holds one.
void AlignCells(Grid* grid, Qt::Alignment align);

}  // namespace talvo
