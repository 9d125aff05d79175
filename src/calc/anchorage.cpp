#include "calc/anchorage.h"

#include <cmath>
#include <string>

#include "calc/calcfield.h"
#include "calc/rebar.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

using calcfield::Fixed;
using calcfield::RoundedFixed;
using calcfield::Store;
using calcfield::Whole;

std::string RoundUpTenth(double length) {
    // In whole thousandths of a metre: (La − 0.001)/0.1 in binary doubles can
    // fall just below a whole number and leave a length on the lower step.
    if (!(std::fabs(length) < 1e12)) return Fixed(length, "0.0");
    const long long mm = Whole(length * 1000.0);
    long long tenths = mm / 100;
    if (mm % 100 > 0) ++tenths;
    return FormatPattern(static_cast<double>(tenths) / 10.0, "0.0");
}

void CalcTeityaku() {
    Design.BondLa1.clear();
    Design.BondLa2.clear();
    Design.BondLa1Up.clear();
    Design.BondLa2Up.clear();
    const int t = Design.WorkType;
    if (Design.Pt.empty() || (t != 3 && t != 4)) return;

    double da = 0, ds = 0, tau = 0, tauB = 0, fs = 0;
    if (t == 3) {
        da = NumVal(Design.RockDa);
        const int bar = Design.RockBarIndex;
        if (bar >= 0 && bar < static_cast<int>(RebarSpecTable.size())) {
            ds = RebarSpecTable[bar].Diameter;
        }
        tau = NumVal(Design.RockTauG);
        tauB = NumVal(Design.RockTauB);
        fs = NumVal(Design.RockFs);
    } else {
        da = NumVal(Design.AnchorDa);
        ds = NumVal(Design.AnchorDs);
        tau = NumVal(Design.AnchorTauG);
        tauB = NumVal(Design.AnchorTauB);
        fs = NumVal(Design.AnchorFs);
    }
    // N, m and N/m².
    const double load = NumVal(Design.Pt) * 1000.0;
    da /= 1000.0;
    ds /= 1000.0;
    tau *= 1e6;
    tauB *= 1e6;

    // Ground to grout carries the pull-out safety factor; grout to steel not.
    // The products are tested too: two tiny factors can make them 0.
    const double ground = Pi * da * tau;
    const double steel = Pi * ds * tauB;
    if (da != 0 && tau != 0 && ground != 0) {
        Design.BondLa1 = RoundedFixed(load * fs / ground, 3, 1, "0.000");
    }
    if (ds != 0 && tauB != 0 && steel != 0) {
        Design.BondLa2 = RoundedFixed(load / steel, 3, 1, "0.000");
    }
    if (!Design.BondLa1.empty()) Design.BondLa1Up = RoundUpTenth(NumVal(Design.BondLa1));
    if (!Design.BondLa2.empty()) Design.BondLa2Up = RoundUpTenth(NumVal(Design.BondLa2));
}

void CalcZentyou() {
    auto total = [](const std::string& la, const std::string& lf, std::string& length) {
        length = la.empty() || lf.empty() ? std::string() : Fixed(NumVal(la) + NumVal(lf), "0.0");
    };
    if (Design.WorkType == 3) {
        total(Design.RockLa, Design.RockLf, Design.RockLength);
    } else if (Design.WorkType == 4) {
        total(Design.AnchorLa, Design.AnchorLf, Design.AnchorLength);
    }
}

namespace {

// The plate's bearing area u² − πD²/4 in mm² as "0" text; empty when the
// box-out is wider than the plate or nothing is left of it. Only a box-out
// wider than the plate leaves nothing to bear on: a square plate as wide as
// its round box-out still bears on its corners (u² − πD²/4 > 0).
std::string BearingArea(const std::string& plateU, const std::string& boxOutD) {
    const double d = NumVal(boxOutD);
    const double u = NumVal(plateU);
    if (Whole(d) > Whole(u)) return std::string();
    std::string ap = Fixed(u * u - Pi * d * d / 4.0, "0");
    if (NumVal(ap) == 0) return std::string();
    return ap;
}

}  // namespace

AnchorHead AnchorHeadFrame() {
    AnchorHead head;
    // The plate sits on the narrower beam; the vertical one on a tie.
    head.FrameB = Whole(NumVal(Design.SectionBx)) >= Whole(NumVal(Design.SectionBy))
                      ? Design.SectionBy
                      : Design.SectionBx;
    const std::string& dia = RebarCountRule.BoxOutDia[1][SizeClassOf(NumVal(head.FrameB))];
    const std::size_t from = dia.find_first_not_of(' ');
    head.BoxOutD = from == std::string::npos ? std::string() : dia.substr(from);
    return head;
}

