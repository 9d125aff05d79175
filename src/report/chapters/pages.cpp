// The built-in page procedures. The pages of the short report place their
// layout forms as they stand (the fillers set their texts once they exist);
// the pages of the full report draw nothing yet and are empty, counted pages.

#include <memory>
#include <string_view>

#include "report/chapters/sequencer.h"
#include "shell/design.h"

namespace talvo::report {

namespace {

// The block tops of the short report's lower blocks, in design twips.
constexpr int kSummaryForcesTop = 9800;
constexpr int kSummaryResultTop = 11500;
constexpr int kAnchorBarTop = 8300;

std::unique_ptr<LayoutForm> Form(std::string_view name) {
    return LoadForm(name);
}

// The member-force summary and the result table under a summary page: one
// result set (Dokei) for a common section, and always in the chapter that has
// the horizontal frame only; the two sets (Ikei) otherwise.
void SummaryTables(PageContext& p) {
    const bool oneSet = p.Chapter() == ChapterKind::FrameSide || Design.SameSection != 0;
    auto forces = Form(oneSet ? "InsOryuokuDokei" : "InsOryuokuIkei");
    auto results = Form(oneSet ? "InsKekkaHyouDokei" : "InsKekkaHyouIkei");
    p.DrawAt(std::move(forces), kSummaryForcesTop);
    p.DrawAt(std::move(results), kSummaryResultTop);
}

void PrnHoukaiHyou(PageContext& p) {
    p.DrawFirst(Form("InsHoukaiHyou"));
    SummaryTables(p);
}

void PrnHeiyouHyou(PageContext& p) {
    p.DrawFirst(Form("InsHeiyouHyou"));
    SummaryTables(p);
}

// The failure-shape page: the figure and, under it, the main anchor bar
// table. The angle arcs belong over the figure, measured from the first
// block's origin and drawn only when p.Shown(); they are not drawn yet.
void FailureShape(PageContext& p, std::string_view shapeForm) {
    auto shape = Form(shapeForm);
    auto anchorBar = Form("InsAncBarKento");
    p.DrawFirst(std::move(shape));
    p.DrawAt(std::move(anchorBar), kAnchorBarTop);
}

void PrnHoukaiKusabi(PageContext& p) {
    FailureShape(p, "InsHoukaiKusabi");
}

void PrnHoukaiEnko(PageContext& p) {
    FailureShape(p, "InsHoukaiEnko");
}

void PrnAncBarKento(PageContext& p) {
    p.DrawFirst(Form("InsAncBarKento"));
}

void PrnAnchorKento(PageContext& p) {
    p.DrawFirst(Form("InsAnchorKento"));
}

void PrnRockKento(PageContext& p) {
    p.DrawFirst(Form("InsRockKento"));
}

}  // namespace

PageProc BuiltInPageProc(PageId id) {
    switch (id) {
        case PageId::PrnHoukaiHyou:
            return PrnHoukaiHyou;
        case PageId::PrnHeiyouHyou:
            return PrnHeiyouHyou;
        case PageId::PrnHoukaiKusabi:
            return PrnHoukaiKusabi;
        case PageId::PrnHoukaiEnko:
            return PrnHoukaiEnko;
        case PageId::PrnAncBarKento:
            return PrnAncBarKento;
        case PageId::PrnAnchorKento:
            return PrnAnchorKento;
        case PageId::PrnRockKento:
            return PrnRockKento;
        default:
            return {};
    }
}

}  // namespace talvo::report
