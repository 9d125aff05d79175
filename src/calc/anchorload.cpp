#include "calc/anchorload.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/calcfield.h"
#include "calc/yoko.h"
#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

using calcfield::Fixed;
using calcfield::Governing;
using calcfield::Int16HalvesEven;
using calcfield::RoundedFixed;
using calcfield::Store;
using calcfield::ValidWorkType;
using calcfield::Whole;
using calcfield::WholeMm;

namespace {

double TanPhi() {
    return Design.FrictionInputMode != 0 ? NumVal(Design.TanPhi)
                                         : std::tan(Radians(NumVal(Design.FrictionAngle), Pi));
}

// Span part and overhang part of one beam direction by the coefficient
// formulas, and the governing magnitude (ties to the overhang). `shear`
// selects the shear formula, reduced by q·x at the check distance x.
struct Direction {
    const std::string& anchorCount;
    const std::string& pitch;
    const std::string& overhangA;  // upper or left
    const std::string& overhangB;  // lower or right: taken when equal
    std::int16_t index;            // 0 vertical, 1 horizontal
};

void BeamForces(const Direction& dir, double q, bool shear, double checkX,
                std::array<std::string, 2>& parts, std::string& design) {
    // A part that overflowed stays empty, and then no design value is
    // chosen: the other part alone would not be the larger one.
    bool lost = false;
    auto formula = [&](std::string& part, std::int16_t spans, double length) {
        double v = shear ? CalcSmaxSiki(spans, length, q, dir.index)
                         : CalcMmaxSiki(spans, length, q, dir.index);
        if (shear) v -= q * checkX;
        if (!Store(part, v, " 0.00")) lost = true;
    };
    const double count = NumVal(dir.anchorCount);
    if (count > 1 && WholeMm(dir.pitch) != 0) {
        formula(parts[0], Int16HalvesEven(count - 1), NumVal(dir.pitch));
    }
    const long long aMm = WholeMm(dir.overhangA);
    const long long bMm = WholeMm(dir.overhangB);
    if (aMm != 0 || bMm != 0) {
        formula(parts[1], 0, aMm > bMm ? NumVal(dir.overhangA) : NumVal(dir.overhangB));
    }
    if (lost) return;
    double magnitude = 0;
    if (Governing(parts[0], parts[1], magnitude)) Store(design, magnitude, " 0.00");
}

Direction Vertical() {
    return {Design.AnchorCountY, Design.PitchY, Design.AnchorOverhangUpper,
            Design.AnchorOverhangLower, 0};
}

Direction Horizontal() {
    return {Design.AnchorCountX, Design.PitchX, Design.AnchorOverhangLeft,
            Design.AnchorOverhangRight, 1};
}

}  // namespace

void CalcHorizSpacing() {
    if (Design.SpanX.empty() || Design.PitchX.empty()) {
        Design.HorizSpacing.clear();
        return;
    }
    const double px = NumVal(Design.PitchX);
    double spacing = px;
    if (!Design.SpanY.empty() && !Design.PitchY.empty()) {
        const long long pyMm = WholeMm(Design.PitchY);
        const long long yMm = WholeMm(Design.SpanY);
        const long long pxMm = WholeMm(Design.PitchX);
        const long long xMm = WholeMm(Design.SpanX);
        if (yMm != 0 && xMm != 0 && pyMm % yMm == 0 && pxMm % xMm == 0) {
            const long long ky = pyMm / yMm;
            const long long kx = pxMm / xMm;
            if (ky % 2 == 0 && kx % 2 == 0 && Design.Staggered == 1) spacing = px / 2.0;
        }
    }
    Design.HorizSpacing = FormatNum(NumStr(spacing), 5, 3);
}

void RecalcRock() {
    if (Design.PtDirect != 0) {
        Design.Pt = Design.PtInput;
    } else {
        CalcHorizSpacing();
        CalcSekkeiJyuuryo();
        if (Design.WorkType == 3) {
            CalcRockPt();
        } else if (Design.WorkType == 4) {
            CalcAnchorPt();
        }
    }
    CalcToubunpu();
    CalcRockMmax();
    CalcRockSmax();
    RecalcResult = 1;
}

