#include "steps/windows/FrameSketch.h"

#include <QFont>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <array>

#include "platform/mdichild.h"

namespace talvo {

namespace {

// Cells of the four rows: tops and heights; columns: lefts and widths.
constexpr std::array<int, 4> kRowTop = {705, 1365, 2100, 2835};
constexpr std::array<int, 4> kRowHeight = {555, 630, 630, 555};
constexpr std::array<int, 4> kColLeft = {600, 1260, 1995, 2730};
constexpr std::array<int, 4> kColWidth = {555, 630, 630, 555};

// The dimension chains: the top one runs at this height, the left one at
// this distance from the panel's edge; ticks stand out by half their length.
constexpr int kTopDim = 480;
constexpr int kLeftDim = 420;
constexpr int kTickHalf = 60;

// Sizes of the dimension symbols.
constexpr int kEllWidth = 195;
constexpr int kEllHeight = 285;
constexpr int kLetterWidth = 180;
constexpr int kLetterHeight = 210;

// A break mark: the gap cut out of a beam, the slant of its two cuts across
// the beam, how far they stand out on either side, and their width.
constexpr double kBreakGap = 105;
constexpr double kBreakSlant = 40;
constexpr double kBreakOver = 30;
constexpr double kBreakPen = 22;

const QColor kBeamEdge{112, 112, 112};
const QColor kBeamMid{214, 214, 214};
const QColor kCellGreen{132, 186, 92};
const QColor kCellBlade{58, 118, 40};

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}
QString Cell(int row, int col) {
    return QStringLiteral("imgWeed%1(%2)").arg(row).arg(col);
}

SketchPiece Rect(SketchPiece::Kind kind, int left, int top, int width, int height) {
    SketchPiece p;
    p.kind = kind;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    return p;
}
SketchPiece HLine(int from, int to, int y) {
    return Rect(SketchPiece::Line, from, y, to - from, 0);
}
SketchPiece VLine(int x, int from, int to) {
    return Rect(SketchPiece::Line, x, from, 0, to - from);
}
SketchPiece TopTick(int x) {
    return VLine(x, kTopDim - kTickHalf, kTopDim + kTickHalf);
}
SketchPiece LeftTick(int y) {
    return HLine(kLeftDim - kTickHalf, kLeftDim + kTickHalf, y);
}
SketchPiece Letter(const char* text, int left, int top) {
    SketchPiece p = Rect(SketchPiece::Letter, left, top, kLetterWidth, kLetterHeight);
    p.text = QString::fromUtf8(text);
    return p;
}
SketchPiece Ell(int left, int top) {
    return Rect(SketchPiece::ScriptEll, left, top, kEllWidth, kEllHeight);
}

// The script ℓ, italic, filling a box of the given height (in the painter's
// units).
void DrawEll(QPainter& p, const QRectF& box) {
    QFont f(QStringLiteral("IPAMincho"));
    f.setItalic(true);
    f.setPixelSize(static_cast<int>(box.height() * 0.95));
    p.setFont(f);
    p.drawText(box, Qt::AlignCenter, QString(QChar(0x2113)));
}

void DrawBeam(QPainter& p, const QRectF& r, bool vertical) {
    QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    g.setColorAt(0.0, kBeamEdge);
    g.setColorAt(0.45, kBeamMid);
    g.setColorAt(1.0, kBeamEdge);
    p.fillRect(r, g);
    p.setPen(QPen(QColor(80, 80, 80), 0));
    p.drawRect(r);
}

// Vegetation: a green ground with small tufts of blades on a staggered grid.
void DrawCell(QPainter& p, const QRectF& r) {
    p.fillRect(r, kCellGreen);
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(kCellBlade, 0));
    constexpr double kStep = 110.0;
    int row = 0;
    for (double y = r.top() + 70; y < r.bottom() + kStep; y += kStep * 0.8, ++row) {
        const double shift = (row % 2) ? kStep / 2 : 0.0;
        for (double x = r.left() + 40 + shift; x < r.right() + kStep; x += kStep) {
            p.drawLine(QPointF(x, y), QPointF(x - 22, y - 40));
            p.drawLine(QPointF(x, y), QPointF(x, y - 50));
            p.drawLine(QPointF(x, y), QPointF(x + 22, y - 40));
        }
    }
    p.restore();
}

}  // namespace

