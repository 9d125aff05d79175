#include "steps/windows/SlopeFigure.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

#include "platform/mdichild.h"
#include "shell/angles.h"
#include "shell/globals.h"

namespace talvo {

namespace {

// Every drawing is laid out in twips; these turn a twips position into the
// widget's pixels through the screen's twips per pixel.
QPointF T(double x, double y) {
    return {x / TwipsPerPixelX(), y / TwipsPerPixelY()};
}
QPointF T(QPointF p) {
    return T(p.x(), p.y());
}

const QColor kSoil{222, 200, 160};
const QColor kSoilLine{120, 84, 40};
const QColor kFailure{196, 150, 96};
const QColor kConcrete{170, 170, 170};
const QColor kDimension{0, 0, 150};
const QColor kGreen{150, 200, 120};

void FillBack(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kSlopeFigureBack);
    w->setPalette(pal);
}

// An arrow head at `tip` (twips) pointing along (dx, dy), a unit vector.
void ArrowHead(QPainter& p, QPointF tip, double dx, double dy) {
    const double len = 110;
    const double half = 45;
    QPainterPath head;
    head.moveTo(T(tip));
    head.lineTo(T(tip.x() - dx * len - dy * half, tip.y() - dy * len + dx * half));
    head.lineTo(T(tip.x() - dx * len + dy * half, tip.y() - dy * len - dx * half));
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

// A dimension line from a to b (twips) with arrow heads at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(T(a), T(b));
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double len = std::hypot(dx, dy);
    if (len <= 0) return;
    ArrowHead(p, b, dx / len, dy / len);
    ArrowHead(p, a, -dx / len, -dy / len);
}

QPolygonF Polygon(std::initializer_list<QPointF> twips) {
    QPolygonF poly;
    for (QPointF q : twips) poly << T(q);
    return poly;
}

}  // namespace

// ---- Step pictures ----

namespace {
QPixmap BlankPicture() {
    QPixmap pm(16, 16);
    pm.fill(kSlopeFigureBack);
    return pm;
}
}  // namespace

QIcon GradientPicture() {
    QPixmap pm = BlankPicture();
    QPainter p(&pm);
    p.setPen(QPen(kSoilLine, 1));
    p.setBrush(kSoil);
    p.drawPolygon(QPolygonF({{0, 15}, {5, 15}, {11, 3}, {15, 3}, {15, 15}}));
    p.end();
    return QIcon(pm);
}

QIcon ArcPicture() {
    QPixmap pm = BlankPicture();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kSoilLine, 1));
    p.setBrush(kSoil);
    p.drawPolygon(QPolygonF({{0, 15}, {2, 15}, {14, 2}, {15, 2}, {15, 15}}));
    p.setPen(QPen(QColor(170, 40, 20), 1.5));
    p.setBrush(kFailure);
    p.drawChord(QRectF(4, 3, 9, 9), 45 * 16, 180 * 16);
    p.end();
    return QIcon(pm);
}

QIcon AnchorPicture() {
    QPixmap pm = BlankPicture();
    QPainter p(&pm);
    p.fillRect(0, 0, 16, 16, kGreen);
    p.setPen(QPen(QColor(110, 110, 110), 2));
    for (int v : {3, 12}) {
        p.drawLine(v, 0, v, 15);
        p.drawLine(0, v, 15, v);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 200));
    p.drawEllipse(QPointF(3, 3), 2.5, 2.5);
    p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
    p.end();
    return QIcon(pm);
}

// ---- Slope section ----

SlopeSectionFigure::SlopeSectionFigure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    FillBack(this);
    // Takes the focus at activation, so that no entry box holds it.
    setFocusPolicy(Qt::ClickFocus);
}

