// Copies of the passing designs (results/checked_designs.h) that each fail
// one check beside the results grid, for the reports that must show it.
#pragma once

#include <cstddef>

#include "results/checked_designs.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "steps/groundanchor.h"

namespace talvo::test {

// The wedge design's main anchor bar, τs 26.0 against a τsa of 20.
inline void WedgeBarOverstressed() {
    PassingDesign(0);
    Design.AncBarTauSa = "   20";
}

// The same bar with no allowable shear stress given.
inline void WedgeBarWithoutAllowable() {
    PassingDesign(0);
    Design.AncBarTauSa = "";
}

// The greening design's main anchor bar, τs 26.0 against a τsa of 20.
inline void GreeningBarOverstressed() {
    PassingDesign(2);
    Design.AncBarTauSa = "   20";
}

// The rock bolt with La 0.5 m, short of La1 1.9 m (La2 is 0.3 m).
inline void RockBoltTooShort() {
    PassingDesign(3);
    Design.RockLa = " 0.5";
    RunResultsActivation();
}

// The rock bolt's shear stress τ 41.3 against a τsa of 30.
inline void RockBoltOverstressed() {
    PassingDesign(3);
    Design.RockTauSa = " 30";
}

// The ground anchor on a tendon of Tus 40.0 and Tys 34.0 kN: its allowable
// loads (0.6 Tus = 24.0, 0.75 Tys = 25.5) fall short of Pt 29.5.
inline void WeakTendonAnchor() {
    PassingDesign(4);
    DesignData& d = Design;
    d.Tus = "  40.0";
    d.Tys = "  34.0";
    DeriveTendonAllowables();
}

// The ground anchor on a plate of 130 mm over its box-out of 150 mm: no
// bearing area, so neither the bearing stress nor the plate can be checked.
inline void NarrowPlateAnchor() {
    PassingDesign(4);
    Design.PlateU = " 130";
    SetAllRecalc(true);
    RunResultsActivation();
    DeriveTendonAllowables();
}

}  // namespace talvo::test
