// The rules of the wedge failure step: which pair of the four wedge values
// each input pattern enters (CalcKusabiKeijyou derives the other two), and
// the marks of a failure longer than the slope or a slip plane not flatter
// than it.
#pragma once

#include <array>
#include <string>

namespace talvo {

// The values that describe the wedge: L1 along the slope face, L2 behind
// the shoulder, its height H and the slip plane's angle α.
enum class WedgeValue { L1, L2, H, Alpha };

// A stored pattern outside 0 to 4 (only a damaged file holds one) is the first.
int WedgePattern(int mode);
// The pair pattern 0 to 4 enters, in the order of its caption: L1 and L2,
// L1 and α, H and L2, H and α, α and L2.
std::array<WedgeValue, 2> EnteredPair(int pattern);
// Whether the pattern derives the value; a pattern outside 0 to 4 derives none.
bool WedgeDerived(int pattern, WedgeValue value);

// The failure is longer than the slope: L1 > L, both entered.
bool WedgeLongerThanSlope(const std::string& l1, const std::string& slopeLength);
// The slip plane is not flatter than the slope: α >= θ0, both entered.
bool SlipNotFlatterThanSlope(const std::string& alpha, const std::string& slopeAngle);

}  // namespace talvo
