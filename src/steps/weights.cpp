#include "steps/weights.h"

#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

bool MovingSoilApplies(int workType) {
    return workType < 2;
}

bool InfillThickerThanFrame(const std::string& infill, const std::string& frameHy,
                            const std::string& frameHx) {
    if (!Present(frameHy) || !Present(frameHx)) return false;
    const double he = NumVal(infill);
    return he > NumVal(frameHy) || he > NumVal(frameHx);
}

void SetConsidered(std::int16_t& use, bool considered) {
    const std::int16_t value = considered ? 1 : 0;
    if (value != use) {
        DataChanged = 1;
        RecalcLoad = 1;
        RecalcForce = 1;
        RecalcAnchorBar = 1;
    }
    use = value;
}

}  // namespace talvo
