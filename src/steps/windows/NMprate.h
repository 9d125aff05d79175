// NMprate: the plate thickness step of the ground anchors (work type 4). The
// engineer gives the allowable bending stress σpa of the anchor plate and its
// thickness t; the step shows the bending moment M = (Pt/2)·D/4 and the
// required thickness √(6·M/(u·σpa)), and paints a thinner plate red.
#pragma once

#include "platform/stepform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talvo {

class NMprate : public StepForm {
    Q_OBJECT
public:
    explicit NMprate(QWidget* parent = nullptr);

    QLineEdit* txtStress = nullptr;      // σpa
    QPushButton* cmdRefer = nullptr;     // "参考値..."
    QLabel* lblPlateWidth = nullptr;     // u, from the bearing step
    QLabel* lblDiameter = nullptr;       // D, the box-out of the anchor head
    QLabel* lblMoment = nullptr;         // M
    QLabel* lblThick = nullptr;          // the required thickness
    QLineEdit* txtPlateThick = nullptr;  // t
    QLineEdit* Text3 = nullptr;          // the focus sink

protected:
    void OnActivate() override;
    void OnDeactivate() override;
    void OnResized(bool minimised) override;

private:
    void SetReferEnabled(bool on);
    void ReferClicked();
    void StressChanged();
    void ThicknessAccepted();
    // The thickness box's colour by its rule; returns whether it is red.
    bool ColorThickness();
};

}  // namespace talvo
