// The tab strip of the results window and the dialogs: a row of tabs above
// controls that stay where they are (the window shows another set in them
// when the tab changes). Setting the tab from code runs the same handler as
// a click, before the assignment returns, as the windows expect; a window
// that must not react to its own assignment guards it.
#pragma once

#include <QStringList>
#include <QTabBar>

namespace talvo {

class TabStrip : public QTabBar {
    Q_OBJECT
public:
    explicit TabStrip(const QStringList& captions, QWidget* parent = nullptr);

    int Tab() const { return currentIndex(); }
    // Makes `tab` current; a change runs Click at once.
    void SetTab(int tab) { setCurrentIndex(tab); }

    void SetCaption(int tab, const QString& caption) { setTabText(tab, caption); }
    QString Caption(int tab) const { return tabText(tab); }

    // Ctrl+Tab and Ctrl+PgDn show the next tab, Ctrl+Shift+Tab and Ctrl+PgUp
    // the previous one (round the ends), wherever the focus is in `window`.
    // The strip itself is one Tab stop whose arrow keys switch it.
    void SwitchFromAnywhereIn(QWidget* window);
    // The next enabled tab `step` places on (-1 the previous), round the ends.
    void Step(int step);

signals:
    // The current tab changed, by the engineer or by code; the previous tab
    // is given for the windows that read it.
    void Click(int previousTab);

private:
    int previous_ = 0;
};

}  // namespace talvo
