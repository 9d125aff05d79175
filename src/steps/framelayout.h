// The rules of the frame's shape and of the bolts or anchors on its grid: the
// spans step of the frame-only work types and the layout step of the
// anchored ones share the frame totals and the test for a missing vertical
// beam; the layout step adds the grid rule and its consistency marks.
//
// Direction 0 is the vertical frame (spans y, overhangs c above and d below),
// direction 1 the horizontal frame (spans x, overhangs a left and b right).
#pragma once

#include <string>

#include "shell/design.h"

namespace talvo {

// ---- The frame ----

// A frame total n·span + end1 + end2 as the steps store it ("0.000").
std::string FrameTotal(const std::string& count, const std::string& span, const std::string& end1,
                       const std::string& end2);
// L_y = n_y·y + c + d from the vertical fields of `d`, as FrameTotal gives
// it ("7.000") whichever entry changed it.
std::string FrameTotalY(const DesignData& d);
// L_x = n_x·x + a + b from the horizontal fields of `d`.
std::string FrameTotalX(const DesignData& d);
// What an entry of the frame leaves in the design: L_y after one of the
// vertical frame (direction 0), L_x after one of the horizontal frame
// (direction 1), from the fields as stored. The steps store the totals
// through this alone, so a total has one text form whatever road led to it.
void StoreFrameTotal(int direction);

// A vertical span count of 0: no vertical span, so no span length to enter.
// A count not entered is no count of 0.
bool NoVerticalSpan(const std::string& spanCount);
// No vertical beam at all: no vertical span, both vertical overhangs entered
// and a vertical total of 0. The steps then let the engineer go nowhere.
bool NoVerticalBeam(const DesignData& d);

// ---- Bolts or anchors on the grid of the frame ----

// n spans give n + 1 anchors ("  5"); a count not entered gives none ("").
std::string AnchorCountOfSpans(const std::string& spanCount);
// m anchors give m - 1 spans: vertical (direction 0) in two integer places
// (" 4"), horizontal in three ("  4"); a count not entered gives none.
std::string SpanCountOfAnchors(const std::string& anchorCount, int direction);
// A single anchor down the slope has no pitch.
bool SingleAnchor(const std::string& anchorCount);

// The marks of a frame value and its anchor value that do not fit together.
// Each needs both values entered.
// More anchors than the grid has points: more than spans + 1.
bool TooManyAnchors(const std::string& spanCount, const std::string& anchorCount);
// A pitch that is no whole multiple of the span, both taken in whole
// millimetres (halves to the even neighbour). A span of 0 mm (only a file
// holds one) has no multiple.
bool PitchOffSpan(const std::string& span, const std::string& pitch);
// An anchor overhang shorter than the frame's overhang on that side.
bool AnchorOverhangShort(const std::string& frameOverhang, const std::string& anchorOverhang);

// One direction of the layout as its boxes show it.
struct LayoutDirection {
    std::string spanCount, span, overhang1, overhang2;                 // the frame
    std::string anchorCount, pitch, anchorOverhang1, anchorOverhang2;  // the anchors
};
// "全格子点に配置", an anchor on every grid point of the frame: the anchor
// count is spans + 1 (tested only when both are entered), the pitch equals
// the span and each anchor overhang the frame's.
bool FollowsGridRule(const LayoutDirection& dir);

// Under the grid rule the anchor values follow the frame when the layout
// step loads: the counts by n + 1, the lengths copied without their blanks.
// A value that changes so (blanks aside) is stored and raises DataChanged,
// RecalcLoad and RecalcForce; one that already follows keeps its text.
void ApplyGridRule(DesignData& d);

}  // namespace talvo