void CalcSekkeiJyuuryo() {
    Design.TateCount.clear();
    Design.YokoCount.clear();
    Design.SekkeiWcy.clear();
    Design.SekkeiWcx.clear();
    Design.SekkeiWc.clear();
    Design.SekkeiWe.clear();
    Design.SekkeiWs.clear();
    Design.SekkeiW.clear();
    Design.DeltaPrCalc.clear();
    Design.DeltaPr.clear();

    if (Design.UseInfill == 1 && (Design.InfillGamma.empty() || Design.InfillThick.empty())) return;
    if (Design.UseSnow == 1 && (Design.SnowGamma.empty() || Design.SnowDepth.empty())) return;
    const double x = NumVal(Design.SpanX);
    const double pfs = NumVal(Design.PlanFs);
    const double sh = NumVal(Design.HorizSpacing);
    const double rows = NumVal(Design.RowCount);
    if (x == 0 || pfs == 0 || sh == 0 || rows == 0) return;

    if (!Store(Design.TateCount, NumVal(Design.SpanCountX) + 1, "0") ||
        !Store(Design.YokoCount, NumVal(Design.SpanCountY) + 1, "0")) {
        return;
    }
    const double n = NumVal(Design.YokoCount);

    const double bx = NumVal(Design.SectionBx) / 1000.0;
    const double hx = NumVal(Design.SectionHx) / 1000.0;
    const double by = NumVal(Design.SectionBy) / 1000.0;
    const double hy = NumVal(Design.SectionHy) / 1000.0;
    const double ly = NumVal(Design.TotalLengthY);
    const double gc = NumVal(Design.FrameGamma);

    // The taller beam runs through the crossings and carries their blocks.
    double wcy = 0;
    double wcx = 0;
    if (Whole(NumVal(Design.SectionHy)) >= Whole(NumVal(Design.SectionHx))) {
        wcy = gc * by * hy * ly;
        wcx = bx * hx * (x - by) * n * gc;
    } else {
        wcy = by * hy * (ly - bx * n) * gc;
        wcx = bx * hx * x * n * gc;
    }
    if (!Store(Design.SekkeiWcy, wcy, "0.00") || !Store(Design.SekkeiWcx, wcx, "0.00") ||
        !Store(Design.SekkeiWc, NumVal(Design.SekkeiWcy) + NumVal(Design.SekkeiWcx), "0.00")) {
        return;
    }

    if (Design.UseInfill == 1) {
        const double he = NumVal(Design.InfillThick) / 1000.0;
        if (!Store(Design.SekkeiWe, (ly - bx * n) * (x - by) * he * NumVal(Design.InfillGamma),
                   "0.00")) {
            return;
        }
    } else {
        Design.SekkeiWe = "0.00";
    }

    if (Design.UseSnow == 1) {
        const double percent = SnowDepthPercent(NumVal(Design.SlopeN), Design.SnowClass);
        if (!Store(Design.SekkeiWs,
                   ly * x * NumVal(Design.SnowDepth) * percent / 100.0 * NumVal(Design.SnowGamma),
                   "0.00")) {
            return;
        }
    } else {
        Design.SekkeiWs = "0.00";
    }

    if (!Store(Design.SekkeiW,
               NumVal(Design.SekkeiWc) + NumVal(Design.SekkeiWe) + NumVal(Design.SekkeiWs),
               "0.00")) {
        return;
    }
    const double w = NumVal(Design.SekkeiW);
    if (w == 0) return;

    const double theta = Radians(NumVal(Design.SlipAngle), Pi);
    const double perM = w / x;
    if (!Store(Design.DeltaPrCalc, pfs * perM * std::sin(theta) - perM * std::cos(theta) * TanPhi(),
               "0.0")) {
        return;
    }
    Design.DeltaPr = NumVal(Design.DeltaPrCalc) > 0 ? Design.DeltaPrCalc : "0.0";
}

