// The conditions shared by both patterns. Entries go into the pending copies
// of the record; OK commits them (clearing the results when any changed),
// Cancel drops them. Three reference dialogs pick values into its boxes.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "companion/checks.h"

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talvo::companion {

class FrmCondition : public QDialog {
    Q_OBJECT
public:
    enum Box {
        Ratio = EntryRatio,
        Angle = EntryAngle,
        Safety = EntrySafety,
        Distance = EntryDistance,
        Frame = EntryFrame,
        Pack = EntryPack,
        Mass = EntryMass,
        Concrete = EntryConcrete,
        Iron = EntryIron,
        kBoxes = kConditionEntries
    };

    explicit FrmCondition(QWidget* parent = nullptr);

    std::array<QLineEdit*, kBoxes> box{};
    std::array<QRadioButton*, 2> optSlope{};
    QCheckBox* chkConsider = nullptr;
    std::array<QPushButton*, 4> cmdWeightReference{};  // index 2 is not used
    QPushButton* cmdGrapthReference = nullptr;
    QPushButton* cmdStressReference = nullptr;
    QPushButton* Command1 = nullptr;  // OK
    QPushButton* Command2 = nullptr;  // キャンセル
    QPushButton* Command6 = nullptr;  // ヘルプ

    // Leaving a box: the check of its row. False when the entry was refused
    // (the box shows the last accepted value again and takes the focus).
    bool LeaveBox(int index);
    void optSlopeClick(int index);
    void chkConsiderClick();
    void OkClick();
    // The reference buttons (group 0, 1 or 3 of the unit weights).
    void WeightReference(int group);
    void GraphReference();
    void StressReference();

    // Replaces how a reference dialog is shown (tests answer it themselves).
    void SetDialogRunner(std::function<int(QDialog&)> run) { run_ = std::move(run); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is bound to no button: it leaves the dialog open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int Run(QDialog& dlg);
    bool checking_ = false;
    std::function<int(QDialog&)> run_;
};

}  // namespace talvo::companion
