#include "steps/gradient.h"

#include <cmath>

#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

std::string SlopeAngleOfRatio(const std::string& ratio, double pi) {
    const double n = NumVal(ratio);
    return FormatNum(FormatPattern(Degrees(std::atan(1.0 / n), pi), "0.00"), 3, 2);
}

std::string SlopeRatioOfAngle(const std::string& angle, double pi) {
    const double theta = NumVal(angle);
    return FormatNum(FormatPattern(1.0 / std::tan(Radians(theta, pi)), "0.00"), 3, 2);
}

std::string SlopeHeight(const std::string& slopeLength, const std::string& angle) {
    const double l = NumVal(slopeLength);
    const double theta = NumVal(angle);
    return FormatNum(FormatPattern(l * std::sin(Radians(theta, Pi)), "0.000"), 3, 3);
}

std::string SlopeHeightOnActivation(const std::string& slopeLength, const std::string& ratio,
                                    const std::string& angle) {
    if (NumVal(slopeLength) == 0 || !Present(ratio)) return "";
    return SlopeHeight(slopeLength, angle);
}

void UpdateSlopeHeight() {
    Design.SlopeHeight =
        SlopeHeightOnActivation(Design.TotalLengthY, Design.SlopeN, Design.SlopeAngle);
}

void GradientChanged(std::int16_t workType) {
    if (workType == 0) RecalcKusabi = 1;
}

}  // namespace talvo
