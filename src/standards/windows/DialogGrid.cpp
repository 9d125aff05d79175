#include "standards/windows/DialogGrid.h"

#include <QFont>
#include <QHeaderView>

#include "platform/mdichild.h"

namespace talvo {

Grid* AddDialogGrid(QWidget* parent, const QString& name, int rows, int cols, int left, int top,
                    std::initializer_list<int> colWidths, int rowHeight, bool headers,
                    int headerHeight, int rowNumberWidth) {
    auto* grid = new Grid(rows, cols, parent);
    grid->setObjectName(name);
    QFont face(QStringLiteral("IPAGothic"));
    face.setStyleHint(QFont::Monospace);
    face.setPixelSize(TwipsToPixelsY(180));
    grid->setFont(face);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setWordWrap(true);
    int width = 0;
    int c = 0;
    for (int w : colWidths) {
        grid->setColumnWidth(c++, TwipsToPixelsX(w));
        width += TwipsToPixelsX(w);
    }
    for (int r = 0; r < rows; ++r) grid->setRowHeight(r, TwipsToPixelsY(rowHeight));
    int height = rows * TwipsToPixelsY(rowHeight);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    if (headers) {
        grid->horizontalHeader()->setFixedHeight(TwipsToPixelsY(headerHeight));
        grid->verticalHeader()->setFixedWidth(TwipsToPixelsX(rowNumberWidth));
        grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
        width += TwipsToPixelsX(rowNumberWidth);
        height += TwipsToPixelsY(headerHeight);
    } else {
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
    }
    const int frame = 2 * grid->frameWidth();
    grid->move(TwipsToPixelsX(left), TwipsToPixelsY(top));
    grid->setFixedSize(width + frame, height + frame);
    return grid;
}

void MakeDisplayOnly(Grid* grid) {
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    GridSelectAll(grid);
}

void AlignCells(Grid* grid, Qt::Alignment align) {
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (QTableWidgetItem* it = grid->item(r, c)) it->setTextAlignment(align);
}

}  // namespace talvo
