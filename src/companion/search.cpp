#include "companion/search.h"

#include <algorithm>
#include <cmath>

#include "companion/checks.h"
#include "companion/study.h"
#include "shell/angles.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::companion {

namespace {

double V(const std::string& text) {
    return NumVal(text);
}

std::string F2(double value) {
    return FormatPattern(value, "0.00");
}

// A length of the stored texts (m, at most three decimals) in whole mm.
double Mm(double metres) {
    return std::round(metres * 1000);
}

}  // namespace

void CalcBarArea(int p) {
    const int bar = std::clamp<int>(PatBarIndex[p], 0, 11);
    PatBarArea[p] = NumVal(FormatPattern(V(PatBarCount[p]) * RebarSpecTable[bar].Area, "0.0000"));
}

void CalcRatioP(int p) {
    RebarRatioP[p] =
        FormatPattern(PatBarArea[p] * 100 / (V(PatWidth[p]) * V(PatEffHeight[p])), "#0.0000");
}

void CalcRatioK(int p) {
    const double np = 15 * V(RebarRatioP[p]);
    NeutralAxisK[p] = FormatPattern(std::sqrt(2 * np + np * np) - np, "#0.000");
}

void CalcRatioJ(int p) {
    LeverArmJ[p] = FormatPattern(1 - V(NeutralAxisK[p]) / 3, "0.000");
}

void CalcTeikouMoment(int p) {
    const double b = V(PatWidth[p]);
    const double de = V(PatEffHeight[p]);
    const double ratio = V(RebarRatioP[p]);
    const double k = V(NeutralAxisK[p]);
    const double j = V(LeverArmJ[p]);
    const double ms = V(SigmaSa) * ratio * j * b * de * de / 1e6;
    const double mc = 0.5 * V(SigmaCa) * k * j * b * de * de / 1e6;
    const double mr = ms < mc ? ms : mc;
    // Cut down to two decimals on the decimal text, so a value already on
    // the hundredths stays.
    ResistMoment[p] = FormatPattern(RoundValue(mr, 2, 0), "0.00");
}

void CountYokoWaku(int p) {
    const double b = V(PatWidth[p]);
    const double sv = Mm(V(PatSpanTate[p]));
    const double o = std::max(Mm(V(PatOverhang[p])), b / 2);
    const double l = Mm(TrialL);
    long n = 0;
    if (sv == 0) {
        n = 1;
    } else if (ShapeMode == 1) {
        const double l3 = Mm(V(ArcTopDistance));
        const double e = l3 + l;
        if (e < o) {
            n = 0;
        } else if (e == o) {
            n = 1;
        } else {
            const long q = o > l3 ? 0 : static_cast<long>(std::floor((l3 - o) / sv)) + 1;
            n = static_cast<long>(std::floor((e - o) / sv)) + 1 - q;
            // A beam lying exactly at the failure's upper end is one of the q
            // passed over; without any passed over there is none to count.
            if (q >= 1 && sv * static_cast<double>(q - 1) + o == l3) ++n;
        }
    } else {
        if (l < o) {
            n = 0;
        } else if (l == o) {
            n = 1;
        } else {
            n = static_cast<long>(std::floor((l - o) / sv)) + 1;
        }
    }
    YokoBeamCount[p] = std::to_string(n);
}

void CalcSuberiKakudo() {
    const double theta = Radians(V(SlopeAngle), Pi);
    SlipAngle = F2(Degrees(std::atan(V(TrialH) / (TrialL * std::cos(theta) + TrialD)), Pi));
}

void CalcNakazumeJyuuryo(int p) {
    const double b = V(PatWidth[p]) / 1000;
    const double n = V(YokoBeamCount[p]);
    InfillLoadW[p] = F2((TrialL - b * n) * (V(PatSpanYoko[p]) - b) * (V(PatInfillThick[p]) / 1000) *
                        V(InfillWeight));
}

void CalcWakuJyuuryo(int p) {
    const double b = V(PatWidth[p]) / 1000;
    const double hf = V(PatHeight[p]) / 1000;
    const double gc = V(FrameWeight);
    const double n = V(YokoBeamCount[p]);
    FrameLoadW[p] = F2(TrialL * b * hf * gc + b * (V(PatSpanYoko[p]) - b) * hf * n * gc);
}

