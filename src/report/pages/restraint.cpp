#include "report/pages/restraint.h"

#include <string>
#include <string_view>

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

void Put(LayoutForm& form, std::string_view name, std::string caption) {
    if (!form.SetCaption(name, std::move(caption))) {
        throw FormError(form.name + ": no label " + std::string(name));
    }
}

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
    const DesignData& d = Design;
    const bool planFs = d.UsePlanFs != 0;
    const bool angle = d.FrictionInputMode == 0;
    const bool tan = d.FrictionInputMode == 1;
    switch (d.RestraintMode) {
        case 0:  // tightening: no ＰＦs, it multiplies the cosβ term only
            if (angle)
                return rockBolt ? TensionBlock{"InsHikiRF", SetInsHikiRF}
                                : TensionBlock{"InsHikiAF", SetInsHikiAF};
            if (tan)
                return rockBolt ? TensionBlock{"InsHikiRT", SetInsHikiRT}
                                : TensionBlock{"InsHikiAT", SetInsHikiAT};
            return {};
        case 1:  // holding: no friction term, so no φ or tan φ forms
            if (planFs)
                return rockBolt ? TensionBlock{"InsSimeRP", SetInsSimeRP}
                                : TensionBlock{"InsSimeAP", SetInsSimeAP};
            return rockBolt ? TensionBlock{"InsSimeR", SetInsSimeR}
                            : TensionBlock{"InsSimeA", SetInsSimeA};
        case 2:
            if (angle && planFs)
                return rockBolt ? TensionBlock{"InsHikiSimeRFP", SetInsHikiSimeRFP}
                                : TensionBlock{"InsHikiSimeAFP", SetInsHikiSimeAFP};
            if (angle)
                return rockBolt ? TensionBlock{"InsHikiSimeRF", SetInsHikiSimeRF}
                                : TensionBlock{"InsHikiSimeAF", SetInsHikiSimeAF};
            if (tan && planFs)
                return rockBolt ? TensionBlock{"InsHikiSimeRTP", SetInsHikiSimeRTP}
                                : TensionBlock{"InsHikiSimeATP", SetInsHikiSimeATP};
            if (tan)
                return rockBolt ? TensionBlock{"InsHikiSimeRT", SetInsHikiSimeRT}
                                : TensionBlock{"InsHikiSimeAT", SetInsHikiSimeAT};
            return {};
        default:
            return {};
    }
}

}  // namespace talvo::report
