#include "steps/loadconditions.h"

#include <cmath>

#include "shell/angles.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "steps/inputtext.h"

namespace talvo {

std::string TanPhiOfAngle(const std::string& phi) {
    return FormatNum(FormatPattern(std::tan(Radians(NumVal(phi), Pi)), "0.00000"), 5, 5);
}

std::string FrictionAngleOfTan(const std::string& tanPhi) {
    return FormatNum(FormatPattern(Degrees(std::atan(NumVal(tanPhi)), Pi), "0.00"), 5, 2);
}

bool StaggerPossible(const std::string& spanX, const std::string& spanY, const std::string& pitchX,
                     const std::string& pitchY) {
    if (!Present(spanX) || !Present(spanY) || !Present(pitchX) || !Present(pitchY)) return false;
    // Half the pitch must fall on a crossing of the frame: the pitch is an
    // even number of spans.
    auto evenMultiple = [](const std::string& span, const std::string& pitch) {
        const long long s = Thousandths(span), p = Thousandths(pitch);
        return s != 0 && p % s == 0 && (p / s) % 2 == 0;
    };
    return evenMultiple(spanX, pitchX) && evenMultiple(spanY, pitchY);
}

std::string HorizontalSpacing(const std::string& pitchX, bool staggered) {
    return staggered ? FormatNum(NumStr(NumVal(pitchX) / 2), 5, 3) : FormatNum(pitchX, 5, 3);
}

Staggering TestStagger(const DesignData& d, bool ticked) {
    Staggering t;
    if (!Present(d.SpanX) || !Present(d.PitchX)) return t;
    t.possible = StaggerPossible(d.SpanX, d.SpanY, d.PitchX, d.PitchY);
    t.spacing = HorizontalSpacing(d.PitchX, t.possible && ticked);
    return t;
}

bool FewerRowsThanAnchors(const std::string& anchorCountY, const std::string& rowCount) {
    return Present(anchorCountY) && Present(rowCount) && NumVal(anchorCountY) > NumVal(rowCount);
}

bool InstallAngleOutsideStandard(int workType, const std::string& angle) {
    const double v = NumVal(angle);
    return workType == 4 && Present(angle) && (v < 10 || v > 45);
}

}  // namespace talvo
