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
// A calculation that reruns also reruns, at once, what is worked out from
// its outputs and kept in the design (the wedge failure's load from the
// wedge, the main anchor bar's τs from the horizontal beam's load Q), and
// lowers their flags: whichever window, entry or dialog started it, no value
// shown, printed or saved is left older than the inputs it is worked out of.
//
//   flag             reruns, in this order           then                 duty
//   ---------------  ------------------------------  -------------------  ---------------------
//   RecalcKusabi     CalcKusabiKeijyou;              lowered; type 0:     RunKusabiOnActivation
//                    type 0: CalcHoukaiKusabi        RecalcLoad lowered,
//                                                    RecalcResult raised
//   RecalcLoad       a raised RecalcKusabi's row;    lowered,             RunLoadOnActivation
//                    type 0: CalcHoukaiKusabi        RecalcResult raised  (vertical beam)
//                    type 1: CalcHoukaiEnko
//                    other types: nothing
//   RecalcLoad       RecalcRock                      lowered,             RunRockOnActivation
//                                                    RecalcResult raised  (anchored frame)
//   RecalcForce      CalcYokoMmax, CalcYokoSmax,     lowered with         RunForceOnActivation
//                    CalcAncBarTauS                  RecalcAnchorBar,     (horizontal beam)
//                                                    RecalcResult raised
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

// RecalcKusabi raised: the wedge's two derived values (CalcKusabiKeijyou),
// the flag lowered; for work type 0 also the failure load worked out from
// them (CalcHoukaiKusabi), RecalcLoad lowered and RecalcResult raised.
void RunKusabiOnActivation();

// For the vertical-beam steps of the frame-only types: first a raised
// RecalcKusabi as RunKusabiOnActivation (the failure load reads the wedge);
// then, RecalcLoad raised, the failure load of the work type
// (RunFailureLoadCalculation), RecalcLoad lowered and RecalcResult raised.
// Both lowered: the stored values stand.
void RunLoadOnActivation();

// RecalcLoad raised, for the anchored frame's steps: RecalcRock, RecalcLoad
// lowered and RecalcResult raised. RecalcForce is not read: the anchored
// types' horizontal forces come out of RecalcRock too.
void RunRockOnActivation();

// RecalcForce raised, for the horizontal-beam steps of the frame-only types:
// CalcYokoMmax and then CalcYokoSmax (which reads what the first stored),
// then the main anchor bar's τs from the new load Q (CalcAncBarTauS);
// RecalcForce and RecalcAnchorBar lowered, RecalcResult raised.
void RunForceOnActivation();

// The results window's recalculation chain, run on its activation before
// the rebuild of its results, flag by flag in this order (a flag acts only
// when it is 1):
//   RecalcKusabi: CalcKusabiKeijyou, whatever the work type, and for type 0
//     CalcHoukaiKusabi with RecalcLoad lowered; lowered, RecalcResult raised.
//   RecalcLoad: type 0 CalcHoukaiKusabi, type 1 CalcHoukaiEnko, types 3 and 4
//     RecalcRock with RecalcForce lowered too (the anchored types' frame
//     forces come out of RecalcRock), any other type nothing; lowered,
//     RecalcResult raised.
//   RecalcForce: types 0 to 2 CalcYokoMmax, CalcYokoSmax and CalcAncBarTauS,
//     RecalcAnchorBar lowered too; lowered, RecalcResult raised.
//   RecalcAnchorBar: CalcAncBarTauS, whatever the work type; lowered.
//   Always: type 3 CalcTeityaku and CalcZentyou; type 4 these, CalcSiatu,
//     CalcPrate and the tendon's allowable loads (CalcTendonAllowables), so
//     that no allowable is older than the loads stored.
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
