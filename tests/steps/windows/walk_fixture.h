// Walking a chain of steps as the engineer does: a click into each box and
// the text typed over it, check boxes and options clicked on their marks,
// each step left with its next button; then the design record checked field
// by field.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <initializer_list>
#include <string>

#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {

class ChainWalkTest : public InputStepTest {
protected:
    template <class W>
    W* At(int step) {
        auto* w = dynamic_cast<W*>(host->manager->Step(step));
        EXPECT_NE(w, nullptr) << "step " << step;
        return w;
    }

    // A click into the box (which ends the box before), then the text typed
    // over the selected contents.
    static void Key(QLineEdit* box, const QString& text) {
        ASSERT_TRUE(box->isEnabled() && box->isVisible()) << box->objectName().toStdString();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        PumpEvents();
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
        box->selectAll();
        box->insert(text);
    }
    // The last box of a window is left with the Tab key.
    static void TabOut(QLineEdit* box) {
        QTest::keyClick(box, Qt::Key_Tab);
        PumpEvents();
        EXPECT_FALSE(box->hasFocus()) << box->objectName().toStdString();
    }
    // A check box or option button clicked on its mark.
    static void Tick(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        PumpEvents();
    }
    // A text or picture clicked in its middle.
    static void ClickOn(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton);
        PumpEvents();
    }
    // The next button of the step; the step after it becomes current.
    void Next(StepForm* w, int expectStep) {
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        PumpEvents();
        ASSERT_EQ(CurStep, expectStep) << w->ClassName().toStdString();
        EXPECT_EQ(w->State(), WindowState::Minimized);
    }
    // The main window as the walk left it, for people to look at when asked.
    void Shoot(const QString& name) { SaveShotIfAsked(host->window.get(), name); }
    // Where the walk ends.
    void ExpectArrivedAt(int step, const char* className) {
        StepForm* w = host->manager->Step(step);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->ClassName().toStdString(), className);
        EXPECT_EQ(w->State(), WindowState::Normal);
    }

    struct Field {
        const char* name;
        const std::string& got;
        const char* want;
    };
    static void ExpectFields(std::initializer_list<Field> fields) {
        for (const Field& f : fields) EXPECT_EQ(f.got, f.want) << f.name;
    }
};

}  // namespace talvo::test
