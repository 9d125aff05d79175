// The main anchor bar of the frame-only types: the bar's name and area as
// shown, τs in its shown form, stepping through the bar table, the verdict,
// and what the step computes on activation.
#include "steps/anchorbar.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

class AnchorBar : public ::testing::Test {
protected:
    void SetUp() override { ResetCalcState(); }
};

TEST_F(AnchorBar, NameAndAreaOfTheBar) {
    struct Case {
        int index;
        const char *name, *area;
    };
    const Case cases[] = {
        {0, "   D10", "   71.33"},
        {4, "   D22", "  387.1"},
        {5, "   D25", "  506.7"},
        {11, "   D51", " 2027.0"},
        {-1, "", ""},
        {12, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnchorBarName(c.index), c.name) << c.index;
        EXPECT_EQ(AnchorBarArea(c.index), c.area) << c.index;
    }
}

TEST_F(AnchorBar, SmallerAreasKeepMoreDecimals) {
    struct Case {
        double cm2;
        const char* shown;
    };
    // 100 mm² and up: 1 decimal; from 10: 2; from 1: 3; below: 4.
    const Case cases[] = {
        {1.0, "  100.0"},       {0.99994, "   99.99"}, {0.1, "   10.00"},
        {0.09999, "    9.999"}, {0.01, "    1.000"},   {0.0099, "    0.9900"},
        {0.0001, "    0.0100"}, {0.0, "    0.0000"},  // only an altered settings file holds one
    };
    for (const Case& c : cases) {
        RebarSpecTable[3].Area = c.cm2;
        EXPECT_EQ(AnchorBarArea(3), c.shown) << c.cm2;
    }
}

TEST_F(AnchorBar, TauSIsKeptAsShownAndEmptyWhenNotComputed) {
    struct Case {
        const char *q, *fs;
        int bar;
        const char* tauS;
    };
    const Case cases[] = {
        // 12 000/387.1·1.5 = 46.499… → 46.5
        {"12.00", "  1.5", 4, "   46.5"},
        // 17 970/387.1·1.0 = 46.42… → 46.5: any excess above a tenth
        {"17.97", "  1.0", 4, "   46.5"},
        // 5 067/506.7 = 10 exactly: stays
        {"5.067", "  1.0", 5, "   10.0"},
        // A real zero load is a τs of 0.0, shown as such.
        {"0.00", "  1.5", 4, "    0.0"},
        {"", "  1.5", 4, ""},        // no load
        {"12.00", "", 4, ""},        // no safety factor
        {"12.00", "  1.5", 12, ""},  // no such bar
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.q) + " " + c.fs + " " + std::to_string(c.bar));
        Design.YokoQ = c.q;
        Design.AncBarFs = c.fs;
        Design.AncBarIndex = static_cast<std::int16_t>(c.bar);
        Design.AncBarTauS = "old";
        DataChanged = 0;
        UpdateAncBarTauS();
        EXPECT_EQ(Design.AncBarTauS, c.tauS);
        EXPECT_EQ(DataChanged, 0);
    }
    // A bar of no area computes nothing and does not fail.
    RebarSpecTable[4].Area = 0;
    Design.YokoQ = "12.00";
    Design.AncBarFs = "  1.5";
    Design.AncBarIndex = 4;
    UpdateAncBarTauS();
    EXPECT_EQ(Design.AncBarTauS, "");

    EXPECT_EQ(ShownTauS("46.5"), "   46.5");
    EXPECT_EQ(ShownTauS("0.0"), "    0.0");
    EXPECT_EQ(ShownTauS(""), "");
}

TEST_F(AnchorBar, SteppingThroughTheTable) {
    struct Case {
        int from, step, to;
        bool changed;
    };
    const Case cases[] = {
        {4, 1, 5, true},  {4, -1, 3, true},  {0, -1, 0, false},  {11, 1, 11, false},
        {1, -1, 0, true}, {10, 1, 11, true}, {99, -1, 10, true},  // damaged index
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + std::to_string(c.step));
        Design.YokoQ = "12.00";
        Design.AncBarFs = "  1.5";
        Design.AncBarIndex = static_cast<std::int16_t>(c.from);
        Design.AncBarTauS = "old";
        DataChanged = 0;
        EXPECT_EQ(StepAnchorBar(c.step), c.changed);
        EXPECT_EQ(Design.AncBarIndex, c.to);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        // At an end nothing is recomputed either.
        if (!c.changed) {
            EXPECT_EQ(Design.AncBarTauS, "old");
        }
    }
    // D22 → D25: 12 000/506.7·1.5 = 35.52… → 35.6.
    Design.AncBarIndex = 4;
    StepAnchorBar(1);
    EXPECT_EQ(Design.AncBarTauS, "   35.6");
}

TEST_F(AnchorBar, VerdictOnTheShownValues) {
    struct Case {
        const char *tauSa, *tauS, *mark;
        bool out;
    };
    const Case cases[] = {
        {"   47", "   46.5", "ok", false}, {"   46", "   46.5", "out", true},
        {"   46", "   46.0", "ok", false},  // a tie passes
        {"   46", "   46.1", "out", true},  // one step past
        {"", "   46.5", "", false},        {"   47", "", "", false},
    };
    for (const Case& c : cases) {
        const AnchorBarVerdict v = JudgeAnchorBar(c.tauSa, c.tauS);
        EXPECT_EQ(v.mark, c.mark) << c.tauSa << " / " << c.tauS;
        EXPECT_EQ(v.out, c.out) << c.tauSa << " / " << c.tauS;
    }
}

TEST_F(AnchorBar, ActivationComputesTauSOnlyFromAnUpToDateLoad) {
    // The filled frame-only designs carry Q = 6.70 kN on a horizontal span:
    // D22, Fs 1.5: 6 700/387.1·1.5 = 25.96… → 26.0.
    struct Case {
        std::int16_t force, anchorBar;
        const char *q, *tauS;
        std::int16_t result;
    };
    const Case cases[] = {
        // A design just read: no Q yet, every flag raised; the stored τs is
        // replaced by the one of the load computed first.
        {1, 1, "6.70", "   26.0", 1},
        // Nothing raised: the stored τs stands as it is; showing the step
        // changes nothing the design holds.
        {0, 0, "", "46.5", 0},
        // The bar table edited: τs again from the Q in hand.
        {0, 1, "12.00", "   46.5", 0},
        // The forces rerun: τs follows the new load, whatever its own flag.
        {1, 0, "6.70", "   26.0", 1},
    };
    for (std::int16_t type : {0, 1, 2}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(type) + ": " + std::to_string(c.force) +
                         std::to_string(c.anchorBar));
            FillDesign(type);
            Design.AncBarFs = "  1.5";
            Design.AncBarTauS = "46.5";
            Design.YokoQ = c.force ? "" : c.q;
            SetAllRecalc(false);
            RecalcForce = c.force;
            RecalcAnchorBar = c.anchorBar;
            DataChanged = 0;
            RunAnchorBarOnActivation();
            EXPECT_EQ(Design.YokoQ, c.q);
            EXPECT_EQ(Design.AncBarTauS, c.tauS);
            EXPECT_EQ(RecalcForce, 0);
            EXPECT_EQ(RecalcAnchorBar, 0);
            EXPECT_EQ(RecalcResult, c.result);
            EXPECT_EQ(DataChanged, 0);
        }
    }
}

}  // namespace
}  // namespace talvo::test
