#include "report/pages/failureshape.h"

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "report/pages/fill.h"
#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

constexpr int kShapeWidth = 6;

struct ArcDef {
    double cx, cy, radius, startDeg, endDeg;
};

// The slope angle θ0 at the toe, then the sliding-plane angle α.
constexpr std::array<ArcDef, 2> kWedgeArcs{{
    {1650, 4950, 400, -64, 0},
    {2100, 4050, 400, -38, 0},
}};
// The slope angle θ0 at the toe, then the failure circle.
constexpr std::array<ArcDef, 2> kCircleArcs{{
    {1650, 4950, 400, -64, 0},
    {2265, 2820, 1240, 98, -44},
}};

int Twips(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

void SetInsHoukaiKusabi(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Lab1", PadDecimal(d.KusabiL1, kShapeWidth));
    Put(form, "Lab2", PadDecimal(d.KusabiL2, kShapeWidth));
    Put(form, "Lab3", PadDecimal(d.HoukaiN, kShapeWidth));
    Put(form, "Lab4", PadDecimal(d.KusabiH, kShapeWidth));
    Put(form, "Lab5", PadDecimal(d.KusabiAlpha, kShapeWidth));
    Put(form, "Lab6", PadDecimal(d.SlopeAngle, kShapeWidth));
}

void SetInsHoukaiEnko(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Lab1", PadDecimal(d.EnkoL1, kShapeWidth));
    Put(form, "Lab2", PadDecimal(d.EnkoL2, kShapeWidth));
    Put(form, "Lab3", PadDecimal(d.HoukaiN, kShapeWidth));
    Put(form, "Lab4", PadDecimal(d.EnkoL3, kShapeWidth));
    Put(form, "Lab5", PadDecimal(d.SlopeAngle, kShapeWidth));
}

void DrawArc(PageOutput& out, const ArcCentre& centre, double radius, double startAngle,
             double endAngle, double xRatio, double yRatio) {
    constexpr int kSegments = 100;
    double x0 = std::cos(startAngle) * radius + centre.x;
    double y0 = std::sin(startAngle) * radius + centre.y;
    for (int i = 1; i <= kSegments; ++i) {
        const double a =
            startAngle + (endAngle - startAngle) * (static_cast<double>(i) / kSegments);
        const double x1 = std::cos(a) * radius + centre.x;
        const double y1 = std::sin(a) * radius + centre.y;
        out.DrawLine(Twips(x0 * xRatio), Twips(y0 * yRatio), Twips(x1 * xRatio),
                     Twips(y1 * yRatio));
        x0 = x1;
        y0 = y1;
    }
}

void DrawAngleArcs(PageOutput& out, int left, int top, double widthRatio, double heightRatio) {
    std::span<const ArcDef> arcs;
    if (Design.WorkType == 0)
        arcs = kWedgeArcs;
    else if (Design.WorkType == 1)
        arcs = kCircleArcs;
    for (const ArcDef& arc : arcs) {
        const ArcCentre centre{left / widthRatio + arc.cx, top / heightRatio + arc.cy};
        DrawArc(out, centre, arc.radius, Radians(arc.startDeg, Pi), Radians(arc.endDeg, Pi),
                widthRatio, heightRatio);
    }
}

}  // namespace talvo::report
