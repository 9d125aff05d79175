// The worked section of the result checks and a view of one result row.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::test {

// Work type 0 with a section per frame, both 300 × 300 mm with d = 230,
// Mmax 10.00 kN·m and Smax 30.00 kN on both; σsa 180, σca 6.0, τca 0.39,
// τoa 0.80 N/mm², the maximum shear stress S/(b·j·d); the default tables
// (stirrups: spacings 100 to 300 in steps of 50, 2 legs of D13, limited to
// d/2; cover and clear spacing 40). Row 0 and row 6 have D13 main bars.
inline void WorkedDesign() {
    ResetCalcState();
    StirrupDefaults.ScFormula = 0;
    DesignData& d = Design;
    d.WorkType = 0;
    d.SameSection = 0;
    d.ShearStressMode = 1;
    d.SectionBy = d.SectionHy = d.SectionBx = d.SectionHx = " 300";
    d.SectionDy = d.SectionDx = " 230";
    d.TateMmax[0] = d.YokoMmax[0] = "10.00";
    d.TateSmax[0] = d.YokoSmax[0] = "30.00";
    d.SigmaSa = "180";
    d.SigmaCa = " 6.0";
    d.TauCa = "0.39";
    d.TauOa = "0.80";
    d.KekkaBar[0] = d.KekkaBar[6] = 1;
}

class ResultsTest : public ::testing::Test {
protected:
    void SetUp() override { WorkedDesign(); }
};

// Everything the check writes for one row, as text.
struct RowView {
    std::string p, k, j, m, sigmaS, sigmaC, tauC, sc, ss, tauO;
    std::string stirrupBar, stirrupCount, pitch, pitchReq;
    bool needed = false;

    bool operator==(const RowView&) const = default;
};

inline RowView ViewRow(int set, int row) {
    const auto s = static_cast<std::size_t>(set);
    const auto k = static_cast<std::size_t>(row);
    const DesignData& d = Design;
    return {d.KekkaP[s][k],
            d.KekkaK[s][k],
            d.KekkaJ[s][k],
            d.KekkaM[s][k],
            d.KekkaSigmaS[k],
            d.KekkaSigmaC[k],
            d.KekkaTauC[k],
            d.KekkaSc[k],
            d.KekkaSs[k],
            d.KekkaTauO[k],
            std::to_string(d.KekkaStirrupBar[k]),
            d.KekkaStirrupCount[k],
            d.KekkaStirrupPitch[k],
            d.KekkaStirrupPitchReq[k],
            StirrupNeeded[s][k - 6 * s]};
}

inline std::ostream& operator<<(std::ostream& os, const RowView& v) {
    return os << "p " << v.p << " | k " << v.k << " | j " << v.j << " | m " << v.m << " | σs "
              << v.sigmaS << " | σc " << v.sigmaC << " | τc " << v.tauC << " | Sc " << v.sc
              << " | Ss " << v.ss << " | τo " << v.tauO << " | stirrup " << v.stirrupBar << " × '"
              << v.stirrupCount << "' | pitch " << v.pitch << " [" << v.pitchReq << "] | needed "
              << v.needed;
}

// Fills every field the check writes with stale values, as an earlier check
// of the row with stirrups would have left them.
inline void MakeRowStale(int set, int row) {
    const auto s = static_cast<std::size_t>(set);
    const auto k = static_cast<std::size_t>(row);
    DesignData& d = Design;
    d.KekkaP[s][k] = d.KekkaK[s][k] = d.KekkaJ[s][k] = d.KekkaM[s][k] = "old";
    d.KekkaSigmaS[k] = d.KekkaSigmaC[k] = d.KekkaTauC[k] = d.KekkaTauO[k] = "old";
    d.KekkaSc[k] = d.KekkaSs[k] = "old";
    d.KekkaStirrupBar[k] = 3;
    d.KekkaStirrupCount[k] = " 3";
    d.KekkaStirrupPitch[k] = d.KekkaStirrupPitchReq[k] = "old";
    StirrupNeeded[s][k - 6 * s] = true;
}

}  // namespace talvo::test
