// The anchor pages' tables: the rock-bolt and ground-anchor study tables and
// the main anchor bar check of the frames without anchors.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// InsRockKento: conditions, bolt steel, anchorage and the computed lengths
// of one rock bolt.
void SetInsRockKento(LayoutForm& form);
// InsAnchorKento: the same for one ground anchor, the tendon's name and
// standard centred.
void SetInsAnchorKento(LayoutForm& form);

// InsAncBarKento: the main anchor bar's name, area, safety factor and shear
// stresses.
void SetInsAncBarKento(LayoutForm& form);
// InsSyuAncBar: the worked shear check of the main anchor bar with its
// verdict; opens the chapter "主アンカーの検討".
void SetInsSyuAncBar(LayoutForm& form);

}  // namespace talvo::report
