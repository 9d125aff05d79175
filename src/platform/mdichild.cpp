#include "platform/mdichild.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cmath>

namespace talvo {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double Dpi(bool x) {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? (x ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

double TwipsPerPixelX() {
    return kTwipsPerInch / Dpi(true);
}
double TwipsPerPixelY() {
    return kTwipsPerInch / Dpi(false);
}
int TwipsToPixelsX(int twips) {
    return Round(twips / TwipsPerPixelX());
}
int TwipsToPixelsY(int twips) {
    return Round(twips / TwipsPerPixelY());
}
int PixelsToTwipsX(int pixels) {
    return Round(pixels * TwipsPerPixelX());
}
int PixelsToTwipsY(int pixels) {
    return Round(pixels * TwipsPerPixelY());
}

std::int16_t ClampTwips(long long twips) {
    if (twips < -32768) return -32768;
    if (twips > 32767) return 32767;
    return static_cast<std::int16_t>(twips);
}

QRect TwipsToPixels(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    if (!w) return;
    QRect r = TwipsToPixels(left, top, width, height);
    if (w->isWindow()) {
        // A top-level window is placed by its frame; the frame's extra size is
        // known only once the window manager has framed it (else 0).
        QSize extra = w->frameGeometry().size() - w->size();
        w->move(r.topLeft());
        w->resize(std::max(1, r.width() - extra.width()), std::max(1, r.height() - extra.height()));
    } else {
        w->setGeometry(r);
    }
}

TwipsBox GetTwipsGeometry(const QWidget* w) {
    TwipsBox b;
    if (!w) return b;
    QRect r = w->isWindow() ? w->frameGeometry() : w->geometry();
    b.left = ClampTwips(PixelsToTwipsX(r.x()));
    b.top = ClampTwips(PixelsToTwipsY(r.y()));
    b.width = ClampTwips(PixelsToTwipsX(r.width()));
    b.height = ClampTwips(PixelsToTwipsY(r.height()));
    return b;
}

int ScreenWidthTwips() {
    QScreen* s = QGuiApplication::primaryScreen();
    return ClampTwips(PixelsToTwipsX(s ? s->geometry().width() : 1024));
}

int ScreenHeightTwips() {
    QScreen* s = QGuiApplication::primaryScreen();
    return ClampTwips(PixelsToTwipsY(s ? s->geometry().height() : 768));
}

QMdiSubWindow* SubWindowOf(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(const_cast<QWidget*>(p))) return sub;
        if (p->isWindow()) break;
    }
    return nullptr;
}

namespace {
QWidget* StateHolder(const QWidget* w) {
    if (QMdiSubWindow* sub = SubWindowOf(w)) return sub;
    return w ? const_cast<QWidget*>(w)->window() : nullptr;
}
}  // namespace

WindowState GetWindowState(const QWidget* w) {
    QWidget* h = StateHolder(w);
    if (!h) return WindowState::Normal;
    Qt::WindowStates s = h->windowState();
    if (s & Qt::WindowMinimized) return WindowState::Minimized;
    if (s & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

void SetWindowState(QWidget* w, WindowState state) {
    QWidget* h = StateHolder(w);
    if (!h) return;
    switch (state) {
        case WindowState::Normal:
            h->showNormal();
            break;
        case WindowState::Minimized:
            h->showMinimized();
            break;
        case WindowState::Maximized:
            h->showMaximized();
            break;
    }
}

void RemoveCaptionIcon(QWidget* w) {
    if (!w) return;
    QPixmap empty(16, 16);
    empty.fill(Qt::transparent);
    QIcon icon(empty);
    w->setWindowIcon(icon);
    if (QMdiSubWindow* sub = SubWindowOf(w)) sub->setWindowIcon(icon);
}

}  // namespace talvo
