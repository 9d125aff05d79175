// The rows of the shear check position, shared by the horizontal-beam shear
// step and the anchored frame's shear step: where along the beam, measured
// from the support, the shear force is checked (row 1: an entered distance x;
// row 2: b/2; row 3: b/2 + h/2), with a drawing that marks the three
// positions and masks all but the chosen one.
//
// A position is chosen by its option, by a click on its row (the row's click
// area also gives the option the focus), by a click on its mark in the
// drawing, or, for the entered x, by giving its box the focus. The rows show
// the choice; what the choice does to the record and to the window's values
// is the window's handler.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "platform/entryboxes.h"

namespace talvo {

// Background of the check-position drawing, also the colour of an opaque mask.
inline const QColor kFigureBackColor{238, 247, 255};

// The horizontal frame on its supporting frame with b, h, b/2 and h/2 marked
// and the three candidate check positions as small triangles.
class ShearPositionFigure : public QWidget {
    Q_OBJECT
public:
    explicit ShearPositionFigure(QWidget* parent = nullptr);
    // Where the mark of position m (0 entered x, 1 b/2, 2 b/2 + h/2) stands,
    // in the figure's pixels: the rectangle its mask covers.
    QRect MarkRect(int m) const;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Geometry;
    Geometry Layout() const;
};

// Where the rows stand and what their parts are called in a window. The two
// windows that show these rows were laid out separately: they place, size,
// colour and name some parts differently, and the names are what the window
// tests and the focus handling look the parts up by. An empty name leaves a
// part as it is (a text unnamed, the drawing "Figure").
struct ShearPositionLayout {
    std::array<int, 3> rowTop{};  // twips, in the frame
    int areaHeight = 0;           // the click area of a row
    int focusFrameHeight = 0;     // the frame drawn round the row whose option has the focus
    // The focus frames' line colour; none: the frame's own palette.
    std::optional<QColor> focusFrameColor;
    QRect figure;  // twips
    // A mask's rectangle ends this many pixels above its mark's rectangle,
    // leaving the beam's top edge drawn whole.
    int maskBottomTrim = 0;
    // The first mask's colour until a position other than the entered x is
    // chosen; the two others carry the drawing's colour from the start.
    QColor firstMaskColor = kFigureBackColor;
    std::array<QString, 3> areaNames;  // the click areas of rows 1 to 3
    QString caption;                   // " 支点からの照査位置"
    QString xMark;                     // the "x =" of row 1
    QString unit;                      // the "(m)" after Text1
    QString figureName;                // the drawing
};

class ShearPositionRows : public QObject {
    Q_OBJECT
public:
    // What comes first when a row's click area is clicked: choosing the
    // position, or giving its option the focus. Each window keeps the order
    // it was built with: the option's focus frame and the entry check of a
    // box being left run at different moments of the choice.
    enum class ClickOrder { SelectThenFocus, FocusThenSelect };
    // Whether a click on the option already chosen chooses it again (the
    // handler runs once more: the window redraws what depends on it) or is
    // ignored like any click that changes no option.
    enum class Reclick { Ignored, ChoosesAgain };

    // Builds the rows in `frame`: per row the click area, the focus frame and
    // the option, then the texts with the x box (a numeric entry of
    // `entries` showing the work type's entered x), then the drawing with
    // its masks. `onChosen(m)` runs whenever position m is chosen.
    ShearPositionRows(QWidget* frame, EntryGroup* entries, const ShearPositionLayout& layout,
                      ClickOrder order, Reclick reclick, std::function<void(int)> onChosen);

    std::array<QRadioButton*, 3> Options{};  // Option3D1 to Option3D3: position 0, 1, 2
    QLineEdit* Text1 = nullptr;              // the entered x, m
    std::array<QFrame*, 3> FocusFrames{};    // Shape12 to Shape14
    std::array<QLabel*, 3> RowAreas{};       // the click areas of the rows
    std::vector<QLabel*> Label19;            // the texts of row 2
    std::vector<QLabel*> Label16;            // the texts of row 3
    ShearPositionFigure* Figure = nullptr;
    std::array<QLabel*, 3> Masks{};  // Label26, Label27, Label28

    // A mask is opaque (hiding its mark) when it fills its background.
    static bool MaskOpaque(const QLabel* mask);

    // Selects position m; its handler runs also when it was already selected.
    void Select(int m);
    // Shows position m as chosen: the x box enabled only for the entered x,
    // every mark but m's masked.
    void ShowPosition(int m);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceMasks();
    // The position whose row, row text or mark `label` is, -1 for none;
    // `area` tells whether it is the row's click area.
    int PositionOf(const QLabel* label, bool& area) const;

    int maskBottomTrim_;
    ClickOrder order_;
    Reclick reclick_;
    std::function<void(int)> onChosen_;
    // Set while a toggle has already run the choice of the click that follows it.
    bool toggled_ = false;
};

}  // namespace talvo
