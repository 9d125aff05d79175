// The rules of the weights step: which groups a work type considers and the
// infill thickness against the frame heights.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// The moving soil mass bears on the frame of the failure types (0 wedge,
// 1 arc) only.
bool MovingSoilApplies(int workType);

// The infill thicker than a frame height (all in mm). Tested only when both
// heights are entered; an infill not entered reads 0.
bool InfillThickerThanFrame(const std::string& infill, const std::string& frameHy,
                            const std::string& frameHx);

// Stores whether the infill or the snow is considered (`use`: UseInfill or
// UseSnow). A change alters every load: DataChanged, RecalcLoad, RecalcForce
// and RecalcAnchorBar are raised.
void SetConsidered(std::int16_t& use, bool considered);

}  // namespace talvo
