// One direction of the anchored frame's force steps: the span part and the
// overhang part of a beam on its anchors, the coefficient formula of the part
// shown, its value and the "最大" mark of the part with the larger magnitude.
// Whether the direction offers a part and which coefficient row a part takes
// are HasAnchors and AnchorCoefficientRow (calc/forceparts.h).
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QRadioButton>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/windows/ForceFormula.h"

namespace talvo {

// The names a block's controls carry in its window.
struct RockBlockNames {
    const char* spanOption;
    const char* overhangOption;
    const char* spanMark;
    const char* overhangMark;
    const char* numerator;
    const char* denominator;
    const char* length;
    const char* value;
};

class RockForceBlock : public QObject {
    Q_OBJECT
public:
    // `shear` false: the moment formula, true: the shear formula. `direction`
    // 0 vertical, 1 horizontal. The block's frame lies at (left, top) in
    // twips inside `parent`.
    RockForceBlock(QWidget* parent, bool shear, int direction, const RockBlockNames& names,
                   int left, int top, int width, int height);

    QGroupBox* Frame = nullptr;  // "縦枠" or "横枠"
    QRadioButton* SpanOption = nullptr;
    QRadioButton* OverhangOption = nullptr;
    QLabel* SpanMark = nullptr;
    QLabel* OverhangMark = nullptr;
    QLabel* Numerator = nullptr;
    QLabel* Denominator = nullptr;
    QLabel* Length = nullptr;
    QLabel* Value = nullptr;

    // The stored value text of a part.
    const std::string& Stored(int part) const;

    // Shows a part: the formula with its length label, coefficient and
    // value; remembers the part.
    void ShowPart(int part);
    // The value label again for the part shown last (after a recalculation);
    // nothing while no formula is shown.
    void RefreshValue();
    // Whether a part's formula is on show. Until a part is shown, and after
    // an activation that finds no part to show, the block shows only
    // "Ｍmax =" ("Ｓmax =") with an empty value and its unit: the fraction,
    // "・w・", the length, "2" ("- w・x ") and "=" are hidden.
    bool FormulaShown() const;
    int ShownPart() const { return shownPart_; }
    void ResetShownPart() { shownPart_ = 0; }

    // The activation's rebuild of options, labels and marks. With
    // `overhangWhenSpanEmpty`, a direction whose span is not offered takes
    // its overhang whenever that is offered, also when the overhang is not
    // the larger one.
    void Activate(bool overhangWhenSpanEmpty);
    // The marks alone by the same rule; options and labels stay as they are.
    void MarkMax(bool overhangWhenSpanEmpty);

    PartChoice* Parts = nullptr;

private:
    // Empties the value and the coefficient and hides the expression.
    void HideFormula();

    // The parts of the formula between "Ｍmax =" and the value.
    std::vector<QWidget*> expression_;
    bool shear_;
    int direction_;
    int shownPart_ = 0;
};

}  // namespace talvo
