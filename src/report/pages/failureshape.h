// The failure-shape page of the wedge and arc reports: the captions of the
// two shape forms and the angle arcs drawn over their figure.
#pragma once

#include "report/engine/layoutform.h"
#include "report/engine/pageoutput.h"

namespace talvo::report {

// InsHoukaiKusabi: the wedge's L1, L2, N, H, α and the slope angle θ0, each
// padded to six integer places.
void SetInsHoukaiKusabi(LayoutForm& form);
// InsHoukaiEnko: the arc failure's L1, L2, N, L3 and the slope angle θ0.
void SetInsHoukaiEnko(LayoutForm& form);

// A centre in form twips.
struct ArcCentre {
    double x = 0;
    double y = 0;
};

// An arc as a polyline of 100 segments from startAngle to endAngle (radians;
// a negative angle turns upwards on the page), every point scaled by the
// ratios. Sets no pen: the segments take the output's current one.
void DrawArc(PageOutput& out, const ArcCentre& centre, double radius, double startAngle,
             double endAngle, double xRatio, double yRatio);

// The arcs of the design's work type over the failure figure whose block
// starts at (left, top) page twips: the slope angle at the toe and, for the
// wedge, the sliding-plane angle, for the arc, the failure circle. Work types
// other than 0 and 1 draw nothing.
void DrawAngleArcs(PageOutput& out, int left, int top, double widthRatio, double heightRatio);

}  // namespace talvo::report
