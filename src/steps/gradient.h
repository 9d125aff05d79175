// The rules of the slope gradient step: the gradient as the ratio 1 : n or
// as the slope angle θ0 (each derived from the other as shown, two
// decimals), and the slope height H = L·sin θ0 from the slope length L.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// Both programs convert the gradient by these two, each with its own π (the
// design program's Pi, the companion's companion::Pi), which every call names.
// θ0 of the ratio n, in degrees (" 33.69" for 1.50).
std::string SlopeAngleOfRatio(const std::string& ratio, double pi);
// n of the angle θ0 ("  1.73" for 30°).
std::string SlopeRatioOfAngle(const std::string& angle, double pi);
// H = L·sin θ0 with the design program's π ("  5.547" for 10 m at 33.69°);
// the companion has no slope height.
std::string SlopeHeight(const std::string& slopeLength, const std::string& angle);
// H as the step shows it on activation: none without a slope length other
// than 0 or without a ratio.
std::string SlopeHeightOnActivation(const std::string& slopeLength, const std::string& ratio,
                                    const std::string& angle);
// The slope height the design keeps (SlopeHeight), as the gradient step
// shows it on activation, from the slope length L_y and the gradient as
// stored. The step stores it through this, and the results bring it up to
// date with everything else, so a frame changed after the gradient step was
// last shown leaves no height of the old frame behind.
void UpdateSlopeHeight();

// A changed gradient reshapes the wedge of work type 0: RecalcKusabi is
// raised so that the wedge step derives it again.
void GradientChanged(std::int16_t workType);

}  // namespace talvo