FrameSketch::FrameSketch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picFrame"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFrameSketchBack);
    setPalette(pal);

    for (int i = 0; i < 3; ++i) {
        pieces_[Indexed("imgFrame2", i)] =
            Rect(SketchPiece::VerticalBeam, std::array{1140, 1875, 2610}[i], 705, 135, 2685);
        pieces_[Indexed("imgFrame1", i)] =
            Rect(SketchPiece::HorizontalBeam, 600, std::array{1245, 1980, 2715}[i], 2685, 135);
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            pieces_[Cell(r + 1, c)] =
                Rect(SketchPiece::Cell, kColLeft[c], kRowTop[r], kColWidth[c], kRowHeight[r]);
    pieces_[QStringLiteral("Picture1")] = Rect(SketchPiece::BreakVertical, 1020, 2400, 1830, 75);
    pieces_[QStringLiteral("Picture2")] = Rect(SketchPiece::BreakHorizontal, 2265, 1140, 75, 1800);

    // Across the top: a, x (running on to the second beam) and b.
    pieces_[QStringLiteral("LineA")] = HLine(600, 1380, kTopDim);
    pieces_[QStringLiteral("Line15")] = HLine(1380, 1935, kTopDim);
    pieces_[QStringLiteral("Line8")] = HLine(2670, 3270, kTopDim);
    pieces_[QStringLiteral("TickA")] = TopTick(600);
    pieces_[QStringLiteral("TickX")] = TopTick(1215);
    pieces_[Indexed("Line2", 1)] = TopTick(1935);
    pieces_[Indexed("Line2", 2)] = TopTick(2670);
    pieces_[QStringLiteral("Line9")] = TopTick(3270);
    // Down the left side: c, y and d.
    pieces_[QStringLiteral("LineC")] = VLine(kLeftDim, 705, 1320);
    pieces_[QStringLiteral("Line14")] = VLine(kLeftDim, 1320, 2040);
    pieces_[QStringLiteral("Line12")] = VLine(kLeftDim, 2760, 3375);
    pieces_[QStringLiteral("TickC")] = LeftTick(705);
    pieces_[Indexed("Line1", 0)] = LeftTick(1320);
    pieces_[Indexed("Line1", 1)] = LeftTick(2040);
    pieces_[Indexed("Line1", 2)] = LeftTick(2760);
    pieces_[QStringLiteral("Line11")] = LeftTick(3375);

    pieces_[QStringLiteral("Pic11")] = Ell(825, 150);
    pieces_[QStringLiteral("Pic8")] = Ell(1485, 150);
    pieces_[QStringLiteral("Pic12")] = Ell(2835, 150);
    pieces_[Indexed("Label11", 1)] = Letter("a", 1020, 240);
    pieces_[Indexed("Label8", 1)] = Letter("x", 1680, 240);
    pieces_[Indexed("Label12", 1)] = Letter("b", 3045, 240);
    pieces_[QStringLiteral("Pic9")] = Ell(45, 870);
    pieces_[QStringLiteral("Pic7")] = Ell(45, 1515);
    pieces_[QStringLiteral("Pic10")] = Ell(45, 2970);
    pieces_[Indexed("Label9", 1)] = Letter("c", 240, 960);
    pieces_[Indexed("Label7", 1)] = Letter("y", 240, 1590);
    pieces_[Indexed("Label10", 1)] = Letter("d", 240, 3060);
}

SketchPiece& FrameSketch::P(const QString& name) {
    return pieces_[name];
}

const SketchPiece& FrameSketch::Piece(const QString& name) const {
    static const SketchPiece kNone;
    auto it = pieces_.find(name);
    return it == pieces_.end() ? kNone : it->second;
}

void FrameSketch::ShowRow(int row, bool shown) {
    for (int c = 0; c < 4; ++c) P(Cell(row, c)).shown = shown;
}

