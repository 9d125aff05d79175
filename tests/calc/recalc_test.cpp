// Which calculation reruns for which raised flag: each duty of activation
// reruns its calculations only while its own flag is raised, lowers it and
// raises (or leaves) RecalcResult; a second call finds the flag lowered and
// computes nothing. Stale texts in the output fields show what reran.
#include "calc/recalc.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calc/anchorage.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

const char* const kStale = "stale";

// The output fields the duties write, one or two per calculation, all made
// stale so that a computed value shows which calculation ran. A calculation
// whose own inputs were made stale is run only after the one that writes
// them.
void MakeOutputsStale() {
    DesignData& d = Design;
    d.HoukaiWcy = kStale;                    // CalcHoukaiKusabi
    d.EnkoRadius = kStale;                   // CalcHoukaiEnko
    d.HoukaiW = kStale;                      // both failure loads
    d.YokoQ = d.YokoLoadW = kStale;          // CalcYokoMmax
    d.Mmax[1][0] = d.Smax[1][0] = kStale;    // CalcYokoMmax, CalcYokoSmax
    d.Mmax[0][0] = d.Smax[0][0] = kStale;    // the failure loads, RecalcRock
    d.YokoShearX.fill(kStale);               // CalcYokoSmax, CalcRockSmax
    d.TateShearX.fill(kStale);               // CalcRockSmax
    d.BondLa1 = kStale;                      // CalcTeityaku
    d.RockLength = d.AnchorLength = kStale;  // CalcZentyou
    d.SigmaB = kStale;                       // CalcSiatu
    d.PlateTReq = kStale;                    // CalcPrate
    d.AncBarTauS = kStale;                   // CalcAncBarTauS
}

// The wedge's derived values (CalcKusabiKeijyou), which the wedge's failure
// load reads: stale only where that load does not run without them.
void MakeWedgeStale() {
    Design.KusabiH = Design.KusabiAlpha = kStale;
}

struct Flags {
    std::int16_t kusabi, load, force, anchorBar, result;
};
Flags Now() {
    return {RecalcKusabi, RecalcLoad, RecalcForce, RecalcAnchorBar, RecalcResult};
}
void Set(const Flags& f) {
    RecalcKusabi = f.kusabi;
    RecalcLoad = f.load;
    RecalcForce = f.force;
    RecalcAnchorBar = f.anchorBar;
    RecalcResult = f.result;
}
void ExpectFlags(const Flags& want) {
    const Flags f = Now();
    EXPECT_EQ(f.kusabi, want.kusabi) << "RecalcKusabi";
    EXPECT_EQ(f.load, want.load) << "RecalcLoad";
    EXPECT_EQ(f.force, want.force) << "RecalcForce";
    EXPECT_EQ(f.anchorBar, want.anchorBar) << "RecalcAnchorBar";
    EXPECT_EQ(f.result, want.result) << "RecalcResult";
}

bool Stale(const std::string& field) {
    return field == kStale;
}

struct Duty {
    const char* name;
    void (*run)();
    std::vector<std::int16_t Flags::*> flags;  // the flags it reads
};
const Duty kDuties[] = {
    {"kusabi", RunKusabiOnActivation, {&Flags::kusabi}},
    // The failure load reads the wedge: a raised wedge flag is seen to first.
    {"load", RunLoadOnActivation, {&Flags::load, &Flags::kusabi}},
    {"rock", RunRockOnActivation, {&Flags::load}},
    {"force", RunForceOnActivation, {&Flags::force}},
};

TEST(RecalcTest, ADutyWithItsFlagLoweredComputesNothing) {
    for (const Duty& duty : kDuties) {
        for (int type : {0, 1, 2, 3, 4}) {
            SCOPED_TRACE(testing::Message() << duty.name << ", type " << type);
            FillDesign(static_cast<std::int16_t>(type));
            MakeOutputsStale();
            MakeWedgeStale();
            // Every other flag raised: none of them reruns anything here.
            Flags flags{1, 1, 1, 1, 0};
            for (std::int16_t Flags::*f : duty.flags) flags.*f = 0;
            Set(flags);
            duty.run();
            for (const std::string* f :
                 {&Design.KusabiH, &Design.HoukaiW, &Design.YokoQ, &Design.Smax[1][0],
                  &Design.Smax[0][0], &Design.AncBarTauS})
                EXPECT_TRUE(Stale(*f)) << *f;
            ExpectFlags(flags);
            EXPECT_EQ(DataChanged, 0);
        }
    }
}

