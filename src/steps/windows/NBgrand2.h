// NBgrand2: the anchorage-length step of the frames with ground anchors
// (work type 4). The engineer gives the apparent tendon diameter, the drill
// hole, the skin friction of the ground, the bond stress between grout and
// tendon, the safety factor against pull-out, the anchorage length La and
// the free length Lf; the step shows the two required bond lengths and the
// anchor length La + Lf, and marks La below the bond lengths or outside its
// standard range, and Lf outside its own.
#pragma once

#include <array>

#include "platform/stepform.h"
#include "steps/windows/AnchorageRefer.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talvo {

class NBgrand2 : public StepForm {
    Q_OBJECT
public:
    explicit NBgrand2(QWidget* parent = nullptr);

    QLineEdit* txtds = nullptr;    // ds, mm
    QLineEdit* txtda = nullptr;    // da, mm
    QLineEdit* txtTau = nullptr;   // τ, N/mm²
    QLineEdit* txtTaub = nullptr;  // τb, N/mm²
    QLineEdit* txtFs = nullptr;    // Fs
    QLabel* lblLa1 = nullptr;      // ground to grout, m
    QLabel* lblLa2 = nullptr;      // grout to tendon, m
    QLineEdit* txtLa = nullptr;    // anchorage length, m
    QLineEdit* txtLf = nullptr;    // free length, m
    QLabel* lblLanc = nullptr;     // anchor length La + Lf, m
    // "参考値..." of τ (0), τb (1) and Fs (2).
    std::array<QPushButton*, 3> cmdRefer{};

    QLineEdit* Text10 = nullptr;  // the focus sink

protected:
    void OnLoad() override;
    void OnActivate() override;
    void OnDeactivate() override;
    void OnResized(bool minimised) override;

private:
    void BondChanged();
    void LengthChanged();
    // The verdicts colour their box; with `warn` a verdict that is not Ok
    // also shows its message.
    void JudgeLa(bool warn);
    void JudgeLf(bool warn);
    void EnableRefer(bool on);

    // The dialogs of cmdRefer: skin friction into τ, bond stress into τb,
    // pull-out safety into Fs.
    std::array<ReferenceButton, 3> refer_;
};

}  // namespace talvo
