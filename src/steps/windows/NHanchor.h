// NHanchor: the main anchor bar step of the frame-only types (0 to 2). The
// bar takes the slope-direction load Q of one horizontal span in shear: the
// engineer steps the bar through the deformed-bar table and gives the safety
// factor Fs and the allowable shear stress τsa; the step shows the bar's
// area As and its shear stress τs = Q/As·Fs with the verdict against τsa.
#pragma once

#include "platform/stepform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talvo {

class UpDown;

class NHanchor : public StepForm {
    Q_OBJECT
public:
    explicit NHanchor(QWidget* parent = nullptr);

    QLineEdit* Text7 = nullptr;       // the bar's name, read-only
    UpDown* UpDown1 = nullptr;        // steps the bar
    QLabel* Label14 = nullptr;        // As, mm²
    QLineEdit* Text3 = nullptr;       // Fs
    QLineEdit* Text1 = nullptr;       // τsa
    QPushButton* cmdRefer = nullptr;  // "参考値..."
    QLabel* Label11 = nullptr;        // τs
    QLabel* Label20 = nullptr;        // "ok" / "out" / ""
    QLineEdit* Text2 = nullptr;       // the focus sink

protected:
    void OnLoad() override;
    void OnActivate() override;
    void OnDeactivate() override;
    void OnResized(bool minimised) override;
    QWidget* OpeningFocus() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetReferEnabled(bool on);
    void ReferClicked();
    void StepBar(int step);
    void ShowBar();
    void ShowTauS();
    void ShowVerdict();
};

}  // namespace talvo
