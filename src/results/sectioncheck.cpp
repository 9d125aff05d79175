#include "results/sectioncheck.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "calc/rebar.h"
#include "results/resulttable.h"
#include "results/rowaccess.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

using results_detail::Exact;
using results_detail::GridRow;
using results_detail::Spec;

namespace {

// The fields of a row in the order the check writes them. A stop empties
// the field it stands at and every later one.
enum class Stage { P, K, J, M, SigmaS, SigmaC, TauC, Sc, Ss, Stirrups, Spacing };

void EmptyFrom(int set, int row, Stage from) {
    DesignData& d = Design;
    const auto s = static_cast<std::size_t>(set);
    const auto k = static_cast<std::size_t>(row);
    if (from <= Stage::P) d.KekkaP[s][k].clear();
    if (from <= Stage::K) d.KekkaK[s][k].clear();
    if (from <= Stage::J) d.KekkaJ[s][k].clear();
    if (from <= Stage::M) d.KekkaM[s][k].clear();
    if (from <= Stage::SigmaS) d.KekkaSigmaS[k].clear();
    if (from <= Stage::SigmaC) d.KekkaSigmaC[k].clear();
    if (from <= Stage::TauC) d.KekkaTauC[k].clear();
    if (from <= Stage::Sc) d.KekkaSc[k].clear();
    if (from <= Stage::Ss) d.KekkaSs[k].clear();
    if (from <= Stage::Stirrups) {
        d.KekkaTauO[k].clear();
        d.KekkaStirrupBar[k] = 99;
        d.KekkaStirrupCount[k].clear();
        StirrupNeeded[s][static_cast<std::size_t>(GridRow(set, row))] = false;
    }
    if (from <= Stage::Spacing) {
        d.KekkaStirrupPitch[k].clear();
        d.KekkaStirrupPitchReq[k].clear();
    }
}

// Stores a value in the pattern; a value that is no number is not stored.
bool Put(std::string& field, double value, const char* pattern) {
    if (!std::isfinite(value)) return false;
    field = FormatPattern(value, pattern);
    return true;
}

// Stores a value rounded up (towards plus infinity) to `digits` decimals.
bool PutUp(std::string& field, double value, int digits, const char* pattern) {
    if (!std::isfinite(value)) return false;
    field = FormatPattern(RoundValue(value, digits, 1), pattern);
    return true;
}

// A count as text with the sign position in front, blank when positive
// (" 2"), as the stirrup legs of a new stirrup arrangement are written.
std::string SignedCount(std::int16_t count) {
    return (count >= 0 ? " " : "") + NumStr(count);
}

// The gap in the middle of the bar layer: one clear spacing for the
// frame-only types, the box-out of the bolt or anchor head for the anchored.
double CentreGap(std::int16_t cls) {
    const auto c = static_cast<std::size_t>(cls);
    switch (Design.WorkType) {
        case 0:
        case 1:
        case 2:
            return NumVal(RebarCountRule.ClearSpacing[c]);
        case 3:
            return NumVal(RebarCountRule.BoxOutDia[0][c]);
        case 4:
            return NumVal(RebarCountRule.BoxOutDia[1][c]);
        default:
            return 0;
    }
}

}  // namespace

void EmptyCheckResults(int set, int row) {
    if (ValidResultRow(set, row)) EmptyFrom(set, row, Stage::P);
}

std::int16_t StirrupSpacingCapOf(double depth) {
    const double half = std::floor(depth / 2);
    if (StirrupDefaults.MaxHalfDepth == 1 && half < StirrupDefaults.MaxSpacing) {
        // Below the maximum spacing, so only a depth below the 16-bit range
        // needs the clamp.
        return half < -32768 ? std::int16_t{-32768} : static_cast<std::int16_t>(half);
    }
    return StirrupDefaults.MaxSpacing;
}

double AdoptedStirrupSpacing(double required, double cap) {
    double s = required > cap ? cap : required;
    const double step = StirrupDefaults.SpacingStep;
    // A spacing up to one step is taken as it is; a step of 0 rounds nothing.
    if (step > 0 && s > step) s = std::floor(s / step) * step;
    return s;
}

