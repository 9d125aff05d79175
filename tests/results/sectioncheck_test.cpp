// The reinforced-concrete check of one result row: the worked row, the
// roundings the later formulas read back, the stirrup spacing and the fit of
// bars and stirrups, and the early stops.
#include "results/sectioncheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "results_fixture.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"

namespace talvo::test {
namespace {

// Two D13 bars in row 0 of the worked section.
void TwoD13(int row = 0) {
    Design.KekkaBarCount[static_cast<std::size_t>(row)] = "2";
    Design.KekkaAs[static_cast<std::size_t>(row)] = "253.4";
}

TEST_F(ResultsTest, WorkedRow) {
    // b·d = 300·230 = 69000 mm², M = 10·10⁶ N·mm, S = 30000 N, As = 253.4:
    //   p  = 253.4/69000 = 0.003672                          → "0.0037"
    //   k  = √(2·15·0.0037 + (15·0.0037)²) − 15·0.0037
    //      = √0.11408025 − 0.0555 = 0.282258                  → "0.282"
    //   j  = 1 − 0.282/3 = 0.906                              → "0.906"
    //   m  = 0.282/(2·0.0037) = 38.108                        → "38.11"
    //   U  = 2·4.0 cm·10 = 80 mm
    //   σs = 10⁷/(253.4·0.906·230) = 189.38, up               → "189.4"
    //   σc = 189.4/38.11 = 4.9698, up                         → "4.97"
    //   τc = 30000/69000/0.906 = 0.47989, up                  → "0.480"
    //   Sc = 0.39·69000·0.906/2 = 12190.23, up                → "12191"
    //   Ss = 30000 − 12191                                    → "17809"
    //   τc 0.480 > τca 0.39: stirrups D13 × " 2" (the settings), and
    //   τo = 30000/(80·230·0.906)/2 = 0.8998, up              → "0.90"
    //   Aw = 1.267·100·2 = 253.4 mm²
    //   a  = ⌊253.4·180·230·0.906/17809⌋ = ⌊533.70⌋           → "533"
    //   cap = ⌊230/2⌋ = 115 < 300; 533 → 115 → ⌊115/50⌋·50    → "100"
    //   hn = 230 + 6.35 + 12.7 + 40 = 289.05 ≤ 300,
    //   bn = 2·(40 + 12.7) + 0·52.7 + 40 + 2·12.7 = 170.8 ≤ 300: it fits.
    TwoD13();
    SikiKekka(0, 0);
    const RowView want{"0.0037", "0.282", "0.906", "38.11", "189.4", "4.97", "0.480", "12191",
                       "17809",  "0.90",  "1",     " 2",    "100",   "533",  true};
    EXPECT_EQ(ViewRow(0, 0), want);
    EXPECT_EQ(StirrupSpacingCap, 115);
    // The check never writes the bars.
    EXPECT_EQ(Design.KekkaBarCount[0], "2");
    EXPECT_EQ(Design.KekkaAs[0], "253.4");
}

TEST_F(ResultsTest, OneCommonSectionChecksWithTheCommonForcesAndTheHorizontalSection) {
    Design.SameSection = 1;
    Design.SectionBy = " 200";
    Design.SectionDy = " 150";
    Design.YokoMmax[0] = "99.00";
    Design.DesignMmax = "10.00";
    Design.DesignSmax = "30.00";
    TwoD13(6);
    SikiKekka(1, 6);
    const RowView v = ViewRow(1, 6);
    EXPECT_EQ(v.sigmaS, "189.4");
    EXPECT_EQ(v.tauC, "0.480");
    EXPECT_EQ(v.pitchReq, "533");
}

// Each case changes the worked row of two D13 bars and names what differs.
struct CheckCase {
    const char* name;
    std::function<void()> change;
    std::function<void(RowView&)> expect;
};

TEST_F(ResultsTest, RoundedValuesAreReadBackAndTiesPass) {
    const CheckCase cases[] = {
        // 124.0/(400·250) = 0.00124 is kept as 0.0012, and k follows from
        // that: √(0.036 + 0.018²) − 0.018 = 0.1726 (0.00124 would give 0.175).
        // τc = 30000/100000/0.942 = 0.319 needs no stirrups.
        {"p read back",
         [] {
             Design.SectionBy = " 400";
             Design.SectionDy = " 250";
             Design.KekkaBarCount[0] = "1";
             Design.KekkaAs[0] = "124.0";
         },
         [](RowView& v) {
             v = {"0.0012", "0.173", "0.942", "72.08", "342.5", "4.76", "0.319", "18369",
                  "11631",  "3.19",  "99",    "",      "",      "",     false};
         }},
        // M = 150·253.4·0.906·230 N·mm gives σs = 150 exactly (149.99999999999997
        // in binary): it stays 150.0; 150.01 goes up to 150.1. σc = σs/38.11.
        {"σs of 150.0", [] { Design.TateMmax[0] = "7.9205238"; },
         [](RowView& v) {
             v.sigmaS = "150.0";
             v.sigmaC = "3.94";
         }},
        {"σs of 150.01", [] { Design.TateMmax[0] = "7.92105183492"; },
         [](RowView& v) {
             v.sigmaS = "150.1";
             v.sigmaC = "3.94";
         }},
        // τc 0.480 equal to τca: no stirrups, the bond is not halved
        // (30000/(80·230·0.906) = 1.7996 → 1.80), Sc = 0.48·69000·0.906/2.
        {"τc equal to τca", [] { Design.TauCa = "0.48"; },
         [](RowView& v) {
             v.sc = "15004";
             v.ss = "14996";
             v.tauO = "1.80";
             v.stirrupBar = "99";
             v.stirrupCount = v.pitch = v.pitchReq = "";
             v.needed = false;
         }},
        // Four legs double Aw: a = 1067 is above 999; the adopted spacing
        // keeps its number.
        {"required above 999", [] { Design.KekkaStirrupCount[0] = " 4"; },
         [](RowView& v) {
             v.stirrupCount = " 4";
             v.pitchReq = "***";
         }},
        // hn = 289.05: a height of exactly that fits, one just below does not.
        {"height tie", [] { Design.SectionHy = "289.05"; }, [](RowView&) {}},
        {"height short",
         [] {
             Design.SectionHy = "289.04";
             Design.KekkaStirrupCount[0] = " 4";
         },
         [](RowView& v) {
             v.stirrupCount = " 4";
             v.pitch = v.pitchReq = "Err";
         }},
        // A stepped stirrup size is kept by a check that needs stirrups: D16
        // (1.986 cm², 15.9 mm) gives a = ⌊836.6⌋.
        {"stepped stirrup kept", [] { Design.KekkaStirrupBar[0] = 2; },
         [](RowView& v) {
             v.stirrupBar = "2";
             v.pitchReq = "836";
         }},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedDesign();
        TwoD13();
        c.change();
        SikiKekka(0, 0);
        RowView want{"0.0037", "0.282", "0.906", "38.11", "189.4", "4.97", "0.480", "12191",
                     "17809",  "0.90",  "1",     " 2",    "100",   "533",  true};
        c.expect(want);
        EXPECT_EQ(ViewRow(0, 0), want);
    }
}

TEST_F(ResultsTest, RequiredSpacingIsTheWholePartOfTheDecimalQuotient) {
    // b 250, d 200, two D10 (As 142.7), Smax 28.47: p 0.0029, j 0.915,
    // Sc = ⌈0.39·50000·0.915/2⌉ = 8922, Ss = 19548, and
    // 253.4·180·200·0.915/19548 is 427 exactly, 426.99999999999994 in binary.
    Design.SectionBy = " 250";
    Design.SectionHy = " 400";
    Design.SectionDy = " 200";
    Design.TateSmax[0] = "28.47";
    Design.KekkaBar[0] = 0;
    Design.KekkaBarCount[0] = "2";
    Design.KekkaAs[0] = "142.7";
    SikiKekka(0, 0);
    const RowView v = ViewRow(0, 0);
    EXPECT_EQ(v.ss, "19548");
    EXPECT_EQ(v.pitchReq, "427");
    EXPECT_EQ(v.pitch, "100");
}

TEST_F(ResultsTest, BarsAndStirrupsFitAWidthTheyReachExactly) {
    // Three D22 with D13 stirrups at cover, clear spacing and centre gap 40:
    // bn = 2·(40 + 22.2) + 1·(22.2 + 40) + 40 + 2·12.7 = 252 exactly
    // (252.00000000000003 in binary).
    struct Case {
        const char* width;
        const char* pitch;
    };
    for (const Case c : {Case{" 252", "150"}, Case{"251.9", "Err"}}) {
        SCOPED_TRACE(c.width);
        WorkedDesign();
        Design.SectionBy = c.width;
        Design.SectionHy = " 400";
        Design.SectionDy = " 300";
        Design.TateMmax[0] = "50.00";
        Design.TateSmax[0] = "60.00";
        Design.KekkaBar[0] = 4;
        Design.KekkaBarCount[0] = "3";
        Design.KekkaAs[0] = "1161.3";
        SikiKekka(0, 0);
        EXPECT_TRUE(StirrupNeeded[0][0]);
        EXPECT_EQ(Design.KekkaStirrupPitch[0], c.pitch);
    }
}

TEST_F(ResultsTest, AStopEmptiesEverythingAfterIt) {
    // The worked row's texts up to m, as the stops keep them.
    const RowView worked{"0.0037", "0.282", "0.906", "38.11", "", "", "",   "",
                         "",       "",      "99",    "",      "", "", false};
    const CheckCase cases[] = {
        {"b·d = 0", [] { Design.SectionDy = ""; }, [](RowView& v) { v.p = v.k = v.j = v.m = ""; }},
        {"As = 0",
         [] {
             Design.KekkaBarCount[0] = "0";
             Design.KekkaAs[0] = "0.0";
         },
         [](RowView& v) {
             v.p = "0.0000";
             v.k = v.j = v.m = "";
         }},
        // 3.4/69000 = 0.0000493: p is stored as 0.0000 and m = k/(2p) would
        // divide by 0.
        {"p of 0.0000", [] { Design.KekkaAs[0] = "3.4"; },
         [](RowView& v) {
             v.p = "0.0000";
             v.k = v.j = v.m = "";
         }},
        {"no bar perimeter", [] { RebarSpecTable[1].Perimeter = 0; }, [](RowView&) {}},
        // Only a τca below 0 leaves no shear to the stirrups while τc is
        // above it: S = 0, Sc rounds up to 0. The stirrups chosen stay, the
        // spacings go.
        {"no shear left to the stirrups",
         [] {
             Design.TauCa = "-0.00001";
             Design.TateSmax[0] = "0";
         },
         [](RowView& v) {
             v.sigmaS = "189.4";
             v.sigmaC = "4.97";
             v.tauC = "0.000";
             v.sc = "0";
             v.ss = "0";
             v.tauO = "0.00";
             v.stirrupBar = "3";
             v.stirrupCount = " 3";
             v.needed = true;
         }},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedDesign();
        TwoD13();
        MakeRowStale(0, 0);
        c.change();
        SikiKekka(0, 0);
        RowView want = worked;
        c.expect(want);
        EXPECT_EQ(ViewRow(0, 0), want);
    }
}

TEST_F(ResultsTest, AdoptedSpacingAndItsCap) {
    struct Case {
        double required, cap, adopted;
    };
    // Step 50: rounded down above the step, taken as it is up to it.
    const Case spacings[] = {{175, 300, 150}, {40, 300, 40},   {50, 300, 50},
                             {450, 300, 300}, {500, 225, 200}, {533, 115, 100}};
    for (const Case& c : spacings)
        EXPECT_EQ(AdoptedStirrupSpacing(c.required, c.cap), c.adopted) << c.required;
    StirrupDefaults.SpacingStep = 0;
    EXPECT_EQ(AdoptedStirrupSpacing(533, 1000), 533);

    struct CapCase {
        std::int16_t halfDepth;
        double depth;
        std::int16_t cap;
    };
    InitStirrupDefaults();
    const CapCase caps[] = {{1, 450, 225}, {1, 230, 115}, {1, 599, 299},
                            {1, 600, 300}, {1, 700, 300}, {0, 230, 300}};
    for (const CapCase& c : caps) {
        StirrupDefaults.MaxHalfDepth = c.halfDepth;
        EXPECT_EQ(StirrupSpacingCapOf(c.depth), c.cap) << c.depth << " limit " << c.halfDepth;
    }
}

TEST_F(ResultsTest, OnlyARowOfItsSetIsChecked) {
    TwoD13(6);
    SikiKekka(0, 6);
    SikiKekka(2, 6);
    SikiKekka(1, 12);
    EXPECT_EQ(Design.KekkaP[0][6], "");
    EXPECT_EQ(Design.KekkaP[1][6], "");
    SikiKekka(1, 6);
    EXPECT_EQ(Design.KekkaP[1][6], "0.0037");
}

}  // namespace
}  // namespace talvo::test
