#include "report/pages/restraint.h"

#include <string>
#include <string_view>

#include "report/pages/fill.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

// Integer places of each value, the same wherever the family prints it.
constexpr int kForceWidth = 4;   // Ｐr, ΔＰr, Ｓ, Ｐt
constexpr int kLayoutWidth = 2;  // ＠, ｎ
constexpr int kAngleWidth = 2;   // β, φ or tan φ
constexpr int kPlanFsWidth = 1;  // ＰＦs

enum class Effect { Tightening, Holding, Both };

struct Member {
    bool rockBolt;
    Effect effect;
    bool tanPhi;  // φ printed as the value of tan φ
    bool planFs;  // ＰＦs on the cosβ term
};

void Fill(LayoutForm& form, const Member& m) {
    const DesignData& d = Design;
    const std::string beta = BetaText();
    if (m.planFs) Put(form, m.rockBolt ? "Label6" : "Label2", PadDecimal(d.PlanFs, kPlanFsWidth));
    if (!m.rockBolt) {
        Put(form, "Label9", PadDecimal(d.Pr, kForceWidth));
        Put(form, "Label22", PadDecimal(d.DeltaPr, kForceWidth));
        Put(form, "Label10", PadDecimal(d.HorizSpacing, kLayoutWidth));
        Put(form, "Label11", PadDecimal(d.RowCount, kLayoutWidth));
    }
    if (m.effect != Effect::Holding) {
        Put(form, "Label43", PadDecimal(beta, kAngleWidth));
        Put(form, "Label47", PadDecimal(m.tanPhi ? d.TanPhi : d.FrictionAngle, kAngleWidth));
    }
    if (m.effect != Effect::Tightening) Put(form, "Label50", PadDecimal(beta, kAngleWidth));
    if (m.rockBolt) Put(form, "Label52", PadDecimal(d.RockS, kForceWidth));
    Put(form, "Label16", PadDecimal(d.Pt, kForceWidth));
}

}  // namespace

std::string BetaText() {
    const DesignData& d = Design;
    if (!Present(d.SlipAngle) || !Present(d.InstallAngle)) return {};
    return FormatPattern(NumVal(d.SlipAngle) + NumVal(d.InstallAngle), "0.00");
}

void SetInsHikiSimeAF(LayoutForm& f) {
    Fill(f, {false, Effect::Both, false, false});
}
void SetInsHikiSimeAT(LayoutForm& f) {
    Fill(f, {false, Effect::Both, true, false});
}
void SetInsHikiSimeAFP(LayoutForm& f) {
    Fill(f, {false, Effect::Both, false, true});
}
void SetInsHikiSimeATP(LayoutForm& f) {
    Fill(f, {false, Effect::Both, true, true});
}
void SetInsHikiAF(LayoutForm& f) {
    Fill(f, {false, Effect::Tightening, false, false});
}
void SetInsHikiAT(LayoutForm& f) {
    Fill(f, {false, Effect::Tightening, true, false});
}
void SetInsSimeA(LayoutForm& f) {
    Fill(f, {false, Effect::Holding, false, false});
}
void SetInsSimeAP(LayoutForm& f) {
    Fill(f, {false, Effect::Holding, false, true});
}

void SetInsHikiSimeRF(LayoutForm& f) {
    Fill(f, {true, Effect::Both, false, false});
}
void SetInsHikiSimeRT(LayoutForm& f) {
    Fill(f, {true, Effect::Both, true, false});
}
void SetInsHikiSimeRFP(LayoutForm& f) {
    Fill(f, {true, Effect::Both, false, true});
}
void SetInsHikiSimeRTP(LayoutForm& f) {
    Fill(f, {true, Effect::Both, true, true});
}
void SetInsHikiRF(LayoutForm& f) {
    Fill(f, {true, Effect::Tightening, false, false});
}
void SetInsHikiRT(LayoutForm& f) {
    Fill(f, {true, Effect::Tightening, true, false});
}
void SetInsSimeR(LayoutForm& f) {
    Fill(f, {true, Effect::Holding, false, false});
}
void SetInsSimeRP(LayoutForm& f) {
    Fill(f, {true, Effect::Holding, false, true});
}

TensionBlock ChooseTensionBlock(bool rockBolt) {
    // Each choice names the anchor's form and the rock bolt's.
    struct Choice {
        TensionBlock anchor, rockBolt;
    };
    static const Choice kHikiF{{"InsHikiAF", SetInsHikiAF}, {"InsHikiRF", SetInsHikiRF}};
    static const Choice kHikiT{{"InsHikiAT", SetInsHikiAT}, {"InsHikiRT", SetInsHikiRT}};
    static const Choice kSime{{"InsSimeA", SetInsSimeA}, {"InsSimeR", SetInsSimeR}};
    static const Choice kSimeP{{"InsSimeAP", SetInsSimeAP}, {"InsSimeRP", SetInsSimeRP}};
    static const Choice kBothF{{"InsHikiSimeAF", SetInsHikiSimeAF},
                               {"InsHikiSimeRF", SetInsHikiSimeRF}};
    static const Choice kBothT{{"InsHikiSimeAT", SetInsHikiSimeAT},
                               {"InsHikiSimeRT", SetInsHikiSimeRT}};
    static const Choice kBothFP{{"InsHikiSimeAFP", SetInsHikiSimeAFP},
                                {"InsHikiSimeRFP", SetInsHikiSimeRFP}};
    static const Choice kBothTP{{"InsHikiSimeATP", SetInsHikiSimeATP},
                                {"InsHikiSimeRTP", SetInsHikiSimeRTP}};

    const DesignData& d = Design;
    const bool planFs = d.UsePlanFs != 0;
    const bool angle = d.FrictionInputMode == 0;
    const bool tan = d.FrictionInputMode == 1;
    const Choice* choice = nullptr;
    switch (d.RestraintMode) {
        case 0:  // tightening: no ＰＦs, which multiplies the cosβ term only
            choice = angle ? &kHikiF : tan ? &kHikiT : nullptr;
            break;
        case 1:  // holding: no friction term, so no φ or tan φ variant
            choice = planFs ? &kSimeP : &kSime;
            break;
        case 2:
            if (angle) choice = planFs ? &kBothFP : &kBothF;
            if (tan) choice = planFs ? &kBothTP : &kBothT;
            break;
        default:
            break;
    }
    if (!choice) return {};
    return rockBolt ? choice->rockBolt : choice->anchor;
}

}  // namespace talvo::report
