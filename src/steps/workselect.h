// The rules of the work-type selection step: what choosing a work type or
// the direct entry of the design load changes, and where the results open.
#pragma once

#include <cstdint>

#include "shell/design.h"

namespace talvo {

// Print rows and bar sizes of the results start again whenever the chain
// changes shape.
void ResetResultChoices(DesignData& d);

// Stores the chosen work type. Another type than the stored one reruns every
// calculation (RecalcKusabi, RecalcLoad, RecalcForce, RecalcAnchorBar), resets
// the result choices and, unless `loading` (the load choosing the stored type,
// or the first type of a new design), sets DataChanged.
void ChooseWorkType(std::int16_t type, bool loading);

// Only the anchored types (3 rock bolts, 4 ground anchors) take the design
// load Pt entered directly.
bool TakesDirectLoad(int workType);
// Stores whether Pt is entered directly; a change sets DataChanged, reruns
// the load and resets the result choices.
void ChooseDirectLoad(bool direct);

// The result set the results window opens with: the horizontal beams (1) for
// work type 2, which has no other, or when both directions share a section;
// else the vertical beams (0).
std::int16_t FirstResultTab(const DesignData& d);

}  // namespace talvo
