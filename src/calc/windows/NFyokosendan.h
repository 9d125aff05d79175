// NFyokosendan, the step "横枠に発生するせん断力" of the frame-only work types:
// the shear check position measured from the support (an entered distance x,
// half the supporting frame's width b/2, or b/2 + h/2) and the formula of the
// horizontal frame's maximum shear force for the span part or the overhang
// part, the governing part marked "最大".
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/windows/ForceFormula.h"
#include "calc/windows/ShearPositionRows.h"
#include "platform/stepform.h"

namespace talvo {

class NFyokosendan : public StepForm {
    Q_OBJECT
public:
    explicit NFyokosendan(QWidget* parent = nullptr);

    // ---- Check position ----
    QGroupBox* Frame1 = nullptr;        // "せん断力の照査位置"
    ShearPositionRows* Rows = nullptr;  // Option3D1 to 3, Shape12 to 14, Label7/10/11, masks
    QLineEdit* Text1 = nullptr;         // the entered x, m (Rows->Text1)

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

protected:
    void OnLoad() override;
    void OnActivate() override;

private:
    void PartClick(int part);
    void PositionClick(int m);
    void ShowSmax();
    // Moves the "最大" mark to the governing part of the current shears.
    void MarkMax();

    int shownPart_ = 0;
};

}  // namespace talvo
