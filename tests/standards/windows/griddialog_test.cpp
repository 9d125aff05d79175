// The dialog base: the check of a box or a grid cell when it is left, the
// working copy, OK with its completeness check, Cancel and the close box.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "platform/formkit.h"
#include "shell/numtext.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

using standards::EmptyEntry;
using standards::FieldSpec;

// A small table: two limits kept in order by a rule (the second box refuses
// with the focus taken back), and a grid with one number cell per row, an
// emptied cell keeping its last good value, and a name column of its own.
std::array<std::string, 4> gTable;
int gNameChecks = 0;

class TinyDialog : public GridDialog {
public:
    TinyDialog() : GridDialog("FTiny", "小さな表", 6000, 4000) {
        txtLow = AddEntryBox(this, "txtLow", 200, 200, 1000, 300);
        txtHigh = AddEntryBox(this, "txtHigh", 1400, 200, 1000, 300);
        grid = new Grid(2, 2, this);
        grid->setObjectName("sprTiny");
        PlaceTwips(grid, 200, 700, 5000, 1500);
        GridLock(grid, true);
        AddOkCancel(1000, 3000, 3000, 1200, 400);

        FieldSpec limit;
        limit.min = 1;
        limit.max = 99;
        limit.places = 3;
        low = AddBoxField(txtLow, limit);
        limit.refocusOnRefusal = true;
        high = AddBoxField(txtHigh, limit);
        FieldSpec cell;
        cell.min = 0;
        cell.max = 999;
        cell.places = 5;
        cell.empty = EmptyEntry::KeepLast;
        cell1 = AddCellField(grid, 2, 1, cell);
        cell.empty = EmptyEntry::Restore;
        cell2 = AddCellField(grid, 2, 2, cell);
        SetCellRoutine(grid, 1, [this](int row) {
            ++gNameChecks;
            grid->SetText(1, row, QStringLiteral("  ") + grid->TextAt(1, row).toUpper());
            return true;
        });
        SetRule(low, [this] {
            if (!Working(low).empty() && !Working(high).empty() &&
                NumVal(Working(low)) > NumVal(Working(high)))
                Put(high, Working(low));
        });

        Load(low, FormatNum(gTable[0], 3, 0));
        Load(high, FormatNum(gTable[1], 3, 0));
        Load(cell1, FormatNum(gTable[2], 5, 0));
        Load(cell2, FormatNum(gTable[3], 5, 0));
        grid->SetText(1, 1, QStringLiteral("  ab"));
    }
    void Commit() override {
        for (int i = 0; i < 4; ++i) gTable[static_cast<std::size_t>(i)] = TrimBlanksOf(Working(i));
        RecalcResult = 1;
    }
    bool CloseOnCommit() const override { return closes; }
    bool closes = true;
    static std::string TrimBlanksOf(const std::string& s) { return TrimBlanks(s); }

    QLineEdit* txtLow;
    QLineEdit* txtHigh;
    Grid* grid;
    int low, high, cell1, cell2;
};

class GridDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        gTable = {"10", "20", "5", "7"};
        gNameChecks = 0;
        w = Show(new TinyDialog);
    }
    TinyDialog* w = nullptr;
};

TEST_F(GridDialogTest, LoadsTheControlsAndTheWorkingCopyFromTheTable) {
    EXPECT_EQ(Str(w->txtHigh->text()), " 20");
    EXPECT_EQ(w->WorkingCopy(), (std::vector<std::string>{" 10", " 20", "    5", "    7"}));
    EXPECT_EQ(Cell(w->grid, 2, 2), "    7");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("小さな表"));
}

TEST_F(GridDialogTest, ALeftBoxIsCheckedFormattedAndKeptOrRestored) {
    Enter(w->txtLow, "１５", w->cmdCancel);  // full-width digits pass, made half-width
    EXPECT_EQ(Str(w->txtLow->text()), " 15");
    EXPECT_EQ(w->Working(w->low), " 15");

    messages.Expect("値が有効範囲にありません。\r有効範囲（1～99）");
    Enter(w->txtLow, "100", w->cmdCancel);
    EXPECT_EQ(Str(w->txtLow->text()), " 15");  // the last good text again
    EXPECT_EQ(w->Working(w->low), " 15");
    EXPECT_NE(QApplication::focusWidget(), w->txtLow);  // this box does not take the focus back

    // The rule runs after an accepted entry and moves the other field.
    Enter(w->txtLow, "30", w->cmdCancel);
    EXPECT_EQ(Str(w->txtHigh->text()), " 30");
    EXPECT_EQ(w->Working(w->high), " 30");

    // Emptied: accepted without a message, the element becomes empty.
    Enter(w->txtLow, "", w->cmdCancel);
    EXPECT_EQ(w->Working(w->low), "");
}

TEST_F(GridDialogTest, ARefusedBoxCanTakeTheFocusBack) {
    messages.Expect("値が正しくありません。");
    Enter(w->txtHigh, "x", w->txtLow);
    EXPECT_EQ(w->Working(w->high), " 20");
    EXPECT_EQ(QApplication::focusWidget(), w->txtHigh);
    // The last good text, selected whole without its leading blank.
    EXPECT_EQ(Str(w->txtHigh->text()), "20");
    EXPECT_EQ(Str(w->txtHigh->selectedText()), "20");
}

