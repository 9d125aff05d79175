// NArock1: the rock-bolt steel step of work type 3. The engineer enters the
// allowable shear and tensile stresses of the bolt steel and steps the bar
// size through the deformed-bar table; the step shows the bar's nominal
// area and checks the shear and tensile stress of one bolt, τs = S/As and
// σs = Pt/As, against the two allowables ("ok" / "out").
#pragma once

#include "platform/stepform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talvo {

class UpDown;

class NArock1 : public StepForm {
    Q_OBJECT
public:
    explicit NArock1(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;       // τsa
    QLineEdit* Text2 = nullptr;       // σsa
    QPushButton* cmdRefer = nullptr;  // "参考値...": the steel catalogue
    QLineEdit* Text7 = nullptr;       // the bar's name; never read back
    UpDown* UpDown1 = nullptr;        // steps the bar
    QLabel* Label21 = nullptr;        // As, mm²
    QLabel* Label23 = nullptr;        // τs
    QLabel* Label24 = nullptr;        // σs
    QLabel* Label25 = nullptr;        // verdict of τs
    QLabel* Label26 = nullptr;        // verdict of σs
    QLineEdit* Text3 = nullptr;       // the focus sink

protected:
    void OnActivate() override;
    void SetNavEnabled(bool on) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Steps the bar one row up (+1) or down (-1); nothing at the table's ends.
    void StepBar(int step);
    // The bar box and the area as the record and the bar table hold them.
    void ShowBar();
    // The stresses again from S, Pt and the bar; a stored text that changes
    // marks the design changed.
    void RecomputeStresses();
    void ShowStresses();
    void MarkVerdicts();
    void ReferClick();
};

}  // namespace talvo
