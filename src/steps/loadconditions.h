// The rules of the design-load conditions step of the rock bolts (work type
// 3) and ground anchors (work type 4): the friction of the surface layer as
// φ or tan φ (each derived from the other as shown), the staggered layout
// and the horizontal spacing it gives, and the marks of the rows and of the
// installation angle.
#pragma once

#include <string>

#include "shell/design.h"

namespace talvo {

// tan φ of the friction angle φ ("    0.57735" for 30°).
std::string TanPhiOfAngle(const std::string& phi);
// φ of tan φ, in degrees ("   26.57" for 0.5).
std::string FrictionAngleOfTan(const std::string& tanPhi);

// Staggering halves the horizontal spacing; it needs both pitches to be an
// even whole multiple of their spans, in whole millimetres. All four values
// must be entered; a span of 0 (only a damaged file holds one) allows none.
bool StaggerPossible(const std::string& spanX, const std::string& spanY, const std::string& pitchX,
                     const std::string& pitchY);
// The horizontal spacing of the bolts or anchors: the horizontal pitch, or
// half of it when staggered ("    1.500").
std::string HorizontalSpacing(const std::string& pitchX, bool staggered);

// The staggering test on the layout as stored, with the staggering box
// ticked or not: without a horizontal span or pitch there is no spacing and
// no staggering; otherwise the spacing is halved only where staggering is
// possible and ticked.
struct Staggering {
    bool possible = false;
    std::string spacing;
};
Staggering TestStagger(const DesignData& d, bool ticked);

// Fewer installation rows than bolts or anchors along a vertical beam, both
// entered.
bool FewerRowsThanAnchors(const std::string& anchorCountY, const std::string& rowCount);
// Ground anchors (work type 4) are installed at 10° to 45° as a rule: an
// entered angle outside is marked. Rock bolts have no such range.
bool InstallAngleOutsideStandard(int workType, const std::string& angle);

}  // namespace talvo
