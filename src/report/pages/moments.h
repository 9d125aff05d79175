// The moment and shear pages: how the largest bending moment and shear force
// of a frame follow from its load, as formula, formula with the numbers and
// result.
//
// The span and overhang blocks are filled for two kinds of report. The
// fillers with a `direction` serve the anchored reports (work types 3 and 4):
// 0 the vertical frame (縦枠), 1 the horizontal frame (横枠); the supports are
// the anchors, the span their pitch and the overhangs the frame beyond the
// outer anchors. Any other direction only loads the ℓ pictures. The fillers
// ending in Houkai serve the failure-load reports (work types 0 to 2) and
// always show the horizontal frame. Values are printed as the calculations
// stored them, padded on their point; the − w·x term of the shear shows only
// when the frame's shear distance of the work type is not 0.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// `InsMmtSdrSupan`: several spans, or one without overhangs. The coefficient
// row is the span count (anchors − 1 in the anchored reports), at most 4 and
// never below 0. Opens a chapter.
void SetInsMmtSdrSupan(LayoutForm& form, int direction);
void SetInsMmtSdrSupanHoukai(LayoutForm& form);

// `InsMmtSdrOne`: one span with two equal overhangs. Opens a chapter.
void SetInsMmtSdrOne(LayoutForm& form, int direction);
void SetInsMmtSdrOneHoukai(LayoutForm& form);

// `InsMmtSdrOneHari`: one span with two unequal overhangs, the longer named
// first. Opens a chapter.
void SetInsMmtSdrOneHari(LayoutForm& form, int direction);
void SetInsMmtSdrOneHariHoukai(LayoutForm& form);

// The overhang blocks, of the longer overhang (the lower or right one when
// both are equal): `InsMmtSdrNasi` without the shear fraction, `InsMmtSdrHari`
// with it. The anchored fillers open a chapter when the frame has a single
// anchor (the block then stands alone on its page); otherwise the block only
// adds the section "張出し部" to the span block's chapter.
void SetInsMmtSdrNasi(LayoutForm& form, int direction);
void SetInsMmtSdrNasiHoukai(LayoutForm& form);
void SetInsMmtSdrHari(LayoutForm& form, int direction);
void SetInsMmtSdrHariHoukai(LayoutForm& form);

// The vertical frame in the failure part, each opening a chapter:
// `InsKusabiMmaxSmax` the wedge (cantilever, Mmax = L1/3·Pr, Smax = Pr),
// `InsEnkoMmaxSmax` the arc (triangular load, Mmax = 4/(9√6)·Pr·L1,
// Smax = 2/3·Pr).
void SetInsKusabiMmaxSmax(LayoutForm& form);
void SetInsEnkoMmaxSmax(LayoutForm& form);

}  // namespace talvo::report
