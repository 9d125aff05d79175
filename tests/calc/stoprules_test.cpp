// Every calculation procedure against a hostile design record: empty, zero,
// negative, extreme and non-numeric texts, out-of-range work types, bar sizes
// and modes. No procedure may divide by zero, store an infinite or undefined
// value, or index outside a table (the sanitizer build checks the last).
#include <gtest/gtest.h>

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calc/anchorage.h"
#include "calc/anchorload.h"
#include "calc/failureload.h"
#include "calc/rebar.h"
#include "calc/recalc.h"
#include "calc/wedge.h"
#include "calc/yoko.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "support/filled_design.h"

namespace talvo {
namespace {

// Every text of the record, arrays element by element.
std::vector<std::string*> Texts(DesignData& d) {
    // clang-format off
    std::vector<std::string*> texts = {
        &d.DistrictName, &d.LineName, &d.Remarks, &d.SectionBx, &d.SectionHx, &d.SectionDx,
        &d.SectionBy, &d.SectionHy, &d.SectionDy, &d.SpanCountX, &d.SpanCountY, &d.SpanX,
        &d.SpanY, &d.OverhangUpper, &d.OverhangLower, &d.OverhangLeft, &d.OverhangRight,
        &d.AnchorCountY, &d.AnchorCountX, &d.PitchY, &d.PitchX, &d.AnchorOverhangUpper,
        &d.AnchorOverhangLower, &d.AnchorOverhangLeft, &d.AnchorOverhangRight, &d.SoilName,
        &d.SoilGamma, &d.SnowRemarks, &d.SnowDepth, &d.SnowGamma, &d.InfillName,
        &d.InfillThick, &d.InfillGamma, &d.FrameMaterial, &d.FrameGamma, &d.SlopeN,
        &d.SlopeAngle, &d.TotalLengthY, &d.TotalLengthX, &d.SlopeHeight, &d.PlanFs, &d.Pr,
        &d.SlipAngle, &d.HorizSpacing, &d.RowCount, &d.InstallAngle, &d.FrictionAngle,
        &d.TanPhi, &d.KusabiL1, &d.KusabiL2, &d.KusabiH, &d.KusabiAlpha, &d.EnkoL1,
        &d.EnkoL2, &d.EnkoL3, &d.DeltaFs, &d.YokoQ, &d.YokoLoadW, &d.SigmaCk, &d.SigmaCa,
        &d.TauCa, &d.TauOa, &d.SigmaSa, &d.AncBarTauSa, &d.AncBarFs, &d.AncBarTauS,
        &d.RockTauSa, &d.RockSigmaSa, &d.RockTau, &d.RockSigma, &d.RockDa, &d.RockTauG,
        &d.RockTauB, &d.RockFs, &d.RockSpare, &d.RockLa, &d.RockLf, &d.RockLength,
        &d.TendonName, &d.TendonStandard, &d.Tus, &d.Tys, &d.TusAllow, &d.TysAllow,
        &d.AnchorDs, &d.AnchorDa, &d.AnchorTauG, &d.AnchorTauB, &d.AnchorFs, &d.AnchorSpare,
        &d.AnchorLa, &d.AnchorLf, &d.AnchorLength, &d.PlateU, &d.SiatuFrameB, &d.BoxOutD,
        &d.SiatuA, &d.Ap, &d.SigmaBa1, &d.SigmaBa2, &d.SigmaBa, &d.SigmaB, &d.PlateSigma,
        &d.PlateHalfPt, &d.PlateM, &d.PlateTReq, &d.PlateT, &d.HoukaiN, &d.HoukaiWcy,
        &d.HoukaiWcx, &d.HoukaiWc, &d.HoukaiWe, &d.HoukaiWt, &d.HoukaiW, &d.HoukaiSpare,
        &d.EnkoRadius, &d.EnkoAngle, &d.HoukaiP, &d.HoukaiPr, &d.YokoSpare1, &d.YokoSpare2,
        &d.YokoWc, &d.YokoWe, &d.YokoWs, &d.YokoW, &d.YokoSnowDepth, &d.SnowSpare,
        &d.TateCount, &d.YokoCount, &d.RockS, &d.DeltaPr, &d.SekkeiWcy, &d.SekkeiWcx,
        &d.SekkeiWc, &d.SekkeiWe, &d.SekkeiWs, &d.SekkeiW, &d.Pt, &d.TateShareL,
        &d.YokoShareL, &d.TateToubunpu, &d.YokoToubunpu, &d.BondLa1, &d.BondLa2,
        &d.BondLa1Up, &d.BondLa2Up, &d.DesignMmax, &d.DesignSmax, &d.DeltaPrCalc, &d.PtCalc,
        &d.PtInput,
    };
    // clang-format on
    auto add = [&texts](auto& array) {
        for (std::string& s : array) texts.push_back(&s);
    };
    auto addTable = [&add](auto& table) {
        for (auto& row : table) add(row);
    };
    add(d.TateMmax);
    add(d.TateSmax);
    add(d.YokoMmax);
    add(d.YokoSmax);
    add(d.ShearXInput);
    add(d.TateShearX);
    add(d.YokoShearX);
    add(d.TusCoef);
    add(d.TysCoef);
    add(d.KekkaBarCount);
    add(d.KekkaAs);
    add(d.KekkaSigmaS);
    add(d.KekkaSigmaC);
    add(d.KekkaTauC);
    add(d.KekkaTauO);
    add(d.KekkaStirrupCount);
    add(d.KekkaStirrupPitch);
    add(d.KekkaStirrupPitchReq);
    add(d.KekkaSc);
    add(d.KekkaSs);
    addTable(d.Mmax);
    addTable(d.Smax);
    addTable(d.KekkaP);
    addTable(d.KekkaK);
    addTable(d.KekkaJ);
    addTable(d.KekkaM);
    return texts;
}

// The record is program-wide, so the list of its texts is made once.
const std::vector<std::string*>& AllTexts() {
    static const std::vector<std::string*> texts = Texts(Design);
    return texts;
}

const char* const kHostile[] = {"", "0", "-1", "1e308", "abc", " 0.00", "-1e308", "1e-308"};
constexpr int kHostileCount = sizeof kHostile / sizeof kHostile[0];

// Text i of the record gets hostile value (i·step + shift) mod count: step 0
// fills the whole record with one value, the other steps mix them.
void FillTexts(int step, int shift) {
    const std::vector<std::string*>& texts = AllTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        *texts[i] = kHostile[(static_cast<int>(i) * step + shift) % kHostileCount];
    }
}

// Integers of the record: 0 leaves the new-design values, 1 sets them high
// (bar sizes 99, modes 7), 2 negative.
void FillIntegers(int variant) {
    if (variant == 0) return;
    const std::int16_t bar = variant == 1 ? 99 : -1;
    const std::int16_t mode = variant == 1 ? 7 : -1;
    DesignData& d = Design;
    d.AncBarIndex = d.RockBarIndex = bar;
    d.KekkaBar.fill(bar);
    d.KekkaStirrupBar.fill(bar);
    d.SameSection = d.SlopeInputMode = d.FrictionInputMode = d.KusabiInputMode = mode;
    d.ShearXMode.fill(mode);
    d.ShearStressMode = d.AnchorKind = d.KekkaTab = mode;
    d.TateShareMode = d.YokoShareMode = d.ToubunpuMode = d.RestraintMode = mode;
    d.UsePlanFs = d.PtDirect = d.UseInfill = d.UseSnow = d.Staggered = d.AllGridPoints = mode;
    d.SnowClass = d.SizeClass = mode;
}

// The tables as a partly supplied settings file may leave them: bars, rules
// and catalogues empty. The coefficient fractions keep their defaults, which
// their dialog never lets reach 0.
void EmptyTables() {
    RebarSpecTable = {};
    SnowRule = {};
    RebarCountRule = {};
}

struct Procedure {
    const char* name;
    std::function<void()> run;
};

// Every calculation procedure of the program, those that take arguments with
// ordinary and hostile ones.
std::vector<Procedure> AllProcedures() {
    std::vector<Procedure> all = {
        {"CalcKusabiKeijyou", CalcKusabiKeijyou},
        {"CalcHoukaiKusabi", CalcHoukaiKusabi},
        {"CalcHoukaiEnko", CalcHoukaiEnko},
        {"CalcYokoKajyuu", [] { CalcYokoKajyuu(); }},
        {"CalcYokoW", [] { CalcYokoW(); }},
        {"CalcYokoMmax", CalcYokoMmax},
        {"CalcYokoSmax", CalcYokoSmax},
        {"RecalcRock", RecalcRock},
        {"CalcSekkeiJyuuryo", CalcSekkeiJyuuryo},
        {"CalcRockPt", CalcRockPt},
        {"CalcAnchorPt", CalcAnchorPt},
        {"CalcToubunpu", CalcToubunpu},
        {"CalcRockMmax", CalcRockMmax},
        {"CalcRockSmax", CalcRockSmax},
        {"CalcTeityaku", CalcTeityaku},
        {"CalcZentyou", CalcZentyou},
        {"CalcSiatu", CalcSiatu},
        {"CalcPrate", CalcPrate},
        {"CalcAncBarTauS", CalcAncBarTauS},
        {"CalcSyutekkinTate", CalcSyutekkinTate},
        {"CalcSyutekkinYoko", CalcSyutekkinYoko},
        {"PickDesignMoment", PickDesignMoment},
        {"CalcHituyouAs",
         [] {
             for (std::int16_t dir : {0, 1, -1, 7}) {
                 const double as = NumVal(CalcHituyouAs(dir));
                 EXPECT_TRUE(std::isfinite(as));
             }
         }},
        {"GetSizeClass",
         [] {
             for (std::int16_t w : {0, 199, 1000, 1001, -1, 32767, -32768}) {
                 const std::int16_t c = GetSizeClass(w);
                 EXPECT_TRUE(c >= 0 && c <= 5) << w;
             }
         }},
        {"coefficient formulas",
         [] {
             for (std::int16_t spans : {-32768, -1, 0, 1, 2, 4, 7, 99, 32767}) {
                 for (std::int16_t dir : {-1, 0, 1, 7}) {
                     std::int16_t n = spans;
                     CalcMmaxSiki(n, 2.0, 3.0, dir);
                     n = spans;
                     CalcSmaxSiki(n, 2.0, 3.0, dir);
                     n = spans;
                     CalcMmaxSiki(n, 0.5, 3.0, dir);
                 }
             }
             for (std::int16_t mode : {-1, 0, 1, 2, 7}) {
                 for (std::int16_t dir : {-1, 0, 1, 7}) CalcSendanX(mode, dir);
             }
             for (double n : {-1.0, 0.0, 0.6, 1.0, 1e308}) {
                 std::int16_t cls = 0;
                 SnowDepthPercent(n, cls);
                 EXPECT_TRUE(cls >= 0 && cls <= 2) << n;
             }
         }},
    };
    // The results window's activation with every flag raised.
    all.push_back({"results window", [] {
                       SetAllRecalc(true);
                       RunResultsRecalculation();
                       for (std::int16_t dir : {0, 1}) {
                           Design.RequiredAs[dir] = NumVal(CalcHituyouAs(dir));
                       }
                       CalcSyutekkinTate();
                       CalcSyutekkinYoko();
                       PickDesignMoment();
                   }});
    return all;
}

bool HasBadNumber(const std::string& text) {
    for (std::size_t i = text.find_first_of("iInN"); i != std::string::npos;
         i = text.find_first_of("iInN", i + 1)) {
        std::string word = text.substr(i, 3);
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (word == "inf" || word == "nan") return true;
    }
    return false;
}

// What every procedure must leave: texts without infinities or NaNs, counts
// and classes within their tables, finite areas.
void ExpectSoundRecord(const std::string& where) {
    for (std::string* text : AllTexts()) {
        if (HasBadNumber(*text)) {
            ADD_FAILURE() << where << ": stored \"" << *text << "\"";
            return;
        }
    }
    for (std::int16_t n : Design.TateBarFit) EXPECT_GE(n, 0) << where;
    for (std::int16_t n : Design.YokoBarFit) EXPECT_GE(n, 0) << where;
    EXPECT_TRUE(std::isfinite(Design.DesignAsReq)) << where;
    EXPECT_TRUE(std::isfinite(Design.RequiredAs[0]) && std::isfinite(Design.RequiredAs[1]))
        << where;
}

struct Hostile {
    int step, shift, integers;
    bool emptyTables;
};

std::vector<Hostile> HostileRecords() {
    std::vector<Hostile> all;
    for (int integers = 0; integers < 3; ++integers) {
        for (int shift = 0; shift < kHostileCount; ++shift) {
            all.push_back({0, shift, integers, false});
            all.push_back({3, shift, integers, false});
        }
    }
    for (int shift = 0; shift < kHostileCount; ++shift) all.push_back({5, shift, 0, true});
    return all;
}

void Prepare(const Hostile& h, std::int16_t workType) {
    test::ResetCalcState();
    if (h.emptyTables) EmptyTables();
    FillTexts(h.step, h.shift);
    FillIntegers(h.integers);
    Design.WorkType = workType;
}

std::string Where(const Hostile& h, std::int16_t workType, const char* name) {
    return std::string(name) + " work type " + std::to_string(workType) + " texts " +
           std::to_string(h.step) + "/" + std::to_string(h.shift) + " integers " +
           std::to_string(h.integers) + (h.emptyTables ? " empty tables" : "");
}

TEST(StopRulesTest, EachProcedureAloneOnAHostileRecord) {
    const std::vector<Procedure> procedures = AllProcedures();
    for (const Hostile& h : HostileRecords()) {
        for (std::int16_t workType = -1; workType <= 9; ++workType) {
            // The procedures read the tables but never write them, so one
            // preparation serves them all.
            Prepare(h, workType);
            const DesignData prepared = Design;
            for (const Procedure& p : procedures) {
                Design = prepared;
                std::feclearexcept(FE_ALL_EXCEPT);
                p.run();
                // A division by zero or an undefined operation (0/0, ∞ − ∞,
                // √−1) leaves its mark even when its result is never stored.
                EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO)) << Where(h, workType, p.name);
                ExpectSoundRecord(Where(h, workType, p.name));
            }
        }
    }
}

