// The built-in page procedures: the pages of the short report here, the pages
// of the full report from their chapter groups (pageprocs.h).

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

#include "report/chapters/pageprocs.h"
#include "report/chapters/sequencer.h"
#include "report/pages/anchors.h"
#include "report/pages/conditions.h"
#include "report/pages/failureshape.h"
#include "report/pages/results.h"
#include "shell/design.h"

namespace talvo::report {

namespace {

// The block tops of the short report's lower blocks, in design twips.
constexpr int kSummaryForcesTop = 9800;
constexpr int kSummaryResultTop = 11500;
constexpr int kAnchorBarTop = 8300;

std::unique_ptr<LayoutForm> Form(std::string_view name, void (*fill)(LayoutForm&)) {
    return FilledForm(name, fill);
}

// The least room kept between a page's first block and the member-force
// summary when the summary rises, in page twips.
constexpr double kSummaryGap = 120;

// How far, in design twips, the member-force summary and the result table
// rise together so that the red line under the table ends above the page
// number, where it runs over more lines than the page has room for under
// it; never so far that the summary meets the page's first block, which
// ends `firstBottom` form twips below the page origin.
int SummaryLift(const PageContext& p, const LayoutForm& results, int firstBottom,
                bool* fits = nullptr) {
    if (fits) *fits = true;
    const int lineBottom = RedLineBottom(results);
    if (lineBottom == 0) return 0;
    const ReportPrint& print = p.Print();
    const double lowest = print.BlockTop(kSummaryResultTop) + lineBottom * print.HeightRatio();
    const double over = lowest - (p.Out().PageHeight() - kFooterTopFromBottom);
    if (over <= 0) return 0;
    const double room = print.BlockTop(kSummaryForcesTop) -
                        (print.Top() + firstBottom * print.HeightRatio()) - kSummaryGap;
    if (fits) *fits = over <= room;
    return static_cast<int>(std::ceil(std::max(0.0, std::min(over, room)) / print.WidthRatio()));
}

// The member-force summary and the result table under a summary page: one
// result set (Dokei) for a common section, and always in the chapter that has
// the horizontal frame only; the two sets (Ikei) otherwise. The short report
// has no pages for the checks beside the results, so under its result table
// a red line names those that failed; in both reports the line names the
// required entries left empty, which no page of their own marks.
void SummaryTables(PageContext& p, int firstBottom) {
    const bool oneSet = p.Chapter() == ChapterKind::FrameSide || Design.SameSection != 0;
    auto forces = oneSet ? Form("InsOryuokuDokei", SetInsOryuokuDokei)
                         : Form("InsOryuokuIkei", SetInsOryuokuIkei);
    // A line that names very many entries (a design hardly begun) and will
    // not fit under the risen tables is set smaller, step by step, till it
    // does.
    std::unique_ptr<LayoutForm> results;
    int lift = 0;
    for (double scale : {1.0, 0.9, 0.8, 0.7, 0.6}) {
        results = oneSet ? Form("InsKekkaHyouDokei", SetInsKekkaHyouDokei)
                         : Form("InsKekkaHyouIkei", SetInsKekkaHyouIkei);
        if (p.Full()) {
            PutMissingEntriesLine(*results, scale);
        } else {
            PutFailedChecksLine(*results, scale);
        }
        bool fits = true;
        lift = SummaryLift(p, *results, firstBottom, &fits);
        if (fits) break;
    }
    p.DrawAt(std::move(forces), kSummaryForcesTop - lift);
    p.DrawAt(std::move(results), kSummaryResultTop - lift);
}

// The design-condition table first, the summary under it.
void SummaryPage(PageContext& p, std::unique_ptr<LayoutForm> conditions) {
    const int bottom = conditions->ItemExtent().bottom;
    p.DrawFirst(std::move(conditions));
    SummaryTables(p, bottom);
}

void PrnHoukaiHyou(PageContext& p) {
    SummaryPage(p, Form("InsHoukaiHyou", SetInsHoukaiHyou));
}

void PrnHeiyouHyou(PageContext& p) {
    SummaryPage(p, Form("InsHeiyouHyou", SetInsHeiyouHyou));
}

// The failure-shape page: the figure with its angle arcs over it (measured
// from the first block's origin, drawn only on a page that is output) and,
// under it, the main anchor bar table.
void FailureShape(PageContext& p, std::unique_ptr<LayoutForm> shape) {
    p.DrawFirst(std::move(shape));
    if (p.Shown()) {
        const ReportPrint& print = p.Print();
        DrawAngleArcs(p.Out(), print.Left(), print.Top(), print.WidthRatio(), print.HeightRatio());
    }
    p.DrawAt(Form("InsAncBarKento", SetInsAncBarKento), kAnchorBarTop);
}

void PrnHoukaiKusabi(PageContext& p) {
    FailureShape(p, Form("InsHoukaiKusabi", SetInsHoukaiKusabi));
}

void PrnHoukaiEnko(PageContext& p) {
    FailureShape(p, Form("InsHoukaiEnko", SetInsHoukaiEnko));
}

void PrnAncBarKento(PageContext& p) {
    p.DrawFirst(Form("InsAncBarKento", SetInsAncBarKento));
}

void PrnAnchorKento(PageContext& p) {
    p.DrawFirst(Form("InsAnchorKento", SetInsAnchorKento));
}

void PrnRockKento(PageContext& p) {
    p.DrawFirst(Form("InsRockKento", SetInsRockKento));
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
            break;
    }
    for (PageProc (*group)(PageId) :
         {LoadPageProc, MomentPageProc, CheckPageProc, AnchorLoadPageProc, AnchorDesignPageProc}) {
        if (PageProc proc = group(id)) {
            return proc;
        }
    }
    return {};
}

}  // namespace talvo::report
