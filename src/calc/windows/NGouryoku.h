// NGouryoku, the step "設計基準強度と許容応力度" of every work type: the
// design strength of the concrete, the allowable stresses of concrete and
// rebar, and whether the shear stress is checked as the maximum or the
// average stress. The window computes nothing; the section checks read it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/stepform.h"

namespace talvo {

class NGouryoku : public StepForm {
    Q_OBJECT
public:
    explicit NGouryoku(QWidget* parent = nullptr);

    QLineEdit* txtStandard = nullptr;    // σck
    QLineEdit* txtCompress = nullptr;    // σca
    QLineEdit* txtShear = nullptr;       // τca
    QLineEdit* txtAdhesion = nullptr;    // τoa
    QLineEdit* txtPull = nullptr;        // σsa
    QRadioButton* optAverage = nullptr;  // ShearStressMode 0
    QRadioButton* optMax = nullptr;      // ShearStressMode 1
    QPushButton* cmdRefer = nullptr;     // "参考値..."
    QLineEdit* Text4 = nullptr;          // the focus sink

protected:
    void OnLoad() override;
    void OnActivate() override;
    void OnDeactivate() override;
    void OnResized(bool minimised) override;

private:
    void ReferClick();
    void ModeClick(std::int16_t mode);
    void SetReferEnabled(bool on);

    bool loading_ = false;
};

}  // namespace talvo
