// The design-condition tables at the top of every summary page: the site
// texts, the frame outline, the two frame sections, the unit weights and the
// allowable stresses, printed as the design stores them.
//
// Each filler takes the freshly loaded form, loads the script-ℓ pictures of
// its `Pic_l` elements and sets the value captions from `Design`. Nothing is
// computed, converted or rounded; a value whose row does not apply prints "―"
// in the column of the integer parts. No heading is numbered.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// `InsHoukaiHyou`: the failure-load reports (work types 0, 1 and 2).
void SetInsHoukaiHyou(LayoutForm& form);

// `InsHeiyouHyou`: the anchored reports (work types 3 and 4), with the
// anchor or rock-bolt layout beside the frame outline.
void SetInsHeiyouHyou(LayoutForm& form);

}  // namespace talvo::report
