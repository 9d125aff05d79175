// A bare main window for the step-window tests: an MDI area, the toolbar
// step icons and the print tool, and a start-screen action that behaves like
// the selection step's load (with StepMode 2 it closes the chain).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>
#include <string>

#include "platform/toolbarmenu.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/stepchain.h"
#include "shell/windows/StepManager.h"

namespace talvo::test {

// Lets pending events run, and deletes the windows that were unloaded.
inline void PumpEvents() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class StepTestHost : public MainWindowHost {
public:
    StepTestHost() {
        window = std::make_unique<QMainWindow>();
        area = new QMdiArea;
        window->setCentralWidget(area);
        tools = new ToolbarMenu(window.get());
        QMenu* menu = tools->AddMenu(window->menuBar(), QStringLiteral("ID_ウィンドウ(W)"),
                                     QStringLiteral("ウィンドウ(&W)"));
        for (int i = 1; i <= 15; ++i) {
            QString id = QString::fromStdString(StepIconId(i));
            tools->AddItem(menu, id, QStringLiteral("アイコン%1").arg(i))->setVisible(false);
        }
        tools->AddTool(QStringLiteral("ID_印刷"), QStringLiteral("印刷(&P)..."));
        window->resize(1000, 700);
        window->show();
        window->activateWindow();
        // Activation arrives asynchronously; the first test of a run must not
        // start before the window can hold the focus.
        (void)QTest::qWaitForWindowActive(window.get(), 2000);
        manager = std::make_unique<StepManager>(this);
    }
    ~StepTestHost() override {
        manager.reset();
        window.reset();
        PumpEvents();
    }

    QMdiArea* MdiArea() override { return area; }
    ToolbarMenu* Tools() override { return tools; }
    void SetMainCaption(const std::string& c) override { caption = c; }
    void ShowSelectStep() override {
        ++selectShown;
        if (StepMode == 2) manager->CloseSteps();
        StepMode = 0;
    }

    // Builds and opens the chain of the work type, as the selection step does.
    void OpenChain(int workType, int ptDirect = 0) {
        Design.WorkType = static_cast<std::int16_t>(workType);
        Design.PtDirect = static_cast<std::int16_t>(ptDirect);
        StepMode = 1;
        manager->SetStepNames();
        manager->MakeStepForms();
        manager->OpenSteps();
        PumpEvents();
    }

    // Sub windows of the area that are still shown.
    int ShownWindows() const {
        int n = 0;
        for (QMdiSubWindow* s : area->subWindowList())
            if (s->isVisible()) ++n;
        return n;
    }

    std::unique_ptr<QMainWindow> window;
    QMdiArea* area = nullptr;
    ToolbarMenu* tools = nullptr;
    std::unique_ptr<StepManager> manager;
    std::string caption;
    int selectShown = 0;
};

}  // namespace talvo::test
