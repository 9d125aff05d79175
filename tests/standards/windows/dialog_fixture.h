// Driving a standard-table dialog offscreen: show it, type into a box or a
// grid cell, leave it, press OK or Cancel, with every message scripted.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>

#include "platform/grid.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/tables.h"
#include "standards/windows/GridDialog.h"
#include "support/qt/shots.h"
#include "support/scripted_messages.h"

namespace talvo::test {

inline void PumpEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

inline std::string Str(const QString& s) {
    return s.toStdString();
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitAllTables();
        StirrupDefaults.ScFormula = 0;
        ResetProgramState();
    }
    void TearDown() override {
        dialog.reset();
        PumpEvents();
    }

public:
    // Shows the dialog (not modally: the test drives it) and activates it.
    template <class D>
    D* Show(D* d) {
        dialog.reset(d);
        d->show();
        d->activateWindow();
        // On a desktop the activation arrives a moment later.
        (void)QTest::qWaitForWindowActive(d, 2000);
        PumpEvents();
        return d;
    }

    // The engineer selects the box and types `text` over its contents.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        PumpEvents();
        box->selectAll();
        box->del();
        box->insert(text);
    }
    static void Type(QLineEdit* box, const char* text) { Type(box, QString::fromUtf8(text)); }
    // Types into `box` and leaves it for `next`.
    static void Enter(QLineEdit* box, const char* text, QWidget* next) {
        Type(box, text);
        next->setFocus(Qt::TabFocusReason);
        PumpEvents();
    }
    // Opens the editor of a cell, types `text` over it and presses Enter.
    static void EditCell(Grid* grid, int col, int row, const QString& text) {
        grid->setFocus(Qt::MouseFocusReason);
        grid->setCurrentCell(row - 1, col - 1);
        const QModelIndex index = grid->model()->index(row - 1, col - 1);
        grid->edit(index);
        PumpEvents();
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
        ASSERT_NE(editor, nullptr) << "no cell editor";
        editor->selectAll();
        editor->del();
        editor->insert(text);
        QTest::keyClick(editor, Qt::Key_Return);
        PumpEvents();
    }
    static void EditCell(Grid* grid, int col, int row, const char* text) {
        EditCell(grid, col, row, QString::fromUtf8(text));
    }
    // The text the editor of a cell starts with (the cell entering editing).
    static std::string EditorStart(Grid* grid, int col, int row) {
        grid->setFocus(Qt::MouseFocusReason);
        grid->setCurrentCell(row - 1, col - 1);
        const QModelIndex index = grid->model()->index(row - 1, col - 1);
        grid->edit(index);
        PumpEvents();
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
        if (!editor) return "<no editor>";
        std::string text = Str(editor->text());
        QTest::keyClick(editor, Qt::Key_Escape);
        PumpEvents();
        return text;
    }
    static std::string Cell(Grid* grid, int col, int row) { return Str(grid->TextAt(col, row)); }

protected:
    void PressOk() {
        dialog->cmdOK->click();
        PumpEvents();
    }
    void PressCancel() {
        dialog->cmdCancel->click();
        PumpEvents();
    }
    void CloseBox() {
        dialog->close();
        PumpEvents();
    }
    bool Open() const { return dialog && dialog->isVisible(); }
    // Every standard table as the settings file would hold it: equal texts
    // mean no table changed.
    static std::string Tables() { return SerializeSettings(); }
    // The five recalculation flags, as a text "load force anchor result kusabi".
    static std::string Flags() {
        return std::to_string(RecalcLoad) + std::to_string(RecalcForce) +
               std::to_string(RecalcAnchorBar) + std::to_string(RecalcResult) +
               std::to_string(RecalcKusabi);
    }

    ScriptedMessages messages;
    std::unique_ptr<GridDialog> dialog;
};

}  // namespace talvo::test