struct LoadCase {
    int type;
    bool wedge, arc;   // which failure load reran
    const char* mmax;  // TateMmax of the type afterwards
};

TEST(RecalcTest, LoadFlagRerunsTheFailureLoadOfTheWorkTypeOnce) {
    const LoadCase cases[] = {
        {0, true, false, "5.85"},
        {1, false, true, "30.05"},
        // Any other type computes nothing but lowers the flag all the same.
        {2, false, false, kStale},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.type);
        FillDesign(static_cast<std::int16_t>(c.type));
        MakeOutputsStale();
        Design.TateMmax[c.type] = kStale;
        Set({0, 1, 1, 0, 0});
        RunLoadOnActivation();
        EXPECT_EQ(Stale(Design.HoukaiWcy), !c.wedge);
        EXPECT_EQ(Stale(Design.EnkoRadius), !c.arc);
        EXPECT_EQ(Stale(Design.HoukaiW), !c.wedge && !c.arc);
        EXPECT_EQ(Design.TateMmax[c.type], c.mmax);
        // The horizontal beam has its own flag.
        EXPECT_TRUE(Stale(Design.YokoQ));
        ExpectFlags({0, 0, 1, 0, 1});
        EXPECT_EQ(DataChanged, 0);

        // A second window finds the flag lowered.
        MakeOutputsStale();
        RecalcResult = 0;
        RunLoadOnActivation();
        EXPECT_TRUE(Stale(Design.HoukaiW));
        ExpectFlags({0, 0, 1, 0, 0});
    }
}

TEST(RecalcTest, FailureLoadOfAnEntryTouchesNoFlag) {
    for (int type : {0, 1, 2}) {
        SCOPED_TRACE(type);
        FillDesign(static_cast<std::int16_t>(type));
        MakeOutputsStale();
        Set({0, 0, 0, 0, 0});
        RunFailureLoadCalculation();
        EXPECT_EQ(Stale(Design.HoukaiW), type == 2);
        ExpectFlags({0, 0, 0, 0, 0});
    }
}

TEST(RecalcTest, ForceFlagRerunsMomentThenShearOfTheHorizontalBeamOnce) {
    for (int type : {0, 1, 2}) {
        SCOPED_TRACE(type);
        FillDesign(static_cast<std::int16_t>(type));
        Design.AncBarFs = "  1.5";
        MakeOutputsStale();
        Set({0, 1, 1, 0, 0});
        RunForceOnActivation();
        EXPECT_EQ(Design.YokoQ, "6.70");
        EXPECT_EQ(Design.Mmax[1][0], " 1.34");
        // The shear reads the load the moment stored, and so does the main
        // anchor bar, whatever its own flag says: 6 700/387.1·1.5 = 25.96….
        EXPECT_EQ(Design.Smax[1][0], "3.69");
        EXPECT_EQ(Design.YokoShearX[type], "0.100");
        EXPECT_EQ(Design.AncBarTauS, "   26.0");
        EXPECT_TRUE(Stale(Design.HoukaiW));
        ExpectFlags({0, 1, 0, 0, 1});

        // A raised anchor-bar flag is lowered with it.
        MakeOutputsStale();
        Set({0, 0, 1, 1, 0});
        RunForceOnActivation();
        EXPECT_EQ(Design.AncBarTauS, "   26.0");
        ExpectFlags({0, 0, 0, 0, 1});

        MakeOutputsStale();
        RecalcResult = 0;
        RunForceOnActivation();
        EXPECT_TRUE(Stale(Design.Smax[1][0]));
        EXPECT_TRUE(Stale(Design.AncBarTauS));
        ExpectFlags({0, 0, 0, 0, 0});
    }
}