TEST_F(GridDialogTest, ACellIsTrimmedOnEnteringAndCheckedOnLeaving) {
    EXPECT_EQ(EditorStart(w->grid, 2, 1), "5");
    EXPECT_EQ(Cell(w->grid, 2, 1), "    5");  // left unchanged: checked and formatted again

    EditCell(w->grid, 2, 1, "１２");
    EXPECT_EQ(Cell(w->grid, 2, 1), "   12");
    EXPECT_EQ(w->Working(w->cell1), "   12");

    messages.Expect("値が有効範囲にありません。\r有効範囲（0～999）");
    EditCell(w->grid, 2, 1, "1000");
    EXPECT_EQ(Cell(w->grid, 2, 1), "   12");

    // Emptied: this cell stays empty and keeps its last good value; the
    // other gets its value back.
    EditCell(w->grid, 2, 1, "");
    EXPECT_EQ(Cell(w->grid, 2, 1), "");
    EXPECT_EQ(w->Working(w->cell1), "   12");
    EditCell(w->grid, 2, 2, "");
    EXPECT_EQ(Cell(w->grid, 2, 2), "    7");
    EXPECT_EQ(w->Working(w->cell2), "    7");

    // A column with its own routine.
    EditCell(w->grid, 1, 1, "cd");
    EXPECT_EQ(gNameChecks, 1);
    EXPECT_EQ(Cell(w->grid, 1, 1), "  CD");
}

TEST_F(GridDialogTest, OkFinishesTheEditedEntryThenCommits) {
    Type(w->txtLow, "40");  // still in the box when OK is pressed
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(gTable, (std::array<std::string, 4>{"40", "40", "5", "7"}));
    EXPECT_EQ(Flags(), "00010");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(ClickPending, 0);
}

TEST_F(GridDialogTest, ADialogCanStayOpenAfterItsCommit) {
    w->closes = false;
    Enter(w->txtLow, "12", w->txtHigh);
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(gTable[0], "12");
    EXPECT_EQ(ClickPending, 0);
}

TEST_F(GridDialogTest, OkFinishesAnOpenCellEditor) {
    w->grid->setFocus();
    w->grid->setCurrentCell(1, 1);
    w->grid->edit(w->grid->model()->index(1, 1));
    PumpEvents();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->setText("321");
    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(gTable[3], "321");
}

TEST_F(GridDialogTest, ARefusedEntryStopsOk) {
    Type(w->txtLow, "0");
    messages.Expect("値が有効範囲にありません。\r有効範囲（1～99）");
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(gTable[0], "10");
    EXPECT_EQ(Str(w->txtLow->text()), " 10");
    EXPECT_EQ(ClickPending, 0);
}

// An incomplete table is refused, and nothing stays waiting: neither the
// focus reaching a box nor the dialog coming back to the front commits it.
TEST_F(GridDialogTest, AnIncompleteTableIsRefusedAndNothingStaysPending) {
    Enter(w->txtHigh, "", w->txtLow);
    messages.Expect(standards::kIncompleteMessage);
    PressOk();
    EXPECT_TRUE(Open());
    EXPECT_EQ(ClickPending, 0);
    EXPECT_EQ(gTable[1], "20");

    Enter(w->txtHigh, "50", w->txtLow);
    w->txtHigh->setFocus(Qt::TabFocusReason);
    w->activateWindow();
    PumpEvents();
    EXPECT_TRUE(Open());
    EXPECT_EQ(gTable[1], "20");
    EXPECT_EQ(Flags(), "00000");

    PressOk();
    EXPECT_FALSE(Open());
    EXPECT_EQ(gTable[1], "50");
}

TEST_F(GridDialogTest, CancelEscapeAndTheCloseBoxLeaveTheTable) {
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        w = Show(new TinyDialog);
        Type(w->txtLow, "77");  // being edited: no check, no message
        if (how == 0) PressCancel();
        if (how == 1) QTest::keyClick(w->txtLow, Qt::Key_Escape);
        if (how == 2) CloseBox();
        PumpEvents();
        EXPECT_FALSE(Open());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(gTable, (std::array<std::string, 4>{"10", "20", "5", "7"}));
        EXPECT_EQ(Flags(), "00000");
    }
    // Opened again, the dialog shows the table.
    w = Show(new TinyDialog);
    EXPECT_EQ(w->Working(w->low), " 10");
}

}  // namespace
}  // namespace talvo::test

namespace talvo::test {
namespace {

// A Return as the keyboard sends it to the control with the focus; `held`
// is the repeat a key held down sends.
void PressReturn(bool held = false) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    if (held) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                        true);
        QApplication::sendEvent(focus, &press);
    } else {
        QTest::keyClick(focus, Qt::Key_Return);
    }
    PumpEvents();
}

// Return presses the button that holds the focus, as Space does: Cancel
// drops the typed limit although OK is the dialog's default, OK writes it.
// A Return typed in a box still goes to OK, the default, and a Return
// repeated by a held key presses nothing.
TEST_F(GridDialogTest, ReturnPressesTheFocusedButton) {
    struct Case {
        const char* name;
        QPushButton* TinyDialog::*focus;  // null: the box stays in the focus
        bool held;
        bool open;
        const char* low;
    };
    const Case cases[] = {
        {"Cancel", &TinyDialog::cmdCancel, false, false, "10"},
        {"OK", &TinyDialog::cmdOK, false, false, "30"},
        {"in the box", nullptr, false, false, "30"},
        {"Cancel, the key held", &TinyDialog::cmdCancel, true, true, "10"},
        {"OK, the key held", &TinyDialog::cmdOK, true, true, "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gTable = {"10", "20", "5", "7"};
        w = Show(new TinyDialog);
        Type(w->txtLow, "30");
        if (c.focus) {
            // Tab by Tab from the box to the button.
            for (int i = 0; i < 10 && QApplication::focusWidget() != w->*c.focus; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), w->*c.focus);
        }
        PressReturn(c.held);
        EXPECT_EQ(Open(), c.open);
        EXPECT_EQ(gTable[0], c.low);
    }
}

}  // namespace
}  // namespace talvo::test
