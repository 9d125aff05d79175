#include "steps/windows/NIrockst.h"

#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NIrockst", [] { return new NIrockst; });
    return true;
}();

}  // namespace

NIrockst::NIrockst(QWidget* parent)
    : DesignLoadStep(QStringLiteral("NIrockst"), DesignLoadKind::RockBolt, parent) {
    (void)kRegistered;
}

}  // namespace talvo