void CalcSiatu() {
    Design.SiatuA.clear();
    Design.Ap.clear();
    Design.SigmaBa1.clear();
    Design.SigmaBa2.clear();
    Design.SigmaBa.clear();
    Design.SigmaB.clear();

    const AnchorHead head = AnchorHeadFrame();
    Design.SiatuFrameB = head.FrameB;
    Design.BoxOutD = head.BoxOutD;
    const double b = NumVal(Design.SiatuFrameB);
    if (!Store(Design.SiatuA, b * b, "0")) return;

    // N and mm.
    const std::string ap = BearingArea(Design.PlateU, Design.BoxOutD);
    if (ap.empty()) return;
    const double apVal = NumVal(ap);
    Design.Ap = ap;

    const double a = NumVal(Design.SiatuA);
    const double sigmaCk = NumVal(Design.SigmaCk);
    Design.SigmaBa1 = RoundedFixed((0.25 + 0.05 * a / apVal) * sigmaCk, 2, 0, "0.00");
    Design.SigmaBa2 = RoundedFixed(0.5 * sigmaCk, 2, 0, "0.00");
    if (!Design.SigmaBa1.empty() && !Design.SigmaBa2.empty()) {
        Design.SigmaBa =
            NumVal(Design.SigmaBa2) >= NumVal(Design.SigmaBa1) ? Design.SigmaBa1 : Design.SigmaBa2;
    }
    Design.SigmaB = RoundedFixed(NumVal(Design.Pt) * 1000.0 / apVal, 2, 1, "0.00");
}

void CalcPrate() {
    Design.PlateHalfPt.clear();
    Design.PlateM.clear();
    Design.PlateTReq.clear();

    // The box-out follows from the beams of this design, not from whatever
    // an earlier bearing check left behind.
    const AnchorHead head = AnchorHeadFrame();
    Design.SiatuFrameB = head.FrameB;
    Design.BoxOutD = head.BoxOutD;

    // N and mm: half the load acting at a quarter of the box-out diameter.
    if (!Store(Design.PlateHalfPt, NumVal(Design.Pt) * 1000.0 / 2.0, "0") ||
        !Store(Design.PlateM, NumVal(Design.PlateHalfPt) * NumVal(Design.BoxOutD) / 4.0, "0")) {
        return;
    }
    // A plate that bears on nothing (the bearing check has no area) has no
    // thickness to require either: its check cannot be made.
    if (BearingArea(Design.PlateU, Design.BoxOutD).empty()) return;
    const double u = NumVal(Design.PlateU);
    const double sigma = NumVal(Design.PlateSigma);
    if (u == 0 || sigma == 0 || u * sigma == 0) return;
    const double square = 6.0 * NumVal(Design.PlateM) / (u * sigma);
    if (!(square >= 0)) return;
    Design.PlateTReq = RoundedFixed(std::sqrt(square), 1, 1, "0.0");
}

void CalcAncBarTauS() {
    Design.AncBarTauS.clear();
    const int bar = Design.AncBarIndex;
    if (bar < 0 || bar >= static_cast<int>(RebarSpecTable.size())) return;
    const double area = RebarSpecTable[bar].Area;  // cm²
    if (!(area > 0)) return;
    // Without a load or a safety factor there is no stress to check: an
    // empty τs, never a 0 that would pass against any allowable stress.
    if (!HoldsNumber(Design.YokoQ) || !HoldsNumber(Design.AncBarFs)) return;
    const double tau = NumVal(Design.YokoQ) * 1000.0 / area / 100.0 * NumVal(Design.AncBarFs);
    if (!std::isfinite(tau)) return;
    // One decimal always, so a stress of a real zero load reads "0.0".
    Design.AncBarTauS = FormatNum(FormatPattern(RoundValue(tau, 1, 1), "0.0"), 5, 1);
}

std::string TendonAllowableLoad(const std::string& factor, const std::string& load) {
    return FormatNum(NumStr(NumVal(factor) * NumVal(load)), 4, 2);
}

void CalcTendonAllowables() {
    const int kind = Design.AnchorKind >= 0 && Design.AnchorKind <= 2 ? Design.AnchorKind : 0;
    const auto k = static_cast<std::size_t>(kind);
    Design.TusAllow = TendonAllowableLoad(Design.TusCoef[k], Design.Tus);
    Design.TysAllow = TendonAllowableLoad(Design.TysCoef[k], Design.Tys);
}

}  // namespace talvo
