// The member-force step windows in the chain of a filled design, over a bare
// main window: helpers to open the chain, make a step current, type into a
// box and leave it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "shell/globals.h"
#include "shell/windows/step_test_host.h"
#include "support/filled_design.h"
#include "support/scripted_messages.h"

namespace talvo::test {

// Runs `onFocusIn` when `w` gets the focus, before the window's own handling
// of it: tells what the window had done by the moment the focus arrived.
class FocusInWatch : public QObject {
public:
    FocusInWatch(QWidget* w, std::function<void()> onFocusIn) : onFocusIn_(std::move(onFocusIn)) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) onFocusIn_();
        return false;
    }

private:
    std::function<void()> onFocusIn_;
};

class ForceStepTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCalcState();
        host = std::make_unique<StepTestHost>();
    }
    void TearDown() override { host.reset(); }

    StepManager& M() { return *host->manager; }

    // Opens the chain of the filled design of `type` (after `adjust` changed
    // it) with step 1 current and every flag lowered; every window is
    // newly loaded.
    template <class Adjust>
    void Open(int type, Adjust adjust) {
        // A chain still open is closed first, as the selection step does, so
        // that every window is loaded afresh.
        if (M().ChainOpen()) M().CloseSteps();
        PumpEvents();
        FillDesign(static_cast<std::int16_t>(type));
        adjust();
        host->OpenChain(type);
        M().ShowStep(1);
        PumpEvents();
        LowerFlags();
    }
    void Open(int type) {
        Open(type, [] {});
    }
    static void LowerFlags() {
        SetAllRecalc(false);
        DataChanged = 0;
    }

    // Makes step n current; its activation runs.
    void Show(int n) {
        M().ShowStep(n);
        PumpEvents();
    }
    template <class T>
    T* Step(int n) {
        T* w = qobject_cast<T*>(M().Step(n));
        EXPECT_NE(w, nullptr) << "step " << n << " is not its own window";
        return w;
    }

    // Gives the box the focus and replaces its text by `text` as typed (full-
    // width digits included); the box keeps the focus.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        PumpEvents();
        box->selectAll();
        box->del();
        box->insert(text);
    }
    // Moves the focus to `to`, so that the box being left is checked.
    static void FocusTo(QWidget* to) {
        to->setFocus(Qt::MouseFocusReason);
        PumpEvents();
    }

    ScriptedMessages messages;
    std::unique_ptr<StepTestHost> host;
};

}  // namespace talvo::test