void SlopeSectionFigure::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = width() * TwipsPerPixelX();
    const double h = height() * TwipsPerPixelY();
    const QPointF toe(kToeX, kToeY);
    const QPointF shoulder(kShoulderX, kShoulderY);

    // The ground: in front of the toe, the cut face, behind the shoulder.
    p.setPen(QPen(kSoilLine, 1.5));
    p.setBrush(kSoil);
    p.drawPolygon(Polygon({{0, kToeY}, toe, shoulder, {w, kShoulderY}, {w, h}, {0, h}}));

    // The frame on the face: the vertical beam along it and the horizontal
    // beams standing on it in section.
    const double fx = shoulder.x() - toe.x();
    const double fy = shoulder.y() - toe.y();
    const double flen = std::hypot(fx, fy);
    const double ux = fx / flen, uy = fy / flen;  // up the face
    const double nx = uy, ny = -ux;               // out of the ground
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(kConcrete);
    const double t = 70;
    p.drawPolygon(Polygon({toe,
                           shoulder,
                           {shoulder.x() + nx * t, shoulder.y() + ny * t},
                           {toe.x() + nx * t, toe.y() + ny * t}}));
    for (int i = 1; i <= 4; ++i) {
        const double s = flen * i / 5.0;
        const QPointF c(toe.x() + ux * s, toe.y() + uy * s);
        const double a = 110;
        p.drawPolygon(
            Polygon({{c.x() - ux * a / 2, c.y() - uy * a / 2},
                     {c.x() + ux * a / 2, c.y() + uy * a / 2},
                     {c.x() + ux * a / 2 + nx * a * 1.6, c.y() + uy * a / 2 + ny * a * 1.6},
                     {c.x() - ux * a / 2 + nx * a * 1.6, c.y() - uy * a / 2 + ny * a * 1.6}}));
    }

    p.setPen(QPen(kDimension, 1));
    // Slope length, parallel to the face in front of it.
    const double off = 330;
    Dimension(p, {toe.x() + nx * off, toe.y() + ny * off},
              {shoulder.x() + nx * off, shoulder.y() + ny * off});
    // Slope height, beside the face inside the ground.
    const double hx = kShoulderX + 90;
    p.setPen(QPen(kDimension, 1, Qt::DashLine));
    p.drawLine(T(toe), T(hx + 120, kToeY));
    p.setPen(QPen(kDimension, 1));
    Dimension(p, {hx, kShoulderY}, {hx, kToeY});
    // The angle at the toe, between the level and the face.
    const double r = 520;
    const double angle = Degrees(std::atan2(-fy, fx), Pi);
    QRectF arc(T(toe.x() - r, toe.y() - r), T(toe.x() + r, toe.y() + r));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 0, static_cast<int>(angle * 16));
}

// ---- 1 : n triangle ----

GradientTriangle::GradientTriangle(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Triangle"));
}

void GradientTriangle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kSoilLine, 1.5));
    p.setBrush(kSoil);
    p.drawPolygon(Polygon({{420, 1500}, {2160, 1500}, {2160, 420}}));
    // The right angle.
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Polygon({{2010, 1500}, {2010, 1350}, {2160, 1350}}));
}

// ---- Arc failure ----

namespace {

// Along the face from the shoulder down to the toe, and into the ground.
struct FaceAxes {
    double ux, uy, nx, ny;
};
FaceAxes Axes() {
    const double fx = ArcFailureFigure::kToeX - ArcFailureFigure::kShoulderX;
    const double fy = ArcFailureFigure::kToeY - ArcFailureFigure::kShoulderY;
    const double len = std::hypot(fx, fy);
    const double ux = fx / len, uy = fy / len;
    // Turned so that it points below the face, into the ground.
    return {ux, uy, uy, -ux};
}

}  // namespace

ArcFailureFigure::ArcFailureFigure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picEnko"));
    FillBack(this);
}

QPointF ArcFailureFigure::OnFace(double s, double d) {
    const FaceAxes a = Axes();
    return {kShoulderX + a.ux * s + a.nx * d, kShoulderY + a.uy * s + a.ny * d};
}

