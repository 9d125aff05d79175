// The member-check pages of the full report: the decision of the maximum
// member forces, the required rebar with the rebar ratio, the four stress
// checks and the stirrup check, all of the result row chosen for printing.
//
// The fillers that take a direction print the vertical frame for 0 and the
// horizontal frame (or the section both frames share) for any other value.
// They only print: every value comes from the results and the design record,
// and the one decision they make is the relation sign and verdict of a check
// line, taken on the texts as printed.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// InsMmtSdrHyou: largest moment and shear of each part of both frames; opens
// the chapter "最大曲げモーメント・最大せん断力の決定".
void SetInsMmtSdrHyou(LayoutForm& form);
// InsMmaxSmax: one design pair (the shared section's, or the horizontal
// frame's in work type 2).
void SetInsMmaxSmax(LayoutForm& form);
// InsMmaxSmax2: the design pairs of the vertical and the horizontal frame.
void SetInsMmaxSmax2(LayoutForm& form);

// InsTekkinRyo: required rebar and the bars chosen; opens the stress-check
// chapter of the direction and its section "鉄筋量の算出". A provided area
// short of the required one prints "＜" and a red "・・・ ＯＵＴ", and the
// sentence of the bars drops its claim to satisfy the required area.
void SetInsTekkinRyo(LayoutForm& form, int direction);
// InsTekkinHi: rebar ratio and k, j, m; the section "応力度の検討" (runs after
// SetInsTekkinRyo of the same direction).
void SetInsTekkinHi(LayoutForm& form, int direction);

// The stress checks, each with its check line: rebar tension, concrete
// compression, concrete shear (average, or with j), bond (without and with
// stirrups).
void SetInsOrkHippari(LayoutForm& form, int direction);
void SetInsOrkAssyuku(LayoutForm& form, int direction);
void SetInsOrkSendan(LayoutForm& form, int direction);
void SetInsOrkSendanX(LayoutForm& form, int direction);
void SetInsOrkFutyaku(LayoutForm& form, int direction);
void SetInsOrkFutyakuStar(LayoutForm& form, int direction);

// InsOrkStarLap: Sc, Sv, the required stirrup area at the adopted spacing and
// the provided area against it; the section "スターラップの検討". An adopted
// spacing below the minimum adds a red line against that minimum; "Err"
// (the stirrups do not fit) prints no spacing or arithmetic from it, but one
// red line that the stirrups cannot be placed.
void SetInsOrkStarLap(LayoutForm& form, int direction);

// The direction's print row needs stirrups: StirrupNeeded of the row chosen
// for printing (KekkaPrintRow 1 to 6; no row chosen needs none).
bool PrintRowNeedsStirrups(int direction);

}  // namespace talvo::report
