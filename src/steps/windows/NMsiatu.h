// NMsiatu: the bearing pressure step of the ground anchors (work type 4). The
// engineer gives the width u of the square anchor plate; the step shows the
// concrete bearing stress under it, σb = Pt·1000/Ap, against its allowable
// σba, and warns of a plate narrower than the box-out or wider than the beam.
#pragma once

#include "platform/stepform.h"
#include "steps/plate.h"

class QLabel;
class QLineEdit;

namespace talvo {

class NMsiatu : public StepForm {
    Q_OBJECT
public:
    explicit NMsiatu(QWidget* parent = nullptr);

    QLabel* Label3 = nullptr;    // σck
    QLineEdit* Text1 = nullptr;  // u, the plate width
    QLabel* Label4 = nullptr;    // D, the box-out of the anchor head
    QLabel* Label5 = nullptr;    // b, the beam under the plate
    QLabel* Label6 = nullptr;    // A = b²
    QLabel* Label7 = nullptr;    // Ap, the bearing area of the plate
    QLabel* Label8 = nullptr;    // σb
    QLabel* Label22 = nullptr;   // "≦" / "＞"
    QLabel* Label9 = nullptr;    // σba
    QLabel* Label20 = nullptr;   // "･･･ok" / "･･･out" / "･･･"
    QLineEdit* Text2 = nullptr;  // the focus sink

protected:
    void OnActivate() override;

private:
    void PlateWidthChanged();
    void PlateWidthAccepted();
    void ShowCheck();
    void ShowVerdict();
    // The plate width's colour by its rule; returns the fault found.
    PlateWidthFault ColorPlateWidth();
};

}  // namespace talvo
