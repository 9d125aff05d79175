// Walking a window with the Tab key as an engineer without a mouse does:
// each press goes to the control holding the focus, and the walk ends when
// the focus is back where it started. What a person must be able to reach
// so: every enabled entry box, check box, list or grid, and every choice of
// options (one stop for the whole choice).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace talvo::test {

// One stop the walk must reach: a control, or the options of one choice.
struct TabStop {
    std::string name;
    std::vector<QWidget*> members;
};

// The stops of `window` a person must reach: visible and enabled, inside the
// window's visible area (a focus sink below it is no stop), and not a part
// of another control (the editor of a grid cell, the box of a combo box).
inline std::vector<TabStop> RequiredStops(QWidget* window) {
    std::vector<TabStop> stops;
    std::map<const QObject*, std::size_t> choices;  // a group or a parent -> its stop
    const QRect inner = window->rect();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        if (!inner.intersects(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) continue;
        bool part = false;
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (qobject_cast<QAbstractItemView*>(p) || qobject_cast<QComboBox*>(p)) part = true;
        if (part) continue;
        const std::string name = w->objectName().toStdString();
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            if (!box->isReadOnly()) stops.push_back({name, {w}});
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w)) {
            stops.push_back({name, {w}});
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            if (view->focusPolicy() != Qt::NoFocus) stops.push_back({name, {w}});
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            const QObject* key = option->group() ? static_cast<const QObject*>(option->group())
                                                 : option->parentWidget();
            auto it = choices.find(key);
            if (it == choices.end()) {
                choices[key] = stops.size();
                stops.push_back({name, {w}});
            } else {
                stops[it->second].name += "|" + name;
                stops[it->second].members.push_back(w);
            }
        }
    }
    return stops;
}

// Whether the Tab key stops at `w` (a control that takes the focus only from
// its window or a click, as a picture holding it at opening, is passed by).
inline bool IsTabStop(const QWidget* w) {
    return w && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The controls the focus passes, one key press each, from the control
// holding it until it is back there, or, from a control the Tab key passes
// by, back at the first stop it reached (at most `limit` presses).
inline std::vector<QWidget*> WalkTabs(QWidget* window, bool backwards, int limit = 400) {
    std::vector<QWidget*> seen;
    QWidget* start = QApplication::focusWidget();
    if (!start) return seen;
    seen.push_back(start);
    QWidget* round = IsTabStop(start) ? start : nullptr;
    for (int i = 0; i < limit; ++i) {
        QWidget* now = QApplication::focusWidget();
        if (!now || !window->isAncestorOf(now)) break;
        QTest::keyClick(now, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        for (int k = 0; k < 3; ++k) QApplication::processEvents();
        QWidget* next = QApplication::focusWidget();
        if (next == round) break;
        if (!round) round = next;
        seen.push_back(next);
    }
    return seen;
}

// The walk as names; a control passed several times running (the cells of a
// grid) is named once with its count.
inline std::string Names(const std::vector<QWidget*>& ws) {
    std::string s;
    for (std::size_t i = 0; i < ws.size();) {
        std::size_t n = 1;
        while (i + n < ws.size() && ws[i + n] == ws[i]) ++n;
        s += (ws[i] ? ws[i]->objectName().toStdString() : "(none)");
        if (n > 1) s += "×" + std::to_string(n);
        s += " ";
        i += n;
    }
    return s;
}

// Tab and Shift+Tab, each from the control holding the focus, reach every
// stop before the focus returns, and never leave the window.
inline void ExpectEveryStopReached(QWidget* window) {
    const std::vector<TabStop> stops = RequiredStops(window);
    QWidget* start = QApplication::focusWidget();
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(window->isAncestorOf(start)) << start->objectName().toStdString();
    for (bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "Shift+Tab" : "Tab");
        start->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        const std::vector<QWidget*> walk = WalkTabs(window, backwards);
        const std::set<QWidget*> seen(walk.begin(), walk.end());
        for (QWidget* w : walk)
            EXPECT_TRUE(w && window->isAncestorOf(w)) << "left the window: " << Names(walk);
        QWidget* round = IsTabStop(start) || walk.size() < 2 ? start : walk[1];
        EXPECT_EQ(QApplication::focusWidget(), round) << "did not come back: " << Names(walk);
        for (const TabStop& stop : stops) {
            bool reached = false;
            for (QWidget* m : stop.members) reached = reached || seen.count(m) > 0;
            EXPECT_TRUE(reached) << stop.name << " never reached; the walk: " << Names(walk);
            // A choice is one stop: the arrow keys, not the Tab key, go round it.
            int members = 0;
            for (QWidget* m : stop.members) members += static_cast<int>(seen.count(m));
            EXPECT_LE(members, 1) << stop.name << " is more than one stop: " << Names(walk);
        }
    }
}

}  // namespace talvo::test
