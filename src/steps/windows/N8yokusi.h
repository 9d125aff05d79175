// N8yokusi: the design-load conditions step of the frames with rock bolts
// (work type 3) and ground anchors (work type 4). It takes the planned safety
// factor, the required restraining force, the slip-surface gradient, the
// number of installation rows, the installation angle, the friction of the
// surface layer (as φ or as tan φ) and whether the bolts or anchors are
// staggered, and shows the horizontal spacing and the count along a vertical
// beam taken from the layout step.
#pragma once

#include <array>

#include "platform/stepform.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

class StaggerPicture;

class N8yokusi : public StepForm {
    Q_OBJECT
public:
    explicit N8yokusi(QWidget* parent = nullptr);

    QGroupBox* fraMain = nullptr;  // "設計荷重の算出条件"
    StaggerPicture* picTidori = nullptr;
    QCheckBox* chkBard = nullptr;           // " 千鳥配置"
    QLineEdit* txtSafety = nullptr;         // PFs
    QLineEdit* txtDeter = nullptr;          // Pr, kN/m
    QLineEdit* txtSlope = nullptr;          // θ, degrees
    QLabel* lblLevel = nullptr;             // ＠, m
    QLineEdit* txtStep = nullptr;           // n, rows
    QLabel* lblRockboltNum = nullptr;       // n_y along a vertical beam
    QLineEdit* txtRockboltAngle = nullptr;  // α, degrees
    QRadioButton* optAngle = nullptr;       // "角度入力"
    QRadioButton* optTanFai = nullptr;      // "tanφ入力"
    QLineEdit* txtAngle = nullptr;          // φ entered
    QLabel* lblAngle = nullptr;             // φ
    QLineEdit* txtTanFai = nullptr;         // tan φ entered
    QLabel* lblTanFai = nullptr;            // tan φ
    // The captions that name rock bolts or ground anchors: spacing, rows,
    // angle and the count along a vertical beam.
    std::array<QLabel*, 4> lblKind{};

protected:
    void OnLoad() override;
    void OnActivate() override;

private:
    void BardClick(bool checked);
    void AngleOptionClick();
    void TanFaiOptionClick();
    void SelectFriction(int mode);
    // Shows the option of the friction mode in force again (a refused click).
    void KeepFrictionInForce();
    void AngleChanged();
    void TanFaiChanged();
    void RowsCheck();
    void AngleCheck();
    // The marks of the rows and of the installation angle as stored; each
    // returns whether its box is red.
    bool ColorRows();
    bool ColorAngle();
    // The staggering test on the layout as stored: whether chkBard may be
    // used; HorizSpacing is set as the test decides.
    void StaggerTest();

    QButtonGroup* frictionOptions_ = nullptr;
};

}  // namespace talvo
