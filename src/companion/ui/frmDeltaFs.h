// The ΔFs reference of the conditions: three fixed choices.
#pragma once

#include <array>

#include "companion/ui/referenceDialog.h"

class QRadioButton;

namespace talvo::companion {

class FrmDeltaFs : public ReferenceDialog {
    Q_OBJECT
public:
    explicit FrmDeltaFs(FrmCondition* condition, QWidget* parent = nullptr);
    std::array<QRadioButton*, 3> optFs{};
    void OkClick() override;
};

}  // namespace talvo::companion