TEST(StopRulesTest, AllProceduresInTurnOnAHostileRecord) {
    // Each procedure then also reads what the others stored from the
    // hostile inputs.
    const std::vector<Procedure> procedures = AllProcedures();
    for (const Hostile& h : HostileRecords()) {
        for (std::int16_t workType = -1; workType <= 9; ++workType) {
            Prepare(h, workType);
            for (int pass = 0; pass < 2; ++pass) {
                for (const Procedure& p : procedures) {
                    std::feclearexcept(FE_ALL_EXCEPT);
                    p.run();
                    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO)) << Where(h, workType, p.name);
                    ExpectSoundRecord(Where(h, workType, p.name));
                }
            }
        }
    }
}

TEST(StopRulesTest, ZeroTextsArePresentButStopTheDivisions) {
    // "0" is an entered value, not a missing one: the chain computes what it
    // can and leaves every quotient by it empty.
    test::FillDesign(4);
    Design.SpanX = "0";
    Design.PlateU = "0";
    Design.AnchorDa = "0";
    Design.SigmaSa = "0";
    Design.Pt = "0";
    RecalcRock();
    EXPECT_EQ(Design.HorizSpacing, "    2.000");
    EXPECT_EQ(Design.SekkeiW, "");
    EXPECT_EQ(Design.Pt, "");
    EXPECT_EQ(Design.TateToubunpu, "");
    EXPECT_EQ(Design.TateMmax[4], "");
    Design.Pt = "0";
    CalcTeityaku();
    EXPECT_EQ(Design.BondLa1, "");
    EXPECT_EQ(Design.BondLa2, "0.000");
    CalcSiatu();
    EXPECT_EQ(Design.Ap, "");
    CalcPrate();
    EXPECT_EQ(Design.PlateTReq, "");
    EXPECT_EQ(CalcHituyouAs(0), "");
}

