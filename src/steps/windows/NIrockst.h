// NIrockst: the design-load step of the frames with rock bolts (work type 3):
// the restraint effect of the bolts and the shear and tensile force per bolt
// that follow from it.
#pragma once

#include "steps/windows/DesignLoadStep.h"

namespace talvo {

class NIrockst : public DesignLoadStep {
    Q_OBJECT
public:
    explicit NIrockst(QWidget* parent = nullptr);
};

}  // namespace talvo
