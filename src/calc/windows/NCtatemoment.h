// NCtatemoment, the step "縦枠に発生する曲げモーメント" of the wedge and the
// circular-arc failure types: takes the safety-factor increase ΔFs that the
// frame adds against sliding of the failing soil mass and shows the vertical
// frame's maximum bending moment.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/stepform.h"

namespace talvo {

class NCtatemoment : public StepForm {
    Q_OBJECT
public:
    explicit NCtatemoment(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;   // ΔFs
    QLabel* lblMmax = nullptr;    // Mmax, kN·m
    QGroupBox* Frame1 = nullptr;  // the guidance on ΔFs
    QLineEdit* Text2 = nullptr;   // the focus sink

protected:
    void OnLoad() override;
    void OnActivate() override;

private:
    // Shows TateMmax of the work type and keeps the record equal to the text
    // shown.
    void ShowMmax();
};

}  // namespace talvo
