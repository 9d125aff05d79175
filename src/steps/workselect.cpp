#include "steps/workselect.h"

#include "shell/globals.h"

namespace talvo {

void ResetResultChoices(DesignData& d) {
    d.KekkaPrintRow = {0, 0};
    for (int i = 0; i < 12; ++i)
        d.KekkaBar[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i % 6);
}

void ChooseWorkType(std::int16_t type, bool loading) {
    if (type != Design.WorkType) {
        RecalcKusabi = RecalcLoad = RecalcForce = RecalcAnchorBar = 1;
        ResetResultChoices(Design);
        if (!loading) DataChanged = 1;
    }
    Design.WorkType = type;
}

bool TakesDirectLoad(int workType) {
    return workType == 3 || workType == 4;
}

void ChooseDirectLoad(bool direct) {
    const std::int16_t value = direct ? 1 : 0;
    if (value == Design.PtDirect) return;
    Design.PtDirect = value;
    DataChanged = 1;
    RecalcLoad = 1;
    ResetResultChoices(Design);
}

std::int16_t FirstResultTab(const DesignData& d) {
    return (d.WorkType == 2 || d.SameSection != 0) ? 1 : 0;
}

}  // namespace talvo
