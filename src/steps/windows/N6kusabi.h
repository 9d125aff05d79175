// N6kusabi: the wedge failure step of work type 0. The wedge from the slope
// shoulder is described by L1 (along the slope face), L2 (behind the
// shoulder), H (its height) and α (the slip plane); the engineer enters one
// of five pairs and CalcKusabiKeijyou derives the other two with the slope
// angle θ0. A failure longer than the slope, or a slip plane not flatter
// than the slope, is marked red and warned about after an entry.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "platform/stepform.h"
#include "steps/wedgeshape.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

class N6kusabi : public StepForm {
    Q_OBJECT
public:
    explicit N6kusabi(QWidget* parent = nullptr);

    static constexpr const char* kTooLong = "崩壊長さがのり長を超えています。";
    static constexpr const char* kTooSteep = "崩壊角度がのり面の角度を超えています。";

    // Shows the two derived values of the current pattern and repaints both
    // red marks (with no message).
    void HoukaiKeijyou();

    QWidget* picNori = nullptr;                // the pattern group and the slope section
    QGroupBox* fraPattern = nullptr;           // "崩壊形状の指定"
    std::array<QRadioButton*, 5> SSOption1{};  // the five input patterns
    std::array<QLabel*, 5> lblOp{};            // clickable covers of the captions
    std::array<QFrame*, 5> Shp1{};             // the focus mark around a caption
    // The values: L1, L2, H, α; each box lies over its label.
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label9 = nullptr;    // θ0, shown only
    QLineEdit* Text5 = nullptr;  // takes the focus for a caption click

protected:
    void OnLoad() override;
    void OnActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The Click handling of pattern i (also when the program selects it).
    void OptionClick(int i);
    // Selects pattern i's option button from the program, with its Click.
    void SelectPattern(int i);
    void CaptionClicked(int i);
    void Text5GotFocus();
    void ValueAccepted(QLineEdit* box);
    void MarkLength();
    void MarkAngle();
    // The box and the label of a wedge value.
    QLineEdit* BoxOf(WedgeValue v) const;
    QLabel* LabelOf(WedgeValue v) const;

    // The pattern in force when a value box last got the focus.
    std::int16_t SavedInputMode = 0;
    // 0, or 1 + the pattern whose caption was clicked and waits for Text5.
    std::int16_t OptionPending = 0;
    QButtonGroup* options_ = nullptr;
};

}  // namespace talvo
