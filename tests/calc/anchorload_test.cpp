// Design loads of the anchored types and the recalculation chain. Expected
// texts are worked out by hand from the formulas, each rounded as stored;
// the intermediate values stand beside the cases.
#include "calc/anchorload.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/rebar.h"
#include "calc_fixture.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {
namespace {

using test::CalcTest;
using test::FillDesign;

// The fixture's anchored frame: 200 mm beams, x = y = 2.000, L_y 9.000,
// L_x 6.800, 5 × 4 anchors at 2.000 m with anchor overhangs 0.500 (upper,
// lower, left) and 0.300 (right), Pr 50.0, θ 30°, α 15°, φ 30°, PFs 1.20,
// 5 rows, holding without PFs; infill 100 mm of 18.0, no snow.

TEST_F(CalcTest, HorizontalSpacingHalvesOnlyForEvenMultiplesStaggered) {
    struct Case {
        const char *py, *y, *px, *x;
        std::int16_t staggered;
        const char* spacing;
    };
    const Case cases[] = {
        {" 4.000", " 2.000", " 4.000", " 2.000", 1, "    2.000"},
        {" 4.000", " 2.000", " 4.000", " 2.000", 0, "    4.000"},
        {" 4.000", " 2.000", " 4.000", " 2.000", 2, "    4.000"},
        {" 4.000", " 2.000", " 6.000", " 2.000", 1, "    6.000"},  // odd multiple
        {" 4.000", " 2.000", " 3.000", " 2.000", 1, "    3.000"},  // no whole multiple
        {" 2.000", " 2.000", " 4.000", " 2.000", 1, "    4.000"},  // vertical odd
        {" 6.000", " 1.500", " 3.000", " 1.500", 1, "    1.500"},
        {" 4.000", "", " 4.000", " 2.000", 1, "    4.000"},
        {"", " 2.000", " 4.000", " 2.000", 1, "    4.000"},
        {" 4.000", "0", " 4.000", " 2.000", 1, "    4.000"},
        {" 4.000", " 2.000", " 4.000", "", 1, ""},
        {" 4.000", " 2.000", "", " 2.000", 1, ""},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.PitchY = c.py;
        Design.SpanY = c.y;
        Design.PitchX = c.px;
        Design.SpanX = c.x;
        Design.Staggered = c.staggered;
        RecalcRock();
        EXPECT_EQ(Design.HorizSpacing, c.spacing)
            << c.py << "/" << c.y << " " << c.px << "/" << c.x << " " << c.staggered;
    }
}

TEST_F(CalcTest, SekkeiJyuuryoWeightsOfOneStrip) {
    struct Case {
        const char* name;
        void (*change)();
        const char *wcy, *wcx, *wc, *we, *ws, *w, *deltaCalc, *delta;
        std::int16_t snowClass;
    };
    // N = 5 horizontal beams. h_y ≥ h_x: Wcy = 24·0.2·0.2·9 = 8.64,
    // Wcx = 0.2·0.2·(2 − 0.2)·5·24 = 8.64; We = (9 − 0.2·5)·1.8·0.1·18 = 25.92.
    // ΔPr = 1.2·(W/2)·sin 30° − (W/2)·cos 30°·tan φ: 43.20 → 12.96 − 10.80 = 2.16.
    // h_x 300 > h_y: Wcy = 0.2·0.2·(9 − 1)·24 = 7.68, Wcx = 0.2·0.3·2·5·24 = 14.40.
    // Snow 1.00 m of 3.0: n 1.00 → 100 %, Ws = 9·2·1·3 = 54.00; n 0.80 → 50 %.
    const Case cases[] = {
        {"frame and infill", [] {}, "8.64", "8.64", "17.28", "25.92", "0.00", "43.20", "2.2", "2.2",
         9},
        {"taller horizontal beam", [] { Design.SectionHx = " 300"; }, "7.68", "14.40", "22.08",
         "25.92", "0.00", "48.00", "2.4", "2.4", 9},
        {"no infill", [] { Design.UseInfill = 0; }, "8.64", "8.64", "17.28", "0.00", "0.00",
         "17.28", "0.9", "0.9", 9},
        {"snow full depth",
         [] {
             Design.UseSnow = 1;
             Design.SlopeN = "1.00";
         },
         "8.64", "8.64", "17.28", "25.92", "54.00", "97.20", "4.9", "4.9", 2},
        {"snow half depth",
         [] {
             Design.UseSnow = 1;
             Design.SlopeN = "0.80";
         },
         "8.64", "8.64", "17.28", "25.92", "27.00", "70.20", "3.5", "3.5", 1},
        {"snow on a steep slope",
         [] {
             Design.UseSnow = 1;
             Design.SlopeN = "0.50";
         },
         "8.64", "8.64", "17.28", "25.92", "0.00", "43.20", "2.2", "2.2", 0},
        // tan φ entered: 12.96 − 21.6·cos 30°·0.5 = 3.607.
        {"tan phi entered",
         [] {
             Design.FrictionInputMode = 1;
             Design.TanPhi = "0.500";
         },
         "8.64", "8.64", "17.28", "25.92", "0.00", "43.20", "3.6", "3.6", 9},
        // Flat slip surface: 1.2·21.6·sin 5° − 21.6·cos 5°·tan 40° = −15.80.
        {"negative increase",
         [] {
             Design.SlipAngle = "5.0";
             Design.FrictionAngle = "40.0";
         },
         "8.64", "8.64", "17.28", "25.92", "0.00", "43.20", "-15.8", "0.0", 9},
        {"no weight",
         [] {
             Design.FrameGamma = "0";
             Design.UseInfill = 0;
         },
         "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "", "", 9},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.SnowClass = 9;
        c.change();
        CalcSekkeiJyuuryo();
        EXPECT_EQ(Design.TateCount, "4") << c.name;
        EXPECT_EQ(Design.YokoCount, "5") << c.name;
        EXPECT_EQ(Design.SekkeiWcy, c.wcy) << c.name;
        EXPECT_EQ(Design.SekkeiWcx, c.wcx) << c.name;
        EXPECT_EQ(Design.SekkeiWc, c.wc) << c.name;
        EXPECT_EQ(Design.SekkeiWe, c.we) << c.name;
        EXPECT_EQ(Design.SekkeiWs, c.ws) << c.name;
        EXPECT_EQ(Design.SekkeiW, c.w) << c.name;
        EXPECT_EQ(Design.DeltaPrCalc, c.deltaCalc) << c.name;
        EXPECT_EQ(Design.DeltaPr, c.delta) << c.name;
        EXPECT_EQ(Design.SnowClass, c.snowClass) << c.name;
    }
}

TEST_F(CalcTest, SekkeiJyuuryoStopsWithEverythingEmpty) {
    struct Case {
        const char* name;
        void (*change)();
    };
    const Case cases[] = {
        {"infill without thickness", [] { Design.InfillThick = ""; }},
        {"infill without weight", [] { Design.InfillGamma = ""; }},
        {"snow without depth",
         [] {
             Design.UseSnow = 1;
             Design.SnowDepth = "";
         }},
        {"snow without weight",
         [] {
             Design.UseSnow = 1;
             Design.SnowGamma = "";
         }},
        {"no span", [] { Design.SpanX = ""; }},
        {"no safety factor", [] { Design.PlanFs = "0"; }},
        {"no spacing", [] { Design.HorizSpacing = ""; }},
        {"no rows", [] { Design.RowCount = " 0"; }},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.TateCount = Design.YokoCount = Design.SekkeiWcy = Design.SekkeiWcx = "old";
        Design.SekkeiWc = Design.SekkeiWe = Design.SekkeiWs = Design.SekkeiW = "old";
        Design.DeltaPrCalc = Design.DeltaPr = "old";
        c.change();
        CalcSekkeiJyuuryo();
        for (const std::string* f :
             {&Design.TateCount, &Design.YokoCount, &Design.SekkeiWcy, &Design.SekkeiWcx,
              &Design.SekkeiWc, &Design.SekkeiWe, &Design.SekkeiWs, &Design.SekkeiW,
              &Design.DeltaPrCalc, &Design.DeltaPr}) {
            EXPECT_EQ(*f, "") << c.name;
        }
    }
}

TEST_F(CalcTest, DesignLoadByRestraintMode) {
    struct Case {
        std::int16_t mode, usePlanFs;
        const char *rockPt, *rockSigma, *anchorPt;
    };
    // ΔPr 2.2, s_h 2.000, 5 rows, β = 45°, tan 30°, PFs 1.20.
    // Rock bolt: S = 52.2·2/5 = 20.88 → 20.9, τ = 20.9·1000/506.7 = 41.247 →
    // 41.3 (up to one decimal), Pt = 20.9/c. Anchor: Pt = 52.2/c·2/5 (S not
    // rounded first).
    // c: 0 sin β·tan φ = 0.408248 (PFs does not enter), 1 cos β = 0.707107,
    // ×PFs 0.848528, 2 cos β + sin β·tan φ = 1.115355, with PFs 1.256776.
    const Case cases[] = {
        {0, 0, "51.2", "101.1", "51.1"}, {0, 1, "51.2", "101.1", "51.1"},
        {1, 0, "29.6", "58.5", "29.5"},  {1, 1, "24.6", "48.6", "24.6"},
        {2, 0, "18.7", "37.0", "18.7"},  {2, 1, "16.6", "32.8", "16.6"},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.DeltaPr = "2.2";
        Design.RestraintMode = c.mode;
        Design.UsePlanFs = c.usePlanFs;
        CalcRockPt();
        EXPECT_EQ(Design.RockS, "20.9") << c.mode << c.usePlanFs;
        EXPECT_EQ(Design.PtCalc, c.rockPt) << c.mode << c.usePlanFs;
        EXPECT_EQ(Design.Pt, c.rockPt) << c.mode << c.usePlanFs;
        EXPECT_EQ(Design.RockTau, "41.3") << c.mode << c.usePlanFs;
        EXPECT_EQ(Design.RockSigma, c.rockSigma) << c.mode << c.usePlanFs;

        FillDesign(4);
        Design.DeltaPr = "2.2";
        Design.RestraintMode = c.mode;
        Design.UsePlanFs = c.usePlanFs;
        CalcAnchorPt();
        EXPECT_EQ(Design.PtCalc, c.anchorPt) << c.mode << c.usePlanFs;
        EXPECT_EQ(Design.Pt, c.anchorPt) << c.mode << c.usePlanFs;
    }
}

TEST_F(CalcTest, DesignLoadWithoutRestraintOrInputs) {
    struct Case {
        const char* name;
        void (*change)();
        const char *rockS, *pt, *tau, *sigma;
    };
    const Case cases[] = {
        // c = 0: no load, and no stresses: an empty force is not a stress
        // of 0 that would pass every check.
        {"tightening without friction",
         [] {
             Design.RestraintMode = 0;
             Design.FrictionInputMode = 1;
             Design.TanPhi = "0";
         },
         "", "", "", ""},
        {"unknown mode", [] { Design.RestraintMode = 7; }, "", "", "", ""},
        // σ = 40.0·1000/506.7 = 78.94 → 79.0, kept with its decimal.
        {"load entered directly", [] { Design.PtDirect = 1; }, "20.9", " 40.0", "41.3", "79.0"},
        // S = (28.55 + 2.2)·2/5 = 12.3; τ = 12.3·1000/506.7 = 24.27 → 24.3.
        {"D25 bolt", [] { Design.Pr = "28.55"; }, "12.3", "17.4", "24.3", "34.4"},
        {"no bar size", [] { Design.RockBarIndex = 99; }, "20.9", "29.6", "", ""},
        {"negative bar size", [] { Design.RockBarIndex = -1; }, "20.9", "29.6", "", ""},
        {"no restraining force", [] { Design.Pr = ""; }, "", "", "", ""},
        {"no increase", [] { Design.DeltaPr = ""; }, "", "", "", ""},
        {"no rows", [] { Design.RowCount = "0"; }, "", "", "", ""},
        {"no spacing", [] { Design.HorizSpacing = ""; }, "", "", "", ""},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.DeltaPr = "2.2";
        Design.PtInput = " 40.0";
        Design.RockS = Design.Pt = Design.PtCalc = Design.RockTau = Design.RockSigma = "old";
        c.change();
        CalcRockPt();
        EXPECT_EQ(Design.RockS, c.rockS) << c.name;
        EXPECT_EQ(Design.Pt, c.pt) << c.name;
        EXPECT_EQ(Design.RockTau, c.tau) << c.name;
        EXPECT_EQ(Design.RockSigma, c.sigma) << c.name;
    }
}

TEST_F(CalcTest, BoltStressesRoundUpToOneDecimalOnTheTableArea) {
    struct Case {
        const char* name;
        std::int16_t bar;
        double area;  // cm² of row 3, or -1: the table's own
        const char *s, *pt, *tau, *sigma;
    };
    const Case cases[] = {
        // 10·1000/506.7 = 19.7355 → 19.8; 29.6·1000/506.7 = 58.417 → 58.5.
        {"D25", 5, -1, "10.0", "29.6", "19.8", "58.5"},
        // 5.067·1000/506.7 is 10 on the grid: it stays, with its decimal.
        {"on the grid", 5, -1, "5.067", "", "10.0", ""},
        {"no shear", 5, -1, "", "20.0", "", "39.5"},
        {"a computed zero", 5, -1, "0.0", "0.0", "0.0", "0.0"},
        // 10·1000/71.33 = 140.19 → 140.2.
        {"D10", 0, -1, "10.0", "", "140.2", ""},
        // The table's 99.996 mm², not the 100.00 shown: 1000/99.996 = 10.0004.
        {"table area", 3, 0.99996, "1.0", "1.0", "10.1", "10.1"},
        {"zero area", 3, 0.0, "10.0", "29.6", "", ""},
        {"bar outside the table", 12, -1, "10.0", "29.6", "", ""},
        {"negative bar", -1, -1, "10.0", "29.6", "", ""},
    };
    for (const Case& c : cases) {
        InitAllTables();
        if (c.area >= 0) RebarSpecTable[3].Area = c.area;
        Design.RockBarIndex = c.bar;
        Design.RockS = c.s;
        Design.Pt = c.pt;
        Design.RockTau = Design.RockSigma = "old";
        CalcRockStress();
        EXPECT_EQ(Design.RockTau, c.tau) << c.name;
        EXPECT_EQ(Design.RockSigma, c.sigma) << c.name;
    }
}

TEST_F(CalcTest, AnchorDesignLoadStops) {
    struct Case {
        const char* name;
        void (*change)();
        const char *ptCalc, *pt;
    };
    const Case cases[] = {
        {"computed", [] {}, "29.5", "29.5"},
        {"entered directly", [] { Design.PtDirect = 1; }, "29.5", " 40.0"},
        // β = 90°: cos β is 0, not the 6e-17 of its binary form.
        {"holding at a right angle", [] { Design.InstallAngle = "60.0"; }, "", ""},
        {"no restraining force", [] { Design.Pr = "0.0"; }, "", ""},
        {"no increase", [] { Design.DeltaPr = ""; }, "", ""},
    };
    for (const Case& c : cases) {
        FillDesign(4);
        Design.DeltaPr = "2.2";
        Design.PtInput = " 40.0";
        Design.Pt = Design.PtCalc = "old";
        c.change();
        CalcAnchorPt();
        EXPECT_EQ(Design.PtCalc, c.ptCalc) << c.name;
        EXPECT_EQ(Design.Pt, c.pt) << c.name;
    }
}

TEST_F(CalcTest, ToubunpuByLoadPattern) {
    struct Case {
        const char* name;
        std::int16_t pattern, tateShare, yokoShare;
        const char *pitchY, *pitchX, *bx, *by;
        const char *shareT, *shareX, *qt, *qx;
    };
    // Pt 36.0; sharing lengths 9/5 = 1.800 and 6.8/4 = 1.700, or the pitches.
    // 0: 36/3.5 = 10.29; 1: 36/(3.5 − 0.2) = 10.91; 2: 36/1.8, 36/1.7 = 21.18;
    // 3: 18/1.8, 18/1.7 = 10.59; 1 with 2.0 + 2.0 − 0.4: 36/3.6 = 10.00.
    const Case cases[] = {
        {"over both", 0, 0, 0, " 2.000", " 2.000", " 200", " 200", "1.800", "1.700", "10.29",
         "10.29"},
        {"less the beam", 1, 0, 0, " 2.000", " 2.000", " 200", " 200", "1.800", "1.700", "10.91",
         "10.91"},
        {"on each beam", 2, 0, 0, " 2.000", " 2.000", " 200", " 200", "1.800", "1.700", "20.00",
         "21.18"},
        {"half on each", 3, 0, 0, " 2.000", " 2.000", " 200", " 200", "1.800", "1.700", "10.00",
         "10.59"},
        {"unknown pattern", 7, 0, 0, " 2.000", " 2.000", " 200", " 200", "1.800", "1.700", "", ""},
        {"pitches, wider beam", 1, 1, 1, " 2.000", " 2.000", " 300", " 400", " 2.000", " 2.000",
         "10.00", "10.00"},
        {"beam as long as both", 1, 1, 1, "0.150", "0.150", " 300", " 200", "0.150", "0.150", "",
         ""},
        {"beam longer than both", 1, 1, 1, "0.100", "0.100", " 200", " 300", "0.100", "0.100", "",
         ""},
        // 0.1 + 0.2 − 0.3 is 5.6e-17 in binary metres, not 0.
        {"beam as long as both, in binary", 1, 1, 1, "0.100", "0.200", " 300", " 200", "0.100",
         "0.200", "", ""},
        {"unknown sharing", 0, 7, 0, " 2.000", " 2.000", " 200", " 200", "", "1.700", "", ""},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.Pt = "36.0";
        Design.ToubunpuMode = c.pattern;
        Design.TateShareMode = c.tateShare;
        Design.YokoShareMode = c.yokoShare;
        Design.PitchY = c.pitchY;
        Design.PitchX = c.pitchX;
        Design.SectionBx = c.bx;
        Design.SectionBy = c.by;
        CalcToubunpu();
        EXPECT_EQ(Design.TateShareL, c.shareT) << c.name;
        EXPECT_EQ(Design.YokoShareL, c.shareX) << c.name;
        EXPECT_EQ(Design.TateToubunpu, c.qt) << c.name;
        EXPECT_EQ(Design.YokoToubunpu, c.qx) << c.name;
    }
}

TEST_F(CalcTest, RecalcRockLoadsNothingWhereTheCrossingBeamCoversBothLengths) {
    // A ground anchor frame with Pt 100.0 entered, 10 × 10 anchors over
    // L_y 1.000 and L_x 2.000 (sharing lengths 0.100 and 0.200) and beams of
    // 300 mm: pattern 1 leaves 0.1 + 0.2 − 0.3 = 0 m to carry the load.
    FillDesign(4);
    Design.PtDirect = 1;
    Design.PtInput = " 100.0";
    Design.AnchorCountY = Design.AnchorCountX = " 10";
    Design.TotalLengthY = " 1.000";
    Design.TotalLengthX = " 2.000";
    Design.SectionBx = Design.SectionBy = " 300";
    Design.TateShareMode = Design.YokoShareMode = 0;
    Design.ToubunpuMode = 1;
    RecalcRock();
    EXPECT_EQ(Design.Pt, " 100.0");
    EXPECT_EQ(Design.TateShareL, "0.100");
    EXPECT_EQ(Design.YokoShareL, "0.200");
    EXPECT_EQ(Design.TateToubunpu, "");
    EXPECT_EQ(Design.YokoToubunpu, "");
    EXPECT_EQ(Design.TateMmax[4], "");
    EXPECT_EQ(Design.YokoSmax[4], "");

    // One millimetre more along the slope gives Pt over that millimetre.
    Design.TotalLengthY = " 1.010";
    RecalcRock();
    EXPECT_EQ(Design.TateShareL, "0.101");
    EXPECT_EQ(Design.TateToubunpu, "100000.00");
}

TEST_F(CalcTest, ToubunpuStopsWithoutLoadOrAnchors) {
    for (auto change : {+[] { Design.Pt = ""; }, +[] { Design.AnchorCountY = ""; },
                        +[] { Design.AnchorCountX = "0"; }}) {
        FillDesign(3);
        Design.Pt = "36.0";
        Design.TateShareL = Design.YokoShareL = Design.TateToubunpu = "old";
        Design.YokoToubunpu = "old";
        change();
        CalcToubunpu();
        EXPECT_EQ(Design.TateShareL, "");
        EXPECT_EQ(Design.YokoShareL, "");
        EXPECT_EQ(Design.TateToubunpu, "");
        EXPECT_EQ(Design.YokoToubunpu, "");
    }
}

TEST_F(CalcTest, RockForcesAtTheShearCheckPositions) {
    struct Case {
        std::int16_t mode;
        const char* input;
        const char *xt, *xx;
        const char *tateSpan, *tateOver, *tate, *yokoSpan, *yokoOver, *yoko;
    };
    // q 8.46 both ways. Vertical: 5 anchors, 4 spans, S = 17/28·q·2 = 10.273;
    // horizontal: 4 anchors, 3 spans, S = 6/10·q·2 = 10.152; overhangs 0.500:
    // S = q·0.5 = 4.23; each less q·x. Beyond the overhang (x 3.000) every
    // part is negative and the larger magnitude is stored without its sign.
    const Case cases[] = {
        {0, "0.250", "0.250", "0.250", " 8.16", " 2.12", " 8.16", " 8.04", " 2.12", " 8.04"},
        {1, "0.250", "0.100", "0.100", " 9.43", " 3.38", " 9.43", " 9.31", " 3.38", " 9.31"},
        {2, "0.250", "0.200", "0.200", " 8.58", " 2.54", " 8.58", " 8.46", " 2.54", " 8.46"},
        {7, "0.250", "0.000", "0.000", " 10.27", " 4.23", " 10.27", " 10.15", " 4.23", " 10.15"},
        {0, "3.000", "3.000", "3.000", " -15.11", " -21.15", " 21.15", " -15.23", " -21.15",
         " 21.15"},
    };
    for (const Case& c : cases) {
        FillDesign(3);
        Design.TateToubunpu = Design.YokoToubunpu = "8.46";
        Design.ShearXMode[3] = c.mode;
        Design.ShearXInput[3] = c.input;
        CalcRockMmax();
        EXPECT_EQ(Design.Mmax[0][0], " 3.76") << c.mode;
        EXPECT_EQ(Design.Mmax[0][1], " 1.06") << c.mode;
        EXPECT_EQ(Design.TateMmax[3], " 3.76") << c.mode;
        EXPECT_EQ(Design.Mmax[1][0], " 3.38") << c.mode;
        EXPECT_EQ(Design.Mmax[1][1], " 1.06") << c.mode;
        EXPECT_EQ(Design.YokoMmax[3], " 3.38") << c.mode;
        CalcRockSmax();
        EXPECT_EQ(Design.TateShearX[3], c.xt) << c.mode;
        EXPECT_EQ(Design.YokoShearX[3], c.xx) << c.mode;
        EXPECT_EQ(Design.Smax[0][0], c.tateSpan) << c.mode;
        EXPECT_EQ(Design.Smax[0][1], c.tateOver) << c.mode;
        EXPECT_EQ(Design.TateSmax[3], c.tate) << c.mode;
        EXPECT_EQ(Design.Smax[1][0], c.yokoSpan) << c.mode;
        EXPECT_EQ(Design.Smax[1][1], c.yokoOver) << c.mode;
        EXPECT_EQ(Design.YokoSmax[3], c.yoko) << c.mode;
    }
}

TEST_F(CalcTest, RockForcesOfADirectionWithoutParts) {
    // One anchor down the slope and no vertical anchor overhangs: nothing to
    // compute vertically; the horizontal beam is unaffected.
    FillDesign(4);
    Design.TateToubunpu = Design.YokoToubunpu = "8.46";
    Design.AnchorCountY = " 1";
    Design.AnchorOverhangUpper = Design.AnchorOverhangLower = " 0.000";
    CalcRockMmax();
    CalcRockSmax();
    EXPECT_EQ(Design.Mmax[0][0], "");
    EXPECT_EQ(Design.Mmax[0][1], "");
    EXPECT_EQ(Design.TateMmax[4], "");
    EXPECT_EQ(Design.Smax[0][0], "");
    EXPECT_EQ(Design.Smax[0][1], "");
    EXPECT_EQ(Design.TateSmax[4], "");
    EXPECT_EQ(Design.YokoMmax[4], " 3.38");
    EXPECT_EQ(Design.YokoSmax[4], " 9.31");

    // Without a uniform load the forces stay empty but the check distances
    // are still written.
    Design.TateToubunpu = "";
    Design.TateShearX[4] = Design.YokoShearX[4] = "old";
    CalcRockMmax();
    CalcRockSmax();
    EXPECT_EQ(Design.YokoMmax[4], "");
    EXPECT_EQ(Design.YokoSmax[4], "");
    EXPECT_EQ(Design.Mmax[1][0], "");
    EXPECT_EQ(Design.Smax[1][1], "");
    EXPECT_EQ(Design.TateShearX[4], "0.100");
    EXPECT_EQ(Design.YokoShearX[4], "0.100");
}

TEST_F(CalcTest, RockDesignValueOfEveryPartCombination) {
    // The design value is the larger magnitude of the parts that were
    // computed; an empty part counts as 0, so a single part reading 0.00
    // still gives 0.00. q 0.01 both ways, shear taken at x 0.600, both
    // directions laid out alike with 5 anchors (the row of four or more
    // spans: M 1/9, S 17/28) and equal overhangs (M 1/2, S 1/1):
    //   span pitch 1.000: M 0.0011, S 0.00607 − 0.006 → 0.00 and 0.00;
    //   span pitch 10.000: M 0.111, S 0.0607 − 0.006 → 0.11 and 0.05;
    //   overhang 0.600: M 0.0018, S 0.006 − 0.006 → 0.00 and 0.00;
    //   overhang 4.000: M 0.08, S 0.04 − 0.006 → 0.08 and 0.03.
    struct Part {
        const char* name;
        const char* count;   // anchors (span part) or overhang length
        const char* length;  // pitch of the span part; unused for the overhang
        const char *moment, *shear;
    };
    const Part spans[] = {
        {"no span", " 1", " 1.000", "", ""},
        {"span 0", " 5", " 1.000", " 0.00", " 0.00"},
        {"span", " 5", " 10.000", " 0.11", " 0.05"},
    };
    const Part overhangs[] = {
        {"no overhang", " 0.000", "", "", ""},
        {"overhang 0", " 0.600", "", " 0.00", " 0.00"},
        {"overhang", " 4.000", "", " 0.08", " 0.03"},
    };
    auto larger = [](const char* a, const char* b) {
        if (!*a) return b;
        if (!*b) return a;
        return NumVal(b) >= NumVal(a) ? b : a;
    };
    for (std::int16_t t : {3, 4}) {
        for (const Part& span : spans) {
            for (const Part& over : overhangs) {
                SCOPED_TRACE(testing::Message() << t << ", " << span.name << ", " << over.name);
                FillDesign(t);
                Design.TateToubunpu = Design.YokoToubunpu = "0.01";
                Design.ShearXMode[t] = 0;
                Design.ShearXInput[t] = "0.600";
                Design.AnchorCountY = Design.AnchorCountX = span.count;
                Design.PitchY = Design.PitchX = span.length;
                Design.AnchorOverhangUpper = Design.AnchorOverhangLower = over.count;
                Design.AnchorOverhangLeft = Design.AnchorOverhangRight = over.count;
                CalcRockMmax();
                CalcRockSmax();
                PickDesignMoment();
                const char* moment = larger(span.moment, over.moment);
                const char* shear = larger(span.shear, over.shear);
                for (int d : {0, 1}) {
                    EXPECT_EQ(Design.Mmax[d][0], span.moment) << d;
                    EXPECT_EQ(Design.Mmax[d][1], over.moment) << d;
                    EXPECT_EQ(Design.Smax[d][0], span.shear) << d;
                    EXPECT_EQ(Design.Smax[d][1], over.shear) << d;
                }
                EXPECT_EQ(Design.TateMmax[t], moment);
                EXPECT_EQ(Design.YokoMmax[t], moment);
                EXPECT_EQ(Design.TateSmax[t], shear);
                EXPECT_EQ(Design.YokoSmax[t], shear);
                EXPECT_EQ(Design.DesignMmax, moment);
                EXPECT_EQ(Design.DesignSmax, shear);
            }
        }
    }
}

struct ChainResult {
    const char *spacing, *weight, *rockS, *ptCalc, *pt, *tau, *sigma;
    const char *shareT, *shareX, *qt, *qx;
    const char *mT0, *mT1, *mT, *mX0, *mX1, *mX;
    const char *sT0, *sT1, *sT, *sX0, *sX1, *sX;
};

void ExpectChain(const ChainResult& r, const std::string& name) {
    const int t = Design.WorkType;
    EXPECT_EQ(Design.HorizSpacing, r.spacing) << name;
    EXPECT_EQ(Design.SekkeiW, r.weight) << name;
    EXPECT_EQ(Design.RockS, r.rockS) << name;
    EXPECT_EQ(Design.PtCalc, r.ptCalc) << name;
    EXPECT_EQ(Design.Pt, r.pt) << name;
    EXPECT_EQ(Design.RockTau, r.tau) << name;
    EXPECT_EQ(Design.RockSigma, r.sigma) << name;
    EXPECT_EQ(Design.TateShareL, r.shareT) << name;
    EXPECT_EQ(Design.YokoShareL, r.shareX) << name;
    EXPECT_EQ(Design.TateToubunpu, r.qt) << name;
    EXPECT_EQ(Design.YokoToubunpu, r.qx) << name;
    EXPECT_EQ(Design.Mmax[0][0], r.mT0) << name;
    EXPECT_EQ(Design.Mmax[0][1], r.mT1) << name;
    EXPECT_EQ(Design.TateMmax[t], r.mT) << name;
    EXPECT_EQ(Design.Mmax[1][0], r.mX0) << name;
    EXPECT_EQ(Design.Mmax[1][1], r.mX1) << name;
    EXPECT_EQ(Design.YokoMmax[t], r.mX) << name;
    EXPECT_EQ(Design.Smax[0][0], r.sT0) << name;
    EXPECT_EQ(Design.Smax[0][1], r.sT1) << name;
    EXPECT_EQ(Design.TateSmax[t], r.sT) << name;
    EXPECT_EQ(Design.Smax[1][0], r.sX0) << name;
    EXPECT_EQ(Design.Smax[1][1], r.sX1) << name;
    EXPECT_EQ(Design.YokoSmax[t], r.sX) << name;
    EXPECT_EQ(Design.TateShearX[t], "0.100") << name;
    EXPECT_EQ(Design.YokoShearX[t], "0.100") << name;
    EXPECT_EQ(RecalcResult, 1) << name;
}

// Layout with pitches of two spans: 3 × 2 anchors at 4.000 m, overhangs
// 0.500 except 2.300 on the right, so the horizontal beam is one span with
// two unequal overhangs.
void WidePitches() {
    Design.PitchY = Design.PitchX = " 4.000";
    Design.AnchorCountY = " 3";
    Design.AnchorCountX = " 2";
    Design.AnchorOverhangRight = " 2.300";
}

TEST_F(CalcTest, RecalcRockWholeChain) {
    struct Case {
        const char* name;
        std::int16_t workType;
        void (*change)();
        ChainResult r;
    };
    // Weights 43.20, ΔPr 2.2 (see the weights test). Rock bolt Pt 29.6
    // (S 20.9), anchor Pt 29.5, both at s_h 2.000; at s_h 4.000 the bolt has
    // S = 52.2·4/5 = 41.76 → 41.8 and Pt = 41.8/cos 45° = 59.1.
    // Fixture layout: q = Pt/(1.800 + 1.700); vertical 4 spans (1/9, 17/28),
    // horizontal 3 spans (1/10, 6/10), overhang 0.500 (1/2, 1/1), x = 0.100.
    // Wide pitches: q = Pt/(3.000 + 3.400); vertical 2 spans of 4.0 (1/8,
    // 5/8); horizontal one span of 4.0 with overhangs 2.3 and 0.5:
    // M = q/8/16·(6.3² − 0.5²)·(1.7² − 0.5²), S = q/2/4·(16 + 2.3² − 0.5²),
    // overhang 2.3.
    const Case cases[] = {
        {"rock bolt", 3, [] {}, {"    2.000", "43.20", "20.9",  "29.6",  "29.6",  "41.3",
                                 "58.5",      "1.800", "1.700", "8.46",  "8.46",  " 3.76",
                                 " 1.06",     " 3.76", " 3.38", " 1.06", " 3.38", " 9.43",
                                 " 3.38",     " 9.43", " 9.31", " 3.38", " 9.31"}},
        {"ground anchor", 4, [] {}, {"    2.000", "43.20", "",      "29.5",  "29.5",  "",
                                     "",          "1.800", "1.700", "8.43",  "8.43",  " 3.75",
                                     " 1.05",     " 3.75", " 3.37", " 1.05", " 3.37", " 9.39",
                                     " 3.37",     " 9.39", " 9.27", " 3.37", " 9.27"}},
        {"rock bolt staggered",
         3,
         [] {
             WidePitches();
             Design.Staggered = 1;
         },
         {"    2.000", "43.20",  "20.9",  "29.6",   "29.6",   "41.3",   "58.5",  "3.000",
          "3.400",     "4.63",   "4.63",  " 9.26",  " 0.58",  " 9.26",  " 3.77", " 12.25",
          " 12.25",    " 11.11", " 1.85", " 11.11", " 11.71", " 10.19", " 11.71"}},
        {"rock bolt not staggered",
         3,
         [] { WidePitches(); },
         {"    4.000", "43.20",  "41.8",  "59.1",   "59.1",   "82.5",   "116.7", "3.000",
          "3.400",     "9.23",   "9.23",  " 18.46", " 1.15",  " 18.46", " 7.51", " 24.41",
          " 24.41",    " 22.15", " 3.69", " 22.15", " 23.35", " 20.31", " 23.35"}},
        {"ground anchor staggered",
         4,
         [] {
             WidePitches();
             Design.Staggered = 1;
         },
         {"    2.000", "43.20",  "",      "29.5",   "29.5",   "",       "",      "3.000",
          "3.400",     "4.61",   "4.61",  " 9.22",  " 0.58",  " 9.22",  " 3.75", " 12.19",
          " 12.19",    " 11.06", " 1.84", " 11.06", " 11.66", " 10.14", " 11.66"}},
    };
    for (const Case& c : cases) {
        FillDesign(c.workType);
        c.change();
        RecalcResult = 0;
        RecalcRock();
        ExpectChain(c.r, c.name);
    }
}

TEST_F(CalcTest, RecalcRockWithTheLoadEnteredDirectly) {
    // Only the load is taken over: spacing, weights, ΔPr, S, the computed
    // load and the bolt stresses keep what they held. q = 40/3.5 = 11.43.
    for (std::int16_t workType : {3, 4}) {
        FillDesign(workType);
        Design.PtDirect = 1;
        Design.PtInput = "  40.0";
        Design.HorizSpacing = "    3.000";
        Design.SekkeiW = "old W";
        Design.DeltaPr = "old ΔPr";
        Design.RockS = "old S";
        Design.PtCalc = "29.6";
        Design.RockTau = "old τ";
        Design.RockSigma = "old σ";
        RecalcResult = 0;
        RecalcRock();
        ExpectChain({"    3.000", "old W",  "old S", "29.6",   "  40.0", "old τ", "old σ", "1.800",
                     "1.700",     "11.43",  "11.43", " 5.08",  " 1.43",  " 5.08", " 4.57", " 1.43",
                     " 4.57",     " 12.74", " 4.57", " 12.74", " 12.57", " 4.57", " 12.57"},
                    "direct " + std::to_string(workType));
        EXPECT_EQ(Design.DeltaPr, "old ΔPr");
    }
}

TEST_F(CalcTest, RecalcRockOfAFrameOnlyTypeComputesNoLoad) {
    // Work type 2 in the chain: weights but no design load, so nothing after.
    FillDesign(3);
    Design.WorkType = 2;
    Design.Pt = "36.0";
    RecalcRock();
    EXPECT_EQ(Design.SekkeiW, "43.20");
    EXPECT_EQ(Design.Pt, "36.0");
    EXPECT_EQ(Design.TateToubunpu, "10.29");  // from the load left in the record
    EXPECT_EQ(RecalcResult, 1);
}

}  // namespace
}  // namespace talvo
