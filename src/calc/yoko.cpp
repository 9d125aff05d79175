#include "calc/yoko.h"

#include <cmath>
#include <string>

#include "calc/calcfield.h"
#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

namespace {

using calcfield::Governing;
using calcfield::HalfMm;
using calcfield::MmToM;
using calcfield::Present;
using calcfield::Store;
using calcfield::WholeCount;
using calcfield::WorkTypeIndex;

// A coefficient fraction of the span table. The settings only take 1 to 99,
// but a zero denominator read from elsewhere must not divide.
double Fraction(std::int16_t num, std::int16_t den) {
    return den == 0 ? 0.0 : static_cast<double>(num) / den;
}

// The two overhangs at the ends of a single span: the frame's own for the
// frame-only work types, the anchor layout's for the anchored ones (there the
// span runs between the two anchors). False for a direction that is neither.
bool SingleSpanOverhangs(std::int16_t direction, double& a1, double& a2) {
    const DesignData& d = Design;
    a1 = a2 = 0;
    if (direction != 0 && direction != 1) return false;
    const bool vertical = direction == 0;
    if (d.WorkType >= 0 && d.WorkType <= 2) {
        a1 = NumVal(vertical ? d.OverhangUpper : d.OverhangLeft);
        a2 = NumVal(vertical ? d.OverhangLower : d.OverhangRight);
    } else if (d.WorkType == 3 || d.WorkType == 4) {
        a1 = NumVal(vertical ? d.AnchorOverhangUpper : d.AnchorOverhangLeft);
        a2 = NumVal(vertical ? d.AnchorOverhangLower : d.AnchorOverhangRight);
    }
    return true;
}

// The overhang length of the horizontal beam: the longer of left and right.
double LongerSideOverhang() {
    const double left = NumVal(Design.OverhangLeft);
    const double right = NumVal(Design.OverhangRight);
    return left > right ? left : right;
}

bool HasSideOverhang() {
    return NumVal(Design.OverhangLeft) != 0 || NumVal(Design.OverhangRight) != 0;
}

}  // namespace

double CalcMmaxSiki(std::int16_t& spans, double L, double w, std::int16_t direction) {
    const SpanCoefficientTable& t = SpanCoefficients;
    if (spans != 1) {
        if (spans > 4) spans = 4;
        if (spans < 0) return 0;  // not a count of spans
        return Fraction(t.MmaxNum[spans], t.MmaxDen[spans]) * w * L * L;
    }
    double a1, a2;
    if (!SingleSpanOverhangs(direction, a1, a2)) return 0;
    const double k = Fraction(t.MmaxNum[1], t.MmaxDen[1]);
    if (HalfMm(a1) == HalfMm(a2)) {
        if (HalfMm(a1) == 0) return k * w * L * L;
        // The overhang moments lower the mid-span moment; long overhangs turn it.
        return k * w * (L * L - 4 * a1 * a1);
    }
    const double a = a1 > a2 ? a1 : a2;
    const double b = a1 > a2 ? a2 : a1;
    const double l2 = L * L;
    if (l2 == 0) return 0;
    return k * w / l2 * ((L + a) * (L + a) - b * b) * ((L - a) * (L - a) - b * b);
}

double CalcSmaxSiki(std::int16_t& spans, double L, double w, std::int16_t direction) {
    const SpanCoefficientTable& t = SpanCoefficients;
    if (spans != 1) {
        if (spans > 4) spans = 4;
        if (spans < 0) return 0;
        return Fraction(t.SmaxNum[spans], t.SmaxDen[spans]) * w * L;
    }
    double a1, a2;
    if (!SingleSpanOverhangs(direction, a1, a2)) return 0;
    const double k = Fraction(t.SmaxNum[1], t.SmaxDen[1]);
    if (HalfMm(a1) == HalfMm(a2)) return k * w * L;
    // Inside the span at the support next to the longer overhang.
    const double a = a1 > a2 ? a1 : a2;
    const double b = a1 > a2 ? a2 : a1;
    if (L == 0) return 0;
    return k * w / L * (L * L + a * a - b * b);
}

double CalcSendanX(std::int16_t mode, std::int16_t direction) {
    const DesignData& d = Design;
    if (direction != 0 && direction != 1) return 0;
    // The supporting beam is the one of the other direction.
    const double halfSupport = MmToM(direction == 0 ? d.SectionBx : d.SectionBy) / 2;
    const double halfOwnHeight = MmToM(direction == 0 ? d.SectionHy : d.SectionHx) / 2;
    switch (mode) {
        case 0: {
            const int wt = WorkTypeIndex();
            return wt >= 0 ? NumVal(d.ShearXInput[wt]) : 0;
        }
        case 1:
            return halfSupport;
        case 2:
            return halfSupport + halfOwnHeight;
        default:
            return 0;
    }
}

double SnowDepthPercent(double n, std::int16_t& snowClass) {
    const SnowRuleTable& r = SnowRule;
    // Gradients and limits carry two decimals, so "below the second limit"
    // is the same as "at most 0.001 below it".
    if (n < NumVal(r.GradientLimit[0])) {
        snowClass = 0;
        return NumVal(r.DepthPercent[0]);
    }
    if (n < NumVal(r.GradientLimit[1])) {
        snowClass = 1;
        return NumVal(r.DepthPercent[1]);
    }
    snowClass = 2;
    return NumVal(r.DepthPercent[2]);
}

