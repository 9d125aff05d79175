// A study with every condition entered: the defaults of the record plus a
// 1:1 slope and common unit weights and stresses.
#pragma once

#include "companion/study.h"
#include "shell/tables.h"

namespace talvo::companion::test {

inline void SetUpStudy() {
    InitAllTables();
    InitCompanion();
    SoilWeight = "18.0";
    FrameWeight = "24.0";
    InfillWeight = "20.0";
    InfillMode = 1;
    SlopeRatio = "1.00";
    SlopeAngle = "45.00";
    DeltaFs = "0.20";
    ArcTopDistance = "0.000";
    SigmaCa = "8.0";
    SigmaSa = "180";
}

}  // namespace talvo::companion::test
