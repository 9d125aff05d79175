// A main window whose step chain is built as the selection step builds it,
// for the tests that drive the results window at the end of the chain.
#pragma once

#include <QApplication>
#include <QEvent>
#include <functional>

#include "results/windows/NNkekka.h"
#include "shell/globals.h"
#include "shell/windows/shell_fixture.h"

namespace talvo::test {

// Lets the posted events and the deferred deletions of a step change run.
inline void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class ResultsChainTest : public ShellTest {
protected:
    StepManager* Steps() const { return main->Steps(); }
    NNkekka* Results() const { return qobject_cast<NNkekka*>(Steps()->ResultsWindow()); }
    int Last() const { return static_cast<int>(Steps()->StepForms()->Count()); }

    // The main window with the chain of the design `prepare` leaves, built
    // as the selection step builds it; every window is loaded, none shown.
    void OpenChain(const std::function<void()>& prepare) {
        Open();
        prepare();
        main->UnloadSelectStep();
        StepMode = 1;
        Steps()->SetStepNames();
        Steps()->MakeStepForms();
        Steps()->OpenSteps();
        Settle();
        ASSERT_NE(Results(), nullptr);
    }
};

}  // namespace talvo::test
