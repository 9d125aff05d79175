// NLrocksendan, the step "枠に発生するせん断力" of the anchored work types:
// where along the beam the shear force is checked (an entered distance x from
// the support, b/2 or b/2 + h/2), and for the vertical and the horizontal
// beam the maximum shear force of the span part or the overhang part with its
// coefficient formula, the part of the larger magnitude marked "最大".
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <vector>

#include "calc/windows/NFyokosendan.h"
#include "calc/windows/RockForceBlock.h"
#include "platform/stepform.h"

namespace talvo {

class NLrocksendan : public StepForm {
    Q_OBJECT
public:
    explicit NLrocksendan(QWidget* parent = nullptr);

    // ---- Check position ----
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> Option3D{};  // Option3D1 to Option3D3: mode 0, 1, 2
    QLineEdit* Text1 = nullptr;               // the entered x, m
    std::array<QFrame*, 3> Shape{};           // Shape12 to Shape14: focus frames of the rows
    std::array<QLabel*, 3> RowArea{};         // Label8, Label20, Label21: click areas
    std::vector<QLabel*> Label19;             // the texts of row 2
    std::vector<QLabel*> Label16;             // the texts of row 3
    ShearPositionFigure* picPos = nullptr;
    std::array<QLabel*, 3> Patch{};  // Label26, Label27, Label28

    // ---- The Smax formulas ----
    QLabel* Label2 = nullptr;  // heading
    RockForceBlock* Tate = nullptr;
    RockForceBlock* Yoko = nullptr;
    QLineEdit* Text2 = nullptr;  // the focus sink

    // The part whose value each direction shows: 0 span, 1 overhang.
    int SelectedPart(int direction) const;
    // A patch hides its marker when it fills its background.
    static bool PatchOpaque(const QLabel* patch);

    // The maximum marks of one direction again, options and labels untouched.
    void MarkMaxTate();
    void MarkMaxYoko();

protected:
    void OnLoad() override;
    void OnActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectPosition(int m);
    void PositionClick(int m);
    void PlacePatches();
    // The value labels of both directions for their shown parts.
    void RefreshValues();

    // Set while a toggle has already run the choice of the click that follows it.
    bool toggled_ = false;
};

}  // namespace talvo
