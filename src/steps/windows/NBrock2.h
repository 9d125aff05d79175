// NBrock2: the rock-bolt anchorage length step of work type 3. The engineer
// enters the drill-hole diameter, the skin friction of the ground, the bond
// stress between grout and steel, the safety factor against pull-out, the
// anchorage length and the distance to the slip surface; the step shows the
// bar's nominal diameter, the two required bond lengths and the bolt
// length, and marks an anchorage length shorter than a bond length red.
#pragma once

#include <array>

#include "platform/stepform.h"
#include "steps/windows/AnchorageRefer.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talvo {

class NBrock2 : public StepForm {
    Q_OBJECT
public:
    explicit NBrock2(QWidget* parent = nullptr);

    QLabel* Label14 = nullptr;   // ds, mm
    QLineEdit* Text1 = nullptr;  // da, mm
    QLineEdit* Text2 = nullptr;  // τ, N/mm²
    QLineEdit* Text3 = nullptr;  // τb, N/mm²
    QLineEdit* Text4 = nullptr;  // Fs
    QLabel* Label15 = nullptr;   // La1, m
    QLabel* Label16 = nullptr;   // La2, m
    QLineEdit* Text5 = nullptr;  // La, m
    QLineEdit* Text7 = nullptr;  // Lf, m
    QLabel* Label17 = nullptr;   // LA, m
    // "参考値..." of τ, τb and Fs.
    std::array<QPushButton*, 3> cmdRefer{};
    QLineEdit* Text9 = nullptr;  // the focus sink

protected:
    void OnLoad() override;
    void OnActivate() override;
    void SetNavEnabled(bool on) override;

private:
    // The bond lengths again after a change of da, τ, τb or Fs.
    void BondChanged();
    // The bolt length again after a change of La or Lf.
    void LengthChanged();
    void ShowBondLengths();
    // Colours the anchorage length by its check; returns whether it is short.
    bool ColorLength();
    // After every accepted anchorage length: the colour, and the warning
    // while it is short.
    void LengthCheck();

    // The dialogs of cmdRefer: skin friction into τ, bond stress into τb,
    // pull-out safety into Fs.
    std::array<ReferenceButton, 3> refer_;
};

}  // namespace talvo
