// Entering the cells of the companion's pattern and depth grids as the
// engineer does: click a cell, type, and leave it by any way there is. Each
// way runs the row's check; Delete empties a cell that takes entries.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <functional>
#include <memory>

#include "companion/study.h"
#include "companion/ui/frmResult.h"
#include "shell/tables.h"
#include "support/qt/grid_typing.h"
#include "support/scripted_messages.h"

namespace talvo::companion {
namespace {

using test::CellWay;
using test::ScriptedMessages;

class GridEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitAllTables();
        InitCompanion();
        window = std::make_unique<FrmResult>();
        window->show();
        window->activateWindow();
        test::Pump();
    }
    void TearDown() override {
        window->hide();
        window.reset();
    }
    std::unique_ptr<FrmResult> window;
};

// A cell of one of the two grids: the range message of a refused entry, an
// accepted entry and the study value it is stored in.
struct CellCase {
    const char* name;
    std::function<Grid*(FrmResult*)> grid;
    std::function<Grid*(FrmResult*)> other;  // the grid clicked "elsewhere"
    int col, row;
    const char* rangeLine;
    const char* typed;
    std::function<std::string()> stored;
};

TEST_F(GridEntryTest, EveryWayOutOfACellRunsTheRowCheck) {
    const CellCase cases[] = {
        {"sprFrame", [](FrmResult* w) { return w->sprFrame; },
         [](FrmResult* w) { return w->sprDeep; }, 1, 2, "有効範囲（0～10)", "2.5",
         [] { return PatSpanTate[0]; }},
        {"sprDeep", [](FrmResult* w) { return w->sprDeep; },
         [](FrmResult* w) { return w->sprFrame; }, 1, 2, "有効範囲（0.1～9.9）", "1.7",
         [] { return FailDepth[1]; }},
    };
    const CellWay ways[] = {CellWay::Return, CellWay::Tab,       CellWay::Backtab,
                            CellWay::Up,     CellWay::Down,      CellWay::Left,
                            CellWay::Right,  CellWay::OtherCell, CellWay::Elsewhere};
    for (const CellCase& c : cases) {
        for (CellWay way : ways) {
            SCOPED_TRACE(std::string(c.name) + " / " + test::CellWayName(way));
            InitCompanion();
            window = std::make_unique<FrmResult>();
            window->show();
            window->activateWindow();
            test::Pump();
            Grid* grid = c.grid(window.get());
            const std::string before = c.stored();
            const QString shownBefore = grid->TextAt(c.col, c.row);
            auto leave = [&] {
                if (test::LeaveCellByKeyOrClick(grid, way, c.col, c.row + 1)) return;
                test::ClickCell(c.other(window.get()), 1, 1);
            };

            {
                ScriptedMessages messages;
                messages.Expect(std::string("値が有効範囲にありません。\r\n") + c.rangeLine);
                test::TypeIntoCell(grid, c.col, c.row, "abc");
                ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
                leave();
                EXPECT_TRUE(messages.AllShown());
                EXPECT_EQ(c.stored(), before);
                EXPECT_EQ(grid->TextAt(c.col, c.row), shownBefore);
            }
            {
                ScriptedMessages messages;  // none expected
                test::TypeIntoCell(grid, c.col, c.row, c.typed);
                leave();
                EXPECT_EQ(c.stored(), c.typed);
            }
        }
    }
}

TEST_F(GridEntryTest, DeleteEmptiesACellThatTakesEntries) {
    ScriptedMessages messages;
    // A span emptied: stored empty, shown empty.
    test::ClickCell(window->sprFrame, 1, 2);
    test::PressKey(Qt::Key_Delete);
    EXPECT_EQ(window->sprFrame->TextAt(1, 2), "");
    EXPECT_EQ(PatSpanTate[0], "");
    // A depth emptied.
    test::ClickCell(window->sprDeep, 1, 3);
    test::PressKey(Qt::Key_Delete);
    EXPECT_EQ(FailDepth[2], "");
    // The bar name changes only through its buttons; the results are shown,
    // never typed.
    const QString bar = window->sprFrame->TextAt(2, 8);
    test::ClickCell(window->sprFrame, 2, 8);
    test::PressKey(Qt::Key_Delete);
    EXPECT_EQ(window->sprFrame->TextAt(2, 8), bar);
    window->sprLength->SetText(1, 1, QStringLiteral("2.50"));
    test::ClickCell(window->sprLength, 1, 1);
    test::PressKey(Qt::Key_Delete);
    EXPECT_EQ(window->sprLength->TextAt(1, 1), QStringLiteral("2.50"));
}

}  // namespace
}  // namespace talvo::companion
