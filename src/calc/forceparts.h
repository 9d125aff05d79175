// The span part and the overhang part of a beam as the member-force steps
// show them: the row of the coefficient table (SpanCoefficients) a part's
// formula takes, the part that governs, and whether a beam offers any part.
// Parts are numbered 0 for the span part and 1 for the overhang part;
// directions 0 for the vertical and 1 for the horizontal beam.
#pragma once

#include <string>

namespace talvo {

// The row of SpanCoefficients for the span part: the number of spans read as
// a number and converted to an integer (halves to even), four or more taken
// as 4; a count below 0 is taken as 0.
int SpanRow(const std::string& spanCount);

// The part that the windows mark as governing: 1 (overhang) when the
// magnitude of the overhang value exceeds that of the span value, else 0
// (span); an empty value counts as 0. Equal magnitudes mark the span part,
// although the design value itself takes the overhang on a tie: the window
// shows the span formula first whenever it is not smaller.
int GoverningPart(const std::string& span, const std::string& overhang);

// ---- The horizontal beam of the frame-only types ----

// Whether the frame has a width at all: a total width reading 0 offers no part.
bool FrameWidthOffered();

// The coefficient row of a part: SpanRow of the horizontal span count for the
// span part, the first row (the cantilever) for the overhang.
int FrameCoefficientRow(int part);

// ---- The beams of the anchored types ----

// Whether a direction has anchors: a count of at least 1, or an anchor
// overhang that is not 0.
bool HasAnchors(int direction);

// The coefficient row of a part: for the span part the spans between the
// direction's anchors (count − 1, four or more as 4; without anchors the
// first row stands in), for the overhang the first row.
int AnchorCoefficientRow(int direction, int part);

}  // namespace talvo
