// N0select: the work-type selection step, the start screen of every design.
// The engineer chooses the work type, whether the design load Pt is entered
// directly, and types three site names; "検討開始" opens the step chain of
// the type at its first step, "結果画面" at the results window.
#pragma once

#include <QWidget>
#include <array>

#include "platform/entryboxes.h"
#include "shell/windows/StepManager.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talvo {

class N0select : public StandaloneStep {
    Q_OBJECT
public:
    explicit N0select(QWidget* parent = nullptr);

    // The load: closes a chain being left, takes position and size, enables
    // the file tools and fills the controls from the record.
    void Load() override;

    std::array<QLineEdit*, 3> txtGenba{};
    std::array<QRadioButton*, 5> Option3D1{};
    QCheckBox* chkLoadInput = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdResult = nullptr;
    // Focus sinks below the visible area: reached only with the Tab key.
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;

    // The site names' length rule, in code-page-932 bytes.
    static constexpr std::size_t kNameBytes = 70;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OptionClick(int k);
    void KeepTabStopOnChoice();
    // Moves the choice from the option `watched` by `step` places, round the
    // five; false when `watched` is no option.
    bool MoveChoice(QObject* watched, int step);
    void LoadInputClick(bool checked);
    void ButtonClick(bool results);
    void OpenChain(bool results);

    EntryGroup* entries_ = nullptr;
    QButtonGroup* options_ = nullptr;
    bool loading_ = false;
};

}  // namespace talvo
