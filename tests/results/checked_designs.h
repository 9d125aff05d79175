// Designs whose checks beside the results grid (tendon, bolt stresses,
// anchorage length, bearing, plate, main anchor bar) all pass, and the two
// failing copies of a ground-anchor design the report is looked at with.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "steps/groundanchor.h"
#include "support/filled_design.h"

namespace talvo::test {

// The tendon's allowable loads as its step stores them: the factors of the
// anchor's kind on Tus and Tys.
inline void DeriveTendonAllowables() {
    DesignData& d = Design;
    const auto kind = static_cast<std::size_t>(d.AnchorKind);
    d.TusAllow = TendonAllowable(d.TusCoef[kind], d.Tus);
    d.TysAllow = TendonAllowable(d.TysCoef[kind], d.Tys);
}

// The filled design of the work type (FillDesign) calculated as the results
// window does, with every check beside the grid passing: the main anchor bar
// D22 at Fs 1.5 (τs 26.0) under τsa 80; the rock bolt as filled (τ 41.3,
// σ 58.5, La 2.0 over 1.9 and 0.3); the ground anchor on a 250 mm plate
// (σb 0.66 under 5.30, t 12.0 over 8.5), its tendon's allowable loads as its
// step stores them, La 3.0 over 0.7 and 1.0. No print row is chosen.
inline void PassingDesign(std::int16_t workType) {
    FillDesign(workType);
    DesignData& d = Design;
    d.AncBarFs = "  1.5";
    d.AncBarTauSa = "   80";
    if (workType == 4) d.PlateU = " 250";
    SetAllRecalc(true);
    RunResultsActivation();
    if (workType == 4) DeriveTendonAllowables();
}

// A ground anchor with the design load entered, 76.0 kN, on the 250 mm
// plate: the plate needs √(6 · 76 000/2 · 150/4 / (250 · 185)) = 13.596… →
// 13.6 mm and has 12.0.
inline void ThinPlateDirectAnchor() {
    FillDesign(4);
    DesignData& d = Design;
    d.PtDirect = 1;
    d.PtInput = "  76.0";
    d.PlateU = " 250";
    SetAllRecalc(true);
    RunResultsActivation();
}

// The passing ground anchor with a poor ground (τ 0.05) and a weak grout
// bond (τb 0.23): La1 = 29 500 · 2.5 / (π · 115 · 0.05) = 4 083 mm → 4.1 m,
// La2 = 29 500 / (π · 12.7 · 0.23) = 3 215 mm → 3.3 m, while La is 2.5 m.
inline void ShortAnchorage() {
    PassingDesign(4);
    DesignData& d = Design;
    d.AnchorTauG = "0.05";
    d.AnchorTauB = "0.23";
    d.AnchorLa = " 2.5";
    RunResultsActivation();
}

}  // namespace talvo::test
