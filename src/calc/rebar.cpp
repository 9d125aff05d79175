#include "calc/rebar.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/calcfield.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

using calcfield::Fixed;
using calcfield::Int16HalvesEven;
using calcfield::ValidWorkType;

std::int16_t GetSizeClass(std::int16_t width) {
    // The bounds are whole millimetres; the last class always ends at 1000,
    // the width the count conditions dialog shows as fixed.
    double bound[5];
    for (int k = 0; k < 5; ++k) bound[k] = std::nearbyint(NumVal(RebarCountRule.WidthClassMax[k]));
    const double w = width;
    if (w >= 0 && w <= bound[0]) return 0;
    for (int k = 1; k < 5; ++k) {
        if (w >= bound[k - 1] + 1 && w <= bound[k]) return static_cast<std::int16_t>(k);
    }
    if (w >= bound[4] + 1 && w <= 1000) return 5;
    return 0;
}

std::int16_t SizeClassOf(double width) {
    if (!(std::fabs(width) < 32767.5)) return 0;
    return GetSizeClass(Int16HalvesEven(width));
}

namespace {

using Wide = __int128;

// A value as a whole number of units of 10^−places, read from its decimal
// text (the 15 significant digits a stored number holds): 9.53 is 953
// hundredths, 40 is 40 ones. A value written in exponent form (below 1E-15
// or from 1E+15 on, far from any section size) has none.
struct DecimalValue {
    Wide units = 0;
    int places = 0;
};

std::optional<DecimalValue> DecimalOf(double value) {
    const std::string text = NumStr(value);
    if (text.find('E') != std::string::npos) return std::nullopt;
    DecimalValue out;
    bool point = false;
    bool negative = false;
    for (char c : text) {
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            point = true;
        } else {
            out.units = out.units * 10 + (c - '0');
            if (point) ++out.places;
        }
    }
    if (negative) out.units = -out.units;
    return out;
}

