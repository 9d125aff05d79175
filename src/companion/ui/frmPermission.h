// The allowable-stress reference of the conditions: the design strengths
// and allowable stresses of the four standards.
#pragma once

#include "companion/ui/referenceDialog.h"

class QComboBox;

namespace talvo {
class Grid;
}

namespace talvo::companion {

class FrmPermission : public ReferenceDialog {
    Q_OBJECT
public:
    explicit FrmPermission(FrmCondition* condition, QWidget* parent = nullptr);
    QComboBox* cmbAssociation = nullptr;
    Grid* sprStress = nullptr;
    void SelectStandard(int s);
    void OkClick() override;
};

}  // namespace talvo::companion
