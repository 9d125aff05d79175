#include "steps/wedgeshape.h"

#include "shell/numtext.h"
#include "steps/inputtext.h"

namespace talvo {

namespace {

constexpr std::array<std::array<WedgeValue, 2>, 5> kEntered = {{
    {WedgeValue::L1, WedgeValue::L2},
    {WedgeValue::L1, WedgeValue::Alpha},
    {WedgeValue::H, WedgeValue::L2},
    {WedgeValue::H, WedgeValue::Alpha},
    {WedgeValue::Alpha, WedgeValue::L2},
}};

}  // namespace

int WedgePattern(int mode) {
    return mode >= 0 && mode <= 4 ? mode : 0;
}

std::array<WedgeValue, 2> EnteredPair(int pattern) {
    return kEntered[static_cast<std::size_t>(WedgePattern(pattern))];
}

bool WedgeDerived(int pattern, WedgeValue value) {
    if (pattern < 0 || pattern > 4) return false;
    const auto& pair = kEntered[static_cast<std::size_t>(pattern)];
    return value != pair[0] && value != pair[1];
}

bool WedgeLongerThanSlope(const std::string& l1, const std::string& slopeLength) {
    return NotBlank(l1) && NotBlank(slopeLength) && NumVal(l1) > NumVal(slopeLength);
}

bool SlipNotFlatterThanSlope(const std::string& alpha, const std::string& slopeAngle) {
    return NotBlank(alpha) && NotBlank(slopeAngle) && NumVal(alpha) >= NumVal(slopeAngle);
}

}  // namespace talvo
