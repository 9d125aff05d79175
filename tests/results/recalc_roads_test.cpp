// Whatever road a change takes to the results, it ends where a file of the
// same inputs opens: from the worked designs of examples/ and failing copies
// of every work type, each settings dialog's commit, each reference pick and
// each step entry that raises a recalculation flag, then the activation
// duties of the step windows the engineer passes on the way (none, each one
// alone, or all in the order of the chain), then the results window's own
// recalculation and rebuild. The record as it would be saved, and the
// computed values the windows and the report show, must equal the same
// inputs worked out from scratch by the calculations themselves, one after
// the other, with no recalculation flag involved. A difference names the
// field.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "calc/anchorage.h"
#include "calc/anchorload.h"
#include "calc/failureload.h"
#include "calc/recalc.h"
#include "calc/wedge.h"
#include "calc/yoko.h"
#include "report/failing_designs.h"
#include "results/checked_designs.h"
#include "results/rebuild.h"
#include "results/snowbound_greening.h"
#include "shell/design.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/storedfields.h"
#include "shell/tables.h"
#include "standards/catalogues.h"
#include "standards/settingtables.h"
#include "steps/anchorbar.h"
#include "steps/framelayout.h"
#include "steps/gradient.h"
#include "steps/loadconditions.h"
#include "steps/plate.h"
#include "steps/weights.h"
#include "support/filled_design.h"
#include "support/stored_record.h"

