#include "steps/framelayout.h"

#include <cmath>

#include "shell/globals.h"
#include "shell/numtext.h"
#include "steps/inputtext.h"

namespace talvo {

namespace {

// A length in whole millimetres, halves to the even neighbour.
long long EvenMillimetres(const std::string& metres) {
    return std::llrint(std::nearbyint(NumVal(metres) * 1000));
}

}  // namespace

std::string FrameTotal(const std::string& count, const std::string& span, const std::string& end1,
                       const std::string& end2) {
    return FormatPattern(NumVal(count) * NumVal(span) + NumVal(end1) + NumVal(end2), "0.000");
}

std::string FrameTotalY(const DesignData& d) {
    return FrameTotal(d.SpanCountY, d.SpanY, d.OverhangUpper, d.OverhangLower);
}

std::string FrameTotalX(const DesignData& d) {
    return FrameTotal(d.SpanCountX, d.SpanX, d.OverhangLeft, d.OverhangRight);
}

void StoreFrameTotal(int direction) {
    if (direction == 0)
        Design.TotalLengthY = FrameTotalY(Design);
    else
        Design.TotalLengthX = FrameTotalX(Design);
}

bool NoVerticalSpan(const std::string& spanCount) {
    return NotBlank(spanCount) && NumVal(spanCount) == 0;
}

bool NoVerticalBeam(const DesignData& d) {
    return NoVerticalSpan(d.SpanCountY) && NotBlank(d.OverhangUpper) && NotBlank(d.OverhangLower) &&
           NumVal(d.TotalLengthY) == 0;
}

std::string AnchorCountOfSpans(const std::string& spanCount) {
    if (!NotBlank(spanCount)) return "";
    return FormatNum(NumStr(NumVal(spanCount) + 1), 3, 0);
}

std::string SpanCountOfAnchors(const std::string& anchorCount, int direction) {
    if (!NotBlank(anchorCount)) return "";
    return FormatNum(NumStr(NumVal(anchorCount) - 1), direction == 0 ? 2 : 3, 0);
}

bool SingleAnchor(const std::string& anchorCount) {
    return NumVal(anchorCount) == 1;
}

bool TooManyAnchors(const std::string& spanCount, const std::string& anchorCount) {
    return NotBlank(spanCount) && NotBlank(anchorCount) &&
           NumVal(anchorCount) > NumVal(spanCount) + 1;
}

bool PitchOffSpan(const std::string& span, const std::string& pitch) {
    if (!NotBlank(span) || !NotBlank(pitch)) return false;
    const long long spanMm = EvenMillimetres(span);
    return spanMm == 0 || EvenMillimetres(pitch) % spanMm != 0;
}

bool AnchorOverhangShort(const std::string& frameOverhang, const std::string& anchorOverhang) {
    return NotBlank(frameOverhang) && NotBlank(anchorOverhang) &&
           NumVal(anchorOverhang) < NumVal(frameOverhang);
}

bool FollowsGridRule(const LayoutDirection& dir) {
    auto same = [](const std::string& a, const std::string& b) { return NumVal(a) == NumVal(b); };
    const bool countsMeet = !Present(dir.spanCount) || !Present(dir.anchorCount) ||
                            NumVal(dir.anchorCount) == NumVal(dir.spanCount) + 1;
    return countsMeet && same(dir.pitch, dir.span) && same(dir.anchorOverhang1, dir.overhang1) &&
           same(dir.anchorOverhang2, dir.overhang2);
}

void ApplyGridRule(DesignData& d) {
    struct Follower {
        std::string* anchor;
        std::string value;
    };
    const Follower followers[] = {
        {&d.AnchorCountY, AnchorCountOfSpans(d.SpanCountY)},
        {&d.AnchorCountX, AnchorCountOfSpans(d.SpanCountX)},
        {&d.PitchY, TrimBlanks(d.SpanY)},
        {&d.PitchX, TrimBlanks(d.SpanX)},
        {&d.AnchorOverhangUpper, TrimBlanks(d.OverhangUpper)},
        {&d.AnchorOverhangLower, TrimBlanks(d.OverhangLower)},
        {&d.AnchorOverhangLeft, TrimBlanks(d.OverhangLeft)},
        {&d.AnchorOverhangRight, TrimBlanks(d.OverhangRight)},
    };
    // A value that already follows keeps its text: loading the step changes
    // nothing the design holds unless the layout breaks the rule.
    for (const Follower& f : followers) {
        if (TrimBlanks(f.value) == TrimBlanks(*f.anchor)) continue;
        DataChanged = 1;
        RecalcLoad = 1;
        RecalcForce = 1;
        *f.anchor = f.value;
    }
}

}  // namespace talvo
