#include "shell/design.h"

#include "shell/globals.h"

namespace talvo {

DesignData Design;
std::array<std::array<std::array<std::int32_t, 6>, 11>, 2> ResultColor{};

void InitDesignData() {
    // Every field's new-design value is its member initialiser. TateShearX and
    // BoxOutD are cleared as well, so that nothing of a closed design survives.
    Design = DesignData{};
    for (auto& set : ResultColor)
        for (auto& col : set) col.fill(0);
    // The stirrup pages of a result row may not follow a check of a design
    // before this one.
    for (auto& set : StirrupNeeded) set.fill(false);
    SetAllRecalc(false);
}

}  // namespace talvo
