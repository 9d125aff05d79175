#include "calc/windows/NKrockmoment.h"

#include "calc/recalc.h"
#include "calc/windows/ForceFormula.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NKrockmoment", [] { return new NKrockmoment; });
    return true;
}();

}  // namespace

NKrockmoment::NKrockmoment(QWidget* parent) : StepForm("NKrockmoment", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NKrockmoment");

    Label5 = AddTitleBar(this, "最大曲げモーメントMmax(kN･m)の算出式", 240, 150, 8835, 330);
    Label5->setObjectName("Label5");
    Tate = new RockForceBlock(
        this, false, 0,
        {"SSOption1", "SSOption2", "SSPanel1", "SSPanel2", "Label6", "Label7", "Label24", "Label3"},
        240, 600, 8835, 1650);
    Yoko = new RockForceBlock(this, false, 1,
                              {"SSOption3", "SSOption4", "SSPanel5", "SSPanel6", "Label9",
                               "Label10", "Label14", "Label4"},
                              240, 2400, 8835, 1650);

    Text1 = FocusSink;
    setTabOrder(Tate->SpanOption, Tate->OverhangOption);
    setTabOrder(Tate->OverhangOption, Yoko->SpanOption);
    setTabOrder(Yoko->SpanOption, Yoko->OverhangOption);
    setTabOrder(Yoko->OverhangOption, cmdBegin);
    // The sink sends the Tab key round to the first choice.
    SetTabWrapTarget(Tate->SpanOption);
}

void NKrockmoment::OnActivate() {
    RunRockOnActivation();
    Tate->Activate(false);
    Yoko->Activate(false);
}

}  // namespace talvo
