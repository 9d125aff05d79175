// Building blocks of the member-force formulas, on the form kit: fractions
// drawn as a number over a bar over a number, the title bar of a formula
// group, the "最大" mark, and the choice between the span part and the
// overhang part of a beam with its governing mark.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/formkit.h"

namespace talvo {

// Colour of the "最大" mark of the governing part.
inline const QColor kMaxPanelColor{192, 0, 192};
// Background of the title bar of a formula group.
inline const QColor kTitleBarColor{0, 0, 128};

// A fraction bar: a horizontal line `width` twips long.
QFrame* AddBar(QWidget* parent, int left, int top, int width);

// A fraction: numerator over a bar over denominator, centred on the bar.
// `lineHeight` is the height of one text line; the bar lies at top +
// lineHeight, the denominator just below it.
struct Fraction {
    QLabel* num = nullptr;
    QFrame* bar = nullptr;
    QLabel* den = nullptr;
};
Fraction AddFraction(QWidget* parent, const QString& num, const QString& den, int left, int top,
                     int width, int lineHeight);

// The title bar of a formula group: white text on kTitleBarColor.
QLabel* AddTitleBar(QWidget* parent, const QString& text, int left, int top, int width, int height);
// A small panel of kMaxPanelColor holding the white caption "最大".
QLabel* AddMaxPanel(QWidget* parent, const QString& name, int left, int top, int width, int height);

// The two part options "スパン部" and "張出し部" with the "最大" panels left
// of them. Clicking an option (or selecting it from the program) calls
// `onPart` with 0 for the span part, 1 for the overhang part, which fills the
// window's formula. Which part governs is GoverningPart (calc/forceparts.h).
class PartChoice : public QObject {
    Q_OBJECT
public:
    // Options at `left` + the panel's width, rows at `top` and `top` + `rowGap`.
    PartChoice(QWidget* parent, int left, int top, int rowGap, std::function<void(int)> onPart);

    QRadioButton* SSOption1 = nullptr;  // "スパン部"
    QRadioButton* SSOption2 = nullptr;  // "張出し部"
    QLabel* SSPanel1 = nullptr;         // "最大" of the span part
    QLabel* SSPanel2 = nullptr;         // "最大" of the overhang part

    // The choice on activation: both options off and disabled, `clearFormula`
    // empties the formula; with nothing offered both panels are hidden;
    // otherwise each option is enabled when its value is not empty and the
    // governing part is selected and marked when its option is enabled (no
    // selection and the panels as they were when it is not).
    void ChooseOnActivation(bool offered, const std::string& span, const std::string& overhang,
                            const std::function<void()>& clearFormula);
    // Moves only the mark to the governing part, by the same rule, leaving
    // the options' selection and enabled state as they are.
    void MarkMax(bool offered, const std::string& span, const std::string& overhang);
    // Selects a part's option; its click handling runs also when it was
    // already selected.
    void Select(int part);
    // 0 or 1 for the selected option, -1 when none is.
    int Selected() const;

private:
    void ShowMark(int part);

    std::function<void(int)> onPart_;
};

}  // namespace talvo
