#include "calc/windows/NDtatesendan.h"

#include "calc/calcfield.h"
#include "calc/recalc.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;

const bool kRegistered = [] {
    RegisterStepWindow("NDtatesendan", [] { return new NDtatesendan; });
    return true;
}();

}  // namespace

NDtatesendan::NDtatesendan(QWidget* parent) : StepForm("NDtatesendan", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NDtatesendan");

    AddLabel(this, "増加させる安全率", 960, 1100, 3600, kRowHeight);
    AddLabel(this, "ΔＦｓ =", 4800, 1100, 900, kRowHeight);
    Label7 = AddValueLabel(this, "Label7", 5760, 1100, 1400, kRowHeight);

    AddLabel(this, "最大せん断力", 960, 2300, 3600, kRowHeight);
    AddLabel(this, "Ｓmax =", 4800, 2300, 900, kRowHeight);
    Label5 = AddValueLabel(this, "Label5", 5760, 2300, 1400, kRowHeight);
    AddLabel(this, "(kN)", 7260, 2300, 900, kRowHeight);
}

void NDtatesendan::OnActivate() {
    RunLoadOnActivation();
    Label7->setText(NumText(Design.DeltaFs, 5, 2));
    // Shown only: Smax stays as the failure load stored it.
    if (const std::string* field = calcfield::OfWorkType(Design.TateSmax))
        Label5->setText(NumText(*field, 5, 2));
}

}  // namespace talvo
