#include "calc/forceparts.h"

#include <cmath>

#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo {

namespace {

const std::string& AnchorCount(int direction) {
    return direction == 0 ? Design.AnchorCountY : Design.AnchorCountX;
}

}  // namespace

int SpanRow(const std::string& spanCount) {
    const double n = std::nearbyint(NumVal(spanCount));
    if (n >= 4) return 4;
    if (n <= 0) return 0;
    return static_cast<int>(n);
}

int GoverningPart(const std::string& span, const std::string& overhang) {
    return std::fabs(NumVal(overhang)) > std::fabs(NumVal(span)) ? 1 : 0;
}

bool FrameWidthOffered() {
    return NumVal(Design.TotalLengthX) != 0;
}

int FrameCoefficientRow(int part) {
    return part == 0 ? SpanRow(Design.SpanCountX) : 0;
}

bool HasAnchors(int direction) {
    const bool vertical = direction == 0;
    return NumVal(AnchorCount(direction)) >= 1 ||
           NumVal(vertical ? Design.AnchorOverhangUpper : Design.AnchorOverhangLeft) != 0 ||
           NumVal(vertical ? Design.AnchorOverhangLower : Design.AnchorOverhangRight) != 0;
}

int AnchorCoefficientRow(int direction, int part) {
    if (part != 0) return 0;
    const double count = std::nearbyint(NumVal(AnchorCount(direction)));
    if (count > 4) return 4;
    // Without anchors there is no span; the first row stands in for it.
    if (count < 1) return 0;
    return static_cast<int>(count) - 1;
}

}  // namespace talvo