void CalcKusabiDokai(int p) {
    SoilMassW[p] = F2(V(TrialH) * TrialD / 2 * V(PatSpanYoko[p]) * V(SoilWeight));
}

void CalcEnkoHankei(int p) {
    ArcRadius[p] = FormatPattern((TrialL * TrialL / 4 + TrialD * TrialD) / (2 * TrialD), "0.000");
}

void CalcEnkoKakudo(int p) {
    const double r = V(ArcRadius[p]);
    const double x = TrialL / (2 * r);
    if (x == 1) {
        ArcAngle[p] = F2(180);
    } else {
        ArcAngle[p] = F2(2 * Degrees(std::atan(x / std::sqrt(std::fabs(1 - x * x))), Pi));
    }
}

void CalcEnkoDokai(int p) {
    const double r = V(ArcRadius[p]);
    const double twoBeta = V(ArcAngle[p]);
    SoilMassW[p] = F2((twoBeta / 360 * Pi * r * r - 0.5 * TrialL * (r - TrialD)) *
                      V(PatSpanYoko[p]) * V(SoilWeight));
}

void CalcZenJyuuryo(int p) {
    double w = V(InfillLoadW[p]) + V(SoilMassW[p]);
    if (ShapeMode == 0) w += V(FrameLoadW[p]);
    TotalLoadW[p] = F2(w);
}

void CalcYokusiRyoku(int p) {
    const double psi = ShapeMode == 0 ? V(SlipAngle) : V(SlopeAngle);
    RestraintForce[p] = F2(V(DeltaFs) * V(TotalLoadW[p]) * std::sin(Radians(psi, Pi)));
}

void CalcWakuKajyuu(int p) {
    const double pr = V(RestraintForce[p]);
    if (ShapeMode == 0) {
        FrameLoadP[p] = F2(pr * std::sin(Radians(V(SlopeAngle) - V(SlipAngle), Pi)));
    } else {
        FrameLoadP[p] = F2(pr * std::cos(Radians((180 - V(ArcAngle[p])) / 2, Pi)));
    }
}

void CalcKusabiMoment(int p) {
    DemandMoment = NumStr(1.0 / 3 * V(FrameLoadP[p]) * TrialL);
}

void CalcEnkoMoment(int p) {
    DemandMoment = NumStr(4 / (9 * std::sqrt(6.0)) * V(FrameLoadP[p]) * TrialL);
}

TrialResult RunTrial(int p, int k) {
    TrialL = NumVal(F2(k / 100.0));
    TrialH = F2(TrialL * std::sin(Radians(V(SlopeAngle), Pi)));
    CountYokoWaku(p);
    bool invalid = false;
    if (ShapeMode == 0) {
        CalcSuberiKakudo();
        CalcNakazumeJyuuryo(p);
        CalcWakuJyuuryo(p);
        CalcKusabiDokai(p);
        CalcZenJyuuryo(p);
        CalcYokusiRyoku(p);
        CalcWakuKajyuu(p);
        CalcKusabiMoment(p);
    } else {
        CalcNakazumeJyuuryo(p);
        CalcEnkoHankei(p);
        invalid = V(ArcRadius[p]) - TrialD < 0;
        CalcEnkoKakudo(p);
        CalcEnkoDokai(p);
        CalcZenJyuuryo(p);
        CalcYokusiRyoku(p);
        CalcWakuKajyuu(p);
        CalcEnkoMoment(p);
    }
    if (invalid) return TrialResult::Invalid;
    const double mr = V(ResistMoment[p]);
    const double m = V(DemandMoment);
    if (mr < m) return TrialResult::Fails;
    return mr > m ? TrialResult::HoldsAbove : TrialResult::Holds;
}

