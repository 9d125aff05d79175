#include "platform/tabstrip.h"

#include <QKeySequence>
#include <QShortcut>

namespace talvo {

TabStrip::TabStrip(const QStringList& captions, QWidget* parent) : QTabBar(parent) {
    setExpanding(false);
    setDrawBase(true);
    for (const QString& c : captions) addTab(c);
    previous_ = currentIndex();
    // currentChanged is delivered directly: the handler runs inside SetTab.
    connect(this, &QTabBar::currentChanged, this, [this](int now) {
        const int before = previous_;
        previous_ = now;
        emit Click(before);
    });
}

void TabStrip::SwitchFromAnywhereIn(QWidget* window) {
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            if (isEnabled() && isVisible()) Step(step);
        });
    }
}

void TabStrip::Step(int step) {
    const int n = count();
    int tab = currentIndex();
    for (int tried = 0; tried < n; ++tried) {
        tab = ((tab + step) % n + n) % n;
        if (isTabEnabled(tab)) {
            SetTab(tab);
            return;
        }
    }
}

}  // namespace talvo
