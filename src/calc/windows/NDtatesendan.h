// NDtatesendan, the step "縦枠に発生するせん断力" of the wedge and the
// circular-arc failure types: shows ΔFs again, read only, and the vertical
// frame's maximum shear force. No entry box, so no focus sink: the
// start-screen button acts at once.
#pragma once

#include <QLabel>

#include "platform/stepform.h"

namespace talvo {

class NDtatesendan : public StepForm {
    Q_OBJECT
public:
    explicit NDtatesendan(QWidget* parent = nullptr);

    QLabel* Label7 = nullptr;  // ΔFs
    QLabel* Label5 = nullptr;  // Smax, kN

protected:
    void OnActivate() override;
};

}  // namespace talvo
