// The design the benchmarks run on: the tests' filled design of the work type
// with the snow and the planned safety factor considered, both restraint
// effects and a 200 mm plate of 140 N/mm².
#pragma once

#include <cstdint>

#include "support/filled_design.h"

namespace talvo::bench {

inline void FillDesign(std::int16_t workType) {
    test::FillDesign(workType);
    DesignData& d = Design;
    d.UseSnow = d.UsePlanFs = 1;
    d.RestraintMode = 2;
    d.PlateU = " 200";
    d.PlateSigma = "140";
}

}  // namespace talvo::bench
