// The drawings of the slope steps: the slope section of the gradient step and
// its 1 : n triangle, the mid-slope arc failure, and the piece of frame with
// its bolts or anchors that shows a square or a staggered layout. Each is
// drawn with fixed geometry given in twips, so that the boxes the windows put
// on a drawing stand at the dimension they name at any screen resolution.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPointF>
#include <QWidget>

namespace talvo {

// The 16 × 16 step pictures of the toolbar step icons.
QIcon GradientPicture();  // a cut slope
QIcon ArcPicture();       // a slope with an arc failure
QIcon AnchorPicture();    // a frame with bolt heads

// Back colour of the slope drawings.
inline const QColor kSlopeFigureBack{238, 247, 255};

// The slope section of the gradient step: the slope face with its frame, the
// ground in front of the toe and behind the shoulder, the slope length along
// the face, the height beside it and the angle at the toe.
class SlopeSectionFigure : public QWidget {
    Q_OBJECT
public:
    explicit SlopeSectionFigure(QWidget* parent = nullptr);

    // Corners of the section, in twips inside the figure.
    static constexpr int kToeX = 2040;
    static constexpr int kToeY = 2820;
    static constexpr int kShoulderX = 3360;
    static constexpr int kShoulderY = 780;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The right triangle of the gradient 1 : n: the vertical leg of height 1 and
// the horizontal leg n, the hypotenuse being the slope face.
class GradientTriangle : public QWidget {
    Q_OBJECT
public:
    explicit GradientTriangle(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A mid-slope circular-arc failure: the slope from the toe up to the shoulder,
// the arc cut below the face, and the dimensions L3 (shoulder to the upper
// end of the failure, along the face), L1 (the failure's length along the
// face) and L2 (its depth below the face).
class ArcFailureFigure : public QWidget {
    Q_OBJECT
public:
    explicit ArcFailureFigure(QWidget* parent = nullptr);

    // Geometry in twips inside the figure.
    static constexpr double kShoulderX = 6840;
    static constexpr double kShoulderY = 900;
    static constexpr double kToeX = 1560;
    static constexpr double kToeY = 3660;
    static constexpr double kL3 = 1150;    // along the face, from the shoulder
    static constexpr double kL1 = 2900;    // along the face
    static constexpr double kDepth = 760;  // below the face, at the chord's middle

    // A point on the face at distance s from the shoulder, moved d below the
    // face (negative d: in front of it).
    static QPointF OnFace(double s, double d);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The piece of frame of the design-load conditions step: four by four beam
// crossings, each with a bolt or anchor head. The eight heads on the dark
// squares of a chessboard always show; the other eight show only for a
// square layout, so that hiding them leaves the staggered pattern.
class StaggerPicture : public QWidget {
    Q_OBJECT
public:
    explicit StaggerPicture(QWidget* parent = nullptr);

    // The eight heads that a staggered layout leaves out.
    void SetShape19Visible(bool visible);
    bool Shape19Visible() const { return shape19Visible_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool shape19Visible_ = true;
};

}  // namespace talvo