TEST(RecalcTest, LoadFlagRerunsTheAnchoredChainOnceAndLeavesTheForceFlag) {
    const std::pair<int, const char*> cases[] = {{3, " 9.43"}, {4, " 9.39"}};
    for (const auto& [type, smax] : cases) {
        SCOPED_TRACE(type);
        FillDesign(static_cast<std::int16_t>(type));
        MakeOutputsStale();
        Set({0, 1, 1, 1, 0});
        RunRockOnActivation();
        EXPECT_EQ(Design.Smax[0][0], smax);
        EXPECT_FALSE(Stale(Design.Smax[1][0]));
        EXPECT_EQ(Design.TateShearX[type], "0.100");
        // Neither the frame-only horizontal beam nor the anchorage.
        EXPECT_TRUE(Stale(Design.YokoQ));
        EXPECT_TRUE(Stale(Design.BondLa1));
        ExpectFlags({0, 0, 1, 1, 1});

        MakeOutputsStale();
        RecalcResult = 0;
        RunRockOnActivation();
        EXPECT_TRUE(Stale(Design.Smax[0][0]));
        ExpectFlags({0, 0, 1, 1, 0});
    }
}

// The wedge and, for the wedge failure, the load worked out from it: a
// wedge derived anew never leaves the old wedge's load standing.
TEST(RecalcTest, KusabiFlagDerivesTheWedgeAndItsFailureLoadOnce) {
    for (int type : {0, 1}) {
        SCOPED_TRACE(type);
        FillDesign(static_cast<std::int16_t>(type));
        MakeOutputsStale();
        MakeWedgeStale();
        Design.TateMmax[type] = kStale;
        Set({1, 1, 0, 0, 0});
        RunKusabiOnActivation();
        EXPECT_FALSE(Stale(Design.KusabiH));
        if (type == 0) {
            EXPECT_EQ(Design.KusabiH, "  3.536");
            EXPECT_EQ(Design.KusabiAlpha, "  32.57");
        }
        EXPECT_EQ(Stale(Design.HoukaiW), type != 0);
        EXPECT_EQ(Design.TateMmax[type], type == 0 ? "5.85" : kStale);
        // The arc's load has nothing of the wedge: its flag stays.
        if (type == 0)
            ExpectFlags({0, 0, 0, 0, 1});
        else
            ExpectFlags({0, 1, 0, 0, 0});

        MakeWedgeStale();
        RunKusabiOnActivation();
        EXPECT_TRUE(Stale(Design.KusabiH));
    }
}

// A vertical-beam step activated before the wedge step: the wedge is derived
// first, so the load is worked out on the wedge of the inputs.
TEST(RecalcTest, LoadFlagDerivesARaisedWedgeFirst) {
    FillDesign(0);
    MakeOutputsStale();
    MakeWedgeStale();
    Set({1, 1, 0, 0, 0});
    RunLoadOnActivation();
    EXPECT_EQ(Design.KusabiH, "  3.536");
    EXPECT_EQ(Design.TateMmax[0], "5.85");
    ExpectFlags({0, 0, 0, 0, 1});
}

// What the results window's activation reran, per calculation.
struct Reran {
    bool wedge, failure, rock, yoko, anchorage, plate, anchorBar;
};
void ExpectReran(const Reran& r) {
    EXPECT_EQ(!Stale(Design.KusabiH), r.wedge) << "wedge";
    EXPECT_EQ(!Stale(Design.HoukaiW), r.failure) << "failure load";
    EXPECT_EQ(!Stale(Design.TateShearX[Design.WorkType]), r.rock) << "anchored chain";
    EXPECT_EQ(!Stale(Design.YokoQ), r.yoko) << "horizontal beam";
    EXPECT_EQ(!Stale(Design.BondLa1), r.anchorage) << "bond lengths";
    EXPECT_EQ(!Stale(Design.PlateTReq), r.plate) << "plate";
    EXPECT_EQ(!Stale(Design.AncBarTauS), r.anchorBar) << "main anchor bar";
}

