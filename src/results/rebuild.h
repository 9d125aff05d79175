// Recalculation and rebuild of the results: what the results window does on
// activation and on its redisplay button, without the controls.
#pragma once

namespace talvo {

// The one procedure that brings the results up to date: the slope height
// the gradient step keeps (UpdateSlopeHeight), the recalculation chain
// (RunResultsRecalculation: every calculation whose flag is raised, and the
// anchorage calculations of work types 3 and 4 on every call), then,
// when RecalcResult is raised, the rebuild below. Returns true when the
// results were rebuilt: a window then shows them anew with no print row
// chosen. The results window calls it on activation; the report reads the
// results as they stand and reruns nothing.
bool RunResultsActivation();

// Rebuilds the results table from scratch: clears the print rows, every
// result text, the bar fits, the common design forces, `ResultColor` and
// `StirrupNeeded` (the main-bar sizes stay); chooses the mode (single set:
// set 1 shown, the common design forces picked; two sets: set 0 shown);
// computes the required areas and bar fits of the sets in use; fits and
// colours every row of those sets, the set not shown first. Lowers
// RecalcResult.
void RebuildResults();

// The redisplay button: refits and rechecks every row of both sets, the set
// not shown first (in single-set mode set 0 too), then rechecks the print
// row of the set not shown. Reads no flag, clears nothing first, keeps the
// print rows.
void RedisplayResults();

}  // namespace talvo