void FrameSketch::AdaptVertical(double n, double m) {
    const int k = n == 0 ? 0 : n == 1 ? 1 : 2;
    P(QStringLiteral("Picture2")).height = std::array{405, 1050, 1800}[k];
    P(QStringLiteral("Picture1")).shown = k == 2 && n > 2;
    for (int i = 0; i < 3; ++i) P(Indexed("imgFrame2", i)).height = std::array{1215, 1950, 2685}[k];
    P(Indexed("imgFrame1", 1)).shown = k >= 1;
    P(Indexed("Line1", 1)).shown = k >= 1;
    P(Indexed("imgFrame1", 2)).shown = k == 2;
    P(Indexed("Line1", 2)).shown = k == 2;
    for (const char* name : {"Line14", "Pic7", "Label7(1)"}) P(QLatin1String(name)).shown = k >= 1;
    P(QStringLiteral("Pic10")).top = std::array{1545, 2300, 2970}[k];
    P(Indexed("Label10", 1)).top = std::array{1620, 2390, 3060}[k];
    P(QStringLiteral("Line11")).top = std::array{1905, 2640, 3375}[k];
    SketchPiece& d = P(QStringLiteral("Line12"));
    d.top = std::array{1320, 1800, 2760}[k];
    d.height = std::array{1905, 2640, 3375}[k] - d.top;

    for (int c = 0; c < 4; ++c) {
        P(Cell(2, c)).height = k == 0 ? 555 : 630;
        if (k >= 1) P(Cell(3, c)).height = k == 1 ? 555 : 630;
    }
    if (k == 2) ShowRow(2, true);
    ShowRow(3, k >= 1);
    ShowRow(4, k == 2);

    // The fourth column belongs to a second horizontal span; the rows just
    // shown must not bring it back when there is none.
    if (k >= 1 && (m == 0 || m == 1))
        for (int r = 1; r <= 4; ++r) P(Cell(r, 3)).shown = false;
    update();
}

void FrameSketch::AdaptHorizontal(double m, double n) {
    const int k = (m == 0 || m == 1) ? 0 : 1;
    P(QStringLiteral("Picture1")).width = std::array{1080, 1800}[k];
    P(QStringLiteral("Picture2")).shown = k == 1 && m > 2;
    P(Indexed("imgFrame2", 2)).shown = k == 1;
    P(Indexed("Line2", 2)).shown = k == 1;
    for (int i = 0; i < 3; ++i) P(Indexed("imgFrame1", i)).width = std::array{1950, 2685}[k];
    P(QStringLiteral("Pic12")).left = std::array{2050, 2800}[k];
    P(Indexed("Label12", 1)).left = std::array{2300, 3000}[k];
    SketchPiece& b = P(QStringLiteral("Line8"));
    b.left = std::array{1800, 2670}[k];
    b.width = std::array{2535, 3270}[k] - b.left;
    P(QStringLiteral("Line9")).left = std::array{2535, 3270}[k];
    for (int r = 1; r <= 4; ++r) {
        P(Cell(r, 2)).width = k == 0 ? 555 : 630;
        P(Cell(r, 3)).shown = k == 1;
    }
    // Showing the fourth column above touched rows 3 and 4 as well: they
    // follow the vertical span count again.
    if (k == 1) {
        ShowRow(3, n != 0);
        ShowRow(4, n != 0 && n != 1);
    }
    update();
}

