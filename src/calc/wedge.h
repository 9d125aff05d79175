// Wedge-shaped failure from the slope shoulder: the shape of the wedge.
#pragma once

namespace talvo {

// Derives the two wedge values that DesignData.KusabiInputMode does not enter
// (L1, L2, H, α) from the slope angle and the entered pair, and stores them as
// display text in Design. Shows no message and touches no flag.
void CalcKusabiKeijyou();

}  // namespace talvo
