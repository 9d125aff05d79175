// NFyokosendan, the step "横枠に発生するせん断力" of the frame-only work types:
// the shear check position measured from the support (an entered distance x,
// half the supporting frame's width b/2, or b/2 + h/2) and the formula of the
// horizontal frame's maximum shear force for the span part or the overhang
// part, the governing part marked "最大".
#pragma once

#include <QColor>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "calc/windows/ForceFormula.h"
#include "platform/stepform.h"

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

// Names given to the otherwise anonymous parts of the check-position rows; an
// empty name leaves that part unnamed. The windows that show these rows were
// laid out separately and name different parts, and the names are what the
// window tests and the focus handling look the parts up by.
struct ShearPositionNames {
    QString caption;  // " 支点からの照査位置"
    QString xMark;    // the "x =" of row 1
    QString unit;     // the "(m)" after Text1
    QString figure;   // the ShearPositionFigure
};

// The parts of the check-position rows the windows keep hold of.
struct ShearPositionParts {
    QLineEdit* text1 = nullptr;             // Text1, the entered x
    ShearPositionFigure* figure = nullptr;  // the drawing
    std::array<QLabel*, 3> masks{};         // Label26 to Label28, over the marks
};

// Builds in `frame` the texts of the three check-position rows at `rowTop`
// (row 1: the entered x in Text1; row 2: x = b/2; row 3: x = b/2 + h/2),
// filling `label19` and `label16` with the texts of rows 2 and 3 named
// Label19_i and Label16_i, and then the figure at `figureTwips` (twips) with
// its three masks, uncoloured and not yet placed: the windows colour them
// differently and place them from their own resize handling.
ShearPositionParts AddShearPositionRows(QWidget* frame, const std::array<int, 3>& rowTop,
                                        int rowHeight, const QRect& figureTwips,
                                        const ShearPositionNames& names,
                                        std::vector<QLabel*>& label19,
                                        std::vector<QLabel*>& label16);

class NFyokosendan : public StepForm {
    Q_OBJECT
public:
    explicit NFyokosendan(QWidget* parent = nullptr);

    // ---- Check position ----
    QGroupBox* Frame1 = nullptr;              // "せん断力の照査位置"
    std::array<QRadioButton*, 3> Option3D{};  // Option3D1 to Option3D3: position 0, 1, 2
    QLineEdit* Text1 = nullptr;               // the entered x, m
    std::array<QFrame*, 3> Shape{};           // Shape12 to Shape14: focus frames of the rows
    std::array<QLabel*, 3> RowArea{};         // Label7, Label10, Label11: click areas of the rows
    std::vector<QLabel*> Label19;             // the texts of row 2
    std::vector<QLabel*> Label16;             // the texts of row 3
    ShearPositionFigure* Figure = nullptr;
    std::array<QLabel*, 3> Mask{};  // Label26, Label27, Label28

    // ---- The Smax formula ----
    QGroupBox* Frame2 = nullptr;
    PartChoice* Parts = nullptr;
    QRadioButton* SSOption1 = nullptr;
    QRadioButton* SSOption2 = nullptr;
    QLabel* SSPanel1 = nullptr;
    QLabel* SSPanel2 = nullptr;
    QLabel* Label6 = nullptr;    // numerator of the coefficient
    QLabel* Label5 = nullptr;    // denominator of the coefficient
    QLabel* Label21 = nullptr;   // "スパン長" or "張出し長"
    QLabel* Label12 = nullptr;   // the part's Smax, kN
    QLineEdit* Text2 = nullptr;  // the focus sink

    // The part whose formula is shown: 0 span, 1 overhang.
    int ShownPart() const { return shownPart_; }
    // A mask is opaque (hiding its mark) when it fills its background.
    static bool MaskOpaque(const QLabel* mask);

protected:
    void OnLoad() override;
    void OnActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PartClick(int part);
    // Selects position m; its click handling runs also when it was selected.
    void SelectPosition(int m);
    void PositionClick(int m);
    void SetMask(int m, bool opaque);
    void PlaceMasks();
    void ShowSmax();
    // Moves the "最大" mark to the governing part of the current shears.
    void MarkMax();

    int shownPart_ = 0;
};

}  // namespace talvo
