// The companion's dialogs: the conditions, their three reference dialogs and
// the standard frame spans.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talvo {
class Grid;
}

namespace talvo::companion {

// The conditions shared by both patterns. Entries go into the pending copies
// of the record; OK commits them (clearing the results when any changed),
// Cancel drops them.
class FrmCondition : public QDialog {
    Q_OBJECT
public:
    enum Box { Ratio, Angle, Safety, Distance, Frame, Pack, Mass, Concrete, Iron, kBoxes };

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

// ΔFs reference: three fixed choices.
class FrmDeltaFs : public QDialog {
    Q_OBJECT
public:
    explicit FrmDeltaFs(FrmCondition* condition, QWidget* parent = nullptr);
    std::array<QRadioButton*, 3> optFs{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    void OkClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is bound to no button: it leaves the dialog open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    FrmCondition* condition_;
};

// Design strengths and allowable stresses of the four standards.
class FrmPermission : public QDialog {
    Q_OBJECT
public:
    explicit FrmPermission(FrmCondition* condition, QWidget* parent = nullptr);
    QComboBox* cmbAssociation = nullptr;
    Grid* sprStress = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    void SelectStandard(int s);
    void OkClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is bound to no button: it leaves the dialog open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    FrmCondition* condition_;
};

// One group of the unit-weight catalogue.
class FrmVolume : public QDialog {
    Q_OBJECT
public:
    explicit FrmVolume(FrmCondition* condition, QWidget* parent = nullptr);
    Grid* sprVolume = nullptr;  // row 1 headings, rows 2-6 the catalogue rows 0-4
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    void OkClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is bound to no button: it leaves the dialog open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    FrmCondition* condition_;
};

// The standard frame spans: a row assigned to pattern 1 or 2.
class FrmStandardSpan : public QDialog {
    Q_OBJECT
public:
    explicit FrmStandardSpan(QWidget* parent = nullptr);
    Grid* sprFrameSpan = nullptr;
    QCheckBox* chkSame = nullptr;
    std::array<QPushButton*, 2> cmdPattern{};
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
    // Assigns the row of the active cell to pattern p.
    void AssignRow(int p);

private:
    std::array<int, 7> barIndex_{};
    std::array<std::string, 7> barCount_{};
};

}  // namespace talvo::companion
