// The rules of the load-sharing step of the anchored frames (work types 3
// and 4): how the design load Pt of one bolt or anchor is spread over the
// frame. Three independent choices: the length ℓ1 of vertical beam and the
// length ℓ2 of horizontal beam that carry the load, and the pattern of the
// uniform load w. When Pt is entered directly, it is typed in this step.
//
// A changed choice recomputes the anchored chain at once: the uniform loads
// and the frame's forces follow from it.
#pragma once

#include <array>
#include <string>

namespace talvo {

// The three choices of the step.
enum class ShareChoice {
    TateLength,  // ℓ1: 0 total vertical length ÷ count, 1 vertical pitch
    YokoLength,  // ℓ2: 0 total horizontal length ÷ count, 1 horizontal pitch
    LoadPattern  // w: 0 Pt/(ℓ1+ℓ2), 1 Pt/((ℓ1+ℓ2)−b), 2 Pt/ℓ per beam, 3 (Pt/2)/ℓ per beam
};

// The texts beside the options of the two length choices, which name the
// rock bolts (work type 3) or the anchors (work type 4): for ℓ1 the texts of
// options 0 and 1, then for ℓ2. The step exists only in those two chains;
// any other work type is given the rock-bolt wording.
struct ShareOptionTexts {
    std::array<std::string, 2> tate;
    std::array<std::string, 2> yoko;
};
ShareOptionTexts ShareOptionTextsFor(int workType);

// The stored option of a choice.
int StoredShareOption(ShareChoice choice);

// The engineer picks option `index` of a choice. The option in force changes
// nothing (false). Otherwise the option is stored, the design marked changed
// and the results asked for again, and the anchored chain (RecalcRock) rerun
// at once; true.
bool ChooseShareOption(ShareChoice choice, int index);

// Only one bolt or anchor along the vertical beam: there is no vertical
// pitch, so ℓ1 cannot be the pitch. An empty count reads as 0, not as one.
bool SingleAnchorRow(const std::string& anchorCountY);

// The single-row rule of the step's activation: with one bolt or anchor
// along the vertical beam, ℓ1 is switched to the total length ÷ count when
// it was the pitch (a real change: marked and recomputed). Returns whether
// the pitch option is closed.
bool ApplySingleRowRule();

// A design load shown or entered in this step: five integer places and one
// decimal; an empty text stays empty.
std::string ShareLoadText(const std::string& stored);

// The range of a directly entered Pt (kN per bolt or anchor, one decimal).
inline constexpr double kPtMin = 0.1;
inline constexpr double kPtMax = 9999.9;

}  // namespace talvo
