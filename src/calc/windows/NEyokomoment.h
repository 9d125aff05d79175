// NEyokomoment, the step "横枠に発生する曲げモーメント" of the frame-only work
// types: the load on one horizontal span and the formula of the horizontal
// frame's maximum bending moment for the span part or the overhang part, the
// governing part marked "最大". No entry box, so no focus sink.
#pragma once

#include <QGroupBox>
#include <QLabel>

#include "calc/windows/ForceFormula.h"
#include "platform/stepform.h"

namespace talvo {

class NEyokomoment : public StepForm {
    Q_OBJECT
public:
    explicit NEyokomoment(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;  // loads
    QGroupBox* Frame2 = nullptr;  // the Mmax formula
    QLabel* Label13 = nullptr;    // W, kN
    QLabel* Label5 = nullptr;     // Q, kN
    QLabel* Label10 = nullptr;    // w, kN/m
    QLabel* Label9 = nullptr;     // numerator of the coefficient
    QLabel* Label8 = nullptr;     // denominator of the coefficient
    QLabel* Label24 = nullptr;    // "(スパン長)" or "(張出し長)"
    QLabel* Label12 = nullptr;    // the part's Mmax, kN·m
    PartChoice* Parts = nullptr;  // SSOption1/2 and SSPanel1/2
    QRadioButton* SSOption1 = nullptr;
    QRadioButton* SSOption2 = nullptr;
    QLabel* SSPanel1 = nullptr;
    QLabel* SSPanel2 = nullptr;

protected:
    void OnActivate() override;

private:
    void PartClick(int part);
};

}  // namespace talvo
