// N3haiti: the frame and anchor layout step of the anchored frames (rock
// bolts, ground anchors). The engineer enters the spans and overhangs of the
// frame and the grid of bolts or anchors in both directions; the window
// keeps the total lengths, marks frame and anchor values that do not fit
// together, and with "全格子点に配置" makes each follow the other.
#pragma once

#include <array>
#include <string>

#include "platform/stepform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace talvo {

class N3haiti : public StepForm {
    Q_OBJECT
public:
    explicit N3haiti(QWidget* parent = nullptr);

    QCheckBox* Check1 = nullptr;  // "全格子点に配置"
    // The sixteen boxes by their numbers: 1 to 8 the frame, 11 to 18 the
    // anchors (9 is the focus sink, 10 is not used).
    std::array<QLineEdit*, 19> Text{};
    // Elements 2 (horizontal) and 3 (vertical): the anchor count labels.
    std::array<QLabel*, 4> Label3{};
    std::array<QGroupBox*, 2> fraGroup{};  // "縦枠", "横枠"

    // The field of Design shown by box k.
    static std::string* FieldOf(int k);

protected:
    void OnLoad() override;
    void IndicateClicked() override;

private:
    void Entered(int k);
    void Check1Click(bool ticked);
    void SetLinked(int k, const QString& text);
    // The total length of direction `dir` (0 vertical, 1 horizontal).
    void Total(int dir);
    void ZeroSpan();
    void ZeroPitch();
    // The marks of a frame box and its anchor box (frame box + 10): the
    // counts of `dir`, or the pitch or an overhang of `frameBox`.
    void RuleCount(int dir, bool fromSpanBox);
    void RulePair(int frameBox);
    void ColorPair(int a, int b, bool red, bool systemColour = false);
};

}  // namespace talvo
