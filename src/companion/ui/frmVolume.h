// The unit-weight reference of the conditions: one group of the unit-weight
// catalogue, the group chosen by UnitWeightGroup.
#pragma once

#include "companion/ui/referenceDialog.h"

namespace talvo {
class Grid;
}

namespace talvo::companion {

class FrmVolume : public ReferenceDialog {
    Q_OBJECT
public:
    explicit FrmVolume(FrmCondition* condition, QWidget* parent = nullptr);
    Grid* sprVolume = nullptr;  // row 1 headings, rows 2-6 the catalogue rows 0-4
    void OkClick() override;
};

}  // namespace talvo::companion
