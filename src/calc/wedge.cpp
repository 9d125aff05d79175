#include "calc/wedge.h"

#include <cmath>
#include <string>

#include "calc/calcfield.h"
#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

namespace {

using calcfield::Present;

// The derived values are shown in the wedge step's boxes, so they are stored
// in the boxes' own layout: rounded by the pattern first, then right-aligned.
bool StoreLayout(std::string& field, double value, std::string_view pattern, int places,
                 int decimals) {
    if (!std::isfinite(value)) return false;
    field = FormatNum(FormatPattern(value, pattern), places, decimals);
    return true;
}

// L1 and H
bool StoreLength(std::string& field, double value) {
    return StoreLayout(field, value, "0.000", 3, 3);
}

// L2 keeps two decimals only, though its box shows three.
bool StoreL2(std::string& field, double value) {
    return StoreLayout(field, value, "0.00", 3, 3);
}

// α in degrees from its tangent (height over horizontal run)
bool StoreAlpha(std::string& field, double tangent) {
    return StoreLayout(field, Degrees(std::atan(tangent), Pi), "0.00", 4, 2);
}

}  // namespace

void CalcKusabiKeijyou() {
    DesignData& d = Design;
    const bool haveTheta = Present(d.SlopeAngle);
    const double theta = NumVal(d.SlopeAngle);
    const double t0 = Radians(theta, Pi);
    // α is only usable below the slope angle: at or above it the slip plane
    // would not leave the face.
    const bool alphaUsable = Present(d.KusabiAlpha) && theta > NumVal(d.KusabiAlpha);
    const double a = Radians(NumVal(d.KusabiAlpha), Pi);

    // Each mode derives its second value from the unrounded first one.
    switch (d.KusabiInputMode) {
        case 0: {  // L1 and L2 given: H, α
            d.KusabiH.clear();
            d.KusabiAlpha.clear();
            if (!haveTheta || !Present(d.KusabiL1)) return;
            const double l1 = NumVal(d.KusabiL1);
            const double h = l1 * std::sin(t0);
            if (!StoreLength(d.KusabiH, h)) return;
            if (!Present(d.KusabiL2)) return;
            const double run = l1 * std::cos(t0) + NumVal(d.KusabiL2);
            if (run == 0) return;
            StoreAlpha(d.KusabiAlpha, h / run);
            return;
        }
        case 1: {  // L1 and α given: H, L2
            d.KusabiH.clear();
            d.KusabiL2.clear();
            if (!haveTheta || !Present(d.KusabiL1)) return;
            const double l1 = NumVal(d.KusabiL1);
            const double h = l1 * std::sin(t0);
            if (!StoreLength(d.KusabiH, h)) return;
            if (!alphaUsable) return;
            const double tanA = std::tan(a);
            if (tanA == 0) return;
            StoreL2(d.KusabiL2, h / tanA - l1 * std::cos(t0));
            return;
        }
        case 2: {  // H and L2 given: L1, α
            d.KusabiL1.clear();
            d.KusabiAlpha.clear();
            if (!haveTheta || !Present(d.KusabiH)) return;
            const double h = NumVal(d.KusabiH);
            const double sinT = std::sin(t0);
            if (sinT == 0) return;  // a level slope has no face to slide off
            if (!StoreLength(d.KusabiL1, h / sinT)) return;
            if (!Present(d.KusabiL2)) return;
            const double tanT = std::tan(t0);
            if (tanT == 0) return;
            const double run = h / tanT + NumVal(d.KusabiL2);
            if (run == 0) return;
            StoreAlpha(d.KusabiAlpha, h / run);
            return;
        }
        case 3: {  // H and α given: L1, L2
            d.KusabiL1.clear();
            d.KusabiL2.clear();
            if (!haveTheta || !Present(d.KusabiH)) return;
            const double h = NumVal(d.KusabiH);
            const double sinT = std::sin(t0);
            if (sinT == 0) return;
            if (!StoreLength(d.KusabiL1, h / sinT)) return;
            if (!alphaUsable) return;
            const double tanA = std::tan(a);
            const double tanT = std::tan(t0);
            if (tanA == 0 || tanT == 0) return;
            StoreL2(d.KusabiL2, h / tanA - h / tanT);
            return;
        }
        case 4: {  // L2 and α given: L1, H
            d.KusabiL1.clear();
            d.KusabiH.clear();
            if (!haveTheta || !Present(d.KusabiL2)) return;
            if (!alphaUsable) return;
            const double sinD = std::sin(t0 - a);
            if (sinD == 0) return;
            const double l1 = NumVal(d.KusabiL2) * std::sin(a) / sinD;
            if (!StoreLength(d.KusabiL1, l1)) return;
            StoreLength(d.KusabiH, l1 * std::sin(t0));
            return;
        }
        default:
            return;
    }
}

}  // namespace talvo
