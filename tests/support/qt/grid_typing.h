// Typing into a grid cell as the engineer does: a mouse click chooses the
// cell, the first typed key opens its editor, and the entry ends by a key,
// a click on another cell or a click on another control.
#pragma once

#include <QApplication>
#include <QTest>

#include "platform/grid.h"

namespace talvo::test {

// The ways an entry ends. Cancel and CloseBox end it by leaving the window.
enum class CellWay {
    Return,
    Tab,
    Backtab,
    Up,
    Down,
    Left,   // Home, then Left: from the start of the text
    Right,  // from the end of the text, where typing leaves the caret
    OtherCell,
    Elsewhere,
    Ok,
    Cancel,
    CloseBox
};

inline const char* CellWayName(CellWay w) {
    static const char* const names[] = {"Return",    "Tab",  "Shift+Tab", "Up",
                                        "Down",      "Left", "Right",     "other cell",
                                        "elsewhere", "OK",   "Cancel",    "close box"};
    return names[static_cast<int>(w)];
}

inline void Pump() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

inline void ClickCell(Grid* grid, int col, int row) {
    const QRect rect = grid->visualRect(grid->model()->index(row - 1, col - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    Pump();
}

// A key pressed where the focus is.
inline void PressKey(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
    Pump();
}

// Clicks the cell and types `text` (Latin-1): the first key opens the editor.
inline void TypeIntoCell(Grid* grid, int col, int row, const char* text) {
    ClickCell(grid, col, row);
    for (const char* c = text; *c; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
    Pump();
}

// Ends the entry by one of the keys, or by a click on (nextCol, nextRow) of
// the same grid. Returns false for the ways that need a window's buttons.
inline bool LeaveCellByKeyOrClick(Grid* grid, CellWay way, int nextCol, int nextRow) {
    switch (way) {
        case CellWay::Return:
            PressKey(Qt::Key_Return);
            return true;
        case CellWay::Tab:
            PressKey(Qt::Key_Tab);
            return true;
        case CellWay::Backtab:
            PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
            return true;
        case CellWay::Up:
            PressKey(Qt::Key_Up);
            return true;
        case CellWay::Down:
            PressKey(Qt::Key_Down);
            return true;
        case CellWay::Left:
            PressKey(Qt::Key_Home);
            PressKey(Qt::Key_Left);
            return true;
        case CellWay::Right:
            PressKey(Qt::Key_Right);
            return true;
        case CellWay::OtherCell:
            ClickCell(grid, nextCol, nextRow);
            return true;
        default:
            return false;
    }
}

}  // namespace talvo::test