double RestraintCoef() {
    const double beta = Radians(NumVal(Design.SlipAngle) + NumVal(Design.InstallAngle), Pi);
    const double tighten = std::sin(beta) * TanPhi();
    const double hold = std::cos(beta) * (Design.UsePlanFs != 0 ? NumVal(Design.PlanFs) : 1.0);
    double c = 0;
    switch (Design.RestraintMode) {
        case 0:
            c = tighten;
            break;
        case 1:
            c = hold;
            break;
        case 2:
            c = tighten + hold;
            break;
        default:
            break;
    }
    // cos 90° in binary is 6e-17, not 0: a restraint at a right angle would
    // otherwise give a design load of some 10¹⁷ kN instead of none.
    return std::fabs(c) < 1e-12 ? 0 : c;
}

void CalcRockPt() {
    Design.RockS.clear();
    Design.Pt.clear();
    Design.PtCalc.clear();
    Design.RockTau.clear();
    Design.RockSigma.clear();

    const double pr = NumVal(Design.Pr);
    const double sh = NumVal(Design.HorizSpacing);
    const double rows = NumVal(Design.RowCount);
    if (pr == 0 || sh == 0 || rows == 0 || Design.DeltaPr.empty()) return;

    const double c = RestraintCoef();
    if (c != 0) {
        // An overflowing shear gives no load and no stresses at all.
        if (!Store(Design.RockS, (pr + NumVal(Design.DeltaPr)) * sh / rows, "0.0") ||
            !Store(Design.PtCalc, NumVal(Design.RockS) / c, "0.0")) {
            return;
        }
    }
    Design.Pt = Design.PtDirect != 0 ? Design.PtInput : Design.PtCalc;
    CalcRockStress();
}

void CalcRockStress() {
    Design.RockTau.clear();
    Design.RockSigma.clear();
    // Stresses in the bolt bar; without a bar of known area there are none.
    const int bar = Design.RockBarIndex;
    if (bar < 0 || bar >= static_cast<int>(RebarSpecTable.size())) return;
    const double area = RebarSpecTable[static_cast<std::size_t>(bar)].Area * 100.0;
    if (!(area > 0)) return;
    if (Present(Design.RockS)) {
        Design.RockTau = RoundedFixed(NumVal(Design.RockS) * 1000.0 / area, 1, 1, "0.0");
    }
    if (Present(Design.Pt)) {
        Design.RockSigma = RoundedFixed(NumVal(Design.Pt) * 1000.0 / area, 1, 1, "0.0");
    }
}

void CalcAnchorPt() {
    Design.Pt.clear();
    Design.PtCalc.clear();

    const double pr = NumVal(Design.Pr);
    const double sh = NumVal(Design.HorizSpacing);
    const double rows = NumVal(Design.RowCount);
    if (pr == 0 || sh == 0 || rows == 0 || Design.DeltaPr.empty()) return;

    const double c = RestraintCoef();
    if (c != 0) Design.PtCalc = Fixed((pr + NumVal(Design.DeltaPr)) / c * sh / rows, "0.0");
    Design.Pt = Design.PtDirect != 0 ? Design.PtInput : Design.PtCalc;
}

