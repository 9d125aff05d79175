// N3supan: the spans step of the frame-only work types. For each beam
// direction the engineer enters the number of spans, the span length and the
// overhang at either end (index 0 the vertical frame: y, c above, d below;
// index 1 the horizontal frame: x, a left, b right). The step keeps the frame
// totals L_y = n_y·y + c + d and L_x = n_x·x + a + b and shows a plan sketch
// that follows the span counts.
#pragma once

#include <QColor>
#include <array>
#include <functional>

#include "platform/stepform.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace talvo {

class FrameSketch;

class N3supan : public StepForm {
    Q_OBJECT
public:
    explicit N3supan(QWidget* parent = nullptr);

    // The back colour of a vertical span-length box that the sketch has
    // disabled (no vertical span): the colour of an inactive caption.
    static const QColor kInactiveCaption;

    // The message of every navigation button while there is no vertical beam.
    static constexpr const char* kNoVerticalBeam = "縦枠が存在しません。";

    QFrame* fraInput = nullptr;
    std::array<QLabel*, 2> lblFrame{};  // "縦枠", "横枠"
    std::array<QLineEdit*, 2> txtSpanNum{};
    std::array<QLineEdit*, 2> txtSpanLength{};
    std::array<QLineEdit*, 2> txtUpper{};
    std::array<QLineEdit*, 2> txtDown{};
    FrameSketch* picFrame = nullptr;

protected:
    void OnLoad() override;
    void BeginClicked() override;
    void BackClicked() override;
    void NextClicked() override;
    void ResultClicked() override;
    void IndicateClicked() override;

private:
    // A navigation whose edited box has passed its check: without a vertical
    // beam (NoVerticalBeam) the message instead of `action`.
    void Navigate(const std::function<void()>& action);
    void DrawTatewaku();
    void DrawYokowaku();
    void SpanCountAccepted();
    void TotalY();
    void TotalX();
};

}  // namespace talvo