namespace talvo::test {
namespace {

bool FrameOnly(int t) {
    return t >= 0 && t <= 2;
}
bool Anchored(int t) {
    return t == 3 || t == 4;
}

// The record of the same inputs opened from its file, every value worked
// out anew from those inputs by the calculations themselves, in the order
// the results window runs them, and the results rebuilt: no recalculation
// flag is read, so whatever the chain's flags let through, this does not.
// Design and the flags are left as they were.
DesignData Reference() {
    const DesignData road = Design;
    const std::int16_t flags[] = {RecalcKusabi, RecalcLoad, RecalcForce, RecalcAnchorBar,
                                  RecalcResult};
    DesignData fresh;
    EXPECT_EQ(ParseDesignBytes(SerializeDesign(road), fresh), DesignReadStatus::Ok);
    Design = fresh;
    const int type = Design.WorkType;
    UpdateSlopeHeight();
    CalcKusabiKeijyou();
    switch (type) {
        case 0:
            CalcHoukaiKusabi();
            break;
        case 1:
            CalcHoukaiEnko();
            break;
        case 3:
        case 4:
            RecalcRock();
            break;
        default:
            break;
    }
    if (FrameOnly(type)) {
        CalcYokoMmax();
        CalcYokoSmax();
    }
    CalcAncBarTauS();
    if (Anchored(type)) {
        CalcTeityaku();
        CalcZentyou();
    }
    if (type == 4) {
        CalcSiatu();
        CalcPrate();
        CalcTendonAllowables();
    }
    RebuildResults();
    fresh = Design;
    Design = road;
    RecalcKusabi = flags[0];
    RecalcLoad = flags[1];
    RecalcForce = flags[2];
    RecalcAnchorBar = flags[3];
    RecalcResult = flags[4];
    return fresh;
}

// The fields whose values differ, each with the road's and the fresh value.
std::string Differences(const DesignData& road, const DesignData& fresh) {
    return test::Differences(RecordAndComputed(road), RecordAndComputed(fresh), "fresh");
}

// ---- The changes ----

struct Change {
    const char* name;
    std::function<bool(int)> applies;  // by work type
    std::function<void()> apply;       // what the dialog's OK, the pick or the entry does
};

void Raise(std::initializer_list<std::int16_t*> flags) {
    for (std::int16_t* f : flags) *f = 1;
    DataChanged = 1;
}
void RaiseInputFlags() {
    Raise({&RecalcLoad, &RecalcForce, &RecalcAnchorBar});
}

// The deformed-bar dialog: its grid as loaded, one cell of row `bar`
// (column 2 to 5) retyped, OK.
void CommitBarCell(int bar, int col, const std::string& text) {
    std::array<std::string, 12> names;
    std::array<std::array<std::string, 4>, 12> numbers;
    for (int i = 0; i < 12; ++i) {
        const auto row = standards::RebarRowTexts(i);
        names[static_cast<std::size_t>(i)] = row[0];
        for (std::size_t k = 0; k < 4; ++k) numbers[static_cast<std::size_t>(i)][k] = row[k + 1];
    }
    numbers[static_cast<std::size_t>(bar)][static_cast<std::size_t>(col - 2)] = text;
    ASSERT_TRUE(standards::CommitRebarTable(names, numbers));
}

// The snow dialog: limits and percentages as typed, OK.
void CommitSnow(const char* l0, const char* l1, const char* p0, const char* p1, const char* p2) {
    ASSERT_TRUE(
        standards::CommitSnowRule({FormatNum(l0, 2, 2), FormatNum(l1, 2, 2), FormatNum(p0, 5, 0),
                                   FormatNum(p1, 5, 0), FormatNum(p2, 5, 0)}));
}

void CommitStirrupsAs(const char* minimum, int bar, int formula) {
    auto texts = standards::StirrupTexts();
    texts[0] = FormatNum(minimum, 5, 0);
    ASSERT_TRUE(standards::CommitStirrups(texts, StirrupDefaults.MaxHalfDepth != 0, formula, bar));
}

// The Mmax/Smax dialog: row `row`'s four texts retyped.
void CommitFraction(int row, const char* mn, const char* md, const char* sn, const char* sd) {
    std::array<std::array<std::string, 4>, 5> rows;
    for (int i = 0; i < 5; ++i) rows[static_cast<std::size_t>(i)] = standards::SpanRowTexts(i);
    rows[static_cast<std::size_t>(row)] = {FormatNum(mn, 2, 0), FormatNum(md, 2, 0),
                                           FormatNum(sn, 2, 0), FormatNum(sd, 2, 0)};
    ASSERT_TRUE(standards::CommitSpanCoefficients(rows));
}

// The main-rebar count dialog: every class's condition `col` (1 rock-bolt
// box-out, 2 ground-anchor box-out, 3 spacing, 4 cover) retyped.
void CommitCondition(int col, const char* text) {
    std::array<std::array<std::string, 5>, 6> rows;
    for (int c = 0; c < 6; ++c) rows[static_cast<std::size_t>(c)] = standards::CountRuleTexts(c);
    for (auto& row : rows) row[static_cast<std::size_t>(col)] = FormatNum(text, 9, 0);
    ASSERT_TRUE(standards::CommitRebarCountRule(rows));
}

// A typed entry of a step: the field takes the text the box stores and the
// step raises its flags.
void Enter(std::string& field, const std::string& text) {
    field = text;
    RaiseInputFlags();
}

// The gradient step: 1 : n typed, the angle and the height derived.
void EnterGradient(const char* n) {
    DesignData& d = Design;
    d.SlopeInputMode = 1;
    d.SlopeN = FormatNum(n, 3, 2);
    d.SlopeAngle = SlopeAngleOfRatio(n, Pi);
    d.SlopeHeight = SlopeHeight(d.TotalLengthY, d.SlopeAngle);
    RaiseInputFlags();
    GradientChanged(d.WorkType);
}

// The spans step: the horizontal span typed, the width derived.
void EnterSpanX(const char* x) {
    Design.SpanX = FormatNum(x, 2, 3);
    Design.TotalLengthX = FrameTotalX(Design);
    RaiseInputFlags();
}

// The wedge step: L1 typed (pattern L1, L2), H and α derived at once.
void EnterWedgeL1(const char* l1) {
    Design.KusabiL1 = FormatNum(l1, 3, 3);
    CalcKusabiKeijyou();
    Raise({&RecalcLoad});
}

// The vertical-beam moment step: a new ΔFs reruns the failure load at once.
void EnterDeltaFs(const char* fs) {
    Design.DeltaFs = fs;
    RunFailureLoadCalculation();
    Raise({&RecalcResult});
}

// The restraint conditions of the anchored types: φ typed, tan φ derived.
void EnterFriction(const char* phi) {
    Design.FrictionInputMode = 0;
    Design.FrictionAngle = FormatNum(phi, 2, 1);
    Design.TanPhi = TanPhiOfAngle(Design.FrictionAngle);
    Raise({&RecalcLoad});
}

std::vector<Change> Changes(const DesignData& start) {
    const auto all = [](int) { return true; };
    const auto type0 = [](int t) { return t == 0; };
    const auto frameOnly = [](int t) { return FrameOnly(t); };
    const auto anchored = [](int t) { return Anchored(t); };
    const auto computedLoad = [](int t) { return Anchored(t) && Design.PtDirect == 0; };
    const RebarSpec ancBar = RebarSpecTable[static_cast<std::size_t>(start.AncBarIndex)];
    const RebarSpec rockBar = RebarSpecTable[static_cast<std::size_t>(start.RockBarIndex)];
    const auto area = [](double cm2) { return FormatNum(NumStr(cm2), 8, cm2 >= 10 ? 2 : 3); };
    const int ancIndex = start.AncBarIndex;
    const int rockIndex = start.RockBarIndex;
    const std::string sectionHx = start.SectionHx, spanX = start.SpanX;
    const std::string snowDepth = start.SnowDepth, frameGamma = start.FrameGamma;
    const std::string slopeN = start.SlopeN, wedgeL1 = start.KusabiL1;
    const std::string deltaFs = start.DeltaFs, pr = start.Pr, phi = start.FrictionAngle;
    const std::string ptInput = start.PtInput, sigmaSa = start.SigmaSa;
    const std::string frameName = start.FrameMaterial, snowName = start.SnowRemarks;
    const std::string snowGamma = start.SnowGamma;
    const std::int16_t useSnow = start.UseSnow;
    return {
        // The five settings dialogs, there and back.
        {"bar table: main anchor bar's area halved", frameOnly,
         [=] { CommitBarCell(ancIndex, 4, area(ancBar.Area / 2)); }},
        {"bar table: main anchor bar's area back", frameOnly,
         [=] { CommitBarCell(ancIndex, 4, area(ancBar.Area)); }},
        {"bar table: rock bolt's area halved", anchored,
         [=] { CommitBarCell(rockIndex, 4, area(rockBar.Area / 2)); }},
        {"bar table: rock bolt's area back", anchored,
         [=] { CommitBarCell(rockIndex, 4, area(rockBar.Area)); }},
        {"bar table: D13 of 20 mm", all, [] { CommitBarCell(1, 3, "20.0"); }},
        {"bar table: D13 back", all, [] { CommitBarCell(1, 3, "12.7"); }},
        {"snow: nothing of the depth on steep slopes", all,
         [] { CommitSnow("0.60", "1.00", "0", "50", "0"); }},
        {"snow: the whole depth everywhere", all,
         [] { CommitSnow("0.60", "1.00", "100", "100", "100"); }},
        {"snow: limits 1.50 and 2.00", all, [] { CommitSnow("1.50", "2.00", "0", "50", "100"); }},
        {"snow: as built in", all, [] { CommitSnow("0.60", "1.00", "0", "50", "100"); }},
        {"stirrups: D13, spacing from 150, Sc without j", all,
         [] { CommitStirrupsAs("150", 1, 1); }},
        {"stirrups: as before", all, [] { CommitStirrupsAs("100", 0, 0); }},
        {"Mmax/Smax: four spans and more 1/8 and 6/10", all,
         [] { CommitFraction(4, "1", "8", "6", "10"); }},
        {"Mmax/Smax: overhang 1/3 and 3/4", all, [] { CommitFraction(0, "1", "3", "3", "4"); }},
        {"Mmax/Smax: overhang back", all, [] { CommitFraction(0, "1", "2", "1", "1"); }},
        {"Mmax/Smax: four spans back", all, [] { CommitFraction(4, "1", "9", "17", "28"); }},
        {"bar count: cover 120", all, [] { CommitCondition(4, "120"); }},
        {"bar count: anchors' box-out 300", all, [] { CommitCondition(2, "300"); }},
        {"bar count: as built in", all,
         [] {
             InitRebarCountRule();
             std::array<std::array<std::string, 5>, 6> rows;
             for (int c = 0; c < 6; ++c)
                 rows[static_cast<std::size_t>(c)] = standards::CountRuleTexts(c);
             ASSERT_TRUE(standards::CommitRebarCountRule(rows));
         }},
        // The reference picks that write the design.
        {"unit weight: frame 23.0", all,
         [] { standards::PickUnitWeight(0, "無筋コンクリート", "23.0"); }},
        {"unit weight: frame back", all,
         [=] { standards::PickUnitWeight(0, frameName, TrimBlanks(frameGamma)); }},
        {"unit weight: snow 5.0", all, [] { standards::PickUnitWeight(2, "湿雪", "5.0"); }},
        {"unit weight: snow back", all,
         [=] { standards::PickUnitWeight(2, snowName, TrimBlanks(snowGamma)); }},
        {"allowable stresses: another row", all,
         [] { ASSERT_TRUE(standards::PickStressSet(0, 2)); }},
        {"allowable stresses: the first row", all,
         [] { ASSERT_TRUE(standards::PickStressSet(0, 0)); }},
        // Step entries that raise a flag.
        {"section: h of the horizontal beam 250", all,
         [] { Enter(Design.SectionHx, FormatNum("250", 4, 0)); }},
        {"section: back", all, [=] { Enter(Design.SectionHx, sectionHx); }},
        {"spans: x 2.5", frameOnly, [] { EnterSpanX("2.5"); }},
        {"spans: back", frameOnly, [=] { EnterSpanX(TrimBlanks(spanX).c_str()); }},
        {"weights: snow 1.00 m", all, [] { Enter(Design.SnowDepth, "1.00"); }},
        {"weights: snow considered or not", all,
         [=] { SetConsidered(Design.UseSnow, useSnow == 0); }},
        {"weights: snow back", all,
         [=] {
             SetConsidered(Design.UseSnow, useSnow != 0);
             Enter(Design.SnowDepth, snowDepth);
         }},
        {"weights: frame 25.0", all, [] { Enter(Design.FrameGamma, "25.0"); }},
        {"weights: frame back", all, [=] { Enter(Design.FrameGamma, frameGamma); }},
        {"gradient: 1:0.50", all, [] { EnterGradient("0.50"); }},
        {"gradient: 1:1.50", all, [] { EnterGradient("1.50"); }},
        {"gradient: back", all, [=] { EnterGradient(TrimBlanks(slopeN).c_str()); }},
        {"wedge: L1 6.0", type0, [] { EnterWedgeL1("6.0"); }},
        {"wedge: back", type0, [=] { EnterWedgeL1(TrimBlanks(wedgeL1).c_str()); }},
        {"ΔFs 0.30", [](int t) { return t == 0 || t == 1; }, [] { EnterDeltaFs("0.30"); }},
        {"ΔFs back", [](int t) { return t == 0 || t == 1; },
         [=] { EnterDeltaFs(deltaFs.c_str()); }},
        {"restraint: φ 35", computedLoad, [] { EnterFriction("35"); }},
        {"restraint: φ back", computedLoad, [=] { EnterFriction(TrimBlanks(phi).c_str()); }},
        {"restraint: Pr 90% ", computedLoad,
         [=] {
             Design.Pr = FormatNum(NumStr(NumVal(pr) * 0.9), 4, 1);
             Raise({&RecalcLoad});
         }},
        {"restraint: Pr back", computedLoad,
         [=] {
             Design.Pr = pr;
             Raise({&RecalcLoad});
         }},
        {"design load entered: 120.0", [](int t) { return Anchored(t) && Design.PtDirect != 0; },
         [] {
             Design.PtInput = FormatNum("120.0", 4, 1);
             Raise({&RecalcLoad});
         }},
        {"design load entered: back", [](int t) { return Anchored(t) && Design.PtDirect != 0; },
         [=] {
             Design.PtInput = ptInput;
             Raise({&RecalcLoad});
         }},
        {"shear position b/2 + h/2", frameOnly,
         [] { ChangeShearPosition(ShearBeams::Horizontal, 2); }},
        {"shear position b/2", frameOnly, [] { ChangeShearPosition(ShearBeams::Horizontal, 1); }},
        {"anchored shear position b/2 + h/2", anchored,
         [] { ChangeShearPosition(ShearBeams::Anchored, 2); }},
        {"anchored shear position b/2", anchored,
         [] { ChangeShearPosition(ShearBeams::Anchored, 1); }},
        {"material: σsa 160", all,
         [] {
             Design.SigmaSa = FormatNum("160", 5, 0);
             Raise({&RecalcResult});
         }},
        {"material: σsa back", all,
         [=] {
             Design.SigmaSa = sigmaSa;
             Raise({&RecalcResult});
         }},
    };
}

// ---- The step windows passed on the way ----

struct Duty {
    const char* window;
    void (*run)();
};

// The activation duties of the steps of a work type's chain that show
// computed values, in the order of the chain.
std::vector<Duty> ChainDuties(int type) {
    switch (type) {
        case 0:
            return {{"wedge", RunKusabiOnActivation},
                    {"vertical beam", RunLoadOnActivation},
                    {"horizontal beam", RunForceOnActivation},
                    {"main anchor bar", RunAnchorBarOnActivation}};
        case 1:
            return {{"vertical beam", RunLoadOnActivation},
                    {"horizontal beam", RunForceOnActivation},
                    {"main anchor bar", RunAnchorBarOnActivation}};
        case 2:
            return {{"horizontal beam", RunForceOnActivation},
                    {"main anchor bar", RunAnchorBarOnActivation}};
        case 3:
            return {{"anchorage", RunRockOnActivation}};
        default:
            return {{"anchorage", RunRockOnActivation},
                    {"tendon",
                     [] {
                         RunRockOnActivation();
                         CalcTendonAllowables();
                     }},
                    {"bearing", RunBearingOnActivation},
                    {"plate", RunPlateOnActivation}};
    }
}

// The roads from a change to the results: straight there, through one step
// window, or through every one of them in turn.
std::vector<std::vector<Duty>> Roads(int type) {
    const std::vector<Duty> chain = ChainDuties(type);
    std::vector<std::vector<Duty>> roads = {{}};
    for (const Duty& d : chain) roads.push_back({d});
    if (chain.size() > 1) roads.push_back(chain);
    return roads;
}

std::string RoadName(const std::vector<Duty>& road) {
    if (road.empty()) return "straight to the results";
    std::string name = "through";
    for (const Duty& d : road) name += std::string(" the ") + d.window + " step,";
    return name + " then the results";
}

struct Start {
    const char* name;
    std::function<void()> design;
};

void OpenExample(const char* file) {
    ASSERT_EQ(ReadDesignFile((ExamplesFolder() / file).string(), Design), DesignReadStatus::Ok);
}

const Start kStarts[] = {
    {"examples/sample.kvd", [] { OpenExample("sample.kvd"); }},
    {"examples/wedge.kvd", [] { OpenExample("wedge.kvd"); }},
    {"examples/arc.kvd", [] { OpenExample("arc.kvd"); }},
    {"examples/greening.kvd", [] { OpenExample("greening.kvd"); }},
    {"examples/rockbolt.kvd", [] { OpenExample("rockbolt.kvd"); }},
    {"examples/anchor.kvd", [] { OpenExample("anchor.kvd"); }},
    {"examples/anchor-direct.kvd", [] { OpenExample("anchor-direct.kvd"); }},
    {"wedge: main anchor bar over τsa", WedgeBarOverstressed},
    {"arc: main anchor bar over τsa",
     [] {
         PassingDesign(1);
         Design.AncBarTauSa = "   20";
     }},
    {"greening: main anchor bar over τsa", GreeningBarOverstressed},
    {"greening under deep snow: main anchor bar over τsa", SnowBoundGreening},
    {"rock bolt too short", RockBoltTooShort},
    {"rock bolt over τsa", RockBoltOverstressed},
    {"ground anchor on a weak tendon", WeakTendonAnchor},
    {"ground anchor on a narrow plate", NarrowPlateAnchor},
    {"ground anchor entered directly on a thin plate", ThinPlateDirectAnchor},
};

TEST(RecalcRoads, EveryRoadToTheResultsEndsWhereAFreshOpenEnds) {
    for (const Start& start : kStarts) {
        SCOPED_TRACE(start.name);
        ResetCalcState();
        start.design();
        if (HasFatalFailure()) return;
        // The design as it opens: its results up to date, no flag raised.
        Design = Reference();
        SetAllRecalc(false);
        const int type = Design.WorkType;
        const DesignData opened = Design;
        for (const std::vector<Duty>& road : Roads(type)) {
            SCOPED_TRACE(RoadName(road));
            ResetCalcState();
            Design = opened;
            SetAllRecalc(false);
            for (const Change& change : Changes(opened)) {
                if (!change.applies(type)) continue;
                change.apply();
                if (HasFatalFailure()) return;
                for (const Duty& d : road) d.run();
                RunResultsActivation();
                const DesignData fresh = Reference();
                const std::string diff = Differences(Design, fresh);
                EXPECT_TRUE(diff.empty()) << "after " << change.name << ":\n" << diff;
                // Go on from the sound record, so that one fault is named once.
                Design = fresh;
                SetAllRecalc(false);
            }
        }
    }
}

}  // namespace
}  // namespace talvo::test
