// NIrockpt: the design-load step of the frames with ground anchors (work
// type 4): the restraint effect of the anchors and the design load per
// anchor that follows from it.
#pragma once

#include "steps/windows/DesignLoadStep.h"

namespace talvo {

class NIrockpt : public DesignLoadStep {
    Q_OBJECT
public:
    explicit NIrockpt(QWidget* parent = nullptr);
};

}  // namespace talvo
