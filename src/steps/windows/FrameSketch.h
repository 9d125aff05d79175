// The plan sketch of the spans step: at most three vertical and three
// horizontal beams with planted cells between them, a dimension chain across
// the top (a, x, b) and one down the left side (c, y, d).
//
// The sketch is not drawn to scale. It is a fixed set of pieces laid out once
// in twips; the two adaptations show, hide, resize and move those pieces so
// that each direction shows one of three shapes (no span, one span, two or
// more spans), with a break mark when more spans follow than the two drawn.
// Every piece keeps the geometry the adaptations gave it, and the drawing
// paints exactly the pieces that are shown.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <map>

class QPainter;
class QRectF;

namespace talvo {

// Back colour of the sketch panel.
inline const QColor kFrameSketchBack{238, 247, 255};

// One piece of the sketch, in twips inside the panel. A line from (left, top)
// to (left + width, top + height): one of width and height is 0.
struct SketchPiece {
    enum Kind {
        VerticalBeam,
        HorizontalBeam,
        Cell,           // planted cell
        BreakVertical,  // a break of the vertical beams, across them
        BreakHorizontal,
        Line,
        ScriptEll,  // the script letter ℓ of a dimension
        Letter,     // the dimension's letter after it
    };
    Kind kind = Line;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool shown = true;
    QString text;  // Letter: the letter
};

class FrameSketch : public QWidget {
    Q_OBJECT
public:
    // The panel inside the input frame, twips.
    static constexpr int kLeftTwips = 4680;
    static constexpr int kTopTwips = 300;
    static constexpr int kWidthTwips = 3735;
    static constexpr int kHeightTwips = 3615;

    explicit FrameSketch(QWidget* parent = nullptr);

    // The vertical direction for n vertical spans (the vertical span count),
    // with m the horizontal span count: three shapes, n = 0, n = 1, n >= 2.
    void AdaptVertical(double n, double m);
    // The horizontal direction for m horizontal spans, with n the vertical
    // span count: two shapes, m = 0 or 1, and m >= 2.
    void AdaptHorizontal(double m, double n);

    // A piece by its name: "imgFrame2(1)", "imgWeed3(0)", "Picture1",
    // "Line12", "Pic10", "Label10(1)", ... Unknown names give an empty piece.
    const SketchPiece& Piece(const QString& name) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SketchPiece& P(const QString& name);
    // The break mark on the strip: across the vertical beams (a strip along
    // the slope's width) or across the horizontal ones.
    void DrawBreak(QPainter& p, const QRectF& strip, bool acrossVertical) const;
    void ShowRow(int row, bool shown);  // rows 1 to 4, all four cells

    std::map<QString, SketchPiece> pieces_;
};

// The script letter ℓ of a length symbol beside an entry row.
class ScriptEllPicture : public QWidget {
    Q_OBJECT
public:
    explicit ScriptEllPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace talvo
