// The rules of the main anchor bar step of the frame-only types (0 to 2): the
// bar chosen from the deformed-bar table, its nominal area, the shear stress
// τs = Q·1000/As·Fs of the bar (CalcAncBarTauS, calc/anchorage.h) as the step
// shows and stores it, and the verdict of τs against the allowable τsa.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// The bar-name box: three blanks and the name of the bar (table row
// `index`); an index outside the table names no bar and gives "".
std::string AnchorBarName(int index);

// The nominal area As of the bar in mm² as the step shows it: five integer
// places, and more decimals the smaller the area (1 from 100 mm² up, 2 from
// 10, 3 from 1, 4 below), so that a small bar keeps its significant digits.
// "" for an index outside the table.
std::string AnchorBarArea(int index);

// τs as the step shows it: one decimal in five integer places, the form
// CalcAncBarTauS stores (a τs of another form, read from an older file, shows
// so too). A τs that could not be computed stays empty; one of a real zero
// load shows "0.0".
std::string ShownTauS(const std::string& tauS);

// τs of the bar as stored now, recomputed from Q, the bar and Fs
// (CalcAncBarTauS). Marks nothing changed: what changed was the input.
void UpdateAncBarTauS();

// What the step does on activation: the horizontal beam's forces rerun while
// RecalcForce is raised (RunForceOnActivation, which reruns τs from the new Q
// with them); then, while RecalcAnchorBar is still raised, τs from the Q that
// stands (the flag is lowered). Marks nothing changed, and with both flags
// lowered the stored τs stands as it is: showing the step changes nothing
// the design holds (a design just read holds its τs until its forces are
// known).
void RunAnchorBarOnActivation();

// One step through the bar table: +1 the next larger bar, -1 the next
// smaller one. At either end nothing happens and false is returned.
// Otherwise the index is stored, the design marked changed and τs
// recomputed. An index outside the table (only a damaged file holds one)
// steps to the nearest end.
bool StepAnchorBar(int step);

// The verdict of τs against τsa on the values shown: "ok" when τsa is at
// least τs (a tie passes), "out" (red) when below, and "" while either is
// not given.
struct AnchorBarVerdict {
    std::string mark;  // "ok", "out" or ""
    bool out = false;
};
AnchorBarVerdict JudgeAnchorBar(const std::string& tauSa, const std::string& tauS);

// Why the design holds no τs, in the words the step shows in its verdict
// place: no load Q (no horizontal span, or no load on it), no bar of known
// area, or no safety factor Fs. Empty when τs can be computed.
std::string AnchorBarTauSMissing();
inline constexpr const char* kNoLoadQ = "荷重Ｑがありません。";
inline constexpr const char* kNoBarArea = "鋼材の断面積がありません。";
inline constexpr const char* kNoFs = "Ｆsが入力されていません。";

}  // namespace talvo
