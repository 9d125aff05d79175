// The companion's one-page report: the conditions, the two frame patterns
// with the results of the shape in ShapeMode, and the figure of that shape.
#pragma once

#include "report/engine/layoutform.h"
#include "report/engine/pageoutput.h"

namespace talvo::companion {

// The fillers of the four blocks.
void SetInsatuTitleKusabi(report::LayoutForm& jouken);
void SetInsatuTitleEnko(report::LayoutForm& jouken);
void SetInsatuJouken(report::LayoutForm& jouken);
void SetInsatuKekka(report::LayoutForm& kekka);

// The angle mark (and for the arc the failure arc) over the figure block
// whose top-left corner lies at (left, top) page twips.
void DrawKakudo(report::PageOutput& out, int left, int top, double widthRatio, double heightRatio);

// Draws the whole page of the current shape onto `out`, from StartDoc to
// EndDoc, from the study record as it is now.
void DrawCompanionReport(report::PageOutput& out);

}  // namespace talvo::companion
