// NLrocksendan, the step "枠に発生するせん断力" of the anchored work types:
// where along the beam the shear force is checked (an entered distance x from
// the support, b/2 or b/2 + h/2), and for the vertical and the horizontal
// beam the maximum shear force of the span part or the overhang part with its
// coefficient formula, the part of the larger magnitude marked "最大".
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "calc/windows/RockForceBlock.h"
#include "calc/windows/ShearPositionRows.h"
#include "platform/stepform.h"

namespace talvo {

class NLrocksendan : public StepForm {
    Q_OBJECT
public:
    explicit NLrocksendan(QWidget* parent = nullptr);

    // ---- Check position ----
    QGroupBox* Frame1 = nullptr;
    ShearPositionRows* Rows = nullptr;  // Option3D1 to 3, Shape12 to 14, Label8/20/21, patches
    QLineEdit* Text1 = nullptr;         // the entered x, m (Rows->Text1)

    // ---- The Smax formulas ----
    QLabel* Label2 = nullptr;  // heading
    RockForceBlock* Tate = nullptr;
    RockForceBlock* Yoko = nullptr;
    QLineEdit* Text2 = nullptr;  // the focus sink

    // The part whose value each direction shows: 0 span, 1 overhang.
    int SelectedPart(int direction) const;

    // The maximum marks of one direction again, options and labels untouched.
    void MarkMaxTate();
    void MarkMaxYoko();

protected:
    void OnLoad() override;
    void OnActivate() override;

private:
    void PositionClick(int m);
    // The value labels of both directions for their shown parts.
    void RefreshValues();
};

}  // namespace talvo