double CalcYokoKajyuu() {
    DesignData& d = Design;
    // No weights at all rather than some of them.
    auto none = [&] {
        d.YokoWc.clear();
        d.YokoWe.clear();
        d.YokoWs.clear();
        d.YokoW.clear();
        return 0.0;
    };
    none();
    // The strip of slope one horizontal span carries: one vertical span, or
    // the upper overhang when the frame has a single row of horizontal beams.
    const double y = NumVal(d.SpanCountY) == 0 ? NumVal(d.OverhangUpper) : NumVal(d.SpanY);
    const double x = NumVal(d.SpanX);
    if (d.UseInfill == 1 && (!Present(d.InfillGamma) || !Present(d.InfillThick))) return 0;
    if (d.UseSnow == 1 && (!Present(d.SnowGamma) || !Present(d.SnowDepth))) return 0;
    if (x == 0) return 0;

    const double bx = MmToM(d.SectionBx);
    const double hx = MmToM(d.SectionHx);
    const double by = MmToM(d.SectionBy);
    const double hy = MmToM(d.SectionHy);
    const double gc = NumVal(d.FrameGamma);
    // The taller beam carries the block where the two cross.
    const double wc = hy >= hx ? gc * hy * y * by + gc * hx * bx * (x - by)
                               : (y - bx) * by * hy * gc + gc * bx * x * hx;
    if (!Store(d.YokoWc, wc, "0.00")) return none();

    if (d.UseInfill == 1) {
        if (!Store(d.YokoWe, (x - by) * (y - bx) * MmToM(d.InfillThick) * NumVal(d.InfillGamma),
                   "0.00"))
            return none();
    } else {
        d.YokoWe = "0.00";
    }

    if (d.UseSnow == 1) {
        // Snow slides off steep slopes: the depth taken falls with the gradient.
        const double percent = SnowDepthPercent(NumVal(d.SlopeN), d.SnowClass);
        d.YokoSnowDepth.clear();
        if (!Store(d.YokoSnowDepth, NumVal(d.SnowDepth) * percent / 100, "0.000")) return none();
        if (!Store(d.YokoWs, x * y * NumVal(d.YokoSnowDepth) * NumVal(d.SnowGamma), "0.00"))
            return none();
    } else {
        d.YokoWs = "0.00";
    }

    if (!Store(d.YokoW, NumVal(d.YokoWc) + NumVal(d.YokoWe) + NumVal(d.YokoWs), "0.00"))
        return none();
    const double q = NumVal(d.YokoW) * std::sin(Radians(NumVal(d.SlopeAngle), Pi));
    return std::isfinite(q) ? q : 0;
}

double CalcYokoW() {
    const double x = NumVal(Design.SpanX);
    return x == 0 ? 0 : NumVal(Design.YokoQ) / x;
}

void CalcYokoMmax() {
    DesignData& d = Design;
    const int wt = WorkTypeIndex();
    d.YokoLoadW.clear();
    d.YokoQ.clear();
    d.Mmax[1][0].clear();
    d.Mmax[1][1].clear();
    if (wt >= 0) d.YokoMmax[wt].clear();

    const double x = NumVal(d.SpanX);
    if (x == 0) return;
    if (!Store(d.YokoQ, CalcYokoKajyuu(), "0.00")) return;
    if (NumVal(d.YokoQ) == 0) {
        d.YokoQ.clear();
        return;
    }
    if (!Store(d.YokoLoadW, CalcYokoW(), "0.00")) return;
    const double w = NumVal(d.YokoLoadW);
    if (w == 0) return;

    // The moment texts keep a blank in front, where a minus would stand.
    if (std::int16_t spans = WholeCount(d.SpanCountX); spans != 0) {
        if (!Store(d.Mmax[1][0], CalcMmaxSiki(spans, x, w, 1), " 0.00")) return;
    }
    if (HasSideOverhang()) {
        std::int16_t cantilever = 0;
        if (!Store(d.Mmax[1][1], CalcMmaxSiki(cantilever, LongerSideOverhang(), w, 1), " 0.00"))
            return;
    }
    double m;
    if (wt < 0 || !Governing(d.Mmax[1][0], d.Mmax[1][1], m)) return;
    Store(d.YokoMmax[wt], m, " 0.00");
}

void CalcYokoSmax() {
    DesignData& d = Design;
    const int wt = WorkTypeIndex();
    d.Smax[1][0].clear();
    d.Smax[1][1].clear();
    // Without a work type there is no check position to take the shear at.
    if (wt < 0) return;
    d.YokoSmax[wt].clear();

    const double x = NumVal(d.SpanX);
    const double w = NumVal(d.YokoLoadW);
    const double q = NumVal(d.YokoQ);
    if (x == 0 || w == 0 || q == 0) return;

    d.YokoShearX[wt].clear();
    if (!Store(d.YokoShearX[wt], CalcSendanX(d.ShearXMode[wt], 1), "0.000")) return;
    const double xs = NumVal(d.YokoShearX[wt]);

    if (std::int16_t spans = WholeCount(d.SpanCountX); spans != 0) {
        if (!Store(d.Smax[1][0], CalcSmaxSiki(spans, x, w, 1) - w * xs, "0.00")) return;
    }
    if (HasSideOverhang()) {
        std::int16_t cantilever = 0;
        if (!Store(d.Smax[1][1], CalcSmaxSiki(cantilever, LongerSideOverhang(), w, 1) - w * xs,
                   "0.00"))
            return;
    }
    double s;
    if (!Governing(d.Smax[1][0], d.Smax[1][1], s)) return;
    Store(d.YokoSmax[wt], s, "0.00");
}

}  // namespace talvo
