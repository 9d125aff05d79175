#include "platform/tabstrip.h"

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

}  // namespace talvo
