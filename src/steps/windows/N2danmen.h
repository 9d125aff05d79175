// N2danmen: the beam cross-section step, the first window of every chain.
// The engineer enters the width b, height h and effective height d of the
// vertical (index 0) and horizontal (index 1) beams, or picks one of six
// standard sections; "縦横同じ寸法" keeps both directions alike.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "platform/stepform.h"
#include "steps/section.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace talvo {

class SectionSketch;

class N2danmen : public StepForm {
    Q_OBJECT
public:
    explicit N2danmen(QWidget* parent = nullptr);

    QCheckBox* chkMeasur = nullptr;            // "縦横同じ寸法"
    std::array<QGroupBox*, 2> fraSection{};    // "縦枠", "横枠"
    std::array<QPushButton*, 2> cmdSelect{};   // "標準断面の選択"
    std::array<QListWidget*, 2> lstSection{};  // hidden until cmdSelect opens it
    std::array<SectionSketch*, 2> picSection{};
    std::array<QLineEdit*, 2> txtWidth{};
    std::array<QLineEdit*, 2> txtHeight{};
    std::array<QLineEdit*, 2> txtMidHeight{};

    // The key mark of a list: its next selection change is ignored.
    bool KeyMark(int i) const { return keyMark_[i] != 0; }

protected:
    void OnLoad() override;
    void OnActivate() override;
    void SetNavEnabled(bool on) override;
    void BackClicked() override {}  // the first step has nothing before it
    void NextClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WidthChanged(int i);
    void HeightAccepted(int i);
    void MidHeightAccepted(int i);
    // The marks after an accepted h or d of direction i (the message with
    // its own); with one section for both directions, the other direction's
    // mark and the copy into it.
    void DepthChecked(int i, const DepthMarks& marks, const std::array<QLineEdit*, 2>& boxes,
                      std::string& (*field)(int));
    // One section for both: the other direction takes box i's text (`field`
    // gives a direction's stored value).
    void CopyToOther(int i, const std::array<QLineEdit*, 2>& boxes, std::string& (*field)(int));
    void MeasurClick(bool checked);
    void SelectClick(int i);
    void ListClicked(int i, int row);
    void ApplyItem(int i, int row);
    void FillDirection(int k, const QString& item);
    void MarkDirection(int k, bool red);
    // The texts of direction k's boxes.
    SectionTexts Shown(int k) const;
    bool ListKey(int i, QKeyEvent* key);

    std::array<int, 2> keyMark_{};
    bool inListKey_ = false;
};

}  // namespace talvo
