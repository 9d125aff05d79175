// The rules of the circular-arc failure step: whether the failure (length L1
// along the slope, depth L2, distance L3 from the shoulder) fits on the
// slope of length L. The lengths are compared in whole thousandths.
#pragma once

#include <string>

namespace talvo {

// The failure runs past the toe: L < L1 + L3, tested when L is entered. With
// `needL1` it is tested only when L1 is entered too; without (after an entry
// of L3), an L1 not entered reads 0.
bool ArcPastToe(const std::string& slopeLength, const std::string& l1, const std::string& l3,
                bool needL1);
// The failure is deeper than the arc's radius allows: L1 < 2·L2, both entered.
bool ArcTooDeep(const std::string& l1, const std::string& l2);

}  // namespace talvo
