#include "calc/failureload.h"

#include <cmath>
#include <string>

#include "calc/calcfield.h"
#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

namespace {

using calcfield::HalfMm;
using calcfield::MmToM;
using calcfield::Present;
using calcfield::Store;
using calcfield::WorkTypeIndex;

// Later steps work with what was stored, the rounded value.
double Stored(const std::string& field) {
    return NumVal(field);
}

// The outputs both procedures write.
void ClearCommon() {
    DesignData& d = Design;
    d.HoukaiN.clear();
    d.HoukaiWe.clear();
    d.HoukaiWt.clear();
    d.HoukaiW.clear();
    d.HoukaiP.clear();
    d.HoukaiPr.clear();
    d.Mmax[0][0].clear();
    d.Smax[0][0].clear();
    if (const int wt = WorkTypeIndex(); wt >= 0) {
        d.TateMmax[wt].clear();
        d.TateSmax[wt].clear();
    }
}

// Infill that is considered needs both its unit weight and its thickness.
bool InfillUsable() {
    return Design.UseInfill != 1 || (Present(Design.InfillGamma) && Present(Design.InfillThick));
}

// The upper overhang as the counts use it, in half-millimetres: at least half
// the vertical beam's width, since the first horizontal beam cannot sit
// closer to the top than that.
long long UpperOverhang() {
    const long long c = HalfMm(Design.OverhangUpper);
    const long long halfBy = HalfMm(MmToM(Design.SectionBy) / 2);
    return halfBy > c ? halfBy : c;
}

// The last horizontal beam is the (n_y + 1)-th.
long long BeamCount() {
    return calcfield::WholeCount(Design.SpanCountY) + 1LL;
}

// Infill between the horizontal beams within the failure length l1.
bool StoreInfill(double l1, long long n) {
    DesignData& d = Design;
    if (d.UseInfill != 1) {
        d.HoukaiWe = "0.00";
        return true;
    }
    const double bx = MmToM(d.SectionBx);
    const double by = MmToM(d.SectionBy);
    const double x = NumVal(d.SpanX);
    return Store(d.HoukaiWe,
                 (l1 - bx * n) * (x - by) * MmToM(d.InfillThick) * NumVal(d.InfillGamma), "0.00");
}

void CopyToWorkType() {
    if (const int wt = WorkTypeIndex(); wt >= 0) {
        Design.TateMmax[wt] = Design.Mmax[0][0];
        Design.TateSmax[wt] = Design.Smax[0][0];
    }
}

}  // namespace

void CalcHoukaiKusabi() {
    DesignData& d = Design;
    ClearCommon();
    d.HoukaiWcy.clear();
    d.HoukaiWcx.clear();
    d.HoukaiWc.clear();
    if (!InfillUsable()) return;

    const double ly = NumVal(d.TotalLengthY);
    const double l1 = NumVal(d.KusabiL1);
    const double l2 = NumVal(d.KusabiL2);
    if (ly == 0 || l1 == 0 || l2 == 0) return;
    // The wedge must lie on the frame.
    if (HalfMm(ly) < HalfMm(l1)) return;

    // Horizontal beams from the top of the frame down to the slip plane.
    const long long c = UpperOverhang();
    const long long l1U = HalfMm(l1);
    const long long y = HalfMm(d.SpanY);
    long long n;
    if (l1U < c)
        n = 0;
    else if (y == 0)
        n = 1;
    else
        n = (l1U - c) / y + 1;
    if (n > BeamCount()) n = BeamCount();
    d.HoukaiN = FormatPattern(static_cast<double>(n), "0");

    const double bx = MmToM(d.SectionBx);
    const double hx = MmToM(d.SectionHx);
    const double by = MmToM(d.SectionBy);
    const double hy = MmToM(d.SectionHy);
    const double x = NumVal(d.SpanX);
    const double gc = NumVal(d.FrameGamma);
    // The taller beam carries the block where the two cross.
    double wcy, wcx;
    if (hy >= hx) {
        wcy = by * hy * l1 * gc;
        wcx = bx * hx * (x - by) * n * gc;
    } else {
        wcy = by * hy * (l1 - bx * n) * gc;
        wcx = bx * hx * x * n * gc;
    }
    if (!Store(d.HoukaiWcy, wcy, "0.00") || !Store(d.HoukaiWcx, wcx, "0.00")) return;
    if (!Store(d.HoukaiWc, Stored(d.HoukaiWcy) + Stored(d.HoukaiWcx), "0.00")) return;
    if (!StoreInfill(l1, n)) return;
    if (!Store(d.HoukaiWt, x * l2 * NumVal(d.KusabiH) / 2 * NumVal(d.SoilGamma), "0.00")) return;
    if (!Store(d.HoukaiW, Stored(d.HoukaiWt) + Stored(d.HoukaiWe) + Stored(d.HoukaiWc), "0.00"))
        return;

    const double alpha = NumVal(d.KusabiAlpha);
    const double theta = NumVal(d.SlopeAngle);
    if (!Store(d.HoukaiP, NumVal(d.DeltaFs) * Stored(d.HoukaiW) * std::sin(Radians(alpha, Pi)),
               "0.00"))
        return;
    if (!Store(d.HoukaiPr, Stored(d.HoukaiP) * std::sin(Radians(theta - alpha, Pi)), "0.00"))
        return;

    // Cantilever fixed at the slip plane, Pr acting at a third of L1 above it.
    if (!Store(d.Mmax[0][0], l1 / 3 * Stored(d.HoukaiPr), "0.00")) return;
    d.Smax[0][0] = d.HoukaiPr;
    CopyToWorkType();
}

