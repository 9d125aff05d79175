// Building blocks of the member-force steps: static texts and bordered value
// labels placed in twips, fractions drawn as a number over a bar over a
// number, the title bar of a formula group, the "最大" mark, and the choice
// between the span part and the overhang part of a beam with its governing
// mark.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/formkit.h"

namespace talvo {

// Colour of the "最大" mark of the governing part.
inline const QColor kMaxPanelColor{192, 0, 192};
// Background of the title bar of a formula group.
inline const QColor kTitleBarColor{0, 0, 128};

// The element of a per-work-type array of the record for the current work
// type; null for a work type outside the arrays.
std::string* OfWorkType(std::array<std::string, 5>& field);
std::int16_t* OfWorkType(std::array<std::int16_t, 5>& field);

// A static text at (left, top) in twips, `width` × `height`.
QLabel* AddText(QWidget* parent, const QString& text, int left, int top, int width, int height,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A smaller static text (an index or an exponent such as the "0" of sinθ0 or
// the "2" of a square).
QLabel* AddSmallText(QWidget* parent, const QString& text, int left, int top, int width,
                     int height);
// A display label with a single-line border, right-aligned, named `name`.
QLabel* AddValue(QWidget* parent, const QString& name, int left, int top, int width, int height);
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

// The row of SpanCoefficients for the span part: the number of spans read as
// a number and converted to an integer (halves to even), four or more taken
// as 4; a count below 0 is taken as 0.
int SpanRow(const std::string& spanCount);

// The part that the windows mark as governing: 1 (overhang) when the
// magnitude of the overhang value exceeds that of the span value, else 0
// (span); an empty value counts as 0. Equal magnitudes mark the span part,
// although the design value itself takes the overhang on a tie: the window
// shows the span formula first whenever it is not smaller.
int GoverningPart(const std::string& span, const std::string& overhang);

// The two part options "スパン部" and "張出し部" with the "最大" panels left
// of them. Clicking an option (or selecting it from the program) calls
// `onPart` with 0 for the span part, 1 for the overhang part, which fills the
// window's formula.
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
