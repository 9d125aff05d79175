// The restrainable failure search: for one frame pattern and the shape in
// ShapeMode, the largest failure length (0.01 m to 100.00 m) whose bending
// moment on the frame does not exceed the section's resisting moment, for
// each of the four failure depths. Every intermediate is stored as its text
// and read back, so the rounding of each format is part of the result.
#pragma once

#include <cstdint>
#include <functional>

namespace talvo::companion {

// Section capacity of pattern p: total bar area, p, k, j and Mr.
void CalcBarArea(int p);
void CalcRatioP(int p);
void CalcRatioK(int p);
void CalcRatioJ(int p);
void CalcTeikouMoment(int p);

// Steps of one trial (TrialL, TrialD and TrialH set).
void CountYokoWaku(int p);
void CalcSuberiKakudo();
void CalcNakazumeJyuuryo(int p);
void CalcWakuJyuuryo(int p);
void CalcKusabiDokai(int p);
void CalcEnkoHankei(int p);
void CalcEnkoKakudo(int p);
void CalcEnkoDokai(int p);
void CalcZenJyuuryo(int p);
void CalcYokusiRyoku(int p);
void CalcWakuKajyuu(int p);
void CalcKusabiMoment(int p);
void CalcEnkoMoment(int p);

// What one trial at L = k/100 m says.
enum class TrialResult {
    Invalid,     // arc geometry impossible (R < D): compared with nothing
    Fails,       // Mr < M
    Holds,       // Mr = M
    HoldsAbove,  // Mr > M
};

// How the search of one depth ended.
enum class SearchEnd {
    Found,            // the frame holds at k/100 - 0.01 m and fails at k/100 m
    FailsAtOnce,      // no valid length holds, not even the smallest
    HoldsThroughout,  // the frame still holds at 100.00 m
};

// Outcome of the search of one depth.
struct SearchOutcome {
    SearchEnd end = SearchEnd::Found;
    int k = 0;       // L·100 when the search ended (the found length is k/100 - 0.01)
    int trials = 0;  // trials evaluated
};

// The coarse-to-fine search over k = 1 … 10000 (steps of 10 m, 1 m, 0.1 m,
// 0.01 m). A failure narrows the next pass to the range between the trial
// before it and the failing one, also when that trial was an invalid arc, so
// only a failure right after an invalid trial at the 0.01 m step (or at
// 0.01 m itself) means that no valid length holds. Bounded: at most five
// passes of at most eleven trials.
SearchOutcome SearchLength(const std::function<TrialResult(int k)>& trial);

// The texts of KekkaL for the two ends of the search without a found length:
// "****" when no length holds, "≧100" when the frame holds at 100.00 m.
inline constexpr const char* kFailsAtOnceText = "****";
inline constexpr const char* kHoldsThroughoutText = "≧100";

// One trial of pattern p at k (TrialD set), through the record's texts.
TrialResult RunTrial(int p, int k);

// Fills KekkaL/KekkaH of case pattern + 2·ShapeMode for every depth. A depth
// whose text is not a depth of 0.1 to 9.9 m gets empty results, and so does
// every depth of a pattern whose width or effective height reads as 0.
void YokusiKeisan(int pattern);

// The calculate command's computation after DataCheck: both shapes of every
// usable pattern; an unusable pattern's results are emptied. ShapeMode is
// left as it was.
void CalculateAll();

}  // namespace talvo::companion
