// NKrockmoment, the step "枠に発生する曲げモーメント" of the anchored work
// types: for the vertical and the horizontal beam the maximum bending moment
// of the span part or the overhang part with its coefficient formula, the
// part of the larger magnitude marked "最大". No input box.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "calc/windows/RockForceBlock.h"
#include "platform/stepform.h"

namespace talvo {

class NKrockmoment : public StepForm {
    Q_OBJECT
public:
    explicit NKrockmoment(QWidget* parent = nullptr);

    QLabel* Label5 = nullptr;  // heading
    RockForceBlock* Tate = nullptr;
    RockForceBlock* Yoko = nullptr;
    QLineEdit* Text1 = nullptr;  // the focus sink

protected:
    void OnActivate() override;
};

}  // namespace talvo
