#include "steps/windows/NIrockpt.h"

#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NIrockpt", [] { return new NIrockpt; });
    return true;
}();

}  // namespace

NIrockpt::NIrockpt(QWidget* parent)
    : DesignLoadStep(QStringLiteral("NIrockpt"), DesignLoadKind::GroundAnchor, parent) {
    (void)kRegistered;
}

}  // namespace talvo
