// N4omosa: the weights step. The engineer names the frame material, the
// infill, the snow and the moving soil mass and gives their unit weights,
// the infill thickness and the snow depth, and says whether infill and snow
// are considered. The frame heights of the section step are shown beside.
#pragma once

#include <array>

#include "platform/stepform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace talvo {

class N4omosa : public StepForm {
    Q_OBJECT
public:
    explicit N4omosa(QWidget* parent = nullptr);

    // Names, in code-page-932 bytes.
    static constexpr std::size_t kNameBytes = 20;

    // Groups: 0 frame, 1 infill, 2 snow, 3 moving soil.
    std::array<QGroupBox*, 4> fraGroup{};
    std::array<QLineEdit*, 4> txtName{};
    std::array<QLineEdit*, 4> txtWeight{};
    std::array<QPushButton*, 4> cmdRefer{};  // "参考値..."
    std::array<QLineEdit*, 2> txtThick{};    // 0 infill thickness, 1 snow depth
    std::array<QLabel*, 2> lblFrame{};       // the frame heights h_y and h_x
    QCheckBox* chkMaterial = nullptr;        // infill "考慮する"
    QCheckBox* chkSnow = nullptr;            // snow "考慮する"

    // The unit-weight dialog the reference buttons open; each button follows
    // its panel's state.
    static constexpr bool kUnitWeightDialog = true;

protected:
    void OnLoad() override;
    void OnActivate() override;
    void OnDeactivate() override;
    void OnResized(bool minimised) override;

private:
    void MaterialClick(bool checked);
    void SnowClick(bool checked);
    void ReferClick(int i);
    void ThickAccepted();
    // Marks an infill thicker than the frame; returns whether it is.
    bool ColorThick();
    void EnableRefer();
    void DisableRefer();
};

}  // namespace talvo
