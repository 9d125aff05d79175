#include "report/chapters/sequencer.h"

#include <cstddef>
#include <span>
#include <utility>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

constexpr std::string_view kPageNames[] = {
#define TALVO_PAGE_NAME(name) #name,
    TALVO_REPORT_PAGES(TALVO_PAGE_NAME)
#undef TALVO_PAGE_NAME
};
static_assert(std::size(kPageNames) == kPageIdCount);

// When a page of a chapter runs, besides being part of the full report.
enum class When {
    Always,
    SeparateSections,
    SeparateAndStirrupsTate,
    StirrupsYoko,
    PtComputed,
    PtComputedAndGiven,  // a computed Pt that the load steps could work out
    PtDirect,
    Overhang,
};

struct PageRow {
    PageId page;
    bool inShort;  // also a page of the short report
    When when;
};

using P = PageId;
using W = When;

constexpr PageRow kWedge[] = {
    {P::PrnHoukaiHyou, true, W::Always},
    {P::PrnHoukaiKusabi, true, W::Always},
    {P::PrnKusabiJyuuryo, false, W::Always},
    {P::PrnKusabiKajyuu, false, W::Always},
    {P::PrnKusabiMmaxSmax, false, W::Always},
    {P::PrnYokoJyuuryo, false, W::Always},
    {P::PrnMmtSdr, false, W::Always},
    {P::PrnMmtSdrHyou, false, W::Always},
    {P::PrnTekkinRyoTate, false, W::SeparateSections},
    {P::PrnOrkHippariTate, false, W::SeparateSections},
    {P::PrnOrkStarLapTate, false, W::SeparateAndStirrupsTate},
    {P::PrnTekkinRyoYoko, false, W::Always},
    {P::PrnOrkHippariYoko, false, W::Always},
    {P::PrnOrkStarLapYoko, false, W::StirrupsYoko},
    {P::PrnSyuAncBar, false, W::Always},
};

constexpr PageRow kArc[] = {
    {P::PrnHoukaiHyou, true, W::Always},
    {P::PrnHoukaiEnko, true, W::Always},
    {P::PrnEnkoJyuuryo, false, W::Always},
    {P::PrnEnkoKajyuu, false, W::Always},
    {P::PrnEnkoMmaxSmax, false, W::Always},
    {P::PrnYokoJyuuryo, false, W::Always},
    {P::PrnMmtSdr, false, W::Always},
    {P::PrnMmtSdrHyou, false, W::Always},
    {P::PrnTekkinRyoTate, false, W::SeparateSections},
    {P::PrnOrkHippariTate, false, W::SeparateSections},
    {P::PrnOrkStarLapTate, false, W::SeparateAndStirrupsTate},
    {P::PrnTekkinRyoYoko, false, W::Always},
    {P::PrnOrkHippariYoko, false, W::Always},
    {P::PrnOrkStarLapYoko, false, W::StirrupsYoko},
    {P::PrnSyuAncBar, false, W::Always},
};

constexpr PageRow kFrameSide[] = {
    {P::PrnHoukaiHyou, true, W::Always},      {P::PrnAncBarKento, true, W::Always},
    {P::PrnYokoJyuuryo, false, W::Always},    {P::PrnMmtSdr, false, W::Always},
    {P::PrnMmtSdrHyou, false, W::Overhang},   {P::PrnTekkinRyoYoko, false, W::Always},
    {P::PrnOrkHippariYoko, false, W::Always}, {P::PrnOrkStarLapYoko, false, W::StirrupsYoko},
    {P::PrnSyuAncBar, false, W::Always},
};

