// Driving windows as a person does: a click on the button that stands for a
// tool, and acting inside a modal window once it is up.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

namespace talvo::test {

// Clicks the button of `tool` on `bar` with the mouse. The button must be on
// the bar where it can be seen (not folded away, not disabled); a tool without
// a button fails the test.
inline void ClickToolButton(QToolBar* bar, QAction* tool) {
    ASSERT_NE(tool, nullptr);
    QWidget* button = bar->widgetForAction(tool);
    ASSERT_NE(button, nullptr) << tool->text().toStdString();
    ASSERT_TRUE(button->isVisible()) << tool->text().toStdString();
    ASSERT_TRUE(button->isEnabled()) << tool->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs `act` on the modal window of type T as soon as it is the active modal
// window. Modal windows run their own event loop, so a test that opens one
// acts from inside it through this.
template <class T>
void WhenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

}  // namespace talvo::test
