// Entering a grid cell of the settings dialogs and of the catalogues' edit
// mode as the engineer does: click the cell, type, and leave it by any way
// there is. Every way that keeps the typed text runs the cell's check; Cancel
// and the close box drop it unchecked. Delete empties a cell.
#include <QTest>

#include "dialog_fixture.h"
#include "shell/numtext.h"
#include "standards/windows/Catalogues.h"
#include "standards/windows/SettingsDialogs.h"
#include "support/qt/grid_typing.h"

namespace talvo::test {
namespace {

// One grid cell of one dialog: how to open the dialog (and reach its edit
// mode), the texts the cell check gives, and what the committed table holds.
struct EntryCase {
    const char* name;
    std::function<GridDialog*()> make;
    std::function<Grid*(GridDialog*)> grid;
    bool catalogue;  // OK stores the edits and leaves the dialog open
    int col, row;
    const char* refusedMessage;           // for "abc"
    const char* restored;                 // the cell after "abc" was refused
    const char* typed;                    // an accepted entry
    const char* shown;                    // the cell showing it
    std::function<std::string()> stored;  // the table's text of the cell, after OK
    // A control beside the grid that takes the focus when clicked (or null).
    std::function<QWidget*(GridDialog*)> elsewhere;
};

template <class D>
D* As(GridDialog* d) {
    return static_cast<D*>(d);
}

Catalogue* EditMode(Catalogue* d) {
    d->cmdEdit->click();
    PumpEvents();
    return d;
}

std::vector<EntryCase> Cases() {
    const char* notNumber = "値が正しくありません。";
    return {
        {"FKikaku", [] { return new FKikaku; },
         [](GridDialog* d) { return As<FKikaku>(d)->sprStandard; }, false, 2, 2,
         "値が有効範囲にありません。(有効範囲　0.001～99.9)", "       0.995", "1.5", "       1.50",
         [] { return FormatPattern(RebarSpecTable[1].UnitMass, "0.000"); }, nullptr},
        {"FSyutekkin", [] { return new FSyutekkin; },
         [](GridDialog* d) { return As<FSyutekkin>(d)->sprCondition; }, false, 2, 2, notNumber,
         "      150", "77", "       77", [] { return RebarCountRule.BoxOutDia[1][1]; },
         [](GridDialog* d) -> QWidget* { return As<FSyutekkin>(d)->Text4[0]; }},
        {"FKouzai", [] { return EditMode(new FKouzai); },
         [](GridDialog* d) { return As<FKouzai>(d)->sprSteel; }, true, 2, 2, notNumber,
         "         80", "95", "         95", [] { return SteelStressTable[1].TauSa; }, nullptr},
        {"FJyuuryo", [] { return EditMode(new FJyuuryo); },
         [](GridDialog* d) { return As<FJyuuryo>(d)->sprWeight; }, true, 2, 2, notNumber,
         "       23.0", "25.5", "       25.5", [] { return UnitWeightTable[0][1].Value; }, nullptr},
        // The rock-bolt group, whose second row is empty.
        {"FHikiAnzen",
         [] {
             Design.WorkType = 3;
             return EditMode(new FHikiAnzen);
         },
         [](GridDialog* d) { return As<FHikiAnzen>(d)->sprSafety; }, true, 2, 2, notNumber, "",
         "3.0", "       3.0", [] { return PullOutSafetyTable[0][1].Value; }, nullptr},
        {"Fmage", [] { return EditMode(new Fmage); },
         [](GridDialog* d) { return As<Fmage>(d)->sprBend; }, true, 2, 2, notNumber,
         "           210", "250", "           250", [] { return PlateStressTable[1].Value; },
         nullptr},
        // The first standard's second row is empty: a value typed into an
        // empty cell.
        {"FKijyunti", [] { return EditMode(new FKijyunti); },
         [](GridDialog* d) { return As<FKijyunti>(d)->sprStandard; }, true, 2, 2, notNumber, "",
         "6.5", "     6.5", [] { return AllowableStressTable[0][1].SigmaCa; },
         [](GridDialog* d) -> QWidget* { return As<FKijyunti>(d)->Text7[0]; }},
    };
}

class CellEntryTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        StandardTab = 0;
        UnitWeightGroup = 0;
        Design.WorkType = 4;
    }
    // Ends the entry being typed into cell (c.col, c.row) by `way`.
    void Leave(const EntryCase& c, Grid* grid, CellWay way) {
        if (LeaveCellByKeyOrClick(grid, way, c.col, c.row + 1)) return;
        if (way == CellWay::CloseBox) {
            CloseBox();
            return;
        }
        QWidget* target = way == CellWay::Ok       ? dialog->cmdOK
                          : way == CellWay::Cancel ? dialog->cmdCancel
                                                   : c.elsewhere(dialog.get());
        QTest::mouseClick(target, Qt::LeftButton);
        Pump();
    }
};