constexpr PageRow kRockbolt[] = {
    {P::PrnHeiyouHyou, true, W::Always},
    {P::PrnRockKento, true, W::PtComputed},
    {P::PrnSekkeiJyuuryo, false, W::PtComputed},
    {P::PrnSekkeiRock, false, W::PtComputed},
    {P::PrnRockTyou, false, W::PtComputedAndGiven},
    {P::PrnToubunpu, false, W::PtComputed},
    {P::PrnToubunpuPt, false, W::PtDirect},
    {P::PrnMmtSdrTate, false, W::Always},
    {P::PrnMmtSdrYoko, false, W::Always},
    {P::PrnMmtSdrHyou, false, W::Always},
    {P::PrnTekkinRyoTate, false, W::SeparateSections},
    {P::PrnOrkHippariTate, false, W::SeparateSections},
    {P::PrnOrkStarLapTate, false, W::SeparateAndStirrupsTate},
    {P::PrnTekkinRyoYoko, false, W::Always},
    {P::PrnOrkHippariYoko, false, W::Always},
    {P::PrnOrkStarLapYoko, false, W::StirrupsYoko},
};

constexpr PageRow kAnchor[] = {
    {P::PrnHeiyouHyou, true, W::Always},
    {P::PrnAnchorKento, true, W::PtComputed},
    {P::PrnSekkeiJyuuryo, false, W::PtComputed},
    {P::PrnSekkeiAnc, false, W::PtComputed},
    {P::PrnAnchorKouzai, false, W::PtComputedAndGiven},
    {P::PrnToubunpu, false, W::PtComputed},
    {P::PrnToubunpuPt, false, W::PtDirect},
    {P::PrnMmtSdrTate, false, W::Always},
    {P::PrnMmtSdrYoko, false, W::Always},
    {P::PrnMmtSdrHyou, false, W::Always},
    {P::PrnTekkinRyoTate, false, W::SeparateSections},
    {P::PrnOrkHippariTate, false, W::SeparateSections},
    {P::PrnOrkStarLapTate, false, W::SeparateAndStirrupsTate},
    {P::PrnTekkinRyoYoko, false, W::Always},
    {P::PrnOrkHippariYoko, false, W::Always},
    {P::PrnOrkStarLapYoko, false, W::StirrupsYoko},
    {P::PrnSiatu, false, W::Always},
    {P::PrnPrate, false, W::Always},
};

std::span<const PageRow> RowsOf(ChapterKind kind) {
    switch (kind) {
        case ChapterKind::Wedge:
            return kWedge;
        case ChapterKind::Arc:
            return kArc;
        case ChapterKind::FrameSide:
            return kFrameSide;
        case ChapterKind::Rockbolt:
            return kRockbolt;
        case ChapterKind::Anchor:
            break;
    }
    return kAnchor;
}

bool Holds(When when, const PageConditions& c) {
    switch (when) {
        case When::Always:
            return true;
        case When::SeparateSections:
            return c.separateSections;
        case When::SeparateAndStirrupsTate:
            return c.separateSections && c.stirrupsTate;
        case When::StirrupsYoko:
            return c.stirrupsYoko;
        case When::PtComputed:
            return !c.ptDirect;
        case When::PtComputedAndGiven:
            // Without a design load there are no bond lengths to compare the
            // anchorage length with: the length pages would print empty
            // arithmetic, so they wait for the load.
            return !c.ptDirect && c.ptGiven;
        case When::PtDirect:
            return c.ptDirect;
        case When::Overhang:
            return c.overhang;
    }
    return false;
}

bool IsSummary(PageId id) {
    return id == PageId::PrnHoukaiHyou || id == PageId::PrnHeiyouHyou;
}

bool PrintRowNeedsStirrups(const DesignData& design,
                           const std::array<std::array<bool, 6>, 2>& stirrups, int direction) {
    const int row = design.KekkaPrintRow[static_cast<std::size_t>(direction)];
    if (row < 1 || row > 6) return false;
    return stirrups[static_cast<std::size_t>(direction)][static_cast<std::size_t>(row - 1)];
}

}  // namespace

std::string_view PageName(PageId id) {
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kPageNames) ? kPageNames[i] : std::string_view();
}