void CalcToubunpu() {
    Design.TateShareL.clear();
    Design.YokoShareL.clear();
    Design.TateToubunpu.clear();
    Design.YokoToubunpu.clear();

    const double p = NumVal(Design.Pt);
    const double nay = NumVal(Design.AnchorCountY);
    const double nax = NumVal(Design.AnchorCountX);
    if (p == 0 || nay == 0 || nax == 0) return;

    if (Design.TateShareMode == 0) {
        Design.TateShareL = Fixed(NumVal(Design.TotalLengthY) / nay, "0.000");
    } else if (Design.TateShareMode == 1) {
        Design.TateShareL = Design.PitchY;
    }
    if (Design.YokoShareMode == 0) {
        Design.YokoShareL = Fixed(NumVal(Design.TotalLengthX) / nax, "0.000");
    } else if (Design.YokoShareMode == 1) {
        Design.YokoShareL = Design.PitchX;
    }
    // The sharing lengths carry three decimals and the beam widths whole
    // millimetres, so the denominators are taken in whole millimetres: in
    // binary metres 0.1 + 0.2 − 0.3 is not 0 but 5.6e-17, which would load
    // a crossing that covers both lengths with some 10¹⁸ kN/m.
    const long long ltMm = WholeMm(Design.TateShareL);
    const long long lxMm = WholeMm(Design.YokoShareL);
    if (ltMm == 0 || lxMm == 0) return;
    const double lt = ltMm / 1000.0;
    const double lx = lxMm / 1000.0;

    switch (Design.ToubunpuMode) {
        case 0:
        case 1: {
            // Pattern 1 spreads the load over both lengths less the crossing
            // beam; a crossing as long as both lengths leaves nothing to load.
            long long lengthMm = ltMm + lxMm;
            if (Design.ToubunpuMode == 1) {
                const long long bxMm = Whole(NumVal(Design.SectionBx));
                const long long byMm = Whole(NumVal(Design.SectionBy));
                lengthMm -= bxMm >= byMm ? bxMm : byMm;
            }
            if (lengthMm <= 0) return;
            Design.TateToubunpu = Fixed(p / (lengthMm / 1000.0), "0.00");
            Design.YokoToubunpu = Design.TateToubunpu;
            break;
        }
        case 2:
            Design.TateToubunpu = Fixed(p / lt, "0.00");
            Design.YokoToubunpu = Fixed(p / lx, "0.00");
            break;
        case 3:
            Design.TateToubunpu = Fixed(p / 2.0 / lt, "0.00");
            Design.YokoToubunpu = Fixed(p / 2.0 / lx, "0.00");
            break;
        default:
            break;
    }
}

void CalcRockMmax() {
    for (auto& dir : Design.Mmax) {
        for (auto& part : dir) part.clear();
    }
    const int t = Design.WorkType;
    if (!ValidWorkType(t)) return;
    Design.TateMmax[t].clear();
    Design.YokoMmax[t].clear();

    const double qt = NumVal(Design.TateToubunpu);
    const double qx = NumVal(Design.YokoToubunpu);
    if (qt == 0 || qx == 0) return;
    BeamForces(Vertical(), qt, false, 0, Design.Mmax[0], Design.TateMmax[t]);
    BeamForces(Horizontal(), qx, false, 0, Design.Mmax[1], Design.YokoMmax[t]);
}

void CalcRockSmax() {
    for (auto& dir : Design.Smax) {
        for (auto& part : dir) part.clear();
    }
    const int t = Design.WorkType;
    if (!ValidWorkType(t)) return;
    Design.TateSmax[t].clear();
    Design.YokoSmax[t].clear();

    // The check distances are shown even when there is no load to check.
    Design.TateShearX[t].clear();
    Design.YokoShearX[t].clear();
    if (!Store(Design.TateShearX[t], CalcSendanX(Design.ShearXMode[t], 0), "0.000") ||
        !Store(Design.YokoShearX[t], CalcSendanX(Design.ShearXMode[t], 1), "0.000")) {
        return;
    }
    const double xt = NumVal(Design.TateShearX[t]);
    const double xx = NumVal(Design.YokoShearX[t]);

    const double qt = NumVal(Design.TateToubunpu);
    const double qx = NumVal(Design.YokoToubunpu);
    if (qt == 0 || qx == 0) return;
    BeamForces(Vertical(), qt, true, xt, Design.Smax[0], Design.TateSmax[t]);
    BeamForces(Horizontal(), qx, true, xx, Design.Smax[1], Design.YokoSmax[t]);
}

}  // namespace talvo
