// The design-load step of the anchored frames, one window for both twins:
// NIrockst (rock bolts, work type 3) and NIrockpt (ground anchors, work type
// 4). The engineer chooses how the bolts or anchors restrain the slope and
// whether the planned safety factor PFs acts on the holding term; the window
// shows the increase ΔPr of the required restraining force and the design
// load that follow, as a formula (for rock bolts through the shear force S
// per bolt). It takes no typed value.
#pragma once

#include <array>

#include "platform/stepform.h"
#include "steps/designload.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace talvo {

class DesignLoadStep : public StepForm {
    Q_OBJECT
public:
    DesignLoadKind Kind() const { return kind_; }

    QGroupBox* fraRestraint = nullptr;  // "ロックボルトの抑止効果" / "アンカーの抑止効果"
    std::array<QRadioButton*, 3> SSOption1{};  // tightening, holding, both
    QCheckBox* Check1 = nullptr;               // "計画安全率を考慮する"
    QLabel* Label16 = nullptr;                 // ΔPr
    // The unit of ΔPr, or the negative computed ΔPr before it: Label14 of
    // the rock bolts, Label2 of the ground anchors (the other one is null);
    // DeltaPrUnit is whichever of the two the twin has.
    QLabel* Label14 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* DeltaPrUnit = nullptr;
    QLabel* Label3 = nullptr;    // S (rock bolts only)
    QLabel* Label19 = nullptr;   // the restraint term under the fraction bar
    QLabel* Label21 = nullptr;   // Pt
    QLineEdit* Text1 = nullptr;  // the focus sink

protected:
    DesignLoadStep(const QString& className, DesignLoadKind kind, QWidget* parent);

    void OnLoad() override;
    void OnActivate() override;

private:
    void OptionClick(int mode);
    void CheckClick(bool checked);
    // Label19 and the planned-safety-factor box for the stored choices.
    void ShowRestraintTerm();
    // S (rock bolts), ΔPr and Pt as stored.
    void ShowValues();

    DesignLoadKind kind_;
    QButtonGroup* options_ = nullptr;
};

}  // namespace talvo