void ArcFailureFigure::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = width() * TwipsPerPixelX();
    const double h = height() * TwipsPerPixelY();
    const FaceAxes ax = Axes();
    const QPointF toe(kToeX, kToeY);
    const QPointF shoulder(kShoulderX, kShoulderY);

    p.setPen(QPen(kSoilLine, 1.5));
    p.setBrush(kSoil);
    p.drawPolygon(Polygon({{0, kToeY}, toe, shoulder, {w, kShoulderY}, {w, h}, {0, h}}));

    // The arc through both ends of the failure with the given depth at the
    // middle of its chord: radius from chord and sagitta.
    const double c = kL1;
    const double sag = kDepth;
    const double radius = (c * c / 4 + sag * sag) / (2 * sag);
    const QPointF mid = OnFace(kL3 + kL1 / 2, 0);
    const QPointF centre(mid.x() + ax.nx * (sag - radius), mid.y() + ax.ny * (sag - radius));
    const double half = std::asin(c / 2 / radius);
    QPainterPath mass;
    mass.moveTo(T(OnFace(kL3, 0)));
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const double a = -half + 2 * half * i / steps;
        const double ca = std::cos(a), sa = std::sin(a);
        mass.lineTo(T(centre.x() + radius * (ca * ax.nx + sa * ax.ux),
                      centre.y() + radius * (ca * ax.ny + sa * ax.uy)));
    }
    mass.closeSubpath();
    p.setBrush(QBrush(kFailure));
    p.setPen(QPen(QColor(170, 40, 20), 2));
    p.drawPath(mass);
    p.setBrush(QBrush(kSoilLine, Qt::BDiagPattern));
    p.setPen(Qt::NoPen);
    p.drawPath(mass);

    // The frame on the face.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(kConcrete);
    const double face = std::hypot(kToeX - kShoulderX, kToeY - kShoulderY);
    p.drawPolygon(Polygon({OnFace(0, 0), OnFace(face, 0), OnFace(face, -60), OnFace(0, -60)}));

    p.setPen(QPen(kDimension, 1));
    // L3 and L1 in front of the face, with their extension lines.
    const double off = -380;
    for (double s : {0.0, kL3, kL3 + kL1}) p.drawLine(T(OnFace(s, -90)), T(OnFace(s, off - 110)));
    Dimension(p, OnFace(0, off), OnFace(kL3, off));
    Dimension(p, OnFace(kL3, off), OnFace(kL3 + kL1, off));
    // L2 from the middle of the chord down to the arc.
    const QPointF deep = OnFace(kL3 + kL1 / 2, kDepth);
    Dimension(p, mid, deep);
    p.setPen(QPen(kDimension, 1, Qt::DotLine));
    p.drawLine(T(deep), T(4680, 3200));
    p.drawLine(T(OnFace(kL3, 0)), T(OnFace(kL3 + kL1, 0)));
    // θ0 at the toe.
    p.setPen(QPen(kDimension, 1));
    const double r = 640;
    const double angle = Degrees(std::atan2(kToeY - kShoulderY, kShoulderX - kToeX), Pi);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(T(toe.x() - r, toe.y() - r), T(toe.x() + r, toe.y() + r)), 0,
              static_cast<int>(angle * 16));
}

// ---- Square or staggered layout ----

namespace {
constexpr double kGridLeft = 420;
constexpr double kGridTop = 780;
constexpr double kGridStep = 660;
}  // namespace

StaggerPicture::StaggerPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTidori"));
    FillBack(this);
    auto* at = new QLabel(QStringLiteral("＠"), this);
    at->setObjectName(QStringLiteral("lblAt"));
    at->setAlignment(Qt::AlignCenter);
    at->setGeometry(
        TwipsToPixels(static_cast<int>(kGridLeft), 3000, static_cast<int>(kGridStep), 270));
}

void StaggerPicture::SetShape19Visible(bool visible) {
    if (shape19Visible_ == visible) return;
    shape19Visible_ = visible;
    update();
}

void StaggerPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double gridRight = kGridLeft + 3 * kGridStep;
    const double gridBottom = kGridTop + 3 * kGridStep;

    // Vegetation between the beams.
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(T(kGridLeft - 300, kGridTop - 300), T(gridRight + 300, gridBottom + 300)));
    p.setBrush(QBrush(QColor(80, 140, 60), Qt::Dense6Pattern));
    p.drawRect(QRectF(T(kGridLeft - 300, kGridTop - 300), T(gridRight + 300, gridBottom + 300)));

    // The beams of the frame.
    const double beam = 130;
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(QColor(205, 205, 200));
    for (int i = 0; i < 4; ++i) {
        const double x = kGridLeft + i * kGridStep;
        const double y = kGridTop + i * kGridStep;
        p.drawRect(QRectF(T(x - beam / 2, kGridTop - 300), T(x + beam / 2, gridBottom + 300)));
        p.drawRect(QRectF(T(kGridLeft - 300, y - beam / 2), T(gridRight + 300, y + beam / 2)));
    }

    // The heads: Shape18 on the dark squares, Shape19 on the light ones.
    const double r = 95;
    p.setPen(QPen(Qt::black, 1));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const bool dark = (row + col) % 2 == 0;
            if (!dark && !shape19Visible_) continue;
            p.setBrush(QColor(60, 60, 200));
            const double x = kGridLeft + col * kGridStep;
            const double y = kGridTop + row * kGridStep;
            p.drawEllipse(QRectF(T(x - r, y - r), T(x + r, y + r)));
        }

    // The horizontal spacing between two neighbouring columns.
    p.setPen(QPen(kDimension, 1));
    const double dimY = 2940;
    p.drawLine(T(kGridLeft, gridBottom + 120), T(kGridLeft, dimY + 90));
    p.drawLine(T(kGridLeft + kGridStep, gridBottom + 120), T(kGridLeft + kGridStep, dimY + 90));
    Dimension(p, {kGridLeft, dimY}, {kGridLeft + kGridStep, dimY});
}

}  // namespace talvo
