#include "steps/windows/SectionSketch.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/mdichild.h"

namespace talvo {

namespace {

// The drawing in twips: the section square, and where its dimension lines run.
constexpr int kLeft = 520;
constexpr int kTop = 300;
constexpr int kSide = 1200;
constexpr int kRight = kLeft + kSide;
constexpr int kBottom = kTop + kSide;
constexpr int kBarDepth = 930;  // compressed (upper) face to the bar centres
constexpr int kBarRadius = 70;
constexpr int kHLine = 330;   // x of the h dimension line
constexpr int kDLine = 1870;  // x of the d dimension line
constexpr int kBLine = 1700;  // y of the b dimension line
constexpr int kArrow = 90;

void Arrow(QPainter& p, QPointF tip, QPointF dir) {
    const QPointF side(-dir.y(), dir.x());
    QPolygonF head;
    head << tip << tip - dir * kArrow + side * (kArrow / 3.0)
         << tip - dir * kArrow - side * (kArrow / 3.0);
    p.drawPolygon(head);
}

// A dimension line from a to b with arrow heads at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    QPointF d = b - a;
    const double len = std::max(1.0, std::hypot(d.x(), d.y()));
    d /= len;
    Arrow(p, a, -d);
    Arrow(p, b, d);
}

// A letter with its index, the index smaller and lower: "b" with "y".
void Symbol(QPainter& p, const QString& letter, const QString& index, QRectF box) {
    QFont f(QStringLiteral("IPAMincho"));
    f.setItalic(true);
    f.setPixelSize(230);
    QFont small = f;
    small.setPixelSize(160);
    const double wLetter = QFontMetricsF(f).horizontalAdvance(letter);
    const double wIndex = QFontMetricsF(small).horizontalAdvance(index);
    const double x = box.center().x() - (wLetter + wIndex) / 2;
    const double base = box.center().y() + QFontMetricsF(f).ascent() / 2 - 20;
    p.setFont(f);
    p.drawText(QPointF(x, base), letter);
    p.setFont(small);
    p.drawText(QPointF(x + wLetter, base + 70), index);
}

}  // namespace

SectionSketch::SectionSketch(const QString& index, QWidget* parent)
    : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("picSection(%1)").arg(index == QLatin1String("y") ? 0 : 1));
}

void SectionSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Drawn in twips.
    p.scale(1.0 / TwipsPerPixelX(), 1.0 / TwipsPerPixelY());

    // Concrete: a grey ground with gravel and sand scattered over it. The
    // scatter is fixed, so the sketch looks the same on every repaint.
    const QRectF section(kLeft, kTop, kSide, kSide);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 214, 206));
    p.drawRect(section);
    std::uint32_t seed = 20231;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    p.setBrush(QColor(150, 150, 140));
    for (int k = 0; k < 46; ++k) {
        const double x = kLeft + 40 + next(kSide - 80);
        const double y = kTop + 40 + next(kSide - 80);
        const double r = 22 + next(30);
        QPolygonF stone;
        stone << QPointF(x, y - r) << QPointF(x + r, y + r * 0.6)
              << QPointF(x - r * 0.8, y + r * 0.5);
        p.drawPolygon(stone);
    }
    p.setBrush(QColor(110, 110, 104));
    for (int k = 0; k < 140; ++k)
        p.drawEllipse(QPointF(kLeft + 15 + next(kSide - 30), kTop + 15 + next(kSide - 30)), 9, 9);

    // Outline and the tension bars at the effective height.
    QPen outline(QColor(0, 0, 0), 30);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(section);
    p.setBrush(QColor(40, 40, 40));
    p.setPen(QPen(QColor(0, 0, 0), 15));
    const int barY = kTop + kBarDepth;
    for (int x : {kLeft + 200, kLeft + kSide / 2, kRight - 200})
        p.drawEllipse(QPointF(x, barY), kBarRadius, kBarRadius);

    // Extension lines, thin and dashed.
    QPen ext(QColor(0, 0, 0), 15, Qt::DashLine);
    p.setPen(ext);
    p.drawLine(kLeft, kBottom + 40, kLeft, kBLine + 100);
    p.drawLine(kRight, kBottom + 40, kRight, kBLine + 100);
    p.drawLine(kLeft - 40, kTop, kHLine - 100, kTop);
    p.drawLine(kLeft - 40, kBottom, kHLine - 100, kBottom);
    p.drawLine(kRight + 40, kTop, kDLine + 100, kTop);
    p.drawLine(kRight - 200 + kBarRadius + 20, barY, kDLine + 100, barY);

    // Dimension lines of b, h and d.
    p.setPen(QPen(QColor(0, 0, 160), 15));
    p.setBrush(QColor(0, 0, 160));
    Dimension(p, QPointF(kLeft, kBLine), QPointF(kRight, kBLine));
    Dimension(p, QPointF(kHLine, kTop), QPointF(kHLine, kBottom));
    Dimension(p, QPointF(kDLine, kTop), QPointF(kDLine, barY));

    p.setPen(QColor(0, 0, 0));
    Symbol(p, QStringLiteral("b"), index_, QRectF(kLeft, kBLine + 40, kSide, 300));
    Symbol(p, QStringLiteral("h"), index_, QRectF(0, kTop, kHLine - 40, kSide));
    Symbol(p, QStringLiteral("d"), index_, QRectF(kDLine + 20, kTop, 280, kBarDepth));
}

}  // namespace talvo