Wide Pow10(int n) {
    Wide p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

// ⌊n / d⌋ for d > 0, also for a negative n.
Wide FloorDiv(Wide n, Wide d) {
    const Wide q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// The count of bars of diameter φ that fit across the width b with the centre
// gap, the cover c and the clear spacing s. With one clear spacing as the gap
// the row is one row: ⌊2·(((b − gap)/2 − c − φ)/(φ + s) + 1)⌋, which is
// ⌊(b − gap − 2c − 2φ)/(φ + s)⌋ + 2 and may be odd. Around a box-out
// (`halves`) each side of (b − gap)/2 holds whole bars only:
// 2·⌊((b − gap)/2 − c − φ)/(φ + s) + 1⌋, which is
// 2·(⌊(b − gap − 2c − 2φ)/(2(φ + s))⌋ + 1). 0 when not even one fits, when
// the pitch φ + s is not positive, or when the bar's centre lies below the
// section (d + c + φ/2 > h). Worked in whole units of the finest decimal of
// the values, so that a count that is a whole number in decimals is that
// number: a binary quotient a hair below it would lose a bar. Returns nullopt
// when a value has no plain decimal text.
std::optional<double> ExactBarCount(double b, double gap, double h, double d, double cover,
                                    double spacing, double phi, bool halves) {
    const double values[] = {b, gap, h, d, cover, spacing, phi};
    DecimalValue dec[7];
    int places = 0;
    for (int i = 0; i < 7; ++i) {
        const std::optional<DecimalValue> v = DecimalOf(values[i]);
        if (!v) return std::nullopt;
        dec[i] = *v;
        places = std::max(places, v->places);
    }
    Wide u[7];
    for (int i = 0; i < 7; ++i) u[i] = dec[i].units * Pow10(places - dec[i].places);
    const Wide B = u[0], G = u[1], H = u[2], D = u[3], C = u[4], S = u[5], Phi = u[6];
    const Wide pitch = Phi + S;
    if (pitch <= 0) return 0;
    const Wide free = B - G - 2 * C - 2 * Phi;
    // At least one bar: the doubled quotient plus 2 is 1 or more; around a
    // box-out, one bar a side.
    if (halves ? free < 0 : free < -pitch) return 0;
    if (2 * D + 2 * C + Phi > 2 * H) return 0;
    const Wide count = halves ? 2 * (FloorDiv(free, 2 * pitch) + 1) : FloorDiv(free, pitch) + 2;
    return static_cast<double>(count > 32767 ? Wide(32767) : count);
}

// Main bars are laid in two halves either side of the centre gap: one clear
// spacing for the frame-only types, the box-out of the bolt or anchor head for
// the anchored ones, where each half is filled on its own.
void FitBars(const std::string& widthText, const std::string& heightText,
             const std::string& depthText, std::array<std::int16_t, 12>& fit) {
    fit.fill(0);
    const double bRaw = NumVal(widthText);
    const double hRaw = NumVal(heightText);
    const double dRaw = NumVal(depthText);
    const std::int16_t cls = SizeClassOf(bRaw);
    Design.SizeClass = cls;
    // A section beyond the 16-bit range of whole millimetres is no section.
    if (!(std::fabs(bRaw) < 32767.5 && std::fabs(hRaw) < 32767.5 && std::fabs(dRaw) < 32767.5)) {
        return;
    }
    const double b = std::nearbyint(bRaw);
    const double h = std::nearbyint(hRaw);
    const double d = std::nearbyint(dRaw);

    double gap = 0;
    switch (Design.WorkType) {
        case 0:
        case 1:
        case 2:
            gap = NumVal(RebarCountRule.ClearSpacing[cls]);
            break;
        case 3:
            gap = NumVal(RebarCountRule.BoxOutDia[0][cls]);
            break;
        case 4:
            gap = NumVal(RebarCountRule.BoxOutDia[1][cls]);
            break;
        default:
            break;
    }
    gap = std::nearbyint(gap);
    const bool halves = Design.WorkType == 3 || Design.WorkType == 4;
    const double cover = NumVal(RebarCountRule.Cover[cls]);
    const double spacing = NumVal(RebarCountRule.ClearSpacing[cls]);

    for (std::size_t i = 0; i < fit.size(); ++i) {
        const double phi = RebarSpecTable[i].Diameter;
        const std::optional<double> count =
            ExactBarCount(b, gap, h, d, cover, spacing, phi, halves);
        if (count) {
            fit[i] = static_cast<std::int16_t>(*count);
            continue;
        }
        // A value beyond any decimal text (a diameter below 1E-15 mm): the
        // count in binary arithmetic.
        const double pitch = phi + spacing;
        if (!(pitch > 0)) continue;
        const double half = ((b - gap) / 2.0 - cover - phi) / pitch + 1.0;
        const double rows = halves ? 2.0 * std::floor(half) : 2.0 * half;
        if (!std::isfinite(rows) || rows < 1.0 || d + cover + phi / 2.0 > h) continue;
        const double floored = std::floor(rows);
        fit[i] = floored > 32767.0 ? 32767 : static_cast<std::int16_t>(floored);
    }
}

}  // namespace

void CalcSyutekkinTate() {
    FitBars(Design.SectionBy, Design.SectionHy, Design.SectionDy, Design.TateBarFit);
}

void CalcSyutekkinYoko() {
    FitBars(Design.SectionBx, Design.SectionHx, Design.SectionDx, Design.YokoBarFit);
}

std::string CalcHituyouAs(std::int16_t direction) {
    const int t = Design.WorkType;
    if (!ValidWorkType(t)) return "";
    double m = 0;
    double d = 0;
    if (Design.SameSection != 0) {
        m = NumVal(Design.DesignMmax);
        d = NumVal(Design.SectionDx);
    } else if (direction != 0) {
        m = NumVal(Design.YokoMmax[t]);
        d = NumVal(Design.SectionDx);
    } else {
        m = NumVal(Design.TateMmax[t]);
        d = NumVal(Design.SectionDy);
    }
    // Lever arm taken as 7/8 of the effective depth. The product is tested
    // as well as its factors: two tiny factors can make it 0.
    const double sigmaSa = NumVal(Design.SigmaSa);
    const double divisor = sigmaSa * 7.0 / 8.0 * d;
    if (sigmaSa == 0 || d == 0 || divisor == 0) return "";
    return Fixed(m * 1e6 / divisor, "0.0");
}

void PickDesignMoment() {
    Design.DesignMmax.clear();
    Design.DesignSmax.clear();
    Design.DesignAsReq = 0;
    const int t = Design.WorkType;
    if (!ValidWorkType(t)) return;

    // Work type 2 has horizontal beams only: its empty vertical values count
    // as 0. Ties go to the horizontal beam.
    auto compared = [t](const std::string& tate, const std::string& yoko) {
        return (!tate.empty() && !yoko.empty()) || (t == 2 && !yoko.empty());
    };
    if (compared(Design.TateMmax[t], Design.YokoMmax[t])) {
        const bool yoko = NumVal(Design.YokoMmax[t]) >= NumVal(Design.TateMmax[t]);
        // CalcHituyouAs reads DesignMmax with one common section, so the
        // moment is set before its area is worked out.
        Design.DesignMmax = yoko ? Design.YokoMmax[t] : Design.TateMmax[t];
        Design.DesignAsReq = NumVal(CalcHituyouAs(yoko ? 1 : 0));
    }
    if (compared(Design.TateSmax[t], Design.YokoSmax[t])) {
        Design.DesignSmax = NumVal(Design.YokoSmax[t]) >= NumVal(Design.TateSmax[t])
                                ? Design.YokoSmax[t]
                                : Design.TateSmax[t];
    }
}

}  // namespace talvo