struct ResultsCase {
    int type;
    Flags before;
    Reran reran;
    Flags after;
};

TEST(RecalcTest, ResultsChainRunsEveryRaisedFlagInTurn) {
    const ResultsCase cases[] = {
        // Every flag raised, per work type; the result flag stays for the
        // results window's rebuild.
        {0, {1, 1, 1, 1, 1}, {true, true, false, true, false, false, true}, {0, 0, 0, 0, 1}},
        {1, {1, 1, 1, 1, 1}, {true, true, false, true, false, false, true}, {0, 0, 0, 0, 1}},
        {2, {1, 1, 1, 1, 1}, {true, false, false, true, false, false, true}, {0, 0, 0, 0, 1}},
        // The anchored chain lowers the force flag: the frame-only types'
        // horizontal beam is not computed. The anchorage is, whatever the flags.
        {3, {1, 1, 1, 1, 1}, {true, false, true, false, true, false, true}, {0, 0, 0, 0, 1}},
        {4, {1, 1, 1, 1, 1}, {true, false, true, false, true, true, true}, {0, 0, 0, 0, 1}},
        // Each flag alone: its calculation, and the result flag raised by all
        // but the main anchor bar's.
        // The wedge's own failure load reruns with the wedge, the load flag
        // lowered with it.
        {0, {1, 0, 0, 0, 0}, {true, true, false, false, false, false, false}, {0, 0, 0, 0, 1}},
        {1, {1, 0, 0, 0, 0}, {true, false, false, false, false, false, false}, {0, 0, 0, 0, 1}},
        {2, {0, 1, 0, 0, 0}, {false, false, false, false, false, false, false}, {0, 0, 0, 0, 1}},
        // The horizontal beam's load, and τs worked out from it.
        {2, {0, 0, 1, 0, 0}, {false, false, false, true, false, false, true}, {0, 0, 0, 0, 1}},
        {0, {0, 0, 1, 0, 0}, {false, false, false, true, false, false, true}, {0, 0, 0, 0, 1}},
        {1, {0, 0, 0, 1, 0}, {false, false, false, false, false, false, true}, {0, 0, 0, 0, 0}},
        // An anchored type's raised force flag computes no frame-only beam.
        {3, {0, 0, 1, 0, 0}, {false, false, false, false, true, false, false}, {0, 0, 0, 0, 1}},
        // Only the result flag: nothing but the anchorage; the flag stays.
        {0, {0, 0, 0, 0, 1}, {false, false, false, false, false, false, false}, {0, 0, 0, 0, 1}},
        {4, {0, 0, 0, 0, 1}, {false, false, false, false, true, true, false}, {0, 0, 0, 0, 1}},
    };
    for (const ResultsCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "type " << c.type << ", flags " << c.before.kusabi << c.before.load
                     << c.before.force << c.before.anchorBar << c.before.result);
        FillDesign(static_cast<std::int16_t>(c.type));
        MakeOutputsStale();
        MakeWedgeStale();
        Set(c.before);
        RunResultsRecalculation();
        ExpectReran(c.reran);
        ExpectFlags(c.after);

        // Activated again (the rebuild having lowered the result flag): only
        // what runs whatever the flags say.
        RecalcResult = 0;
        MakeOutputsStale();
        MakeWedgeStale();
        RunResultsRecalculation();
        const bool anchored = c.type == 3 || c.type == 4;
        ExpectReran({false, false, false, false, anchored, c.type == 4, false});
        ExpectFlags({0, 0, 0, 0, 0});
    }
}

