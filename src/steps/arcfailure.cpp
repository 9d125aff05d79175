#include "steps/arcfailure.h"

#include "shell/numtext.h"
#include "steps/inputtext.h"

namespace talvo {

bool ArcPastToe(const std::string& slopeLength, const std::string& l1, const std::string& l3,
                bool needL1) {
    return Present(slopeLength) && (!needL1 || Present(l1)) &&
           Thousandths(slopeLength) < Thousandths(l1) + Thousandths(l3);
}

bool ArcTooDeep(const std::string& l1, const std::string& l2) {
    return Present(l1) && Present(l2) && Thousandths(l1) < 2 * Thousandths(l2);
}

}  // namespace talvo
