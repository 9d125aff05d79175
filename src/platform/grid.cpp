#include "platform/grid.h"

#include <QAbstractItemView>
#include <QHeaderView>
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