// Each way that keeps the typed text checks it: "abc" is refused with the
// cell's message and the cell shows its last good text; an accepted value is
// shown formatted and OK writes it. Cancel (a catalogue's 編集 ｷｬﾝｾﾙ) and the
// close box drop the typed text without a check.
TEST_F(CellEntryTest, EveryWayOutOfACellRunsItsCheckOrDropsTheEntry) {
    const CellWay ways[] = {CellWay::Return,    CellWay::Tab,  CellWay::Backtab, CellWay::Up,
                            CellWay::Down,      CellWay::Left, CellWay::Right,   CellWay::OtherCell,
                            CellWay::Elsewhere, CellWay::Ok,   CellWay::Cancel,  CellWay::CloseBox};
    for (const EntryCase& c : Cases()) {
        for (CellWay way : ways) {
            if (way == CellWay::Elsewhere && !c.elsewhere) continue;
            SCOPED_TRACE(std::string(c.name) + " / " + CellWayName(way));
            InitAllTables();
            const std::string before = c.stored();
            const bool drops = way == CellWay::Cancel || way == CellWay::CloseBox;

            Show(c.make());
            Grid* grid = c.grid(dialog.get());
            if (!drops) messages.Expect(c.refusedMessage);
            TypeIntoCell(grid, c.col, c.row, "abc");
            ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
            Leave(c, grid, way);
            EXPECT_TRUE(messages.AllShown());
            messages.Clear();
            EXPECT_EQ(c.stored(), before);
            // Only a catalogue's 編集 ｷｬﾝｾﾙ keeps the dialog, in pick mode.
            EXPECT_EQ(Open(), way != CellWay::CloseBox && (!drops || c.catalogue));
            if (Open()) {
                EXPECT_EQ(Cell(grid, c.col, c.row), c.restored);
            }
            if (drops) continue;

            Show(c.make());
            grid = c.grid(dialog.get());
            TypeIntoCell(grid, c.col, c.row, c.typed);
            Leave(c, grid, way);
            if (way == CellWay::Tab)
                SaveShotIfAsked(dialog.get(), QStringLiteral("cellentry_tab_") + c.name);
            if (way != CellWay::Ok) {
                EXPECT_EQ(Cell(grid, c.col, c.row), c.shown);
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
                Pump();
            }
            EXPECT_TRUE(messages.Shown().empty());
            EXPECT_EQ(Open(), c.catalogue);
            EXPECT_EQ(NumVal(c.stored()), NumVal(c.typed));
        }
    }
}

// Delete empties the chosen cell, and the emptied cell then means what an
// emptied entry means in its dialog.
TEST_F(CellEntryTest, DeleteEmptiesACellThatTakesEntries) {
    // The deformed-bar table refuses an empty value at OK.
    auto* kikaku = Show(new FKikaku);
    ClickCell(kikaku->sprStandard, 2, 2);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(Cell(kikaku->sprStandard, 2, 2), "");
    messages.Expect(standards::kIncompleteMessage);
    PressOk();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_TRUE(Open());

    // The count conditions keep the last good value of an emptied cell.
    auto* syutekkin = Show(new FSyutekkin);
    ClickCell(syutekkin->sprCondition, 3, 1);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(Cell(syutekkin->sprCondition, 3, 1), "");
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(TrimBlanks(RebarCountRule.ClearSpacing[0]), "40");

    // A catalogue stores the emptied value at 編集 OK.
    auto* bend = static_cast<Fmage*>(Show(EditMode(new Fmage)));
    ClickCell(bend->sprBend, 2, 1);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(Cell(bend->sprBend, 2, 1), "");
    PressOk();
    EXPECT_EQ(PlateStressTable[0].Value, "");

    // In pick mode nothing can be typed, so nothing is deleted.
    bend = Show(new Fmage);
    ClickCell(bend->sprBend, 2, 2);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(Cell(bend->sprBend, 2, 2), "           210");
}

}  // namespace
}  // namespace talvo::test