// τs of the main anchor bar: Q·1000 / A / 100 · Fs, rounded up to one
// decimal (D22: A = 3.871 cm², D19: 2.865 cm²), in the one form its step,
// the results and the file share.
TEST(RecalcTest, MainAnchorBarShearStress) {
    struct Case {
        const char* q;
        const char* fs;
        std::int16_t bar;
        const char* tau;
    };
    const Case cases[] = {
        // As the step shows it: one decimal in five integer places.
        {"  6.70", "1.5", 4, "   26.0"},   // 25.962… up to 26.0
        {"  2.865", "2.0", 3, "   20.0"},  // exactly 20: stays
        {"  1.00", "1.0", 4, "    2.6"},   // 2.5833… up to 2.6
        {"  0.00", "1.5", 4, "    0.0"},   // a real zero load: a τs of 0.0, which passes
        // Nothing to compute τs from is no τs, never a 0 that would pass.
        {"  6.70", "", 4, ""},      // no Fs
        {"", "1.5", 4, ""},         // no Q
        {"  6.70", "1.5", 12, ""},  // no such bar
        {"  6.70", "1.5", -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tau);
        ResetCalcState();
        Design.YokoQ = c.q;
        Design.AncBarFs = c.fs;
        Design.AncBarIndex = c.bar;
        Design.AncBarTauS = kStale;
        CalcAncBarTauS();
        EXPECT_EQ(Design.AncBarTauS, c.tau);
    }
}

struct PositionCase {
    ShearBeams beams;
    int type;
    int mode;
    bool changed;
};

TEST(RecalcTest, ChangingTheShearPositionRerunsTheShearsOfItsBeams) {
    // The filled designs check at b/2 (position 1).
    const PositionCase cases[] = {
        {ShearBeams::Horizontal, 2, 1, false}, {ShearBeams::Horizontal, 2, 2, true},
        {ShearBeams::Horizontal, 0, 0, true},  {ShearBeams::Anchored, 3, 1, false},
        {ShearBeams::Anchored, 3, 2, true},    {ShearBeams::Anchored, 4, 0, true},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.mode);
        FillDesign(static_cast<std::int16_t>(c.type));
        // The loads the shears read, then the shears' outputs made stale.
        Set({0, 1, 1, 0, 0});
        RunForceOnActivation();
        RunRockOnActivation();
        Design.YokoShearX.fill(kStale);
        Design.TateShearX.fill(kStale);
        Design.Smax[0][0] = Design.Smax[1][0] = kStale;
        Set({0, 0, 0, 0, 0});
        DataChanged = 0;
        EXPECT_EQ(ChangeShearPosition(c.beams, c.mode), c.changed);
        EXPECT_EQ(Design.ShearXMode[c.type], c.mode);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        ExpectFlags({0, 0, 0, 0, c.changed ? std::int16_t{1} : std::int16_t{0}});
        const bool anchored = c.beams == ShearBeams::Anchored;
        // The horizontal beam's shear and its distance are written by both;
        // the vertical beam's only by the anchored chain.
        EXPECT_EQ(Stale(Design.YokoShearX[c.type]), !c.changed);
        EXPECT_EQ(Stale(Design.Smax[1][0]), !c.changed);
        EXPECT_EQ(Stale(Design.TateShearX[c.type]), !(c.changed && anchored));
        EXPECT_EQ(Stale(Design.Smax[0][0]), !(c.changed && anchored));
        // Only the work type's own position.
        for (int t = 0; t < 5; ++t) {
            if (t != c.type) {
                EXPECT_EQ(Design.ShearXMode[t], 1) << t;
            }
        }
    }
}

TEST(RecalcTest, AWorkTypeOutsideTheArraysHasNoShearPosition) {
    FillDesign(2);
    Design.WorkType = 5;
    MakeOutputsStale();
    Set({0, 0, 0, 0, 0});
    EXPECT_FALSE(ChangeShearPosition(ShearBeams::Horizontal, 2));
    EXPECT_EQ(Design.ShearXMode, (std::array<std::int16_t, 5>{1, 1, 1, 1, 1}));
    EXPECT_EQ(DataChanged, 0);
    ExpectFlags({0, 0, 0, 0, 0});
    EXPECT_TRUE(Stale(Design.Smax[1][0]));
}

}  // namespace
}  // namespace talvo::test