void CalcHoukaiEnko() {
    DesignData& d = Design;
    ClearCommon();
    d.EnkoRadius.clear();
    d.EnkoAngle.clear();
    if (!InfillUsable()) return;

    const double ly = NumVal(d.TotalLengthY);
    const double x = NumVal(d.SpanX);
    const double l1 = NumVal(d.EnkoL1);
    const double l2 = NumVal(d.EnkoL2);
    if (ly == 0 || x == 0 || l1 == 0 || l2 == 0) return;
    const long long l1U = HalfMm(l1);
    const long long l3U = HalfMm(d.EnkoL3);
    // The failure must lie on the frame, and an arc deeper than half its
    // chord is not a circular segment of that chord.
    if (l1U + l3U > HalfMm(ly)) return;
    if (2 * HalfMm(l2) > l1U) return;

    // Horizontal beams from the top of the failure (L3) to its foot (L3 + L1).
    const long long c = UpperOverhang();
    const long long y = HalfMm(d.SpanY);
    const long long foot = l3U + l1U;
    long long n, above;
    if (foot < c) {
        n = 0;
        above = 0;
    } else if (foot == c) {
        n = 1;
        above = 0;
    } else if (y == 0) {
        n = l3U > c ? 0 : 1;
        above = 0;
    } else {
        above = c > l3U ? 0 : (l3U - c) / y + 1;  // beams at or above the top
        n = (foot - c) / y + 1 - above;
        // A beam exactly at the top of the failure belongs to it.
        if (above >= 1 && y * (above - 1) + c == l3U) {
            ++n;
            --above;
        }
    }
    if (n > BeamCount() - above) n = BeamCount() - above;
    d.HoukaiN = FormatPattern(static_cast<double>(n), "0");

    if (!Store(d.EnkoRadius, (l2 * l2 + l1 * l1 / 4) / (2 * l2), "0.000")) return;
    const double r = Stored(d.EnkoRadius);
    if (r == 0) return;
    const double t = l1 / (2 * r);
    double angle;
    if (t == 1)
        angle = 180;
    else if (t * t < 1)
        angle = Degrees(2 * std::atan(t / std::sqrt(1 - t * t)), Pi);
    else
        return;  // no arc of this radius spans the chord
    if (!Store(d.EnkoAngle, angle, "0.00")) return;
    const double thetaC = Stored(d.EnkoAngle);

    // Circular segment: the sector less the triangle under the chord.
    const double segment = r * r * thetaC * Pi / 360 - l1 / 2 * (r - l2);
    if (!Store(d.HoukaiWt, x * segment * NumVal(d.SoilGamma), "0.00")) return;
    if (!StoreInfill(l1, n)) return;
    // The frame's own weight does not drive the arc.
    if (!Store(d.HoukaiW, Stored(d.HoukaiWt) + Stored(d.HoukaiWe), "0.00")) return;
    const double theta = NumVal(d.SlopeAngle);
    if (!Store(d.HoukaiP, NumVal(d.DeltaFs) * Stored(d.HoukaiW) * std::sin(Radians(theta, Pi)),
               "0.00"))
        return;
    if (!Store(d.HoukaiPr, Stored(d.HoukaiP) * std::cos(Radians((180 - thetaC) / 2, Pi)), "0.00"))
        return;

    // Simple beam over the chord under a triangular load peaking at mid-span.
    const double pr = Stored(d.HoukaiPr);
    if (!Store(d.Mmax[0][0], 4 / (9 * std::sqrt(6.0)) * pr * l1, "0.00")) return;
    if (!Store(d.Smax[0][0], 2.0 / 3 * pr, "0.00")) return;
    CopyToWorkType();
}

}  // namespace talvo
