// The ground-anchor steps' rules: the tendon's allowable and required loads
// with their marks, and the anchorage and free lengths against the bond
// lengths and their standard ranges.
#include "steps/groundanchor.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/anchorage.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

TEST(GroundAnchorTendon, AllowableAndRequiredLoads) {
    struct Case {
        const char* factor;
        const char* load;
        const char* allowable;
    };
    for (const Case& c : {Case{"0.65", "   200", " 130.00"}, Case{"0.75", "   200", " 150.00"},
                          Case{"0.90", "   180", " 162.00"}, Case{"0.60", "   183", " 109.80"},
                          Case{"0.90", "  9999", "8999.10"}, Case{"0.65", "     1", "   0.65"},
                          // An empty load allows nothing; it is no missing value.
                          Case{"0.65", "", "   0.00"}})
        EXPECT_EQ(TendonAllowable(c.factor, c.load), c.allowable) << c.factor << " " << c.load;

    struct Need {
        const char* pt;
        const char* factor;
        const char* required;
    };
    for (const Need& c :
         {Need{" 100.0", "0.65", "  153.8"}, Need{" 100.0", "0.80", "  125.0"},
          Need{" 100.0", "0.60", "  166.7"}, Need{" 100.0", "0.75", "  133.3"},
          Need{" 100.0", "0.90", "  111.1"}, Need{"9999.9", "0.60", "16666.5"},
          // No Pt needs nothing; a factor of 0 has no finite need.
          Need{"", "0.65", "    0.0"}, Need{" 100.0", "0", ""}, Need{" 100.0", "", ""}})
        EXPECT_EQ(TendonRequired(c.pt, c.factor), c.required) << c.pt << " / " << c.factor;
}