void SikiKekka(int set, int row) {
    if (!ValidResultRow(set, row)) return;
    DesignData& d = Design;
    const auto s = static_cast<std::size_t>(set);
    const auto k = static_cast<std::size_t>(row);
    auto stop = [set, row](Stage from) { EmptyFrom(set, row, from); };

    // One common section takes the horizontal frame's sizes for every row.
    const bool horizontal = d.SameSection != 0 || set == 1;
    const double b = NumVal(horizontal ? d.SectionBx : d.SectionBy);
    const double h = NumVal(horizontal ? d.SectionHx : d.SectionHy);
    const double depth = NumVal(horizontal ? d.SectionDx : d.SectionDy);
    const double moment = NumVal(SetMmax(set)) * 1e6;  // N·mm
    const double shear = NumVal(SetSmax(set)) * 1000;  // N

    // Flexure.
    const double nb = NumVal(d.KekkaBarCount[k]);
    const double bd = b * depth;
    if (bd == 0 || !std::isfinite(bd)) return stop(Stage::P);
    const double tauM = shear / bd;
    const double as = NumVal(d.KekkaAs[k]);
    if (!Put(d.KekkaP[s][k], as / bd, "0.0000")) return stop(Stage::P);
    const double p = NumVal(d.KekkaP[s][k]);
    // A tiny area can still give p "0.0000", and m = k/(2p) would then have
    // no value: the row is checked as one without bars.
    if (as == 0 || p == 0) return stop(Stage::K);

    constexpr double n = 15;
    if (!Put(d.KekkaK[s][k], std::sqrt(2 * n * p + (n * p) * (n * p)) - n * p, "0.000"))
        return stop(Stage::K);
    const double kr = NumVal(d.KekkaK[s][k]);
    if (!Put(d.KekkaJ[s][k], 1 - kr / 3, "0.000")) return stop(Stage::J);
    const double j = NumVal(d.KekkaJ[s][k]);
    if (!Put(d.KekkaM[s][k], kr / (2 * p), "0.00")) return stop(Stage::M);
    const double m = NumVal(d.KekkaM[s][k]);

    const double perimeter = nb * Spec(d.KekkaBar[k]).Perimeter * 10;  // mm
    if (perimeter == 0) return stop(Stage::SigmaS);
    // σs and the shear stress divide by j, so a lever arm of 0 stops before
    // them rather than after Ss.
    if (j == 0) return stop(Stage::SigmaS);

    if (!PutUp(d.KekkaSigmaS[k], moment / (as * j * depth), 1, "0.0")) return stop(Stage::SigmaS);
    const double sigmaS = NumVal(d.KekkaSigmaS[k]);
    if (!PutUp(d.KekkaSigmaC[k], sigmaS / m, 2, "0.00")) return stop(Stage::SigmaC);

    // Shear.
    const double tauC = d.ShearStressMode == 0 ? tauM : tauM / j;
    if (!PutUp(d.KekkaTauC[k], tauC, 3, "0.000")) return stop(Stage::TauC);
    const double tauCa = NumVal(d.TauCa);
    const double sc = StirrupDefaults.ScFormula == 0 ? tauCa * bd * j / 2 : tauCa * bd / 2;
    if (!PutUp(d.KekkaSc[k], sc, 0, "0")) return stop(Stage::Sc);
    const double ssLeft = shear - NumVal(d.KekkaSc[k]);
    if (!std::isfinite(ssLeft)) return stop(Stage::Ss);
    const std::string ssText = RoundValue(ssLeft, 2, 1);  // kept with two decimals
    d.KekkaSs[k] = FormatPattern(ssText, "0");
    const double ss = NumVal(ssText);

    // A row that needs stirrups keeps the stirrups it has (stepped by the
    // engineer or left by the last check); a new one starts from the settings.
    if (d.KekkaStirrupBar[k] == 99) d.KekkaStirrupBar[k] = StirrupDefaults.BarIndex;
    if (d.KekkaStirrupCount[k].empty())
        d.KekkaStirrupCount[k] = SignedCount(StirrupDefaults.BarCount);

    const double bond = shear / (perimeter * depth * j);
    bool& needed = StirrupNeeded[s][static_cast<std::size_t>(GridRow(set, row))];
    if (!(NumVal(d.KekkaTauC[k]) > tauCa)) {
        if (!PutUp(d.KekkaTauO[k], bond, 2, "0.00")) return stop(Stage::Stirrups);
        d.KekkaStirrupBar[k] = 99;
        d.KekkaStirrupCount[k].clear();
        d.KekkaStirrupPitch[k].clear();
        d.KekkaStirrupPitchReq[k].clear();
        needed = false;
        return;
    }

    // With stirrups the bars carry half the bond.
    needed = true;
    if (!PutUp(d.KekkaTauO[k], bond / 2, 2, "0.00")) return stop(Stage::Stirrups);
    const double aw =
        Spec(d.KekkaStirrupBar[k]).Area * 100 * NumVal(d.KekkaStirrupCount[k]);  // mm²
    // No shear left to the stirrups, no spacing to work out.
    if (!(ss > 0)) return stop(Stage::Spacing);
    const double quotient = aw * NumVal(d.SigmaSa) * depth * j / ss;
    if (!std::isfinite(quotient)) return stop(Stage::Spacing);
    // Rounded down on the 15-digit value: a quotient that is 567 in decimals
    // must not lose a millimetre to its binary form.
    const double required = NumVal(RoundValue(quotient, 0, 0));
    d.KekkaStirrupPitchReq[k] = NumStr(required);
    StirrupSpacingCap = StirrupSpacingCapOf(depth);
    d.KekkaStirrupPitch[k] = NumStr(AdoptedStirrupSpacing(required, StirrupSpacingCap));

    // Do the bars, in one layer with the centre gap, and the stirrups fit?
    const double wholeB = std::floor(b);
    const std::int16_t cls = wholeB >= -32768 && wholeB <= 32767
                                 ? GetSizeClass(static_cast<std::int16_t>(wholeB))
                                 : std::int16_t{0};
    const double phi = Spec(d.KekkaBar[k]).Diameter;
    const double phiS = Spec(d.KekkaStirrupBar[k]).Diameter;
    const double cover = NumVal(RebarCountRule.Cover[static_cast<std::size_t>(cls)]);
    const double clear = NumVal(RebarCountRule.ClearSpacing[static_cast<std::size_t>(cls)]);
    const double heightNeeded = Exact(depth + phi / 2 + phiS + cover);
    const double widthNeeded =
        Exact(2 * (cover + phi) + (nb - 2) * (phi + clear) + CentreGap(cls) + 2 * phiS);
    if (h < heightNeeded || b < widthNeeded) {
        d.KekkaStirrupPitch[k] = "Err";
        d.KekkaStirrupPitchReq[k] = "Err";
    } else if (required > 999) {
        d.KekkaStirrupPitchReq[k] = "***";
    }
}

}  // namespace talvo
