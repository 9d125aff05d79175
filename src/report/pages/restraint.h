// The tension blocks of the anchored reports: how the design load Ｐt of one
// ground anchor or rock bolt follows from the force it carries and the
// restraint effect expected of it.
//
// The force is (Ｐr＋ΔＰr)・＠/ｎ for a ground anchor and the shear force Ｓ
// for a rock bolt; it is divided by sinβ・tanφ (tightening), cosβ (holding,
// times ＰＦs when the planned safety factor is used) or their sum. Sixteen
// forms, one filler each: anchor (A) or rock bolt (R); tightening (Hiki),
// holding (Sime) or both (HikiSime); φ as an angle (F) or tan φ as a value
// (T); the planned safety factor on the cosβ term (P). Each filler prints the
// stored values of the design only: nothing is recomputed, and no heading is
// numbered.
#pragma once

#include <string>

#include "report/engine/layoutform.h"

namespace talvo::report {

// β = θ＋α with two decimals, or the empty text while the slip angle or the
// installation angle is missing (a text of blanks counts as given).
std::string BetaText();

void SetInsHikiSimeAF(LayoutForm& form);
void SetInsHikiSimeAT(LayoutForm& form);
void SetInsHikiSimeAFP(LayoutForm& form);
void SetInsHikiSimeATP(LayoutForm& form);
void SetInsHikiAF(LayoutForm& form);
void SetInsHikiAT(LayoutForm& form);
void SetInsSimeA(LayoutForm& form);
void SetInsSimeAP(LayoutForm& form);

void SetInsHikiSimeRF(LayoutForm& form);
void SetInsHikiSimeRT(LayoutForm& form);
void SetInsHikiSimeRFP(LayoutForm& form);
void SetInsHikiSimeRTP(LayoutForm& form);
void SetInsHikiRF(LayoutForm& form);
void SetInsHikiRT(LayoutForm& form);
void SetInsSimeR(LayoutForm& form);
void SetInsSimeRP(LayoutForm& form);

// The tension block of the open design: its form and filler, chosen by
// DesignData.RestraintMode (0 tightening, 1 holding, 2 both), FrictionInputMode
// (0 angle, 1 tan φ; not consulted for holding) and UsePlanFs (not consulted
// for tightening). A restraint mode outside 0 to 2, or a friction mode outside
// 0 and 1 where it is consulted, gives no block (null form, null filler).
struct TensionBlock {
    const char* form = nullptr;
    void (*fill)(LayoutForm&) = nullptr;
    explicit operator bool() const { return form != nullptr; }
};
TensionBlock ChooseTensionBlock(bool rockBolt);

}  // namespace talvo::report