ChapterKind ChapterOf(int workType) {
    switch (workType) {
        case 0:
            return ChapterKind::Wedge;
        case 1:
            return ChapterKind::Arc;
        case 2:
            return ChapterKind::FrameSide;
        case 3:
            return ChapterKind::Rockbolt;
        default:
            return ChapterKind::Anchor;
    }
}

std::string_view ChapterName(ChapterKind kind) {
    switch (kind) {
        case ChapterKind::Wedge:
            return "CPrnWedge";
        case ChapterKind::Arc:
            return "CPrnArc";
        case ChapterKind::FrameSide:
            return "CPrnFrameSide";
        case ChapterKind::Rockbolt:
            return "CPrnRockbolt";
        case ChapterKind::Anchor:
            break;
    }
    return "CPrnAnchor";
}

PageConditions ConditionsOf(const DesignData& design,
                            const std::array<std::array<bool, 6>, 2>& stirrups,
                            std::int16_t insFlg) {
    PageConditions c;
    c.full = insFlg != 0;
    c.separateSections = design.SameSection == 0;
    c.stirrupsTate = PrintRowNeedsStirrups(design, stirrups, 0);
    c.stirrupsYoko = PrintRowNeedsStirrups(design, stirrups, 1);
    c.ptDirect = design.PtDirect != 0;
    c.ptGiven = HoldsNumber(design.Pt);
    c.overhang = NumVal(design.OverhangLeft) != 0 || NumVal(design.OverhangRight) != 0;
    return c;
}

PageConditions CurrentConditions(std::int16_t insFlg) {
    return ConditionsOf(Design, StirrupNeeded, insFlg);
}

std::vector<PageId> PageOrder(ChapterKind kind, const PageConditions& conditions) {
    std::vector<PageId> pages;
    for (const PageRow& row : RowsOf(kind)) {
        if ((row.inShort || conditions.full) && Holds(row.when, conditions))
            pages.push_back(row.page);
    }
    return pages;
}

void PageContext::DrawFirst(std::unique_ptr<LayoutForm> form) const {
    Draw(std::move(form), print_.Top());
}

void PageContext::DrawAt(std::unique_ptr<LayoutForm> form, int designTop) const {
    Draw(std::move(form), print_.BlockTop(designTop));
}

void PageContext::Draw(std::unique_ptr<LayoutForm> form, int top) const {
    if (form) {
        placed_.push_back(
            PlacedBlock{print_.CurPage(), form->name, print_.Left(), top, print_.PageShown()});
    }
    print_.DrawFrm(out_, form, print_.Left(), top);
}

ChapterReport::ChapterReport(ChapterKind kind) : kind_(kind) {}

void ChapterReport::SetPageProc(PageId id, PageProc proc) {
    procs_[static_cast<std::size_t>(id)] = std::move(proc);
}

void ChapterReport::DrawReport(PageOutput& out, std::int16_t insFlg, int intPage) {
    placed_.clear();
    print_.SetPrintPage(intPage);
    print_.DrawCorrect(out);
    out.StartDoc();
    for (PageId id : PageOrder(kind_, CurrentConditions(insFlg))) {
        // The summary page opens the document on the page StartDoc began;
        // every later page is counted and, in the whole document, started.
        if (IsSummary(id)) {
            print_.SetCurPage(1);
        } else {
            print_.SetCurPage(print_.CurPage() + 1);
            if (print_.PrintPage() == 0) out.NewPage();
        }
        PageContext page(out, print_, kind_, id, placed_, insFlg != 0);
        const PageProc& own = procs_[static_cast<std::size_t>(id)];
        if (own) {
            own(page);
        } else if (PageProc builtIn = BuiltInPageProc(id)) {
            builtIn(page);
        }
    }
    out.EndDoc();
}

std::unique_ptr<ChapterReport> MakeChapterReport(int workType) {
    return std::make_unique<ChapterReport>(ChapterOf(workType));
}

}  // namespace talvo::report
