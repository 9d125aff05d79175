// The design-load and uniform-load pages of the anchored reports: the design
// load with its tension block (PrnSekkeiAnc, PrnSekkeiRock) and the uniform
// load on the frames, from the computed Ｐt (PrnToubunpu) or from the Ｐt
// entered directly (PrnToubunpuPt). A mode outside its range selects no
// block: the page keeps the blocks it has and is still counted.

#include <memory>
#include <utility>

#include "report/chapters/pageprocs.h"
#include "report/pages/anchorloads.h"
#include "report/pages/restraint.h"
#include "shell/design.h"

namespace talvo::report {

namespace {

// Design tops of the lower blocks, in twips.
constexpr int kAnchorTensionTop = 4500;
constexpr int kRockTensionTop = 6200;
constexpr int kShareTateTop = 3000;
constexpr int kShareYokoTop = 4300;
constexpr int kDirectPatternTop = 1900;
constexpr int kDirectShareTateTop = 4100;
constexpr int kDirectShareYokoTop = 5300;

// The design-load block by the friction input and, below it, the tension
// block. A friction mode other than 0 or 1 leaves the page empty.
void DesignLoadPage(PageContext& p, bool rockBolt) {
    void (*fill)(LayoutForm&) = nullptr;
    const char* name = nullptr;
    switch (Design.FrictionInputMode) {
        case 0:
            name = rockBolt ? "InsSekkeiRockFai" : "InsSekkeiAncFai";
            fill = rockBolt ? SetInsSekkeiRockFai : SetInsSekkeiAncFai;
            break;
        case 1:
            name = rockBolt ? "InsSekkeiRockTan" : "InsSekkeiAncTan";
            fill = rockBolt ? SetInsSekkeiRockTan : SetInsSekkeiAncTan;
            break;
        default:
            return;
    }
    p.DrawFirst(FilledForm(name, fill));
    if (const TensionBlock block = ChooseTensionBlock(rockBolt)) {
        p.DrawAt(FilledForm(block.form, block.fill),
                 rockBolt ? kRockTensionTop : kAnchorTensionTop);
    }
}

void PrnSekkeiAnc(PageContext& p) {
    DesignLoadPage(p, false);
}

void PrnSekkeiRock(PageContext& p) {
    DesignLoadPage(p, true);
}

// Both share-length blocks, each filled for its own frame.
void ShareBlocks(PageContext& p, int tateTop, int yokoTop) {
    p.DrawAt(SetInsToubunpu(0), tateTop);
    p.DrawAt(SetInsToubunpu(1), yokoTop);
}

// The pattern block of DesignData.ToubunpuMode; none for any other value.
std::unique_ptr<LayoutForm> PatternBlock() {
    switch (Design.ToubunpuMode) {
        case 0:
            return FilledForm("InsToubunpuCross", SetInsToubunpuCross);
        case 1:
            return FilledForm("InsToubunpuCrossB", SetInsToubunpuCrossB);
        case 2:
            return FilledForm("InsToubunpuLine", SetInsToubunpuLine);
        case 3:
            return FilledForm("InsToubunpuLineHalf", SetInsToubunpuLineHalf);
        default:
            return nullptr;
    }
}

// The pattern block heads the page; its open middle takes the share blocks.
void PrnToubunpu(PageContext& p) {
    ShareBlocks(p, kShareTateTop, kShareYokoTop);
    if (std::unique_ptr<LayoutForm> pattern = PatternBlock()) p.DrawFirst(std::move(pattern));
}

// The entered Ｐt heads the page, the uniform load follows under it.
void PrnToubunpuPt(PageContext& p) {
    p.DrawFirst(FilledForm("InsToubunpuPt", SetInsToubunpuPt));
    ShareBlocks(p, kDirectShareTateTop, kDirectShareYokoTop);
    if (std::unique_ptr<LayoutForm> pattern = PatternBlock()) {
        p.DrawAt(std::move(pattern), kDirectPatternTop);
    }
}

}  // namespace

PageProc AnchorLoadPageProc(PageId id) {
    switch (id) {
        case PageId::PrnSekkeiAnc:
            return PrnSekkeiAnc;
        case PageId::PrnSekkeiRock:
            return PrnSekkeiRock;
        case PageId::PrnToubunpu:
            return PrnToubunpu;
        case PageId::PrnToubunpuPt:
            return PrnToubunpuPt;
        default:
            return {};
    }
}

}  // namespace talvo::report
