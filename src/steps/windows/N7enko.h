// N7enko: the circular-arc failure step of work type 1. The engineer enters
// the failure's length L1 along the slope, its depth L2 and its distance L3
// from the slope shoulder; the window warns when the failure does not fit on
// the slope (L < L1 + L3) or is deeper than half its length (L1 < 2·L2).
// Nothing is computed here: a changed length raises RecalcLoad.
#pragma once

#include "platform/stepform.h"

class QLabel;
class QLineEdit;

namespace talvo {

class ArcFailureFigure;

class N7enko : public StepForm {
    Q_OBJECT
public:
    explicit N7enko(QWidget* parent = nullptr);

    ArcFailureFigure* picEnko = nullptr;
    QLabel* lblTitle = nullptr;  // "のり中間からの崩壊方法"
    QLineEdit* txtL1 = nullptr;  // failure length, m
    QLineEdit* txtL2 = nullptr;  // failure depth, m
    QLineEdit* txtL3 = nullptr;  // shoulder to the failure's upper end, m
    QLabel* lblSita0 = nullptr;  // slope angle θ0, as stored

protected:
    void OnLoad() override;
    void OnActivate() override;

private:
    // Check A, the failure on the slope; `needL1`: an empty L1 passes.
    // Returns whether it fails; colours txtL1 and txtL3, and warns when asked.
    bool CheckShape(bool needL1, bool warn);
    // Check B, the depth within the radius.
    bool CheckDepth(bool warn);
};

}  // namespace talvo
