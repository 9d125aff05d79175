// Which calculation reruns for which raised flag.
//
// An entry that changes a value some calculation reads does not compute: it
// raises that calculation's flag (shell/globals.h). The windows that show
// computed values call the duty of their activation from this table: a raised
// flag reruns what its row names, is lowered, and raises RecalcResult where
// the checked results depend on it. A lowered flag leaves the stored values
// standing, so of two windows that show the same values only the first one
// activated after the change computes.
//
//   flag             reruns, in this order           then                 duty
//   ---------------  ------------------------------  -------------------  ---------------------
//   RecalcKusabi     CalcKusabiKeijyou               lowered              RunKusabiOnActivation
//   RecalcLoad       type 0: CalcHoukaiKusabi        lowered,             RunLoadOnActivation
//                    type 1: CalcHoukaiEnko          RecalcResult raised  (vertical beam)
//                    other types: nothing
//   RecalcLoad       RecalcRock                      lowered,             RunRockOnActivation
//                                                    RecalcResult raised  (anchored frame)
//   RecalcForce      CalcYokoMmax, CalcYokoSmax      lowered,             RunForceOnActivation
//                                                    RecalcResult raised  (horizontal beam)
//   RecalcAnchorBar  CalcAncBarTauS                  lowered              RunResultsRecalculation
//   RecalcResult     the results window's rebuild    lowered              the results window
//
// RunResultsRecalculation is the results window's chain: every row but the
// last, in its own order (below); the window then rebuilds its results while
// RecalcResult is raised. A few entries rerun their calculation at once
// instead, whatever the flags say: they are listed at the end.
#pragma once

namespace talvo {

// ---- The duties of activation ----

// RecalcKusabi raised: the wedge's two derived values (CalcKusabiKeijyou);
// the flag is lowered and no other flag touched (the failure load that reads
// the wedge reruns under RecalcLoad).
void RunKusabiOnActivation();

// RecalcLoad raised, for the vertical-beam steps of the frame-only types:
// the failure load of the work type (RunFailureLoadCalculation), RecalcLoad
// lowered and RecalcResult raised. Lowered: the stored values stand.
void RunLoadOnActivation();

// RecalcLoad raised, for the anchored frame's steps: RecalcRock, RecalcLoad
// lowered and RecalcResult raised. RecalcForce is not read: the anchored
// types' horizontal forces come out of RecalcRock too.
void RunRockOnActivation();

// RecalcForce raised, for the horizontal-beam steps of the frame-only types:
// CalcYokoMmax and then CalcYokoSmax (which reads what the first stored),
// RecalcForce lowered and RecalcResult raised.
void RunForceOnActivation();

// The results window's recalculation chain, run on its activation before
// the rebuild of its results, flag by flag in this order (a flag acts only
// when it is 1):
//   RecalcKusabi: CalcKusabiKeijyou, whatever the work type; lowered,
//     RecalcResult raised.
//   RecalcLoad: type 0 CalcHoukaiKusabi, type 1 CalcHoukaiEnko, types 3 and 4
//     RecalcRock with RecalcForce lowered too (the anchored types' frame
//     forces come out of RecalcRock), any other type nothing; lowered,
//     RecalcResult raised.
//   RecalcForce: types 0 to 2 CalcYokoMmax and then CalcYokoSmax; lowered,
//     RecalcResult raised.
//   RecalcAnchorBar: CalcAncBarTauS, whatever the work type; lowered.
//   Always: type 3 CalcTeityaku and CalcZentyou; type 4 these and CalcSiatu
//     and CalcPrate.
// RecalcResult is left for the rebuild.
void RunResultsRecalculation();

// ---- Reruns on an entry, whatever the flags say ----

// A new ΔFs (the vertical-beam moment step): the failure load of the current
// work type, CalcHoukaiKusabi for type 0, CalcHoukaiEnko for type 1, nothing
// for any other. No flag is touched: the entry raises RecalcResult itself.
void RunFailureLoadCalculation();

// The beams whose shears a check-position step shows.
enum class ShearBeams {
    Horizontal,  // the horizontal beam of the frame-only types: CalcYokoSmax
    Anchored,    // both beams of the anchored types: CalcRockSmax
};

// A new entered x of the check position: the shears of `beams` again.
void RunShearCalculation(ShearBeams beams);

// Check position `mode` (0 the entered x, 1 b/2, 2 b/2 + h/2) chosen for the
// current work type. When it differs from the stored one: DataChanged and
// RecalcResult raised, the position stored, the shears of `beams` rerun, and
// true returned. The position in force, or a work type outside the arrays,
// changes nothing (false).
bool ChangeShearPosition(ShearBeams beams, int mode);

}  // namespace talvo
