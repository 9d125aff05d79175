// N5koubai: the slope gradient step of every chain. The gradient is entered
// either as the ratio 1 : n or as the slope angle θ0; the other form follows
// at once, and the window shows the slope length L (the frame's length down
// the slope) and stores the slope height H = L·sin θ0.
#pragma once

#include "platform/stepform.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

class GradientTriangle;
class SlopeSectionFigure;

class N5koubai : public StepForm {
    Q_OBJECT
public:
    explicit N5koubai(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;        // the input mode
    QLabel* lblHeader = nullptr;        // "のり勾配の指定方法"
    QRadioButton* Option3D1 = nullptr;  // "比率入力"
    QRadioButton* Option3D2 = nullptr;  // "角度入力"
    QGroupBox* Frame2 = nullptr;        // the 1 : n triangle
    GradientTriangle* Triangle = nullptr;
    QLineEdit* Text9 = nullptr;  // n, ratio mode
    QLabel* Label9 = nullptr;    // n
    SlopeSectionFigure* Picture1 = nullptr;
    QLineEdit* Text6 = nullptr;  // θ0, angle mode
    QLabel* Label6 = nullptr;    // θ0
    QLabel* Label1 = nullptr;    // L, the slope length
    QLabel* Label3 = nullptr;    // H, the slope height

protected:
    void OnLoad() override;
    void OnActivate() override;
    QWidget* OpeningFocus() const override;

private:
    // Selects the option of `mode` (1 ratio, 0 angle) from the program, with
    // its click handling.
    void SelectMode(int mode);
    // Shows the option of the mode in force again (a refused click).
    void KeepModeInForce();
    void RatioClick();
    void AngleClick();
    void RatioChanged();
    void AngleChanged();
    // After either form changed: the wedge follows, and the height when the
    // other form could be derived.
    void GradientEntered(bool derived);
    // H from the L and θ0 captions into Label3.
    void ShowHeight();
    // Label3's caption; a changed caption is the stored slope height.
    void SetHeight(const QString& caption);

    QButtonGroup* options_ = nullptr;
};

}  // namespace talvo
