// The anchor pages' tables: the rock-bolt and ground-anchor study tables and
// the main anchor bar check of the frames without anchors.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// InsRockKento: conditions, bolt steel, anchorage and the computed lengths
// of one rock bolt. A failed shear or tensile check marks its allowable
// stress, a failed anchorage check the anchorage length: red, with a red
// "ＯＵＴ" after it. A failed stress check also prints, red in its row, the
// stress it compared ("τ＝41.3＞τsa").
void SetInsRockKento(LayoutForm& form);
// InsAnchorKento: the same for one ground anchor, the tendon's name and
// standard centred; a failed tendon check marks the tendon's load it was
// made with (Tus or Tys) and prints in its row the allowable load it gave
// against Pt ("0.60Tus＝24.00＜Ｐt＝29.5").
void SetInsAnchorKento(LayoutForm& form);

// InsAncBarKento: the main anchor bar's name, area, safety factor and shear
// stresses; a shear stress that fails its check, or could not be checked, is
// marked as in the study tables.
void SetInsAncBarKento(LayoutForm& form);
// InsSyuAncBar: the worked shear check of the main anchor bar with its
// verdict; opens the chapter "主アンカーの検討". Without a τs or a τsa the
// comparison gives way to a red line that the bar could not be checked.
void SetInsSyuAncBar(LayoutForm& form);

}  // namespace talvo::report