namespace {

int CInt(double v) {
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

SearchOutcome SearchLength(const std::function<TrialResult(int k)>& trial) {
    SearchOutcome out;
    int start = 1000, stop = 10000, step = 1000;
    bool afterInvalid = false;
    // Each pass either narrows the step tenfold or ends the search, so there
    // are at most five passes of at most eleven trials.
    while (step >= 1) {
        const int passStart = start, passStop = stop, passStep = step;
        bool nextPass = false;
        for (int k = passStart; k <= passStop; k += passStep) {
            ++out.trials;
            out.k = k;
            const TrialResult t = trial(k);
            if (t == TrialResult::Invalid) {
                afterInvalid = true;
                continue;
            }
            if (t == TrialResult::Fails) {
                // A coarse failure right after invalid arcs says nothing of
                // the valid lengths between them: narrow to that range like
                // after any other failure. Only at the finest step is the
                // failing trial the smallest valid length.
                if (k == 1 || (afterInvalid && step == 1)) {
                    out.end = SearchEnd::FailsAtOnce;
                    return out;
                }
                stop = k;
                start = k - step;
                step = CInt(step / 10.0);
                if (start == 0) start = step;
                nextPass = true;
                break;
            }
            afterInvalid = false;
            if (k == 10000) {
                // Still holding at 100.00 m, with Mr above or equal to M: the
                // frame restrains every length of the range.
                out.end = SearchEnd::HoldsThroughout;
                return out;
            }
            if (k == stop - step && step != 100) {
                // The known-failing stop is not tried again.
                step = CInt(step / 10.0);
                if (step >= 1) {
                    start = k;
                    nextPass = true;
                    break;
                }
                out.k = stop;
                return out;
            }
        }
        if (!nextPass) {
            // A pass that ran out on invalid arcs without any valid trial
            // after them: no valid length holds. End rather than repeat it.
            out.end = SearchEnd::FailsAtOnce;
            return out;
        }
    }
    return out;
}

void YokusiKeisan(int pattern) {
    const int p = pattern;
    const int c = p + 2 * ShapeMode;
    const std::string keptThick = PatInfillThick[p];
    if (InfillMode == 0) PatInfillThick[p] = "0";
    if (V(PatWidth[p]) == 0 || V(PatEffHeight[p]) == 0) {
        PatInfillThick[p] = keptThick;
        for (int i = 0; i < 4; ++i) {
            KekkaL[c][i].clear();
            KekkaH[c][i].clear();
        }
        return;
    }
    CalcBarArea(p);
    CalcRatioP(p);
    CalcRatioK(p);
    CalcRatioJ(p);
    CalcTeikouMoment(p);

    const double sinTheta = std::sin(Radians(V(SlopeAngle), Pi));
    for (int i = 0; i < 4; ++i) {
        std::string depth = TrimBlanks(FailDepth[i]);
        if (!ValueCheck(1, depth, 0.1, 9.9, 1)) {
            KekkaL[c][i].clear();
            KekkaH[c][i].clear();
            continue;
        }
        TrialD = NumVal(depth);
        const SearchOutcome out = SearchLength([p](int k) { return RunTrial(p, k); });
        switch (out.end) {
            case SearchEnd::FailsAtOnce:
                KekkaL[c][i] = kFailsAtOnceText;
                KekkaH[c][i] = kFailsAtOnceText;
                break;
            case SearchEnd::HoldsThroughout:
                // The failure is at least 100 m long, so at least as high as a
                // 100 m failure.
                KekkaL[c][i] = kHoldsThroughoutText;
                KekkaH[c][i] = "≧" + TrimBlanks(FormatKeta(F2(100 * sinTheta), 2, 2));
                break;
            case SearchEnd::Found:
                TrialL = NumVal(F2(out.k / 100.0));
                KekkaL[c][i] = FormatKeta(F2(TrialL - 0.01), 2, 2);
                KekkaH[c][i] = FormatKeta(F2(NumVal(KekkaL[c][i]) * sinTheta), 2, 2);
                break;
        }
        if (ShapeMode == 1) KekkaH[c][i] = " -  ";
    }
    PatInfillThick[p] = keptThick;
}

void CalculateAll() {
    const std::int32_t kept = ShapeMode;
    for (int p = 0; p < 2; ++p) {
        if (PatUsable[p] != 1) {
            ClearKekka(p);
            continue;
        }
        for (int s = 0; s < 2; ++s) {
            ShapeMode = s;
            YokusiKeisan(p);
        }
    }
    ShapeMode = kept;
}

}  // namespace talvo::companion