void FrameSketch::DrawBreak(QPainter& p, const QRectF& strip, bool acrossVertical) const {
    // More spans follow than the two drawn: each beam that the strip crosses
    // is cut by two parallel slanted lines in the beam's colour, and the
    // ground between them is the planted cells', so the mark reads as a
    // break of the beams and not as a line of its own across the cells.
    const char* beams = acrossVertical ? "imgFrame2" : "imgFrame1";
    for (int i = 0; i < 3; ++i) {
        const SketchPiece& beam = Piece(Indexed(beams, i));
        if (!beam.shown) continue;
        const QRectF b(beam.left, beam.top, beam.width, beam.height);
        QPolygonF gap;
        QLineF cuts[2];
        if (acrossVertical) {
            if (b.left() < strip.left() || b.right() > strip.right()) continue;
            const double c = strip.center().y();
            const double y[2] = {c - kBreakGap / 2, c + kBreakGap / 2};
            for (int k = 0; k < 2; ++k)
                cuts[k] = QLineF(b.left() - kBreakOver, y[k] + kBreakSlant, b.right() + kBreakOver,
                                 y[k] - kBreakSlant);
            gap << QPointF(b.left(), y[0] + kBreakSlant) << QPointF(b.right(), y[0] - kBreakSlant)
                << QPointF(b.right(), y[1] - kBreakSlant) << QPointF(b.left(), y[1] + kBreakSlant);
        } else {
            if (b.top() < strip.top() || b.bottom() > strip.bottom()) continue;
            const double c = strip.center().x();
            const double x[2] = {c - kBreakGap / 2, c + kBreakGap / 2};
            for (int k = 0; k < 2; ++k)
                cuts[k] = QLineF(x[k] - kBreakSlant, b.top() - kBreakOver, x[k] + kBreakSlant,
                                 b.bottom() + kBreakOver);
            gap << QPointF(x[0] - kBreakSlant, b.top()) << QPointF(x[1] - kBreakSlant, b.top())
                << QPointF(x[1] + kBreakSlant, b.bottom())
                << QPointF(x[0] + kBreakSlant, b.bottom());
        }
        p.save();
        QPainterPath clip;
        clip.addPolygon(gap);
        clip.closeSubpath();
        p.setClipPath(clip);
        DrawCell(p, gap.boundingRect().adjusted(-kBreakOver, -kBreakOver, kBreakOver, kBreakOver));
        p.restore();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kBeamEdge, kBreakPen, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(cuts[0]);
        p.drawLine(cuts[1]);
        p.restore();
    }
}

void FrameSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(1.0 / TwipsPerPixelX(), 1.0 / TwipsPerPixelY());

    auto rectOf = [](const SketchPiece& s) { return QRectF(s.left, s.top, s.width, s.height); };
    // Painted in layers: cells, horizontal then vertical beams, break
    // marks, dimensions.
    const SketchPiece::Kind layers[] = {
        SketchPiece::Cell,          SketchPiece::HorizontalBeam,  SketchPiece::VerticalBeam,
        SketchPiece::BreakVertical, SketchPiece::BreakHorizontal, SketchPiece::Line,
        SketchPiece::ScriptEll,     SketchPiece::Letter};
    for (SketchPiece::Kind layer : layers) {
        for (const auto& [name, s] : pieces_) {
            if (!s.shown || s.kind != layer) continue;
            const QRectF r = rectOf(s);
            switch (s.kind) {
                case SketchPiece::Cell:
                    DrawCell(p, r);
                    break;
                case SketchPiece::HorizontalBeam:
                case SketchPiece::VerticalBeam:
                    DrawBeam(p, r, s.kind == SketchPiece::VerticalBeam);
                    break;
                case SketchPiece::BreakVertical:
                case SketchPiece::BreakHorizontal:
                    DrawBreak(p, r, s.kind == SketchPiece::BreakVertical);
                    break;
                case SketchPiece::Line:
                    p.setPen(QPen(Qt::black, 0));
                    p.drawLine(QPointF(s.left, s.top), QPointF(s.left + s.width, s.top + s.height));
                    break;
                case SketchPiece::ScriptEll:
                    p.setPen(Qt::black);
                    DrawEll(p, r);
                    break;
                case SketchPiece::Letter: {
                    p.setPen(Qt::black);
                    QFont f(QStringLiteral("IPAMincho"));
                    f.setItalic(true);
                    f.setPixelSize(190);
                    p.setFont(f);
                    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, s.text);
                    break;
                }
            }
        }
    }
}

ScriptEllPicture::ScriptEllPicture(QWidget* parent) : QWidget(parent) {}

void ScriptEllPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(palette().color(QPalette::WindowText));
    DrawEll(p, QRectF(rect()));
}

}  // namespace talvo