TEST(GroundAnchorTendon, MarkComparesTheShownTextsAndATiePasses) {
    struct Case {
        const char* allowStored;
        const char* ptStored;
        const char* allowShown;
        const char* ptShown;
        const char* sign;
        const char* verdict;
        bool out;
    };
    const Case cases[] = {
        {" 130.00", "130.0", " 130.00", " 130.0", "≧", "ok", false},
        {" 130.00", "130.1", " 130.00", " 130.1", "＜", "out", true},
        {" 130.00", "129.9", " 130.00", " 129.9", "≧", "ok", false},
        // Pt 130.04 shows as 130.0: the shown text decides.
        {" 130.00", "130.04", " 130.00", " 130.0", "≧", "ok", false},
        {"   0.00", "100.0", "   0.00", " 100.0", "＜", "out", true},
        {"   0.00", "0.0", "   0.00", "   0.0", "≧", "ok", false},
        // Either operand missing: no mark at all.
        {"", "100.0", "", " 100.0", "", "", false},
        {" 130.00", "", " 130.00", "", "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.allowStored) + " vs " + c.ptStored);
        const TendonMark m = JudgeTendon(c.allowStored, c.ptStored, c.allowShown, c.ptShown);
        EXPECT_EQ(m.sign, c.sign);
        EXPECT_EQ(m.verdict, c.verdict);
        EXPECT_EQ(m.out, c.out);
    }
}

// A yield load above the tensile load is refused with both loads named; a
// tie stands, and so does a pair with either load missing.
TEST(GroundAnchorTendon, AYieldLoadAboveTheTensileLoadIsRefused) {
    const struct {
        const char* tus;
        const char* tys;
        const char* message;
    } cases[] = {
        {"   549", "   600",
         "降伏荷重が引張荷重を超えています。\r降伏荷重 Tys（600）を引張荷重 Tus（549）以下に変更し"
         "てください。"},
        {"549", "550",
         "降伏荷重が引張荷重を超えています。\r降伏荷重 Tys（550）を引張荷重 Tus（549）以下に変更し"
         "てください。"},
        {"   549", "   549", ""},
        {"   549", "   468", ""},
        {"", "   600", ""},
        {"   549", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TendonLoadsMessage(c.tus, c.tys), c.message) << c.tys;
}

TEST(GroundAnchorTendon, KindsAndTheirFactors) {
    EXPECT_STREQ(kAnchorKindCaption[0], "仮設アンカー");
    EXPECT_STREQ(kAnchorKindCaption[1], "永久アンカー（常時）");
    EXPECT_STREQ(kAnchorKindCaption[2], "永久アンカー（地震時）");
    for (int k : {0, 1, 2}) EXPECT_EQ(AnchorKindInUse(k), k);
    for (int k : {-1, 3, 5, 32767}) EXPECT_EQ(AnchorKindInUse(k), 0) << k;
}

TEST(GroundAnchorLengths, AnchorageLengthAgainstBondAndRange) {
    struct Case {
        const char* la;
        const char* la1;
        const char* la2;
        LengthVerdict verdict;
    };
    const auto ok = LengthVerdict::Ok;
    const auto bond = LengthVerdict::BelowBond;
    const auto range = LengthVerdict::OutsideRange;
    const Case cases[] = {
        {"", "", "", ok},                     // nothing entered
        {"", "    1.4", "    3.2", ok},       // an empty La is no fault
        {"  3.2", "    1.4", "    3.2", ok},  // equal to the larger bond length
        {"  3.1", "    1.4", "    3.2", bond},
        {"  3.1", "    3.2", "    1.4", bond},
        {"  3.0", "    1.4", "    3.2", bond},
        {"  5.0", "", "    3.2", bond},  // one bond length missing
        {"  5.0", "", "", bond},         // no design load yet
        {"  3.0", "    0.7", "    1.6", ok},
        {"  2.9", "    0.7", "    1.6", range},
        {"  2.5", "    2.0", "    1.5", range},
        {"  2.5", "    2.6", "    1.5", bond},  // the bond outranks the range
        {" 10.0", "    1.4", "    3.2", ok},
        {" 10.1", "    1.4", "    3.2", range},
        {" 12.0", "   12.0", "    3.2", range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("La ") + c.la + " La1 " + c.la1 + " La2 " + c.la2);
        EXPECT_EQ(JudgeAnchorLa(c.la, c.la1, c.la2), c.verdict);
    }
    // In the step, before a design load exists there are no bond lengths to
    // hold La against: only its range is judged. With a load, as above.
    struct StepCase {
        const char *la, *pt;
        LengthVerdict verdict;
    };
    for (const StepCase& c :
         {StepCase{"  5.0", "", ok}, StepCase{"  2.9", "", range}, StepCase{" 10.1", "", range},
          StepCase{"", "", ok}, StepCase{"  5.0", "100.0", bond}}) {
        SCOPED_TRACE(std::string("La ") + c.la + " Pt " + c.pt);
        EXPECT_EQ(JudgeAnchorLa(c.la, "", "", c.pt), c.verdict);
    }
    EXPECT_EQ(LaMessage(ok), "");
    EXPECT_EQ(LaMessage(bond), "定着長が付着長を下回っています。");
    EXPECT_EQ(LaMessage(range), "標準の入力範囲は、3～10です。");
}

TEST(GroundAnchorLengths, FreeLengthAgainstItsRange) {
    struct Case {
        const char* lf;
        LengthVerdict verdict;
    };
    for (const Case& c :
         {Case{"", LengthVerdict::Ok}, Case{"  4.0", LengthVerdict::Ok},
          Case{" 30.0", LengthVerdict::Ok}, Case{"  3.9", LengthVerdict::OutsideRange},
          Case{" 30.1", LengthVerdict::OutsideRange}, Case{"  0.1", LengthVerdict::OutsideRange}})
        EXPECT_EQ(JudgeAnchorLf(c.lf), c.verdict) << c.lf;
    EXPECT_EQ(LfMessage(LengthVerdict::Ok), "");
    EXPECT_EQ(LfMessage(LengthVerdict::OutsideRange), "標準の入力範囲は、4～30です。");
}

// The bond lengths the step judges La against, from the anchor's own inputs:
// Pt 100.0, Fs 2.5, da 115, τ 0.5, ds 12.7, τb 0.8.
//   La1 = 100000·2.5 / (π·0.115·0.5e6) = 1.38395… → 1.384 → 1.4
//   La2 = 100000 / (π·0.0127·0.8e6)    = 3.13297… → 3.133 → 3.2
// The tendon's bond governs: 3.0 is short, 3.2 holds.
TEST(GroundAnchorLengths, WorkedExampleThroughTheBondLengths) {
    ResetCalcState();
    Design.WorkType = 4;
    Design.Pt = "100.0";
    Design.AnchorFs = "  2.5";
    Design.AnchorDa = "  115";
    Design.AnchorTauG = "  0.50";
    Design.AnchorDs = "  12.7";
    Design.AnchorTauB = "  0.80";
    CalcTeityaku();
    EXPECT_EQ(Design.BondLa1, "1.384");
    EXPECT_EQ(Design.BondLa2, "3.133");
    EXPECT_EQ(Design.BondLa1Up, "1.4");
    EXPECT_EQ(Design.BondLa2Up, "3.2");
    EXPECT_EQ(JudgeAnchorLa("  3.0", Design.BondLa1Up, Design.BondLa2Up), LengthVerdict::BelowBond);
    EXPECT_EQ(JudgeAnchorLa("  3.2", Design.BondLa1Up, Design.BondLa2Up), LengthVerdict::Ok);
}

}  // namespace
}  // namespace talvo::test