TEST(StopRulesTest, OverflowIsStoredEmptyNotAsZero) {
    // The pattern layout turns an infinity into 0; a value that overflowed
    // must stay empty and stop what depends on it.
    test::FillDesign(3);
    Design.FrameGamma = "1e308";
    Design.TotalLengthY = "1e308";
    CalcSekkeiJyuuryo();
    EXPECT_EQ(Design.YokoCount, "5");
    EXPECT_EQ(Design.SekkeiWcy, "");
    EXPECT_EQ(Design.SekkeiW, "");
    EXPECT_EQ(Design.DeltaPrCalc, "");
    EXPECT_EQ(Design.DeltaPr, "");

    test::FillDesign(3);
    Design.DeltaPr = "2.2";
    Design.Pr = "1e308";
    Design.HorizSpacing = "1e308";
    CalcRockPt();
    EXPECT_EQ(Design.RockS, "");
    EXPECT_EQ(Design.PtCalc, "");
    EXPECT_EQ(Design.RockTau, "");

    test::FillDesign(3);
    Design.Pt = "1e308";
    Design.ToubunpuMode = 2;
    Design.TateShareMode = Design.YokoShareMode = 1;
    Design.PitchY = Design.PitchX = "1e-308";
    CalcToubunpu();
    EXPECT_EQ(Design.TateToubunpu, "");
    EXPECT_EQ(Design.YokoToubunpu, "");

    test::FillDesign(3);
    Design.TateToubunpu = Design.YokoToubunpu = "1e308";
    Design.PitchY = "1e200";
    CalcRockMmax();
    EXPECT_EQ(Design.Mmax[0][0], "");
    EXPECT_EQ(Design.TateMmax[3], "");  // not the overhang alone
    EXPECT_NE(Design.Mmax[0][1], "");

    test::FillDesign(4);
    Design.SectionBx = Design.SectionBy = "1e200";
    CalcSiatu();
    EXPECT_EQ(Design.SiatuA, "");
    EXPECT_EQ(Design.Ap, "");
    EXPECT_EQ(Design.SigmaB, "");

    test::FillDesign(4);
    Design.Pt = "1e308";
    Design.PlateU = " 200";
    CalcPrate();
    EXPECT_EQ(Design.PlateM, "");
    EXPECT_EQ(Design.PlateTReq, "");

    test::FillDesign(0);
    Design.SameSection = 0;
    Design.TateMmax[0] = "1e308";
    Design.SigmaSa = "1e-10";
    EXPECT_EQ(CalcHituyouAs(0), "");
}

}  // namespace
}  // namespace talvo
